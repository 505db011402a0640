#include "framework/win/View.h"

#include <windowsx.h>

#include <vector>

#include "framework/win/CmdUI.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/Document.h"
#include "framework/win/FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView() {
  if (m_pDocument) m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
  return m_hWnd ? CFrameWnd::GetParentFrameOf(m_hWnd) : nullptr;
}

BOOL CView::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!cs.lpszClass)
    cs.lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  cs.style |= WS_CLIPSIBLINGS;
  return CWnd::PreCreateWindow(cs);
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  // Forms are dialogs, whose creation parameters are not a create context.
  CCreateContext* context = IsKindOf(RUNTIME_CLASS(CFormView))
                                ? nullptr
                                : static_cast<CCreateContext*>(lpcs->lpCreateParams);
  if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  // A view that goes while active is told so (OnActivateView(FALSE)), whatever order the
  // windows around it are deactivated and destroyed in: whoever holds on to the active view
  // or its document lets go of it here.
  CFrameWnd* frame = GetParentFrame();
  if (frame && frame->GetActiveView() == this) frame->SetActiveView(nullptr, TRUE);
  CWnd::OnDestroy();
}

void CView::PostNcDestroy() {
  CDocument* doc = m_pDocument;
  if (doc) doc->RemoveView(this);
  delete this;
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnPrepareDC(&dc);
  OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message) {
  int result = CWnd::OnMouseActivate(desktop, hitTest, message);
  if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT) return result;
  CFrameWnd* frame = GetParentFrame();
  if (frame && frame->GetActiveView() != this) frame->SetActiveView(this);
  return result;
}

void CView::OnInitialUpdate() {
  OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) {
  (void)sender, (void)hint, (void)hintObject;
  if (m_hWnd) Invalidate(TRUE);
}

void CView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
  (void)deactiveView;
  if (activate && activateView == this && m_hWnd && ::GetFocus() != m_hWnd &&
      !::IsChild(m_hWnd, ::GetFocus()))
    ::SetFocus(m_hWnd);
}

void CView::NotifyActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
  if (!activate && !m_bActivationNotified) return;
  m_bActivationNotified = activate;
  OnActivateView(activate, activateView, deactiveView);
}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  if (AfxCmdHandled(CWnd::OnCmdMsg(id, code, extra, info), code, extra)) return TRUE;
  return m_pDocument && AfxRouteCmdMsg(m_pDocument, id, code, extra, info);
}

// ---- CFormView ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CFormView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CFormView::CFormView(UINT templateId) : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)) {}
CFormView::CFormView(LPCSTR templateName) : m_lpszTemplateName(templateName) {}

namespace {
// FALSE to WM_INITDIALOG too: a form takes the focus when its view is activated, not when it
// is made (a form in a side bar would take it from the program's windows at start-up).
INT_PTR CALLBACK FormDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// Style field of a DLGTEMPLATE or DLGTEMPLATEEX.
DWORD* TemplateStyle(std::vector<BYTE>& t) {
  if (t.size() >= 16 && t[0] == 1 && t[1] == 0 && t[2] == 0xFF && t[3] == 0xFF)
    return reinterpret_cast<DWORD*>(t.data() + 12);
  return t.size() >= 4 ? reinterpret_cast<DWORD*>(t.data()) : nullptr;
}
}  // namespace

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       LPVOID createContext) {
  HINSTANCE inst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
  HRSRC res = ::FindResourceA(inst, m_lpszTemplateName, RT_DIALOG);
  HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
  const BYTE* data = mem ? static_cast<const BYTE*>(::LockResource(mem)) : nullptr;
  if (!data) return FALSE;
  // A private copy made into a visible child without caption or frame.
  std::vector<BYTE> copy(data, data + ::SizeofResource(inst, res));
  PrepareTemplate(copy);
  DWORD* st = TemplateStyle(copy);
  if (!st) return FALSE;
  *st &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME |
                             WS_VISIBLE);
  *st |= WS_CHILD | (style & (WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN | WS_CLIPSIBLINGS));

  // The create context reaches OnCreate through the creation parameters of CREATESTRUCT,
  // which a dialog does not have: the view joins its document here instead.
  CCreateContext* context = static_cast<CCreateContext*>(createContext);
  AfxHookWindowCreate(this);
  HWND h =
      ::CreateDialogIndirectParamA(inst, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                   parent ? parent->GetSafeHwnd() : nullptr, FormDialogProc, 0);
  AfxUnhookWindowCreate();
  if (!h) return FALSE;
  if (m_hWnd != h && !AttachAndSubclass(h)) {
    ::DestroyWindow(h);
    return FALSE;
  }
  ::SetWindowLongPtrA(h, GWLP_ID, id);
  RECT rc;
  ::GetWindowRect(h, &rc);
  m_sizeTemplate.cx = rc.right - rc.left;
  m_sizeTemplate.cy = rc.bottom - rc.top;
  if (rect.right > rect.left || rect.bottom > rect.top)
    ::MoveWindow(h, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
  if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
  if (style & WS_VISIBLE) ::ShowWindow(h, SW_SHOWNOACTIVATE);
  return TRUE;
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  CView::OnInitialUpdate();
}

BOOL CFormView::PreTranslateMessage(MSG* msg) {
  if (PreTranslateWheel(msg)) return TRUE;
  if (CView::PreTranslateMessage(msg)) return TRUE;
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hWnd &&
      (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
    // The program's shortcuts first: keyboard navigation would swallow them.
    CFrameWnd* frame = GetParentFrame();
    CFrameWnd* top = frame ? frame->GetTopLevelFrame() : nullptr;
    if (top && top->m_hWnd) {
      HACCEL accel = top->GetDefaultAccelerator();
      if (accel && ::TranslateAcceleratorA(top->m_hWnd, accel, msg)) return TRUE;
    }
    // Keyboard navigation between the form's controls.
    return ::IsDialogMessageA(m_hWnd, msg);
  }
  return FALSE;
}

// ---- CFormView scrolling --------------------------------------------------------------------

void CFormView::SetScrollSizes(int mapMode, SIZE total) {
  (void)mapMode;  // pixels only
  m_bScrolls = TRUE;
  m_totalSize.cx = total.cx > 0 ? total.cx : 0;
  m_totalSize.cy = total.cy > 0 ? total.cy : 0;
  UpdateBars();
}

void CFormView::UpdateBars() {
  if (!m_bScrolls || !m_hWnd || m_bInUpdateBars) return;
  m_bInUpdateBars = TRUE;
  // The client size without bars: the bars shown now give their room back.
  RECT rc;
  ::GetClientRect(m_hWnd, &rc);
  const DWORD style = GetStyle();
  int width = rc.right + ((style & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
  int height = rc.bottom + ((style & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0);
  bool needV = m_totalSize.cy > height;
  const bool needH = m_totalSize.cx > width - (needV ? ::GetSystemMetrics(SM_CXVSCROLL) : 0);
  if (needH && !needV) needV = m_totalSize.cy > height - ::GetSystemMetrics(SM_CYHSCROLL);
  if (needV) width -= ::GetSystemMetrics(SM_CXVSCROLL);
  if (needH) height -= ::GetSystemMetrics(SM_CYHSCROLL);

  POINT pos = m_scrollPos;
  const int bars[2] = {SB_HORZ, SB_VERT};
  const bool need[2] = {needH, needV};
  const LONG totals[2] = {m_totalSize.cx, m_totalSize.cy};
  const int pages[2] = {width > 0 ? width : 0, height > 0 ? height : 0};
  LONG* positions[2] = {&pos.x, &pos.y};
  for (int i = 0; i < 2; ++i) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (need[i]) {
      si.nMax = totals[i] - 1;
      si.nPage = static_cast<UINT>(pages[i]);
      const LONG limit = totals[i] - pages[i];
      *positions[i] = *positions[i] > limit ? limit : *positions[i] < 0 ? 0 : *positions[i];
    } else {
      *positions[i] = 0;
    }
    si.nPos = *positions[i];
    ::SetScrollInfo(m_hWnd, bars[i], &si, TRUE);
    ::ShowScrollBar(m_hWnd, bars[i], need[i] ? TRUE : FALSE);
  }
  m_bInUpdateBars = FALSE;
  ScrollToPosition(pos);
}

void CFormView::ScrollToPosition(POINT pt) {
  if (!m_hWnd) return;
  RECT rc;
  ::GetClientRect(m_hWnd, &rc);
  const LONG maxX = m_totalSize.cx - rc.right, maxY = m_totalSize.cy - rc.bottom;
  pt.x = pt.x > maxX ? maxX : pt.x;
  pt.y = pt.y > maxY ? maxY : pt.y;
  pt.x = pt.x < 0 ? 0 : pt.x;
  pt.y = pt.y < 0 ? 0 : pt.y;
  const int dx = m_scrollPos.x - pt.x, dy = m_scrollPos.y - pt.y;
  m_scrollPos = pt;
  if (dx || dy)
    ::ScrollWindowEx(m_hWnd, dx, dy, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  if (GetStyle() & WS_HSCROLL) ::SetScrollPos(m_hWnd, SB_HORZ, pt.x, TRUE);
  if (GetStyle() & WS_VSCROLL) ::SetScrollPos(m_hWnd, SB_VERT, pt.y, TRUE);
}

void CFormView::OnSize(UINT type, int cx, int cy) {
  CView::OnSize(type, cx, cy);
  UpdateBars();
}

int CFormView::ScrollTarget(int bar, UINT code) const {
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ::GetScrollInfo(m_hWnd, bar, &si);
  const int page = static_cast<int>(si.nPage);
  const int line = page / 10 > 1 ? page / 10 : 1;
  switch (code) {
    case SB_LINEUP:
      return si.nPos - line;
    case SB_LINEDOWN:
      return si.nPos + line;
    case SB_PAGEUP:
      return si.nPos - page;
    case SB_PAGEDOWN:
      return si.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return si.nTrackPos;
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return si.nMax;
    default:
      return si.nPos;
  }
}

void CFormView::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (bar || !m_bScrolls) return CView::OnHScroll(code, pos, bar);
  ScrollToPosition(POINT{ScrollTarget(SB_HORZ, code), m_scrollPos.y});
}

void CFormView::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (bar || !m_bScrolls) return CView::OnVScroll(code, pos, bar);
  ScrollToPosition(POINT{m_scrollPos.x, ScrollTarget(SB_VERT, code)});
}

BOOL CFormView::PreTranslateWheel(MSG* msg) {
  // Edits and buttons keep the wheel to themselves under some systems: over them it scrolls
  // the form. List and combo boxes use it for their own choices.
  if (msg->message != WM_MOUSEWHEEL || !m_bScrolls || !m_hWnd || msg->hwnd == m_hWnd ||
      !::IsChild(m_hWnd, msg->hwnd))
    return FALSE;
  char name[32] = "";
  ::GetClassNameA(msg->hwnd, name, sizeof name);
  if (lstrcmpiA(name, "Edit") != 0 && lstrcmpiA(name, "Button") != 0 &&
      lstrcmpiA(name, "Static") != 0)
    return FALSE;
  OnMouseWheel(GET_KEYSTATE_WPARAM(msg->wParam), GET_WHEEL_DELTA_WPARAM(msg->wParam),
               CPoint(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)));
  return TRUE;
}

BOOL CFormView::OnMouseWheel(UINT flags, short delta, CPoint point) {
  if (!m_bScrolls || !(GetStyle() & WS_VSCROLL)) return CView::OnMouseWheel(flags, delta, point);
  UINT lines = 3;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == WHEEL_PAGESCROLL) lines = 10;
  RECT rc;
  ::GetClientRect(m_hWnd, &rc);
  const int line = rc.bottom / 10 > 1 ? rc.bottom / 10 : 1;
  const int step = -delta * static_cast<int>(lines) * line / WHEEL_DELTA;
  ScrollToPosition(POINT{m_scrollPos.x, m_scrollPos.y + step});
  return TRUE;
}
