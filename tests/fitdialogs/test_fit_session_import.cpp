// Imports through the fit sessions: what replaces the data, what keeps it, and what the user is
// told.
#include <gtest/gtest.h>

#include "fit_test_support.h"
#include "fitdialogs/logic/BartonBandisFitSession.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"
#include "fitdialogs/logic/MohrCoulombFitSession.h"
#include "fitdialogs/logic/PowerCurveFitSession.h"
#include "fitdialogs/logic/RockMassFitSession.h"

namespace {
std::string Lorvane(const char* units, const char* count, std::initializer_list<const char*> rows) {
  std::string text = "Version: 1.011\r\nTitle: Quarry\r\n" + std::string(units) +
                     "\r\nsigci: 50\r\nGSI: 65\r\nmi: 17\r\nD: 0.2\r\nApplication: 3\r\n"
                     "sig3max: 12.5\r\nUnit weight: 0.027\r\nHeight: 40\r\n" +
                     count + "\r\n";
  for (const char* row : rows) text += std::string(row) + "\r\n";
  return text;
}

// A project file of the given criterion whose model holds the points.
std::string Project(int criterion, int units, int dataType, const std::vector<double>& x,
                    const std::vector<double>& y) {
  CStrengthFile file;
  file.m_nCriterion = criterion;
  file.m_nUnits = units;
  file.SelectActiveCriterion();
  CStrengthCriterion& model = *file.m_pActiveCriterion;
  model.SetUnits(units);
  model.SetDataType(dataType);
  model.SetLabData(static_cast<int>(x.size()), x.data(), y.data());
  return file.FormatProject("3.01");
}

std::vector<double> LabX(const CStrengthCriterion& model) {
  std::vector<double> x(model.GetLabCount()), y(model.GetLabCount());
  if (!x.empty()) model.GetLabData(x.data(), y.data());
  return x;
}

// A Hoek-Brown session already showing ten tests.
struct TenTests {
  CHoekBrownCriterion model;
  std::unique_ptr<CHoekBrownFitSession> session;
  TenTests() {
    std::vector<double> x, y;
    for (int i = 0; i < 10; ++i) {
      x.push_back(i);
      y.push_back(10.0 * i + 30.0);
    }
    model.SetLabData(10, x.data(), y.data());
    session = std::make_unique<CHoekBrownFitSession>(model);
    std::vector<FitRowText> rows;
    session->RowsFromModel(&rows);
  }
};
}  // namespace

TEST(FitSessionImport, TextFilesReplaceTheTests) {
  const std::string folder = ScratchFolder("text");
  TenTests t;
  const ImportOutcome outcome = t.session->Import(
      IMPORT_COMMA, WriteScratchFile(folder, "DATA.CSV", "sig3,sig1\n5,40\n10 ,55\n15, 68\n").c_str());
  EXPECT_TRUE(outcome.changed);
  EXPECT_TRUE(outcome.message.IsEmpty());
  EXPECT_EQ(2, t.session->TestCount());
  EXPECT_EQ((std::vector<double>{5, 15}), LabX(t.model));
  std::vector<FitRowText> rows;
  t.session->RowsFromModel(&rows);
  EXPECT_EQ(2u, rows.size());

  const ImportOutcome tab =
      t.session->Import(IMPORT_TAB, WriteScratchFile(folder, "t.txt", "1 10\n2\t20\n3   30\n").c_str());
  EXPECT_TRUE(tab.changed);
  EXPECT_EQ(3, t.session->TestCount());
}

TEST(FitSessionImport, UnreadableFilesChangeNothingAndSaySo) {
  const std::string folder = ScratchFolder("unreadable");
  TenTests t;
  struct Case {
    int kind;
    std::string path;
    const char* message;
  } cases[] = {
      {IMPORT_COMMA, WriteScratchFile(folder, "words.csv", "no numbers here\n1;2\n"),
       "The file holds no test data that can be used here. Nothing was changed."},
      {IMPORT_TAB, WriteScratchFile(folder, "empty.txt", ""),
       "The file holds no test data that can be used here. Nothing was changed."},
      {IMPORT_COMMA, folder + "/missing.csv", "Could not open file for reading"},
      {IMPORT_PROJECT, WriteScratchFile(folder, "bad.kel", "Quarvex:\r\nnot a version\r\n"),
       "Error reading file. The file maybe corrupt, invalid or in use by another application"},
      {IMPORT_LORVANE, WriteScratchFile(folder, "norows.qzt", Lorvane("Units: 0", "Points: 3", {"a b c", "1;5;40"})),
       "The file holds no test data that can be used here. Nothing was changed."},
      // A Barton-Bandis project has no triaxial data for this dialog: the tests stay.
      {IMPORT_PROJECT,
       WriteScratchFile(folder, "joint.kel", Project(CRITERION_BARTON_BANDIS, 0, DATA_DIRECT_SHEAR, {1, 2}, {1, 2})),
       "The file holds no test data that can be used here. Nothing was changed."},
  };
  for (const Case& c : cases) {
    const ImportOutcome outcome = t.session->Import(c.kind, c.path.c_str());
    EXPECT_FALSE(outcome.changed) << c.path;
    EXPECT_STREQ(c.message, outcome.message) << c.path;
    EXPECT_EQ(10, t.session->TestCount());
    EXPECT_EQ(10, t.model.GetLabCount());
  }
  EXPECT_FALSE(t.session->Import(IMPORT_NONE, "x.doc").changed);
}

TEST(FitSessionImport, LorvaneFiles) {
  const std::string folder = ScratchFolder("lorvane");
  const std::string path =
      WriteScratchFile(folder, "site.qzt", Lorvane("Units: 0", "Points: 3", {"1 5 40", "2 10 55", "3 15 68"}));
  // The Hoek-Brown dialog: the lab set.
  TenTests t;
  ASSERT_TRUE(t.session->Import(IMPORT_LORVANE, path.c_str()).changed);
  EXPECT_EQ((std::vector<double>{5, 10, 15}), LabX(t.model));
  double y[3], x[3];
  t.model.GetLabData(x, y);
  EXPECT_EQ(68.0, y[2]);
  // The rock-mass dialog: the rock-mass set, the lab set untouched.
  CHoekBrownCriterion hb;
  CRockMassFitSession rock(hb);
  ASSERT_TRUE(rock.Import(IMPORT_LORVANE, path.c_str()).changed);
  EXPECT_EQ(3, hb.GetRockMassCount());
  EXPECT_EQ(0, hb.GetLabCount());
  // The Mohr-Coulomb and power-curve dialogs make the data triaxial.
  CMohrCoulombCriterion mc;
  CMohrCoulombFitSession mcs(mc);
  mcs.SetDataType(DATA_DIRECT_SHEAR);
  ASSERT_TRUE(mcs.Import(IMPORT_LORVANE, path.c_str()).changed);
  EXPECT_EQ(DATA_TRIAXIAL, mc.GetDataType(nullptr));
  EXPECT_STREQ("sig3 (MPa)", mcs.Heading(1));
  CPowerCurveCriterion pc;
  CPowerCurveFitSession pcs(pc);
  pcs.SetDataType(DATA_DIRECT_SHEAR);
  ASSERT_TRUE(pcs.Import(IMPORT_LORVANE, path.c_str()).changed);
  EXPECT_EQ(DATA_TRIAXIAL, pc.GetDataType(nullptr));
  // A file shorter than its count, or with a row that does not read, gives the rows it has; the
  // header's other values (here kPa) play no part.
  const ImportOutcome shortFile = t.session->Import(
      IMPORT_LORVANE, WriteScratchFile(folder, "short.qzt", Lorvane("Units: 1", "Points: 5", {"1 5 40", "2 x 55"})).c_str());
  EXPECT_TRUE(shortFile.changed);
  EXPECT_TRUE(shortFile.message.IsEmpty());
  EXPECT_EQ(1, t.session->TestCount());
  EXPECT_EQ((std::vector<double>{5}), LabX(t.model));
  // A file that declares two thousand million tests gives the one it holds.
  const ImportOutcome huge = t.session->Import(
      IMPORT_LORVANE,
      WriteScratchFile(folder, "huge.qzt", Lorvane("Units: 0", "Points: 2000000000", {"1 5 40", "2 10 55"})).c_str());
  EXPECT_TRUE(huge.changed);
  EXPECT_EQ(2, t.session->TestCount());
}

TEST(FitSessionImport, ProjectFilesBringTheirDataType) {
  const std::string folder = ScratchFolder("project");
  const std::string shear = WriteScratchFile(
      folder, "shear.kel", Project(CRITERION_MOHR_COULOMB, 0, DATA_DIRECT_SHEAR, {1, 2, 3}, {1, 1.5, 2}));
  CMohrCoulombCriterion mc;
  CMohrCoulombFitSession mcs(mc);
  ASSERT_TRUE(mcs.Import(IMPORT_PROJECT, shear.c_str()).changed);
  EXPECT_EQ(DATA_DIRECT_SHEAR, mc.GetDataType(nullptr));
  EXPECT_EQ(3, mcs.TestCount());
  // The Barton-Bandis dialog takes direct-shear Mohr-Coulomb points.
  CBartonBandisCriterion bb;
  CBartonBandisFitSession bbs(bb);
  ASSERT_TRUE(bbs.Import(IMPORT_PROJECT, shear.c_str()).changed);
  EXPECT_EQ(3, bb.GetLabCount());
  // A rock-mass dialog takes a triaxial Mohr-Coulomb project's points as rock-mass data.
  const std::string triaxial = WriteScratchFile(
      folder, "tri.kel", Project(CRITERION_MOHR_COULOMB, 0, DATA_TRIAXIAL, {1, 2}, {20, 25}));
  CHoekBrownCriterion hb;
  CRockMassFitSession rock(hb);
  ASSERT_TRUE(rock.Import(IMPORT_PROJECT, triaxial.c_str()).changed);
  EXPECT_EQ(2, hb.GetRockMassCount());
  // Triaxial (the first data type) is brought back as well as direct shear is brought in.
  ASSERT_TRUE(mcs.Import(IMPORT_PROJECT, triaxial.c_str()).changed);
  EXPECT_EQ(DATA_TRIAXIAL, mc.GetDataType(nullptr));
  EXPECT_EQ(2, mcs.TestCount());
}

TEST(FitSessionImport, OtherUnitsAreNamedAndTooManyTestsAreCut) {
  const std::string folder = ScratchFolder("units");
  TenTests t;
  const ImportOutcome kpa = t.session->Import(
      IMPORT_PROJECT,
      WriteScratchFile(folder, "kpa.kel", Project(CRITERION_HOEK_BROWN, UNITS_KPA, DATA_TRIAXIAL, {1000, 2000}, {30000, 40000})).c_str());
  EXPECT_TRUE(kpa.changed);
  EXPECT_STREQ(
      "The file's stresses are in kPa and this project's are in MPa.\nThe values were imported as "
      "they stand, without conversion.",
      kpa.message);
  EXPECT_EQ((std::vector<double>{1000, 2000}), LabX(t.model));
  // MPa (the first unit system) is named too, when the project is in another.
  CHoekBrownCriterion kpaModel;
  kpaModel.SetUnits(UNITS_KPA);
  CHoekBrownFitSession kpaSession(kpaModel);
  const ImportOutcome mpa = kpaSession.Import(
      IMPORT_PROJECT,
      WriteScratchFile(folder, "mpa.kel", Project(CRITERION_HOEK_BROWN, UNITS_MPA, DATA_TRIAXIAL, {1, 2}, {30, 40})).c_str());
  EXPECT_TRUE(mpa.changed);
  EXPECT_STREQ(
      "The file's stresses are in MPa and this project's are in kPa.\nThe values were imported as "
      "they stand, without conversion.",
      mpa.message);

  std::string text;
  for (int i = 0; i < kMaxFitTests + 3; ++i) text += std::to_string(i) + "," + std::to_string(2 * i + 5) + "\n";
  const ImportOutcome many = t.session->Import(IMPORT_COMMA, WriteScratchFile(folder, "many.csv", text).c_str());
  EXPECT_TRUE(many.changed);
  EXPECT_STREQ("At most 10000 tests can be used: 3 tests were left out.", many.message);
  EXPECT_EQ(kMaxFitTests, t.session->TestCount());
  EXPECT_EQ(kMaxFitTests, t.model.GetLabCount());

  // A kPa project of 10,003 tests: both are said, the cut first.
  std::vector<double> x, y;
  for (int i = 0; i < 10003; ++i) {
    x.push_back(i);
    y.push_back(3.0 * i + 50.0);
  }
  const ImportOutcome both = t.session->Import(
      IMPORT_PROJECT,
      WriteScratchFile(folder, "both.kel", Project(CRITERION_HOEK_BROWN, UNITS_KPA, DATA_TRIAXIAL, x, y)).c_str());
  EXPECT_TRUE(both.changed);
  EXPECT_STREQ(
      "At most 10000 tests can be used: 3 tests were left out.\n\nThe file's stresses are in kPa "
      "and this project's are in MPa.\nThe values were imported as they stand, without conversion.",
      both.message);
  EXPECT_EQ(10000, t.model.GetLabCount());
}
