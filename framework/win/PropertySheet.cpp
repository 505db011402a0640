// Property pages and sheets.
#include "framework/win/PropertySheet.h"

#include "framework/win/TestSeams.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

CPropertyPage::CPropertyPage() : m_psp(), m_pSheet(nullptr), m_bFirstSetActive(TRUE) {}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage() {
  Construct(nIDTemplate, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
  m_nIDHelp = nIDTemplate;
  m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = AfxFindResourceHandle(m_lpszTemplateName, (LPCSTR)RT_DIALOG);
  m_psp.pszTemplate = m_lpszTemplateName;
  m_psp.pfnDlgProc = PageDlgProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  if (nIDCaption) {
    char text[256] = "";
    ::LoadStringA(AfxGetResourceHandle(), nIDCaption, text, sizeof(text));
    m_strCaption = text;
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
  }
}

INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
  auto* page = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
  if (!page || !page->AttachAndSubclass(hWnd)) return TRUE;
  page->PreSubclassWindow();
  return page->OnInitDialog();
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) {
    m_bFirstSetActive = FALSE;
    UpdateData(FALSE);
  }
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
  return UpdateData(TRUE);
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged) {
  if (m_pSheet && m_pSheet->m_hWnd)
    ::SendMessageA(m_pSheet->m_hWnd, bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                   reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr && m_pSheet && hdr->hwndFrom == m_pSheet->m_hWnd) {
    switch (hdr->code) {
      case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
      case PSN_KILLACTIVE:
        *pResult = OnKillActive() ? FALSE : TRUE;
        return TRUE;
      case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        m_pSheet->m_nModalResult = IDOK;
        return TRUE;
      case PSN_RESET:
        OnCancel();
        return TRUE;
      default:
        break;
    }
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

CPropertySheet::CPropertySheet() : m_psh(), m_pParentWnd(nullptr), m_nStartPage(0) {}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_strCaption(pszCaption), m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage) {}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_psh(), m_pParentWnd(pParentWnd), m_nStartPage(iSelectPage) {
  char text[256] = "";
  ::LoadStringA(AfxGetResourceHandle(), nIDCaption, text, sizeof(text));
  m_strCaption = text;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  pPage->m_pSheet = this;
  m_pages.push_back(pPage);
  if (m_hWnd) {
    HPROPSHEETPAGE h = ::CreatePropertySheetPageA(&pPage->m_psp);
    if (h) ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(h));
  }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  return nPage >= 0 && nPage < (int)m_pages.size() ? m_pages[nPage] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  if (!m_hWnd) return GetPage((int)m_nStartPage);
  HWND hPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  for (CPropertyPage* p : m_pages)
    if (p->m_hWnd && p->m_hWnd == hPage) return p;
  return nullptr;
}

int CPropertySheet::GetActiveIndex() const {
  CPropertyPage* active = GetActivePage();
  for (size_t i = 0; i < m_pages.size(); ++i)
    if (m_pages[i] == active) return (int)i;
  return -1;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (!m_hWnd) {
    m_nStartPage = (UINT)nPage;
    return TRUE;
  }
  return (BOOL)::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0);
}

void CPropertySheet::EndDialog(int nEndID) {
  EndModalLoop(nEndID);
  if (m_hWnd) ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL, 0);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  return m_hWnd && ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg));
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd || m_pages.empty()) return -1;
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* p : m_pages) handles.push_back(::CreatePropertySheetPageA(&p->m_psp));
  CWnd* pParent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
  HWND hOwner = pParent->GetSafeHwnd();
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
  m_psh.hwndParent = hOwner;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption;
  m_psh.nPages = (UINT)handles.size();
  m_psh.nStartPage = m_nStartPage;
  m_psh.phpage = handles.data();

  HWND hDisable = hOwner ? ::GetAncestor(hOwner, GA_ROOT) : NULL;
  BOOL bEnableOwner = hDisable && ::IsWindowEnabled(hDisable);
  if (bEnableOwner) ::EnableWindow(hDisable, FALSE);
  m_nModalResult = IDCANCEL;
  HWND hSheet = reinterpret_cast<HWND>(::PropertySheetA(&m_psh));
  if (hSheet && AttachAndSubclass(hSheet)) {
    m_bContinueModal = TRUE;
    AfxRunModalDialogSeam(GetActivePage());
    MSG msg;
    while (ContinueModal() && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0)) {
      if (!::GetMessageA(&msg, NULL, 0, 0)) {
        ::PostQuitMessage((int)msg.wParam);
        break;
      }
      if (!WalkPreTranslateTree(m_hWnd, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    m_bContinueModal = FALSE;
  }
  if (bEnableOwner) ::EnableWindow(hDisable, TRUE);
  if (m_hWnd) DestroyWindow();
  return m_nModalResult;
}
