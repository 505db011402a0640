// CMarkupLabel: a static that draws its window text as one line of styled runs. Tags in the
// text switch bold (<b> </b>), italic (<i> </i>), underline (<u> </u>), raise or lower the text
// (<sup> </sup> <sub> </sub> <up=N> <down=N>), change the size (<size=N> <size=+N> <size=-N>
// <size=*F>), the face (<face=Name> <sym> </sym> <std> </std>) and the colour (<color=R,G,B>
// <color=name> </color> <color_object=N> <color_global=N>). A tag that does not apply is drawn
// as text. The label paints no background of its own.
#pragma once

#include "controls/MarkupLabelLogic.h"
#include "framework/win/AfxWin.h"

class CMarkupLabel : public CStatic {
  DECLARE_DYNAMIC(CMarkupLabel)
 public:
  CMarkupLabel();

  // Empties the shared tag table and fills it again.
  static void RegisterTags();
  // Entry index of this label's colours; magenta when there is none.
  COLORREF GetObjectColour(int index) const;
  // Entry index of the colours all labels share; magenta when there is none.
  static COLORREF GetGlobalColour(int index);

  // Splits the stored text into runs and tags.
  void Tokenize();
  const CMarkupTagArray& GetTokens() const { return m_tokens; }
  // Applies a tag token to the running font, pen and the DC's text colour; FALSE when it does
  // not apply (it is then drawn as text).
  BOOL ApplyTag(const CMarkupTag& token, LOGFONTA& lf, RECT& pen, int h, int dpi, CDC* pDC);
  // Draws the tokens into rect with the control's font; the DC's colour and font are restored.
  void DrawMarkup(CDC* pDC, const CRect& rect);
  // Takes the window text (when it changed) and draws it into any DC, for printing and tests.
  void DrawTo(CDC* pDC, const CRect& rect);

 protected:
  afx_msg void OnPaint();
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  BOOL m_bCaseInsensitive;
  CString m_strText;
  CString m_strFaceName;
  COLORREF m_crText;
  CColourArray m_colours;
  CMarkupTagArray m_tokens;
};
