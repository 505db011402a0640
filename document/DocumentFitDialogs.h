// The lab-data fit dialogs as the document runs them: each is constructed on a document and run
// modally. The program's dialogs are installed here; tests install fakes.
#pragma once

#include "core/document/FitDialogRunner.h"

class CKelStrengthDoc;

class IDocumentFitDialogs {
 public:
  virtual ~IDocumentFitDialogs() = default;
  // Runs the dialog of kind on doc; IDOK or IDCANCEL. values as IFitDialogRunner describes.
  virtual INT_PTR Run(FitDialogKind kind, CKelStrengthDoc* doc, FitDialogValues& values) = 0;
};

// The dialogs in use.
IDocumentFitDialogs& GetDocumentFitDialogs();
// Installs other dialogs (nullptr: the program's own); returns the previous ones (nullptr when
// they were the program's own).
IDocumentFitDialogs* SetDocumentFitDialogs(IDocumentFitDialogs* dialogs);
