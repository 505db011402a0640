// CHyperlinkStatic: colours, hover underline, fitting, opening and error messages.
#include "controls/HyperlinkStatic.h"

#include "controls/HyperlinkLogic.h"

IMPLEMENT_DYNAMIC(CHyperlinkStatic, CStatic)

BEGIN_MESSAGE_MAP(CHyperlinkStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT(STN_CLICKED, &CHyperlinkStatic::OnClicked)
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {
const UINT_PTR kHoverTimer = 1;
const UINT kHoverPollMs = 15;
const UINT_PTR kToolId = 1;

// The default value of a key below HKEY_CLASSES_ROOT; FALSE when it cannot be read.
BOOL ReadClassesValue(const CString& key, CString& value) {
  char buffer[MAX_PATH + 1] = "";
  LONG size = MAX_PATH;
  if (::RegQueryValueA(HKEY_CLASSES_ROOT, key, buffer, &size) != ERROR_SUCCESS) return FALSE;
  buffer[MAX_PATH] = '\0';  // the value need not end in a NUL
  if (size > 0 && size <= MAX_PATH) buffer[size] = '\0';
  value = buffer;
  return TRUE;
}
}  // namespace

static_assert(hyperlink::kCenter == SS_CENTER && hyperlink::kRight == SS_RIGHT &&
                  hyperlink::kCenterImage == SS_CENTERIMAGE,
              "static styles");

CHyperlinkStatic::CHyperlinkStatic()
    : m_bRelayToolTip(TRUE),
      m_bOverControl(FALSE),
      m_crLinkColour(RGB(0, 0, 255)),
      m_crVisitedColour(RGB(128, 32, 160)),
      m_bVisited(FALSE),
      m_bUnderline(FALSE),
      m_bAdjustToFit(TRUE),
      m_hLinkCursor(NULL) {}

CHyperlinkStatic::~CHyperlinkStatic() {
  if (m_hWnd) m_UnderlineFont.Underline(this, FALSE, FALSE);  // the font it holds goes with us
  m_ToolTip.DestroyWindow();
}

void CHyperlinkStatic::PreSubclassWindow() {
  ModifyStyle(0, SS_NOTIFY);
  CString text;
  GetWindowText(text);
  if (m_strURL.IsEmpty()) m_strURL = text;
  if (text.IsEmpty()) SetWindowText(m_strURL);
  PositionWindow();
  m_hLinkCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  if (m_ToolTip.Create(this)) {
    CRect client;
    GetClientRect(&client);
    m_ToolTip.AddTool(this, m_strURL, &client, kToolId);
  }
  CStatic::PreSubclassWindow();
}

BOOL CHyperlinkStatic::PreTranslateMessage(MSG* pMsg) {
  if (m_bRelayToolTip && m_ToolTip.m_hWnd) m_ToolTip.RelayEvent(pMsg);
  return CStatic::PreTranslateMessage(pMsg);
}

void CHyperlinkStatic::SetURL(LPCSTR url) {
  m_strURL = url;
  if (m_hWnd) {
    PositionWindow();
    if (m_ToolTip.m_hWnd) m_ToolTip.UpdateTipText(m_strURL, this, kToolId);
  }
}

void CHyperlinkStatic::SetVisited(BOOL visited) {
  m_bVisited = visited;
  if (m_hWnd) Invalidate(TRUE);
}

void CHyperlinkStatic::PositionWindow() {
  if (!m_hWnd || !m_bAdjustToFit) return;
  CRect window;
  GetWindowRect(&window);
  CWnd* parent = GetParent();
  if (parent) parent->ScreenToClient(&window);
  CString text;
  GetWindowText(text);
  CClientDC dc(this);
  HGDIOBJ oldFont = ::SelectObject(dc.m_hDC, (HFONT)SendMessage(WM_GETFONT));
  CSize extent = dc.GetTextExtent(text);
  ::SelectObject(dc.m_hDC, oldFont);
  hyperlink::Box fitted =
      hyperlink::FitToText(hyperlink::Box{window.left, window.top, window.right, window.bottom},
                           extent.cx, extent.cy, GetStyle());
  SetWindowPos(NULL, fitted.left, fitted.top, fitted.Width(), fitted.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (m_ToolTip.m_hWnd) {
    CRect client;
    GetClientRect(&client);
    m_ToolTip.SetToolRect(this, kToolId, &client);
  }
}

HBRUSH CHyperlinkStatic::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(m_bVisited ? m_crVisitedColour : m_crLinkColour);
  if (m_bUnderline) {
    CFont* underlined = m_UnderlineFont.GetUnderlined(this);
    if (underlined) pDC->SelectObject(underlined);
  }
  pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
  pDC->SetBkMode(OPAQUE);
  return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

void CHyperlinkStatic::OnClicked() {
  HINSTANCE result = GotoURL(m_strURL, SW_SHOW);
  INT_PTR code = reinterpret_cast<INT_PTR>(result);
  if (code > 32) {
    SetVisited(TRUE);
    return;
  }
  ::MessageBeep(MB_ICONEXCLAMATION);
  ReportError(static_cast<int>(code));
}

void CHyperlinkStatic::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bOverControl) {
    m_bOverControl = TRUE;
    m_bUnderline = TRUE;
    SetTimer(kHoverTimer, kHoverPollMs);
    m_UnderlineFont.Underline(this, TRUE, TRUE);
  }
  CStatic::OnMouseMove(nFlags, point);
}

void CHyperlinkStatic::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kHoverTimer) {
    CStatic::OnTimer(nIDEvent);
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  CRect window;
  GetWindowRect(&window);
  // The edges count as inside.
  if (cursor.x >= window.left && cursor.x <= window.right && cursor.y >= window.top &&
      cursor.y <= window.bottom)
    return;
  KillTimer(kHoverTimer);
  m_bOverControl = FALSE;
  m_bUnderline = FALSE;
  m_UnderlineFont.Underline(this, FALSE, TRUE);
}

void CHyperlinkStatic::OnDestroy() {
  KillTimer(kHoverTimer);
  CStatic::OnDestroy();
}

BOOL CHyperlinkStatic::OnSetCursor(CWnd*, UINT, UINT) {
  if (m_hLinkCursor) ::SetCursor(m_hLinkCursor);
  return TRUE;
}

HINSTANCE CHyperlinkStatic::GotoURL(LPCSTR url, int showCommand) {
  HINSTANCE result = AfxShellExecute(NULL, "open", url, NULL, NULL, showCommand);
  if (reinterpret_cast<INT_PTR>(result) > 32) return result;
  CString handler, command;
  if (!ReadClassesValue(".htm", handler) || handler.IsEmpty()) return result;
  if (!ReadClassesValue(handler + "\\shell\\open\\command", command) || command.IsEmpty())
    return result;
  UINT started = AfxStartProgram(hyperlink::FallbackCommand(command, url), showCommand);
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(started));
}

void CHyperlinkStatic::ReportError(int error) {
  AfxMessageBox(hyperlink::ErrorMessage(error), MB_ICONEXCLAMATION);
}
