// CKelStrengthDoc: the document of one project window: the project (CKelProject) with the
// framework's open, save and close, the per-user defaults, and the Analysis commands Compute,
// Use Lab Data, Use Rock Mass Data and Project Settings.
#pragma once

#include "core/document/FitDialogRunner.h"
#include "core/document/KelProject.h"
#include "framework/win/Document.h"

class CCmdUI;

class CKelStrengthDoc : public CDocument, public CKelProject {
  DECLARE_DYNCREATE(CKelStrengthDoc)
 public:
  CKelStrengthDoc();
  ~CKelStrengthDoc() override;

  BOOL IsModified() override;
  void SetModifiedFlag(BOOL modified = TRUE) override;
  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCSTR path) override;
  BOOL OnSaveDocument(LPCSTR path) override;
  void OnCloseDocument() override;

  // Reads or writes the project; a failure shows the file's message and changes nothing.
  BOOL ReadFromFile(LPCSTR path);
  BOOL WriteToFile(LPCSTR path);
  void LoadDefaults();
  void SaveDefaults();
  // Open documents of every template other than this one.
  int CountOtherDocuments();

  // The project title (the file's "title"); the window title is CDocument::GetTitle.
  using CKelProject::m_strTitle;

  // Set by the side bar and the display refresh before they update the views; read by the
  // plot builders (1 at construction).
  int m_nRedrawHint;

 protected:
  afx_msg void OnAnalysisCompute();
  afx_msg void OnAnalysisProjectSettings();
  afx_msg void OnAnalysisUseLabData();
  afx_msg void OnAnalysisUseRockMassData();
  afx_msg void OnUpdateAnalysisUseRockMassData(CCmdUI* ui);
  afx_msg void OnUpdateAlwaysEnabled(CCmdUI* ui);
  // Runs a Hoek-Brown fit dialog and, on OK, sets the Hoek-Brown range bound it ended with.
  BOOL RunHoekBrownDialog(FitDialogKind kind, FitDialogValues& values);
  DECLARE_MESSAGE_MAP()
};

// The fit dialogs of the program, run on one document.
class CDocumentFitRunner : public IFitDialogRunner {
 public:
  explicit CDocumentFitRunner(CKelStrengthDoc* doc) : m_pDoc(doc) {}
  BOOL RunFitDialog(FitDialogKind kind, FitDialogValues& values) override;

 private:
  CKelStrengthDoc* m_pDoc;
};
