// Tooltips and context help for dialogs: CDialogToolTips (embedded in its owner) and the
// dialog, property page and property sheet bases built on it.
#pragma once

#include <utility>
#include <vector>

#include "framework/win/AfxWin.h"

class CToolTipCtrlEx : public CToolTipCtrl {
 public:
  // A tool for the control window itself (TTF_IDISHWND | TTF_SUBCLASS).
  BOOL AddWindowTool(CWnd* pControl, LPCSTR text);
  // A rectangle tool on pOwner (client coordinates) with the given id.
  BOOL AddRectTool(CWnd* pOwner, LPCSTR text, const RECT* area, UINT id);
};

struct ToolTipRecord {
  enum Kind { WindowTool = 0, StaticArea = 1, GroupBoxCaption = 2 };
  int kind;
  CWnd* control;  // the key of the record (a permanent or temporary object of the control)
  HWND hControl;  // its window, which identifies the control across temporary wrappers
  CString text;
  UINT_PTR toolId;
};

class CDialogToolTips {
 public:
  explicit CDialogToolTips(CWnd* owner);
  virtual ~CDialogToolTips();
  CDialogToolTips(const CDialogToolTips&) = delete;
  CDialogToolTips& operator=(const CDialogToolTips&) = delete;

  BOOL Create();
  BOOL AddTool(int controlId, LPCSTR text);
  BOOL AddToolForWindow(CWnd* control, LPCSTR text);
  // SC_CONTEXTHELP and WM_HELP (HELPINFO_WINDOW): opens topic helpId + 0x20000 when the owner
  // has a context-help style, and swallows the request when it has none. TRUE: handled.
  BOOL HandleSysCommand(UINT command, LPARAM lParam, UINT helpId);
  BOOL HandleHelpInfo(HELPINFO* info, UINT helpId);

  CToolTipCtrlEx& GetToolTip() { return m_tooltip; }
  const std::vector<ToolTipRecord>& GetRecords() const { return m_tools; }
  void SetInitialDelay(int ms) { m_initialDelay = ms; }

 protected:
  virtual void OnToolTipsCreated() {}
  // The tool's area on the owner for a static (whole window) or group-box caption.
  CRect ToolArea(CWnd* control, int kind) const;
  BOOL OpenHelp(UINT helpId);

  CToolTipCtrlEx m_tooltip;
  std::vector<ToolTipRecord> m_tools;
  CWnd* m_owner;
  int m_initialDelay;
};

// A dialog or property page with its tooltips and context help: tooltips are created with
// the window, and help requests open the page's topic.
template <class TBase>
class CTipsHostT : public TBase {
 public:
  template <class... Args>
  explicit CTipsHostT(Args&&... args) : TBase(std::forward<Args>(args)...), m_tips(this) {}
  BOOL OnInitDialog() override {
    TBase::OnInitDialog();
    m_tips.Create();
    return TRUE;
  }
  BOOL AddTool(int controlId, LPCSTR text) { return m_tips.AddTool(controlId, text); }
  CDialogToolTips& GetTips() { return m_tips; }
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam) {
    if (!m_tips.HandleSysCommand(nID, lParam, this->m_nIDHelp)) this->Default();
  }
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
    return m_tips.HandleHelpInfo(pHelpInfo, this->m_nIDHelp) ? TRUE : TBase::OnHelpInfo(pHelpInfo);
  }

 protected:
  CDialogToolTips m_tips;
  DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CTipsHostT, TBase, TBase)
ON_WM_SYSCOMMAND()
ON_WM_HELPINFO()
END_MESSAGE_MAP()

class CTipsDialog : public CTipsHostT<CDialog> {
 public:
  explicit CTipsDialog(UINT nIDTemplate, CWnd* pParent = NULL)
      : CTipsHostT<CDialog>(nIDTemplate, pParent) {}
};

class CTipsPropertyPage : public CTipsHostT<CPropertyPage> {
  DECLARE_DYNCREATE(CTipsPropertyPage)
 public:
  CTipsPropertyPage() = default;
  explicit CTipsPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0)
      : CTipsHostT<CPropertyPage>(nIDTemplate, nIDCaption) {}
};

class CTipsPropertySheet : public CPropertySheet {
  DECLARE_DYNAMIC(CTipsPropertySheet)
 public:
  using CPropertySheet::CPropertySheet;

 protected:
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  DECLARE_MESSAGE_MAP()
};
