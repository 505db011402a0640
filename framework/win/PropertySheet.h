// Property pages and sheets, as far as the program needs: pages from dialog templates in a
// sheet shown with the framework's modal loop.
#pragma once

#include <vector>

#include <windows.h>

#include <prsht.h>

#include "framework/base/CString.h"
#include "framework/win/Dialog.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)
 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  void Construct(UINT nIDTemplate, UINT nIDCaption = 0);

  virtual BOOL OnSetActive();    // UpdateData(FALSE) the first time
  virtual BOOL OnKillActive();   // UpdateData(TRUE)
  virtual void OnOK() override;  // nothing: the sheet ends
  virtual void OnCancel() override;
  virtual BOOL OnApply();  // OnOK, TRUE
  void SetModified(BOOL bChanged = TRUE);
  CPropertySheet* GetSheet() const { return m_pSheet; }

  PROPSHEETPAGEA m_psp;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  CPropertySheet* m_pSheet;
  BOOL m_bFirstSetActive;
  CString m_strCaption;
  friend class CPropertySheet;
};

class CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)
 public:
  CPropertySheet();
  explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

  void AddPage(CPropertyPage* pPage);
  int GetPageCount() const { return (int)m_pages.size(); }
  CPropertyPage* GetPage(int nPage) const;
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int nPage);
  void SetTitle(LPCSTR text) {
    m_strCaption = text;
    if (m_hWnd) ::SetWindowTextA(m_hWnd, text);
  }
  // Shows the sheet with the framework's modal loop (the modal-dialog seam is called with
  // the first page once the sheet exists); returns IDOK or IDCANCEL.
  virtual INT_PTR DoModal();
  void EndDialog(int nEndID);
  BOOL PreTranslateMessage(MSG* pMsg) override;

  PROPSHEETHEADERA m_psh;

 protected:
  std::vector<CPropertyPage*> m_pages;
  CString m_strCaption;
  CWnd* m_pParentWnd;
  UINT m_nStartPage;
  friend class CPropertyPage;
};
