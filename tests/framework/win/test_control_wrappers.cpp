// The common-control wrappers on real controls.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/win/AfxWin.h"

namespace {

TEST(ListCtrlWrapper, TextWidthsColumnsAndSelection) {
  CWnd host;
  ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 400, 300), NULL, 0));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                          CRect(0, 0, 380, 280), &host, 10));
  // Text widths are measured in the list's own font.
  HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  const char* text = "Cohesion range (MPa)";
  HDC dc = ::GetDC(list.m_hWnd);
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size = {};
  ::GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(list.m_hWnd, dc);
  EXPECT_EQ(list.GetStringWidth(text), size.cx);
  EXPECT_GT(list.GetStringWidth("WWWW"), list.GetStringWidth("W"));
  EXPECT_EQ(list.GetStringWidth(""), 0);

  EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 120), 0);
  EXPECT_EQ(list.GetColumnWidth(0), 120);
  list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
  EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
  list.InsertItem(0, "a");
  list.InsertItem(1, "b");
  EXPECT_EQ(list.GetSelectedCount(), 0u);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
  host.DestroyWindow();
}

// A window tool is found by its window alone, for every call that takes a tool.
TEST(ToolTipWrapper, WindowToolsByTheirWindow) {
  CWnd host;
  ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 200, 100), NULL, 0));
  CWnd child;
  ASSERT_TRUE(child.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 7));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&host));
  ASSERT_TRUE(tip.AddTool(&child, "first"));
  char buffer[80] = "";
  TOOLINFOA ti = {};
  ti.lpszText = buffer;
  ASSERT_TRUE(tip.GetToolInfo(ti, &child));
  EXPECT_STREQ(buffer, "first");
  tip.UpdateTipText("second", &child);
  ti.lpszText = buffer;
  ASSERT_TRUE(tip.GetToolInfo(ti, &child));
  EXPECT_STREQ(buffer, "second");
  tip.DelTool(&child);
  EXPECT_EQ(tip.GetToolCount(), 0);
  host.DestroyWindow();
}

}  // namespace
