// CDialog: creation from templates and the modal loop.
#include "framework/win/Dialog.h"

#include "framework/win/TestSeams.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOKCommand)
ON_COMMAND(IDCANCEL, &CDialog::OnCancelCommand)
END_MESSAGE_MAP()

namespace {

// The dialog procedure only answers WM_INITDIALOG; everything else goes through the
// framework's subclass procedure before reaching the system's dialog handling.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR name, HINSTANCE* hInst) {
  *hInst = AfxFindResourceHandle(name, (LPCSTR)RT_DIALOG);
  HRSRC res = ::FindResourceA(*hInst, name, (LPCSTR)RT_DIALOG);
  if (!res) return nullptr;
  HGLOBAL data = ::LoadResource(*hInst, res);
  return data ? static_cast<LPCDLGTEMPLATEA>(::LockResource(data)) : nullptr;
}

}  // namespace

CDialog::CDialog()
    : m_nIDHelp(0),
      m_lpszTemplateName(NULL),
      m_lpDialogTemplate(NULL),
      m_pParentWnd(NULL),
      m_bModal(FALSE) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate),
      m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)),
      m_lpDialogTemplate(NULL),
      m_pParentWnd(pParentWnd),
      m_bModal(FALSE) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(IS_INTRESOURCE(lpszTemplateName) ? (UINT)(UINT_PTR)lpszTemplateName : 0),
      m_lpszTemplateName(lpszTemplateName),
      m_lpDialogTemplate(NULL),
      m_pParentWnd(pParentWnd),
      m_bModal(FALSE) {}

CDialog::~CDialog() = default;

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
  m_lpDialogTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  return lpDialogTemplate != NULL;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd,
                                HINSTANCE hInst) {
  if (!lpDialogTemplate || m_hWnd) return FALSE;
  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateDialogIndirectParamA(hInst ? hInst : AfxGetInstanceHandle(), lpDialogTemplate,
                                           pParentWnd->GetSafeHwnd(), AfxDlgProc,
                                           reinterpret_cast<LPARAM>(this));
  AfxUnhookWindowCreate();
  return hWnd != NULL && m_hWnd == hWnd;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  Default();
  return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATEA tmpl = LoadDialogTemplate(lpszTemplateName, &hInst);
  if (!tmpl) return FALSE;
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
    m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
  if (!pParentWnd) pParentWnd = AfxGetMainWnd();
  if (!AfxOwnerOnThisThread(pParentWnd->GetSafeHwnd())) pParentWnd = NULL;
  m_pParentWnd = pParentWnd;
  m_bModal = FALSE;
  return CreateDlgIndirect(tmpl, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
  if (!pParentWnd) pParentWnd = AfxGetMainWnd();
  if (!AfxOwnerOnThisThread(pParentWnd->GetSafeHwnd())) pParentWnd = NULL;
  m_pParentWnd = pParentWnd;
  m_bModal = FALSE;
  return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATEA tmpl = m_lpDialogTemplate;
  if (!tmpl && m_lpszTemplateName) tmpl = LoadDialogTemplate(m_lpszTemplateName, &hInst);
  if (!tmpl) return -1;

  CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  HWND hOwner = AfxOwnerOnThisThread(pParent->GetSafeHwnd());
  if (!hOwner) pParent = NULL;
  HWND hDisable = hOwner ? ::GetAncestor(hOwner, GA_ROOT) : NULL;
  BOOL bEnableOwner = FALSE;
  if (hDisable && ::IsWindowEnabled(hDisable)) {
    ::EnableWindow(hDisable, FALSE);
    bEnableOwner = TRUE;
  }

  m_bModal = TRUE;
  m_nModalResult = -1;
  m_bContinueModal = TRUE;  // EndDialog from OnInitDialog or the seam ends before the loop
  if (CreateDlgIndirect(tmpl, pParent, hInst)) {
    if (m_bContinueModal) AfxRunModalDialogSeam(this);
    if (ContinueModal()) RunModalLoop();
    if (m_hWnd)
      ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  m_bContinueModal = FALSE;
  // Re-enable the owner before the dialog goes, so activation returns to it: to its top-level
  // window (a child window cannot be the active one).
  if (bEnableOwner) ::EnableWindow(hDisable, TRUE);
  if (hDisable && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hDisable);
  DestroyWindow();
  m_bModal = FALSE;
  return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
  if (m_bModal) {
    EndModalLoop(nResult);
  } else if (m_hWnd) {
    m_nModalResult = nResult;
    ::ShowWindow(m_hWnd, SW_HIDE);
  }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (!m_hWnd) return FALSE;
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  CWnd::WinHelp(dwData, nCmd);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (pWndCtrl)
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}
