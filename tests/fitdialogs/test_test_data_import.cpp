// Reading test data from files: kinds, delimited text, the cap, and where each dialog takes its
// points from in a project file.
#include <gtest/gtest.h>

#include "fit_test_support.h"
#include "fitdialogs/logic/TestDataImport.h"

TEST(TestDataImport, KindByExtensionInAnyCase) {
  EXPECT_EQ(IMPORT_PROJECT, ImportKindForPath("C:\\data\\rock.kel", true));
  EXPECT_EQ(IMPORT_COMMA, ImportKindForPath("C:\\data\\DATA.CSV", true));
  EXPECT_EQ(IMPORT_TAB, ImportKindForPath("tests.Txt", true));
  EXPECT_EQ(IMPORT_LORVANE, ImportKindForPath("site.QZT", true));
  EXPECT_EQ(IMPORT_NONE, ImportKindForPath("site.qzt", false));
  EXPECT_EQ(IMPORT_NONE, ImportKindForPath("tests.xls", true));
  EXPECT_EQ(IMPORT_NONE, ImportKindForPath("C:\\my.csv\\tests", true));
  EXPECT_EQ(IMPORT_NONE, ImportKindForPath("", true));
  EXPECT_EQ(IMPORT_NONE, ImportKindForPath(nullptr, true));
}

TEST(TestDataImport, CommaLines) {
  double x = 0, y = 0;
  EXPECT_TRUE(ParseCommaLine("5,40", &x, &y));
  EXPECT_EQ(5.0, x);
  EXPECT_EQ(40.0, y);
  EXPECT_TRUE(ParseCommaLine("  10, 55", &x, &y));  // a blank after the comma is fine
  EXPECT_EQ(55.0, y);
  EXPECT_TRUE(ParseCommaLine("15,68,third column;note", &x, &y));
  EXPECT_EQ(68.0, y);
  EXPECT_TRUE(ParseCommaLine("15,68abc", &x, &y));
  x = y = -1;
  for (const char* skipped : {"sig3,sig1", "10 ,55", "10;55", "10\t55", "", "10,", ",10",
                              "nan,5", "5,inf", "5,0x10", "1e999,2"}) {
    EXPECT_FALSE(ParseCommaLine(skipped, &x, &y)) << skipped;
  }
  EXPECT_EQ(-1.0, x);
}

TEST(TestDataImport, TabLines) {
  double x = 0, y = 0;
  EXPECT_TRUE(ParseTabLine("5\t40", &x, &y));
  EXPECT_TRUE(ParseTabLine(" 10   55 extra", &x, &y));
  EXPECT_EQ(10.0, x);
  EXPECT_EQ(55.0, y);
  EXPECT_TRUE(ParseTabLine("1\t \t2", &x, &y));
  for (const char* skipped : {"5,40", "sig3\tsig1", "5", "5\t", "5\tnan", "1-2"})
    EXPECT_FALSE(ParseTabLine(skipped, &x, &y)) << skipped;
}

TEST(TestDataImport, DelimitedTextKeepsReadableLinesInOrder) {
  const ImportedPoints comma =
      ReadDelimitedPoints("sig3,sig1\r\n5,40\r\n\r\n10 ,55\r\n15, 68\r\nend", IMPORT_COMMA);
  ASSERT_EQ(2, comma.Count());
  EXPECT_EQ(5.0, comma.x[0]);
  EXPECT_EQ(15.0, comma.x[1]);
  EXPECT_EQ(68.0, comma.y[1]);
  EXPECT_EQ(0, comma.leftOut);
  const ImportedPoints tab = ReadDelimitedPoints("5 40\n10\t55\n", IMPORT_TAB);
  EXPECT_EQ(2, tab.Count());
  EXPECT_EQ(0, ReadDelimitedPoints("5,40", IMPORT_PROJECT).Count());
  // A NUL byte ends what a line offers; binary junk reads nothing.
  EXPECT_EQ(0, ReadDelimitedPoints(std::string("\0\x01\xff,\n", 5), IMPORT_COMMA).Count());
}

TEST(TestDataImport, MoreThanTheCapIsCutAndCounted) {
  std::string text;
  for (int i = 0; i < kMaxFitTests + 25; ++i) text += std::to_string(i) + "," + std::to_string(i + 1) + "\n";
  const ImportedPoints points = ReadDelimitedPoints(text, IMPORT_COMMA);
  EXPECT_EQ(kMaxFitTests, points.Count());
  EXPECT_EQ(25, points.leftOut);
  EXPECT_EQ(kMaxFitTests - 1.0, points.x.back());
  EXPECT_NE(TestsLeftOutMessage(25).Find("25"), -1);
}

TEST(TestDataImport, LoadingFiles) {
  const std::string folder = ScratchFolder("load");
  std::string text;
  CString error;
  EXPECT_TRUE(LoadImportFile(WriteScratchFile(folder, "a.csv", "1,2\r\n").c_str(), &text, &error));
  EXPECT_EQ("1,2\r\n", text);
  EXPECT_FALSE(LoadImportFile((folder + "/missing.csv").c_str(), &text, &error));
  EXPECT_STREQ("Could not open file for reading", error);
  EXPECT_FALSE(LoadImportFile(folder.c_str(), &text, &error));  // a folder
  // A file of exactly 16 MB is read; one byte more is refused. The size is written out so the
  // test does not move with the constant.
  const size_t largestSize = 16777216;
  const std::string largest = WriteScratchFile(folder, "largest.csv", std::string(largestSize, '1'));
  EXPECT_TRUE(LoadImportFile(largest.c_str(), &text, &error));
  EXPECT_EQ(largestSize, text.size());
  const std::string big = WriteScratchFile(folder, "big.csv", std::string(largestSize + 1, '1'));
  EXPECT_FALSE(LoadImportFile(big.c_str(), &text, &error));
  EXPECT_NE(error.Find("too large"), -1);
}

namespace {
void Fill(CStrengthCriterion& model, int n, double first) {
  std::vector<double> x, y;
  for (int i = 0; i < n; ++i) {
    x.push_back(first + i);
    y.push_back(10.0 * (first + i) + 20.0);
  }
  model.SetLabData(n, x.data(), y.data());
}

// Which source the points came from: each filled set starts at its own first value.
double FirstX(const CStrengthFile& file, FitTarget target, int dataType, int* adopt) {
  ImportedPoints points;
  if (!TakeFilePoints(file, target, dataType, &points, adopt)) return -1.0;
  return points.x[0];
}
}  // namespace

TEST(TestDataImport, ProjectPrecedenceOfEveryDialog) {
  // Each model's set starts at its own value: 100 Hoek-Brown lab, 200 Hoek-Brown rock mass,
  // 300 Mohr-Coulomb, 400 Barton-Bandis, 500 power curve.
  auto make = [](bool hbLab, bool hbRock, bool mc, int mcType, bool bb, bool pc, int pcType) {
    auto file = std::make_unique<CStrengthFile>();
    if (hbLab) Fill(file->m_hoekBrown, 3, 100);
    if (hbRock) {
      const double x[2] = {200, 201}, y[2] = {400, 420};
      file->m_hoekBrown.SetRockMassData(2, x, y);
    }
    if (mc) Fill(file->m_mohrCoulomb, 3, 300);
    file->m_mohrCoulomb.SetDataType(mcType);
    if (bb) Fill(file->m_bartonBandis, 3, 400);
    if (pc) Fill(file->m_powerCurve, 3, 500);
    file->m_powerCurve.SetDataType(pcType);
    return file;
  };
  const int T = DATA_TRIAXIAL, S = DATA_DIRECT_SHEAR;
  int adopt = 0;
  // Hoek-Brown lab data: its own, then triaxial Mohr-Coulomb, then triaxial power curve.
  EXPECT_EQ(100, FirstX(*make(1, 1, 1, T, 1, 1, T), FitTarget::HoekBrownLab, T, &adopt));
  EXPECT_EQ(300, FirstX(*make(0, 1, 1, T, 1, 1, T), FitTarget::HoekBrownLab, T, &adopt));
  EXPECT_EQ(500, FirstX(*make(0, 1, 1, S, 1, 1, T), FitTarget::HoekBrownLab, T, &adopt));
  EXPECT_EQ(-1, FirstX(*make(0, 1, 1, S, 1, 1, S), FitTarget::HoekBrownLab, T, &adopt));
  // A Barton-Bandis project gives the Hoek-Brown dialog nothing.
  EXPECT_EQ(-1, FirstX(*make(0, 0, 0, T, 1, 0, T), FitTarget::HoekBrownLab, T, &adopt));
  EXPECT_EQ(-1, adopt);
  // Rock mass: Hoek-Brown rock-mass data, then triaxial Mohr-Coulomb lab data.
  EXPECT_EQ(200, FirstX(*make(1, 1, 1, T, 0, 0, T), FitTarget::RockMass, T, &adopt));
  EXPECT_EQ(300, FirstX(*make(1, 0, 1, T, 0, 0, T), FitTarget::RockMass, T, &adopt));
  EXPECT_EQ(-1, FirstX(*make(1, 0, 1, S, 0, 1, T), FitTarget::RockMass, T, &adopt));
  // Mohr-Coulomb: its own points with their data type, else by the dialog's data type.
  EXPECT_EQ(300, FirstX(*make(1, 1, 1, S, 1, 1, T), FitTarget::MohrCoulomb, T, &adopt));
  EXPECT_EQ(S, adopt);
  EXPECT_EQ(500, FirstX(*make(1, 1, 0, T, 1, 1, T), FitTarget::MohrCoulomb, S, &adopt));
  EXPECT_EQ(-1, adopt);
  EXPECT_EQ(400, FirstX(*make(1, 1, 0, T, 1, 0, T), FitTarget::MohrCoulomb, S, &adopt));
  EXPECT_EQ(100, FirstX(*make(1, 1, 0, T, 1, 1, T), FitTarget::MohrCoulomb, T, &adopt));
  EXPECT_EQ(200, FirstX(*make(0, 1, 0, T, 1, 1, T), FitTarget::MohrCoulomb, T, &adopt));
  EXPECT_EQ(500, FirstX(*make(0, 0, 0, T, 1, 1, S), FitTarget::MohrCoulomb, T, &adopt));
  EXPECT_EQ(-1, FirstX(*make(0, 0, 0, T, 1, 0, S), FitTarget::MohrCoulomb, T, &adopt));
  // Barton-Bandis: its own, then direct-shear Mohr-Coulomb, then power curve of any type.
  EXPECT_EQ(400, FirstX(*make(1, 1, 1, S, 1, 1, T), FitTarget::BartonBandis, S, &adopt));
  EXPECT_EQ(300, FirstX(*make(1, 1, 1, S, 0, 1, T), FitTarget::BartonBandis, S, &adopt));
  EXPECT_EQ(500, FirstX(*make(1, 1, 1, T, 0, 1, T), FitTarget::BartonBandis, S, &adopt));
  EXPECT_EQ(-1, FirstX(*make(1, 1, 1, T, 0, 0, T), FitTarget::BartonBandis, S, &adopt));
  // Power curve: its own points with their data type, else by the dialog's data type.
  EXPECT_EQ(500, FirstX(*make(1, 1, 1, T, 1, 1, S), FitTarget::PowerCurve, T, &adopt));
  EXPECT_EQ(S, adopt);
  EXPECT_EQ(300, FirstX(*make(1, 1, 1, T, 1, 0, T), FitTarget::PowerCurve, S, &adopt));
  EXPECT_EQ(400, FirstX(*make(1, 1, 0, T, 1, 0, T), FitTarget::PowerCurve, S, &adopt));
  EXPECT_EQ(100, FirstX(*make(1, 1, 1, S, 1, 0, T), FitTarget::PowerCurve, T, &adopt));
  EXPECT_EQ(200, FirstX(*make(0, 1, 1, S, 1, 0, T), FitTarget::PowerCurve, T, &adopt));
  EXPECT_EQ(300, FirstX(*make(0, 0, 1, S, 1, 0, T), FitTarget::PowerCurve, T, &adopt));
  EXPECT_EQ(-1, FirstX(*make(0, 0, 0, S, 1, 0, T), FitTarget::PowerCurve, T, &adopt));
}

TEST(TestDataImport, LorvaneRowsWithoutTheHeaderValues) {
  const std::string header =
      "Version: 1.011\r\nTitle: Quarry\r\nUnits: 0\r\nsigci: 50\r\nGSI: 65\r\nmi: 17\r\nD: 0.2\r\n"
      "Application: 3\r\nsig3max: 12.5\r\nUnit weight: 0.027\r\nHeight: 40\r\n";
  ImportedPoints points = ReadLorvanePoints(header + "Points: 3\r\n1 5 40\r\n2 10 55\r\n3 15 68\r\n");
  EXPECT_EQ((std::vector<double>{5, 10, 15}), points.x);
  EXPECT_EQ((std::vector<double>{40, 55, 68}), points.y);
  // Header values that do not read (or a header of labels only) are not used; unreadable and
  // missing rows are skipped, lines past the count are not read.
  const std::string odd =
      "Version: ?\nTitle\nUnits: kPa\nsigci: -\nGSI:\nmi: x\nD: y\nApplication: 9\nsig3max: z\n"
      "Unit weight: w\nHeight: h\n";
  points = ReadLorvanePoints(odd + "Tests: 5\n1 5 40\n2 ten 55\n\n4: 4 20 70\n");
  EXPECT_EQ((std::vector<double>{5, 20}), points.x);
  EXPECT_EQ((std::vector<double>{40, 70}), points.y);
  points = ReadLorvanePoints(odd + "Tests: 1\n1 5 40\n2 10 55\n");
  EXPECT_EQ(1, points.Count());
  // No positive count, a header cut short: nothing.
  for (const std::string& text : {header + "Points: 0\r\n1 5 40\r\n", header + "Points: x\r\n1 5 40\r\n",
                                   header + "Points: -2\r\n1 5 40\r\n", std::string("Points: 1\r\n1 5 40\r\n"),
                                   std::string()})
    EXPECT_EQ(0, ReadLorvanePoints(text).Count()) << text;
  // The cap holds as for text files.
  std::string many = header + "Points: 10002\r\n";
  for (int i = 0; i < kMaxFitTests + 2; ++i) many += std::to_string(i) + " 1 2\r\n";
  points = ReadLorvanePoints(many);
  EXPECT_EQ(kMaxFitTests, points.Count());
  EXPECT_EQ(2, points.leftOut);
}
