// The shear/normal function file: its exact bytes, the unit scale per unit system and the
// envelope it samples.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/view/view_test_support.h"
#include "view/ShearNormalFunctionFile.h"

namespace {

using viewtest::Models;

using viewtest::ReadBytes;

std::string TempPath(const char* name) {
  const char* dir = getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name;
}

// A Mohr-Coulomb project in MPa: c 1, phi 30, sig3 from 0 to 4.
void SetUpMohrCoulomb(Models& m) {
  m.mohrCoulomb.SetParameters(1, 30, 0);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 4, 0.027, 100);
}

TEST(ShearNormalFunctionTest, FileHoldsTheExactLinesWithCrLf) {
  Models m;
  SetUpMohrCoulomb(m);
  CString text = BuildShearNormalFunctionText(m.Doc(CRITERION_MOHR_COULOMB), "Slope A", 5);
  std::string path = TempPath("qx_fn2_golden.fn2");
  CString error;
  ASSERT_TRUE(WriteShearNormalFunctionFile(path.c_str(), text, &error)) << error.GetString();
  // Stresses in kPa: the line tau = 1000 + sigN tan 30 at each sample.
  EXPECT_EQ(ReadBytes(path),
            "QUELM - NORMAL/SHEAR FUNCTION FILE\r\n"
            "VERSION 1.0\r\n"
            "\r\n"
            "FUNCTION NAME: Slope A\r\n"
            "\r\n"
            "  type: 5  num: 4\r\n"
            "   n: 0  s: 1000\r\n"
            "   n: 2866.03  s: 2654.7\r\n"
            "   n: 4866.03  s: 3809.4\r\n"
            "   n: 6866.03  s: 4964.1\r\n");
  std::remove(path.c_str());
}

TEST(ShearNormalFunctionTest, EmptyTitleAndPointCount) {
  Models m;
  SetUpMohrCoulomb(m);
  std::string text = BuildShearNormalFunctionText(m.Doc(CRITERION_MOHR_COULOMB), "", 100).GetString();
  EXPECT_NE(text.find("\nFUNCTION NAME: \n\n  type: 5  num: 99\n"), std::string::npos);
  int rows = 0;
  for (size_t at = text.find("   n: "); at != std::string::npos; at = text.find("   n: ", at + 1))
    ++rows;
  EXPECT_EQ(rows, 99);
}

TEST(ShearNormalFunctionTest, StressesGoToKpaOrPsf) {
  EXPECT_EQ(ShearNormalUnitScale(UNITS_MPA), 1000.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_KPA), 1.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_TSM), 9.80665);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_KSI), 144000.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_KSF), 1000.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_PSI), 144.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_PSF), 1.0);
  EXPECT_EQ(ShearNormalUnitScale(UNITS_TSF), 2000.0);
  // A kPa project's stresses are written as they are: 1000 times less than in MPa.
  Models m;
  m.mohrCoulomb.SetUnits(UNITS_KPA);
  m.mohrCoulomb.SetParameters(1000, 30, 0);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 4000, 0.027, 100);
  std::string text = BuildShearNormalFunctionText(m.Doc(CRITERION_MOHR_COULOMB), "k", 5).GetString();
  EXPECT_NE(text.find("   n: 0  s: 1000\n   n: 2866.03  s: 2654.7\n"), std::string::npos) << text;
  // ksi to psf.
  Models i;
  i.mohrCoulomb.SetUnits(UNITS_KSI);
  i.mohrCoulomb.SetParameters(1, 30, 0);
  i.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 4, 0.027, 100);
  text = BuildShearNormalFunctionText(i.Doc(CRITERION_MOHR_COULOMB), "", 3).GetString();
  EXPECT_NE(text.find("   n: 0  s: 144000\n   n: 988708  s: 714831\n"), std::string::npos) << text;
}

TEST(ShearNormalFunctionTest, EveryUnitSystemWritesKpaOrPsf) {
  // A cohesion of 1 in the project's stress unit is the envelope's first shear stress.
  const char* firstRows[UNITS_COUNT] = {"s: 1000\n", "s: 1\n", "s: 9.80665\n", "s: 144000\n",
                                        "s: 1000\n", "s: 144\n", "s: 1\n", "s: 2000\n"};
  for (int units = 0; units < UNITS_COUNT; ++units) {
    Models m;
    m.mohrCoulomb.SetUnits(units);
    m.mohrCoulomb.SetParameters(1, 30, 0);
    m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 4, 0.027, 100);
    std::string text = BuildShearNormalFunctionText(m.Doc(CRITERION_MOHR_COULOMB), "", 3).GetString();
    EXPECT_NE(text.find(std::string("num: 2\n   n: 0  ") + firstRows[units]), std::string::npos)
        << units << "\n" << text;
  }
}

TEST(ShearNormalFunctionTest, DirectShearDataSampleTheShearEnvelopeToSignmax) {
  // A new Barton-Bandis model has sig3max 0: the principal envelope would be one point.
  Models m;
  m.bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 2, 0.027, 100);
  std::string text = BuildShearNormalFunctionText(m.Doc(CRITERION_BARTON_BANDIS), "Joint", 4).GetString();
  EXPECT_NE(text.find("  type: 5  num: 3\n   n: 1.89287  s: 5.20062\n   n: 1000.95  s: 925.82\n"
                      "   n: 2000  s: 1664.03\n"),
            std::string::npos)
      << text;
  // Direct-shear Mohr-Coulomb data likewise end at signmax; the model keeps its own table.
  Models s;
  s.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  s.mohrCoulomb.SetParameters(1, 30, 0);
  s.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 3, 0.027, 100);
  s.mohrCoulomb.BuildPrincipalEnvelope(7);
  text = BuildShearNormalFunctionText(s.Doc(CRITERION_MOHR_COULOMB), "", 5).GetString();
  char last[64];
  snprintf(last, sizeof last, "   n: %g  s: ", s.mohrCoulomb.GetSignMax() * 1000);
  EXPECT_NE(text.find(last), std::string::npos) << text;
  EXPECT_EQ(s.mohrCoulomb.GetEnvelopeCount(), 7);
}

TEST(ShearNormalFunctionTest, UnwritableFileSaysWhyAndLeavesNothing) {
  Models m;
  SetUpMohrCoulomb(m);
  CString error;
  EXPECT_FALSE(WriteShearNormalFunctionFile("/no/such/folder/x.fn2", "text\n", &error));
  EXPECT_FALSE(error.IsEmpty());
}

}  // namespace
