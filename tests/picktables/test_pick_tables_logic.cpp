// The list-pick tables (cohesion, friction angle, residual friction angle): their rows against
// the published tables, the searches and filters, and the residual friction calculator.
#include <gtest/gtest.h>

#include <vector>

#include "picktables/PickTables.h"

namespace {

std::vector<int> Matches(const CPickTable& t) {
  std::vector<int> rows;
  for (int i = 0; i < t.GetMatchCount(); ++i) rows.push_back(t.GetMatch(i));
  return rows;
}

std::vector<int> Span(int first, int last) {
  std::vector<int> rows;
  for (int i = first; i <= last; ++i) rows.push_back(i);
  return rows;
}

// ---- cohesion ----------------------------------------------------------------------------------

// What each row returns, per unit system MPa, kPa, tsm, ksi, ksf, psi, psf, tsf: the middle of
// the range text, except the cells the published table rounds from the MPa middle.
const double kCohesionValues[COHESION_ROW_COUNT][8] = {
    {0.001, 1, 0.102, 0.00015, 0.02, 0.15, 20, 0.01},
    {0.003, 3, 0.306, 0.00045, 0.065, 0.45, 65, 0.03},
    {0.002, 2, 0.204, 0.0003, 0.04, 0.3, 40, 0.02},
    {0.003, 3, 0.306, 0.00045, 0.065, 0.45, 65, 0.03},
    {0.006, 6, 0.612, 0.0009, 0.125, 0.9, 125, 0.06},
    {0.008, 8, 0.816, 0.0012, 0.17, 1.2, 170, 0.08},
    {0.01, 10, 1.02, 0.0015, 0.2, 1.5, 210, 0.1},
    {0.007, 7, 0.714, 0.001, 0.15, 1, 150, 0.07},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0.012, 12, 1.224, 0.0018, 0.25, 1.75, 250, 0.125},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0.036, 36, 3.671, 0.0053, 0.75, 5.25, 750, 0.38},
    {0.12, 120, 12.24, 0.0175, 2.5, 17.5, 2500, 1.25},
    {0.024, 24, 2.447, 0.0035, 0.5, 3.5, 500, 0.25},
    {0.072, 72, 7.138, 0.0105, 1.5, 10, 1500, 0.73},
    {0.005, 5, 0.51, 0.0007, 0.1, 0.75, 105, 0.052},
    {0.005, 5, 0.51, 0.0007, 0.1, 0.75, 105, 0.052},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0.005, 5, 0.51, 0.0007, 0.1, 0.75, 105, 0.052},
    {0.024, 24, 2.447, 0.0035, 0.5, 3.5, 500, 0.25},
    {0.024, 24, 2.447, 0.0035, 0.5, 3.5, 500, 0.25},
    {27.2, 27200, 2774, 3.95, 568, 3950, 568000, 284},
    {34.7, 34700, 3538, 5, 725, 5033, 725000, 362},
    {38.4, 38400, 3916, 5.6, 802, 5600, 802000, 401},
    {70.6, 70600, 7200, 10.2, 1475, 10200, 1475000, 737},
    {6.72, 6720, 685.2, 0.98, 140, 980, 140000, 70},
    {55.1, 55100, 5618, 8, 1150, 8000, 1150000, 575},
    {66.2, 66200, 6750, 9.6, 1380, 9600, 1380000, 691},
};

TEST(CohesionTable, EveryValueOfEveryUnitSystem) {
  CPickTable t(COHESION_ROW_COUNT);
  for (int units = 0; units < 8; ++units) {
    BuildCohesionTable(t, units);
    for (int row = 0; row < COHESION_ROW_COUNT; ++row)
      EXPECT_DOUBLE_EQ(t.GetRow(row).value, kCohesionValues[row][units])
          << "row " << row << " units " << units;
  }
}

TEST(CohesionTable, RowsAndTexts) {
  CPickTable t(COHESION_ROW_COUNT);
  BuildCohesionTable(t, 0);
  EXPECT_EQ(t.GetRow(0).name, "Sandy gravel with silty or clayey fines");
  EXPECT_EQ(t.GetRow(0).klass, "");
  EXPECT_EQ(t.GetRow(13).klass, "GW, GP, SW, SP, SM");
  EXPECT_EQ(t.GetRow(21).name, "Berea sandstone");
  EXPECT_EQ(t.GetRow(21).range, "27.2");
  EXPECT_EQ(t.GetRow(27).name, "Nevada Test Site basalt");
  EXPECT_EQ(t.GetRow(27).kind, "rock");
  for (int row = 0; row < COHESION_ROW_COUNT; ++row) {
    const int expected = row <= 7 ? 1 : row <= 20 ? 2 : 3;
    EXPECT_EQ(t.GetRow(row).source, expected) << row;
    EXPECT_STRNE(CohesionReference(expected), "");
  }
  BuildCohesionTable(t, 6);
  EXPECT_EQ(t.GetRow(24).range, "1475000");
  EXPECT_EQ(t.GetRow(12).range, "1000 - 4000");
  BuildCohesionTable(t, 3);
  EXPECT_EQ(t.GetRow(20).range, "0 - 0.0070");
  // An unknown unit system keeps what the table held.
  BuildCohesionTable(t, 8);
  BuildCohesionTable(t, -1);
  EXPECT_EQ(t.GetRow(20).range, "0 - 0.0070");
  EXPECT_EQ(CohesionRangeTitle(0), "Cohesion range (MPa)");
  EXPECT_EQ(CohesionRangeTitle(7), "Cohesion range (tsf)");
  EXPECT_EQ(CohesionRangeTitle(12), "Cohesion range (MPa)");
  EXPECT_STREQ(CohesionReference(0), "");
  EXPECT_STREQ(CohesionReference(4), "");
}

TEST(CohesionTable, TextSearch) {
  CPickTable t(COHESION_ROW_COUNT);
  BuildCohesionTable(t, 0);
  t.FilterByText("clay");
  EXPECT_EQ(Matches(t), (std::vector<int>{0, 4, 5, 6, 7}));
  t.FilterByText("ML");
  EXPECT_EQ(Matches(t), (std::vector<int>{9, 11, 12, 14, 15, 18, 19}));
  t.FilterByText("ml");
  EXPECT_EQ(Matches(t), (std::vector<int>{9, 11, 12, 14, 15, 18, 19}));
  t.FilterByText("");
  EXPECT_EQ(t.GetMatchCount(), 28);
  t.FilterByText(" ");
  EXPECT_EQ(t.GetMatchCount(), 28);
  t.FilterByText("no such soil");
  EXPECT_EQ(t.GetMatchCount(), 0);
  // The third listed item is the third match, not table row 2.
  t.FilterByText("clay");
  EXPECT_EQ(t.RowAtPosition(2, true), 5);
  EXPECT_EQ(t.RowAtPosition(2, false), 2);
  EXPECT_EQ(t.RowAtPosition(5, true), -1);
  EXPECT_EQ(t.RowAtPosition(-1, false), -1);
  EXPECT_EQ(t.RowAtPosition(28, false), -1);
}

// ---- friction angle ----------------------------------------------------------------------------

TEST(FrictionAngleTable, ValuesLieInTheirRanges) {
  CPickTable t(FRICTION_ANGLE_ROW_COUNT);
  BuildFrictionAngleTable(t);
  for (int row = 0; row < FRICTION_ANGLE_ROW_COUNT; ++row) {
    const PickTableRow& r = t.GetRow(row);
    // Every row returns the middle of its range, except one that keeps a value inside it.
    if (row == 9) {
      EXPECT_EQ(r.value, 36.0);
      EXPECT_EQ(r.range, "34 - 40");
    } else {
      EXPECT_DOUBLE_EQ(r.value, RangeMidpoint(r.range)) << row << " " << r.name.GetString();
    }
    EXPECT_STRNE(FrictionAngleReference(r.source), "") << row;
  }
  EXPECT_EQ(t.GetRow(14).name, "Alluvial - low energy");
  EXPECT_EQ(t.GetRow(14).value, 22.5);
  EXPECT_EQ(t.GetRow(6).value, 28.0);
  EXPECT_EQ(t.GetRow(21).value, 5.0);
  EXPECT_EQ(t.GetRow(31).name, "Stone Mountain granite");
  EXPECT_EQ(t.GetRow(31).value, 51.0);
  EXPECT_EQ(t.GetRow(5).klass, "GW, GP, GM, GC, SW, SP");
  EXPECT_EQ(t.GetRow(6).source, 3);
  EXPECT_STREQ(FrictionAngleReference(6), "");
}

TEST(FrictionAngleTable, TextSearch) {
  CPickTable t(FRICTION_ANGLE_ROW_COUNT);
  BuildFrictionAngleTable(t);
  t.FilterByText("dense");
  EXPECT_EQ(Matches(t), (std::vector<int>{2, 3, 7, 8, 9, 10, 11, 12}));
  t.FilterByText("clay");
  EXPECT_EQ(Matches(t), (std::vector<int>{0, 1, 4}));
  t.FilterByText("sand");
  std::vector<int> sand = Span(4, 12);
  sand.push_back(15);
  sand.push_back(26);
  EXPECT_EQ(Matches(t), sand);
  t.FilterByText("ml");
  EXPECT_EQ(Matches(t), (std::vector<int>{1, 14, 16, 17, 19, 20, 23, 24}));
}

// ---- residual friction angle -------------------------------------------------------------------

TEST(ResidualFrictionTable, MoistureFilter) {
  CPickTable t(RESIDUAL_FRICTION_ROW_COUNT);
  BuildResidualFrictionTable(t, 0);
  t.FilterByKind("dry");
  EXPECT_EQ(Matches(t),
            (std::vector<int>{0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 20, 21, 24, 25, 29, 31}));
  t.FilterByKind("wet");
  EXPECT_EQ(t.GetMatchCount(), 15);
  const int second = t.RowAtPosition(1, true);
  EXPECT_EQ(second, 4);
  EXPECT_EQ(t.GetRow(second).name, "Chalk");
  EXPECT_EQ(t.GetRow(second).value, 30.0);
  t.FilterByKind("Wet");  // case-sensitive
  EXPECT_EQ(t.GetMatchCount(), 0);
}

TEST(ResidualFrictionTable, RowsAndStressRanges) {
  CPickTable t(RESIDUAL_FRICTION_ROW_COUNT);
  BuildResidualFrictionTable(t, 0);
  for (int row = 0; row < RESIDUAL_FRICTION_ROW_COUNT; ++row) {
    EXPECT_DOUBLE_EQ(t.GetRow(row).value, RangeMidpoint(t.GetRow(row).range)) << row;
    EXPECT_STRNE(ResidualFrictionReference(t.GetRow(row).source), "") << row;
  }
  EXPECT_EQ(t.GetRow(1).klass, "0.1 - 8.5");
  EXPECT_EQ(t.GetRow(1).range, "35 - 38");
  EXPECT_EQ(t.GetRow(1).value, 36.5);
  EXPECT_EQ(t.GetRow(24).klass, "0.3 - 30.0");
  BuildResidualFrictionTable(t, 3);
  EXPECT_EQ(t.GetRow(0).klass, "0.0145 - 0.609");
  EXPECT_EQ(t.GetRow(0).value, 32.0);  // phib does not follow the unit system
  EXPECT_EQ(t.GetRow(4).klass, "0 - 0.058");
  BuildResidualFrictionTable(t, 1);
  EXPECT_EQ(t.GetRow(0).klass, "100 - 4200");
  BuildResidualFrictionTable(t, 9);  // nothing changes
  EXPECT_EQ(t.GetRow(0).klass, "100 - 4200");
  EXPECT_EQ(ResidualStressRangeTitle(3), "SigN range (ksi)");
  EXPECT_EQ(ResidualStressRangeTitle(-2), "SigN range (MPa)");
}

// Row 0 as published in every unit system, and rows 1 ("0.1 - 8.5" MPa) and 20 ("4.1 - 13.3"
// MPa) converted by each unit's factor to three significant digits.
TEST(ResidualFrictionTable, StressRangesInEveryUnitSystem) {
  const char* const row0[8] = {"0.1 - 4.2",      "100 - 4200",    "10 - 428",   "0.0145 - 0.609",
                               "2.088 - 87.72", "14.5 - 609",    "2089 - 87719", "1 - 43.9"};
  const char* const row1[8] = {"0.1 - 8.5", "100 - 8500",  "10.2 - 867",    "0.0145 - 1.23",
                               "2.09 - 178", "14.5 - 1230", "2090 - 178000", "1.04 - 88.8"};
  const char* const row20[8] = {"4.1 - 13.3", "4100 - 13300", "418 - 1360",     "0.595 - 1.93",
                                "85.6 - 278", "595 - 1930",   "85600 - 278000", "42.8 - 139"};
  const char* const titles[8] = {"MPa", "kPa", "tsm", "ksi", "ksf", "psi", "psf", "tsf"};
  CPickTable t(RESIDUAL_FRICTION_ROW_COUNT);
  for (int units = 0; units < 8; ++units) {
    SCOPED_TRACE(titles[units]);
    BuildResidualFrictionTable(t, units);
    EXPECT_EQ(t.GetRow(0).klass, row0[units]);
    EXPECT_EQ(t.GetRow(1).klass, row1[units]);
    EXPECT_EQ(t.GetRow(20).klass, row20[units]);
    EXPECT_EQ(t.GetRow(20).value, 31.0);
    EXPECT_EQ(ResidualStressRangeTitle(units), CString("SigN range (") + titles[units] + ")");
  }
  // 8.5 MPa lies within a tenth of a percent of a rounding step in tsf (88.77).
  BuildResidualFrictionTable(t, 7);
  EXPECT_EQ(t.GetRow(1).klass, "1.04 - 88.8");
}

TEST(ResidualFrictionTable, ThreeSignificantDigits) {
  EXPECT_EQ(FormatThreeDigits(0.014504), "0.0145");
  EXPECT_EQ(FormatThreeDigits(0.609168), "0.609");
  EXPECT_EQ(FormatThreeDigits(87717.0), "87700");
  EXPECT_EQ(FormatThreeDigits(10.197), "10.2");
  EXPECT_EQ(FormatThreeDigits(100.0), "100");
  EXPECT_EQ(FormatThreeDigits(2.5), "2.5");
  EXPECT_EQ(FormatThreeDigits(999.7), "1000");
  EXPECT_EQ(FormatThreeDigits(0.0), "0");
  EXPECT_EQ(FormatThreeDigits(-4.2), "-4.2");
  EXPECT_EQ(ConvertStressRange("4.1 - 13.3", 7), "42.8 - 139");
  EXPECT_EQ(ConvertStressRange("2", 1), "2000");
}

TEST(ResidualFrictionCalculator, Formula) {
  double phir = -1;
  ASSERT_TRUE(CalculateResidualPhir(true, 28, 10, 20, &phir));
  EXPECT_EQ(phir, 18.0);
  ASSERT_TRUE(CalculateResidualPhir(true, 33, 10, 20, &phir));
  EXPECT_EQ(phir, 23.0);
  ASSERT_TRUE(CalculateResidualPhir(true, 31.5, 37, 37, &phir));
  EXPECT_EQ(phir, 31.5);
  ASSERT_TRUE(CalculateResidualPhir(false, 36.5, 10, 0, &phir));
  EXPECT_EQ(phir, 36.5);  // with the calculator off phir is phib, whatever R holds
  // Results outside 0..90 are still results; the dialog shows them and OK refuses them.
  ASSERT_TRUE(CalculateResidualPhir(true, 5, 0, 20, &phir));
  EXPECT_EQ(phir, -15.0);
  // R = 0 has no finite result: phir stays.
  phir = 7;
  EXPECT_FALSE(CalculateResidualPhir(true, 28, 10, 0, &phir));
  EXPECT_FALSE(CalculateResidualPhir(true, 28, 0, 0, &phir));
  EXPECT_EQ(phir, 7.0);
}

// ---- shared pieces -----------------------------------------------------------------------------

TEST(PickTable, SetRowOutsideTheTableIsIgnored) {
  CPickTable t(2);
  t.SetRow(2, "x", "soil", "", "1", 1, 1);
  t.SetRow(-1, "x", "soil", "", "1", 1, 1);
  t.SetRow(1, "Name", "rock", "K", "1 - 3", 2, 3);
  EXPECT_EQ(t.GetRowCount(), 2);
  EXPECT_EQ(t.GetRow(1).name, "Name");
  EXPECT_EQ(t.GetRow(0).name, "");
  CPickTable none(-3);
  EXPECT_EQ(none.GetRowCount(), 0);
}

TEST(PickTable, RangeMidpoint) {
  EXPECT_EQ(RangeMidpoint("0 - 0.50"), 0.25);
  EXPECT_EQ(RangeMidpoint("27.2"), 27.2);
  EXPECT_EQ(RangeMidpoint("0"), 0.0);
  EXPECT_EQ(RangeMidpoint("15 - 30"), 22.5);
  EXPECT_EQ(RangeMidpoint(""), 0.0);
  EXPECT_EQ(RangeMidpoint("about 3"), 0.0);
  EXPECT_EQ(RangeMidpoint("3 - x"), 0.0);
}

TEST(PickTable, ColumnWidthsGiveTheSpareSpaceToOneColumn) {
  EXPECT_EQ(PickColumnWidths({30, 100, 80}, 16, 0, 400), (std::vector<int>{46 + 142, 116, 96}));
  EXPECT_EQ(PickColumnWidths({30, 100, 80}, 16, 1, 400), (std::vector<int>{46, 116 + 142, 96}));
  // Already wider than the list: nothing is added or taken.
  EXPECT_EQ(PickColumnWidths({300, 100}, 16, 0, 200), (std::vector<int>{316, 116}));
  EXPECT_EQ(PickColumnWidths({10}, 0, 5, 100), (std::vector<int>{10}));
}

}  // namespace
