// CDialog: dialogs from resource templates, modal (with the framework's own modal loop) or
// modeless.
//
// DoModal creates the dialog modeless-style, disables its owner (the parent given, else the main
// window; never a window of another thread: a worker thread's dialog has no owner), calls the modal-dialog seam
// (tests drive the dialog from there), then runs a loop that offers every message to
// PreTranslateMessage of the target window and its parents up to the dialog before dialog
// keyboard handling (IsDialogMessage, in CDialog::PreTranslateMessage). So a control whose
// object takes Enter in PreTranslateMessage keeps it, and OK is not pressed.
#pragma once

#include "framework/win/Wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  ~CDialog() override;

  // In-memory template for a later DoModal (the template must outlive the dialog).
  BOOL InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = NULL);

  virtual INT_PTR DoModal();
  // Modeless creation; FALSE when the template is missing or creation failed.
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = NULL);
  // Modal: ends the loop with nResult. Modeless: hides the dialog.
  void EndDialog(int nResult);
  // Whether DoModal's loop is running for this dialog.
  BOOL IsModal() const { return m_bModal; }

  virtual BOOL OnInitDialog();  // exchanges data in (UpdateData(FALSE)); TRUE: default focus
  virtual void OnOK();          // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded
  virtual void OnCancel();      // EndDialog(IDCANCEL)
  BOOL PreTranslateMessage(MSG* pMsg) override;  // IsDialogMessage
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

  void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
  void PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
  DWORD GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
  void MapDialogRect(LPRECT r) const { ::MapDialogRect(m_hWnd, r); }

  UINT m_nIDHelp;  // help topic base: the template id
  LPCSTR m_lpszTemplateName;
  LPCDLGTEMPLATEA m_lpDialogTemplate;
  CWnd* m_pParentWnd;

 protected:
  // Creates the window from a template; the CBT hook links this object before any message.
  BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  void OnOKCommand() { OnOK(); }
  void OnCancelCommand() { OnCancel(); }
  BOOL m_bModal;

  DECLARE_MESSAGE_MAP()
};
