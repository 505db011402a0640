#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/io/StrengthFile.h"
#include "strength_file_fixtures.h"

namespace {

const char kDefaultError[] =
    "Error reading file. The file maybe corrupt, invalid or in use by another application";

BOOL ReadText(CStrengthFile& file, const std::string& text, const char* path) {
  return file.ReadFromText(path, text.data(), text.size());
}

std::string LorvaneFile(const char* version, const char* units,
                        std::initializer_list<const char*> tail) {
  std::string text =
      Lines({version, "Title: Quarry: east", units, "sigci: 50", "GSI: 65", "mi: 17", "D: 0.2",
             "Application: 3", "sig3max: 12.5", "Unit weight: 0.027", "Height: 40"});
  return text + Lines(tail);
}

}  // namespace

TEST(LorvaneFile, ReadsTheHoekBrownProject) {
  CStrengthFile file;
  ASSERT_TRUE(
      ReadText(file,
               LorvaneFile("Version: 1.011", "Units: 0",
                           {"Points: 2", "1 1.5 40", "2   3 55.5", "Modulus: 2", "Ei: 25000"}),
               "quarry.QZT"))
      << file.GetErrorText().GetString();
  EXPECT_TRUE(file.GetErrorText().IsEmpty());
  EXPECT_STREQ("Quarry: east", file.m_strTitle);
  EXPECT_EQ(0, file.m_nCriterion);
  EXPECT_EQ(&file.m_hoekBrown, file.m_pActiveCriterion);
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(50.0, sigci);
  EXPECT_EQ(17.0, mi);
  EXPECT_EQ(65.0, gsi);
  EXPECT_EQ(0.2, d);
  // The custom range survives the modulus method set after it.
  EXPECT_EQ(12.5, file.m_hoekBrown.GetSig3Max());
  EXPECT_EQ(2, file.m_hoekBrown.GetModulusMethod());
  EXPECT_EQ(25000.0, file.m_hoekBrown.GetIntactModulus());
  ASSERT_EQ(2, file.m_hoekBrown.GetLabCount());
  EXPECT_EQ(3.0, file.m_hoekBrown.GetLabX(1));
  EXPECT_EQ(55.5, file.m_hoekBrown.GetLabY(1));
  EXPECT_EQ(0, file.m_hoekBrown.GetLabTest());
}

TEST(LorvaneFile, VersionsAndUnits) {
  const CHoekBrownCriterion fresh;
  {
    // Before 1.011 there is no tail: method 1.
    CStrengthFile file;
    ASSERT_TRUE(
        ReadText(file, LorvaneFile("Version: 1.0", "Units: 0", {"Points: 0", "2", "99"}), "a.qzt"));
    EXPECT_EQ(MODULUS_HOEK_CARRANZA_TORRES_CORKUM, file.m_hoekBrown.GetModulusMethod());
    EXPECT_EQ(12.5, file.m_hoekBrown.GetSig3Max());
  }
  for (const char* tail : {"", "Modulus: 7", "Modulus: -1", "Modulus: x"}) {
    // From 1.011 a missing or unreadable tail keeps the model's settings.
    CStrengthFile file;
    ASSERT_TRUE(ReadText(
        file, LorvaneFile("Version: 1.2", "Units: 0", {"Points: 0", tail, "Ei: 1"}), "a.qzt"));
    EXPECT_EQ(fresh.GetModulusMethod(), file.m_hoekBrown.GetModulusMethod()) << tail;
    EXPECT_EQ(fresh.GetIntactModulus(), file.m_hoekBrown.GetIntactModulus()) << tail;
  }
  {
    // Units go to the Hoek-Brown model only; the values stand as written.
    CStrengthFile file;
    ASSERT_TRUE(ReadText(file, LorvaneFile("Version: 1.011", "Units: 1", {"Points: 0"}), "a.qzt"));
    EXPECT_EQ(1, file.m_nUnits);
    EXPECT_EQ(1, file.m_hoekBrown.GetUnits());
    EXPECT_EQ(0, file.m_mohrCoulomb.GetUnits());
    EXPECT_EQ(0, file.m_bartonBandis.GetUnits());
    EXPECT_EQ(0, file.m_powerCurve.GetUnits());
    double sigci, mi, gsi, d;
    file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
    EXPECT_EQ(50.0, sigci);
  }
  {
    // Units the model refuses are not reported as taken.
    CStrengthFile file;
    ASSERT_TRUE(ReadText(file, LorvaneFile("Version: 1.011", "Units: 42", {"Points: 0"}), "a.qzt"));
    EXPECT_EQ(0, file.m_nUnits);
    EXPECT_EQ(0, file.m_hoekBrown.GetUnits());
  }
}

TEST(LorvaneFile, DamagedFilesFail) {
  const char* bad[][2] = {{"Version: x", "Points: 0"},
                          {"Version: 1.011", "Points: many"},
                          {"Version: 1.011", "Points: 3"},
                          {"Version: 1.011", "Points: 99999999999"},
                          {"Version: 1.011", "Points: 2000000000"}};
  for (const auto& b : bad) {
    CStrengthFile file;
    EXPECT_FALSE(ReadText(file, LorvaneFile(b[0], "Units: 0", {b[1], "1 1 1"}), "a.qzt"))
        << b[0] << b[1];
    EXPECT_STREQ(kDefaultError, file.GetErrorText());
  }
  CStrengthFile file;
  EXPECT_FALSE(
      ReadText(file, LorvaneFile("Version: 1.011", "Units: 0", {"Points: 1", "1 nan 2"}), "a.qzt"));
  EXPECT_FALSE(ReadText(file, Lines({"Version: 1.0", "Title"}), "a.qzt"));
  // Values that would break the model keep its own.
  std::string text = LorvaneFile("Version: 1.0", "Units: 0", {"Points: 0"});
  text.replace(text.find("sigci: 50"), 9, "sigci: -5");
  CStrengthFile fresh;
  ASSERT_TRUE(ReadText(fresh, text, "a.qzt"));
  double sigci, mi, gsi, d;
  fresh.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(30.0, sigci);
  EXPECT_EQ(17.0, mi);
}

TEST(LegacyFile, TriaxialLabDataInPsi) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(file,
                       Lines({"* comment before the title", "Granite", "Borehole 7", "Depth 30 m",
                              "* comment before the header", "1 Triaxial PSI intact unused",
                              "* comment before the rows", "1000 5000"}),
                       "old.dat"))
      << file.GetErrorText().GetString();
  EXPECT_STREQ("Granite Borehole 7 Depth 30 m ", file.m_strTitle);
  EXPECT_EQ(UNITS_KSI, file.m_nUnits);
  EXPECT_EQ(UNITS_KSI, file.m_hoekBrown.GetUnits());
  EXPECT_EQ(UNITS_KSI, file.m_bartonBandis.GetUnits());
  ASSERT_EQ(1, file.m_hoekBrown.GetLabCount());
  EXPECT_EQ(1.0, file.m_hoekBrown.GetLabX(0));
  EXPECT_EQ(5.0, file.m_hoekBrown.GetLabY(0));
  EXPECT_EQ(0, file.m_nCriterion);
}

TEST(LegacyFile, TriaxialLabDataIsFittedAndRounded) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(file,
                       Lines({"t1", "t2", "t3", "5 t mpa i x", "0 42.1", "2 61.3", "5 80.2",
                              "10 102.7", "20 138.9"}),
                       "old.txt"));
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_NEAR(sigci, 42.0, 5.0);
  EXPECT_EQ(sigci, std::round(sigci * 1000.0) / 1000.0);
  EXPECT_EQ(mi, std::round(mi * 1000.0) / 1000.0);
  int application;
  double sig3max, gamma, h;
  file.m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &h);
  EXPECT_EQ(CHoekBrownCriterion::APPLICATION_CUSTOM, application);
  EXPECT_EQ(20.0, sig3max);
  EXPECT_GT(file.m_hoekBrown.GetResiduals(), 0.0);
}

TEST(LegacyFile, RockMassDataWithSigci) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(file,
                       Lines({"a", "b", "c", "4 T MPa Broken x", "0 2.0", "1 6.5", "3 12.1",
                              "3 12.0", "* the intact strength follows", "80"}),
                       "old.txt"));
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(80.0, sigci);
  EXPECT_EQ(4, file.m_hoekBrown.GetRockMassCount());
  BYTE flag = 0;
  file.m_hoekBrown.GetFieldDataFlag(&flag);
  EXPECT_EQ(SOURCE_ROCK_MASS, flag);
  EXPECT_EQ(3.0, file.m_hoekBrown.GetSig3Max());
}

TEST(LegacyFile, ShearDataBecomesBartonBandis) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(file,
                       Lines({"joints", "", "", "6 shear ksi i x", "0.1 0.12", "0.3 0.31",
                              "0.6 0.55", "1.0 0.85", "1.5 1.22", "0.7 0.6"}),
                       "joints.qzt"));
  EXPECT_EQ(2, file.m_nCriterion);
  EXPECT_EQ(&file.m_bartonBandis, file.m_pActiveCriterion);
  EXPECT_EQ(UNITS_KSI, file.m_nUnits);
  EXPECT_EQ(6, file.m_bartonBandis.GetLabCount());
  EXPECT_EQ(1, file.m_bartonBandis.GetLabTest());
  EXPECT_EQ(1.5, file.m_bartonBandis.GetSignMax());
  int application;
  double signmax, gamma, h;
  file.m_bartonBandis.GetEnvelopeRange(&application, &signmax, &gamma, &h);
  EXPECT_EQ(APPLICATION_CUSTOM, application);
  EXPECT_EQ(1, file.m_bartonBandis.GetDataType(nullptr));
  double phib, jrc, jcs;
  file.m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(jrc, std::round(jrc * 1000.0) / 1000.0);
  EXPECT_GT(jcs, 0.0);
}

TEST(LegacyFile, EdgeCases) {
  CStrengthFile file;
  // No points: title and units only.
  ASSERT_TRUE(ReadText(file, Lines({"a", "b", "c", "0 s psi i x"}), "z.txt"));
  EXPECT_EQ(2, file.m_nCriterion);
  EXPECT_EQ(UNITS_KSI, file.m_nUnits);
  EXPECT_EQ(0, file.m_bartonBandis.GetLabCount());
  // Four words, too few rows, unreadable rows, huge counts.
  for (const std::string& text : {Lines({"a", "b", "c", "2 t mpa i", "1 2", "3 4"}),
                                  Lines({"a", "b", "c", "3 t mpa i x", "1 2", "3 4"}),
                                  Lines({"a", "b", "c", "2 t mpa i x", "1 inf", "3 4"}),
                                  Lines({"a", "b", "c", "999999999 t mpa i x", "1 2"}),
                                  Lines({"a", "b", "c", "99999999999 t mpa i x", "1 2"}),
                                  std::string("\x7f"
                                              "ELF\x01\x02\0\0binary",
                                              14),
                                  std::string()}) {
    EXPECT_FALSE(ReadText(file, text, "z.bin"));
    EXPECT_STREQ(kDefaultError, file.GetErrorText());
  }
  // Long words and long comment lines are handled whole.
  const std::string longWord(10000, 't');
  ASSERT_TRUE(ReadText(file,
                       "*" + std::string(100000, '*') + " 1 2 3\r\n" +
                           Lines({"a", "b", "c", ("1 " + longWord + " mpa i x").c_str(), "1 2"}),
                       "z.txt"));
  EXPECT_EQ(1, file.m_hoekBrown.GetLabCount());
  // A .qzt file without "Version:" and a lower-case .kel header are read as this layout.
  ASSERT_TRUE(ReadText(file, Lines({"version: 1.0", "b", "c", "1 t mpa i x", "1 2"}), "y.qzt"));
  EXPECT_EQ(1, file.m_hoekBrown.GetLabCount());
  ASSERT_TRUE(ReadText(file, Lines({"quarvex:", "b", "c", "0 t mpa i x"}), "y.kel"));
  EXPECT_STREQ("quarvex: b c ", file.m_strTitle);
}

TEST(LegacyFile, TinyFittedValuesNeverRoundToZero) {
  // In ksi from psi a fitted sigci can be far below 0.0005.
  CStrengthFile file;
  ASSERT_TRUE(ReadText(
      file, Lines({"a", "b", "c", "4 t psi i x", "0 0.2", "0.02 0.33", "0.05 0.45", "0.1 0.6"}),
      "z.txt"));
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_GT(sigci, 0.0);
  EXPECT_LT(sigci, 0.001);
}
