// Window-free rules of the real spin, the colour popup, the flat combo and the tips dialogs.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "controls/ColourPopupLogic.h"
#include "controls/RealSpinCtrlLogic.h"
#include "controls/TipsDialogLogic.h"
#include "framework/base/NumberText.h"

namespace {

TEST(RealSpinLogic, Positions) {
  EXPECT_EQ(realspin::Positions(0, 1e6, 1), 32767);
  EXPECT_EQ(realspin::Positions(0, 10, 0.3), 33);
  EXPECT_EQ(realspin::Positions(0, 10, -1), 10);
  EXPECT_EQ(realspin::Positions(0, 10, 0), -1);  // leave the control alone
  EXPECT_EQ(realspin::Positions(-DBL_MAX, DBL_MAX, 0.05), 32767);
  EXPECT_EQ(realspin::Positions(0, 10, std::numeric_limits<double>::quiet_NaN()), -1);
  EXPECT_EQ(realspin::Positions(0, std::numeric_limits<double>::infinity(), 1), -1);
  EXPECT_EQ(realspin::Positions(0, 10, 1e-300), 32767);
}

TEST(RealSpinLogic, PositionOfClampsAndRoundsHalfUp) {
  EXPECT_EQ(realspin::PositionOf(-5, 0, 10, 10), 0);
  EXPECT_EQ(realspin::PositionOf(50, 0, 10, 10), 10);
  EXPECT_EQ(realspin::PositionOf(2.5, 0, 10, 2), 1);  // 0.5 rounds up
  EXPECT_EQ(realspin::PositionOf(2.4, 0, 10, 2), 0);
  EXPECT_EQ(realspin::PositionOf(5, 5, 5, 10), -1);  // equal bounds: text only
  EXPECT_EQ(realspin::PositionOf(1, -DBL_MAX, DBL_MAX, 32767), 16384);
}

TEST(RealSpinLogic, StepEnforcesOnlyTheBoundInItsDirection) {
  EXPECT_EQ(realspin::Step(99.5, 1, 1, 0, 100), 100);
  EXPECT_EQ(realspin::Step(0.5, -1, 1, 0, 100), 0);
  EXPECT_EQ(realspin::Step(-20, 1, 1, 0, 100), -19);  // typed below the minimum, stepped up
  EXPECT_EQ(realspin::Step(120, -1, 1, 0, 100), 119);
  EXPECT_EQ(realspin::Step(DBL_MAX, 1, DBL_MAX, 0, DBL_MAX), DBL_MAX);
}

TEST(RealSpinLogic, FormatValue) {
  EXPECT_EQ(realspin::FormatValue(2.5, 3, ""), "2.5");
  EXPECT_EQ(realspin::FormatValue(2.0, 3, ""), "2");
  EXPECT_EQ(realspin::FormatValue(1.25, 3, ""), "1.25");
  EXPECT_EQ(realspin::FormatValue(1234567, 2, ""), "1.23e+06");  // two-digit exponents
  EXPECT_EQ(realspin::FormatValue(3.7, 0, ""), "4");
  EXPECT_EQ(realspin::FormatValue(2.0, 3, "%.3f"), "2.000");  // explicit format, untrimmed
  // General format keeps 15 digits, so a typed value comes back unchanged.
  for (double v : {14503.77, 0.1, 123456789.012345, -2.5e-7}) {
    CString text = realspin::FormatValue(v, -1, "");
    double back = 0;
    ASSERT_EQ(ParseDouble(text, back), NumberParse::Ok);
    EXPECT_EQ(back, v) << text.GetString();
  }
  CString third = realspin::FormatValue(1.0 / 3, -1, "");
  EXPECT_EQ(third, "0.333333333333333");
}

TEST(RealSpinLogic, ReadEditNumber) {
  struct Case {
    const char* text;
    bool accepted;
    double value;
  } cases[] = {
      {"", false, 0},    {".5", true, 0.5},   {"5.", false, 0},    {"-", true, 0},
      {"0", true, 0},    {"0.000", true, 0},  {"abc", false, 0},   {"-0", false, 0},
      {"+0", false, 0},  {"1e3", true, 1000}, {"12abc", false, 0}, {".", false, 0},
      {"nan", false, 0}, {"1e999", false, 0}, {" 7 ", true, 7},
  };
  for (const Case& c : cases) {
    realspin::EditNumber r = realspin::ReadEditNumber(c.text);
    EXPECT_EQ(r.accepted, c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_EQ(r.value, c.value) << c.text;
    }
  }
  realspin::EditNumber half = realspin::ReadEditNumber(".5");
  EXPECT_TRUE(half.rewritten);
  EXPECT_EQ(half.text, "0.5");
}

using namespace colourpopup;

TEST(ColourPopupLogic, PaletteFlagIsAddedAndRemovedNotToggled) {
  EXPECT_EQ(WithFlag(RGB(1, 2, 3)), RGB(1, 2, 3) | kPaletteFlag);
  EXPECT_EQ(WithFlag(WithFlag(RGB(1, 2, 3))), RGB(1, 2, 3) | kPaletteFlag);
  EXPECT_EQ(WithoutFlag(RGB(1, 2, 3)), RGB(1, 2, 3));  // XOR would have added it
  EXPECT_TRUE(SameColour(RGB(9, 9, 9), WithFlag(RGB(9, 9, 9))));
}

TEST(ColourPopupLogic, InitialCell) {
  EXPECT_EQ(InitialCell(RGB(255, 0, 0), RGB(0, 0, 0), true, true), 16);
  EXPECT_EQ(InitialCell(WithFlag(RGB(0, 0, 0)), RGB(0, 0, 0), true, true), kDefaultBox);
  EXPECT_EQ(InitialCell(RGB(0, 0, 0), RGB(0, 0, 0), false, true), 0);
  EXPECT_EQ(InitialCell(RGB(1, 2, 3), RGB(0, 0, 0), true, true), kCustomBox);
  EXPECT_EQ(InitialCell(RGB(1, 2, 3), RGB(0, 0, 0), true, false), kNone);
}

TEST(ColourPopupLogic, KeyboardNavigation) {
  // Right: along the rows, then to the boxes.
  EXPECT_EQ(Navigate(kDefaultBox, Key::Right, true, true), 0);
  EXPECT_EQ(Navigate(7, Key::Right, true, true), 8);
  EXPECT_EQ(Navigate(39, Key::Right, true, true), kCustomBox);
  EXPECT_EQ(Navigate(39, Key::Right, true, false), kDefaultBox);
  EXPECT_EQ(Navigate(39, Key::Right, false, false), 0);
  EXPECT_EQ(Navigate(kCustomBox, Key::Right, true, true), kDefaultBox);
  EXPECT_EQ(Navigate(kCustomBox, Key::Right, false, true), 0);
  // Left.
  EXPECT_EQ(Navigate(8, Key::Left, true, true), 7);
  EXPECT_EQ(Navigate(0, Key::Left, true, true), kDefaultBox);
  EXPECT_EQ(Navigate(kDefaultBox, Key::Left, true, true), kCustomBox);
  EXPECT_EQ(Navigate(kDefaultBox, Key::Left, true, false), 39);
  EXPECT_EQ(Navigate(kCustomBox, Key::Left, true, true), 39);
  // Down.
  EXPECT_EQ(Navigate(kDefaultBox, Key::Down, true, true), 0);
  EXPECT_EQ(Navigate(3, Key::Down, true, true), 11);
  EXPECT_EQ(Navigate(35, Key::Down, true, true), kCustomBox);
  EXPECT_EQ(Navigate(35, Key::Down, true, false), kDefaultBox);
  EXPECT_EQ(Navigate(35, Key::Down, false, false), 0);
  EXPECT_EQ(Navigate(kCustomBox, Key::Down, false, true), 0);
  // Up.
  EXPECT_EQ(Navigate(11, Key::Up, true, true), 3);
  EXPECT_EQ(Navigate(3, Key::Up, true, true), kDefaultBox);
  EXPECT_EQ(Navigate(3, Key::Up, false, true), kCustomBox);
  EXPECT_EQ(Navigate(3, Key::Up, false, false), 39);
  EXPECT_EQ(Navigate(kCustomBox, Key::Up, true, true), 39);
  EXPECT_EQ(Navigate(kDefaultBox, Key::Up, true, true), kCustomBox);
  EXPECT_EQ(Navigate(kDefaultBox, Key::Up, true, false), 39);
}

TEST(ColourPopupLogic, LayoutAndHitTest) {
  LayoutInput in;
  in.margin = 2;
  in.textHeight = 13;
  in.frameX = in.frameY = 3;
  in.x = 100;
  in.y = 100;
  Layout l = ComputeLayout(in);
  EXPECT_EQ(l.boxSize, 18);
  int textBox = 13 + 12 + 2;  // max(13, 18 - 6) + 6 * margin + 2
  EXPECT_EQ(l.defaultBox.Height(), textBox);
  EXPECT_EQ(l.window.Width(), 8 * 18 + 4 + 6);
  EXPECT_EQ(l.window.Height(), 5 * 18 + 4 + 2 * (textBox + 4) + 6);
  Box c9 = l.Cell(9);
  EXPECT_EQ(c9.left, 18 + 2);
  EXPECT_EQ(c9.top, 18 + 2 + textBox + 2);
  EXPECT_EQ(HitTest(l, c9.left, c9.top), 9);
  EXPECT_EQ(HitTest(l, c9.right - 1, c9.bottom - 1), 9);
  EXPECT_EQ(HitTest(l, l.defaultBox.left + 1, l.defaultBox.top + 1), kDefaultBox);
  EXPECT_EQ(HitTest(l, l.customBox.left + 1, l.customBox.bottom - 1), kCustomBox);
  EXPECT_EQ(HitTest(l, 0, 0), kNone);

  // Without the boxes the grid starts at the margin.
  in.hasDefault = in.hasCustom = false;
  Layout plain = ComputeLayout(in);
  EXPECT_EQ(plain.Cell(0).top, 2);
  EXPECT_TRUE(plain.defaultBox.Empty());

  // Near the bottom of the screen the popup opens above the picker.
  in.y = 1000;
  in.pickerHeight = 20;
  Layout above = ComputeLayout(in);
  EXPECT_EQ(above.window.top, 1000 - plain.window.Height() - 20);
  in.x = 1270;
  EXPECT_EQ(ComputeLayout(in).window.right, 1280);
  EXPECT_EQ(BoxSize(7), 18);
  EXPECT_EQ(BoxSize(8), 23);  // a large edge grows the boxes
}

TEST(ColourPopupLogic, ComboFrameStates) {
  ComboFrame f = ComboTimerTick(false, false, true);
  EXPECT_TRUE(f.raised);
  EXPECT_EQ(f.state, 1);
  f = ComboTimerTick(true, false, true);
  EXPECT_EQ(f.state, -1);  // stays raised, nothing to draw
  EXPECT_FALSE(f.stopTimer);
  f = ComboTimerTick(true, false, false);
  EXPECT_FALSE(f.raised);
  EXPECT_EQ(f.state, 0);
  EXPECT_TRUE(f.stopTimer);
  f = ComboTimerTick(true, true, true);
  EXPECT_EQ(f.state, 2);  // pressed
  EXPECT_TRUE(f.stopTimer);
}

TEST(TipsLogic, ToolIdsAreasAndMembership) {
  EXPECT_EQ(tips::SmallestFreeToolId({}), 1u);
  EXPECT_EQ(tips::SmallestFreeToolId({1}), 2u);
  EXPECT_EQ(tips::SmallestFreeToolId({1, 3}), 2u);
  tips::Area box = {10, 20, 200, 120};
  tips::Area caption = tips::GroupBoxToolArea(box, 50, false);
  EXPECT_EQ(caption.right, 59);
  EXPECT_EQ(caption.bottom, 120);
  EXPECT_EQ(tips::GroupBoxToolArea(box, 0, true).right, 200);
  EXPECT_EQ(tips::HelpTopic(1393), 0x20000u + 1393);
  EXPECT_TRUE(tips::InsideFrame(box, {10, 20, 199, 119}));
  EXPECT_FALSE(tips::InsideFrame(box, {10, 20, 200, 119}));  // touches the right edge
  EXPECT_FALSE(tips::InsideFrame(box, {10, 20, 199, 120}));  // touches the bottom edge
}

}  // namespace

// A spin step or a pick writes the whole text, which leaves the caret at 0 with nothing selected:
// that applies at once. Typing leaves the caret after the typed character, a whole-text selection
// is about to be typed over, and an emptied edit has nothing to apply yet: those wait.
TEST(EditChange, OnlyAWholeTextReplacementAppliesAtOnce) {
  EXPECT_TRUE(realspin::EditChangeAppliesAtOnce(4, 0, 0));
  EXPECT_TRUE(realspin::EditChangeAppliesAtOnce(1, 0, 0));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(0, 0, 0));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(4, 1, 1));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(4, 4, 4));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(4, 0, 4));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(4, 0, 1));
  EXPECT_FALSE(realspin::EditChangeAppliesAtOnce(4, 2, 4));
}
