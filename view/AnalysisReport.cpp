#include "view/AnalysisReport.h"

#include <cmath>
#include <vector>

#include "view/ResultsText.h"

namespace {

const double kPi = 3.14159265358979323846;

// ---- values every routine reads ------------------------------------------------------------

// The envelope range with its texts.
struct RangeInfo {
  int application = 0;
  double bound = 0.0, gamma = 0.0, H = 0.0;
  CString name, depthLabel;
  CString stressUnit, unitWeightUnit, lengthUnit;
  bool HasUnitWeight() const { return !depthLabel.IsEmpty(); }
};

// The model's envelope range; false for an application the report does not know.
template <class Model>
bool ReadRange(int criterion, const Model& model, RangeInfo* out) {
  int application;
  double bound, gamma, H;
  model.GetEnvelopeRange(&application, &bound, &gamma, &H);
  if (!ReportApplication(criterion, application, &out->name, &out->depthLabel)) return false;
  out->application = application;
  out->bound = bound;
  out->gamma = gamma;
  out->H = H;
  out->stressUnit = model.GetStressUnitLabel(FALSE);
  out->unitWeightUnit = model.GetUnitWeightLabel(FALSE);
  out->lengthUnit = model.GetLengthUnitLabel(FALSE);
  return true;
}

// The test points and statistics of the data block.
struct DataBlock {
  bool present = false;
  CString clipboardHeading;  // empty: no heading line
  CString sheetTitle;
  const char* residualsLabel = "Sum square of errors (Residuals)";
  int count = 0;
  std::vector<double> x, y;
  double residuals = 0.0;
  CString status;
  CString xTitle, yTitle;
};

DataBlock LabBlock(const CStrengthCriterion& model, int criterion, const char* heading) {
  DataBlock block;
  block.count = model.GetLabCount();
  block.present = block.count > 0;
  if (!block.present) return block;
  block.clipboardHeading = heading;
  block.sheetTitle = "Lab Data";
  block.x.resize(block.count);
  block.y.resize(block.count);
  model.GetLabData(block.x.data(), block.y.data());
  block.residuals = model.GetResiduals();
  block.status = ReportStatusLine(criterion, model);
  return block;
}

// The block's columns are titled as the principal or the shear plot's axes.
void UseAxisTitles(DataBlock& block, const ReportView& view, bool principal) {
  block.xTitle = principal ? view.principalXTitle : view.shearXTitle;
  block.yTitle = principal ? view.principalYTitle : view.shearYTitle;
}

// ---- clipboard lines -----------------------------------------------------------------------

void Add(CString& text, const char* line) {
  text += line;
  text += "\r\n";
}

void AddUnitWeightLines(CString& text, const RangeInfo& range) {
  if (!range.HasUnitWeight()) return;
  text.AppendFormat("\tUnit Weight\t%g\t%s\r\n", range.gamma, range.unitWeightUnit.GetString());
  text.AppendFormat("\t%s\t%g\t%s\r\n", range.depthLabel.GetString(), range.H,
                    range.lengthUnit.GetString());
}

// The range block of the criteria that take triaxial or direct-shear data: the bound is
// sig3max for triaxial data and signmax for direct-shear data.
void AddTwoTypeRangeLines(CString& text, const RangeInfo& range, int dataType, double sig3max,
                          double signmax) {
  const char* u = range.stressUnit.GetString();
  Add(text, "Failure Envelope Range");
  text.AppendFormat("\tApplication\t%s\r\n", range.name.GetString());
  if (dataType == DATA_TRIAXIAL)
    text.AppendFormat("\tsig3max\t\t\t\t%g\t%s\r\n", sig3max, u);
  else if (dataType == DATA_DIRECT_SHEAR)
    text.AppendFormat("\tsignmax\t%g\t%s\r\n", signmax, u);
  AddUnitWeightLines(text, range);
}

void AddDataLines(CString& text, const DataBlock& block) {
  if (!block.present) return;
  if (!block.clipboardHeading.IsEmpty()) Add(text, block.clipboardHeading);
  text.AppendFormat("\tno. of lab data points\t%d\t\r\n", block.count);
  text.AppendFormat("\tsum square of errors (residuals)\t%g\t\r\n", block.residuals);
  if (!block.status.IsEmpty()) Add(text, block.status);
}

// ---- sheet rows ----------------------------------------------------------------------------

// Column 2 titles, 3 labels, 4 values, 5 units, one row after the other from row 2.
class SheetRows {
 public:
  explicit SheetRows(CSheetWriter& sheet) : m_sheet(sheet) {}

  void Title(const char* title) { m_sheet.SetCellText(title, CSheetRange(m_row++, 2)); }
  void Number(const char* label, double value, const char* unit = "") {
    m_sheet.SetCellText(label, CSheetRange(m_row, 3));
    m_sheet.SetCellNumber(value, CSheetRange(m_row, 4));
    if (unit && *unit) m_sheet.SetCellText(unit, CSheetRange(m_row, 5));
    ++m_row;
  }
  void Text(const char* label, const char* value) {
    m_sheet.SetCellText(label, CSheetRange(m_row, 3));
    m_sheet.SetCellText(value, CSheetRange(m_row, 4));
    ++m_row;
  }
  void UnitWeight(const RangeInfo& range) {
    if (!range.HasUnitWeight()) return;
    Number("Unit Weight", range.gamma, range.unitWeightUnit);
    Number(range.depthLabel, range.H, range.lengthUnit);
  }
  // "Failure Envelope Range": the application, the bound (when it has a label) and the unit
  // weight.
  void Range(const RangeInfo& range, const char* boundLabel, double bound) {
    Title("Failure Envelope Range");
    Text("Application", range.name);
    if (boundLabel) Number(boundLabel, bound, range.stressUnit);
    UnitWeight(range);
  }
  // The rows of AddTwoTypeRangeLines.
  void TwoTypeRange(const RangeInfo& range, int dataType, double sig3max, double signmax) {
    if (dataType == DATA_TRIAXIAL)
      Range(range, "sig3max", sig3max);
    else if (dataType == DATA_DIRECT_SHEAR)
      Range(range, "signmax", signmax);
    else
      Range(range, nullptr, 0.0);
  }
  void MohrCoulombFit(double c, double phi, const char* stressUnit) {
    Title("Mohr-Coulomb Fit");
    Number("c", c, stressUnit);
    Number("phi", phi, "degrees");
  }

  // The test points: a title, the count, the residuals, the status, a header row and one row
  // per test; then a chart over the header row and the tests, so that the header names the
  // series and every test is a point.
  void Data(const DataBlock& block) {
    if (!block.present) return;
    Title(block.sheetTitle);
    Number("Number of Tests", block.count);
    Number(block.residualsLabel, block.residuals);
    if (!block.status.IsEmpty()) m_sheet.SetCellText(block.status, CSheetRange(m_row, 3));
    ++m_row;
    int header = m_row++;
    m_sheet.SetCellText("Number", CSheetRange(header, 3));
    m_sheet.SetCellText(block.xTitle, CSheetRange(header, 4));
    m_sheet.SetCellText(block.yTitle, CSheetRange(header, 5));
    for (int i = 0; i < block.count; ++i, ++m_row) {
      m_sheet.SetCellNumber(i + 1, CSheetRange(m_row, 3));
      m_sheet.SetCellNumber(block.x[i], CSheetRange(m_row, 4));
      m_sheet.SetCellNumber(block.y[i], CSheetRange(m_row, 5));
    }
    SheetChartStyle style;
    style.title = block.sheetTitle;
    style.xTitle = block.xTitle;
    style.yTitle = block.yTitle;
    m_sheet.AddChart(CSheetRange(header, 4, header + block.count, 5), style);
  }

  // A sampled envelope: title, header, then one block of numbers (a first row and the samples,
  // with the overlay's columns when given) and its chart.
  struct Table {
    const char* title;
    CString xTitle, yTitle;
    std::vector<double> x, y;            // the first row, then the samples
    std::vector<double> overlayX, overlayY;  // empty: no overlay
    CStringArray names;
  };
  void SampledTable(const Table& table) {
    int top = m_row;
    Title(table.title);
    m_sheet.SetCellText("Number", CSheetRange(m_row, 3));
    m_sheet.SetCellText(table.xTitle, CSheetRange(m_row, 4));
    m_sheet.SetCellText(table.yTitle, CSheetRange(m_row, 5));
    ++m_row;
    int rows = (int)table.x.size();
    bool overlay = !table.overlayX.empty();
    int first = top + 2, last = first + rows - 1;
    m_sheet.CreateArray(CSheetRange(first, 3, last, overlay ? 7 : 5));
    for (int k = 0; k < rows; ++k) {
      m_sheet.PutArrayNumber(k + 1, k, 0);
      m_sheet.PutArrayNumber(table.x[k], k, 1);
      m_sheet.PutArrayNumber(table.y[k], k, 2);
      if (overlay) {
        m_sheet.PutArrayNumber(table.overlayX[k], k, 3);
        m_sheet.PutArrayNumber(table.overlayY[k], k, 4);
      }
    }
    m_sheet.WriteArray();
    CArray<CSheetRange> ranges;
    ranges.Add(CSheetRange(first, 4, last, 5));
    if (overlay) ranges.Add(CSheetRange(first, 6, last, 7));
    SheetChartStyle style;
    style.title = table.title;
    style.xTitle = table.xTitle;
    style.yTitle = table.yTitle;
    m_sheet.AddSeriesChart(ranges, table.names, style);
    m_row = last + 1;
  }

 private:
  CSheetWriter& m_sheet;
  int m_row = 2;
};

const char kPrincipalTable[] = "Principal Stresses";
const char kShearTable[] = "Normal Stress vs. Shear Stress";

enum Column { SIG1, SIG3, SIGN, TAU };
double Value(const EnvelopePoint& p, Column c) {
  switch (c) {
    case SIG1: return p.sig1;
    case SIG3: return p.sig3;
    case SIGN: return p.sigN;
    default: return p.tau;
  }
}

// A table from envelope rows: the first row (firstX, 0), then the rows' x and y columns.
SheetRows::Table SampleTable(const char* title, const CString& xTitle, const CString& yTitle,
                             double firstX, const EnvelopePoint* rows, int n, Column x, Column y,
                             const char* name) {
  SheetRows::Table table;
  table.title = title;
  table.xTitle = xTitle;
  table.yTitle = yTitle;
  table.x.push_back(firstX);
  table.y.push_back(0.0);
  for (int k = 0; rows && k < n; ++k) {
    table.x.push_back(Value(rows[k], x));
    table.y.push_back(Value(rows[k], y));
  }
  table.names.Add(name);
  return table;
}

// ---- the four criteria ---------------------------------------------------------------------

bool HoekBrownReport(const PlotDocument& doc, const ReportView& view, CSheetWriter* sheet,
                     CString* text) {
  CHoekBrownCriterion model = *doc.hoekBrown;  // a scratch copy: the project stays as it is
  RangeInfo range;
  if (!ReadRange(CRITERION_HOEK_BROWN, model, &range)) return false;
  const double sig3max = range.bound;
  double sigci, mi, gsi, d, mb, s, a, c, phi, sigc, sigt, em, sigcm;
  model.GetParameters(&sigci, &mi, &gsi, &d);
  double sigciConst;
  model.GetRockMassConstants(&sigciConst, &mb, &s, &a);
  model.CalcEquivalentMC(&c, &phi);
  model.GetRockMassStrengths(&sigc, &sigt, &em, &sigcm);
  BYTE source = SOURCE_LAB;
  model.GetFieldDataFlag(&source);
  DataBlock block;
  if (source == SOURCE_ROCK_MASS) {
    // The rock-mass points the parameters come from.
    block.count = model.GetRockMassCount();
    block.present = block.count > 0;
    if (block.present) {
      block.clipboardHeading = "Analysis of Triaxial Field Data";
      block.sheetTitle = "Field Data";
      block.x.resize(block.count);
      block.y.resize(block.count);
      model.GetRockMassData(block.x.data(), block.y.data());
      block.residuals = model.GetResiduals();
      block.status = ReportStatusLine(CRITERION_HOEK_BROWN, model);
    }
  } else {
    block = LabBlock(model, CRITERION_HOEK_BROWN, "Analysis of Triaxial Lab Data");
  }
  UseAxisTitles(block, view, true);
  const CString& u = range.stressUnit;

  if (text) {
    CString& t = *text;
    Add(t, "Hoek-Brown Classification");
    t.AppendFormat("\tsigci\t%g\t%s\r\n", sigci, u.GetString());
    t.AppendFormat("\tGSI\t%g\r\n", gsi);
    t.AppendFormat("\tmi\t%g\r\n", mi);
    t.AppendFormat("\tD\t%g\r\n", d);
    Add(t, "Hoek-Brown Criterion");
    t.AppendFormat("\tmb\t%g\r\n", mb);
    t.AppendFormat("\ts\t%g\r\n", s);
    t.AppendFormat("\ta\t%g\r\n", a);
    Add(t, "Failure Envelope Range");
    t.AppendFormat("\tApplication\t%s\r\n", range.name.GetString());
    t.AppendFormat("\tsig3max\t%g\t%s\r\n", sig3max, u.GetString());
    AddUnitWeightLines(t, range);
    Add(t, "Mohr-Coulomb Fit");
    t.AppendFormat("\tc\t%g\t%s\r\n", c, u.GetString());
    t.AppendFormat("\tphi\t%g\tdegrees\r\n", phi);
    Add(t, "Rock Mass Parameters");
    t.AppendFormat("\tsigt\t%g\t%s\r\n", sigt, u.GetString());
    t.AppendFormat("\tsigc\t%g\t%s\r\n", sigc, u.GetString());
    t.AppendFormat("\tsigcm\t%g\t%s\r\n", sigcm, u.GetString());
    t.AppendFormat("\tEm\t%g\t%s\r\n", em, u.GetString());
    AddDataLines(t, block);
    return true;
  }

  SheetRows rows(*sheet);
  rows.Title("Hoek-Brown Classification");
  rows.Number("sigci", sigci, u);
  rows.Number("GSI", gsi);
  rows.Number("mi", mi);
  rows.Number("D", d);
  rows.Title("Hoek-Brown Criterion");
  rows.Number("mb", mb);
  rows.Number("s", s);
  rows.Number("a", a);
  rows.Range(range, "sig3max", sig3max);
  rows.MohrCoulombFit(c, phi, u);
  rows.Title("Rock Mass Parameters");
  rows.Number("sigt", sigt, u);
  rows.Number("sigc", sigc, u);
  rows.Number("sigcm", sigcm, u);
  rows.Number("Em", em, u);
  rows.Data(block);

  int n = view.pointCount - 1;
  double minSig3 = model.GetMinSig3();
  double phiRad = phi * kPi / 180.0;
  double sinPhi = std::sin(phiRad), cosPhi = std::cos(phiRad), tanPhi = std::tan(phiRad);
  const EnvelopePoint* table = nullptr;
  if (view.principalShown) {
    table = model.BuildPrincipalEnvelope(n);
    SheetRows::Table t = SampleTable(kPrincipalTable, view.principalXTitle, view.principalYTitle,
                                     minSig3, table, n, SIG3, SIG1, "Hoek-Brown");
    if (view.mohrCoulombOverlay) {
      t.overlayX.push_back(minSig3);
      t.overlayY.push_back(0.0);
      for (int k = 0; table && k < n; ++k) {
        double sig3 = table[k].sig3;
        t.overlayX.push_back(sig3);
        t.overlayY.push_back((1 + sinPhi) / (1 - sinPhi) * sig3 + 2 * c * cosPhi / (1 - sinPhi));
      }
      t.names.Add("Mohr-Coulomb");
    }
    rows.SampledTable(t);
  }
  if (view.shearShown) {
    table = model.BuildPrincipalEnvelope(n);
    SheetRows::Table t = SampleTable(kShearTable, view.shearXTitle, view.shearYTitle, minSig3,
                                     table, n, SIGN, TAU, "Hoek-Brown");
    if (view.mohrCoulombOverlay) {
      t.overlayX.push_back(minSig3);
      t.overlayY.push_back(0.0);
      for (int k = 0; table && k < n; ++k) {
        double sigN = table[k].sigN;
        t.overlayX.push_back(sigN);
        t.overlayY.push_back(c + sigN * tanPhi);
      }
      t.names.Add("Mohr-Coulomb");
    }
    rows.SampledTable(t);
  }
  return true;
}

// The heading of a Mohr-Coulomb or power-curve data block by data type; empty for another.
const char* DataHeading(int dataType) {
  if (dataType == DATA_TRIAXIAL) return "Analysis of Triaxial Lab Data";
  if (dataType == DATA_DIRECT_SHEAR) return "Analysis of Direct Shear Lab Data";
  return "";
}

bool MohrCoulombReport(const PlotDocument& doc, const ReportView& view, CSheetWriter* sheet,
                       CString* text) {
  CMohrCoulombCriterion model = *doc.mohrCoulomb;
  RangeInfo range;
  if (!ReadRange(CRITERION_MOHR_COULOMB, model, &range)) return false;
  double c, phi, sigtParameter;
  model.GetParameters(&c, &phi, &sigtParameter);
  double tensile = model.GetMinSig3();
  double ucs = model.GetUniaxialStrength();
  double alpha = model.GetPrincipalSlopeAngle();
  double sig3max = model.GetSig3Max(), signmax = model.GetSignMax();
  int dataType = model.GetDataType(nullptr);
  DataBlock block = LabBlock(model, CRITERION_MOHR_COULOMB, DataHeading(dataType));
  block.residualsLabel = "sum square of errors (Residuals)";
  UseAxisTitles(block, view, dataType == DATA_TRIAXIAL);
  const CString& u = range.stressUnit;

  if (text) {
    CString& t = *text;
    Add(t, "Mohr-Coulomb Criterion");
    t.AppendFormat("\tcohesion\t\t\t\t%g\t%s\r\n", c, u.GetString());
    t.AppendFormat("\tfriction angle\t\t\t\t%g\tdegrees\r\n", phi);
    t.AppendFormat("\ttensile strength\t\t\t%g\t%s\r\n", tensile, u.GetString());
    t.AppendFormat("\tuniaxial compressive strength \t%g\t%s\r\n", ucs, u.GetString());
    t.AppendFormat("\talpha\t\t\t\t\t%g\tdegrees\r\n", alpha);
    AddTwoTypeRangeLines(t, range, dataType, sig3max, signmax);
    AddDataLines(t, block);
    return true;
  }

  SheetRows rows(*sheet);
  rows.Title("Mohr-Coulomb Criterion");
  rows.Number("cohesion", c, u);
  rows.Number("friction angle", phi, "degrees");
  rows.Number("tensile strength", tensile, u);
  rows.Number("uniaxial compressive strength", ucs, u);
  rows.Number("alpha", alpha, "degrees");
  rows.TwoTypeRange(range, dataType, sig3max, signmax);
  rows.Data(block);

  int n = view.pointCount - 1;
  double minSig3 = model.GetMinSig3();
  if (view.principalShown) {
    const EnvelopePoint* table = model.BuildPrincipalEnvelope(n);
    rows.SampledTable(SampleTable(kPrincipalTable, view.principalXTitle, view.principalYTitle,
                                  minSig3, table, n, SIG3, SIG1, "Mohr-Coulomb"));
  }
  if (view.shearShown) {
    const EnvelopePoint* table = model.BuildPrincipalEnvelope(n);
    rows.SampledTable(SampleTable(kShearTable, view.shearXTitle, view.shearYTitle, minSig3, table,
                                  n, SIGN, TAU, "Mohr-Coulomb"));
  }
  return true;
}

bool BartonBandisReport(const PlotDocument& doc, const ReportView& view, CSheetWriter* sheet,
                        CString* text) {
  CBartonBandisCriterion model = *doc.bartonBandis;
  RangeInfo range;
  if (!ReadRange(CRITERION_BARTON_BANDIS, model, &range)) return false;
  double phib, jrc, jcs;
  model.GetParameters(&phib, &jrc, &jcs);
  double c = 0.0, phi = 0.0;
  model.CalcEquivalentMC(&c, &phi);
  double signmax = model.GetSignMax();
  DataBlock block = LabBlock(model, CRITERION_BARTON_BANDIS, "Analysis of Direct Shear Lab Data");
  UseAxisTitles(block, view, false);
  const CString& u = range.stressUnit;

  if (text) {
    CString& t = *text;
    Add(t, "Barton-Bandis Criterion");
    t.AppendFormat("\tbasic friction angle\t\t%g\tdegrees\r\n", phib);
    t.AppendFormat("\tjoint roughness coefficient\t%g\t\r\n", jrc);
    t.AppendFormat("\tjoint compressive strength\t%g\t%s\r\n", jcs, u.GetString());
    Add(t, "Failure Envelope Range");
    t.AppendFormat("\tApplication\t%s\r\n", range.name.GetString());
    t.AppendFormat("\tsignmax\t\t\t%g\t%s\r\n", signmax, u.GetString());
    AddUnitWeightLines(t, range);
    Add(t, "Mohr-Coulomb Fit");
    t.AppendFormat("\tc\t\t\t\t%g\t%s\r\n", c, u.GetString());
    t.AppendFormat("\tphi\t\t\t\t%g\tdegrees\r\n", phi);
    AddDataLines(t, block);
    return true;
  }

  SheetRows rows(*sheet);
  rows.Title("Barton-Bandis Criterion");
  rows.Number("basic friction angle", phib, "degrees");
  rows.Number("joint roughness coefficient", jrc);
  rows.Number("joint compressive strength", jcs, u);
  rows.Range(range, "signmax", signmax);
  rows.MohrCoulombFit(c, phi, u);
  rows.Data(block);
  // The shear table is the Barton-Bandis report's own, whatever the view shows.
  int n = view.pointCount - 1;
  const EnvelopePoint* table = model.BuildTauEnvelope(n);
  rows.SampledTable(SampleTable(kShearTable, view.shearXTitle, view.shearYTitle, 0.0, table, n,
                                SIGN, TAU, "Barton-Bandis"));
  return true;
}

bool PowerCurveReport(const PlotDocument& doc, const ReportView& view, CSheetWriter* sheet,
                      CString* text) {
  CPowerCurveCriterion model = *doc.powerCurve;
  RangeInfo range;
  if (!ReadRange(CRITERION_POWER_CURVE, model, &range)) return false;
  double a, d, b;
  model.GetParameters(&a, &d, &b);
  double tensile = model.GetMinSig3();
  double ucs = model.GetUniaxialStrength();
  double pa = model.GetAtmosphericPressure();
  double c = 0.0, phi = 0.0;
  model.CalcEquivalentMC(&c, &phi);
  double sig3max = model.GetSig3Max();
  // The report's signmax: the curve's point closest to sig3max. Only the scratch copy takes it,
  // for the sampled tables.
  double signmax = PowerCurveReportSignMax(model);
  model.SetSignMax(signmax);
  double A = a * std::pow(pa, b - 1.0), T = d / pa, nExponent = b;
  int dataType = model.GetDataType(nullptr);
  DataBlock block = LabBlock(model, CRITERION_POWER_CURVE, DataHeading(dataType));
  UseAxisTitles(block, view, dataType == DATA_TRIAXIAL);
  const CString& u = range.stressUnit;

  if (text) {
    CString& t = *text;
    Add(t, "Power Curve Criterion");
    t.AppendFormat("\tparameter a\t\t\t\t%g\r\n", a);
    t.AppendFormat("\tparameter d\t\t\t\t%g\t%s\r\n", d, u.GetString());
    t.AppendFormat("\tparameter b\t\t\t\t%g\r\n", b);
    t.AppendFormat("\ttensile strength \t\t\t%g\t%s\r\n", tensile, u.GetString());
    t.AppendFormat("\tuniaxial compressive strength \t%g\t%s\r\n", ucs, u.GetString());
    Add(t, "Non-Dimensional Power Curve Criterion");
    t.AppendFormat("\tAtmospheric Pressure \t\t%g\t%s\r\n", pa, u.GetString());
    t.AppendFormat("\tparameter A\t\t\t\t%g\r\n", A);
    t.AppendFormat("\tparameter T\t\t\t\t%g\r\n", T);
    t.AppendFormat("\tparameter n\t\t\t\t%g\r\n", nExponent);
    AddTwoTypeRangeLines(t, range, dataType, sig3max, signmax);
    Add(t, "Mohr-Coulomb Fit");
    t.AppendFormat("\tc\t\t\t\t\t%g\t%s\r\n", c, u.GetString());
    t.AppendFormat("\tphi\t\t\t\t\t%g\tdegrees\r\n", phi);
    AddDataLines(t, block);
    return true;
  }

  SheetRows rows(*sheet);
  rows.Title("Power Curve Criterion");
  rows.Number("parameter a", a);
  rows.Number("parameter d", d, u);
  rows.Number("parameter b", b);
  rows.Number("uniaxial compressive strength", ucs, u);
  rows.Number("tensile strength", tensile, u);
  rows.Title("Non-Dimensional Power Curve Criterion");
  rows.Number("Atmospheric Pressure", pa, u);
  rows.Number("parameter A", A);
  rows.Number("parameter T", T);
  rows.Number("parameter n", nExponent);
  rows.TwoTypeRange(range, dataType, sig3max, signmax);
  rows.MohrCoulombFit(c, phi, u);
  rows.Data(block);

  int n = view.pointCount - 1;
  if (view.principalShown) {
    const EnvelopePoint* table = model.BuildShearEnvelope(n);
    rows.SampledTable(SampleTable(kPrincipalTable, view.principalXTitle, view.principalYTitle,
                                  model.GetMinSig3(), table, n, SIG3, SIG1, "Power Curve"));
  }
  if (view.shearShown) {
    const EnvelopePoint* table = model.BuildShearEnvelope(n);
    rows.SampledTable(SampleTable(kShearTable, view.shearXTitle, view.shearYTitle, -d, table, n,
                                  SIGN, TAU, "Power Curve"));
  }
  return true;
}

bool Report(const PlotDocument& doc, const ReportView& view, CSheetWriter* sheet, CString* text) {
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN:
      return doc.hoekBrown && HoekBrownReport(doc, view, sheet, text);
    case CRITERION_MOHR_COULOMB:
      return doc.mohrCoulomb && MohrCoulombReport(doc, view, sheet, text);
    case CRITERION_BARTON_BANDIS:
      return doc.bartonBandis && BartonBandisReport(doc, view, sheet, text);
    case CRITERION_POWER_CURVE:
      return doc.powerCurve && PowerCurveReport(doc, view, sheet, text);
    default: return false;
  }
}

}  // namespace

bool ReportApplication(int criterion, int application, CString* name, CString* depthLabel) {
  // Hoek-Brown numbers its applications with General first.
  if (criterion == CRITERION_HOEK_BROWN) --application;
  switch (application) {
    case -1: *name = "General"; *depthLabel = ""; return criterion == CRITERION_HOEK_BROWN;
    case APPLICATION_TUNNELS: *name = "Tunnels"; *depthLabel = "Tunnel Depth"; return true;
    case APPLICATION_SLOPES: *name = "Slopes"; *depthLabel = "Slope Height"; return true;
    case APPLICATION_CUSTOM: *name = "Custom"; *depthLabel = ""; return true;
    default: return false;
  }
}

CString ReportStatusLine(int criterion, const CStrengthCriterion& model) {
  const char* prefix = "Current strength model is ";
  if (!IsCurrentBestFit(model) || model.GetResiduals() < 0.0)
    return CString(prefix) + (criterion == CRITERION_BARTON_BANDIS ? "NOT 'BEST-FIT'"
                                                                     : "NOT 'best-fit'");
  int method = model.GetCurveFitMethod(nullptr);
  const char* name = nullptr;
  if (method == 0) name = "LEVENBERG-MARQUARDT";
  if (method == 1)
    name = criterion == CRITERION_MOHR_COULOMB ? "LINEAR REGRESSION" : "SIMPLEX";
  if (method == 2 && criterion == CRITERION_HOEK_BROWN) name = "LINEAR REGRESSION";
  if (!name) return CString();
  return CString(prefix) + name + " 'best-fit'";
}

double PowerCurveReportSignMax(const CPowerCurveCriterion& model) {
  double a, d, b;
  model.GetParameters(&a, &d, &b);
  return CPowerCurveCriterion::ClosestCurvePoint(a, d, b, model.GetSig3Max());
}

CString BuildReportText(const PlotDocument& doc, const ReportView& view) {
  CString text;
  if (!Report(doc, view, nullptr, &text)) return CString();
  return text;
}

bool WriteReportSheet(const PlotDocument& doc, const ReportView& view, CSheetWriter& sheet) {
  return Report(doc, view, &sheet, nullptr);
}
