// Times the grid the lab-data dialogs hold at its largest: 10,000 tests in three columns.
// A page scroll with its repaint (target: under 16 ms, one frame) and a paste of 10,000 rows
// (target: under 200 ms). Prints the figures; never fails on time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/GridCtrl.h"

namespace {

const int kTests = 10000;

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void FillTests(CGridCtrl& grid) {
  grid.SetRowCount(kTests + 1);
  grid.SetColumnCount(3);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  grid.SetItemText(0, 1, "sig3 (MPa)");
  grid.SetItemText(0, 2, "sig1 (MPa)");
  for (int r = 1; r <= kTests; ++r) {
    CString text;
    text.Format("%d", r);
    grid.SetItemText(r, 0, text);
    text.Format("%g", r * 0.5);
    grid.SetItemText(r, 1, text);
    text.Format("%g", r * 2.25);
    grid.SetItemText(r, 2, text);
  }
}

class CFrameWindow : public CWnd {};

TEST(GridTiming, PageScrollAndPasteOfTenThousandTests) {
  CFrameWindow frame;
  ASSERT_TRUE(frame.CreateEx(0, NULL, "grid timing", WS_POPUP | WS_VISIBLE,
                             CRect(20, 20, 420, 520), NULL, 0));
  CGridCtrl grid;
  ASSERT_TRUE(grid.Create(CRect(0, 0, 400, 500), &frame, 1175));
  grid.SetAlternateCellDrawing(TRUE);
  FillTests(grid);
  grid.AutoSize();
  grid.ExpandColumnsToFit();
  grid.SetFocusCell(1, 1);
  grid.UpdateWindow();

  // Page down and paint, 40 pages from the middle of the grid.
  grid.SetScrollPos32(SB_VERT, grid.GetVirtualHeight() / 2);
  grid.InvalidateGrid();
  grid.UpdateWindow();
  const int pages = 40;
  auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < pages; ++i) {
    grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    grid.UpdateWindow();
  }
  const double pageMs = Milliseconds(std::chrono::steady_clock::now() - t0) / pages;
  EXPECT_GT(grid.GetTopleftNonFixedCell().row, kTests / 2);

  // Paste 10,000 tab-separated rows from the top.
  std::string text;
  for (int r = 1; r <= kTests; ++r)
    text += std::to_string(r) + "." + std::to_string(r % 7) + "\t" + std::to_string(3 * r) + "\r\n";
  COleDataSource source;
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(h), text.c_str(), text.size() + 1);
  ::GlobalUnlock(h);
  source.CacheGlobalData(CF_TEXT, h);
  COleDataObject data;
  data.Attach(source.GetDataObject());
  t0 = std::chrono::steady_clock::now();
  ASSERT_TRUE(grid.PasteTextToGrid(GRIDCELLID(1, 1), &data));
  grid.UpdateWindow();
  const double pasteMs = Milliseconds(std::chrono::steady_clock::now() - t0);
  EXPECT_EQ(grid.GetItemText(kTests, 2), std::to_string(3 * kTests).c_str());
  EXPECT_EQ(grid.GetSelectedCount(), 2 * kTests);

  std::printf("grid, %d tests x 3 columns: page scroll and repaint %.2f ms (target 16), "
              "paste of %d rows %.1f ms (target 200)\n",
              kTests, pageMs, kTests, pasteMs);
  RecordProperty("page_scroll_ms", std::to_string(pageMs));
  RecordProperty("paste_ms", std::to_string(pasteMs));
  grid.DestroyWindow();
  frame.DestroyWindow();
}

}  // namespace
