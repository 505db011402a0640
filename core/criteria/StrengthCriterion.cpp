#include "core/criteria/StrengthCriterion.h"

#include <cmath>

#include "core/criteria/CriterionMath.h"

namespace {
const char* const kStressLabels[UNITS_COUNT] = {"MPa", "kPa", "tsm", "ksi",
                                                "ksf", "psi", "psf", "tsf"};
const char* const kLengthLabels[UNITS_COUNT] = {"m", "m", "m", "ft", "ft", "ft", "ft", "ft"};
const char* const kUnitWeightLabels[UNITS_COUNT] = {"MN/m3",   "kN/m3",   "tonnes/m3", "kip/ft3",
                                                    "kip/ft3", "lbs/ft3", "lbs/ft3",   "tons/ft3"};

CString Label(const char* const* table, int units, BOOL parentheses) {
  CString text;
  if (units >= 0 && units < UNITS_COUNT) text = table[units];
  if (parentheses) return CString("(") + text + ")";
  return text;
}

// Abscissa of row i of an n-row table over [lower, upper]. One row sits at
// lower (the step would divide by zero).
double RowValue(int i, int n, double lower, double upper) {
  if (n < 2) return lower;
  const double step = (upper - lower) / (n - 1.0);
  return i * step + lower;
}
}  // namespace

CStrengthCriterion::CStrengthCriterion()
    : m_units(UNITS_MPA),
      m_stateFlag(1),
      m_application(0),
      m_sig3max(0.0),
      m_signmax(0.0),
      m_gamma(0.026),
      m_H(50.0),
      m_residuals(-1.0),
      m_bestFitResiduals(-2.0),
      m_bestFitFlag(0),
      m_curveFitMethod(0),
      m_dataType(DATA_TRIAXIAL) {}

CStrengthCriterion::~CStrengthCriterion() {}

// --- Units ------------------------------------------------------------------

BOOL CStrengthCriterion::SetUnits(int units) {
  if (units < 0 || units >= UNITS_COUNT || units == m_units) return FALSE;
  m_units = units;
  return TRUE;
}

int CStrengthCriterion::GetUnits() const {
  return m_units;
}

CString CStrengthCriterion::StressUnitLabel(int units, BOOL parentheses) {
  return Label(kStressLabels, units, parentheses);
}

CString CStrengthCriterion::LengthUnitLabel(int units, BOOL parentheses) {
  return Label(kLengthLabels, units, parentheses);
}

CString CStrengthCriterion::UnitWeightLabel(int units, BOOL parentheses) {
  return Label(kUnitWeightLabels, units, parentheses);
}

CString CStrengthCriterion::GetStressUnitLabel(BOOL parentheses) const {
  return StressUnitLabel(GetUnits(), parentheses);
}

CString CStrengthCriterion::GetLengthUnitLabel(BOOL parentheses) const {
  return LengthUnitLabel(GetUnits(), parentheses);
}

CString CStrengthCriterion::GetUnitWeightLabel(BOOL parentheses) const {
  return UnitWeightLabel(GetUnits(), parentheses);
}

void CStrengthCriterion::GetStressUnitLabel(CString& out, BOOL parentheses) const {
  out = GetStressUnitLabel(parentheses);
}

void CStrengthCriterion::GetLengthUnitLabel(CString& out, BOOL parentheses) const {
  out = GetLengthUnitLabel(parentheses);
}

void CStrengthCriterion::GetUnitWeightLabel(CString& out, BOOL parentheses) const {
  out = GetUnitWeightLabel(parentheses);
}

// --- Data type, residuals, fit bookkeeping ---------------------------------

void CStrengthCriterion::SetDataType(int dataType) {
  m_dataType = dataType;
}

int CStrengthCriterion::GetDataType(int* out) const {
  if (out) *out = m_dataType;
  return m_dataType;
}

double CStrengthCriterion::GetResiduals() const {
  return m_residuals;
}
void CStrengthCriterion::SetResiduals(double residuals) {
  m_residuals = residuals;
}
double CStrengthCriterion::GetBestFitResiduals() const {
  return m_bestFitResiduals;
}
void CStrengthCriterion::SetBestFitResiduals(double residuals) {
  m_bestFitResiduals = residuals;
}
void CStrengthCriterion::SetBestFitFlag(BOOL flag) {
  m_bestFitFlag = flag ? 1 : 0;
}
BOOL CStrengthCriterion::IsBestFit() const {
  return m_bestFitFlag;
}

int CStrengthCriterion::GetCurveFitMethod(int* out) const {
  if (out) *out = m_curveFitMethod;
  return m_curveFitMethod;
}

void CStrengthCriterion::SetCurveFitMethod(int method) {
  m_curveFitMethod = method;
}

void CStrengthCriterion::SetStateFlag(BYTE flag) {
  m_stateFlag = flag;
}
BYTE CStrengthCriterion::GetStateFlag() const {
  return m_stateFlag;
}

void CStrengthCriterion::GetParameters(double*, double*, double*) const {}

// --- Range ------------------------------------------------------------------

double CStrengthCriterion::GetSig3Max() const {
  return m_sig3max;
}
void CStrengthCriterion::SetSig3Max(double sig3max) {
  m_sig3max = sig3max;
}
double CStrengthCriterion::RangeLoad() const {
  return criteria::RangeUnitFactor(GetUnits()) * m_gamma * m_H;
}
double CStrengthCriterion::GetSignMax() const {
  return m_signmax;
}
void CStrengthCriterion::SetSignMax(double signmax) {
  m_signmax = signmax;
}

// --- Fit bookkeeping --------------------------------------------------------

namespace {
BOOL FitPoints(int n, const CStrengthCriterion& model, bool lab, std::vector<double>* x,
               std::vector<double>* y) {
  if (n < 2) return FALSE;
  x->assign((size_t)n, 0.0);
  y->assign((size_t)n, 0.0);
  if (lab)
    model.GetLabData(x->data(), y->data());
  else
    model.GetRockMassData(x->data(), y->data());
  return TRUE;
}
}  // namespace

BOOL CStrengthCriterion::GetLabFitPoints(std::vector<double>* x, std::vector<double>* y) const {
  return FitPoints(GetLabCount(), *this, true, x, y);
}

BOOL CStrengthCriterion::GetRockMassFitPoints(std::vector<double>* x,
                                              std::vector<double>* y) const {
  return FitPoints(GetRockMassCount(), *this, false, x, y);
}

BOOL CStrengthCriterion::StoreFit(std::initializer_list<std::pair<double*, double>> outputs,
                                  double sum, double* sumOfSquares) {
  if (!std::isfinite(sum)) return FALSE;
  for (const auto& out : outputs)
    if (!std::isfinite(out.second)) return FALSE;
  for (const auto& out : outputs) *out.first = out.second;
  *sumOfSquares = sum;
  SetBestFitResiduals(sum);
  return TRUE;
}

// --- Point sets ----------------------------------------------------------

void CStrengthCriterion::SetSetCount(TestDataSet& set, int n) {
  if (n <= 0) {
    set.count = 0;
    set.x.clear();
    set.y.clear();
    return;
  }
  set.x.assign((size_t)n, 0.0);
  set.y.assign((size_t)n, 0.0);
  set.count = n;
}

void CStrengthCriterion::SetSetData(TestDataSet& set, int n, const double* x, const double* y) {
  if (n <= 0) {
    SetSetCount(set, 0);
    return;
  }
  // Copy first: x and y may point into this very set.
  std::vector<double> nx(x, x + n);
  std::vector<double> ny(y, y + n);
  set.x.swap(nx);
  set.y.swap(ny);
  set.count = n;
}

int CStrengthCriterion::GetSetData(const TestDataSet& set, double* x, double* y) {
  for (int i = 0; i < set.count; i++) {
    if (x) x[i] = set.x[(size_t)i];
    if (y) y[i] = set.y[(size_t)i];
  }
  return set.count;
}

void CStrengthCriterion::SetSetValue(TestDataSet& set, std::vector<double>& values, int i,
                                     double v) {
  ASSERT(i >= 0 && i < set.count);
  if (i >= 0 && i < set.count) values[(size_t)i] = v;
}

double CStrengthCriterion::GetSetValue(const TestDataSet& set, const std::vector<double>& values,
                                       int i) {
  ASSERT(i >= 0 && i < set.count);
  if (i >= 0 && i < set.count) return values[(size_t)i];
  return 0.0;
}

void CStrengthCriterion::SetLabData(int n, const double* x, const double* y) {
  if (n > 0 && (x == nullptr || y == nullptr)) return;
  SetSetData(m_labData, n, x, y);
}

int CStrengthCriterion::GetLabData(double* x, double* y) const {
  return GetSetData(m_labData, x, y);
}
void CStrengthCriterion::SetLabX(int i, double v) {
  SetSetValue(m_labData, m_labData.x, i, v);
}
double CStrengthCriterion::GetLabX(int i) const {
  return GetSetValue(m_labData, m_labData.x, i);
}
void CStrengthCriterion::SetLabY(int i, double v) {
  SetSetValue(m_labData, m_labData.y, i, v);
}
double CStrengthCriterion::GetLabY(int i) const {
  return GetSetValue(m_labData, m_labData.y, i);
}
void CStrengthCriterion::SetLabTest(int test) {
  m_labData.test = test;
}
int CStrengthCriterion::GetLabTest() const {
  return m_labData.test;
}
int CStrengthCriterion::GetLabCount() const {
  return m_labData.count;
}
void CStrengthCriterion::SetLabCount(int n) {
  SetSetCount(m_labData, n);
}
void CStrengthCriterion::ClearLabData() {
  SetSetCount(m_labData, 0);
}

int CStrengthCriterion::CopyLabData(const CStrengthCriterion* from) {
  if (from == nullptr || from == this) return m_labData.count;
  const TestDataSet& src = from->m_labData;
  SetSetData(m_labData, src.count, src.x.data(), src.y.data());
  m_labData.test = src.test;
  return m_labData.count;
}

void CStrengthCriterion::SetRockMassData(int n, const double* x, const double* y) {
  if (n > 0 && (x == nullptr || y == nullptr)) return;
  SetSetData(m_rockMassData, n, x, y);
}

int CStrengthCriterion::GetRockMassData(double* x, double* y) const {
  return GetSetData(m_rockMassData, x, y);
}
void CStrengthCriterion::SetRockMassX(int i, double v) {
  SetSetValue(m_rockMassData, m_rockMassData.x, i, v);
}
double CStrengthCriterion::GetRockMassX(int i) const {
  return GetSetValue(m_rockMassData, m_rockMassData.x, i);
}
void CStrengthCriterion::SetRockMassY(int i, double v) {
  SetSetValue(m_rockMassData, m_rockMassData.y, i, v);
}
double CStrengthCriterion::GetRockMassY(int i) const {
  return GetSetValue(m_rockMassData, m_rockMassData.y, i);
}
void CStrengthCriterion::SetRockMassTest(int test) {
  m_rockMassData.test = test;
}
int CStrengthCriterion::GetRockMassTest() const {
  return m_rockMassData.test;
}
int CStrengthCriterion::GetRockMassCount() const {
  return m_rockMassData.count;
}
void CStrengthCriterion::SetRockMassCount(int n) {
  SetSetCount(m_rockMassData, n);
}
void CStrengthCriterion::ClearRockMassData() {
  SetSetCount(m_rockMassData, 0);
}

int CStrengthCriterion::CopyRockMassData(const CStrengthCriterion* from) {
  if (from == nullptr || from == this) return m_rockMassData.count;
  const TestDataSet& src = from->m_rockMassData;
  SetSetData(m_rockMassData, src.count, src.x.data(), src.y.data());
  m_rockMassData.test = src.test;
  return m_rockMassData.count;
}

int CStrengthCriterion::CopyLabDataFromRockMass(const CStrengthCriterion* from) {
  if (from == nullptr) return m_labData.count;
  // Read both source values before writing: from may be this object.
  const TestDataSet& src = from->m_rockMassData;
  const int test = from->m_labData.test;
  SetSetData(m_labData, src.count, src.x.data(), src.y.data());
  m_labData.test = test;
  return m_labData.count;
}

int CStrengthCriterion::CopyRockMassDataFromLab(const CStrengthCriterion* from) {
  if (from == nullptr) return m_rockMassData.count;
  const TestDataSet& src = from->m_labData;
  const int test = from->m_rockMassData.test;
  SetSetData(m_rockMassData, src.count, src.x.data(), src.y.data());
  m_rockMassData.test = test;
  return m_rockMassData.count;
}

// --- Copy ------------------------------------------------------------------

CStrengthCriterion& CStrengthCriterion::CopyFrom(const CStrengthCriterion& from) {
  if (&from == this) return *this;
  SetSetCount(m_labData, 0);
  SetSetCount(m_rockMassData, 0);
  m_envelope.clear();
  if (from.m_labData.count > 0)
    SetLabData(from.m_labData.count, from.m_labData.x.data(), from.m_labData.y.data());
  if (from.m_rockMassData.count > 0)
    SetRockMassData(from.m_rockMassData.count, from.m_rockMassData.x.data(),
                    from.m_rockMassData.y.data());
  m_envelope = from.m_envelope;
  m_units = from.m_units;
  m_stateFlag = from.m_stateFlag;
  m_labData.test = from.m_labData.test;
  m_rockMassData.test = from.m_rockMassData.test;
  m_residuals = from.m_residuals;
  m_bestFitResiduals = from.m_bestFitResiduals;
  m_bestFitFlag = from.m_bestFitFlag;
  m_curveFitMethod = from.m_curveFitMethod;
  m_dataType = from.m_dataType;
  return *this;
}

// --- Envelope tables ---------------------------------------------------

EnvelopePoint* CStrengthCriterion::NewTable(int n) {
  m_envelope.clear();
  if (n <= 0) {
    m_envelope.shrink_to_fit();
    return nullptr;
  }
  if (n > MAX_ENVELOPE_POINTS) n = MAX_ENVELOPE_POINTS;
  m_envelope.assign((size_t)n, EnvelopePoint{0.0, 0.0, 0.0, 0.0});
  return m_envelope.data();
}

int CStrengthCriterion::GetEnvelopeCount() const {
  return (int)m_envelope.size();
}

const EnvelopePoint* CStrengthCriterion::GetEnvelope() const {
  return m_envelope.empty() ? nullptr : m_envelope.data();
}

EnvelopePoint* CStrengthCriterion::BuildPrincipalEnvelope(int n) {
  const double upper = GetSig3Max();
  const int type = GetCriterionType();
  const double minSig3 = GetMinSig3();
  const bool linear = IsLinear();
  double lower = minSig3;
  double d = 0.0;
  if (type == CRITERION_POWER_CURVE) {
    double a = 0.0;
    double b = 0.0;
    GetParameters(&a, &d, &b);
    lower = -d;
  }

  EnvelopePoint* rows = NewTable(n);
  if (rows == nullptr) return nullptr;
  n = GetEnvelopeCount();

  int first = 0;
  if (!linear) {
    // Row 0 is the apex of the curve.
    if (type == CRITERION_POWER_CURVE)
      rows[0] = EnvelopePoint{-d, -d, -d, 0.0};
    else
      rows[0] = EnvelopePoint{0.0, minSig3, minSig3, 0.0};
    first = 1;
  } else {
    lower = minSig3;
  }

  for (int i = first; i < n; i++) {
    const double sig3 = RowValue(i, n, lower, upper);
    double s = sig3;
    if (type != CRITERION_POWER_CURVE && s < minSig3) s = minSig3;
    rows[i].sig3 = sig3;
    GetFailurePointAtSig3(s, &rows[i].sig1, &rows[i].sigN, &rows[i].tau);
  }
  return rows;
}

void CStrengthCriterion::GetFailurePointAtSig3(double sig3, double* sig1, double* sigN,
                                               double* tau) const {
  *sig1 = GetSig1(sig3);
  *sigN = GetSigNAtSig3(sig3);
  *tau = GetTauAtSig3(sig3);
}

EnvelopePoint* CStrengthCriterion::BuildShearEnvelope(int n) {
  const double min3 = GetMinSig3();
  const double upper = GetSignMax();
  const int type = GetCriterionType();
  const bool linear = IsLinear();
  double lower = GetMinSigN();
  if (type == CRITERION_MOHR_COULOMB) lower = min3;

  EnvelopePoint* rows = NewTable(n);
  if (rows == nullptr) return nullptr;
  n = GetEnvelopeCount();

  if (linear && type == CRITERION_MOHR_COULOMB) {
    for (int i = 0; i < n; i++) {
      rows[i].sigN = RowValue(i, n, lower, upper);
      rows[i].tau = GetTau(rows[i].sigN);
    }
    // The principal columns start at lower2, the sigN whose failure
    // circle has sig3 = sigt.
    double c = 0.0;
    double phi = 0.0;
    double sigt = 0.0;
    GetParameters(&c, &phi, &sigt);
    if (phi > criteria::kMaxPhiDeg)
      phi = criteria::kMaxPhiDeg;
    else if (phi < -criteria::kMaxPhiDeg)
      phi = -criteria::kMaxPhiDeg;
    const double t = std::tan(phi * criteria::kDegToRad);
    const double q = std::sqrt(1.0 + t * t);
    // -(sigt - t c + q c)/(q t - p) with p = 1 + t^2, written without
    // the cancellation of q t - p at steep angles (q - t = 1/(q + t)).
    const double lower2 = (sigt * (q + t) + c) / q;
    for (int i = 0; i < n; i++) {
      const double s = RowValue(i, n, lower2, upper);
      rows[i].sig1 = GetSig1FromShear(s);
      double sig3 = GetSig3FromShear(s);
      if (sig3 < sigt) sig3 = sigt;
      rows[i].sig3 = sig3;
    }
    return rows;
  }

  int first = 0;
  if (!linear) {
    if (type == CRITERION_POWER_CURVE) {
      double a = 0.0;
      double d = 0.0;
      double b = 0.0;
      GetParameters(&a, &d, &b);
      rows[0] = EnvelopePoint{-d, -d, -d, 0.0};
    } else if (type == CRITERION_BARTON_BANDIS) {
      rows[0] =
          EnvelopePoint{GetSig1FromShear(lower), GetSig3FromShear(lower), lower, GetTau(lower)};
    } else {
      rows[0] = EnvelopePoint{0.0, min3, lower, 0.0};
    }
    first = 1;
  }
  for (int i = first; i < n; i++) {
    const double sigN = RowValue(i, n, lower, upper);
    rows[i].sigN = sigN;
    rows[i].sig1 = GetSig1FromShear(sigN);
    rows[i].sig3 = GetSig3FromShear(sigN);
    rows[i].tau = GetTau(sigN);
  }
  return rows;
}

EnvelopePoint* CStrengthCriterion::BuildTauEnvelope(int n) {
  const double lower = GetMinSigN();
  const double upper = GetSignMax();
  EnvelopePoint* rows = NewTable(n);
  if (rows == nullptr) return nullptr;
  n = GetEnvelopeCount();
  for (int i = 0; i < n; i++) {
    rows[i].sigN = RowValue(i, n, lower, upper);
    rows[i].tau = GetTau(rows[i].sigN);
  }
  return rows;
}
