#include "picktables/PickTables.h"

#include <cmath>

#include "core/criteria/StrengthCriterion.h"

namespace {

bool ValidUnits(int units) { return units >= 0 && units < UNITS_COUNT; }

// ---- cohesion ----------------------------------------------------------------------------------

struct NamedRow {
  const char* name;
  const char* klass;
  const char* kind;
  int source;
};

const NamedRow kCohesionRows[COHESION_ROW_COUNT] = {
    {"Sandy gravel with silty or clayey fines", "", "soil", 1},
    {"Mixture of gravel and sand with fines", "", "soil", 1},
    {"Low plasticity silt", "", "soil", 1},
    {"Medium to high plasticity silt", "", "soil", 1},
    {"Low plasticity clay", "", "soil", 1},
    {"Medium plasticity clay", "", "soil", 1},
    {"High plasticity clay", "", "soil", 1},
    {"Organic silt or clay", "", "soil", 1},
    {"Alluvial - high energy", "GW, GP, GM", "soil", 2},
    {"Alluvial - low energy", "ML, SM, SP, SW", "soil", 2},
    {"Eolian - dune sand", "SP", "soil", 2},
    {"Eolian - loess", "ML, SM", "soil", 2},
    {"Glacial - till", "SM, ML", "soil", 2},
    {"Glacial - outwash", "GW, GP, SW, SP, SM", "soil", 2},
    {"Glacial - glaciolacustrine", "ML, SM, SP", "soil", 2},
    {"Lacustrine - inorganic", "ML, SM, MH", "soil", 2},
    {"Lacustrine - organic", "OL, PT", "soil", 2},
    {"Marine - high energy", "SW, GW, SP", "soil", 2},
    {"Marine - low energy", "ML, SM, MH", "soil", 2},
    {"Volcanic - tephra", "ML, SM", "soil", 2},
    {"Volcanic - lahar", "SM, SW, GM", "soil", 2},
    {"Berea sandstone", "", "rock", 3},
    {"Repetto siltstone", "", "rock", 3},
    {"Muddy shale", "", "rock", 3},
    {"Sioux quartzite", "", "rock", 3},
    {"Indiana limestone", "", "rock", 3},
    {"Stone Mountain granite", "", "rock", 3},
    {"Nevada Test Site basalt", "", "rock", 3},
};

// Range texts, one column per unit system: MPa, kPa, tsm, ksi, ksf, psi, psf, tsf. Each unit
// system's texts are literals of their own, not conversions of one column.
const char* const kCohesionRanges[COHESION_ROW_COUNT][UNITS_COUNT] = {
    {"0.001", "1.0", "0.102", "0.00015", "0.02", "0.15", "20", "0.01"},
    {"0.003", "3.0", "0.306", "0.00045", "0.065", "0.45", "65", "0.03"},
    {"0.002", "2.0", "0.204", "0.0003", "0.04", "0.3", "40", "0.02"},
    {"0.003", "3.0", "0.306", "0.00045", "0.065", "0.45", "65", "0.03"},
    {"0.006", "6.0", "0.612", "0.0009", "0.125", "0.9", "125", "0.06"},
    {"0.008", "8.0", "0.816", "0.0012", "0.17", "1.2", "170", "0.08"},
    {"0.01", "10.0", "1.02", "0.0015", "0.2", "1.5", "210", "0.1"},
    {"0.007", "7.0", "0.714", "0.001", "0.15", "1", "150", "0.07"},
    {"0", "0", "0", "0", "0", "0", "0", "0"},
    {"0 - 0.024", "0 - 24.0", "0 - 2.447", "0 - 0.0035", "0 - 0.5", "0 - 3.5", "0 - 500",
     "0 - 0.25"},
    {"0", "0", "0", "0", "0", "0", "0", "0"},
    {"0.024 - 0.048", "24.0 - 48.0", "2.447 - 4.895", "0.0035 - 0.007", "0.5 - 1.0", "3.5 - 7",
     "500 - 1000", "0.25 - 0.5"},
    {"0.048 - 0.192", "48.0 - 192.0", "4.895 - 19.58", "0.007 - 0.028", "1.0 - 4.0", "7 - 30",
     "1000 - 4000", "0.5 - 2.0"},
    {"0 - 0.048", "0 - 48.0", "0 - 4.895", "0 - 0.007", "0 - 1.0", "0 - 7", "0 - 1000",
     "0 - 0.50"},
    {"0 - 0.144", "0 - 144.0", "0 - 14.68", "0 - 0.021", "0 - 3.0", "0 - 20", "0 - 3000",
     "0 - 1.50"},
    {"0 - 0.01", "0 - 10.0", "0 - 1.02", "0 - 0.0015", "0 - 0.2", "0 - 1.5", "0 - 210",
     "0 - 0.10"},
    {"0 - 0.01", "0 - 10.0", "0 - 1.02", "0 - 0.0014", "0 - 0.2", "0 - 1.5", "0 - 210", "0 - 0.1"},
    {"0", "0", "0", "0", "0", "0", "0", "0"},
    {"0 - 0.01", "0 - 10", "0 - 1.02", "0 - 0.0014", "0 - 0.2", "0 - 1.5", "0 - 210", "0 - 0.1"},
    {"0 - 0.048", "0 - 48.0", "0 - 4.895", "0 - 0.007", "0 - 1.0", "0 - 7", "0 - 1000", "0 - 0.5"},
    {"0 - 0.048", "0 - 48.0", "0 - 4.895", "0 - 0.0070", "0 - 1.0", "0 - 7", "0 - 1000",
     "0 - 0.5"},
    {"27.2", "27200", "2774", "3.95", "568", "3950", "568000", "284"},
    {"34.7", "34700", "3538", "5", "725", "5033", "725000", "362"},
    {"38.4", "38400", "3916", "5.6", "802", "5600", "802000", "401"},
    {"70.6", "70600", "7200", "10.2", "1475", "10200", "1475000", "737"},
    {"6.72", "6720", "685.2", "0.98", "140", "980", "140000", "70"},
    {"55.1", "55100", "5618", "8", "1150", "8000", "1150000", "575"},
    {"66.2", "66200", "6750", "9.6", "1380", "9600", "1380000", "691"},
};

// Cells whose value is not the middle of their range text: the MPa middle converted.
struct CohesionException {
  int units;
  int row;
  double value;
};
const CohesionException kCohesionExceptions[] = {
    {UNITS_TSM, 9, 1.224},   {UNITS_TSM, 12, 12.24},  {UNITS_TSM, 13, 2.447},
    {UNITS_TSM, 14, 7.138},  {UNITS_TSM, 19, 2.447},  {UNITS_TSM, 20, 2.447},
    {UNITS_KSI, 9, 0.0018},  {UNITS_KSI, 11, 0.0053}, {UNITS_KSI, 15, 0.0007},
    {UNITS_PSI, 12, 17.5},   {UNITS_TSF, 11, 0.38},   {UNITS_TSF, 14, 0.73},
    {UNITS_TSF, 15, 0.052},  {UNITS_TSF, 16, 0.052},  {UNITS_TSF, 18, 0.052},
};

double CohesionValue(int row, int units) {
  for (const CohesionException& e : kCohesionExceptions)
    if (e.units == units && e.row == row) return e.value;
  return RangeMidpoint(kCohesionRanges[row][units]);
}

CString RangeTitle(const char* prefix, int units) {
  CString title;
  title.Format("%s (%s)", prefix,
               CStrengthCriterion::StressUnitLabel(ValidUnits(units) ? units : UNITS_MPA, FALSE)
                   .GetString());
  return title;
}

// ---- friction angle ----------------------------------------------------------------------------

struct ValueRow {
  const char* name;
  const char* kind;
  const char* klass;
  const char* range;
  double value;
  int source;
};

// "Alluvial - low energy" returns 22.5, the middle of its range; "Well-graded sand (medium
// dense)" keeps 36, inside its range.
const ValueRow kFrictionAngleRows[FRICTION_ANGLE_ROW_COUNT] = {
    {"High plastic silts & clays, organics", "soil", "CH, MH, OH, PT", "0 - 25", 12.5, 1},
    {"Silts, low plastic clays", "soil", "ML, CL, OL", "25 - 30", 27.5, 1},
    {"Low plasticity silt (medium dense)", "soil", "", "28 - 32", 30, 2},
    {"Low plasticity silt (dense)", "soil", "", "30 - 34", 32, 2},
    {"Silty sands, clayey sands", "soil", "SM, SC", "28 - 32", 30, 1},
    {"Sand, gravel, stone", "soil", "GW, GP, GM, GC, SW, SP", "32 - 36", 34, 1},
    {"Mixture of gravel and sand with fines", "soil", "", "28", 28, 3},
    {"Uniform fine to medium sand (medium dense)", "soil", "", "30 - 34", 32, 2},
    {"Uniform fine to medium sand (dense)", "soil", "", "32 - 36", 34, 2},
    {"Well-graded sand (medium dense)", "soil", "", "34 - 40", 36, 2},
    {"Well-graded sand (dense)", "soil", "", "38 - 46", 42, 2},
    {"Sand and gravel (medium dense)", "soil", "", "36 - 42", 39, 2},
    {"Sand and gravel (dense)", "soil", "", "40 - 48", 44, 2},
    {"Alluvial - high energy", "soil", "GW, GP, GM", "30 - 35", 32.5, 4},
    {"Alluvial - low energy", "soil", "ML, SM, SP, SW", "15 - 30", 22.5, 4},
    {"Eolian - dune sand", "soil", "SP", "30 - 35", 32.5, 4},
    {"Eolian - loess", "soil", "ML, SM", "20 - 30", 25, 4},
    {"Glacial - till", "soil", "SM, ML", "35 - 45", 40, 4},
    {"Glacial - outwash", "soil", "GW, GP, SW, SP, SM", "30 - 40", 35, 4},
    {"Glacial - glaciolacustrine", "soil", "ML, SM, SP", "15 - 35", 25, 4},
    {"Lacustrine - inorganic", "soil", "ML, SM, MH", "5 - 20", 12.5, 4},
    {"Lacustrine - organic", "soil", "OL, PT", "0 - 10", 5, 4},
    {"Marine - high energy", "soil", "SW, GW, SP", "25 - 35", 30, 4},
    {"Marine - low energy", "soil", "ML, SM, MH", "0 - 25", 12.5, 4},
    {"Volcanic - tephra", "soil", "ML, SM", "20 - 35", 27.5, 4},
    {"Volcanic - lahar", "soil", "SM, SW, GM", "25 - 40", 32.5, 4},
    {"Berea sandstone", "rock", "", "27.8", 27.8, 5},
    {"Repetto siltstone", "rock", "", "32.1", 32.1, 5},
    {"Muddy shale", "rock", "", "14.4", 14.4, 5},
    {"Sioux quartzite", "rock", "", "48", 48, 5},
    {"Indiana limestone", "rock", "", "42", 42, 5},
    {"Stone Mountain granite", "rock", "", "51", 51, 5},
    {"Nevada Test Site basalt", "rock", "", "31", 31, 5},
};

// ---- residual friction -------------------------------------------------------------------------

// The class column holds the normal-stress range in MPa; the range column the phib text.
const ValueRow kResidualRows[RESIDUAL_FRICTION_ROW_COUNT] = {
    {"Amphibolite", "dry", "0.1 - 4.2", "32", 32, 1},
    {"Basalt", "dry", "0.1 - 8.5", "35 - 38", 36.5, 2},
    {"Basalt", "wet", "0.1 - 7.9", "31 - 36", 33.5, 2},
    {"Conglomerate", "dry", "0.3 - 3.4", "35", 35, 3},
    {"Chalk", "wet", "0.0 - 0.4", "30", 30, 4},
    {"Dolomite", "dry", "0.1 - 7.2", "31 - 37", 34, 2},
    {"Dolomite", "wet", "0.1 - 7.2", "27 - 35", 31, 2},
    {"Gneiss (schistose)", "dry", "0.1 - 8.1", "26 - 29", 27.5, 2},
    {"Gneiss (schistose)", "wet", "0.1 - 7.9", "23 - 26", 24.5, 2},
    {"Granite (f.g.)", "dry", "0.1 - 7.5", "31 - 35", 33, 2},
    {"Granite (f.g.)", "wet", "0.1 - 7.4", "29 - 31", 30, 2},
    {"Granite (c.g.)", "dry", "0.1 - 7.3", "31 - 35", 33, 2},
    {"Granite (c.g.)", "wet", "0.1 - 7.5", "31 - 33", 32, 2},
    {"Limestone", "dry", "0.0 - 0.5", "33 - 39", 36, 5},
    {"Limestone", "wet", "0.0 - 0.5", "33 - 36", 34.5, 5},
    {"Limestone", "dry", "0.1 - 7.1", "37 - 40", 38.5, 2},
    {"Limestone", "wet", "0.1 - 7.1", "35 - 38", 36.5, 2},
    {"Limestone", "dry", "0.1 - 8.3", "37 - 39", 38, 2},
    {"Limestone", "wet", "0.1 - 8.3", "35", 35, 2},
    {"Porphyry", "dry", "0.0 - 1.0", "31", 31, 6},
    {"Porphyry", "dry", "4.1 - 13.3", "31", 31, 6},
    {"Sandstone", "dry", "0.0 - 0.5", "26 - 35", 30.5, 5},
    {"Sandstone", "wet", "0.0 - 0.5", "25 - 33", 29, 5},
    {"Sandstone", "wet", "0.0 - 0.3", "29", 29, 7},
    {"Sandstone", "dry", "0.3 - 30.0", "31 - 33", 32, 3},
    {"Sandstone", "dry", "0.1 - 7.0", "32 - 34", 33, 2},
    {"Sandstone", "wet", "0.1 - 7.3", "31 - 34", 32.5, 2},
    {"Shale", "wet", "0.0 - 0.3", "27", 27, 7},
    {"Siltstone", "wet", "0.0 - 0.3", "31", 31, 7},
    {"Siltstone", "dry", "0.1 - 7.5", "31 - 33", 32, 2},
    {"Siltstone", "wet", "0.1 - 7.2", "27 - 31", 29, 2},
    {"Slate", "dry", "0.0 - 1.1", "25 - 30", 27.5, 6},
};

// Stress in the unit systems per MPa.
const double kPerMpa[UNITS_COUNT] = {1.0, 1000.0, 101.97, 0.14504, 20.885, 145.04, 20885.0, 10.443};

// Row 0's normal-stress range as the published table writes it in each unit system (its digits
// follow no single rule); the other rows are converted from their MPa texts.
const char* const kFirstResidualStress[UNITS_COUNT] = {
    "0.1 - 4.2", "100 - 4200", "10 - 428", "0.0145 - 0.609",
    "2.088 - 87.72", "14.5 - 609", "2089 - 87719", "1 - 43.9"};

const char* Reference(const char* const* texts, int count, int source) {
  return source >= 1 && source <= count ? texts[source - 1] : "";
}

}  // namespace

void BuildCohesionTable(CPickTable& table, int units) {
  if (!ValidUnits(units)) return;
  for (int i = 0; i < COHESION_ROW_COUNT; ++i) {
    const NamedRow& r = kCohesionRows[i];
    table.SetRow(i, r.name, r.kind, r.klass, kCohesionRanges[i][units], CohesionValue(i, units),
                 r.source);
  }
}

CString CohesionRangeTitle(int units) { return RangeTitle("Cohesion range", units); }

void BuildFrictionAngleTable(CPickTable& table) {
  for (int i = 0; i < FRICTION_ANGLE_ROW_COUNT; ++i) {
    const ValueRow& r = kFrictionAngleRows[i];
    table.SetRow(i, r.name, r.kind, r.klass, r.range, r.value, r.source);
  }
}

void BuildResidualFrictionTable(CPickTable& table, int units) {
  if (!ValidUnits(units)) return;
  for (int i = 0; i < RESIDUAL_FRICTION_ROW_COUNT; ++i) {
    const ValueRow& r = kResidualRows[i];
    const CString stress = i == 0 ? CString(kFirstResidualStress[units])
                           : units == UNITS_MPA ? CString(r.klass)
                                                : ConvertStressRange(r.klass, units);
    table.SetRow(i, r.name, r.kind, stress, r.range, r.value, r.source);
  }
}

CString ResidualStressRangeTitle(int units) { return RangeTitle("SigN range", units); }

CString FormatThreeDigits(double value) {
  if (!std::isfinite(value)) return CString("0");
  if (value == 0.0) return CString("0");
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = exponent >= 2 ? 0 : 2 - exponent;
  const double unit = std::pow(10.0, exponent - 2);
  const double rounded = std::round(value / unit) * unit;
  CString text;
  text.Format("%.*f", decimals, rounded);
  if (text.Find('.') >= 0) {
    text.TrimRight('0');
    text.TrimRight('.');
  }
  return text;
}

CString ConvertStressRange(const CString& mpaRange, int units) {
  if (!ValidUnits(units)) return mpaRange;
  const int dash = mpaRange.Find(" - ");
  CString text;
  if (dash < 0) return FormatThreeDigits(RangeMidpoint(mpaRange) * kPerMpa[units]);
  const double low = RangeMidpoint(mpaRange.Left(dash));
  const double high = RangeMidpoint(mpaRange.Mid(dash + 3));
  text = FormatThreeDigits(low * kPerMpa[units]) + " - " + FormatThreeDigits(high * kPerMpa[units]);
  return text;
}

bool CalculateResidualPhir(bool calculator, double phib, double r, double R, double* phir) {
  if (!calculator) {
    *phir = phib;
    return true;
  }
  if (R == 0.0) return false;
  const double value = (phib - 20.0) + 20.0 * r / R;
  if (!std::isfinite(value)) return false;
  *phir = value;
  return true;
}

const char* CohesionReference(int source) {
  static const char* const texts[] = {
      "Published typical cohesion of gravelly, silty and clayey soils.",
      "Published typical ranges for soils grouped by geological origin: alluvial, eolian, "
      "glacial, lacustrine, marine and volcanic deposits.",
      "Published laboratory tests on intact rock specimens."};
  return Reference(texts, 3, source);
}

const char* FrictionAngleReference(int source) {
  static const char* const texts[] = {
      "Published typical friction angles of soils by USCS class.",
      "Published typical friction angles of silts, sands and gravels by relative density.",
      "Published typical friction angle of a gravel and sand mixture with fines.",
      "Published typical ranges for soils grouped by geological origin: alluvial, eolian, "
      "glacial, lacustrine, marine and volcanic deposits.",
      "Published laboratory tests on intact rock specimens."};
  return Reference(texts, 5, source);
}

const char* ResidualFrictionReference(int source) {
  static const char* const texts[] = {
      "Published laboratory tests on amphibolite surfaces.",
      "Published laboratory tests on smooth surfaces of igneous, metamorphic and sedimentary "
      "rocks, dry and wet, at normal stresses up to about 8 MPa.",
      "Published laboratory tests on conglomerate and sandstone surfaces, dry.",
      "Published laboratory tests on chalk surfaces, wet.",
      "Published laboratory tests on limestone and sandstone surfaces at low normal stress.",
      "Published laboratory tests on porphyry and slate surfaces, dry.",
      "Published laboratory tests on sandstone, shale and siltstone surfaces, wet, at low "
      "normal stress."};
  return Reference(texts, 7, source);
}
