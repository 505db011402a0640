#include "framework/win/DialogBar.h"

#include <vector>

#include "framework/win/CmdUI.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {
INT_PTR CALLBACK BarDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

// Style field of a DLGTEMPLATE or DLGTEMPLATEEX.
DWORD* TemplateStyle(std::vector<BYTE>& t) {
  if (t.size() >= 16 && t[0] == 1 && t[1] == 0 && t[2] == 0xFF && t[3] == 0xFF)
    return reinterpret_cast<DWORD*>(t.data() + 12);
  return t.size() >= 4 ? reinterpret_cast<DWORD*>(t.data()) : nullptr;
}

// Enables a control of the bar for one command.
class CDialogBarCmdUI : public CCmdUI {
 public:
  void Enable(BOOL on) override {
    m_bEnableChanged = TRUE;
    HWND control = m_pOther ? m_pOther->m_hWnd : NULL;
    if (control && (::IsWindowEnabled(control) != 0) != (on != 0)) ::EnableWindow(control, on);
  }
  void SetCheck(int check) override {
    HWND control = m_pOther ? m_pOther->m_hWnd : NULL;
    if (control) ::SendMessageA(control, BM_SETCHECK, (WPARAM)check, 0);
  }
  void SetText(LPCSTR text) override {
    if (m_pOther) m_pOther->SetWindowText(text);
  }
};
}  // namespace

BOOL CDialogBar::Create(CWnd* parent, LPCSTR templateName, UINT style, UINT id) {
  m_dwStyle = style & CBRS_ALL;
  HINSTANCE inst = AfxFindResourceHandle(templateName, RT_DIALOG);
  HRSRC res = ::FindResourceA(inst, templateName, RT_DIALOG);
  HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
  const BYTE* data = mem ? static_cast<const BYTE*>(::LockResource(mem)) : nullptr;
  if (!data || !parent) return FALSE;
  std::vector<BYTE> copy(data, data + ::SizeofResource(inst, res));
  DWORD* st = TemplateStyle(copy);
  if (!st) return FALSE;
  bool visible = (*st & WS_VISIBLE) != 0 || (style & WS_VISIBLE) != 0;
  *st &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME |
                             WS_VISIBLE | WS_BORDER);
  *st |= WS_CHILD | WS_CLIPSIBLINGS;
  AfxHookWindowCreate(this);
  HWND h = ::CreateDialogIndirectParamA(inst, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                        parent->m_hWnd, BarDialogProc, 0);
  AfxUnhookWindowCreate();
  if (!h) return FALSE;
  if (m_hWnd != h && !AttachAndSubclass(h)) {
    ::DestroyWindow(h);
    return FALSE;
  }
  ::SetWindowLongPtrA(h, GWLP_ID, id);
  RECT rc;
  ::GetWindowRect(h, &rc);
  m_sizeDefault = CSize(rc.right - rc.left, rc.bottom - rc.top);
  // The dialog was created before the framework knew it as a bar: join the frame's bars now.
  if (!m_pDockSite && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    m_pDockSite = static_cast<CFrameWnd*>(parent);
    m_pDockSite->AddControlBar(this);
  }
  if (visible) ::ShowWindow(h, SW_SHOWNOACTIVATE);
  return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  CSize size = m_sizeDefault;
  if (stretch) {
    if (horz)
      size.cx = 32767;
    else
      size.cy = 32767;
  }
  return size;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
  CDialogBarCmdUI state;
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
    if (id == 0 || id == 0xFFFF) continue;  // statics
    // Only push buttons carry commands.
    char cls[16] = {};
    ::GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) continue;
    LONG buttonStyle = ::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    if (buttonStyle != BS_PUSHBUTTON && buttonStyle != BS_DEFPUSHBUTTON) continue;
    state.m_nID = id;
    state.m_pOther = CWnd::FromHandle(child);
    state.DoUpdate(target, disableIfNoHandler);
  }
}

BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam) {
  // A button's click is the frame's command; other notifications go to the frame as they are.
  CWnd* frame = m_pDockSite ? static_cast<CWnd*>(m_pDockSite) : GetParent();
  if (!frame || !frame->m_hWnd) return CControlBar::OnCommand(wParam, lParam);
  if (lParam != 0 && HIWORD(wParam) == BN_CLICKED)
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
  else
    ::SendMessageA(frame->m_hWnd, WM_COMMAND, wParam, lParam);
  return TRUE;
}

void CDialogBar::PostNcDestroy() {
  CControlBar::PostNcDestroy();
  if (m_bAutoDelete) delete this;
}
