#include "core/document/DocumentFitDialogs.h"

#include <windows.h>

namespace {

// Until the fit dialogs are part of the program, a dialog ends as if OK were pressed at once:
// the model stays as it is and the values come back as they were preset.
class CProgramFitDialogs : public IDocumentFitDialogs {
 public:
  INT_PTR Run(FitDialogKind, CKelStrengthDoc*, FitDialogValues&) override { return IDOK; }
};

CProgramFitDialogs g_programDialogs;
IDocumentFitDialogs* g_installed = nullptr;

}  // namespace

IDocumentFitDialogs& GetDocumentFitDialogs() {
  return g_installed ? *g_installed : g_programDialogs;
}

IDocumentFitDialogs* SetDocumentFitDialogs(IDocumentFitDialogs* dialogs) {
  IDocumentFitDialogs* previous = g_installed;
  g_installed = dialogs;
  return previous;
}
