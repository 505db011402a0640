#include <gtest/gtest.h>

#include <cstdio>

#include "core/io/SafeSave.h"
#include "core/io/StrengthFile.h"
#include "io_test_files.h"
#include "strength_file_fixtures.h"

namespace {

const char kDefaultError[] =
    "Error reading file. The file maybe corrupt, invalid or in use by another application";

BOOL ReadText(CStrengthFile& file, const std::string& text, const char* path = "project.kel") {
  return file.ReadFromText(path, text.data(), text.size());
}

// A valid file around the given project-settings and Hoek-Brown lines.
std::string HoekBrownFile(const char* version, std::initializer_list<const char*> hoekBrown) {
  std::string text = Lines({"Quarvex:", version, "", "project settings:", "  title: T",
                            "  units: 0", "  failure criterion: 0", "", "hoek-brown settings:"});
  text += Lines(hoekBrown);
  return text;
}

}  // namespace

TEST(StrengthFile, RoundTripIsExactForEveryCriterion) {
  for (int criterion = 0; criterion < 4; ++criterion) {
    SCOPED_TRACE(criterion);
    CStrengthFile out;
    FillProject(out, criterion);
    const std::string text = out.FormatProject("3.015");
    CStrengthFile in;
    ASSERT_TRUE(ReadText(in, text)) << in.GetErrorText().GetString();
    EXPECT_TRUE(in.GetErrorText().IsEmpty());
    EXPECT_EQ(3.015, in.m_dVersion);
    ExpectSameProject(out, in);
    // Writing what was read gives the same bytes.
    EXPECT_EQ(text, in.FormatProject("3.015"));
  }
}

TEST(StrengthFile, HoekBrownRangeSurvivesTheModulusMethod) {
  for (int method = 0; method < 3; ++method) {
    for (int application = 0; application < 4; ++application) {
      CStrengthFile out;
      out.m_hoekBrown.SetModulusMethod(method, 20000.0);
      out.m_hoekBrown.SetEnvelopeRange(application, 12.0, 0.027, 80.0);
      CStrengthFile in;
      ASSERT_TRUE(ReadText(in, out.FormatProject("3.015")));
      EXPECT_EQ(out.m_hoekBrown.GetSig3Max(), in.m_hoekBrown.GetSig3Max()) << method << application;
      if (application == CHoekBrownCriterion::APPLICATION_CUSTOM) {
        EXPECT_EQ(12.0, in.m_hoekBrown.GetSig3Max());
      }
      EXPECT_EQ(method, in.m_hoekBrown.GetModulusMethod());
      EXPECT_EQ(out.m_hoekBrown.GetIntactModulus(), in.m_hoekBrown.GetIntactModulus());
    }
  }
}

TEST(StrengthFile, GoldenFileIsByteIdentical) {
  CStrengthFile out;
  FillProject(out, CRITERION_HOEK_BROWN);
  const std::string golden = ReadWholeFile(TestDataPath("golden.kel"));
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(golden, out.FormatProject("3.015"));

  // Write goes through the disk and gives the same bytes.
  const std::string folder = MakeScratchFolder("golden");
  const std::string path = folder + "/golden.kel";
  ASSERT_TRUE(out.Write(path.c_str(), "3.015"));
  EXPECT_EQ(golden, ReadWholeFile(path));
  CStrengthFile in;
  ASSERT_TRUE(in.Read(path.c_str())) << in.GetErrorText().GetString();
  ExpectSameProject(out, in);
}

TEST(StrengthFile, FailedWriteKeepsTheOldFile) {
  const std::string folder = MakeScratchFolder("failed-write");
  const std::string path = folder + "/project.kel";
  ASSERT_TRUE(WriteWholeFile(path, "old project"));
  CStrengthFile file;
  EXPECT_FALSE(file.Write((folder + "/missing/project.kel").c_str(), "3.015"));
  EXPECT_STREQ("Could not open file for writing", file.GetErrorText());

  SetSafeSaveFaultHook([](SafeSaveStep step) { return step == SafeSaveStep::Write; });
  EXPECT_FALSE(file.Write(path.c_str(), "3.015"));
  SetSafeSaveFaultHook(nullptr);
  EXPECT_FALSE(file.GetErrorText().IsEmpty());
  EXPECT_EQ("old project", ReadWholeFile(path));

  ASSERT_TRUE(file.Write(path.c_str(), "3.015"));
  EXPECT_TRUE(file.GetErrorText().IsEmpty());
}

TEST(StrengthFile, ReadFailuresHaveClearMessages) {
  CStrengthFile file;
  EXPECT_FALSE(file.Read("no such folder/none.kel"));
  EXPECT_STREQ("Could not open file for reading", file.GetErrorText());

  // The dispatch prefix is exact; the header check is whole-line.
  EXPECT_FALSE(ReadText(file, Lines({"Quarvex: extra", "  version: 3.015"})));
  EXPECT_STREQ("This is not a Quarvex file", file.GetErrorText());
  for (const char* version :
       {"  version: 1.99", "  version:", "  version: inf", "  version: 1e999", "nothing"}) {
    EXPECT_FALSE(ReadText(file, Lines({"quarvex:", version}), "x.KEL")) << version;
    EXPECT_FALSE(ReadText(file, Lines({"Quarvex:", version}), "x.KEL")) << version;
    EXPECT_STREQ(kDefaultError, file.GetErrorText()) << version;
  }
  EXPECT_TRUE(ReadText(file, Lines({"Quarvex:", "  version: 2.0"}), "x.KEL"));
  EXPECT_TRUE(file.GetErrorText().IsEmpty());
  // A trailing CR and no end marker at all are fine.
  EXPECT_TRUE(ReadText(file, "Quarvex:\r\n  version: 3.015"));
  // A path too short for an extension goes to the plain layout.
  EXPECT_FALSE(ReadText(file, Lines({"Quarvex:", "  version: 3.015"}), "k"));
}

TEST(StrengthFile, KeysInAnyOrderRepeatedOrMisspelled) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(
      file, HoekBrownFile("  version: 3.015", {"  junk line without key", "  mi: 7", "  sigci: 40",
                                               "  GSI: 60", "  sigci: 45", "  d: 0.5", "  gsi: 70",
                                               "  sigci : 99", "  fit: 3", "  sig3max: 9"})));
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(45.0, sigci);  // the last repeat; "sigci :" names no key
  EXPECT_EQ(7.0, mi);
  EXPECT_EQ(0.0, gsi);  // "gsi" is recognised but its value is not found
  EXPECT_EQ(0.0, d);
  EXPECT_EQ(9.0, file.m_hoekBrown.GetSig3Max());
  EXPECT_EQ(-1.0, file.m_hoekBrown.GetResiduals());
  EXPECT_EQ(-2.0, file.m_hoekBrown.GetBestFitResiduals());
  EXPECT_STREQ("T", file.m_strTitle);
}

TEST(StrengthFile, ValuesFromAFileAreFiniteAndInRange) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(
      file, HoekBrownFile("  version: 3.015",
                          {"  sigci: inf", "  GSI: nan", "  mi: 1e999", "  D: 7",
                           "  fit: 99999999999", "  sig3max: 3",
                           "  type of data (triaxial or direct shear): 5", "  curve-fit method: -1",
                           "  modulus method: 9", "  gamma: -1e400", "  H: 1e308"})));
  const CHoekBrownCriterion fresh;
  double sigci, mi, gsi, d, s0, m0, g0, d0;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  fresh.GetParameters(&s0, &m0, &g0, &d0);
  // Unusable values leave the model's own; the rest is within its ranges.
  EXPECT_EQ(s0, sigci);
  EXPECT_EQ(m0, mi);
  EXPECT_EQ(0.0, gsi);
  EXPECT_EQ(d0, d);
  int application = -1;
  double sig3max, gamma, h;
  file.m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &h);
  EXPECT_EQ(0, application);
  EXPECT_EQ(0.0, gamma);
  EXPECT_EQ(1e308, h);
  EXPECT_EQ(0, file.m_hoekBrown.GetDataType(nullptr));
  EXPECT_EQ(0, file.m_hoekBrown.GetCurveFitMethod(nullptr));
  EXPECT_EQ(0, file.m_hoekBrown.GetModulusMethod());

  // A criterion or units out of range take their defaults, and the criterion
  // always matches the active model.
  ASSERT_TRUE(ReadText(file, Lines({"Quarvex:", "  version: 3.015", "", "project settings:",
                                    "  title: x", "  units: 42", "  failure criterion: 7"})));
  EXPECT_EQ(0, file.m_nCriterion);
  EXPECT_EQ(0, file.m_nUnits);
  EXPECT_EQ(&file.m_hoekBrown, file.m_pActiveCriterion);
  ASSERT_TRUE(ReadText(file, Lines({"Quarvex:", "  version: 3.015", "", "project settings:",
                                    "  title: x", "  units: 3", "  failure criterion: 3"})));
  EXPECT_EQ(3, file.m_nCriterion);
  EXPECT_EQ(&file.m_powerCurve, file.m_pActiveCriterion);
  EXPECT_EQ(3, file.m_powerCurve.GetUnits());
  EXPECT_EQ(3, file.m_hoekBrown.GetUnits());

  // GSI 100 and D 1, the ends of their ranges, are values a project may hold.
  CStrengthFile edges;
  edges.m_hoekBrown.SetParameters(80.0, 12.0, 100.0, 1.0);
  CStrengthFile back;
  ASSERT_TRUE(ReadText(back, edges.FormatProject("3.015")));
  back.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(100.0, gsi);
  EXPECT_EQ(1.0, d);
}

TEST(StrengthFile, OldVersionsRemapUnits) {
  const struct {
    const char* version;
    const char* units;
    int expected;
  } cases[] = {
      {"  version: 2.5", "  units: 1", UNITS_KSF},   {"  version: 2.5", "  units: 2", UNITS_KSI},
      {"  version: 2.5", "  units: 5", UNITS_PSI},   {"  version: 3.015", "  units: 1", UNITS_KPA},
      {"  version: 3.015", "  units: 2", UNITS_TSM}, {"  version: 3.01", "  units: 1", UNITS_KPA}};
  for (const auto& c : cases) {
    CStrengthFile file;
    ASSERT_TRUE(ReadText(file, Lines({"Quarvex:", c.version, "", "project settings:", "  title: x",
                                      c.units, "  failure criterion: 1"})));
    EXPECT_EQ(c.expected, file.m_nUnits) << c.version << c.units;
    EXPECT_EQ(c.expected, file.m_mohrCoulomb.GetUnits()) << c.version << c.units;
  }
}

TEST(StrengthFile, ProjectSettingsAfterASectionResetsItsUnitValues) {
  CStrengthFile file;
  ASSERT_TRUE(ReadText(
      file, Lines({"Quarvex:", "  version: 3.015", "", "hoek-brown settings:", "  sigci: 55",
                   "  mi: 12", "  GSI: 60", "  fit: 0", "", "project settings:", "  title: x",
                   "  units: 1", "  failure criterion: 0", "end of file", "",
                   "lab data:", "  test: 0", "  num: 1", "    1 2 3"})));
  double sigci, mi, gsi, d;
  file.m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(30000.0, sigci);  // the kPa default, not the section's 55
  EXPECT_EQ(12.0, mi);
  EXPECT_EQ(0, file.m_hoekBrown.GetLabCount());  // after "end of file" nothing is read
}

TEST(StrengthFile, DataSections) {
  const std::string head =
      Lines({"Quarvex:", "  version: 3.015", "", "project settings:", "  title: x", "  units: 0",
             "  failure criterion: 2", ""});
  CStrengthFile file;
  // Residuals 0 reads as none, and the set goes to the current model.
  ASSERT_TRUE(ReadText(file, head + Lines({"lab data:", "  test: 1", "  num: 2", "    1 0.5 0.75",
                                           "    2\t1e1   -2.5 trailing words", "  residuals: 0"})));
  ASSERT_EQ(2, file.m_bartonBandis.GetLabCount());
  EXPECT_EQ(10.0, file.m_bartonBandis.GetLabX(1));
  EXPECT_EQ(-2.5, file.m_bartonBandis.GetLabY(1));
  EXPECT_EQ(1, file.m_bartonBandis.GetLabTest());
  EXPECT_EQ(-1.0, file.m_bartonBandis.GetResiduals());
  EXPECT_EQ(0, file.m_hoekBrown.GetLabCount());

  // Too few rows, unreadable rows and impossible counts fail.
  for (const char* rows :
       {"    1 1 1\r\n    2 2 2\r\n\r\n", "    1 1 1\r\n    2 2 nan\r\n    3 3 3\r\n",
        "    1 1 1\r\n    99999999999 2 2\r\n    3 3 3\r\n",
        "    1 1 1\r\n    2 2 1e999\r\n    3 3 3\r\n", "    1 1\r\n    2 2 2\r\n    3 3 3\r\n"}) {
    EXPECT_FALSE(ReadText(file, head + Lines({"lab data:", "  test: 0", "  num: 3"}) + rows))
        << rows;
    EXPECT_STREQ(kDefaultError, file.GetErrorText());
  }
  EXPECT_FALSE(ReadText(
      file, head + Lines({"rock mass data:", "  test: 0", "  num: 2000000000", "    1 1 1"})));
  EXPECT_FALSE(ReadText(file, head + Lines({"lab data:", "  test: 0", "  num: 1000001"})));
  // One point past the cap is refused even with every row there.
  std::string full = head + Lines({"lab data:", "  test: 0", "  num: 1000001"});
  full.reserve(full.size() + 1000001 * 9);
  for (int i = 0; i < 1000001; ++i) full += "  1 2 3\r\n";
  EXPECT_FALSE(ReadText(file, full));
  EXPECT_STREQ(kDefaultError, file.GetErrorText());
  // The older plain text layout has the same cap: a million points are read, one more is not.
  // (Its data word "x" names no data set, so nothing is fitted to them.)
  std::string legacy = "a\r\nb\r\nc\r\n1000000 t mpa x x\r\n";
  legacy.reserve(legacy.size() + 1000001 * 5);
  for (int i = 0; i < 1000000; ++i) legacy += "1 2\r\n";
  EXPECT_TRUE(ReadText(file, legacy, "old.txt"));
  legacy.replace(legacy.find("1000000 t"), 7, "1000001");
  legacy += "1 2\r\n";
  EXPECT_FALSE(ReadText(file, legacy, "old.txt"));
  EXPECT_STREQ(kDefaultError, file.GetErrorText());
  // No rows and no residuals line for a count of 0 or less.
  ASSERT_TRUE(ReadText(
      file, head + Lines({"rock mass data:", "  test: 0", "  num: -5", "project settings:"})));
  EXPECT_EQ(0, file.m_bartonBandis.GetRockMassCount());
}

TEST(StrengthFile, CriterionSectionDefaults) {
  const std::string head = Lines({"Quarvex:", "  version: 3.015", ""});
  CStrengthFile file;
  // Mohr-Coulomb with both ranges takes the one of its data type.
  ASSERT_TRUE(ReadText(
      file, head + Lines({"mohr-coulomb settings:", "  cohesion: 2", "  friction angle: 30",
                          "  fit: 2", "  type of data (triaxial or direct shear): 1",
                          "  sig3max: 7", "  signmax: 9", "  BEST-FIT residuals:"})));
  EXPECT_EQ(9.0, file.m_mohrCoulomb.GetSignMax());
  EXPECT_EQ(-2.0, file.m_mohrCoulomb.GetBestFitResiduals());  // present but empty
  ASSERT_TRUE(ReadText(file, head + Lines({"mohr-coulomb settings:", "  cohesion: 2", "  fit: 2",
                                           "  sig3max: 7", "  signmax: 9"})));
  EXPECT_EQ(7.0, file.m_mohrCoulomb.GetSig3Max());
  EXPECT_EQ(-1.0, file.m_mohrCoulomb.GetBestFitResiduals());  // missing

  // Power curve: no data type reads 1, an unreadable one 0.
  ASSERT_TRUE(ReadText(file, head + Lines({"power curve settings:", "  parameter a: 2"})));
  EXPECT_EQ(1, file.m_powerCurve.GetDataType(nullptr));
  double a, d, b;
  file.m_powerCurve.GetParameters(&a, &d, &b);
  EXPECT_EQ(0.5, b);
  ASSERT_TRUE(ReadText(file, head + Lines({"power curve settings:",
                                           "  type of data (triaxial or direct shear): x"})));
  EXPECT_EQ(0, file.m_powerCurve.GetDataType(nullptr));

  // Barton-Bandis defaults for missing keys; JRC and JCS stay usable.
  ASSERT_TRUE(ReadText(file, head + Lines({"barton-bandis settings:",
                                           "  joint roughness coefficient (JRC): 0", "  fit: 2"})));
  double phib, jrc, jcs;
  file.m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(30.0, phib);
  EXPECT_GT(jrc, 0.0);
  EXPECT_EQ(30.0, jcs);
  EXPECT_EQ(10.0, file.m_bartonBandis.GetSignMax());
  EXPECT_EQ(1, file.m_bartonBandis.GetDataType(nullptr));

  // Hoek-Brown without the modulus keys keeps the model's own method and modulus.
  CStrengthFile own;
  own.m_hoekBrown.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 12345.0);
  ASSERT_TRUE(ReadText(own, head + Lines({"hoek-brown settings:", "  sigci: 50"})));
  EXPECT_EQ(MODULUS_HOEK_DIEDERICHS, own.m_hoekBrown.GetModulusMethod());
  EXPECT_EQ(12345.0, own.m_hoekBrown.GetIntactModulus());

  // Field data flag accepts yes/no as well as numbers.
  ASSERT_TRUE(ReadText(file, head + Lines({"hoek-brown settings:",
                                           "  field data flag (lab or rock mass data): Yes"})));
  BYTE flag = 0;
  file.m_hoekBrown.GetFieldDataFlag(&flag);
  EXPECT_EQ(1, flag);
}

TEST(StrengthFile, TitleWithColonAndLineBreaks) {
  CStrengthFile out;
  out.m_strTitle = "Slope: north wall";
  CStrengthFile in;
  ASSERT_TRUE(ReadText(in, out.FormatProject("3.015")));
  EXPECT_STREQ("Slope: north wall", in.m_strTitle);
  // A title never breaks the file's lines.
  out.m_strTitle = "two\r\nlines";
  ASSERT_TRUE(ReadText(in, out.FormatProject("3.015")));
  EXPECT_STREQ("two  lines", in.m_strTitle);
}

TEST(StrengthFile, ComputedRangesRoundTrip) {
  for (int application = 0; application < 3; ++application) {
    for (int dataType = 0; dataType < 2; ++dataType) {
      SCOPED_TRACE(application * 10 + dataType);
      CStrengthFile out;
      out.m_mohrCoulomb.SetDataType(dataType);
      out.m_mohrCoulomb.SetEnvelopeRange(application, 6.5, 0.03, 55.0);
      out.m_powerCurve.SetDataType(dataType);
      out.m_powerCurve.SetEnvelopeRange(application, 6.5, 0.03, 55.0);
      out.m_bartonBandis.SetEnvelopeRange(application, 6.5, 0.03, 55.0);
      CStrengthFile in;
      ASSERT_TRUE(ReadText(in, out.FormatProject("3.015")));
      ExpectSameProject(out, in);
    }
  }
}

TEST(StrengthFile, UnreadableVersionTextsAreNeverWritten) {
  for (const char* version : {"", "Beta", "1.5", "nan"}) {
    CStrengthFile out;
    const std::string text = out.FormatProject(version);
    EXPECT_EQ(0u, text.find("Quarvex:\r\n  version: 3.015\r\n")) << version;
    CStrengthFile in;
    EXPECT_TRUE(ReadText(in, text)) << version;
  }
  CStrengthFile out;
  EXPECT_EQ(0u, out.FormatProject(nullptr).find("Quarvex:\r\n  version: 3.015\r\n"));
  EXPECT_EQ(0u, out.FormatProject("2.5").find("Quarvex:\r\n  version: 2.5\r\n"));
}

TEST(StrengthFile, ZeroCountsOnlyWhenWrittenAsOne) {
  // A value that reads as zero is zero only when its text starts with "0"; "-0", ".0" and words
  // take the key's value for an empty text (-1 and -2 here).
  const struct {
    const char* text;
    double residuals;
    double bestFit;
  } cases[] = {{"0", 0.0, 0.0},     {"0.0", 0.0, 0.0},   {"0e5", 0.0, 0.0},
               {"-0", -1.0, -2.0},  {".0", -1.0, -2.0},  {"-0.0", -1.0, -2.0},
               {"+0", -1.0, -2.0},  {"none", -1.0, -2.0}, {"2.5", 2.5, 2.5}};
  for (const auto& c : cases) {
    const std::string residuals = std::string("  Residuals: ") + c.text;
    const std::string bestFit = std::string("  BEST-FIT residuals: ") + c.text;
    CStrengthFile file;
    ASSERT_TRUE(ReadText(file, HoekBrownFile("  version: 3.015", {residuals.c_str(), bestFit.c_str()})));
    EXPECT_EQ(c.residuals, file.m_hoekBrown.GetResiduals()) << c.text;
    EXPECT_EQ(c.bestFit, file.m_hoekBrown.GetBestFitResiduals()) << c.text;
  }
}
