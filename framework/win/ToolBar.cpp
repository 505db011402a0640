#include "framework/win/ToolBar.h"

#include <algorithm>
#include <vector>

#include "framework/win/CmdUI.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

// The buttons of a tool-bar resource: the classic WORD layout (version 1) or the DWORD
// layout windres writes; 0 is a separator.
bool ReadToolbarIds(const BYTE* p, size_t size, std::vector<UINT>& ids, SIZE& button) {
  auto word = [p](size_t at) { return static_cast<UINT>(p[at] | (p[at + 1] << 8)); };
  auto dword = [p](size_t at) {
    return static_cast<UINT>(p[at] | (p[at + 1] << 8) | (p[at + 2] << 16) | (p[at + 3] << 24));
  };
  ids.clear();
  if (size >= 8 && word(0) == 1 && 8 + 2 * static_cast<size_t>(word(6)) == size) {
    button = {static_cast<LONG>(word(2)), static_cast<LONG>(word(4))};
    for (UINT i = 0; i < word(6); ++i) ids.push_back(word(8 + 2 * i));
    return true;
  }
  if (size >= 12 && dword(8) <= (size - 12) / 4 && 12 + 4 * static_cast<size_t>(dword(8)) == size) {
    button = {static_cast<LONG>(dword(0)), static_cast<LONG>(dword(4))};
    for (UINT i = 0; i < dword(8); ++i) ids.push_back(dword(12 + 4 * i));
    return true;
  }
  return false;
}

// Updates run at every idle time: a button is told only what changes, from the state its
// TB_GETBUTTON gave, so an unchanged bar costs one message per button.
class CToolCmdUI : public CCmdUI {
 public:
  BYTE m_state = 0;

  void Enable(BOOL on) override {
    m_bEnableChanged = TRUE;
    if (((m_state & TBSTATE_ENABLED) != 0) == (on != FALSE)) return;
    ::SendMessageA(m_pOther->m_hWnd, TB_ENABLEBUTTON, m_nID, MAKELONG(on ? TRUE : FALSE, 0));
    m_state ^= TBSTATE_ENABLED;
  }
  void SetCheck(int check) override {
    if (((m_state & TBSTATE_CHECKED) != 0) == (check != 0)) return;
    ::SendMessageA(m_pOther->m_hWnd, TB_CHECKBUTTON, m_nID, MAKELONG(check ? TRUE : FALSE, 0));
    m_state ^= TBSTATE_CHECKED;
  }
  void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }
  void SetText(LPCSTR) override {}
};

}  // namespace

CToolBar::~CToolBar() {
  if (m_images) ImageList_Destroy(m_images);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, CRect borders, UINT id) {
  m_dwStyle = style & CBRS_ALL;
  m_cxLeftBorder = borders.left;
  m_cyTopBorder = borders.top;
  m_cxRightBorder = borders.right;
  m_cyBottomBorder = borders.bottom;
  DWORD ws = (style & ~static_cast<DWORD>(CBRS_ALL)) | ctrlStyle | CCS_NOPARENTALIGN |
             CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
  RECT rc = {0, 0, 0, 0};
  if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, ws | WS_CHILD, rc, parent, id)) return FALSE;
  ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id) {
  HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(241));
  HRSRC res = ::FindResourceA(inst, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(241));
  HGLOBAL mem = res ? ::LoadResource(inst, res) : nullptr;
  const BYTE* data = mem ? static_cast<const BYTE*>(::LockResource(mem)) : nullptr;
  std::vector<UINT> ids;
  SIZE image = {16, 15};
  if (!data || !ReadToolbarIds(data, ::SizeofResource(inst, res), ids, image)) return FALSE;
  HBITMAP bmp = static_cast<HBITMAP>(
      ::LoadImageA(inst, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bmp) return FALSE;
  if (m_images) ImageList_Destroy(m_images);
  m_images = ImageList_Create(image.cx, image.cy, ILC_COLOR24 | ILC_MASK, 0, 4);
  ImageList_AddMasked(m_images, bmp, RGB(192, 192, 192));
  ::DeleteObject(bmp);
  ::SendMessageA(m_hWnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
  ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(image.cx, image.cy));
  while (::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0) > 0)
    ::SendMessageA(m_hWnd, TB_DELETEBUTTON, 0, 0);
  std::vector<TBBUTTON> buttons;
  int picture = 0;  // each button its own picture, also after a leading separator
  for (UINT cmd : ids) {
    TBBUTTON b = {};
    if (cmd == 0) {
      b.fsStyle = BTNS_SEP;
      b.iBitmap = 6;
    } else {
      b.iBitmap = picture++;
      b.idCommand = static_cast<int>(cmd);
      b.fsState = TBSTATE_ENABLED;
      b.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(b);
  }
  ::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  ::SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
  return TRUE;
}

void CToolBar::SetSizes(SIZE button, SIZE image) {
  ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(image.cx, image.cy));
  ::SendMessageA(m_hWnd, TB_SETBUTTONSIZE, 0, MAKELONG(button.cx, button.cy));
}

void CToolBar::SetBorders(int left, int top, int right, int bottom) {
  m_cxLeftBorder = left;
  m_cyTopBorder = top;
  m_cxRightBorder = right;
  m_cyBottomBorder = bottom;
}

int CToolBar::GetCount() const {
  return static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

UINT CToolBar::GetItemID(int index) const {
  BYTE state = 0;
  return GetItemIDAndState(index, state);
}

UINT CToolBar::GetItemIDAndState(int index, BYTE& state) const {
  TBBUTTON b = {};
  if (!::SendMessageA(m_hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b))) return 0;
  state = b.fsState;
  return (b.fsStyle & BTNS_SEP) ? 0 : static_cast<UINT>(b.idCommand);
}

int CToolBar::CommandToIndex(UINT id) const {
  return static_cast<int>(::SendMessageA(m_hWnd, TB_COMMANDTOINDEX, id, 0));
}

BOOL CToolBar::GetItemRect(int index, LPRECT rect) const {
  return ::SendMessageA(m_hWnd, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)) != 0;
}

UINT CToolBar::GetButtonStyle(int index) const {
  TBBUTTON b = {};
  ::SendMessageA(m_hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b));
  return b.fsStyle;
}

void CToolBar::SetButtonStyle(int index, UINT style) {
  TBBUTTONINFOA info = {};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
  info.fsStyle = static_cast<BYTE>(style);
  ::SendMessageA(m_hWnd, TB_SETBUTTONINFOA, index, reinterpret_cast<LPARAM>(&info));
}

BOOL CToolBar::IsButtonEnabled(UINT id) const {
  return ::SendMessageA(m_hWnd, TB_ISBUTTONENABLED, id, 0) != 0;
}

BOOL CToolBar::IsButtonChecked(UINT id) const {
  return ::SendMessageA(m_hWnd, TB_ISBUTTONCHECKED, id, 0) != 0;
}

CSize CToolBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  DWORD size = static_cast<DWORD>(::SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
  int height = HIWORD(size) + m_cyTopBorder + m_cyBottomBorder + 4;
  int width = m_cxLeftBorder + m_cxRightBorder;
  for (int i = 0, n = GetCount(); i < n; ++i) {
    RECT rc = {0, 0, 0, 0};
    if (!GetItemRect(i, &rc)) continue;
    width = std::max(width, static_cast<int>(rc.right) + m_cxRightBorder);
  }
  if (horz) return CSize(stretch ? 32767 : width, height);
  return CSize(LOWORD(size) + 4, stretch ? 32767 : height);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
  CToolCmdUI state;
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(GetCount());
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = GetItemIDAndState(static_cast<int>(state.m_nIndex), state.m_state);
    if (state.m_nID) state.DoUpdate(target, disableIfNoHandler);
  }
}

// ---- CStatusBar -----------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  m_dwStyle = style & CBRS_ALL;
  DWORD ws =
      (style & ~static_cast<DWORD>(CBRS_ALL)) | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  RECT rc = {0, 0, 0, 0};
  return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, ws | WS_CHILD, rc, parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  m_nCount = std::max(1, count);
  LayoutPanes();
  for (int i = 0; i < count; ++i)
    SetPaneText(i, ids[i] ? AfxExtractLine(AfxLoadString(ids[i]), 0).GetString() : "");
  return TRUE;
}

void CStatusBar::LayoutPanes() {
  if (!m_hWnd) return;
  RECT rc;
  ::GetClientRect(m_hWnd, &rc);
  std::vector<int> edges(static_cast<size_t>(m_nCount));
  for (int i = 0; i < m_nCount; ++i) edges[i] = rc.right - 80 * (m_nCount - 1 - i);
  edges.back() = -1;
  ::SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::OnSize(UINT type, int cx, int cy) {
  CControlBar::OnSize(type, cx, cy);
  LayoutPanes();
}

BOOL CStatusBar::SetPaneText(int index, LPCSTR text) {
  return ::SendMessageA(m_hWnd, SB_SETTEXTA, index, reinterpret_cast<LPARAM>(text ? text : "")) !=
         0;
}

CString CStatusBar::GetPaneText(int index) const {
  char buf[512] = "";
  LRESULT r = ::SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, index, 0);
  if (LOWORD(r) >= sizeof buf) return CString();
  ::SendMessageA(m_hWnd, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(buf));
  return CString(buf);
}

CSize CStatusBar::CalcFixedLayout(BOOL stretch, BOOL horz) {
  HDC dc = ::GetDC(m_hWnd);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(dc, &tm);
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hWnd, dc);
  int height = tm.tmHeight + 10;
  (void)horz;
  return CSize(stretch ? 32767 : 200, height);
}
