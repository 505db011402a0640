#include "document/KelStrengthDoc.h"

#include <vector>

#include "core/document/CriterionSwitch.h"
#include "core/registry/Win32SettingsStore.h"
#include "document/DocumentFitDialogs.h"
#include "document/MainSideBar.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/WinApp.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/ProjectSettingsDlg.h"

IMPLEMENT_DYNCREATE(CKelStrengthDoc, CDocument)

BEGIN_MESSAGE_MAP(CKelStrengthDoc, CDocument)
ON_COMMAND(ID_ANALYSIS_COMPUTE, &CKelStrengthDoc::OnAnalysisCompute)
ON_COMMAND(ID_ANALYSIS_PROJECT_SETTINGS, &CKelStrengthDoc::OnAnalysisProjectSettings)
ON_COMMAND(ID_ANALYSIS_USE_LAB_DATA, &CKelStrengthDoc::OnAnalysisUseLabData)
ON_COMMAND(ID_ANALYSIS_USE_ROCK_MASS_DATA, &CKelStrengthDoc::OnAnalysisUseRockMassData)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_USE_ROCK_MASS_DATA,
                     &CKelStrengthDoc::OnUpdateAnalysisUseRockMassData)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_COMPUTE, &CKelStrengthDoc::OnUpdateAlwaysEnabled)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, &CKelStrengthDoc::OnUpdateAlwaysEnabled)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, &CKelStrengthDoc::OnUpdateAlwaysEnabled)
END_MESSAGE_MAP()

CKelStrengthDoc::CKelStrengthDoc() : m_nRedrawHint(1) {
  LoadDefaults();
}

CKelStrengthDoc::~CKelStrengthDoc() {
  SaveDefaults();
}

BOOL CKelStrengthDoc::IsModified() {
  return CDocument::IsModified();
}

void CKelStrengthDoc::SetModifiedFlag(BOOL modified) {
  CDocument::SetModifiedFlag(modified);
}

void CKelStrengthDoc::LoadDefaults() {
  LoadDefaultsFrom(CWin32SettingsStore::Instance());
}

void CKelStrengthDoc::SaveDefaults() {
  SaveDefaultsTo(CWin32SettingsStore::Instance());
}

BOOL CKelStrengthDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return FALSE;
  if (ISideBarSink* bar = AfxGetSideBar()) bar->EnableControls(TRUE);
  return TRUE;
}

BOOL CKelStrengthDoc::ReadFromFile(LPCSTR path) {
  CString error;
  BOOL foreign = FALSE;
  if (!ReadProject(path, error, &foreign)) {
    AfxMessageBox(error, MB_OK);
    return FALSE;
  }
  // The sibling product's files and the older layout are imported: the document gets no path,
  // so that Save asks for a project file name instead of writing over the file read.
  SetForeignFile(foreign);
  if (ISideBarSink* bar = AfxGetSideBar()) bar->EnableControls(TRUE);
  return TRUE;
}

BOOL CKelStrengthDoc::OnOpenDocument(LPCSTR path) {
  if (!ReadFromFile(path)) return FALSE;
  SetModifiedFlag(FALSE);
  // The untouched untitled document of File New or the start goes when a file is opened. An
  // imported file has no path either (Save asks for a name), but it was read from a file: it
  // stays. Collected first: closing a document changes its template's list.
  std::vector<CDocument*> untouched;
  CWinApp* app = AfxGetApp();
  for (POSITION tp = app ? app->GetFirstDocTemplatePosition() : nullptr; tp;) {
    CDocTemplate* docTemplate = app->GetNextDocTemplate(tp);
    for (POSITION dp = docTemplate->GetFirstDocPosition(); dp;) {
      CDocument* doc = docTemplate->GetNextDoc(dp);
      if (doc != this && doc->GetPathName().IsEmpty() && !doc->IsForeignFile() &&
          !doc->IsModified())
        untouched.push_back(doc);
    }
  }
  for (CDocument* doc : untouched) doc->OnCloseDocument();
  return TRUE;
}

BOOL CKelStrengthDoc::WriteToFile(LPCSTR path) {
  CString version;
  if (CKelStrengthApp* app = dynamic_cast<CKelStrengthApp*>(AfxGetApp()))
    version = app->GetProgramVersion();
  CString error;
  if (!WriteProject(path, version, error)) {
    AfxMessageBox(error, MB_OK);
    return FALSE;
  }
  return TRUE;
}

BOOL CKelStrengthDoc::OnSaveDocument(LPCSTR path) {
  if (!WriteToFile(path)) return FALSE;
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CKelStrengthDoc::OnCloseDocument() {
  if (CountOtherDocuments() == 0)
    if (ISideBarSink* bar = AfxGetSideBar()) bar->EnableControls(FALSE);
  CDocument::OnCloseDocument();
}

int CKelStrengthDoc::CountOtherDocuments() {
  int count = 0;
  CWinApp* app = AfxGetApp();
  for (POSITION tp = app ? app->GetFirstDocTemplatePosition() : nullptr; tp;) {
    CDocTemplate* docTemplate = app->GetNextDocTemplate(tp);
    for (POSITION dp = docTemplate->GetFirstDocPosition(); dp;)
      if (docTemplate->GetNextDoc(dp) != this) ++count;
  }
  return count;
}

// ---- Analysis commands ----------------------------------------------------------------------

void CKelStrengthDoc::OnAnalysisCompute() {
  if (ISideBarSink* bar = AfxGetSideBar()) bar->ApplyParameters(2, TRUE);
}

BOOL CKelStrengthDoc::RunHoekBrownDialog(FitDialogKind kind, FitDialogValues& values) {
  if (GetDocumentFitDialogs().Run(kind, this, values) != IDOK) return FALSE;
  int application = 0;
  double sig3max = 0.0, gamma = 0.0, H = 0.0;
  m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &H);
  m_hoekBrown.SetEnvelopeRange(application, values.sig3max, gamma, H);
  return TRUE;
}

void CKelStrengthDoc::OnAnalysisUseLabData() {
  FitDialogValues values;
  m_hoekBrown.GetParameters(&values.sigci, &values.mi, &values.gsi, &values.d);
  values.sig3max = GetRange(CRITERION_HOEK_BROWN).bound;
  switch (m_nCriterion) {
    case CRITERION_MOHR_COULOMB:
      GetDocumentFitDialogs().Run(FIT_DIALOG_MOHR_COULOMB, this, values);
      break;
    case CRITERION_BARTON_BANDIS:
      GetDocumentFitDialogs().Run(FIT_DIALOG_BARTON_BANDIS, this, values);
      break;
    case CRITERION_POWER_CURVE:
      GetDocumentFitDialogs().Run(FIT_DIALOG_POWER_CURVE, this, values);
      break;
    default:
      if (RunHoekBrownDialog(FIT_DIALOG_HOEK_BROWN, values)) RefreshSideBar();
      break;
  }
}

void CKelStrengthDoc::OnAnalysisUseRockMassData() {
  if (m_nCriterion != CRITERION_HOEK_BROWN) return;
  FitDialogValues values;
  m_hoekBrown.GetParameters(&values.sigci, &values.mi, &values.gsi, &values.d);
  values.sig3max = GetRange(CRITERION_HOEK_BROWN).bound;
  if (GetDocumentFitDialogs().Run(FIT_DIALOG_ROCK_MASS, this, values) != IDOK) return;
  m_hoekBrown.SetParameters(values.sigci, values.mi, values.gsi, values.d);
  // An empty rock-mass set is no source of parameters: the data source stays as it was.
  if (m_hoekBrown.GetRockMassCount() > 0) m_hoekBrown.SetFieldDataFlag(1);
  int application = 0;
  double sig3max = 0.0, gamma = 0.0, H = 0.0;
  m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &H);
  m_hoekBrown.SetEnvelopeRange(application, values.sig3max, gamma, H);
  RefreshSideBar();
}

void CKelStrengthDoc::OnUpdateAnalysisUseRockMassData(CCmdUI* ui) {
  ui->Enable(m_nCriterion == CRITERION_HOEK_BROWN);
}

void CKelStrengthDoc::OnUpdateAlwaysEnabled(CCmdUI*) {}

void CKelStrengthDoc::OnAnalysisProjectSettings() {
  CProjectSettingsDlg dlg(this, AfxGetMainWnd());
  dlg.m_strTitle = m_strTitle;
  dlg.m_nCriterion = m_nCriterion;
  dlg.m_nModulusMethod = m_hoekBrown.GetModulusMethod();
  dlg.m_dIntactModulus = m_hoekBrown.GetIntactModulus();
  if (dlg.DoModal() != IDOK) return;

  ProjectSettingsChoice choice;
  choice.title = dlg.m_strTitle;
  choice.units = dlg.m_nUnits;
  choice.criterion = dlg.m_nCriterion;
  choice.modulusMethod = dlg.m_nModulusMethod;
  choice.intactModulus = dlg.m_dIntactModulus;

  const CString oldTitle = m_strTitle;
  const int oldCriterion = m_nCriterion;
  const int oldUnits = m_pActiveCriterion->GetUnits();
  const int oldMethod = m_hoekBrown.GetModulusMethod();
  const double oldModulus = m_hoekBrown.GetIntactModulus();

  CDocumentFitRunner runner(this);
  if (ApplyProjectSettings(*this, choice, runner) != SettingsOutcome::Unchanged) RefreshSideBar();

  // A change of anything the dialog shows is a change of the project.
  if (m_strTitle != oldTitle || m_nCriterion != oldCriterion ||
      m_pActiveCriterion->GetUnits() != oldUnits || m_hoekBrown.GetModulusMethod() != oldMethod ||
      m_hoekBrown.GetIntactModulus() != oldModulus)
    SetModifiedFlag(TRUE);
}

BOOL CDocumentFitRunner::RunFitDialog(FitDialogKind kind, FitDialogValues& values) {
  return GetDocumentFitDialogs().Run(kind, m_pDoc, values) == IDOK;
}
