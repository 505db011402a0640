#include "framework/base/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CString, ConstructionAndNullText) {
  const char* none = nullptr;
  CString a(none);
  EXPECT_TRUE(a.IsEmpty());
  a = none;
  EXPECT_EQ(0, a.GetLength());
  EXPECT_STREQ("", static_cast<const char*>(a));
  EXPECT_EQ("xxx", CString('x', 3));
  EXPECT_EQ("", CString('x', -2));
  EXPECT_EQ("ab", CString("abc", 2));
  EXPECT_EQ("", CString("abc", -1));
  a += none;
  EXPECT_TRUE(a.IsEmpty());
}

TEST(CString, IndexesAreClampedNeverOutOfBounds) {
  CString s("hello");
  EXPECT_EQ('\0', s.GetAt(-1));
  EXPECT_EQ('\0', s.GetAt(5));
  EXPECT_EQ('o', s[static_cast<size_t>(4)]);
  EXPECT_EQ('\0', s[100u]);
  s.SetAt(9, 'x');
  s.SetAt(-1, 'x');
  EXPECT_EQ("hello", s);

  EXPECT_EQ("", s.Left(-3));
  EXPECT_EQ("hello", s.Left(99));
  EXPECT_EQ("hello", s.Mid(-4));
  EXPECT_EQ("", s.Mid(99));
  EXPECT_EQ("llo", s.Mid(2, 99));
  EXPECT_EQ("", s.Mid(2, -1));
  EXPECT_EQ("he", s.Mid(-3, 2));
  EXPECT_EQ("hello", s.Right(10));
  EXPECT_EQ("", s.Right(-1));

  EXPECT_EQ(-1, s.Find('l', 10));
  EXPECT_EQ(2, s.Find('l', -5));
  EXPECT_EQ(-1, s.Find("lo", 6));
  EXPECT_EQ(3, s.Find("lo", 1));
  EXPECT_EQ(-1, s.Find(static_cast<const char*>(nullptr)));
  EXPECT_EQ(3, s.ReverseFind('l'));
  EXPECT_EQ(-1, s.ReverseFind('z'));
  EXPECT_EQ(1, s.FindOneOf("zel"));
  EXPECT_EQ(-1, s.FindOneOf(""));

  EXPECT_EQ(5, s.Delete(7, 2));
  EXPECT_EQ(5, s.Delete(-1, 2));
  EXPECT_EQ(3, s.Delete(3, 100));
  EXPECT_EQ("hel", s);
  s.Insert(100, '!');
  s.Insert(-5, "<<");
  EXPECT_EQ("<<hel!", s);
  s.Insert(2, s);  // inserting the string into itself
  EXPECT_EQ("<<<<hel!hel!", s);
}

TEST(CString, TrimWithWhiteSpaceAndSets) {
  CString s(" \t\r\n value \n ");
  EXPECT_EQ("value", s.Trim());
  s = "xxyvaluexy";
  EXPECT_EQ("valuexy", CString(s).TrimLeft("xy"));
  EXPECT_EQ("xxyvalue", CString(s).TrimRight("yx"));
  EXPECT_EQ("yvaluexy", CString(s).TrimLeft('x'));
  EXPECT_EQ("value", CString(s).Trim("xy"));
  EXPECT_EQ("", CString("xyxy").Trim("xy"));
  EXPECT_EQ("  a", CString("  a  ").TrimRight());
  // The set's terminator is not part of the set.
  EXPECT_EQ(std::string("a\0", 2), CString(std::string("a\0", 2)).TrimRight("b").str());
}

TEST(CString, FormatGrowsPastAnyBuffer) {
  std::string big(10000, 'q');
  CString s;
  s.Format("[%s]%d", big.c_str(), 42);
  EXPECT_EQ(10004, s.GetLength());
  EXPECT_EQ("]42", s.Right(3));
  s.Format("%s-%s", static_cast<const char*>(s.Left(3)), "x");
  EXPECT_EQ("[qq-x", s);
  // Format may use the string itself as an argument.
  s = "abc";
  s.Format("%s%s", s.GetString(), s.GetString());
  EXPECT_EQ("abcabc", s);
  s.Format("%g %g %.3e", 1e-20, 1e308, 12345.678);
  EXPECT_EQ("1e-20 1e+308 1.235e+04", s);
  s.AppendFormat("/%05.1f", 2.25);
  EXPECT_EQ("1e-20 1e+308 1.235e+04/002.2", s);
}

TEST(CString, GetBufferAndReleaseBuffer) {
  CString s("ab");
  char* p = s.GetBuffer(100);
  std::strcpy(p, "a longer text");
  s.ReleaseBuffer();
  EXPECT_EQ("a longer text", s);
  EXPECT_EQ(13, s.GetLength());

  p = s.GetBuffer(0);
  p[1] = '_';
  s.ReleaseBuffer(4);
  EXPECT_EQ("a_lo", s);
  s.GetBuffer(2);
  s.ReleaseBuffer(50);  // longer than the buffer: clamped
  EXPECT_EQ("a_lo", s);

  p = s.GetBufferSetLength(3);
  p[2] = 'z';
  s.ReleaseBuffer(-1);
  EXPECT_EQ("a_z", s);
  s.GetBufferSetLength(-1);
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, ComparisonAndCase) {
  CString s("Rock");
  EXPECT_EQ(0, s.CompareNoCase("ROCK"));
  EXPECT_LT(s.CompareNoCase("rocks"), 0);
  EXPECT_GT(s.CompareNoCase("roc"), 0);
  EXPECT_LT(CString("a_").CompareNoCase("aB"), 0) << "'_' sorts before 'b' as in lower case";
  EXPECT_GT(s.CompareNoCase(nullptr), 0);
  EXPECT_EQ(0, CString().CompareNoCase(nullptr));
  EXPECT_TRUE(s == "Rock");
  EXPECT_TRUE("Rock" == s);
  EXPECT_TRUE(s != "rock");
  EXPECT_TRUE(s < "Soil");
  EXPECT_TRUE("Sand" > s);
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_LT(s.Compare("Rocks"), 0);
  CString high("\xE9");  // bytes above 127 sort after ASCII
  EXPECT_GT(high.Compare("z"), 0);
  EXPECT_GT(high.CompareNoCase("Z"), 0);

  s.MakeUpper();
  EXPECT_EQ("ROCK", s);
  s.MakeLower();
  EXPECT_EQ("rock", s);
  s.MakeReverse();
  EXPECT_EQ("kcor", s);
}

TEST(CString, ConcatenationAndEditing) {
  CString s = CString("a") + "b" + 'c' + CString("d");
  s = 'x' + s;
  s += 'y';
  s += CString("z");
  s += s;
  EXPECT_EQ("xabcdyzxabcdyz", s);
  EXPECT_EQ(2, s.Replace("bc", "BCBC"));
  EXPECT_EQ("xaBCBCdyzxaBCBCdyz", s) << "replacement text is never searched again";
  EXPECT_EQ(0, s.Replace("", "q"));
  EXPECT_EQ(2, s.Replace("BCBC", nullptr));
  EXPECT_EQ("xadyzxadyz", s);
  EXPECT_EQ(2, s.Replace('a', 'A'));
  EXPECT_EQ(4, CString("aaaa").Replace("a", "aa"));
  EXPECT_EQ(2, s.Remove('y'));
  EXPECT_EQ("xAdzxAdz", s);
  EXPECT_EQ("xAd", s.SpanExcluding("z"));
  EXPECT_EQ("xA", s.SpanIncluding("Ax"));
}
