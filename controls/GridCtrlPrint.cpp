// CGridCtrl: printing, page by page. The page is laid out in grid pixels (the grid's width and
// a height in the page's proportions) and scaled onto the paper: a header with the program's
// title and the window's caption, the column headings, the rows that fit, and a footer with
// the page number and the date.
#include <algorithm>
#include <cstring>
#include <ctime>

#include "controls/GridCtrl.h"
#include "controls/GridLogic.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/Printing.h"

namespace {

// Measures the average character of the printer font.
const char kMeasure[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

// A bold copy of a font (the caller deletes it).
HFONT BoldCopy(const CFont& font) {
  LOGFONTA lf;
  if (!font.m_hObject || !font.GetLogFont(&lf)) return NULL;
  lf.lfWeight = FW_BOLD;
  return ::CreateFontIndirectA(&lf);
}

}  // namespace

void CGridCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo || m_nRows <= m_nFixedRows) return;
  LOGFONTA lf = {};
  lf.lfHeight = -9;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_STRING_PRECIS;
  lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
  std::strcpy(lf.lfFaceName, "Times New Roman");
  m_PrinterFont.DeleteObject();
  m_PrinterFont.CreateFontIndirect(&lf);

  HGDIOBJ old = pDC->SelectObject(m_PrinterFont.m_hObject);
  const int length = static_cast<int>(sizeof kMeasure) - 1;
  CSize measured = pDC->GetTextExtent(kMeasure, length);
  pDC->SelectObject(old);
  m_CharSize = CSize(std::max<int>(measured.cx / length, 1), std::max<int>(measured.cy, 1));

  m_nPrintWidth = GetVirtualWidth() + 8 * m_CharSize.cx;
  const int horz = std::max(pDC->GetDeviceCaps(HORZRES), 1);
  m_nPageHeight = ::MulDiv(m_nPrintWidth, pDC->GetDeviceCaps(VERTRES), horz);
  m_nPrintBodyHeight = m_nPageHeight - 6 * m_CharSize.cy - GetFixedRowHeight();
  m_PageStarts =
      gridlogic::PageStarts(m_arRowHeights.GetData(), m_nFixedRows, m_nRows, m_nPrintBodyHeight);
  pInfo->SetMaxPage(static_cast<UINT>(m_PageStarts.size()));
  pInfo->m_nCurPage = 1;
}

void CGridCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (!pDC || !pInfo || m_PageStarts.empty()) return;
  const int page = static_cast<int>(pInfo->m_nCurPage);
  if (page < 1 || page > static_cast<int>(m_PageStarts.size())) return;
  const int first = m_PageStarts[page - 1];
  const int end = page < static_cast<int>(m_PageStarts.size()) ? m_PageStarts[page] : m_nRows;

  const int saved = pDC->SaveDC();
  pDC->SelectObject(m_PrinterFont.m_hObject);
  pDC->SetMapMode(MM_ANISOTROPIC);
  pDC->SetWindowExt(m_nPrintWidth, m_nPageHeight);
  pDC->SetViewportExt(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  pDC->SetWindowOrg(-4 * m_CharSize.cx, 0);  // the left margin

  PrintHeader(pDC, pInfo);
  pDC->SetWindowOrg(-4 * m_CharSize.cx, -3 * m_CharSize.cy);
  PrintColumnHeadings(pDC, pInfo);
  pDC->SetWindowOrg(-4 * m_CharSize.cx, -3 * m_CharSize.cy - GetFixedRowHeight());
  PrintRows(pDC, first, end, FALSE);

  pDC->SetWindowOrg(-4 * m_CharSize.cx, 0);
  PrintFooter(pDC, pInfo);
  pDC->RestoreDC(saved);
}

void CGridCtrl::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {
  m_PrinterFont.DeleteObject();
  m_PageStarts.clear();
}

void CGridCtrl::PrintColumnHeadings(CDC* pDC, CPrintInfo* /*pInfo*/) {
  const int saved = pDC->SaveDC();
  pDC->SelectObject(m_PrinterFont.m_hObject);
  PrintRows(pDC, 0, m_nFixedRows, TRUE);
  pDC->RestoreDC(saved);
}

// Rows [first, end) from y = 0, every column from x = 0, each cell ruled with the DC's pen:
// its bottom and right edges, and the top of the first row and the left of the first column.
void CGridCtrl::PrintRows(CDC* pDC, int first, int end, BOOL bHeadings) {
  const bool horz = m_nGridLines == GRIDLINES_BOTH || m_nGridLines == GRIDLINES_HORZ;
  const bool vert = m_nGridLines == GRIDLINES_BOTH || m_nGridLines == GRIDLINES_VERT;
  int y = 0;
  for (int row = first; row < end; ++row) {
    CRect rect;
    rect.top = y;
    rect.bottom = y + GetRowHeight(row) - 1;
    int x = 0;
    for (int col = 0; col < m_nCols; ++col) {
      rect.left = x;
      rect.right = x + GetColumnWidth(col) - 1;
      if (bHeadings)
        DrawFixedCell(pDC, row, col, rect, FALSE);
      else
        DrawCell(pDC, row, col, rect, FALSE);
      if (horz) {
        pDC->MoveTo(rect.left - (col > 0 ? 1 : 0), rect.bottom);
        pDC->LineTo(rect.right, rect.bottom);
        if (row == first) {
          pDC->MoveTo(rect.left - (col > 0 ? 1 : 0), rect.top);
          pDC->LineTo(rect.right, rect.top);
        }
      }
      if (vert) {
        pDC->MoveTo(rect.right, rect.top - (row > first ? 1 : 0));
        pDC->LineTo(rect.right, rect.bottom);
        if (col == 0) {
          pDC->MoveTo(rect.left, rect.top);
          pDC->LineTo(rect.left, rect.bottom);
        }
      }
      x += GetColumnWidth(col);
    }
    y += GetRowHeight(row);
  }
}

void CGridCtrl::PrintHeader(CDC* pDC, CPrintInfo* /*pInfo*/) {
  CRect rect(0, 0, m_nPrintWidth - 8 * m_CharSize.cx, 2 * m_CharSize.cy);
  const int saved = pDC->SaveDC();
  HFONT bold = BoldCopy(m_PrinterFont);
  if (bold) pDC->SelectObject(bold);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(0, 0, 0));
  CString title = AfxLoadString(AFX_IDS_APP_TITLE);
  pDC->DrawText(title, &rect, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  // The caption of the nearest window around the grid that has one.
  CString caption;
  for (HWND h = m_hWnd ? ::GetParent(m_hWnd) : NULL; h && caption.IsEmpty(); h = ::GetParent(h))
    CWnd::FromHandle(h)->GetWindowText(caption);
  pDC->DrawText(caption, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  pDC->SelectStockObject(BLACK_PEN);
  pDC->MoveTo(rect.left, rect.bottom);
  pDC->LineTo(rect.right, rect.bottom);
  pDC->RestoreDC(saved);
  if (bold) ::DeleteObject(bold);
}

void CGridCtrl::PrintFooter(CDC* pDC, CPrintInfo* pInfo) {
  CRect rect(0, m_nPageHeight - 2 * m_CharSize.cy, m_nPrintWidth - 8 * m_CharSize.cx,
             m_nPageHeight);
  const int saved = pDC->SaveDC();
  pDC->SelectStockObject(BLACK_PEN);
  pDC->MoveTo(rect.left, rect.top);
  pDC->LineTo(rect.right, rect.top);
  rect.OffsetRect(0, m_CharSize.cy / 2);
  HFONT bold = BoldCopy(m_PrinterFont);
  if (bold) pDC->SelectObject(bold);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(0, 0, 0));
  CString page;
  page.Format("Page %u of %u", pInfo->m_nCurPage, pInfo->GetMaxPage());
  pDC->DrawText(page, &rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SYSTEMTIME now;
  AfxGetLocalTime(&now);
  std::tm when = {};
  when.tm_year = now.wYear - 1900;
  when.tm_mon = now.wMonth - 1;
  when.tm_mday = now.wDay;
  when.tm_hour = now.wHour;
  when.tm_min = now.wMinute;
  when.tm_sec = now.wSecond;
  when.tm_wday = now.wDayOfWeek;
  char date[128] = "";
  std::strftime(date, sizeof date, "%c", &when);
  pDC->DrawText(date, -1, &rect, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  pDC->RestoreDC(saved);
  if (bold) ::DeleteObject(bold);
}
