// CMarkupLabel: painting the tokens of the window text.
#include "controls/MarkupLabel.h"

IMPLEMENT_DYNAMIC(CMarkupLabel, CStatic)

BEGIN_MESSAGE_MAP(CMarkupLabel, CStatic)
ON_WM_PAINT()
ON_MESSAGE(WM_SETTEXT, &CMarkupLabel::OnSetText)
END_MESSAGE_MAP()

namespace {

CColourArray& GlobalColours() {
  static CColourArray colours;
  return colours;
}

markup::FontState ToState(const LOGFONTA& lf) {
  markup::FontState s;
  s.height = lf.lfHeight;
  s.weight = lf.lfWeight;
  s.italic = lf.lfItalic != 0;
  s.underline = lf.lfUnderline != 0;
  s.face = lf.lfFaceName;
  return s;
}

void FromState(const markup::FontState& s, LOGFONTA& lf) {
  lf.lfHeight = s.height;
  lf.lfWeight = s.weight;
  lf.lfItalic = s.italic ? TRUE : FALSE;
  lf.lfUnderline = s.underline ? TRUE : FALSE;
  lstrcpynA(lf.lfFaceName, s.face, LF_FACESIZE);
}

}  // namespace

CMarkupLabel::CMarkupLabel() : m_bCaseInsensitive(TRUE), m_crText(0) {
  markup::TagTable();  // built by the first label
}

void CMarkupLabel::RegisterTags() {
  markup::RegisterTags();
}

COLORREF CMarkupLabel::GetObjectColour(int index) const {
  return markup::ColourAt(&m_colours, index);
}

COLORREF CMarkupLabel::GetGlobalColour(int index) {
  return markup::ColourAt(&GlobalColours(), index);
}

void CMarkupLabel::Tokenize() {
  markup::Tokenize(m_strText, m_bCaseInsensitive != FALSE, m_tokens);
}

BOOL CMarkupLabel::ApplyTag(const CMarkupTag& token, LOGFONTA& lf, RECT& pen, int h, int dpi,
                            CDC* pDC) {
  markup::Context context;
  context.textHeight = h;
  context.dpi = dpi;
  context.baseFace = m_strFaceName;
  context.baseColour = m_crText;
  context.objectColours = &m_colours;
  context.globalColours = &GlobalColours();
  context.caseInsensitive = m_bCaseInsensitive != FALSE;
  markup::FontState font = ToState(lf);
  markup::Pen at{pen.left, pen.top, pen.right, pen.bottom};
  COLORREF colour = pDC->GetTextColor();
  if (!markup::ApplyTag(token, context, font, at, colour)) return FALSE;
  FromState(font, lf);
  pen = RECT{at.left, at.top, at.right, at.bottom};
  pDC->SetTextColor(colour);
  return TRUE;
}

void CMarkupLabel::DrawMarkup(CDC* pDC, const CRect& rect) {
  HFONT own = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (!own) own = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA lf = {};
  if (::GetObjectA(own, sizeof lf, &lf) != sizeof lf) return;
  HGDIOBJ oldFont = pDC->SelectObject(own);
  m_strFaceName = lf.lfFaceName;
  m_crText = pDC->GetTextColor();
  if (lf.lfHeight == 0) {
    // The default size, spelt out, so that relative sizes have something to work on.
    TEXTMETRICA tm = {};
    if (pDC->GetTextMetrics(&tm)) lf.lfHeight = -(tm.tmHeight - tm.tmInternalLeading);
  }

  CRect typical(0, 0, 0, 0);
  pDC->DrawText("ABC", 3, &typical, DT_CALCRECT | DT_NOPREFIX | DT_VCENTER);
  const int h = typical.Height();
  const int dpi = pDC->GetDeviceCaps(LOGPIXELSY);

  RECT pen = rect;
  for (int i = 0; i < m_tokens.GetSize(); ++i) {
    const CMarkupTag& token = m_tokens[i];
    if (token.isTag && ApplyTag(token, lf, pen, h, dpi, pDC)) continue;
    CFont font;
    if (!font.CreateFontIndirect(&lf)) continue;
    HGDIOBJ previous = pDC->SelectObject(font.m_hObject);
    CRect draw = pen;
    pDC->DrawText(token.text, &draw, DT_NOPREFIX | DT_VCENTER);
    CRect measured = pen;
    pDC->DrawText(token.text, &measured, DT_NOPREFIX | DT_VCENTER | DT_CALCRECT);
    pen.left += measured.Width();
    pDC->SelectObject(previous);
  }
  pDC->SetTextColor(m_crText);
  pDC->SelectObject(oldFont);
}

void CMarkupLabel::DrawTo(CDC* pDC, const CRect& rect) {
  CString text;
  GetWindowText(text);
  if (text != m_strText || m_tokens.IsEmpty()) {
    m_strText = text;
    Tokenize();
  }
  int oldMode = pDC->SetBkMode(TRANSPARENT);
  DrawMarkup(pDC, rect);
  pDC->SetBkMode(oldMode);
}

void CMarkupLabel::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  DrawTo(&dc, client);
}

LRESULT CMarkupLabel::OnSetText(WPARAM wParam, LPARAM lParam) {
  // Stored the generic way: the static's own handling would draw the raw text at once. The
  // text comes in the window's own character set (a Unicode static under common controls 6).
  LRESULT result = ::IsWindowUnicode(m_hWnd) ? ::DefWindowProcW(m_hWnd, WM_SETTEXT, wParam, lParam)
                                             : ::DefWindowProcA(m_hWnd, WM_SETTEXT, wParam, lParam);
  // The label paints no background: have the parent repaint what lies under the old text.
  CWnd* parent = GetParent();
  if (parent && IsWindowVisible()) {
    CRect r;
    GetWindowRect(&r);
    parent->ScreenToClient(&r);
    parent->InvalidateRect(&r, TRUE);
  }
  Invalidate(FALSE);
  return result;
}
