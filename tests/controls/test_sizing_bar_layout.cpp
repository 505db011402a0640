// Sizing-bar rules on a plain row model: sharing, dragging, hit testing,
// collapsing and stored sizes.
#include <gtest/gtest.h>

#include "controls/SizingControlBarLayout.h"

using namespace sizingbar;

namespace {
const UINT kTop = 0xE81B, kLeft = 0xE81C, kRight = 0xE81D, kFloat = 0xE81F;

RowEntry Bar(int length, int minLength, int thickness = 200, int minThickness = 33) {
  RowEntry e;
  e.kind = RowEntry::Sizing;
  e.length = length;
  e.minLength = minLength;
  e.thickness = thickness;
  e.minThickness = minThickness;
  return e;
}
RowEntry Sep() {
  return RowEntry{};
}
}  // namespace

TEST(SizingBarLayout, OneBarTakesTheWholeRow) {
  std::vector<RowEntry> list = {Sep(), Bar(100, 32), Sep()};
  list[1].keepSize = true;
  ShareResult r = ShareRowSpace(list, 1, 500);
  EXPECT_TRUE(r.usable);
  EXPECT_TRUE(r.changed);
  // available 500, actual 100 - 2 = 98: the bar grows by 402
  EXPECT_EQ(list[1].length, 502);
  EXPECT_FALSE(list[1].keepSize);
}

TEST(SizingBarLayout, SeveralBarsShareDeltaRespectingMinimumsAndKeepSize) {
  std::vector<RowEntry> list = {Sep(), Bar(100, 32, 150), Bar(100, 32, 220), Bar(100, 32, 180),
                                Sep()};
  list[2].keepSize = true;
  ShareRowSpace(list, 1, 400);  // actual 294, available 400: delta 106
  EXPECT_EQ(list[1].length + list[2].length + list[3].length, 300 + 106);
  EXPECT_EQ(list[2].length, 100);  // kept
  EXPECT_EQ(list[1].length, 153);
  EXPECT_EQ(list[3].length, 153);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(list[i].thickness, 220);  // thickest wins

  // Shrinking stops at the minimums, then keep size is given up.
  std::vector<RowEntry> tight = {Sep(), Bar(100, 90), Bar(100, 40), Sep()};
  tight[2].keepSize = true;
  ShareRowSpace(tight, 1, 150);  // actual 196, delta -46
  EXPECT_EQ(tight[1].length, 90);
  EXPECT_EQ(tight[2].length, 64);
  EXPECT_FALSE(tight[2].keepSize);

  // Fixed bars take their window length from what the sizing bars get.
  RowEntry fixed;
  fixed.kind = RowEntry::Fixed;
  fixed.length = 52;
  std::vector<RowEntry> mixed = {Sep(), fixed, Bar(100, 32), Sep()};
  ShareRowSpace(mixed, 2, 300);
  EXPECT_EQ(mixed[2].length, 300 - 50 - 98 + 100);
}

TEST(SizingBarLayout, RowBreaksAtTheFirstBarThatDoesNotFit) {
  // Minimums 100 each: 2 + 98 + 98 + 98 > 250 at the third bar.
  std::vector<RowEntry> list = {Sep(), Bar(120, 100), Bar(120, 100), Bar(120, 100), Sep()};
  ShareResult r = ShareRowSpace(list, 1, 250);
  EXPECT_TRUE(r.usable);
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[3].kind, RowEntry::Separator);     // break before the third bar
  EXPECT_EQ(list[1].length + list[2].length, 254);  // 236 of 250 used: 7 more each

  // Asked from the bar that does not fit: a break after the earlier bar.
  std::vector<RowEntry> late = {Sep(), Bar(120, 100), Bar(120, 100), Bar(120, 100), Sep()};
  ShareResult r2 = ShareRowSpace(late, 3, 250);
  EXPECT_TRUE(r2.usable);
  EXPECT_EQ(late[3].length, 100);  // this bar gets its minimum
  std::vector<RowEntry> early = {Sep(), Bar(120, 200), Bar(120, 200), Bar(120, 100), Sep()};
  ShareResult r3 = ShareRowSpace(early, 3, 250);
  EXPECT_FALSE(r3.usable);
  EXPECT_EQ(early[3].kind, RowEntry::Separator);
}

TEST(SizingBarLayout, DragRangesAndRedistribution) {
  // Two bars stacked in a vertical row: dragging the edge between them.
  RowEntry a = Bar(200, 50), b = Bar(300, 80);
  std::vector<RowEntry*> bars = {&a, &b};
  DragState st;
  BeginInnerDrag(bars, 0, HTBOTTOM, 1000, st);
  EXPECT_EQ(st.minPos, 1000 - 150);
  EXPECT_EQ(st.maxPos, 1000 + 220);
  EXPECT_TRUE(UpdateDrag(bars, 0, st, 1040));
  EXPECT_EQ(a.length, 240);
  EXPECT_EQ(b.length, 260);
  EXPECT_FALSE(UpdateDrag(bars, 0, st, 1040));  // unchanged position
  EXPECT_TRUE(UpdateDrag(bars, 0, st, 5000));   // clamped at the maximum
  EXPECT_EQ(b.length, 80);
  EXPECT_EQ(a.length + b.length, 500);
  // The same edge seen from the lower bar (its top edge), moved up.
  DragState up;
  BeginInnerDrag(bars, 1, HTTOP, 0, up);
  EXPECT_TRUE(UpdateDrag(bars, 1, up, -10000));
  EXPECT_EQ(a.length, 50);
  EXPECT_EQ(b.length, 450);

  // The outer edge of a left-docked bar: room is the free area less 2 pixels.
  RowEntry side = Bar(600, 32, 250, 33);
  std::vector<RowEntry*> one = {&side};
  DragState o;
  BeginOuterDrag(one, 0, HTRIGHT, 250, 400, o);
  EXPECT_EQ(o.minPos, 250 - (250 - 33));
  EXPECT_EQ(o.maxPos, 250 + 398);
  UpdateDrag(one, 0, o, 2000);
  EXPECT_EQ(side.thickness, 250 + 398);
  UpdateDrag(one, 0, o, -2000);
  EXPECT_EQ(side.thickness, 33);
  // A right-docked bar's outer edge is its left edge: moving left widens it.
  RowEntry rside = Bar(600, 32, 250, 33);
  std::vector<RowEntry*> rone = {&rside};
  DragState ro;
  BeginOuterDrag(rone, 0, HTLEFT, 700, 100, ro);
  UpdateDrag(rone, 0, ro, 650);
  EXPECT_EQ(rside.thickness, 300);
}

TEST(SizingBarLayout, ClientAreaEdgesAndHitTesting) {
  RECT rc = {0, 0, 250, 600};
  DWORD flags = 0;
  RECT c = CalcClientArea(rc, kLeft, flags, 9);
  EXPECT_EQ(flags, 2u);  // the right (outer) edge
  EXPECT_EQ(c.right, 241);
  EXPECT_EQ(c.left, 0);
  flags = 0;
  CalcClientArea(rc, kRight, flags, 9);
  EXPECT_EQ(flags, 1u);
  flags = 0;
  CalcClientArea(rc, kTop, flags, 9);
  EXPECT_EQ(flags, 8u);
  flags = 0;
  RECT f = CalcClientArea(rc, kFloat, flags, 9);
  EXPECT_EQ(f.left, 3);
  EXPECT_EQ(f.top, 5);
  EXPECT_EQ(f.bottom, 597);
  EXPECT_EQ(EdgeFlags(false, 0, 2), 8u);
  EXPECT_EQ(EdgeFlags(false, 1, 2), 4u);
  EXPECT_EQ(EdgeFlags(true, 1, 3), 3u);

  RECT edge;
  EXPECT_TRUE(GetEdgeRect(rc, HTRIGHT, 2, true, 9, edge));
  EXPECT_EQ(edge.left, 241);
  EXPECT_EQ(edge.top, 9);
  EXPECT_FALSE(GetEdgeRect(rc, HTLEFT, 2, true, 9, edge));

  HitInput in;
  in.window = {100, 0, 350, 600};
  in.dockBarId = kLeft;
  in.edgeFlags = 2;
  in.pt = {345, 100};
  EXPECT_EQ(HitTest(in), HTRIGHT);
  in.pt = {200, 100};
  EXPECT_EQ(HitTest(in), HTCLIENT);
  in.collapsing = true;
  in.pt = {345, 300};  // the middle of the edge: the button
  EXPECT_EQ(HitTest(in), HTMINBUTTON);
  in.collapsed = true;
  in.pt = {345, 100};  // a collapsed bar answers only its button
  EXPECT_EQ(HitTest(in), HTCLIENT);
  in.pt = {345, 300};
  EXPECT_EQ(HitTest(in), HTMINBUTTON);
  in.dockBarId = kFloat;
  EXPECT_EQ(HitTest(in), HTCLIENT);
}

TEST(SizingBarLayout, CollapseStoredSizesAndArrows) {
  CollapseState st;
  st.vert = {250, 600};
  ToggleMinimized(st);
  EXPECT_TRUE(st.collapsed);
  EXPECT_EQ(st.vert.cx, 14);
  EXPECT_EQ(st.expanded.cx, 250);
  ToggleMinimized(st);
  EXPECT_FALSE(st.collapsed);
  EXPECT_EQ(st.vert.cx, 250);

  EXPECT_EQ(ClampStoredSize(5, 33, 1920), 33);
  EXPECT_EQ(ClampStoredSize(5, 14, 1920), 14);
  EXPECT_EQ(ClampStoredSize(100000, 33, 1920), 1920);  // damaged registry value
  EXPECT_EQ(ClampStoredSize(300, 33, 1920), 300);

  EXPECT_TRUE(ArrowsPointRight(true, false));
  EXPECT_TRUE(ArrowsPointRight(false, true));
  EXPECT_FALSE(ArrowsPointRight(false, false));
  EXPECT_FALSE(ArrowsPointRight(true, true));
}
