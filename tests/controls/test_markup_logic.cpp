// The markup label's rules without a window: the tag table, tokenizing and what each tag does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/MarkupLabelLogic.h"

namespace {

// Tokens as "text" for runs and "[tag|value]" for tags, for compact comparisons.
std::vector<std::string> Tokens(const char* text, bool caseInsensitive = true) {
  CMarkupTagArray tokens;
  markup::Tokenize(text, caseInsensitive, tokens);
  std::vector<std::string> out;
  for (int i = 0; i < tokens.GetSize(); ++i) {
    const CMarkupTag& t = tokens[i];
    if (!t.isTag)
      out.push_back(t.text.str());
    else if (markup::TakesValue(t.text))
      out.push_back("[" + t.text.str() + "|" + t.parameter.str() + "]");
    else
      out.push_back("[" + t.text.str() + "]");
  }
  return out;
}

using V = std::vector<std::string>;

TEST(MarkupTokenize, SplitsRunsAndTagsInTextOrder) {
  EXPECT_EQ(Tokens("H<sub>2</sub>O"), (V{"H", "[<sub>]", "2", "[</sub>]", "O"}));
  // Tags are found table entry by table entry, yet come out in the order they are written.
  EXPECT_EQ(Tokens("<b><size=12>x<face=Tahoma>y"),
            (V{"[<b>]", "[<size=|12]", "x", "[<face=|Tahoma]", "y"}));
  EXPECT_EQ(Tokens("<b>a<b>b<b>"), (V{"[<b>]", "a", "[<b>]", "b", "[<b>]"}));
  EXPECT_EQ(Tokens(""), (V{""}));
  EXPECT_EQ(Tokens("plain"), (V{"plain"}));
}

TEST(MarkupTokenize, MatchesAnyCaseAndKeepsTheTagAsWritten) {
  EXPECT_EQ(Tokens("<B>bold</B>"), (V{"[<B>]", "bold", "[</B>]"}));
  EXPECT_EQ(Tokens("<COLOR=Red>x"), (V{"[<COLOR=|Red]", "x"}));
  EXPECT_EQ(Tokens("<B>bold</B>", false), (V{"<B>bold</B>"}));
}

TEST(MarkupTokenize, UnterminatedValueTagsStayText) {
  EXPECT_EQ(Tokens("a<color=red"), (V{"a", "<color=red"}));
  EXPECT_EQ(Tokens("<size=12"), (V{"<size=12"}));
  // The next ">" ends the value, wherever it is.
  EXPECT_EQ(Tokens("<color=red b<i>c"), (V{"[<color=|red b<i]", "c"}));
  // Tags before an unterminated one are still found.
  EXPECT_EQ(Tokens("<u>x<size=3"), (V{"[<u>]", "x", "<size=3"}));
}

TEST(MarkupTable, HoldsEveryTagOnceInRegistrationOrder) {
  markup::RegisterTags();
  markup::RegisterTags();  // registering again does not duplicate
  const CMarkupTagArray& table = markup::TagTable();
  ASSERT_EQ(table.GetSize(), 22);
  EXPECT_EQ(table[0].text, "<face=");
  EXPECT_EQ(table[0].description, "Font Face Name");
  EXPECT_EQ(table[6].text, "<color_global=");
  EXPECT_EQ(table[7].text, "<b>");
  EXPECT_EQ(table[21].text, "</color>");
  EXPECT_EQ(table[21].description, "");
}

// ---- applying tags -----------------------------------------------------------------------------

struct Applied {
  bool applied;
  markup::FontState font;
  markup::Pen pen;
  COLORREF colour;
};

class MarkupApply : public ::testing::Test {
 protected:
  void SetUp() override {
    context.textHeight = 15;
    context.dpi = 96;
    context.baseFace = "Tahoma";
    context.baseColour = RGB(10, 20, 30);
    context.objectColours = &objectColours;
    context.globalColours = &globalColours;
    font.height = -11;
    font.face = "Arial";
    pen = markup::Pen{0, 0, 200, 40};
  }
  Applied Apply(const char* tag, const char* value = "") {
    CMarkupTag t;
    t.text = tag;
    t.parameter = value;
    t.isTag = 1;
    Applied a{false, font, pen, RGB(1, 2, 3)};
    a.applied = markup::ApplyTag(t, context, a.font, a.pen, a.colour);
    return a;
  }
  markup::Context context;
  markup::FontState font;
  markup::Pen pen;
  CColourArray objectColours, globalColours;
};

TEST_F(MarkupApply, ColourByPartsOrByName) {
  EXPECT_EQ(Apply("<color=", "0,128,255").colour, RGB(0, 128, 255));
  EXPECT_EQ(Apply("<color=", " 7, 8 ,9 ").colour, RGB(7, 8, 9));
  for (const char* bad : {"0,128,256", "0,,255", ",1,2", "1,2,", "1,2,3,4", "a,b,c", "-1,2,3",
                          "purple", "", "0128255"}) {
    Applied a = Apply("<color=", bad);
    EXPECT_FALSE(a.applied) << bad;
    EXPECT_EQ(a.colour, RGB(1, 2, 3)) << bad;
  }
  EXPECT_EQ(Apply("<color=", "red").colour, (COLORREF)0x0000FF);
  EXPECT_EQ(Apply("<color=", "MediumGray").colour, (COLORREF)0xA4A0A0);
  context.caseInsensitive = false;
  EXPECT_FALSE(Apply("<color=", "Red").applied);
  EXPECT_EQ(Apply("</color>").colour, RGB(10, 20, 30));
}

TEST_F(MarkupApply, OwnAndSharedColoursAreMagentaWhenMissing) {
  EXPECT_EQ(Apply("<color_object=", "0").colour, (COLORREF)0xFF00FF);
  EXPECT_EQ(Apply("<color_global=", "3").colour, (COLORREF)0xFF00FF);
  objectColours.Add(RGB(5, 5, 5));
  EXPECT_EQ(Apply("<color_object=", "0").colour, RGB(5, 5, 5));
  EXPECT_EQ(Apply("<color_object=", "-1").colour, (COLORREF)0xFF00FF);
}

TEST_F(MarkupApply, Sizes) {
  EXPECT_EQ(Apply("<size=", "*2").font.height, -22);
  EXPECT_EQ(Apply("<size=", "*0.5").font.height, -5);  // truncated toward zero
  EXPECT_EQ(Apply("<size=", "+4").font.height, -16);   // MulDiv(4, 96, 72) = 5
  EXPECT_EQ(Apply("<size=", "-4").font.height, -6);
  EXPECT_EQ(Apply("<size=", "12").font.height, 16);  // a positive cell height
  EXPECT_EQ(Apply("<size=", "400").font.height, 533);
  for (const char* bad : {"0", "401", "+0", "-0", "+401", "abc", "", "*0", "*-2", "*nan", "*inf",
                          "*1e300", "*x", "99999999999"}) {
    Applied a = Apply("<size=", bad);
    EXPECT_FALSE(a.applied) << bad;
    EXPECT_EQ(a.font.height, -11) << bad;
  }
}

TEST_F(MarkupApply, SizesNeverReachZeroOrFlipSign) {
  EXPECT_EQ(Apply("<size=", "*0.01").font.height, -1);  // at least a point: MulDiv(1,96,72)=1
  EXPECT_EQ(Apply("<size=", "-20").font.height, -1);    // -11 + 27 would flip to a cell height
  font.height = -5;
  Applied sup = Apply("<sup>");
  EXPECT_EQ(sup.font.height, -1);  // -5 + 4 = -1
  font = sup.font;
  EXPECT_EQ(Apply("<sup>").font.height, -1);  // -1 + 4 would be a cell height of 3
}

TEST_F(MarkupApply, ScriptsMoveThePenAndUndoOneAnother) {
  Applied sub = Apply("<sub>");
  EXPECT_EQ(sub.pen.top, 10);  // two thirds of 15
  EXPECT_EQ(sub.pen.bottom, 50);
  EXPECT_EQ(sub.font.height, -7);  // three points smaller
  font = sub.font;
  pen = sub.pen;
  Applied back = Apply("</sub>");
  EXPECT_EQ(back.pen.top, 0);
  EXPECT_EQ(back.font.height, -11);
  pen = back.pen;
  Applied sup = Apply("<sup>");
  EXPECT_EQ(sup.pen.top, -10);
}

TEST_F(MarkupApply, MovesByPercentOfTheTextHeight) {
  EXPECT_EQ(Apply("<up=", "100").pen.top, -15);
  EXPECT_EQ(Apply("<down=", "50").pen.top, 7);  // 7.5 truncated
  EXPECT_EQ(Apply("<down=", "100000").pen.top, 15000);
  for (const char* bad : {"0", "100001", "-100001", "x", ""}) {
    EXPECT_FALSE(Apply("<up=", bad).applied) << bad;
    EXPECT_FALSE(Apply("<down=", bad).applied) << bad;
  }
}

TEST_F(MarkupApply, FontSwitches) {
  EXPECT_EQ(Apply("<b>").font.weight, 700);
  EXPECT_EQ(Apply("<B>").font.weight, 700);
  EXPECT_EQ(Apply("</b>").font.weight, 400);
  EXPECT_TRUE(Apply("<i>").font.italic);
  EXPECT_TRUE(Apply("<u>").font.underline);
  EXPECT_EQ(Apply("<sym>").font.face, "Symbol");
  EXPECT_EQ(Apply("</sym>").font.face, "Tahoma");
  EXPECT_EQ(Apply("<std>").font.face, "Tahoma");
  EXPECT_EQ(Apply("<face=", "An exceptionally long face name of forty").font.face,
            "An exceptionally long face name");
  EXPECT_EQ(Apply("<face=", "An exceptionally long face name of forty").font.face.GetLength(), 31);
  EXPECT_FALSE(Apply("<nothing>").applied);
  CMarkupTag run;
  run.text = "<b>";  // a text run that happens to read like a tag is text
  Applied a{false, font, pen, 0};
  EXPECT_FALSE(markup::ApplyTag(run, context, a.font, a.pen, a.colour));
}

TEST(MarkupMulDiv, RoundsHalfAwayFromZero) {
  EXPECT_EQ(markup::MulDivRound(4, 96, 72), 5);
  EXPECT_EQ(markup::MulDivRound(-3, 96, 72), -4);
  EXPECT_EQ(markup::MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(markup::MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(markup::MulDivRound(7, 2, -4), -4);
  EXPECT_EQ(markup::MulDivRound(1, 2, 0), -1);
  EXPECT_EQ(markup::MulDivRound(0x7FFFFFFF, 4, 1), -1);
}

}  // namespace
