// The technical-support text, its mail link, the operating-system names and the rights notice.
#include <gtest/gtest.h>

#include "shell/NoticeText.h"
#include "shell/TechSupportText.h"

namespace {

SystemInfo SampleInfo() {
  SystemInfo info;
  info.program = "Quarvex";
  info.version = "Version: 3.015";
  info.buildDate = "Sep 12 2005";
  info.haveOs = TRUE;
  info.platform = 2;
  info.major = 6;
  info.minor = 1;
  info.build = 7601;
  info.servicePack = "Service Pack 1";
  info.haveCpuKey = info.haveMhz = info.haveVendor = TRUE;
  info.mhz = 2400;
  info.vendor = "GenuineIntel";
  info.totalPhysical = 8.0 * 1024 * 1024 * 1024;
  info.availablePhysical = 1024.0 * 1024;
  info.totalVirtual = 128.0 * 1024 * 1024 * 1024 * 1024;
  info.screenWidth = 1280;
  info.screenHeight = 1024;
  info.bitsPerPixel = 24;
  return info;
}

TEST(TechSupportText, EveryLineInOrderWithCrLf) {
  EXPECT_STREQ(BuildTechSupportText(SampleInfo()),
               "Program: Quarvex\r\n"
               "Version: 3.015\r\n"
               "Build Date: Sep 12 2005\r\n"
               "OS: Windows 7\r\n"
               "OS Version (Major: 6  Minor: 1 Build: 7601)\r\n"
               "Service Pack 1\r\n"
               "CPU Speed: 2400 Mhz CPU Vendor: GenuineIntel\r\n"
               "Total Physical Memory:   8388608 KB\r\n"
               "Available Physical Memory:      1024 KB\r\n"
               "Total Virtual Memory: 137438953472 KB\r\n"
               "Screen resolution: 1280 by 1024, at 24 bits per pixel\r\n");
}

TEST(TechSupportText, MissingPartsLeaveOutTheirLines) {
  SystemInfo info = SampleInfo();
  info.haveCpuKey = FALSE;
  info.servicePack.Empty();
  info.wineVersion = "8.0";
  CString text = BuildTechSupportText(info);
  EXPECT_EQ(text.Find("CPU"), -1);
  EXPECT_GE(text.Find("OS: Windows 7 (Wine 8.0)\r\nOS Version (Major: 6  Minor: 1 Build: 7601)\r\nTotal"), 0);

  info = SampleInfo();
  info.haveMhz = FALSE;
  EXPECT_GE(BuildTechSupportText(info).Find("\r\nCPU Vendor: GenuineIntel\r\n"), 0);
  info.haveOs = FALSE;
  EXPECT_EQ(BuildTechSupportText(info).Find("OS"), -1);
}

TEST(TechSupportText, Windows9xBuildUsesItsLowWord) {
  SystemInfo info = SampleInfo();
  info.platform = 1;
  info.major = 4;
  info.minor = 10;
  info.build = 0x040A0836;
  EXPECT_GE(BuildTechSupportText(info).Find("OS: Windows 98\r\nOS Version (Major: 4  Minor: 10 Build: 2102)"), 0);
}

TEST(OsNames, EveryWindowsVersionHasItsName) {
  struct Row {
    DWORD platform, major, minor, build;
    const char* name;
  } rows[] = {
      {0, 3, 1, 0, "Windows 3.1"},          {1, 4, 0, 950, "Windows 95"},
      {1, 4, 10, 1998, "Windows 98"},       {1, 4, 90, 3000, "Windows 98"},
      {2, 4, 0, 1381, "Windows NT"},        {2, 5, 0, 2195, "Windows 2000"},
      {2, 5, 1, 2600, "Windows XP"},        {2, 5, 2, 3790, "Windows Server 2003/XP x64"},
      {2, 6, 0, 6002, "Windows Vista"},     {2, 6, 1, 7601, "Windows 7"},
      {2, 6, 2, 9200, "Windows 8"},         {2, 6, 3, 9600, "Windows 8.1"},
      {2, 10, 0, 19045, "Windows 10"},      {2, 10, 0, 22000, "Windows 11"},
      {2, 10, 0, 26100, "Windows 11"},      {2, 6, 4, 0, "Unable to determine OS"},
      {2, 11, 0, 0, "Unable to determine OS"}, {3, 10, 0, 0, "Unable to determine OS"},
  };
  for (const Row& r : rows)
    EXPECT_STREQ(GetOsName(r.platform, r.major, r.minor, r.build), r.name)
        << r.platform << " " << r.major << "." << r.minor << "." << r.build;
}

TEST(SupportMail, BodyIsPercentEncodedSoNoCharacterEndsTheAddress) {
  EXPECT_STREQ(BuildSupportMailTarget("support@quarvex.example", "A & B?\r\n#50% x=1\r\n"),
               "mailto:support@quarvex.example?subject=Technical_Support&body="
               "A%20%26%20B%3F%0D%0A%2350%25%20x%3D1%0D%0A");
}

TEST(SupportMail, LongTextIsCutAfterAWholeLineAndSaysSo) {
  CString text;
  for (int i = 0; i < 100; ++i) text.AppendFormat("Line %03d with some words\r\n", i);
  const CString target = BuildSupportMailTarget("s@x.example", text, 600);
  EXPECT_LE(target.GetLength(), 600);
  EXPECT_GE(target.Find("body=Line%20000"), 0);
  // The body ends with whole lines and then the note.
  const int note = target.Find("%5BThe%20text%20was%20cut");
  ASSERT_GT(note, 0);
  EXPECT_STREQ(target.Mid(note - 6, 6), "%0D%0A");
  EXPECT_EQ(target.Find("Line%20099"), -1);
  // A text that fits is left whole.
  EXPECT_EQ(BuildSupportMailTarget("s@x.example", "short").Find("cut"), -1);
}

TEST(NoticeText, YearsFromTheFirstYearToTheBuildYear) {
  EXPECT_STREQ(FormatNoticeText(2002, "Quarvex authors", "Sep 12 2002"),
               "Copyright (C) 2002 Quarvex authors. All rights reserved.");
  EXPECT_STREQ(FormatNoticeText(2002, "Quarvex authors", "Sep 12 2003"),
               "Copyright (C) 2002, 2003 Quarvex authors. All rights reserved.");
  EXPECT_STREQ(FormatNoticeText(2002, "Quarvex authors", "Build date: Sep 12 2005"),
               "Copyright (C) 2002-2005 Quarvex authors. All rights reserved.");
}

TEST(NoticeText, UnknownYearsOrCompanyAreLeftOut) {
  EXPECT_STREQ(FormatNoticeText(1500, "Quarvex authors", "Sep 12 2005"),
               "Copyright (C) Quarvex authors. All rights reserved.");
  EXPECT_STREQ(FormatNoticeText(2002, "Quarvex authors", "Sep 12 20x5"),
               "Copyright (C) Quarvex authors. All rights reserved.");
  EXPECT_STREQ(FormatNoticeText(2002, "Quarvex authors", "205"),
               "Copyright (C) Quarvex authors. All rights reserved.");
  EXPECT_STREQ(FormatNoticeText(2002, nullptr, "Sep 12 2005"),
               "Copyright (C) 2002-2005. All rights reserved.");
  // This program's own build year is read from its build date.
  EXPECT_GE(GetNoticeText(2002, kNoticeCompany).Find("Copyright (C) 2002-20"), 0);
}

}  // namespace
