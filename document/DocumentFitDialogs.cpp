#include "document/DocumentFitDialogs.h"

#include <windows.h>

#include "fitdialogs/FitDialogRunner.h"

namespace {

// The program's own fit dialogs.
class CProgramFitDialogs : public IDocumentFitDialogs {
 public:
  INT_PTR Run(FitDialogKind kind, CKelStrengthDoc* doc, FitDialogValues& values) override {
    return RunProgramFitDialog(kind, doc, values);
  }
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
