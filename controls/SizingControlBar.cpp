#include "controls/SizingControlBar.h"

#include <algorithm>

#include "framework/win/WinApp.h"

using sizingbar::RowEntry;

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBar, CControlBar)
ON_WM_CREATE()
ON_WM_SETTINGCHANGE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_NCLBUTTONDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_CLOSE()
END_MESSAGE_MAP()

CSizingControlBar::CSizingControlBar() {
  EnableMinimize(FALSE);
}

BOOL CSizingControlBar::Create(LPCSTR title, CWnd* parent, UINT id, DWORD style) {
  m_dwStyle = style & CBRS_ALL;
  LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  RECT rc = {0, 0, 0, 0};
  return CWnd::Create(cls, title, (style & ~static_cast<DWORD>(CBRS_ALL)) | WS_CLIPCHILDREN, rc,
                      parent, id);
}

BOOL CSizingControlBar::Create(LPCSTR title, CWnd* parent, SIZE defaultSize, BOOL, UINT id,
                               DWORD style) {
  m_szHorz = m_szVert = m_szFloat = defaultSize;
  return Create(title, parent, id, style);
}

void CSizingControlBar::EnableMinimize(BOOL enable) {
  m_bMinimize = enable;
  m_szMaxVert = {14, 0};
  m_szMinVert = enable ? SIZE{14, 0} : SIZE{33, 32};
}

void CSizingControlBar::ReadDragSetting() {
  BOOL full = FALSE;
  ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
  m_bDragShowContent = full;
}

int CSizingControlBar::OnCreate(LPCREATESTRUCT lpcs) {
  if (CControlBar::OnCreate(lpcs) == -1) return -1;
  ReadDragSetting();
  return 0;
}

void CSizingControlBar::OnSettingChange(UINT flags, LPCSTR section) {
  CControlBar::OnSettingChange(flags, section);
  ReadDragSetting();
}

// ---- the row model --------------------------------------------------------------------------

std::vector<RowEntry> CSizingControlBar::RowModel() const {
  std::vector<RowEntry> model;
  if (!m_pDockBar) return model;
  bool horz = m_pDockBar->IsHorizontal() != FALSE;
  for (CControlBar* bar : m_pDockBar->m_arrBars) {
    RowEntry e;
    if (bar) {
      e.tag = bar;
      e.visible = bar->IsVisible() != FALSE;
      if (bar->IsKindOf(RUNTIME_CLASS(CSizingControlBar))) {
        const CSizingControlBar* s = static_cast<const CSizingControlBar*>(bar);
        e.kind = RowEntry::Sizing;
        e.length = horz ? s->m_szHorz.cx : s->m_szVert.cy;
        e.thickness = horz ? s->m_szHorz.cy : s->m_szVert.cx;
        e.minLength = horz ? s->m_szMinHorz.cx : s->m_szMinVert.cy;
        e.minThickness = horz ? s->m_szMinHorz.cy : s->m_szMinVert.cx;
        e.keepSize = s->m_bKeepSize != FALSE;
      } else {
        e.kind = RowEntry::Fixed;
        RECT rc = {0, 0, 0, 0};
        if (bar->m_hWnd) ::GetWindowRect(bar->m_hWnd, &rc);
        e.length = horz ? rc.right - rc.left : rc.bottom - rc.top;
        e.thickness = horz ? rc.bottom - rc.top : rc.right - rc.left;
      }
    }
    model.push_back(e);
  }
  return model;
}

void CSizingControlBar::ApplyModel(const std::vector<RowEntry>& model, bool listChanged) {
  if (!m_pDockBar) return;
  bool horz = m_pDockBar->IsHorizontal() != FALSE;
  for (const RowEntry& e : model) {
    if (e.kind != RowEntry::Sizing) continue;
    CSizingControlBar* s = static_cast<CSizingControlBar*>(static_cast<CControlBar*>(e.tag));
    SIZE& size = horz ? s->m_szHorz : s->m_szVert;
    if (horz) {
      size.cx = e.length;
      size.cy = e.thickness;
    } else {
      size.cy = e.length;
      size.cx = e.thickness;
    }
    s->m_bKeepSize = e.keepSize;
  }
  if (listChanged) {
    m_pDockBar->m_arrBars.clear();
    for (const RowEntry& e : model)
      m_pDockBar->m_arrBars.push_back(static_cast<CControlBar*>(e.tag));
  }
}

int CSizingControlBar::IndexInModel(const std::vector<RowEntry>& model) const {
  for (size_t i = 0; i < model.size(); ++i)
    if (model[i].tag == this) return static_cast<int>(i);
  return -1;
}

// ---- layout ---------------------------------------------------------------------------------

CSize CSizingControlBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  if (stretch) return horz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);
  if (m_pDockBar && IsVisible() && (IsHorzDocked() || IsVertDocked()) && m_bParentSizing) {
    std::vector<RowEntry> model = RowModel();
    int self = IndexInModel(model);
    int first, last;
    if (self >= 0) {
      sizingbar::RowRange(model, self, first, last);
      int firstBar = first;
      while (firstBar <= last && !model[firstBar].Counts()) ++firstBar;
      if (firstBar == self) {
        RECT lr = m_pDockBar->m_rectLayout;
        if (::IsRectEmpty(&lr) && m_pDockSite) ::GetClientRect(m_pDockSite->m_hWnd, &lr);
        int total = horz ? lr.right - lr.left + 2 : lr.bottom - lr.top - 2;
        size_t before = model.size();
        sizingbar::ShareResult r = sizingbar::ShareRowSpace(model, self, total);
        ApplyModel(model, model.size() != before);
        if (r.changed) AlignRowBars();
      }
    }
  }
  m_bParentSizing = FALSE;
  SIZE s = horz ? m_szHorz : m_szVert;
  SIZE mn = horz ? m_szMinHorz : m_szMinVert;
  if (!IsHorzDocked() && !IsVertDocked()) s = m_szFloat, mn = m_szMinFloat;
  return CSize(std::max(s.cx, mn.cx), std::max(s.cy, mn.cy));
}

CSize CSizingControlBar::CalcDynamicLayout(int length, DWORD mode) {
  if (mode & (LM_HORZDOCK | LM_VERTDOCK)) {
    if (length == -1) m_bParentSizing = TRUE;
    return CControlBar::CalcDynamicLayout(length, mode);
  }
  if (!(mode & (LM_MRUWIDTH | LM_COMMIT))) {
    if (mode & LM_LENGTHY)
      m_szFloat.cy = length;
    else
      m_szFloat.cx = length;
  }
  m_szFloat.cx = std::max(m_szFloat.cx, m_szMinFloat.cx);
  m_szFloat.cy = std::max(m_szFloat.cy, m_szMinFloat.cy);
  return CSize(m_szFloat);
}

void CSizingControlBar::AlignRowBars() {
  if (!m_pDockBar) return;
  bool horz = m_pDockBar->IsHorizontal() != FALSE;
  std::vector<RowEntry> model = RowModel();
  int self = IndexInModel(model);
  if (self < 0) return;
  int first, last;
  sizingbar::RowRange(model, self, first, last);
  int pos = horz ? -2 : 0;
  bool moved = false;
  for (int i = first; i <= last; ++i) {
    if (!model[i].Counts()) continue;
    CControlBar* bar = static_cast<CControlBar*>(model[i].tag);
    RECT rc;
    ::GetWindowRect(bar->m_hWnd, &rc);
    ::MapWindowPoints(nullptr, m_pDockBar->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    int target = horz ? pos : pos - 2;
    int lead = horz ? rc.left : rc.top;
    if (lead != target) {
      ::SetWindowPos(bar->m_hWnd, nullptr, horz ? target : rc.left, horz ? rc.top : target, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      moved = true;
    }
    pos += model[i].length - 2;
  }
  if (moved && m_pDockSite) m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::ToggleMinimized() {
  sizingbar::CollapseState st;
  st.vert = m_szVert;
  st.vertMin = m_szMinVert;
  st.expanded = m_szMaxVert;
  st.collapsed = m_bMinimized != FALSE;
  sizingbar::ToggleMinimized(st);
  m_szVert = st.vert;
  m_szMaxVert = st.expanded;
  m_bMinimized = st.collapsed;
  if (m_pDockSite) m_pDockSite->GetTopLevelFrame()->RecalcLayout();
}

// ---- non-client area ------------------------------------------------------------------------

void CSizingControlBar::OnWindowPosChanging(WINDOWPOS* pos) {
  pos->flags |= SWP_FRAMECHANGED;  // the edges are recomputed at every change
  CControlBar::OnWindowPosChanging(pos);
  HWND parent = ::GetParent(m_hWnd);
  m_nDockBarID = parent ? static_cast<UINT>(::GetDlgCtrlID(parent)) : 0;
  if ((IsHorzDocked() || IsVertDocked()) && (pos->flags & SWP_SHOWWINDOW)) m_bKeepSize = TRUE;
}

void CSizingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
  m_dwSCBStyle = 0;
  if (IsHorzDocked() || IsVertDocked()) {
    std::vector<RowEntry> model = RowModel();
    int self = IndexInModel(model);
    if (self >= 0) {
      std::vector<int> bars = sizingbar::RowSizingBars(model, self);
      int at = static_cast<int>(std::find(bars.begin(), bars.end(), self) - bars.begin());
      m_dwSCBStyle =
          sizingbar::EdgeFlags(IsHorzDocked() != FALSE, at, static_cast<int>(bars.size()));
    }
  }
  params->rgrc[0] =
      sizingbar::CalcClientArea(params->rgrc[0], m_nDockBarID, m_dwSCBStyle, m_cxEdge);
}

LRESULT CSizingControlBar::OnNcHitTest(CPoint pt) {
  sizingbar::HitInput in;
  ::GetWindowRect(m_hWnd, &in.window);
  in.pt = pt;
  in.dockBarId = m_nDockBarID;
  in.edgeFlags = m_dwSCBStyle;
  in.edgeWidth = m_cxEdge;
  in.collapsing = m_bMinimize != FALSE;
  in.collapsed = m_bMinimized != FALSE;
  return sizingbar::HitTest(in);
}

RECT CSizingControlBar::ButtonRect() const {
  RECT rw;
  ::GetWindowRect(m_hWnd, &rw);
  ::OffsetRect(&rw, -rw.left, -rw.top);
  RECT edge = {0, 0, 0, 0};
  UINT side = m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT ? HTLEFT : HTRIGHT;
  if (!sizingbar::GetEdgeRect(rw, side, m_dwSCBStyle, true, m_cxEdge, edge))
    return RECT{0, 0, 0, 0};
  return sizingbar::MinimizeButtonRect(edge);
}

void CSizingControlBar::OnNcPaint() {
  RECT rw, rc;
  ::GetWindowRect(m_hWnd, &rw);
  ::GetClientRect(m_hWnd, &rc);
  POINT origin = {0, 0};
  ::ClientToScreen(m_hWnd, &origin);
  ::OffsetRect(&rc, origin.x - rw.left, origin.y - rw.top);
  ::OffsetRect(&rw, -rw.left, -rw.top);
  HDC wdc = ::GetWindowDC(m_hWnd);
  ::ExcludeClipRect(wdc, rc.left, rc.top, rc.right, rc.bottom);
  HDC mem = ::CreateCompatibleDC(wdc);
  HBITMAP bmp = ::CreateCompatibleBitmap(wdc, rw.right, rw.bottom);
  HGDIOBJ old = ::SelectObject(mem, bmp);
  HBRUSH bg = reinterpret_cast<HBRUSH>(::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND));
  ::FillRect(mem, &rw, bg ? bg : ::GetSysColorBrush(COLOR_BTNFACE));
  if (m_bMinimize && IsVertDocked()) DrawMinimizeButton(mem, ButtonRect());
  ::BitBlt(wdc, 0, 0, rw.right, rw.bottom, mem, 0, 0, SRCCOPY);
  ::SelectObject(mem, old);
  ::DeleteObject(bmp);
  ::DeleteDC(mem);
  ::ReleaseDC(m_hWnd, wdc);
}

void CSizingControlBar::DrawMinimizeButton(HDC dc, const RECT& r) {
  if (::IsRectEmpty(&r)) return;
  bool right = m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
  int mid = (r.left + r.right) / 2;
  int x = right ? mid + 1 : mid - 1;
  int y = (r.top + r.bottom) / 2;
  COLORREF dark = ::GetSysColor(COLOR_3DDKSHADOW), light = ::GetSysColor(COLOR_3DHIGHLIGHT);
  auto hline = [dc, &r](int yy, COLORREF c) {
    for (int xx = r.left; xx <= r.right; ++xx) ::SetPixel(dc, xx, yy, c);
  };
  hline(r.top - 1, dark);
  hline(r.bottom, dark);
  hline(r.top, light);
  hline(r.bottom + 1, light);
  COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
  int dir = sizingbar::ArrowsPointRight(right, m_bMinimized != FALSE) ? 1 : -1;
  for (int ay : {static_cast<int>(r.top) + 6, y, static_cast<int>(r.bottom) - 6}) {
    for (int k = -2; k <= 2; ++k) ::SetPixel(dc, x - dir, ay + k, text);
    for (int k = -1; k <= 1; ++k) ::SetPixel(dc, x, ay + k, text);
    ::SetPixel(dc, x + dir, ay, text);
  }
  for (auto range :
       {std::pair<int, int>(r.top + 13, y - 7), std::pair<int, int>(y + 7, r.bottom - 13)})
    for (int gy = range.first; gy <= range.second; gy += 3) {
      ::SetPixel(dc, x - 1, gy, light);
      ::SetPixel(dc, x + 1, gy + 1, dark);
    }
}

void CSizingControlBar::OnPaint() {
  ::ValidateRect(m_hWnd, nullptr);
}

// ---- mouse ----------------------------------------------------------------------------------

void CSizingControlBar::OnNcLButtonDown(UINT hit, CPoint pt) {
  if (m_bTracking || (!IsHorzDocked() && !IsVertDocked())) return;
  if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
    BeginEdgeDrag(hit, pt);
  else if (hit == HTMINBUTTON)
    ToggleMinimized();
}

void CSizingControlBar::OnLButtonDown(UINT flags, CPoint pt) {
  // Docking by dragging is not offered: the bar stays where the program docks it.
  CControlBar::OnLButtonDown(flags, pt);
}

void CSizingControlBar::OnLButtonDblClk(UINT flags, CPoint pt) {
  CControlBar::OnLButtonDblClk(flags, pt);
}

void CSizingControlBar::OnLButtonUp(UINT flags, CPoint pt) {
  if (m_bTracking) EndEdgeDrag();
  CControlBar::OnLButtonUp(flags, pt);
}

void CSizingControlBar::OnRButtonDown(UINT flags, CPoint pt) {
  if (m_bTracking) EndEdgeDrag();
  CControlBar::OnRButtonDown(flags, pt);
}

void CSizingControlBar::OnMouseMove(UINT flags, CPoint pt) {
  if (m_bTracking) {
    POINT screen = pt;
    ::ClientToScreen(m_hWnd, &screen);
    UpdateEdgeDrag(screen);
  }
  CControlBar::OnMouseMove(flags, pt);
}

void CSizingControlBar::OnCaptureChanged(CWnd* wnd) {
  if (m_bTracking && (!wnd || wnd->m_hWnd != m_hWnd)) EndEdgeDrag();
  CControlBar::OnCaptureChanged(wnd);
}

BOOL CSizingControlBar::OnSetCursor(CWnd* wnd, UINT hit, UINT message) {
  if (hit == HTMINBUTTON) {
    HCURSOR c = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(16134));
    ::SetCursor(c ? c : ::LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  return CControlBar::OnSetCursor(wnd, hit, message);
}

// ---- edge dragging --------------------------------------------------------------------------

static std::vector<RowEntry*> SizingPointers(std::vector<RowEntry>& model, int self, int& selfPos) {
  std::vector<RowEntry*> bars;
  selfPos = 0;
  for (int i : sizingbar::RowSizingBars(model, self)) {
    if (i == self) selfPos = static_cast<int>(bars.size());
    bars.push_back(&model[i]);
  }
  return bars;
}

void CSizingControlBar::BeginEdgeDrag(UINT edge, POINT pt) {
  ::SetCapture(m_hWnd);
  m_bTracking = TRUE;
  if (!m_bDragShowContent && m_pDockSite)
    ::RedrawWindow(m_pDockSite->m_hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT rw, er;
  ::GetWindowRect(m_hWnd, &rw);
  bool vert = IsVertDocked() != FALSE;
  if (!sizingbar::GetEdgeRect(rw, edge, m_dwSCBStyle, vert, m_cxEdge, er)) er = rw;
  bool lr = edge == HTLEFT || edge == HTRIGHT;
  int pos = lr ? pt.x : pt.y;
  m_nEdgeOffset = pos - (lr ? (er.left + er.right) / 2 : (er.top + er.bottom) / 2);
  m_dragRow = RowModel();
  int self = IndexInModel(m_dragRow);
  std::vector<RowEntry*> bars = SizingPointers(m_dragRow, self, m_dragSelf);
  if (sizingbar::IsInnerEdge(edge, !vert)) {
    sizingbar::BeginInnerDrag(bars, m_dragSelf, edge, pos, m_drag);
  } else {
    RECT free = {0, 0, 0, 0};
    if (m_pDockSite)
      m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &free);
    int space = vert ? free.right - free.left : free.bottom - free.top;
    sizingbar::BeginOuterDrag(bars, m_dragSelf, edge, pos, space, m_drag);
  }
  InvertDragLine();
}

void CSizingControlBar::UpdateEdgeDrag(POINT pt) {
  bool lr = m_drag.edge == HTLEFT || m_drag.edge == HTRIGHT;
  int pos = lr ? pt.x : pt.y;
  int clamped = std::max(std::min(pos, m_drag.maxPos), m_drag.minPos);
  if (clamped == m_drag.lastPos) return;
  InvertDragLine();  // erase at the old place
  int self = IndexInModel(m_dragRow);
  std::vector<RowEntry*> bars = SizingPointers(m_dragRow, self, m_dragSelf);
  sizingbar::UpdateDrag(bars, m_dragSelf, m_drag, clamped);
  ApplyModel(m_dragRow, false);
  if (m_bDragShowContent) {
    if (m_pDockSite) m_pDockSite->DelayRecalcLayout();
  } else {
    InvertDragLine();
  }
}

void CSizingControlBar::EndEdgeDrag() {
  InvertDragLine();
  m_bTracking = FALSE;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  if (m_pDockSite) m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::InvertDragLine() {
  if (m_bDragShowContent || !m_pDockSite || !m_pDockBar) return;
  RECT rw, line;
  ::GetWindowRect(m_hWnd, &rw);
  bool vert = IsVertDocked() != FALSE;
  if (!sizingbar::GetEdgeRect(rw, m_drag.edge, m_dwSCBStyle, vert, m_cxEdge, line)) return;
  bool lr = m_drag.edge == HTLEFT || m_drag.edge == HTRIGHT;
  if (!m_drag.inner) {
    RECT dock;
    ::GetWindowRect(m_pDockBar->m_hWnd, &dock);
    if (lr) {
      line.top = dock.top + 1;
      line.bottom = dock.bottom - 1;
    } else {
      line.left = dock.left + 1;
      line.right = dock.right - 1;
    }
  }
  int middle = m_drag.lastPos - m_nEdgeOffset;
  if (lr)
    ::OffsetRect(&line, middle - (line.left + line.right) / 2, 0);
  else
    ::OffsetRect(&line, 0, middle - (line.top + line.bottom) / 2);
  RECT frame;
  ::GetWindowRect(m_pDockSite->m_hWnd, &frame);
  ::OffsetRect(&line, -frame.left, -frame.top);
  HDC dc = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
  HBITMAP bmp = ::CreateBitmap(8, 8, 1, 1, pattern);
  HBRUSH brush = ::CreatePatternBrush(bmp);
  HGDIOBJ old = ::SelectObject(dc, brush);
  ::PatBlt(dc, line.left, line.top, line.right - line.left, line.bottom - line.top, PATINVERT);
  ::SelectObject(dc, old);
  ::DeleteObject(brush);
  ::DeleteObject(bmp);
  ::ReleaseDC(m_pDockSite->m_hWnd, dc);
}

// ---- profile --------------------------------------------------------------------------------

void CSizingControlBar::LoadState(LPCSTR profile) {
  CWinApp* app = AfxGetApp();
  if (!app || !m_hWnd) return;
  CString section;
  section.Format("%s-SCBar-%d", profile, ::GetDlgCtrlID(m_hWnd));
  int limitX = ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
      limitY = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (limitX <= 0) limitX = ::GetSystemMetrics(SM_CXSCREEN);
  if (limitY <= 0) limitY = ::GetSystemMetrics(SM_CYSCREEN);
  auto load = [&](LPCSTR name, LONG& value, LONG minimum, int limit) {
    int stored = static_cast<int>(app->GetProfileInt(section, name, static_cast<int>(value)));
    value = sizingbar::ClampStoredSize(stored, minimum, limit);
  };
  load("sizeHorzCX", m_szHorz.cx, m_szMinHorz.cx, limitX);
  load("sizeHorzCY", m_szHorz.cy, m_szMinHorz.cy, limitY);
  load("sizeVertCX", m_szVert.cx, m_szMinVert.cx, limitX);
  load("sizeVertCY", m_szVert.cy, m_szMinVert.cy, limitY);
  load("sizeFloatCX", m_szFloat.cx, m_szMinFloat.cx, limitX);
  load("sizeFloatCY", m_szFloat.cy, m_szMinFloat.cy, limitY);
}

void CSizingControlBar::SaveState(LPCSTR profile) {
  CWinApp* app = AfxGetApp();
  if (!app || !m_hWnd) return;
  CString section;
  section.Format("%s-SCBar-%d", profile, ::GetDlgCtrlID(m_hWnd));
  SIZE vert = m_bMinimized ? m_szMaxVert : m_szVert;  // the expanded width while collapsed
  app->WriteProfileInt(section, "sizeHorzCX", m_szHorz.cx);
  app->WriteProfileInt(section, "sizeHorzCY", m_szHorz.cy);
  app->WriteProfileInt(section, "sizeVertCX", vert.cx);
  app->WriteProfileInt(section, "sizeVertCY", vert.cy);
  app->WriteProfileInt(section, "sizeFloatCX", m_szFloat.cx);
  app->WriteProfileInt(section, "sizeFloatCY", m_szFloat.cy);
}

void CSizingControlBar::LoadBarStates(CFrameWnd* frame, LPCSTR profile) {
  if (!frame) return;
  for (CControlBar* bar : frame->m_listControlBars)
    if (bar->IsKindOf(RUNTIME_CLASS(CSizingControlBar)))
      static_cast<CSizingControlBar*>(bar)->LoadState(profile);
}

void CSizingControlBar::SaveBarStates(CFrameWnd* frame, LPCSTR profile) {
  if (!frame) return;
  for (CControlBar* bar : frame->m_listControlBars)
    if (bar->IsKindOf(RUNTIME_CLASS(CSizingControlBar)))
      static_cast<CSizingControlBar*>(bar)->SaveState(profile);
}

// ---- CViewBar -------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CViewBar, CSizingControlBar)

BEGIN_MESSAGE_MAP(CViewBar, CSizingControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CViewBar::CViewBar() {
  CObject* obj = RUNTIME_CLASS(CFrameWnd)->CreateObject();
  m_pFrame = static_cast<CFrameWnd*>(obj);
}

CViewBar::~CViewBar() {
  // A frame whose window was made deletes itself with it.
  if (m_pFrame && AfxIsFrameAlive(m_pFrame) && !m_pFrame->m_hWnd) delete m_pFrame;
}

BOOL CViewBar::Create(CFrameWnd* parent, CRuntimeClass* viewClass, CCreateContext* context,
                      LPCSTR title, DWORD style, UINT id) {
  if (context) {
    m_context = *context;
  } else if (CWnd* main = AfxGetMainWnd()) {
    // The hosted view belongs to no document: it follows whichever is active by itself.
    if (main->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
      m_context.m_pCurrentFrame = static_cast<CFrameWnd*>(main);
  }
  m_context.m_pNewViewClass = viewClass;
  return CSizingControlBar::Create(title, parent, id, style);
}

int CViewBar::OnCreate(LPCREATESTRUCT lpcs) {
  if (CSizingControlBar::OnCreate(lpcs) == -1) return -1;
  if (!m_pFrame) return -1;
  m_pFrame->m_bChildHosted = TRUE;
  RECT rc = {0, 0, 0, 0};
  if (!m_pFrame->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, this,
                        nullptr, 0, &m_context)) {
    if (!AfxIsFrameAlive(m_pFrame)) m_pFrame = nullptr;
    return -1;
  }
  m_pFrame->InitialUpdateFrame(nullptr, TRUE);
  return 0;
}

void CViewBar::OnSize(UINT type, int cx, int cy) {
  CSizingControlBar::OnSize(type, cx, cy);
  if (m_pFrame && m_pFrame->m_hWnd) {
    ::MoveWindow(m_pFrame->m_hWnd, 0, 0, cx, cy, FALSE);
    ::RedrawWindow(m_pFrame->m_hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
  }
}

void CViewBar::SetBarWidth(int cx) {
  m_szHorz.cx = m_szVert.cx = m_szFloat.cx = cx;
}
