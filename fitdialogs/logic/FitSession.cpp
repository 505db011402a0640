#include "fitdialogs/logic/FitSession.h"

#include <algorithm>
#include <cfloat>
#include <climits>

#include "fitdialogs/logic/FitNumbers.h"

namespace {

const char kStatusFormat[] =
    " Data contains %d errors: sig3 cannot be greater than sig1. Errors start with row %d. \n To "
    "compute data correct errors, or else press cancel";
const char kInvertedRowMessage[] =
    "Error: sig3 cannot be greater than sig1.\nResults will be invalid. Please check your data.";

void AppendMessage(CString& to, const CString& message) {
  if (message.IsEmpty()) return;
  if (!to.IsEmpty()) to += "\n\n";
  to += message;
}

}  // namespace

int CountClipboardLines(const char* text) {
  if (text == nullptr || *text == '\0') return 0;
  int lines = 0;
  const char* p = text;
  for (; *p; ++p)
    if (*p == '\n') ++lines;
  if (p[-1] != '\n') ++lines;
  return lines;
}

BOOL FindFirstInvertedRow(int n, const double* first, const double* second, int* index) {
  for (int i = 0; i < n; ++i) {
    if (first[i] > second[i]) {
      if (index != nullptr) *index = i;
      return FALSE;
    }
  }
  return TRUE;
}

CFitSession::CFitSession(CStrengthCriterion& model) : m_model(model) {}

CFitSession::~CFitSession() = default;

int CFitSession::DataType() const {
  return m_model.GetDataType(nullptr);
}

CString CFitSession::UnitLabel() const {
  return m_model.GetStressUnitLabel(FALSE);
}

CString CFitSession::Heading(int column) const {
  if (column == 0) return " # ";
  const char* names[2] = {"sig3", "sig1"};
  if (Target() == FitTarget::BartonBandis) {
    names[0] = "sign";
    names[1] = "sigt";
  } else if (DataType() == DATA_DIRECT_SHEAR) {
    names[0] = "sigN";
    names[1] = "sigT";
  }
  return CString(names[column == 1 ? 0 : 1]) + " " + m_model.GetStressUnitLabel(TRUE);
}

CString CFitSession::XAxisTitle() const {
  const bool shear = Target() == FitTarget::BartonBandis || DataType() == DATA_DIRECT_SHEAR;
  return CString(shear ? "Normal stress " : "Minor principal stress ") +
         m_model.GetStressUnitLabel(TRUE);
}

CString CFitSession::YAxisTitle() const {
  const bool shear = Target() == FitTarget::BartonBandis || DataType() == DATA_DIRECT_SHEAR;
  return CString(shear ? "Shear stress " : "Major principal stress ") +
         m_model.GetStressUnitLabel(TRUE);
}

int CFitSession::SetTestCount(long long tests) {
  if (tests < 0) tests = 0;
  int leftOut = 0;
  if (tests > kMaxFitTests) {
    const long long over = tests - kMaxFitTests;
    leftOut = over > INT_MAX ? INT_MAX : static_cast<int>(over);
    tests = kMaxFitTests;
  }
  m_tests = static_cast<int>(tests);
  return leftOut;
}

int CFitSession::RowsFromModel(std::vector<FitRowText>* rows) {
  std::vector<double> x, y;
  GetPoints(&x, &y);
  const int leftOut = SetTestCount(static_cast<long long>(x.size()));
  rows->clear();
  rows->reserve(m_tests);
  for (int i = 0; i < m_tests; ++i) rows->push_back({FormatGridValue(x[i]), FormatGridValue(y[i])});
  return leftOut;
}

PastePlan CFitSession::PlanPaste(int lines, int focusRow) const {
  PastePlan plan;
  plan.tests = m_tests;
  if (lines <= 0) return plan;
  if (m_tests == 0) {
    plan.kind = PastePlan::EDIT_PASTE;
    plan.tests = std::min(lines, static_cast<int>(kMaxFitTests));
    plan.leftOut = lines - plan.tests;
    return plan;
  }
  if (focusRow < 1 || focusRow > m_tests) {
    plan.kind = PastePlan::EDIT_PASTE;
    return plan;
  }
  plan.kind = PastePlan::AT_FOCUS;
  const long long last = static_cast<long long>(focusRow) + lines - 1;
  if (last >= m_tests + 1) {
    plan.tests = static_cast<int>(std::min<long long>(last, kMaxFitTests));
    plan.leftOut = static_cast<int>(last - plan.tests);
  }
  return plan;
}

void CFitSession::SetMethod(int method) {
  m_method = method;
  m_model.SetCurveFitMethod(method);
}

void CFitSession::TakeMethodFromModel(int methodCount) {
  int method = m_model.GetCurveFitMethod(nullptr);
  if (method < 0 || method >= methodCount) method = 0;
  m_method = method;
}

int CFitSession::PointCount() const {
  return UsesRockMassSet() ? m_model.GetRockMassCount() : m_model.GetLabCount();
}

void CFitSession::GetPoints(std::vector<double>* x, std::vector<double>* y) const {
  const int n = PointCount();
  x->assign(n, 0.0);
  y->assign(n, 0.0);
  if (n < 1) return;
  if (UsesRockMassSet())
    m_model.GetRockMassData(x->data(), y->data());
  else
    m_model.GetLabData(x->data(), y->data());
}

void CFitSession::SetPoints(int n, const double* x, const double* y) {
  if (UsesRockMassSet())
    m_model.SetRockMassData(n, x, y);
  else
    m_model.SetLabData(n, x, y);
}

int CFitSession::ReadRows(const std::vector<FitRowText>& rows) {
  m_pointRows.clear();
  if (m_tests < 1) {
    SetPoints(0, nullptr, nullptr);
    m_status.Empty();
    return 0;
  }
  std::vector<double> x, y;
  int errors = 0;
  int firstErrorRow = 0;
  const int count = std::min(m_tests, static_cast<int>(rows.size()));
  for (int r = 0; r < count; ++r) {
    double a = 0.0, b = 0.0;
    if (!ParseCellNumber(rows[r].x, a) || !ParseCellNumber(rows[r].y, b)) continue;
    x.push_back(a);
    y.push_back(b);
    m_pointRows.push_back(r + 1);
    if (ChecksInvertedRows() && a > b && errors++ == 0) firstErrorRow = r + 1;
  }
  SetPoints(static_cast<int>(x.size()), x.data(), y.data());
  if (errors > 0)
    m_status.Format(kStatusFormat, errors, firstErrorRow);
  else
    m_status.Empty();
  return errors;
}

RecomputeResult CFitSession::Recompute(const std::vector<FitRowText>& rows) {
  RecomputeResult result;
  result.invertedRows = ReadRows(rows);
  if (result.invertedRows > 0) return result;
  if (!RunFit()) {
    if (PointCount() >= 2) result.message = FitFailureMessage();
    TakeModelParameters();
    m_residual = -1.0;
  }
  m_model.SetResiduals(m_residual);
  m_model.SetCurveFitMethod(m_method);
  BuildPlot();
  return result;
}

void CFitSession::ClearPlot() {
  m_plot = FitPlot();
}

void CFitSession::BuildPlot() {
  m_plot = FitPlot();
  std::vector<double> x, y;
  GetPoints(&x, &y);
  const int n = static_cast<int>(x.size());
  if (n < 1) return;

  FitExtents extents;
  double largestX = -DBL_MAX, largestY = -DBL_MAX;
  FitSeries points;
  points.style = PointsStyle();
  for (int i = 0; i < n; ++i) {
    points.x.push_back(x[i]);
    points.y.push_back(y[i]);
    extents.Add(x[i], y[i]);
    largestX = std::max(largestX, x[i]);
    largestY = std::max(largestY, y[i]);
  }
  m_plot.series.push_back(points);
  PointsPlaced(largestX, largestY);

  if (n > 1) {
    FitSeries envelope = Envelope(largestX, largestY);
    for (size_t i = 0; i < envelope.x.size(); ++i) extents.Add(envelope.x[i], envelope.y[i]);
    m_plot.series.push_back(envelope);
  }
  m_plot.axes = EqualScaleAxes(extents, m_aspect);
  if (m_mogiLine && HasMogiLine()) m_plot.series.push_back(MogiLineSeries(m_plot.axes.yMax));
  m_plot.pointsPerSeries = std::max(n, kEnvelopeRows);
  m_plot.xTitle = XAxisTitle();
  m_plot.yTitle = YAxisTitle();
}

ApplyResult CFitSession::Apply(const std::vector<FitRowText>& rows) {
  const RecomputeResult recompute = Recompute(rows);
  if (recompute.invertedRows > 0) {
    ApplyResult result;
    result.recompute = recompute;
    result.kind = ApplyResult::INPUT_ERROR;
    result.message = kInvertedRowMessage;
    std::vector<double> x, y;
    GetPoints(&x, &y);
    int index = 0;
    if (!FindFirstInvertedRow(static_cast<int>(x.size()), x.data(), y.data(), &index) &&
        index < static_cast<int>(m_pointRows.size()))
      result.gridRow = m_pointRows[index];
    return result;
  }
  ApplyResult result = ApplyParameters();
  result.recompute = recompute;
  return result;
}

ImportOutcome CFitSession::Import(int kind, const char* path) {
  if (kind == IMPORT_NONE) return ImportOutcome();
  std::string text;
  CString error;
  if (!LoadImportFile(path, &text, &error)) {
    ImportOutcome outcome;
    outcome.message = error;
    return outcome;
  }
  return ImportText(kind, path, text);
}

ImportOutcome CFitSession::ImportText(int kind, const char* path, const std::string& text) {
  ImportOutcome outcome;
  if (kind == IMPORT_COMMA || kind == IMPORT_TAB || kind == IMPORT_LORVANE) {
    // Text and Lorvane rows: what can be read is taken, the rest skipped.
    const ImportedPoints points =
        kind == IMPORT_LORVANE ? ReadLorvanePoints(text) : ReadDelimitedPoints(text, kind);
    if (points.Count() == 0) {
      outcome.message = NoTestDataMessage();
      return outcome;
    }
    if (kind == IMPORT_LORVANE) LorvaneImported();
    return StoreImport(points, -1);
  }
  if (kind != IMPORT_PROJECT) return outcome;

  CStrengthFile file;
  if (!file.ReadFromText(path, text.data(), text.size())) {
    outcome.message = file.GetErrorText();
    return outcome;
  }
  ImportedPoints points;
  int adoptType = -1;
  if (!TakeFilePoints(file, Target(), DataType(), &points, &adoptType)) {
    outcome.message = NoTestDataMessage();
    return outcome;
  }
  if (adoptType >= 0) AdoptDataType(adoptType);
  return StoreImport(points, file.m_nUnits);
}

ImportOutcome CFitSession::StoreImport(const ImportedPoints& points, int fileUnits) {
  ImportOutcome outcome;
  outcome.changed = true;
  SetPoints(points.Count(), points.x.data(), points.y.data());
  if (UsesRockMassSet())
    m_model.SetRockMassTest(points.test);
  else
    m_model.SetLabTest(points.test);
  m_tests = points.Count();
  if (points.leftOut > 0) AppendMessage(outcome.message, TestsLeftOutMessage(points.leftOut));
  if (fileUnits >= 0 && fileUnits != m_model.GetUnits())
    AppendMessage(outcome.message, UnitsDifferMessage(fileUnits, m_model.GetUnits()));
  return outcome;
}
