// How the fit dialogs read cells and file lines and show results.
#include <gtest/gtest.h>

#include "fitdialogs/logic/FitNumbers.h"

TEST(FitNumbers, CellsAreReadWhole) {
  double v = 7.0;
  EXPECT_TRUE(ParseCellNumber("12.5", v));
  EXPECT_EQ(12.5, v);
  EXPECT_TRUE(ParseCellNumber("  -3e2 ", v));
  EXPECT_EQ(-300.0, v);
  EXPECT_TRUE(ParseCellNumber(".5", v));
  EXPECT_EQ(0.5, v);
  // A European decimal comma, trailing words and units are not numbers here.
  v = 7.0;
  for (const char* bad : {"12,5", "12abc", "12 MPa", "", "   ", "-", ".", "e5", "1e", "nan",
                          "inf", "-Infinity", "0x1A", "1e999", "1..2"}) {
    EXPECT_FALSE(ParseCellNumber(bad, v)) << bad;
    EXPECT_EQ(7.0, v) << bad;
  }
  EXPECT_FALSE(ParseCellNumber(nullptr, v));
}

TEST(FitNumbers, FileLinesTakeTheLeadingNumber) {
  double v = 0.0;
  const char* text = "  12.5,rest";
  EXPECT_TRUE(ScanLineNumber(text, v));
  EXPECT_EQ(12.5, v);
  EXPECT_STREQ(",rest", text);
  for (const char* bad : {"abc", "nan,1", "inf", "0x10", "-0X1", "1e400", ""}) {
    const char* p = bad;
    EXPECT_FALSE(ScanLineNumber(p, v)) << bad;
    EXPECT_EQ(bad, p) << bad;
  }
}

TEST(FitNumbers, ResultsShowThreeDecimalsOrThreeSignificantDigits) {
  EXPECT_STREQ("12.346", FormatFitResult(12.3456));
  EXPECT_STREQ("-1.000", FormatFitResult(-1.0));
  EXPECT_STREQ("0.000", FormatFitResult(0.0));
  EXPECT_STREQ("0.000", FormatFitResult(-0.0));
  EXPECT_STREQ("0.001", FormatFitResult(0.0005));
  // Values a fixed three decimals would show as 0.000: soil cohesion in MPa, s of poor rock.
  EXPECT_STREQ("0.000432", FormatFitResult(0.000432));
  EXPECT_STREQ("-2.5e-05", FormatFitResult(-0.000025));
  EXPECT_STREQ("1.23e-06", FormatFitResult(1.2345e-6));
}

TEST(FitNumbers, GridValuesSurviveTheRoundTrip) {
  for (double v : {0.1, 5.0, 1234567.0, 1.23456789, -0.000123456789, 1e-20, 101325.5}) {
    double back = 0.0;
    ASSERT_TRUE(ParseCellNumber(FormatGridValue(v), back)) << v;
    EXPECT_EQ(v, back);
  }
  EXPECT_STREQ("40", FormatGridValue(40.0));
  EXPECT_STREQ("0", FormatGridValue(-0.0));
}
