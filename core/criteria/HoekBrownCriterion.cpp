#include "core/criteria/HoekBrownCriterion.h"

#include <cfloat>
#include <cmath>

#include "core/criteria/CriterionMath.h"

using criteria::kPi;

namespace {
// Stress unit conversion of the modulus formulas (separate constants, not
// exact reciprocals).
const double kToMPa[UNITS_COUNT] = {1.0,
                                    0.001,
                                    0.009806699999025411,
                                    6.894757293178307,
                                    0.0478802588958568,
                                    0.0068947572993582045,
                                    4.78803000007612e-05,
                                    0.09576051783756398};
const double kFromMPa[UNITS_COUNT] = {1.0,         1000.0,      101.9711014, 0.14503773773,
                                      20.88543427, 145.0377376, 20885.41634, 10.44271713};
const double kDefaultSigci[UNITS_COUNT] = {30.0,  30000.0, 3000.0,   4.0,
                                           600.0, 4350.0,  600000.0, 300.0};
const double kIntactModulus[UNITS_COUNT] = {15000.0,  1.5e7,   1.5e6, 2000.0,
                                            300000.0, 2.175e6, 3e8,   150000.0};

double UnitFactor(const double* table, int units) {
  return (units >= 0 && units < UNITS_COUNT) ? table[units] : 1.0;
}

}  // namespace

CHoekBrownCriterion::CHoekBrownCriterion()
    : m_mi(10.0),
      m_GSI(50.0),
      m_D(0.0),
      m_sigci(30.0),
      m_mb(0.0),
      m_s(0.0),
      m_a(0.0),
      m_sigt(0.0),
      m_Em(0.0),
      m_sigc(0.0),
      m_sigcm(0.0),
      m_phiEquiv(DBL_MAX),
      m_cEquiv(DBL_MAX),
      m_solvedSig3(0.0),
      m_fieldDataFlag(SOURCE_LAB),
      m_Ei(0.0),
      m_modulusMethod(MODULUS_SIMPLIFIED_HOEK_DIEDERICHS) {
  m_sig3max = 7.5;
  m_signmax = DBL_MAX;
  m_Ei = GetDefaultIntactModulus(GetUnits());
  SetParameters(30.0, 10.0, 50.0, 0.0);
  m_residuals = -1.0;
  m_bestFitResiduals = -2.0;
  Recalculate();
  m_dataType = DATA_TRIAXIAL;
  m_curveFitMethod = FIT_LEVENBERG_MARQUARDT;
  m_fieldDataFlag = SOURCE_LAB;
  m_bestFitFlag = 0;
}

CHoekBrownCriterion::~CHoekBrownCriterion() {}

double CHoekBrownCriterion::GetDefaultIntactModulus(int units) {
  return (units >= 0 && units < UNITS_COUNT) ? kIntactModulus[units] : 0.0;
}

// --- Derived values ----------------------------------------------------

void CHoekBrownCriterion::RockMassConstants(double mi, double GSI, double D, double* mb, double* s,
                                            double* a) {
  *mb = mi * std::exp((GSI - 100.0) / (28.0 - 14.0 * D));
  *s = std::exp((GSI - 100.0) / (9.0 - 3.0 * D));
  *a = 0.5 + (std::exp(-GSI / 15.0) - std::exp(-20.0 / 3.0)) / 6.0;
}

void CHoekBrownCriterion::RecalculateModulus() {
  const double sigciMPa = m_sigci * UnitFactor(kToMPa, GetUnits());
  const double D = m_D;
  const double GSI = m_GSI;
  double Em = 0.0;
  switch (m_modulusMethod) {
    case MODULUS_SIMPLIFIED_HOEK_DIEDERICHS:
      Em = 100000.0 * (1.0 - D / 2.0) / (1.0 + std::exp((75.0 + 25.0 * D - GSI) / 11.0));
      break;
    case MODULUS_HOEK_CARRANZA_TORRES_CORKUM:
      Em = 1000.0 * (1.0 - D / 2.0) * std::pow(10.0, (GSI - 10.0) / 40.0);
      if (sigciMPa < 100.0) Em *= std::sqrt(sigciMPa > 0.0 ? sigciMPa / 100.0 : 0.0);
      break;
    case MODULUS_HOEK_DIEDERICHS: {
      const double EiMPa = m_Ei * UnitFactor(kToMPa, GetUnits());
      Em = EiMPa * (0.02 + (1.0 - D / 2.0) / (1.0 + std::exp((60.0 + 15.0 * D - GSI) / 11.0)));
      break;
    }
    default:
      Em = 0.0;
      break;
  }
  m_Em = Em * UnitFactor(kFromMPa, GetUnits());
}

void CHoekBrownCriterion::Recalculate() {
  RockMassConstants(m_mi, m_GSI, m_D, &m_mb, &m_s, &m_a);
  m_sigt = -m_s * m_sigci / m_mb;
  m_sigc = m_sigci * std::pow(m_s, m_a);
  RecalculateModulus();
  const double mb = m_mb;
  const double s = m_s;
  const double a = m_a;
  m_sigcm = m_sigci * (mb + 4.0 * s - a * (mb - 8.0 * s)) * std::pow(mb / 4.0 + s, a - 1.0) /
            (2.0 * (1.0 + a) * (2.0 + a));
  m_signmax = DBL_MAX;
  m_phiEquiv = DBL_MAX;
  m_cEquiv = DBL_MAX;
  m_solvedSig3 = 0.0;
  m_sig3max = m_sigci / 4.0;
}

void CHoekBrownCriterion::SetParameters(double sigci, double mi, double GSI, double D) {
  m_sigci = sigci;
  m_mi = mi;
  m_GSI = GSI;
  m_D = D;
  Recalculate();
}

void CHoekBrownCriterion::GetParameters(double* sigci, double* mi, double* GSI, double* D) const {
  if (sigci) *sigci = m_sigci;
  if (mi) *mi = m_mi;
  if (GSI) *GSI = m_GSI;
  if (D) *D = m_D;
}

void CHoekBrownCriterion::SetSigci(double sigci) {
  m_sigci = sigci;
  Recalculate();
}

void CHoekBrownCriterion::SetModulusMethod(int method, double Ei) {
  if (method == m_modulusMethod && (method != MODULUS_HOEK_DIEDERICHS || Ei == m_Ei)) return;
  m_modulusMethod = method;
  if (method == MODULUS_HOEK_DIEDERICHS) m_Ei = Ei;
  RecalculateModulus();
}

int CHoekBrownCriterion::GetModulusMethod() const {
  return m_modulusMethod;
}
double CHoekBrownCriterion::GetIntactModulus() const {
  return m_Ei;
}

void CHoekBrownCriterion::GetRockMassStrengths(double* sigc, double* sigt, double* Em,
                                               double* sigcm) const {
  if (sigc) *sigc = m_sigc;
  if (sigt) *sigt = m_sigt;
  if (Em) *Em = m_Em;
  if (sigcm) *sigcm = m_sigcm;
}

void CHoekBrownCriterion::SetRockMassConstants(double sigci, double mb, double s, double a) {
  m_sigci = sigci;
  m_mb = mb;
  m_s = s;
  m_a = a;
  m_sigt = -s * sigci / mb;
  m_sigc = sigci * std::pow(s, a);
}

void CHoekBrownCriterion::GetRockMassConstants(double* sigci, double* mb, double* s,
                                               double* a) const {
  if (sigci) *sigci = m_sigci;
  if (mb) *mb = m_mb;
  if (s) *s = m_s;
  if (a) *a = m_a;
}

// --- Units and range ---------------------------------------------------

BOOL CHoekBrownCriterion::SetUnits(int units) {
  const bool hasPoints = GetLabCount() > 0 || GetRockMassCount() > 0;
  if (!CStrengthCriterion::SetUnits(units)) return FALSE;
  if (hasPoints) return TRUE;
  m_sigci = kDefaultSigci[units];
  m_gamma = criteria::kDefaultGamma[units];
  m_H = criteria::kDefaultH[units];
  Recalculate();
  UpdateSig3Max();
  return TRUE;
}

double CHoekBrownCriterion::RangeSig3Max(int application) const {
  const double weight = RangeLoad();
  switch (application) {
    case APPLICATION_GENERAL:
      return m_sigci / 4.0;
    case APPLICATION_TUNNELS:
      return criteria::RangeFormula(0.47, -0.94, m_sigcm, weight);
    case APPLICATION_SLOPES:
      return criteria::RangeFormula(0.72, -0.91, m_sigcm, weight);
    default:
      return m_sig3max;
  }
}

void CHoekBrownCriterion::UpdateSig3Max() {
  m_sig3max = RangeSig3Max(m_application);
}

void CHoekBrownCriterion::SetEnvelopeRange(int application, double sig3max, double gamma,
                                           double H) {
  m_application = application;
  m_gamma = gamma;
  m_H = H;
  if (application == APPLICATION_GENERAL || application == APPLICATION_TUNNELS ||
      application == APPLICATION_SLOPES)
    m_sig3max = RangeSig3Max(application);
  else
    m_sig3max = sig3max;
}

void CHoekBrownCriterion::GetEnvelopeRange(int* application, double* sig3max, double* gamma,
                                           double* H) const {
  if (application) *application = m_application;
  if (sig3max) *sig3max = GetSig3Max();
  if (gamma) *gamma = m_gamma;
  if (H) *H = m_H;
}

// --- Envelope ------------------------------------------------------------

double CHoekBrownCriterion::GetMinSig3() const {
  return m_sigt;
}
bool CHoekBrownCriterion::IsLinear() const {
  return false;
}
double CHoekBrownCriterion::GetSig1FromShear(double sigN) const {
  return sigN;
}
double CHoekBrownCriterion::GetSig3FromShear(double sigN) const {
  return sigN;
}
double CHoekBrownCriterion::GetTau(double sigN) const {
  return sigN;
}
double CHoekBrownCriterion::GetMinSigN() const {
  return 0.0;
}
int CHoekBrownCriterion::GetCriterionType() const {
  return CRITERION_HOEK_BROWN;
}

double CHoekBrownCriterion::GetSig1(double sig3) const {
  if (sig3 < 0.999999999 * m_sigt) return 0.0;
  const double t = m_mb * sig3 / m_sigci + m_s;
  return sig3 + m_sigci * std::pow(t > 0.0 ? t : 0.0, m_a);
}

double CHoekBrownCriterion::GetSigNAtSig3(double sig3) const {
  if (sig3 < 0.999999999 * m_sigt) return m_sigt;
  const double sig1 = GetSig1(sig3);
  const double d = 1.0 + m_a * m_mb * std::pow(m_mb * sig3 / m_sigci + m_s, m_a - 1.0);
  return (sig1 + sig3) / 2.0 - (sig1 - sig3) / 2.0 * (d - 1.0) / (d + 1.0);
}

double CHoekBrownCriterion::GetTauAtSig3(double sig3) const {
  if (sig3 < 0.999999999 * m_sigt) return 0.0;
  const double sig1 = GetSig1(sig3);
  double d = 1.0 + m_a * m_mb * std::pow(m_mb * sig3 / m_sigci + m_s, m_a - 1.0);
  if (d < 0.0) d = 0.0;
  return (sig1 - sig3) * std::sqrt(d) / (d + 1.0);
}

void CHoekBrownCriterion::GetFailurePointAtSig3(double sig3, double* sig1, double* sigN,
                                                double* tau) const {
  if (sig3 < 0.999999999 * m_sigt) {
    *sig1 = 0.0;
    *sigN = m_sigt;
    *tau = 0.0;
    return;
  }
  const double t = m_mb * sig3 / m_sigci + m_s;
  const double s1 = sig3 + m_sigci * std::pow(t > 0.0 ? t : 0.0, m_a);
  const double d = 1.0 + m_a * m_mb * std::pow(t, m_a - 1.0);
  *sig1 = s1;
  *sigN = (s1 + sig3) / 2.0 - (s1 - sig3) / 2.0 * (d - 1.0) / (d + 1.0);
  const double dt = d < 0.0 ? 0.0 : d;
  *tau = (s1 - sig3) * std::sqrt(dt) / (dt + 1.0);
}

BOOL CHoekBrownCriterion::CalcTauAtSigNClosedForm(double sigN, double* tau) const {
  if (m_a != 0.5) return FALSE;
  const double mb = m_mb;
  const double s = m_s;
  const double sigci = m_sigci;
  if (sigN <= 0.0 &&
      (s == 0.0 || sigN <= 0.999999999 * (sigci / 2.0) * (mb - std::sqrt(mb * mb + 4.0 * s)))) {
    *tau = 0.0;
    return TRUE;
  }
  const double h = 1.0 + 16.0 * (mb * sigN + s * sigci) / (3.0 * mb * mb * sigci);
  const double theta =
      (kPi / 2.0 + std::atan(1.0 / std::sqrt(h * h * h - 1.0))) * 0.333333333333333;
  const double cosTheta = std::cos(theta);
  const double phi = std::atan(1.0 / std::sqrt(4.0 * h * cosTheta * cosTheta - 1.0));
  const double value = (1.0 / std::tan(phi) - std::cos(phi)) * mb * sigci / 8.0;
  if (!std::isfinite(value)) return FALSE;
  *tau = value;
  return TRUE;
}

BOOL CHoekBrownCriterion::SolveTauAtSigN(double sigN, double* tau) const {
  const double tol = m_sigci * 1e-9;
  const double floor = 0.9999 * m_sigt;
  if (sigN <= floor) {
    *tau = 0.0;
    m_solvedSig3 = m_sigt;
    return TRUE;
  }
  auto g = [&](double x) { return sigN - GetSigNAtSig3(x); };
  double x0 = sigN;
  double x1 = std::fabs(sigN) <= tol ? m_sigci / 100.0 : sigN / 2.0;
  double r0 = g(x0);
  double r1 = g(x1);
  double dx = x1 - x0;
  int steps = 0;
  while (!(std::fabs(r1) <= tol)) {
    // A flat secant or a value that is not a number has no next step.
    if (steps > 200 || r1 == r0 || !std::isfinite(r1) || !std::isfinite(r0)) return FALSE;
    dx = -dx * r1 / (r1 - r0);
    double x2 = x1 + dx;
    if (x2 < floor) x2 = floor;
    r0 = r1;
    r1 = g(x2);
    x0 = x1;
    x1 = x2;
    steps++;
  }
  if (steps > 200) return FALSE;
  const double value = GetTauAtSig3(x1);
  if (!std::isfinite(value)) return FALSE;
  *tau = value;
  m_solvedSig3 = x1;
  return TRUE;
}

double CHoekBrownCriterion::GetSolvedSig3() const {
  return m_solvedSig3;
}

bool CHoekBrownCriterion::CalcTauAtSigN(double sigN, double* tau) const {
  if (m_a == 0.5) return CalcTauAtSigNClosedForm(sigN, tau) != FALSE;
  return SolveTauAtSigN(sigN, tau) != FALSE;
}

double CHoekBrownCriterion::GetSig3AtSigN(double sigN) const {
  double tau = 0.0;
  if (!SolveTauAtSigN(sigN, &tau)) return DBL_MAX;
  return m_solvedSig3;
}

// --- Mohr-Coulomb lines ----------------------------------------------------

BOOL CHoekBrownCriterion::EquivalentLine(double* c, double* phi) const {
  const double mb = m_mb;
  const double s = m_s;
  const double a = m_a;
  const double sig3n = GetSig3Max() / m_sigci;
  const double base = mb * sig3n + s;
  *c = 0.0;
  *phi = 0.0;
  if (!(base > 0.0)) return FALSE;
  const double P = std::pow(base, a - 1.0);
  const double k = (1.0 + a) * (2.0 + a);
  const double cv = m_sigci * ((1.0 + 2.0 * a) * s + (1.0 - a) * mb * sig3n) * P /
                    (k * std::sqrt(1.0 + 6.0 * a * mb * P / k));
  const double pv = std::asin(6.0 * a * mb * P / (2.0 * k + 6.0 * a * mb * P));
  // A range ending right at the tensile strength gives a vertical line:
  // the empty-range definition holds then too.
  if (!std::isfinite(cv) || !std::isfinite(pv) || !(1.0 - std::sin(pv) > 0.0)) return FALSE;
  *c = cv;
  *phi = pv;
  return TRUE;
}

void CHoekBrownCriterion::CalcEquivalentMC(double* c, double* phi) {
  double cEq = 0.0;
  double phiEq = 0.0;
  EquivalentLine(&cEq, &phiEq);
  m_cEquiv = cEq;
  m_phiEquiv = phiEq;
  if (c) *c = cEq;
  if (phi) *phi = phiEq * 180.0 / kPi;
}

void CHoekBrownCriterion::CachedEquivalentLine(double* c, double* phi) const {
  // Before CalcEquivalentMC has run the cache holds DBL_MAX: evaluate the
  // line instead of computing with the marker.
  if (m_cEquiv == DBL_MAX || m_phiEquiv == DBL_MAX) {
    EquivalentLine(c, phi);
    return;
  }
  *c = m_cEquiv;
  *phi = m_phiEquiv;
}

double* CHoekBrownCriterion::GetEquivMCTau(double sigN, double* tau) const {
  double c = 0.0;
  double phi = 0.0;
  CachedEquivalentLine(&c, &phi);
  if (tau) *tau = std::tan(phi) * sigN + c;
  return tau;
}

double CHoekBrownCriterion::GetEquivMCSig1(double sig3) const {
  double c = 0.0;
  double phi = 0.0;
  CachedEquivalentLine(&c, &phi);
  const double sn = std::sin(phi);
  const double cs = std::cos(phi);
  return 2.0 * c * cs / (1.0 - sn) + (1.0 + sn) / (1.0 - sn) * sig3;
}

void CHoekBrownCriterion::GetInstantaneousMC(double sig3, double* c, double* phi) const {
  // Below the tensile limit the tangent is the one at the limit.
  const double limit = 0.999999999 * m_sigt;
  if (sig3 < limit) sig3 = limit;
  const double d = 1.0 + m_a * m_mb * std::pow(m_mb * sig3 / m_sigci + m_s, m_a - 1.0);
  const double sig1 = GetSig1(sig3);
  if (phi) *phi = std::asin((d - 1.0) / (d + 1.0));
  if (c) *c = (sig1 - d * sig3) / (2.0 * std::sqrt(d));
}

// --- Residuals and flags ---------------------------------------------------

void CHoekBrownCriterion::CalcResiduals(int n, const double* x, const double* y) {
  double sum = 0.0;
  if (n > 0 && x && y) {
    if (m_fieldDataFlag == SOURCE_ROCK_MASS) {
      for (int i = 0; i < n; i++) {
        double t = m_mb * x[i] / m_sigci + m_s;
        if (t < 0.0) t = 0.0;
        const double model = x[i] + m_sigci * std::pow(t, m_a);
        sum += (y[i] - model) * (y[i] - model);
      }
    } else if (m_sigci > 0.0) {
      for (int i = 0; i < n; i++) {
        const double t = m_mi * x[i] / m_sigci + 1.0;
        if (t < 0.0) continue;
        const double model = x[i] + m_sigci * std::sqrt(t);
        sum += (y[i] - model) * (y[i] - model);
      }
    }
  }
  SetResiduals(sum);
}

void CHoekBrownCriterion::GetFieldDataFlag(BYTE* out) const {
  if (out) *out = m_fieldDataFlag;
}

void CHoekBrownCriterion::SetFieldDataFlag(BYTE flag) {
  m_fieldDataFlag = flag;
}
