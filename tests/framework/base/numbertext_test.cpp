#include "framework/base/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

TEST(NumberText, FormatsWithTwoDigitExponents) {
  EXPECT_EQ("1e-20", FormatNumber("%g", 1e-20));
  EXPECT_EQ("1e+308", FormatNumber("%g", 1e308));
  EXPECT_EQ("1.797693e+308", FormatNumber("%e", DBL_MAX));
  EXPECT_EQ("4.94066e-324", FormatNumber("%g", 4.9406564584124654e-324));
  EXPECT_EQ("-0", FormatNumber("%g", -0.0));
  EXPECT_EQ("0", FormatNumber("%g", 0.0));
  EXPECT_EQ("1.500E+05", FormatNumber("%.3E", 150000.0));
  EXPECT_EQ("  3.14", FormatNumber("%6.2f", 3.14159));
  EXPECT_EQ("sigma = 2.5 MPa", FormatNumber("sigma = %g MPa", 2.5));
  EXPECT_EQ("100%: 1", FormatNumber("100%%: %g", 1.0));
  EXPECT_EQ("1e+100", FormatNumber("%lg", 1e100));
  // Anything but one floating conversion falls back to %g.
  EXPECT_EQ("2.5", FormatNumber("%s", 2.5));
  EXPECT_EQ("2.5", FormatNumber("%g %g", 2.5));
  EXPECT_EQ("2.5", FormatNumber("%*g", 2.5));
  EXPECT_EQ("2.5", FormatNumber(nullptr, 2.5));
  EXPECT_EQ("2.5", FormatNumber("%d", 2.5));
  EXPECT_EQ("nan", FormatNumber("%g", std::nan("")));
  EXPECT_EQ("-inf", FormatNumber("%f", -HUGE_VAL));
  EXPECT_EQ(309, FormatNumber("%.0f", 1e308).GetLength()) << "long results are not cut";
}

TEST(NumberText, RoundTripTextReadsBackExactly) {
  EXPECT_EQ("0.1", FormatRoundTrip(0.1));
  EXPECT_EQ("2.5", FormatRoundTrip(2.5));
  EXPECT_EQ("1e-20", FormatRoundTrip(1e-20));
  EXPECT_EQ("0.30000000000000004", FormatRoundTrip(0.1 + 0.2));
  EXPECT_EQ("1234567", FormatRoundTrip(1234567.0));
  EXPECT_EQ("-0", FormatRoundTrip(-0.0));
  const double samples[] = {1.0 / 3.0,
                            DBL_MAX,
                            DBL_MIN,
                            4.9406564584124654e-324,
                            -2.2250738585072009e-308,
                            123456.789e200,
                            6.02214076e23,
                            9007199254740993.0};
  for (double v : samples) {
    double back = 0;
    CString text = FormatRoundTrip(v);
    ASSERT_EQ(NumberParse::Ok, ParseDouble(text, back)) << text.GetString();
    EXPECT_EQ(v, back) << text.GetString();
  }
}

TEST(NumberText, ParsesDecimalNumbers) {
  double v = 0;
  EXPECT_EQ(NumberParse::Ok, ParseDouble("  -12.5e-1 \t", v));
  EXPECT_EQ(-1.25, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("+.5", v));
  EXPECT_EQ(0.5, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("7.", v));
  EXPECT_EQ(7.0, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("1E+05", v));
  EXPECT_EQ(1e5, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("-0", v));
  EXPECT_TRUE(v == 0 && std::signbit(v));
  EXPECT_EQ(NumberParse::Ok, ParseDouble("1e308", v));
  EXPECT_EQ(1e308, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("4.9406564584124654e-324", v));
  EXPECT_EQ(std::numeric_limits<double>::denorm_min(), v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("2.2250738585072011e-308", v));
  EXPECT_EQ(NumberParse::Ok, ParseDouble("1e-400", v))
      << "below the smallest denormal reads as zero";
  EXPECT_EQ(0.0, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("0e99999999999", v));
  EXPECT_EQ(0.0, v);
  EXPECT_EQ(NumberParse::Ok, ParseDouble("0.1", v));
  EXPECT_EQ(0.1, v);
}

TEST(NumberText, RejectsWhatIsNotAFiniteNumber) {
  const double untouched = 42.0;
  struct Case {
    const char* text;
    NumberParse result;
  } cases[] = {
      {"", NumberParse::Empty},
      {"  \t\r\n", NumberParse::Empty},
      {"12abc", NumberParse::TrailingText},
      {"1.5 2", NumberParse::TrailingText},
      {"1,5", NumberParse::TrailingText},
      {"1e", NumberParse::TrailingText},
      {"1e+", NumberParse::TrailingText},
      {"nan", NumberParse::NotFinite},
      {"-NaN", NumberParse::NotFinite},
      {"inf", NumberParse::NotFinite},
      {"-Infinity", NumberParse::NotFinite},
      {"1e999", NumberParse::OutOfRange},
      {"-1e309", NumberParse::OutOfRange},
      {"0.001e312", NumberParse::OutOfRange},
      {"0x1p3", NumberParse::Invalid},
      {"abc", NumberParse::Invalid},
      {".", NumberParse::Invalid},
      {"-", NumberParse::Invalid},
      {"+-1", NumberParse::Invalid},
      {"e5", NumberParse::Invalid},
  };
  for (const Case& c : cases) {
    double v = untouched;
    EXPECT_EQ(c.result, ParseDouble(c.text, v)) << '"' << c.text << '"';
    EXPECT_EQ(untouched, v) << c.text;
  }
  double v = untouched;
  EXPECT_EQ(NumberParse::Empty, ParseDouble(nullptr, v));
  EXPECT_STREQ("The text is not a number.", NumberParseMessage(NumberParse::Invalid));
  EXPECT_STRNE(NumberParseMessage(NumberParse::NotFinite),
               NumberParseMessage(NumberParse::OutOfRange));
}

TEST(NumberText, EndPointerStopsAtFirstUnusedChar) {
  const char* text = " 12abc";
  const char* end = nullptr;
  double v = 0;
  EXPECT_EQ(NumberParse::Ok, ParseDouble(text, v, &end));
  EXPECT_EQ(12.0, v);
  EXPECT_STREQ("abc", end);
  text = "3.5e2x 1e";
  EXPECT_EQ(NumberParse::Ok, ParseDouble(text, v, &end));
  EXPECT_EQ(350.0, v);
  EXPECT_STREQ("x 1e", end);
  text = "1e, 2";
  EXPECT_EQ(NumberParse::Ok, ParseDouble(text, v, &end));
  EXPECT_STREQ("e, 2", end);
  text = "inf";
  EXPECT_EQ(NumberParse::NotFinite, ParseDouble(text, v, &end));
  EXPECT_EQ(text, end);

  long n = 0;
  text = "-17 rest";
  EXPECT_EQ(NumberParse::Ok, ParseInt(text, n, &end));
  EXPECT_EQ(-17, n);
  EXPECT_STREQ(" rest", end);
}

TEST(NumberText, ParsesRangeCheckedIntegers) {
  long n = 5;
  EXPECT_EQ(NumberParse::Ok, ParseInt(" +2147483647 ", n));
  EXPECT_EQ(2147483647L, n);
  EXPECT_EQ(NumberParse::Ok, ParseInt("-2147483648", n));
  EXPECT_EQ(-2147483647L - 1, n);
  n = 5;
  EXPECT_EQ(NumberParse::OutOfRange, ParseInt("2147483648", n));
  EXPECT_EQ(NumberParse::OutOfRange, ParseInt("-2147483649", n));
  EXPECT_EQ(NumberParse::OutOfRange, ParseInt("99999999999999999999999", n));
  EXPECT_EQ(NumberParse::TrailingText, ParseInt("12.5", n));
  EXPECT_EQ(NumberParse::TrailingText, ParseInt("12abc", n));
  EXPECT_EQ(NumberParse::Invalid, ParseInt("0x10", n));
  EXPECT_EQ(NumberParse::Invalid, ParseInt("-", n));
  EXPECT_EQ(NumberParse::Invalid, ParseInt("nan", n));
  EXPECT_EQ(NumberParse::Empty, ParseInt(" ", n));
  EXPECT_EQ(5, n);
  EXPECT_EQ(NumberParse::Ok, ParseInt("007", n));
  EXPECT_EQ(7, n);
}
