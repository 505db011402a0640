#include "framework/win/ControlBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUIMessage)
END_MESSAGE_MAP()

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() {
  if (m_pDockSite && AfxIsFrameAlive(m_pDockSite)) m_pDockSite->RemoveControlBar(this);
  if (m_pDockBar) m_pDockBar->RemoveControlBar(this);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  CWnd* parent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  if (parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    m_pDockSite = static_cast<CFrameWnd*>(parent);
    m_pDockSite->AddControlBar(this);
  }
  return 0;
}

void CControlBar::OnDestroy() {
  if (m_pDockBar) {
    m_pDockBar->RemoveControlBar(this);
    m_pDockBar = nullptr;
  }
  if (m_pDockSite && AfxIsFrameAlive(m_pDockSite)) m_pDockSite->RemoveControlBar(this);
  m_pDockSite = nullptr;
  CWnd::OnDestroy();
}

void CControlBar::SetBarStyle(DWORD style) {
  m_dwStyle = style;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CControlBar::EnableDocking(DWORD dockStyle) {
  m_dwDockStyle = dockStyle & CBRS_ALIGN_ANY;
}

BOOL CControlBar::IsVisible() const {
  if (m_nStateFlags & delayHide) return FALSE;
  if (m_nStateFlags & delayShow) return TRUE;
  return m_hWnd && (GetStyle() & WS_VISIBLE);
}

void CControlBar::DelayShow(BOOL show) {
  m_nStateFlags &= ~static_cast<UINT>(delayHide | delayShow);
  BOOL visible = m_hWnd && (GetStyle() & WS_VISIBLE);
  if (show && !visible)
    m_nStateFlags |= delayShow;
  else if (!show && visible)
    m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* layout) {
  DWORD style = GetStyle();
  if (layout->hDWP && (m_nStateFlags & (delayHide | delayShow))) {
    bool show = (m_nStateFlags & delayShow) != 0;
    layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, 0, 0, 0, 0,
                                    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                        (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    m_nStateFlags &= ~static_cast<UINT>(delayHide | delayShow);
    style = show ? (style | WS_VISIBLE) : (style & ~static_cast<DWORD>(WS_VISIBLE));
  } else if (m_nStateFlags & delayShow) {
    style |= WS_VISIBLE;
  } else if (m_nStateFlags & delayHide) {
    style &= ~static_cast<DWORD>(WS_VISIBLE);
  }
  return style;
}

CSize CControlBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  RECT rc = {0, 0, 0, 0};
  if (m_hWnd) ::GetWindowRect(m_hWnd, &rc);
  CSize size(rc.right - rc.left, rc.bottom - rc.top);
  if (stretch) {
    if (horz)
      size.cx = 32767;
    else
      size.cy = 32767;
  }
  return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD mode) {
  return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  DWORD style = RecalcDelayShow(layout);
  if (!(style & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY)) return 0;
  RECT rc = layout->rect;
  CSize avail(rc.right - rc.left, rc.bottom - rc.top);
  bool horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
  DWORD mode = (layout->bStretch ? LM_STRETCH : 0) | (horz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
  CSize size = CalcDynamicLayout(-1, mode);
  size.cx = std::max(0L, std::min(size.cx, avail.cx));
  size.cy = std::max(0L, std::min(size.cy, avail.cy));
  if (horz) {
    layout->sizeTotal.cy += size.cy;
    layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, size.cx);
    if (m_dwStyle & CBRS_ALIGN_TOP) {
      layout->rect.top += size.cy;
    } else {
      rc.top = rc.bottom - size.cy;
      layout->rect.bottom -= size.cy;
    }
  } else {
    layout->sizeTotal.cx += size.cx;
    layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, size.cy);
    if (m_dwStyle & CBRS_ALIGN_LEFT) {
      layout->rect.left += size.cx;
    } else {
      rc.left = rc.right - size.cx;
      layout->rect.right -= size.cx;
    }
  }
  rc.right = rc.left + size.cx;
  rc.bottom = rc.top + size.cy;
  AfxRepositionWindow(layout, m_hWnd, &rc);
  return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM) {
  if (!m_hWnd || !(GetStyle() & WS_VISIBLE)) return 0;
  CFrameWnd* target =
      m_pDockSite ? m_pDockSite->GetTopLevelFrame() : CFrameWnd::GetParentFrameOf(m_hWnd);
  if (target) OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
  return 0;
}

// ---- CDockBar -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

BOOL CDockBar::Create(CWnd* parent, DWORD style, UINT id) {
  m_dwStyle = style & CBRS_ALL;
  RECT rc = {0, 0, 0, 0};
  LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return CWnd::Create(cls, nullptr, style & ~static_cast<DWORD>(CBRS_ALL), rc, parent, id);
}

int CDockBar::FindBar(CControlBar* bar) const {
  auto it = std::find(m_arrBars.begin(), m_arrBars.end(), bar);
  return it == m_arrBars.end() ? -1 : static_cast<int>(it - m_arrBars.begin());
}

int CDockBar::GetDockedCount() const {
  return static_cast<int>(
      std::count_if(m_arrBars.begin(), m_arrBars.end(), [](CControlBar* b) { return b; }));
}

void CDockBar::DockControlBar(CControlBar* bar, LPCRECT) {
  if (bar->m_pDockBar && bar->m_pDockBar != this) bar->m_pDockBar->RemoveControlBar(bar);
  if (FindBar(bar) < 0) {
    if (m_arrBars.empty() || m_arrBars.back() != nullptr) m_arrBars.push_back(nullptr);
    m_arrBars.push_back(bar);
    m_arrBars.push_back(nullptr);
  }
  bar->m_pDockBar = this;
  bar->m_dwStyle =
      (bar->m_dwStyle & ~static_cast<DWORD>(CBRS_ALIGN_ANY)) | (m_dwStyle & CBRS_ALIGN_ANY);
  if (::GetParent(bar->m_hWnd) != m_hWnd) ::SetParent(bar->m_hWnd, m_hWnd);
}

BOOL CDockBar::RemoveControlBar(CControlBar* bar) {
  int i = FindBar(bar);
  if (i < 0) return FALSE;
  m_arrBars.erase(m_arrBars.begin() + i);
  // An emptied row loses its separator.
  if (i > 0 && i < static_cast<int>(m_arrBars.size()) && !m_arrBars[i - 1] && !m_arrBars[i])
    m_arrBars.erase(m_arrBars.begin() + i);
  if (bar->m_pDockBar == this) bar->m_pDockBar = nullptr;
  return TRUE;
}

CSize CDockBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  (void)stretch;
  int offset = 0;     // across the rows
  int thickness = 0;  // of the current row
  int pos = -2;       // along the row: bars overlap their neighbours' borders
  bool rowHasBar = false;
  std::vector<CControlBar*> bars = m_arrBars;  // sizing may insert row breaks
  for (size_t i = 0; i < bars.size(); ++i) {
    CControlBar* bar = bars[i];
    if (!bar) {
      if (rowHasBar) offset += thickness;
      thickness = 0;
      pos = -2;
      rowHasBar = false;
      continue;
    }
    if (!bar->IsVisible()) continue;
    CSize size = (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                     ? bar->CalcDynamicLayout(-1, horz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK)
                     : bar->CalcFixedLayout(FALSE, horz);
    RECT rc;
    if (horz)
      rc = {pos, offset, pos + size.cx, offset + size.cy};
    else
      rc = {offset, pos, offset + size.cx, pos + size.cy};
    if (!m_bLayoutQuery)
      ::SetWindowPos(
          bar->m_hWnd, nullptr, rc.left, rc.top, size.cx, size.cy,
          SWP_NOZORDER | SWP_NOACTIVATE | ((bar->m_nStateFlags & delayShow) ? SWP_SHOWWINDOW : 0));
    bar->m_nStateFlags &= ~static_cast<UINT>(delayShow);
    pos += (horz ? size.cx : size.cy) - 2;
    thickness = std::max(thickness, static_cast<int>(horz ? size.cy : size.cx));
    rowHasBar = true;
  }
  if (rowHasBar) offset += thickness;
  int length =
      horz ? m_rectLayout.right - m_rectLayout.left : m_rectLayout.bottom - m_rectLayout.top;
  return horz ? CSize(length, offset) : CSize(offset, length);
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
  AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
  m_rectLayout = layout->rect;
  m_bLayoutQuery = layout->hDWP == nullptr;
  bool horz = IsHorizontal();
  CSize size = CalcFixedLayout(layout->bStretch, horz);
  m_bLayoutQuery = FALSE;
  RECT rc = layout->rect;
  int thick = horz ? size.cy : size.cx;
  if (m_dwStyle & CBRS_ALIGN_TOP) {
    rc.bottom = rc.top + thick;
    layout->rect.top += thick;
  } else if (m_dwStyle & CBRS_ALIGN_BOTTOM) {
    rc.top = rc.bottom - thick;
    layout->rect.bottom -= thick;
  } else if (m_dwStyle & CBRS_ALIGN_LEFT) {
    rc.right = rc.left + thick;
    layout->rect.left += thick;
  } else {
    rc.left = rc.right - thick;
    layout->rect.right -= thick;
  }
  AfxRepositionWindow(layout, m_hWnd, &rc);
  return 0;
}
