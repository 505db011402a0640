// The side bar's roads between panel and document: typing, leaving a field, the typing timer,
// the application lists, Compute and the picks apply the panel; activation and the dialogs
// reload it; Copy Data reports the attached view's project.
#include "controls/RealSpinCtrlLogic.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/WinApp.h"
#include "res/ShellResources.h"
#include "view/DockForm.h"
#include "view/KelStrengthView.h"

namespace {

bool IsOpenDocument(const CDocument* doc) {
  CWinApp* app = AfxGetApp();
  CDocManager* manager = app ? app->m_pDocManager : nullptr;
  for (POSITION tp = manager ? manager->GetFirstDocTemplatePosition() : nullptr; tp;) {
    CDocTemplate* docTemplate = manager->GetNextDocTemplate(tp);
    for (POSITION dp = docTemplate->GetFirstDocPosition(); dp;)
      if (docTemplate->GetNextDoc(dp) == doc) return true;
  }
  return false;
}

bool IsViewOf(CDocument* doc, const CView* view) {
  for (POSITION pos = doc->GetFirstViewPosition(); pos;)
    if (doc->GetNextView(pos) == view) return true;
  return false;
}

bool IsInputEdit(UINT id) {
  const SideBarField* field = FindSideBarField(static_cast<int>(id));
  return field && field->role != FieldRole::kResult;
}

}  // namespace

void CDockForm::CheckAttachment() {
  if (m_pDoc && !IsOpenDocument(m_pDoc)) {
    m_pDoc = nullptr;
    m_pView = nullptr;
  }
  if (m_pDoc && m_pView && !IsViewOf(m_pDoc, m_pView)) m_pView = nullptr;
}

// ---- the roads into an apply ------------------------------------------------------------

void CDockForm::MarkParametersChanged() {
  CheckAttachment();
  if (!m_pDoc) return;
  m_pDoc->m_pActiveCriterion->SetStateFlag(1);
  m_pDoc->SetModifiedFlag(TRUE);
}

void CDockForm::OnParamEditChange(UINT id) {
  if (m_nUpdating > 0 || !IsInputEdit(id)) return;
  MarkParametersChanged();
  HWND edit = Control(static_cast<int>(id));
  DWORD start = 0, end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (realspin::EditChangeAppliesAtOnce(::GetWindowTextLengthA(edit), static_cast<int>(start),
                                        static_cast<int>(end))) {
    KillTimer(kApplyTimer);
    m_bApplyPending = false;
    ApplyParameters(2, TRUE);
  } else {
    SetTimer(kApplyTimer, kApplyDelay);
    m_bApplyPending = true;
  }
}

void CDockForm::OnParamEditKillFocus(UINT id) {
  if (m_nUpdating > 0 || !IsInputEdit(id)) return;
  KillTimer(kApplyTimer);
  m_bApplyPending = false;
  ApplyParameters(2, TRUE);
}

void CDockForm::OnTimer(UINT_PTR id) {
  if (id != kApplyTimer) {
    CFormView::OnTimer(id);
    return;
  }
  KillTimer(kApplyTimer);
  m_bApplyPending = false;
  ApplyParameters(2, FALSE);
}

void CDockForm::ApplyPendingChange() {
  if (!m_bApplyPending) return;
  KillTimer(kApplyTimer);
  m_bApplyPending = false;
  ApplyParameters(2, FALSE);
}

void CDockForm::OnApplicationChange() {
  ApplyParameters(2, TRUE);
  if (m_pDoc) m_pDoc->SetModifiedFlag(TRUE);
}

// ---- apply and refresh ------------------------------------------------------------------

void CDockForm::ApplyParameters(int redrawHint, BOOL showMessages) {
  CheckAttachment();
  if (!m_pDoc || !m_hWnd) return;
  // Every exchange stops the typing timer.
  m_bApplyPending = false;
  if (!UpdateDataQuiet(showMessages)) return;
  CKelStrengthDoc* doc = m_pDoc;
  // A change typed since the last apply keeps the document marked modified, also when it was
  // saved in between (Ctrl+S before the typing timer fired): what the file lacks is not lost
  // without a prompt.
  const bool typed = doc->m_pActiveCriterion->GetStateFlag() == 1;
  ApplySideBarValues(PlotDocumentOf(*doc), m_values);
  WritePanel();
  doc->m_nRedrawHint = redrawHint;
  doc->UpdateAllViews(nullptr, 0, nullptr);
  doc->m_nRedrawHint = 2;
  UpdateControlTexts();
  doc->UpdateAllViews(nullptr, 0, nullptr);
  doc->m_pActiveCriterion->SetStateFlag(0);
  if (typed) doc->SetModifiedFlag(TRUE);
}

void CDockForm::RefreshFromDocument() {
  CheckAttachment();
  if (!m_pDoc || !m_hWnd) return;
  m_bApplyPending = false;
  CKelStrengthDoc* doc = m_pDoc;
  ShowCriterionGroup(doc->m_nCriterion);
  LoadSideBarValues(PlotDocumentOf(*doc), m_values);
  WritePanel();
  doc->m_nRedrawHint = 2;
  doc->UpdateAllViews(nullptr, 0, nullptr);
  UpdateControlTexts();
  doc->m_pActiveCriterion->SetStateFlag(0);
}

void CDockForm::AttachDocument(CView* view, CKelStrengthDoc* document, BOOL activate) {
  CheckAttachment();
  if (!activate) {
    if (document && document == m_pDoc) {
      ApplyPendingChange();
      m_pDoc = nullptr;
      m_pView = nullptr;
    }
    return;
  }
  // Another view of the attached document changes nothing: the first view stays.
  if (document == m_pDoc) return;
  ApplyPendingChange();
  m_pView = view;
  m_pDoc = document;
  if (m_pDoc) RefreshFromDocument();
}

// ---- Copy Data and the window's end -----------------------------------------------------

void CDockForm::OnCopyData() {
  CheckAttachment();
  // The view's Copy Data command puts its project's report on the clipboard.
  if (m_pView && m_pView->m_hWnd) m_pView->SendMessage(WM_COMMAND, ID_EDIT_COPY_DATA, 0);
}

void CDockForm::OnDestroy() {
  KillTimer(kApplyTimer);
  m_bApplyPending = false;
  m_pDoc = nullptr;
  m_pView = nullptr;
  m_controls.clear();
  for (WaitingGroup& group : m_waiting) group = WaitingGroup();
  m_waitingIds.clear();
  CFormView::OnDestroy();
}
