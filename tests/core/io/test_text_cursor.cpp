#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/io/NumberScan.h"
#include "core/io/TextCursor.h"

TEST(TextCursor, ReadsLinesWithEitherLineEnd) {
  const std::string text("first\r\nsecond\n\r\nlast without end");
  CTextCursor cursor(text);
  std::string line;
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ("first", line);
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ("second", line);
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ("", line);
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ("last without end", line);
  EXPECT_FALSE(cursor.ReadLine(line));
  EXPECT_TRUE(line.empty());
  EXPECT_EQ(-1, cursor.Peek());
  EXPECT_EQ(-1, cursor.Get());
}

TEST(TextCursor, NulBytesAreOrdinaryAndLongLinesAreCut) {
  std::string text("a");
  text += '\0';
  text += "b\nnext\n";
  CTextCursor cursor(text);
  std::string line;
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ(3u, line.size());
  ASSERT_TRUE(cursor.ReadLine(line));
  EXPECT_EQ("next", line);

  const std::string longLine = std::string(CTextCursor::kMaxLineLength * 3, 'x') + "\nafter\n";
  CTextCursor longCursor(longLine);
  ASSERT_TRUE(longCursor.ReadLine(line));
  EXPECT_EQ(CTextCursor::kMaxLineLength, line.size());
  ASSERT_TRUE(longCursor.ReadLine(line));
  EXPECT_EQ("after", line);
}

TEST(TextCursor, ScansLikeScanfButBounded) {
  const std::string text("  42 -7 3.5e2 .25 word\tnext\n");
  CTextCursor cursor(text);
  int i = 0;
  double d = 0.0;
  std::string word;
  ASSERT_TRUE(cursor.ScanInt(i));
  EXPECT_EQ(42, i);
  ASSERT_TRUE(cursor.ScanInt(i));
  EXPECT_EQ(-7, i);
  ASSERT_TRUE(cursor.ScanDouble(d));
  EXPECT_EQ(350.0, d);
  ASSERT_TRUE(cursor.ScanDouble(d));
  EXPECT_EQ(0.25, d);
  EXPECT_FALSE(cursor.ScanInt(i));  // a word is no number, and stays unread
  ASSERT_TRUE(cursor.ScanWord(word));
  EXPECT_EQ("word", word);
  ASSERT_TRUE(cursor.ScanWord(word));
  EXPECT_EQ("next", word);
  EXPECT_FALSE(cursor.ScanWord(word));

  const std::string huge = std::string(100000, 'w') + " tail";
  CTextCursor words(huge);
  ASSERT_TRUE(words.ScanWord(word));
  EXPECT_EQ(CTextCursor::kMaxWordLength, word.size());
  ASSERT_TRUE(words.ScanWord(word));
  EXPECT_EQ("tail", word);
}

TEST(TextCursor, RefusesNonFiniteAndOverflowingNumbers) {
  for (const char* text : {"inf", "nan", "-infinity", "1e999", "-1e400", "0x10", "e5", "-", "."}) {
    double d = 0.0;
    CTextCursor cursor(text, std::char_traits<char>::length(text));
    EXPECT_FALSE(cursor.ScanDouble(d) && d != 0.0) << text;
    EXPECT_TRUE(std::isfinite(d)) << text;
  }
  for (const char* text : {"99999999999", "2147483648", "-2147483649", "abc"}) {
    int i = 0;
    CTextCursor cursor(text, std::char_traits<char>::length(text));
    EXPECT_FALSE(cursor.ScanInt(i)) << text;
  }
  int i = 0;
  CTextCursor limits("2147483647 -2147483648", 22);
  ASSERT_TRUE(limits.ScanInt(i));
  EXPECT_EQ(std::numeric_limits<int>::max(), i);
  ASSERT_TRUE(limits.ScanInt(i));
  EXPECT_EQ(std::numeric_limits<int>::min(), i);
  // An exponent without digits is not part of the number.
  double d = 0.0;
  CTextCursor partial("1e+x", 4);
  ASSERT_TRUE(partial.ScanDouble(d));
  EXPECT_EQ(1.0, d);
  EXPECT_EQ('e', partial.Peek());
}

TEST(TextCursor, SkipsWholeCommentLines) {
  const std::string text("* short\n\n   *" + std::string(5000, 'c') + " 1 2 3\n  12 rest\n");
  CTextCursor cursor(text);
  cursor.SkipCommentLines();
  int i = 0;
  ASSERT_TRUE(cursor.ScanInt(i));
  EXPECT_EQ(12, i);
}

TEST(NumberScan, LeadingNumbersIgnoreTheRest) {
  double d = 0.0;
  int i = 0;
  EXPECT_TRUE(ParseLeadingDouble("  2.5 MPa", d));
  EXPECT_EQ(2.5, d);
  EXPECT_FALSE(ParseLeadingDouble("MPa 2.5", d));
  EXPECT_TRUE(ParseLeadingInt("3.7", i));
  EXPECT_EQ(3, i);
  EXPECT_FALSE(ParseLeadingInt("", i));
}

TEST(NumberScan, FileDoublesReadBackExactly) {
  // "%g" text is kept when it is exact, so typical files do not change.
  EXPECT_EQ("30", FormatFileDouble(30.0));
  EXPECT_EQ("0.026", FormatFileDouble(0.026));
  EXPECT_EQ("-2", FormatFileDouble(-2.0));
  EXPECT_EQ("1e-20", FormatFileDouble(1e-20));
  EXPECT_EQ("1.5e+07", FormatFileDouble(1.5e7));
  EXPECT_EQ("0", FormatFileDouble(-0.0));
  EXPECT_EQ("0.1", FormatFileDouble(0.1));
  for (double value :
       {1.0 / 3.0, 0.6642242582, 2.0 / 3.0 * 1e-7, 123456789.123, 6.894757293178307,
        std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()}) {
    const std::string text = FormatFileDouble(value);
    double back = 0.0;
    ASSERT_TRUE(ParseLeadingDouble(text, back)) << text;
    EXPECT_EQ(value, back) << text;
    // Never longer than it needs to be for this value.
    EXPECT_LE(text.size(), 24u);
  }
}

TEST(TextCursor, TrimsAndComparesIgnoringCase) {
  EXPECT_EQ("a b", TrimmedText(" \t\r\na b\v\f "));
  EXPECT_EQ("", TrimmedText(" \r\n"));
  EXPECT_TRUE(EqualsNoCase("Lab DATA", "lab data"));
  EXPECT_FALSE(EqualsNoCase("lab data ", "lab data"));
  // A NUL inside a line does not end the comparison early.
  EXPECT_FALSE(EqualsNoCase(std::string("lab\0data", 8), "lab"));
}
