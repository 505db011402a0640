#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "core/version/VersionText.h"
#include "core/version/version.h"

namespace {

DWORD Ms(int major, int minor) {
  return MAKELONG(minor, major);
}

}  // namespace

TEST(VersionText, FormatsTheFourNumbers) {
  EXPECT_STREQ("3.015", FormatVersionText(Ms(3, 0), Ms(1, 5), 0, 0x3F, FALSE));
  EXPECT_STREQ("3.100", FormatVersionText(Ms(3, 1), Ms(0, 0), 0, 0x3F, TRUE));
  // " Beta" needs both the request and the flag, and the flag must be in the mask.
  EXPECT_STREQ("3.015 Beta",
               FormatVersionText(Ms(3, 0), Ms(1, 5), kVersionFlagPrerelease, 0x3F, TRUE));
  EXPECT_STREQ("3.015", FormatVersionText(Ms(3, 0), Ms(1, 5), kVersionFlagPrerelease, 0x3F, FALSE));
  EXPECT_STREQ("3.015", FormatVersionText(Ms(3, 0), Ms(1, 5), 0, 0x3F, TRUE));
  EXPECT_STREQ("3.015", FormatVersionText(Ms(3, 0), Ms(1, 5), kVersionFlagPrerelease, 0x01, TRUE));
}

TEST(VersionText, CompiledNumbersAgreeWithTheText) {
  EXPECT_STREQ(QUARVEX_VERSION_TEXT, GetCompiledVersionText(FALSE));
  // The text reads as a number the project reader never remaps.
  EXPECT_GE(std::atof(GetCompiledVersionText(FALSE)), 3.01);
  EXPECT_STREQ("Version: 3.015 Beta", FormatVersionLine(TRUE, "3.015 Beta"));
  EXPECT_STREQ("Version 3.015", FormatVersionLine(FALSE, "3.015"));
}

TEST(VersionText, BuildDateHasTheCompilersForm) {
  const CString date = GetBuildDateText();
  ASSERT_EQ(0, std::strncmp(date, "Build date: ", 12));
  const CString rest = date.Mid(12);
  // "Mmm dd yyyy", the day padded with a blank.
  ASSERT_EQ(11, rest.GetLength());
  EXPECT_NE(nullptr, std::strstr("JanFebMarAprMayJunJulAugSepOctNovDec", rest.Left(3).GetString()));
  EXPECT_EQ(' ', rest[3]);
  EXPECT_TRUE(rest[4] == ' ' || (rest[4] >= '1' && rest[4] <= '3'));
  EXPECT_GE(std::atoi(rest.Right(4)), 2024);
  const CString dateTime = GetBuildDateTimeText();
  ASSERT_EQ(date.GetLength() + 9, dateTime.GetLength());
  EXPECT_EQ(0, std::strncmp(dateTime, date, date.GetLength()));
  EXPECT_EQ(':', dateTime[date.GetLength() + 3]);
}
