// The markup label drawing into memory DCs: where runs stand, their size and colour, and tags
// that do not apply drawn as text.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "controls/MarkupLabel.h"
#include "tests/controls/small_controls_support.h"
#include "tests/controls/testsmallcontrols.h"

namespace {

struct Ink {
  int left = 10000, top = 10000, right = -1, bottom = -1;  // inclusive; right < 0: no ink
  int Width() const { return right < 0 ? 0 : right - left + 1; }
  int Height() const { return bottom < 0 ? 0 : bottom - top + 1; }
};

class MarkupWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(IDD_STATICS));
    ASSERT_TRUE(label.SubclassDlgItem(IDC_MARKUP, &dlg));
  }
  void TearDown() override {
    label.UnsubclassWindow();
    dlg.DestroyWindow();
    AfxDeleteTempMaps();
  }
  // Draws text with the label into a white canvas and keeps it for reading.
  void Draw(const char* text) {
    label.SetWindowText(text);
    canvas.reset(new qxtest::MemoryCanvas(kWidth, kHeight, RGB(255, 255, 255)));
    label.DrawTo(CDC::FromHandle(canvas->dc), CRect(0, 0, kWidth, kHeight));
  }
  // The ink of the columns from x0 to x1 (exclusive).
  Ink InkOf(int x0 = 0, int x1 = kWidth) const {
    Ink ink;
    for (int x = x0; x < x1; ++x)
      for (int y = 0; y < kHeight; ++y)
        if (canvas->Pixel(x, y) != RGB(255, 255, 255)) {
          ink.left = std::min(ink.left, x);
          ink.right = std::max(ink.right, x);
          ink.top = std::min(ink.top, y);
          ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
  }
  // The runs of inked columns, left to right.
  std::vector<Ink> Glyphs() const {
    std::vector<Ink> out;
    int x = 0;
    while (x < kWidth) {
      while (x < kWidth && InkOf(x, x + 1).Width() == 0) ++x;
      int start = x;
      while (x < kWidth && InkOf(x, x + 1).Width() != 0) ++x;
      if (x > start) out.push_back(InkOf(start, x));
    }
    return out;
  }
  bool Shows(COLORREF colour) const {
    for (int x = 0; x < kWidth; ++x)
      for (int y = 0; y < kHeight; ++y)
        if (canvas->Pixel(x, y) == colour) return true;
    return false;
  }
  static const int kWidth = 300, kHeight = 60;
  CDialog dlg{IDD_STATICS};
  CMarkupLabel label;
  std::unique_ptr<qxtest::MemoryCanvas> canvas;
};

TEST_F(MarkupWindow, SubscriptIsLowerAndSmallerAndTheLineComesBack) {
  Draw("H <sub>2</sub> H");
  std::vector<Ink> g = Glyphs();
  ASSERT_EQ(g.size(), 3u);
  EXPECT_GT(g[1].bottom, g[0].bottom);
  EXPECT_LT(g[1].Height(), g[0].Height());
  EXPECT_EQ(g[2].top, g[0].top);
  EXPECT_EQ(g[2].Height(), g[0].Height());
  // Runs follow one another: each starts where the one before ended.
  EXPECT_GT(g[1].left, g[0].right);
  EXPECT_GT(g[2].left, g[1].right);
  Draw("H H");
  std::vector<Ink> plain = Glyphs();
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].top, g[0].top);
}

TEST_F(MarkupWindow, TagsMatchAnyCaseAndSizeScales) {
  Draw("bold");
  int plain = InkOf().Width();
  Draw("<B>bold</B>");
  EXPECT_GT(InkOf().Width(), plain);
  Draw("H");
  int height = InkOf().Height();
  Draw("<size=*2>H");
  EXPECT_NEAR(InkOf().Height(), 2 * height, 2);
}

TEST_F(MarkupWindow, ColoursThatApplyAndTagsThatDrawAsText) {
  Draw("<color=0,128,255>H");
  EXPECT_TRUE(Shows(RGB(0, 128, 255)));
  Draw("<color_object=0>H");
  EXPECT_TRUE(Shows(RGB(255, 0, 255)));

  // Not applying: the tag (without its value) is drawn as text, in the current colour.
  Draw("<color=H");
  int asText = InkOf().Width();
  Draw("<color=0,128,256>H");
  EXPECT_EQ(InkOf().Width(), asText);
  EXPECT_FALSE(Shows(RGB(0, 128, 255)));
  Draw("<color=purple>H");
  EXPECT_EQ(InkOf().Width(), asText);
  EXPECT_TRUE(Shows(RGB(0, 0, 0)));
  Draw("<up=H");
  int upText = InkOf().Width();
  Draw("<up=0>H");
  EXPECT_EQ(InkOf().Width(), upText);
  Draw("<up=100001>H");
  EXPECT_EQ(InkOf().Width(), upText);
}

TEST_F(MarkupWindow, DrawingLeavesColourAndFontOfTheDcAsFound) {
  label.SetWindowText("a<color=red");
  qxtest::MemoryCanvas tagged(kWidth, kHeight, RGB(255, 255, 255));
  CDC* dc = CDC::FromHandle(tagged.dc);
  HGDIOBJ font = ::GetCurrentObject(tagged.dc, OBJ_FONT);
  ::SetTextColor(tagged.dc, RGB(1, 2, 3));
  label.DrawTo(dc, CRect(0, 0, kWidth, kHeight));
  EXPECT_EQ(::GetTextColor(tagged.dc), RGB(1, 2, 3));
  EXPECT_EQ(::GetCurrentObject(tagged.dc, OBJ_FONT), font);

  label.SetWindowText("<color=red>a<b><color=blue>c");
  label.DrawTo(dc, CRect(0, 0, kWidth, kHeight));
  EXPECT_EQ(::GetTextColor(tagged.dc), RGB(1, 2, 3));
  EXPECT_EQ(::GetCurrentObject(tagged.dc, OBJ_FONT), font);
}

}  // namespace
