#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/io/StrengthFile.h"
#include "core/version/VersionResource.h"

TEST(VersionResource, ProjectWrittenWithTheVersionReadsBackUnremapped) {
  const CString version = GetVersionText(FALSE);
  ASSERT_GE(std::atof(version), 3.01);
  CStrengthFile out;
  out.m_nUnits = UNITS_KPA;
  out.m_hoekBrown.SetUnits(UNITS_KPA);
  const char* path = "version-cross.kel";
  ASSERT_TRUE(out.Write(path, version));
  CStrengthFile in;
  ASSERT_TRUE(in.Read(path)) << in.GetErrorText().GetString();
  EXPECT_EQ(UNITS_KPA, in.m_nUnits);
  EXPECT_EQ(UNITS_KPA, in.m_hoekBrown.GetUnits());
  std::remove(path);
}
