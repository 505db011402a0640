// The analysis report: clipboard texts per criterion, application and data case (tabs exact),
// the status line, and the sheet's rows, blocks and charts through a recording sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "spreadsheet/WorkbookModel.h"
#include "tests/view/view_test_support.h"
#include "view/AnalysisReport.h"

namespace {

using viewtest::Models;

// Records what the report writes: cells in a workbook model, arrays and charts as they come.
class CRecordingSheet : public CSheetWriter {
 public:
  struct Array {
    CSheetRange range;
    std::vector<std::vector<double>> values;
  };
  struct Chart {
    std::vector<CSheetRange> ranges;
    std::vector<std::string> names;
    SheetChartStyle style;
    bool single = false;  // AddChart
  };
  CWorkbookModel cells;
  std::vector<Array> arrays;
  std::vector<Chart> charts;
  int calls = 0;

  void SetCellText(const char* text, const CSheetRange& cell) override {
    ++calls;
    cells.SetCellText(cell.GetFirstRow(), cell.GetFirstColumn(), text);
  }
  void SetCellNumber(double value, const CSheetRange& cell) override {
    ++calls;
    cells.SetCellText(cell.GetFirstRow(), cell.GetFirstColumn(), SheetNumberText(value));
  }
  void CreateArray(const CSheetRange& range) override {
    ++calls;
    pending.range = range;
    pending.values.assign(range.GetRowCount(), std::vector<double>(range.GetColumnCount(), NAN));
  }
  void PutArrayNumber(double value, int row, int column) override {
    if (row >= 0 && row < (int)pending.values.size() && column >= 0 &&
        column < (int)pending.values[row].size())
      pending.values[row][column] = value;
  }
  void WriteArray() override {
    ++calls;
    arrays.push_back(pending);
  }
  void AddChart(const CSheetRange& range, const SheetChartStyle& style) override {
    ++calls;
    charts.push_back({{range}, {}, style, true});
  }
  void AddSeriesChart(const CArray<CSheetRange>& ranges, const CStringArray& names,
                      const SheetChartStyle& style) override {
    ++calls;
    Chart c;
    for (int i = 0; i < ranges.GetSize(); ++i) c.ranges.push_back(ranges[i]);
    for (int i = 0; i < names.GetSize(); ++i) c.names.push_back(names[i].GetString());
    c.style = style;
    charts.push_back(c);
  }
  std::string Text(int row, int column) const {
    const WorkbookCell* cell = cells.GetCell(row, column);
    return cell ? cell->text.GetString() : "";
  }
  double Number(int row, int column) const {
    const WorkbookCell* cell = cells.GetCell(row, column);
    return cell && cell->isNumber ? cell->number : NAN;
  }
  // The row holding text in column 2, or 0.
  int RowOfTitle(const char* title) const {
    for (const auto& entry : cells.GetCells())
      if (entry.first.second == 2 && entry.second.text == title) return entry.first.first;
    return 0;
  }

 private:
  Array pending;
};

ReportView View(int points = 100) {
  ReportView v;
  v.pointCount = points;
  v.principalXTitle = "sig3 (MPa)";
  v.principalYTitle = "sig1 (MPa)";
  v.shearXTitle = "Normal Stress (MPa)";
  v.shearYTitle = "Shear Stress (MPa)";
  return v;
}

// A Hoek-Brown model with textbook parameters: sigci 100, mi 10, GSI 50, D 0.
void SetUpHoekBrown(Models& m, int application, double gamma = 0.027, double H = 100) {
  m.hoekBrown.SetParameters(100, 10, 50, 0);
  m.hoekBrown.SetEnvelopeRange(application, 25, gamma, H);
}

// Marks the model's current parameters as its last fit with the given method.
void MarkFitted(CStrengthCriterion& model, int method, double residuals = 12.5) {
  model.SetResiduals(residuals);
  model.SetBestFitResiduals(residuals);
  model.SetCurveFitMethod(method);
}

std::string Text(Models& m, int criterion, const ReportView& view = View()) {
  return BuildReportText(m.Doc(criterion), view).GetString();
}

// The numbers below are the models' own (mb, s and a are the textbook values of the
// classification); what the tests pin down is each line's label, tabs, unit and order.
const char kHoekBrownTop[] =
    "Hoek-Brown Classification\r\n"
    "\tsigci\t100\tMPa\r\n"
    "\tGSI\t50\r\n"
    "\tmi\t10\r\n"
    "\tD\t0\r\n"
    "Hoek-Brown Criterion\r\n"
    "\tmb\t1.67677\r\n"
    "\ts\t0.00386592\r\n"
    "\ta\t0.505734\r\n"
    "Failure Envelope Range\r\n";
const char kHoekBrownRockMass[] =
    "Rock Mass Parameters\r\n"
    "\tsigt\t-0.230557\tMPa\r\n"
    "\tsigc\t6.02272\tMPa\r\n"
    "\tsigcm\t17.4333\tMPa\r\n"
    "\tEm\t9340.7\tMPa\r\n";

TEST(ReportTextTest, HoekBrownCustomWithoutDataEndsAfterTheRockMass) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  EXPECT_EQ(Text(m, CRITERION_HOEK_BROWN), std::string(kHoekBrownTop) +
                                               "\tApplication\tCustom\r\n"
                                               "\tsig3max\t25\tMPa\r\n"
                                               "Mohr-Coulomb Fit\r\n"
                                               "\tc\t4.98046\tMPa\r\n"
                                               "\tphi\t30.5151\tdegrees\r\n" +
                                               kHoekBrownRockMass);
}

TEST(ReportTextTest, HoekBrownTunnelsWithFittedLabData) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_TUNNELS);
  viewtest::LabOnEnvelope(&m.hoekBrown, {0, 5, 10, 20});
  MarkFitted(m.hoekBrown, CHoekBrownCriterion::FIT_LEVENBERG_MARQUARDT);
  EXPECT_EQ(Text(m, CRITERION_HOEK_BROWN),
            std::string(kHoekBrownTop) +
                "\tApplication\tTunnels\r\n"
                "\tsig3max\t1.41926\tMPa\r\n"
                "\tUnit Weight\t0.027\tMN/m3\r\n"
                "\tTunnel Depth\t100\tm\r\n"
                "Mohr-Coulomb Fit\r\n"
                "\tc\t1.01996\tMPa\r\n"
                "\tphi\t53.0204\tdegrees\r\n" +
                kHoekBrownRockMass +
                "Analysis of Triaxial Lab Data\r\n"
                "\tno. of lab data points\t4\t\r\n"
                "\tsum square of errors (residuals)\t12.5\t\r\n"
                "Current strength model is LEVENBERG-MARQUARDT 'best-fit'\r\n");
}

TEST(ReportTextTest, HoekBrownFromRockMassDataDescribesTheRockMassSet) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_SLOPES);
  std::vector<double> x = {1, 2, 3}, y = {20, 25, 30};
  m.hoekBrown.SetRockMassData(3, x.data(), y.data());
  viewtest::LabOnEnvelope(&m.hoekBrown, {0, 5});  // lab points of another kind are not counted
  m.hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
  m.hoekBrown.SetResiduals(3.25);
  std::string text = Text(m, CRITERION_HOEK_BROWN);
  EXPECT_NE(text.find("\tApplication\tSlopes\r\n"
                      "\tsig3max\t2.29931\tMPa\r\n"
                      "\tUnit Weight\t0.027\tMN/m3\r\n"
                      "\tSlope Height\t100\tm\r\n"),
            std::string::npos)
      << text;
  const std::string tail =
      "Analysis of Triaxial Field Data\r\n"
      "\tno. of lab data points\t3\t\r\n"
      "\tsum square of errors (residuals)\t3.25\t\r\n"
      "Current strength model is NOT 'best-fit'\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  // No rock-mass points: no block at all, whatever lab points there are.
  m.hoekBrown.SetRockMassData(0, nullptr, nullptr);
  text = Text(m, CRITERION_HOEK_BROWN);
  EXPECT_EQ(text.substr(text.size() - strlen(kHoekBrownRockMass)), kHoekBrownRockMass);
}

TEST(ReportTextTest, MohrCoulombRangeLineFollowsTheDataType) {
  Models m;
  m.mohrCoulomb.SetParameters(10, 30, 0);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  const std::string top =
      "Mohr-Coulomb Criterion\r\n"
      "\tcohesion\t\t\t\t10\tMPa\r\n"
      "\tfriction angle\t\t\t\t30\tdegrees\r\n"
      "\ttensile strength\t\t\t0\tMPa\r\n"
      "\tuniaxial compressive strength \t34.641\tMPa\r\n"
      "\talpha\t\t\t\t\t71.5651\tdegrees\r\n"
      "Failure Envelope Range\r\n";
  EXPECT_EQ(Text(m, CRITERION_MOHR_COULOMB), top +
                                                 "\tApplication\tCustom\r\n"
                                                 "\tsig3max\t\t\t\t20\tMPa\r\n");

  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_SLOPES, 20, 0.027, 50);
  viewtest::LabOnEnvelope(&m.mohrCoulomb, {1, 5, 10}, true);
  MarkFitted(m.mohrCoulomb, CMohrCoulombCriterion::FIT_LINEAR_REGRESSION, 0.5);
  EXPECT_EQ(Text(m, CRITERION_MOHR_COULOMB),
            top +
                "\tApplication\tSlopes\r\n"
                "\tsignmax\t10.6128\tMPa\r\n"
                "\tUnit Weight\t0.027\tMN/m3\r\n"
                "\tSlope Height\t50\tm\r\n"
                "Analysis of Direct Shear Lab Data\r\n"
                "\tno. of lab data points\t3\t\r\n"
                "\tsum square of errors (residuals)\t0.5\t\r\n"
                "Current strength model is LINEAR REGRESSION 'best-fit'\r\n");
}

TEST(ReportTextTest, BartonBandisSaysNotBestFitInCapitals) {
  Models m;
  m.bartonBandis.SetParameters(30, 10, 100);
  m.bartonBandis.SetEnvelopeRange(APPLICATION_TUNNELS, 5, 0.027, 100);
  viewtest::LabOnEnvelope(&m.bartonBandis, {1, 2, 3}, true);
  m.bartonBandis.SetResiduals(0.1);
  EXPECT_EQ(Text(m, CRITERION_BARTON_BANDIS),
            "Barton-Bandis Criterion\r\n"
            "\tbasic friction angle\t\t30\tdegrees\r\n"
            "\tjoint roughness coefficient\t10\t\r\n"
            "\tjoint compressive strength\t100\tMPa\r\n"
            "Failure Envelope Range\r\n"
            "\tApplication\tTunnels\r\n"
            "\tsignmax\t\t\t2.47681\tMPa\r\n"
            "\tUnit Weight\t0.027\tMN/m3\r\n"
            "\tTunnel Depth\t100\tm\r\n"
            "Mohr-Coulomb Fit\r\n"
            "\tc\t\t\t\t0.153685\tMPa\r\n"
            "\tphi\t\t\t\t45.0064\tdegrees\r\n"
            "Analysis of Direct Shear Lab Data\r\n"
            "\tno. of lab data points\t3\t\r\n"
            "\tsum square of errors (residuals)\t0.1\t\r\n"
            "Current strength model is NOT 'BEST-FIT'\r\n");
}

TEST(ReportTextTest, PowerCurveShowsItsClosestPointSignmaxAndLeavesTheModelAlone) {
  Models m;
  m.powerCurve.SetParameters(5, 1, 0.7);
  m.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  const std::string top =
      "Power Curve Criterion\r\n"
      "\tparameter a\t\t\t\t5\r\n"
      "\tparameter d\t\t\t\t1\tMPa\r\n"
      "\tparameter b\t\t\t\t0.7\r\n"
      "\ttensile strength \t\t\t-0.999961\tMPa\r\n"
      "\tuniaxial compressive strength \t60.1065\tMPa\r\n"
      "Non-Dimensional Power Curve Criterion\r\n"
      "\tAtmospheric Pressure \t\t0.101\tMPa\r\n"
      "\tparameter A\t\t\t\t9.94658\r\n"
      "\tparameter T\t\t\t\t9.90099\r\n"
      "\tparameter n\t\t\t\t0.7\r\n"
      "Failure Envelope Range\r\n"
      "\tApplication\tCustom\r\n";
  EXPECT_EQ(Text(m, CRITERION_POWER_CURVE), top +
                                                "\tsig3max\t\t\t\t20\tMPa\r\n"
                                                "Mohr-Coulomb Fit\r\n"
                                                "\tc\t\t\t\t\t11.8915\tMPa\r\n"
                                                "\tphi\t\t\t\t\t54.3049\tdegrees\r\n");
  Models shear;
  shear.powerCurve.SetParameters(5, 1, 0.7);
  shear.powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  shear.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  double before = shear.powerCurve.GetSignMax();
  EXPECT_EQ(Text(shear, CRITERION_POWER_CURVE), top +
                                                    "\tsignmax\t4.17579\tMPa\r\n"
                                                "Mohr-Coulomb Fit\r\n"
                                                "\tc\t\t\t\t\t7.34177\tMPa\r\n"
                                                "\tphi\t\t\t\t\t61.4172\tdegrees\r\n");
  EXPECT_NEAR(PowerCurveReportSignMax(shear.powerCurve), 4.17579, 1e-5);
  EXPECT_EQ(shear.powerCurve.GetSignMax(), before);  // the project keeps its own signmax
}

TEST(ReportTextTest, UnknownApplicationOrCriterionExportsNothing) {
  Models m;
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  // An application index from a damaged file.
  m.bartonBandis.SetEnvelopeRange(7, 5, 0.027, 100);
  EXPECT_EQ(Text(m, CRITERION_BARTON_BANDIS), "");
  CRecordingSheet sheet;
  EXPECT_FALSE(WriteReportSheet(m.Doc(CRITERION_BARTON_BANDIS), View(), sheet));
  EXPECT_EQ(sheet.calls, 0);
  EXPECT_EQ(Text(m, 9), "");
  CString name, label;
  EXPECT_FALSE(ReportApplication(CRITERION_HOEK_BROWN, 4, &name, &label));
  EXPECT_FALSE(ReportApplication(CRITERION_MOHR_COULOMB, 3, &name, &label));
  EXPECT_FALSE(ReportApplication(CRITERION_POWER_CURVE, -1, &name, &label));
  EXPECT_TRUE(ReportApplication(CRITERION_HOEK_BROWN, 0, &name, &label));
  EXPECT_STREQ(name, "General");
  EXPECT_STREQ(label, "");
}

TEST(ReportStatusTest, MethodNamesFollowEachCriterionsList) {
  Models m;
  struct Case {
    int criterion;
    CStrengthCriterion* model;
    int method;
    const char* line;
  } cases[] = {
      {CRITERION_HOEK_BROWN, &m.hoekBrown, 0, "Current strength model is LEVENBERG-MARQUARDT 'best-fit'"},
      {CRITERION_HOEK_BROWN, &m.hoekBrown, 1, "Current strength model is SIMPLEX 'best-fit'"},
      {CRITERION_HOEK_BROWN, &m.hoekBrown, 2, "Current strength model is LINEAR REGRESSION 'best-fit'"},
      {CRITERION_HOEK_BROWN, &m.hoekBrown, 3, ""},
      {CRITERION_MOHR_COULOMB, &m.mohrCoulomb, 1, "Current strength model is LINEAR REGRESSION 'best-fit'"},
      {CRITERION_MOHR_COULOMB, &m.mohrCoulomb, 2, ""},
      {CRITERION_BARTON_BANDIS, &m.bartonBandis, 1, "Current strength model is SIMPLEX 'best-fit'"},
      {CRITERION_POWER_CURVE, &m.powerCurve, 1, "Current strength model is SIMPLEX 'best-fit'"},
      {CRITERION_POWER_CURVE, &m.powerCurve, 2, ""},
  };
  for (const Case& c : cases) {
    MarkFitted(*c.model, c.method);
    EXPECT_STREQ(ReportStatusLine(c.criterion, *c.model), c.line) << c.criterion << " " << c.method;
  }
  // Parameters changed after the fit, or never fitted (residuals below zero).
  m.hoekBrown.SetResiduals(13.0);
  EXPECT_STREQ(ReportStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
               "Current strength model is NOT 'best-fit'");
  MarkFitted(m.powerCurve, 0, -1.0);
  EXPECT_STREQ(ReportStatusLine(CRITERION_POWER_CURVE, m.powerCurve),
               "Current strength model is NOT 'best-fit'");
  // The model's stored flag (set by painting) plays no part.
  m.hoekBrown.SetBestFitFlag(TRUE);
  EXPECT_STREQ(ReportStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
               "Current strength model is NOT 'best-fit'");
}

// ---- the sheet ---------------------------------------------------------------------------

TEST(ReportSheetTest, MohrCoulombFitRowMovesWithTheUnitWeightRows) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  CRecordingSheet custom;
  ASSERT_TRUE(WriteReportSheet(m.Doc(CRITERION_HOEK_BROWN), View(), custom));
  EXPECT_EQ(custom.RowOfTitle("Mohr-Coulomb Fit"), 14);
  EXPECT_EQ(custom.Text(12, 3), "Application");
  EXPECT_EQ(custom.Text(12, 4), "Custom");
  EXPECT_EQ(custom.Text(3, 3), "sigci");
  EXPECT_EQ(custom.Number(3, 4), 100.0);
  EXPECT_EQ(custom.Text(3, 5), "MPa");
  EXPECT_EQ(custom.Text(4, 5), "");  // GSI has no unit
  EXPECT_EQ(custom.Text(16, 5), "degrees");
  EXPECT_EQ(custom.Text(21, 3), "Em");

  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_TUNNELS);
  CRecordingSheet tunnels;
  ASSERT_TRUE(WriteReportSheet(m.Doc(CRITERION_HOEK_BROWN), View(), tunnels));
  EXPECT_EQ(tunnels.RowOfTitle("Mohr-Coulomb Fit"), 16);
  EXPECT_EQ(tunnels.Text(14, 3), "Unit Weight");
  EXPECT_EQ(tunnels.Text(14, 5), "MN/m3");
  EXPECT_EQ(tunnels.Text(15, 3), "Tunnel Depth");
  EXPECT_EQ(tunnels.Number(15, 4), 100.0);
  EXPECT_EQ(tunnels.Text(15, 5), "m");

  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  m.bartonBandis.SetEnvelopeRange(APPLICATION_SLOPES, 5, 0.027, 100);
  m.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  CRecordingSheet mc, bb, pc;
  WriteReportSheet(m.Doc(CRITERION_MOHR_COULOMB), View(), mc);
  WriteReportSheet(m.Doc(CRITERION_BARTON_BANDIS), View(), bb);
  WriteReportSheet(m.Doc(CRITERION_POWER_CURVE), View(), pc);
  EXPECT_EQ(mc.Text(10, 3), "sig3max");
  EXPECT_EQ(bb.RowOfTitle("Mohr-Coulomb Fit"), 11);
  EXPECT_EQ(bb.Text(10, 3), "Slope Height");
  EXPECT_EQ(pc.RowOfTitle("Mohr-Coulomb Fit"), 16);
  EXPECT_EQ(pc.Text(6, 3), "uniaxial compressive strength");
  EXPECT_EQ(pc.Text(7, 3), "tensile strength");
  // The first table follows the criterion rows at once.
  EXPECT_EQ(mc.RowOfTitle("Principal Stresses"), 11);
  EXPECT_EQ(pc.RowOfTitle("Principal Stresses"), 19);
}

TEST(ReportSheetTest, LabBlockListsEveryTestAndChartsThemFromTheHeaderRow) {
  Models m;
  m.mohrCoulomb.SetParameters(10, 30, 0);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  viewtest::LabOnEnvelope(&m.mohrCoulomb, {0, 2, 4, 6, 8});
  MarkFitted(m.mohrCoulomb, CMohrCoulombCriterion::FIT_LEVENBERG_MARQUARDT, 0.25);
  CRecordingSheet sheet;
  ReportView view = View();
  view.shearShown = false;
  ASSERT_TRUE(WriteReportSheet(m.Doc(CRITERION_MOHR_COULOMB), view, sheet));
  int L = sheet.RowOfTitle("Lab Data");
  ASSERT_EQ(L, 11);
  EXPECT_EQ(sheet.Text(L + 1, 3), "Number of Tests");
  EXPECT_EQ(sheet.Number(L + 1, 4), 5.0);
  EXPECT_EQ(sheet.Text(L + 2, 3), "sum square of errors (Residuals)");
  EXPECT_EQ(sheet.Number(L + 2, 4), 0.25);
  EXPECT_EQ(sheet.Text(L + 3, 3), "Current strength model is LEVENBERG-MARQUARDT 'best-fit'");
  EXPECT_EQ(sheet.Text(L + 4, 3), "Number");
  EXPECT_EQ(sheet.Text(L + 4, 4), "sig3 (MPa)");
  EXPECT_EQ(sheet.Text(L + 4, 5), "sig1 (MPa)");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(sheet.Number(L + 5 + i, 3), i + 1.0);
    EXPECT_EQ(sheet.Number(L + 5 + i, 4), 2.0 * i);
    EXPECT_NEAR(sheet.Number(L + 5 + i, 5), m.mohrCoulomb.GetSig1(2.0 * i), 1e-9);
  }
  ASSERT_EQ(sheet.charts.size(), 2u);  // the lab chart, then the principal table's
  const CRecordingSheet::Chart& lab = sheet.charts[0];
  ASSERT_TRUE(lab.single);
  EXPECT_EQ(lab.ranges[0], CSheetRange(L + 4, 4, L + 9, 5));
  EXPECT_STREQ(lab.style.title, "Lab Data");
  EXPECT_STREQ(lab.style.xTitle, "sig3 (MPa)");
  EXPECT_EQ(lab.style.gallery, -4169);
  EXPECT_EQ(lab.style.chartType, 74);
  EXPECT_EQ(lab.style.legendPosition, -4107);
  EXPECT_FALSE(lab.style.hasLegend);
  EXPECT_FALSE(lab.style.plotByRows);
  EXPECT_TRUE(lab.style.setChartType);
  EXPECT_EQ(sheet.RowOfTitle("Principal Stresses"), L + 10);

  // Direct-shear data take the shear chart's titles; other blocks say "Sum" in capitals.
  Models b;
  b.bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 5, 0.027, 100);
  viewtest::LabOnEnvelope(&b.bartonBandis, {1, 2}, true);
  CRecordingSheet shear;
  WriteReportSheet(b.Doc(CRITERION_BARTON_BANDIS), View(), shear);
  int BL = shear.RowOfTitle("Lab Data");
  EXPECT_EQ(shear.Text(BL + 2, 3), "Sum square of errors (Residuals)");
  EXPECT_EQ(shear.Text(BL + 4, 4), "Normal Stress (MPa)");
  EXPECT_EQ(shear.Text(BL + 3, 3), "Current strength model is NOT 'BEST-FIT'");
}

TEST(ReportSheetTest, HoekBrownRockMassBlockListsTheRockMassPoints) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  std::vector<double> x = {1, 2, 3}, y = {20, 25, 30};
  m.hoekBrown.SetRockMassData(3, x.data(), y.data());
  m.hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
  CRecordingSheet sheet;
  WriteReportSheet(m.Doc(CRITERION_HOEK_BROWN), View(), sheet);
  EXPECT_EQ(sheet.RowOfTitle("Lab Data"), 0);
  int L = sheet.RowOfTitle("Field Data");
  ASSERT_EQ(L, 22);
  EXPECT_EQ(sheet.Number(L + 1, 4), 3.0);
  EXPECT_EQ(sheet.Number(L + 7, 5), 30.0);
  EXPECT_STREQ(sheet.charts[0].style.title, "Field Data");
}

TEST(ReportSheetTest, SampledTablesHaveAFirstRowAndOneRowPerSample) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  CRecordingSheet sheet;
  ASSERT_TRUE(WriteReportSheet(m.Doc(CRITERION_HOEK_BROWN), View(100), sheet));
  ASSERT_EQ(sheet.arrays.size(), 2u);
  int T = sheet.RowOfTitle("Principal Stresses");
  ASSERT_EQ(T, 22);
  EXPECT_EQ(sheet.Text(T + 1, 3), "Number");
  EXPECT_EQ(sheet.Text(T + 1, 4), "sig3 (MPa)");
  const CRecordingSheet::Array& principal = sheet.arrays[0];
  EXPECT_EQ(principal.range, CSheetRange(T + 2, 3, T + 101, 5));  // 100 numeric rows
  EXPECT_EQ(principal.values[0][0], 1.0);
  EXPECT_DOUBLE_EQ(principal.values[0][1], m.hoekBrown.GetMinSig3());
  EXPECT_EQ(principal.values[0][2], 0.0);
  EXPECT_EQ(principal.values[99][0], 100.0);
  EXPECT_NEAR(principal.values[99][1], 25.0, 1e-9);  // the last sample at sig3max
  EXPECT_NEAR(principal.values[99][2], m.hoekBrown.GetSig1(25.0), 1e-9);
  // The shear table starts right after the principal one.
  int S = sheet.RowOfTitle("Normal Stress vs. Shear Stress");
  EXPECT_EQ(S, T + 102);
  const CRecordingSheet::Array& shear = sheet.arrays[1];
  EXPECT_EQ(shear.range, CSheetRange(S + 2, 3, S + 101, 5));
  EXPECT_NEAR(shear.values[50][1], m.hoekBrown.GetSigNAtSig3(principal.values[50][1]), 1e-9);
  ASSERT_EQ(sheet.charts.size(), 2u);
  EXPECT_EQ(sheet.charts[0].ranges, std::vector<CSheetRange>{CSheetRange(T + 2, 4, T + 101, 5)});
  EXPECT_EQ(sheet.charts[0].names, std::vector<std::string>{"Hoek-Brown"});
  EXPECT_STREQ(sheet.charts[1].style.title, "Normal Stress vs. Shear Stress");
  EXPECT_STREQ(sheet.charts[1].style.yTitle, "Shear Stress (MPa)");
}

TEST(ReportSheetTest, OverlayAddsTheEquivalentLineAsASecondSeries) {
  Models m;
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  ReportView view = View(20);
  view.mohrCoulombOverlay = true;
  CRecordingSheet sheet;
  WriteReportSheet(m.Doc(CRITERION_HOEK_BROWN), view, sheet);
  ASSERT_EQ(sheet.arrays.size(), 2u);
  int T = sheet.RowOfTitle("Principal Stresses");
  EXPECT_EQ(sheet.arrays[0].range, CSheetRange(T + 2, 3, T + 21, 7));
  EXPECT_EQ(sheet.Text(T + 1, 6), "");  // no titles over the overlay
  double c = 4.98046, phi = 30.5151 * 3.14159265358979 / 180;
  const auto& row = sheet.arrays[0].values[10];
  EXPECT_EQ(row[3], row[1]);
  EXPECT_NEAR(row[4], (1 + sin(phi)) / (1 - sin(phi)) * row[3] + 2 * c * cos(phi) / (1 - sin(phi)),
              1e-3);
  EXPECT_EQ(sheet.arrays[0].values[0][3], m.hoekBrown.GetMinSig3());
  EXPECT_EQ(sheet.arrays[0].values[0][4], 0.0);
  const auto& shearRow = sheet.arrays[1].values[10];
  EXPECT_NEAR(shearRow[4], c + shearRow[3] * tan(phi), 1e-3);
  EXPECT_EQ(sheet.charts[0].ranges, (std::vector<CSheetRange>{CSheetRange(T + 2, 4, T + 21, 5),
                                                              CSheetRange(T + 2, 6, T + 21, 7)}));
  EXPECT_EQ(sheet.charts[0].names, (std::vector<std::string>{"Hoek-Brown", "Mohr-Coulomb"}));
}

TEST(ReportSheetTest, TablesFollowThePlotsShownExceptForBartonBandis) {
  Models m;
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  m.bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 5, 0.027, 100);
  m.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  SetUpHoekBrown(m, CHoekBrownCriterion::APPLICATION_CUSTOM);
  ReportView shearOnly = View(10);
  shearOnly.principalShown = false;
  for (int criterion : {CRITERION_HOEK_BROWN, CRITERION_MOHR_COULOMB, CRITERION_POWER_CURVE}) {
    CRecordingSheet sheet;
    WriteReportSheet(m.Doc(criterion), shearOnly, sheet);
    EXPECT_EQ(sheet.RowOfTitle("Principal Stresses"), 0) << criterion;
    EXPECT_NE(sheet.RowOfTitle("Normal Stress vs. Shear Stress"), 0) << criterion;
    EXPECT_EQ(sheet.arrays.size(), 1u) << criterion;
  }
  ReportView principalOnly = View(10);
  principalOnly.shearShown = false;
  CRecordingSheet bb;
  WriteReportSheet(m.Doc(CRITERION_BARTON_BANDIS), principalOnly, bb);
  EXPECT_EQ(bb.RowOfTitle("Principal Stresses"), 0);
  int S = bb.RowOfTitle("Normal Stress vs. Shear Stress");
  ASSERT_NE(S, 0);
  ASSERT_EQ(bb.arrays.size(), 1u);
  EXPECT_EQ(bb.arrays[0].values[0][1], 0.0);  // first row at sigN 0
  EXPECT_NEAR(bb.arrays[0].values[9][1], m.bartonBandis.GetSignMax(), 1e-9);
  EXPECT_EQ(bb.charts[0].names, std::vector<std::string>{"Barton-Bandis"});
}

TEST(ReportSheetTest, PowerCurveTablesUseTheReportSignmax) {
  Models m;
  m.powerCurve.SetParameters(5, 1, 0.7);
  m.powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  m.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0.027, 100);
  double own = m.powerCurve.GetSignMax();
  ReportView view = View(10);
  view.principalShown = false;
  CRecordingSheet sheet;
  WriteReportSheet(m.Doc(CRITERION_POWER_CURVE), view, sheet);
  ASSERT_EQ(sheet.arrays.size(), 1u);
  EXPECT_EQ(sheet.arrays[0].values[0][1], -1.0);  // first row at -d
  EXPECT_NEAR(sheet.arrays[0].values[9][1], 4.17579, 1e-5);
  EXPECT_EQ(sheet.Text(15, 3), "signmax");
  EXPECT_NEAR(sheet.Number(15, 4), 4.17579, 1e-5);
  EXPECT_EQ(m.powerCurve.GetSignMax(), own);
}

}  // namespace
