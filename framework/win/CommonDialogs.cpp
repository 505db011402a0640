// Colour and file dialogs through their seams.
#include "framework/win/CommonDialogs.h"

#include "framework/win/TestSeams.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

COLORREF* CColorDialog::GetSavedCustomColors() {
  static COLORREF colours[16] = {
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
      RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
  return colours;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CDialog(), m_cc() {
  m_pParentWnd = pParentWnd;
  m_cc.lStructSize = sizeof(m_cc);
  m_cc.lpCustColors = GetSavedCustomColors();
  m_cc.Flags = dwFlags;
  m_cc.rgbResult = clrInit & 0x00FFFFFF;
  if (clrInit != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
  m_cc.hwndOwner =
      m_pParentWnd ? m_pParentWnd->m_hWnd : (AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : NULL);
  if (m_cc.rgbResult != 0) m_cc.Flags |= CC_RGBINIT;
  return AfxRunColorDialog(&m_cc) ? IDOK : IDCANCEL;
}

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD dwFlags, CWnd* pParentWnd)
    : CDialog(), m_cf(), m_lf() {
  m_pParentWnd = pParentWnd;
  if (initial) {
    m_lf = *initial;
    m_lf.lfFaceName[LF_FACESIZE - 1] = 0;
    dwFlags |= CF_INITTOLOGFONTSTRUCT;
  }
  m_cf.lStructSize = sizeof(m_cf);
  m_cf.lpLogFont = &m_lf;
  m_cf.Flags = dwFlags;
}

INT_PTR CFontDialog::DoModal() {
  m_cf.hwndOwner =
      m_pParentWnd ? m_pParentWnd->m_hWnd : (AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : NULL);
  m_cf.lpLogFont = &m_lf;
  return AfxRunFontDialog(&m_cf) ? IDOK : IDCANCEL;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CDialog(), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt) {
  m_pParentWnd = pParentWnd;
  m_szFileName[0] = 0;
  m_szFileTitle[0] = 0;
  if (lpszFileName) lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = sizeof(m_szFileName);
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
  m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_NOCHANGEDIR;
  m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? NULL : m_strDefExt.GetString();
  if (lpszFilter) {
    // "a|b|c|d||" -> "a\0b\0c\0d\0\0"
    m_strFilter = lpszFilter;
    m_strFilter += '|';
    char* buffer = m_strFilter.GetBuffer(0);
    int n = m_strFilter.GetLength();
    for (int i = 0; i < n; ++i)
      if (buffer[i] == '|') buffer[i] = '\0';
    m_strFilter.ReleaseBuffer(n);
    m_ofn.lpstrFilter = m_strFilter.GetString();
  }
}

INT_PTR CFileDialog::DoModal() {
  m_ofn.hwndOwner =
      m_pParentWnd ? m_pParentWnd->m_hWnd : (AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : NULL);
  return AfxRunFileDialog(&m_ofn, m_bOpenFileDialog) ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
  return CString(m_szFileName);
}

CString CFileDialog::GetFileName() const {
  CString path = GetPathName();
  int slash = path.ReverseFind('\\');
  int other = path.ReverseFind('/');
  if (other > slash) slash = other;
  return path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
  CString path = GetPathName();
  int slash = path.ReverseFind('\\');
  return slash < 0 ? CString() : path.Left(slash);
}
