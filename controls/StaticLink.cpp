// CStaticLink: colours and opening.
#include "controls/StaticLink.h"

#include "controls/HyperlinkLogic.h"

IMPLEMENT_DYNAMIC(CStaticLink, CStatic)

BEGIN_MESSAGE_MAP(CStaticLink, CStatic)
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT(STN_CLICKED, &CStaticLink::OnClicked)
END_MESSAGE_MAP()

CStaticLink::CStaticLink()
    : m_colorUnvisited(RGB(0, 0, 255)), m_colorVisited(RGB(128, 0, 128)), m_bVisited(FALSE) {}

HBRUSH CStaticLink::CtlColor(CDC* pDC, UINT) {
  // Clicks only reach a static that notifies.
  if (!(GetStyle() & SS_NOTIFY)) ModifyStyle(0, SS_NOTIFY);
  if (!hyperlink::ColoursText(GetStyle())) return NULL;
  // Set on the control as well: a static may select the font it holds after this message.
  m_font.Underline(this, TRUE, FALSE);
  CFont* underlined = m_font.GetUnderlined(this);
  if (underlined) pDC->SelectObject(underlined);
  pDC->SetTextColor(m_bVisited ? m_colorVisited : m_colorUnvisited);
  pDC->SetBkMode(TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

CStaticLink::~CStaticLink() {
  if (m_hWnd) m_font.Underline(this, FALSE, FALSE);  // the font it holds goes with us
}

void CStaticLink::OnClicked() {
  if (m_link.IsEmpty()) GetWindowText(m_link);
  HINSTANCE result = AfxShellExecute(NULL, "open", m_link, NULL, NULL, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) {
    ::MessageBeep(0);
    return;
  }
  m_bVisited = TRUE;
  Invalidate();
}
