#include "view/ResultsTextPainter.h"

namespace {

// The line height is measured on this text, in the regular chart font.
const char kMeasureText[] = "ABCDEFGHIJKLMOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
const UINT kLineFormat = DT_SINGLELINE | DT_VCENTER;

RECT ToRect(const PlotRect& r) {
  RECT out = {r.left, r.top, r.right, r.bottom};
  return out;
}

}  // namespace

ResultsLayout PaintResultsText(CDC* dc, const ResultsPaintInput& in) {
  ResultsLayout layout;
  ResultsPanel panel;
  if (!BuildResultLines(in.doc, in.decimals, &panel)) return layout;
  const bool hasTitle = !in.title.IsEmpty();
  if (!in.projectData && (!in.showTitle || !hasTitle)) return layout;

  HFONT font = in.font ? in.font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA lf = {};
  ::GetObjectA(font, sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  CFont bold;
  bold.CreateFontIndirect(&lf);
  CFont* regular = CFont::FromHandle(font);

  CFont* previous = dc->SelectObject(regular);
  const int oldMode = dc->SetBkMode(TRANSPARENT);
  const COLORREF oldColour = dc->SetTextColor(RGB(0, 0, 0));

  ResultsLayoutInput li;
  li.client = in.client;
  li.lineHeight = dc->GetTextExtent(kMeasureText, sizeof kMeasureText - 1).cy;
  li.projectData = in.projectData;
  li.showTitle = in.showTitle;
  li.hasTitle = hasTitle;
  li.shearOnly = in.shearOnly;
  li.shearOriginX = in.shearOriginX;
  li.keyWidth = dc->GetTextExtent(panel.keyLine.c_str(), static_cast<int>(panel.keyLine.size())).cx;
  li.extraWidth = panel.extraWidth;
  li.lines = &panel.lines;
  if (hasTitle && bold.m_hObject) {
    dc->SelectObject(&bold);
    const CSize t = dc->GetTextExtent(in.title);
    li.titleWidth = t.cx;
    li.titleHeight = t.cy;
  }
  layout = LayoutResults(li);

  if (layout.drawTitle) {
    dc->SelectObject(bold.m_hObject ? &bold : regular);
    RECT r = ToRect(layout.title);
    CString title = in.title;
    dc->DrawText(title, &r, kLineFormat);
  }
  if (layout.drawPanel) {
    RECT p = ToRect(layout.panel);
    dc->FillSolidRect(&p, RGB(255, 255, 255));
    if (panel.hasDataBlock) panel.model->SetBestFitFlag(IsCurrentBestFit(*panel.model));
    for (size_t i = 0; i < panel.lines.size(); ++i) {
      const ResultLine& line = panel.lines[i];
      dc->SelectObject(line.heading && bold.m_hObject ? &bold : regular);
      RECT r = ToRect(layout.lineRects[i]);
      dc->DrawText(line.text.c_str(), static_cast<int>(line.text.size()), &r, kLineFormat);
    }
  }

  dc->SetTextColor(oldColour);
  dc->SetBkMode(oldMode);
  dc->SelectObject(previous);
  return layout;
}
