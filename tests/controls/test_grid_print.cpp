// Printing the grid into enhanced metafiles made against the tests' PDF printer (so the pages
// have a printer's metrics): the page count, the header, the column headings on every page,
// every row on exactly one page at its place, and a row taller than a page on a page of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "controls/GridCtrl.h"
#include "framework/win/Printing.h"
#include "tests/support/Screenshot.h"

namespace {

class CPrintGrid : public CGridCtrl {
 public:
  CSize CharSize() const { return m_CharSize; }
  int PageHeight() const { return m_nPageHeight; }
  int PrintWidth() const { return m_nPrintWidth; }
};

// A text drawn on a page, at its place in the page's grid pixels.
struct PrintedText {
  std::string text;
  int x;
  int y;
};

struct PrintedPage {
  std::vector<PrintedText> texts;
  SIZE windowExt = {0, 0};
  SIZE viewportExt = {0, 0};
  const PrintedText* Find(const std::string& text) const {
    for (const PrintedText& t : texts)
      if (t.text == text) return &t;
    return nullptr;
  }
};

// Reads a page's texts back, following the window origin through saved and restored states.
int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM data) {
  struct State {
    PrintedPage* page;
    std::vector<POINT> saved;
    POINT origin;
  };
  State& s = *reinterpret_cast<State*>(data);
  switch (rec->iType) {
    case EMR_SAVEDC:
      s.saved.push_back(s.origin);
      break;
    case EMR_RESTOREDC: {
      int n = -reinterpret_cast<const EMRRESTOREDC*>(rec)->iRelative;
      while (n-- > 0 && !s.saved.empty()) {
        s.origin = s.saved.back();
        s.saved.pop_back();
      }
      break;
    }
    case EMR_SETWINDOWORGEX: {
      const POINTL& o = reinterpret_cast<const EMRSETWINDOWORGEX*>(rec)->ptlOrigin;
      s.origin = {o.x, o.y};
      break;
    }
    case EMR_SETWINDOWEXTEX:
      s.page->windowExt = reinterpret_cast<const EMRSETWINDOWEXTEX*>(rec)->szlExtent;
      break;
    case EMR_SETVIEWPORTEXTEX:
      s.page->viewportExt = reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(rec)->szlExtent;
      break;
    case EMR_EXTTEXTOUTW:
    case EMR_EXTTEXTOUTA: {
      const auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(rec);
      const BYTE* base = reinterpret_cast<const BYTE*>(rec) + t->emrtext.offString;
      std::string text;
      for (DWORD i = 0; i < t->emrtext.nChars; ++i)
        text += rec->iType == EMR_EXTTEXTOUTW
                    ? static_cast<char>(reinterpret_cast<const WCHAR*>(base)[i])
                    : static_cast<char>(base[i]);
      s.page->texts.push_back({text, t->emrtext.ptlReference.x - s.origin.x,
                               t->emrtext.ptlReference.y - s.origin.y});
      break;
    }
    default:
      break;
  }
  return 1;
}

void FakeClock(SYSTEMTIME* t) {
  *t = {};
  t->wYear = 2024;
  t->wMonth = 3;
  t->wDay = 14;
  t->wDayOfWeek = 4;
  t->wHour = 15;
  t->wMinute = 9;
  t->wSecond = 26;
}

class GridPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[256];
    DWORD size = sizeof name;
    if (!std::getenv("CUPS_SERVER") || !::GetDefaultPrinterA(name, &size))
      GTEST_SKIP() << "no test printer";
    m_printer = ::CreateICA("WINSPOOL", name, NULL, NULL);
    ASSERT_TRUE(m_printer != NULL);
    m_printerDC.Attach(m_printer);
    m_printerDC.m_bPrinting = TRUE;
    ASSERT_TRUE(m_frame.CreateEx(0, NULL, "Lab Data", WS_POPUP | WS_CAPTION,
                                 CRect(0, 0, 400, 300), NULL, 0));
    ASSERT_TRUE(m_grid.Create(CRect(0, 0, 380, 260), &m_frame, 1175));
    m_grid.SetRowCount(121);
    m_grid.SetColumnCount(3);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetItemText(0, 1, "sig3");
    m_grid.SetItemText(0, 2, "sig1");
    for (int r = 1; r < 121; ++r) {
      m_grid.SetItemText(r, 0, std::to_string(r).c_str());
      m_grid.SetItemText(r, 1, (std::to_string(r) + ".1").c_str());
      m_grid.SetItemText(r, 2, (std::to_string(r) + ".2").c_str());
    }
    m_grid.AutoSize();
    m_grid.ExpandColumnsToFit();  // as wide as a dialog's grid
  }
  void TearDown() override {
    m_grid.DestroyWindow();
    m_frame.DestroyWindow();
  }

  PrintedPage PrintPage(UINT page, bool keepPicture = false) {
    PrintedPage printed;
    HDC recorder = ::CreateEnhMetaFileA(m_printer, NULL, NULL, NULL);
    CDC dc;
    dc.Attach(recorder);
    dc.m_bPrinting = TRUE;
    m_info.m_nCurPage = page;
    m_grid.OnPrint(&dc, &m_info);
    HENHMETAFILE emf = ::CloseEnhMetaFile(dc.Detach());
    if (keepPicture) SavePicture(emf);
    struct {
      PrintedPage* page;
      std::vector<POINT> saved;
      POINT origin;
    } state = {&printed, {}, {0, 0}};
    ::EnumEnhMetaFile(NULL, emf, ReadRecord, &state, NULL);
    ::DeleteEnhMetaFile(emf);
    return printed;
  }

  // Keeps the first page as a picture beside the window tests' screenshots.
  void SavePicture(HENHMETAFILE emf) {
    const int w = 600;
    const int h = ::MulDiv(w, ::GetDeviceCaps(m_printer, VERTSIZE),
                           ::GetDeviceCaps(m_printer, HORZSIZE));
    HDC screen = ::GetDC(NULL);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, w, h);
    ::ReleaseDC(NULL, screen);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    RECT all = {0, 0, w, h};
    ::FillRect(mem, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::PlayEnhMetaFile(mem, emf, &all);
    ::SelectObject(mem, old);
    qxtest::SaveBitmap(bitmap, qxtest::ScreenshotFolder() + "grid-printed-page.bmp");
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
  }

  HDC m_printer = NULL;
  CDC m_printerDC;
  CWnd m_frame;
  CPrintGrid m_grid;
  CPrintInfo m_info;
  CSeamOverride<AfxClockSeam> m_clock{&AfxSetClockSeam, &FakeClock};
};

TEST_F(GridPrint, PagesCarryTheHeaderTheHeadingsAndEachRowOnce) {
  m_grid.OnBeginPrinting(&m_printerDC, &m_info);
  const int pages = static_cast<int>(m_info.GetMaxPage());
  ASSERT_GE(pages, 2);
  EXPECT_EQ(m_info.m_nCurPage, 1u);
  const CSize ch = m_grid.CharSize();
  const int fixedHeight = m_grid.GetFixedRowHeight();
  const int body = m_grid.PageHeight() - 6 * ch.cy - fixedHeight;
  EXPECT_EQ(m_grid.PrintWidth(), m_grid.GetVirtualWidth() + 8 * ch.cx);
  EXPECT_EQ(m_grid.PageHeight(),
            ::MulDiv(m_grid.PrintWidth(), ::GetDeviceCaps(m_printer, VERTRES),
                     ::GetDeviceCaps(m_printer, HORZRES)));

  char date[128];
  std::tm when = {};
  when.tm_year = 124;
  when.tm_mon = 2;
  when.tm_mday = 14;
  when.tm_wday = 4;
  when.tm_hour = 15;
  when.tm_min = 9;
  when.tm_sec = 26;
  std::strftime(date, sizeof date, "%c", &when);

  int nextRow = 1;
  const int firstBodyY = 3 * ch.cy + fixedHeight;
  const int col1 = m_grid.GetColumnWidth(0), col2 = col1 + m_grid.GetColumnWidth(1);
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    PrintedPage printed = PrintPage(static_cast<UINT>(page), page == 1);
    // The page in grid pixels, scaled onto the printer's whole page.
    EXPECT_EQ(printed.windowExt.cx, m_grid.PrintWidth());
    EXPECT_EQ(printed.windowExt.cy, m_grid.PageHeight());
    EXPECT_EQ(printed.viewportExt.cx, ::GetDeviceCaps(m_printer, HORZRES));
    EXPECT_EQ(printed.viewportExt.cy, ::GetDeviceCaps(m_printer, VERTRES));

    const PrintedText* caption = printed.Find("Lab Data");
    ASSERT_TRUE(caption != nullptr);
    EXPECT_LT(caption->y, 2 * ch.cy);
    const PrintedText* heading = printed.Find("sig3");
    ASSERT_TRUE(heading != nullptr);
    EXPECT_GE(heading->y, 3 * ch.cy);
    EXPECT_LT(heading->y, firstBodyY);
    std::string footer = "Page " + std::to_string(page) + " of " + std::to_string(pages);
    const PrintedText* number = printed.Find(footer);
    ASSERT_TRUE(number != nullptr);
    EXPECT_GT(number->y, m_grid.PageHeight() - 2 * ch.cy);
    EXPECT_TRUE(printed.Find(date) != nullptr);

    // The rows that follow, in order, each at its place, until the body is full.
    const PrintedText* first = printed.Find(std::to_string(nextRow) + ".1");
    ASSERT_TRUE(first != nullptr);
    EXPECT_EQ(first->y, firstBodyY);
    int y = firstBodyY;
    while (nextRow < 121) {
      const PrintedText* a = printed.Find(std::to_string(nextRow) + ".1");
      if (!a) break;
      const PrintedText* b = printed.Find(std::to_string(nextRow) + ".2");
      ASSERT_TRUE(b != nullptr);
      EXPECT_EQ(a->y, y);
      EXPECT_EQ(b->y, y);
      EXPECT_EQ(a->x, 4 * ch.cx + col1 + m_grid.GetTextMargin());
      EXPECT_EQ(b->x, 4 * ch.cx + col2 + m_grid.GetTextMargin());
      y += m_grid.GetRowHeight(nextRow);
      ++nextRow;
    }
    EXPECT_LE(y - firstBodyY, body);
  }
  EXPECT_EQ(nextRow, 121);  // every row printed, none twice
  m_grid.OnEndPrinting(&m_printerDC, &m_info);
}

TEST_F(GridPrint, ARowTallerThanAPageGetsAPageOfItsOwn) {
  m_grid.OnBeginPrinting(&m_printerDC, &m_info);
  const UINT before = m_info.GetMaxPage();
  m_grid.SetRowHeight(40, 3 * m_grid.PageHeight());
  m_grid.OnBeginPrinting(&m_printerDC, &m_info);
  ASSERT_GT(m_info.GetMaxPage(), before);
  for (UINT page = 1; page <= m_info.GetMaxPage(); ++page) {
    PrintedPage printed = PrintPage(page);
    if (printed.Find("40.1")) {
      EXPECT_TRUE(printed.Find("39.1") == nullptr);
      EXPECT_TRUE(printed.Find("41.1") == nullptr);
      return;
    }
  }
  ADD_FAILURE() << "row 40 was not printed";
}

TEST_F(GridPrint, AGridOfHeadingsOnlyHasNothingToPrint) {
  m_grid.SetRowCount(1);
  m_info.SetMaxPage(7);
  m_grid.OnBeginPrinting(&m_printerDC, &m_info);
  EXPECT_EQ(m_info.GetMaxPage(), 7u);
  PrintedPage printed = PrintPage(1);
  EXPECT_TRUE(printed.texts.empty());
}

}  // namespace
