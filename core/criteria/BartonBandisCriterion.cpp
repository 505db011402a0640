#include "core/criteria/BartonBandisCriterion.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/FitSolvers.h"
#include "core/criteria/RootFinding.h"

namespace {
const double kMaxAngle = 70.0;
// JCS is held at or above this: log10 of it must stay finite.
const double kMinJcs = 1e-6;
// Below this normal stress CalcTauAtSigN gives 0 and circles are points.
const double kTauFloor = 1e-5;
const double kLn10 = 2.302585092994046;
// d theta / d log10(sigN) in radians per unit JRC, as it enters the slope.
const double kSlopeFactor = criteria::kPi / (180.0 * kLn10);

// Unit defaults, indexed by UnitsType.
const double kDefaultJcs[UNITS_COUNT] = {30, 30000, 3000, 3, 300, 4000, 600000, 300};
const double kDefaultSignMax[UNITS_COUNT] = {10, 10000, 1000, 1, 200, 1000, 200000, 100};

// Simplex start vertices (JRC, JCS by units).
const double kStartJrc[3] = {10, 15, 5};
const double kStartJcs[3][UNITS_COUNT] = {{50, 50000, 5000, 5, 500, 7000, 1e6, 500},
                                          {20, 20000, 2000, 3, 400, 3000, 400000, 200},
                                          {70, 70000, 7000, 10, 1500, 10000, 1.5e6, 700}};

double EffectiveJcs(double jcs) {
  return jcs > kMinJcs ? jcs : kMinJcs;
}

// The fits' outputs: JRC held in [0, 20], JCS positive (also when not a
// number).
double ClampJrc(double jrc) {
  return std::min(20.0, std::max(0.0, jrc));
}
double ClampJcs(double jcs) {
  return jcs > 0.0 ? jcs : kMinJcs;
}

// 10 raised to e, with e held where the result stays finite and normal.
double Pow10(double e) {
  return std::pow(10.0, std::min(300.0, std::max(-300.0, e)));
}

// Steps from 'from' (inside (lo, hi)) toward 'to'; a step that would leave
// the open interval goes half way to the crossed end instead.
double StepWithin(double from, double to, double lo, double hi) {
  if (!(to > lo)) return from - 0.5 * (from - lo);
  if (!(to < hi)) return from + 0.5 * (hi - from);
  return to;
}

// Makes lo < x1 < x2 < hi, keeping the given points where they already are.
void StartWithin(double* x1, double* x2, double lo, double hi) {
  if (!(*x2 > lo)) *x2 = lo + std::max(*x2 - *x1, 1e-3);
  if (!(*x2 < hi)) *x2 = lo + 0.5 * (hi - lo);
  if (!(*x1 > lo) || !(*x1 < *x2)) *x1 = lo + 0.5 * (*x2 - lo);
}

// Shear strength without the 70-degree rule, as the fits' objective sees it.
double TauUncut(double phib, double jrc, double jcs, double sigN) {
  if (!(sigN > 0.0)) return 0.0;
  return sigN * std::tan(CBartonBandisCriterion::Theta(phib, jrc, jcs, sigN) * criteria::kDegToRad);
}

// Levenberg-Marquardt model: tau(sigN; JRC, JCS) with phib held. Points
// below sigNmin of the trial parameters take no part.
class CBartonBandisLmModel : public CLmModel {
 public:
  explicit CBartonBandisLmModel(double phib) : m_phib(phib) {}

  BOOL Evaluate(double sigN, const double* a, double* yfit, double* dyda) const override {
    const double jrc = a[0];
    const double jcs = EffectiveJcs(a[1]);
    if (sigN < CBartonBandisCriterion::SigNMin(m_phib, jrc, jcs)) return FALSE;
    if (!(sigN > 0.0)) {
      *yfit = 0.0;
      dyda[0] = dyda[1] = 0.0;
      return TRUE;
    }
    const double theta =
        CBartonBandisCriterion::Theta(m_phib, jrc, jcs, sigN) * criteria::kDegToRad;
    const double c = std::cos(theta);
    const double c2 = c * c;
    *yfit = sigN * std::tan(theta);
    dyda[0] = sigN * std::log10(jcs / sigN) * criteria::kDegToRad / c2;
    dyda[1] = sigN * jrc * criteria::kDegToRad / (jcs * kLn10 * c2);
    return TRUE;
  }

  // A trial JRC below 0 becomes half the current one, above 20 half way
  // to 20; a trial JCS at or below 0 becomes half the current one.
  void MakeTrial(const double* a, const double* da, double* trial) const override {
    trial[0] = a[0] + da[0];
    if (!(trial[0] >= 0.0))
      trial[0] = 0.5 * a[0];
    else if (trial[0] > 20.0)
      trial[0] = a[0] + 0.5 * (20.0 - a[0]);
    trial[1] = a[1] + da[1];
    if (!(trial[1] > 0.0)) trial[1] = 0.5 * a[1];
  }

 private:
  double m_phib;
};

// Simplex objective over (JRC, JCS): every point counts, no 70-degree rule.
class CBartonBandisObjective : public CSimplexObjective {
 public:
  CBartonBandisObjective(double phib, const double* x, const double* y, int n)
      : m_phib(phib), m_x(x), m_y(y), m_n(n) {}

  double Evaluate(const double* p) const override {
    double sum = 0.0;
    for (int i = 0; i < m_n; i++) {
      const double model = std::max(0.0, TauUncut(m_phib, p[0], p[1], m_x[i]));
      const double r = m_y[i] - model;
      sum += r * r;
    }
    return sum;
  }

  void ApplyTrialRule(double* p) const override {
    if (p[0] < 0.0)
      p[0] = 0.0;
    else if (p[0] > 20.0)
      p[0] = 20.0;
    if (!(p[1] > 0.0)) p[1] = kMinJcs;
  }

 private:
  double m_phib;
  const double* m_x;
  const double* m_y;
  int m_n;
};
}  // namespace

// --- Construction ---------------------------------------------------------

CBartonBandisCriterion::CBartonBandisCriterion() : m_jrc(10.0), m_phib(28.0), m_jcs(30.0) {
  m_sig3max = 0.0;
  m_signmax = 10.0;
  SetParameters(28.0, 10.0, 30.0);
  SetEnvelopeRange(APPLICATION_TUNNELS, 10.0, 0.026, 50.0);
  SetDataType(DATA_DIRECT_SHEAR);
}

CBartonBandisCriterion::~CBartonBandisCriterion() {}

// --- Model arithmetic -------------------------------------------------------

double CBartonBandisCriterion::Theta(double phib, double jrc, double jcs, double sigN) {
  if (jrc == 0.0) return phib;
  return phib + jrc * std::log10(EffectiveJcs(jcs) / sigN);
}

double CBartonBandisCriterion::SigNMin(double phib, double jrc, double jcs) {
  if (jrc == 0.0) return phib <= kMaxAngle ? 0.0 : HUGE_VAL;
  return Pow10(std::log10(EffectiveJcs(jcs)) - (kMaxAngle - phib) / jrc);
}

double CBartonBandisCriterion::SumOfSquares70(double phib, double jrc, double jcs, int n,
                                              const double* x, const double* y) {
  if (n <= 0 || x == nullptr || y == nullptr) return -1.0;
  const double sigNmin = SigNMin(phib, jrc, jcs);
  double largest = -DBL_MAX;
  for (int i = 0; i < n; i++) largest = std::max(largest, x[i]);
  if (largest < sigNmin) return -1.0;
  double sum = 0.0;
  for (int i = 0; i < n; i++) {
    if (x[i] >= sigNmin) {
      const double r = y[i] - TauUncut(phib, jrc, jcs, x[i]);
      sum += r * r;
    }
  }
  return sum;
}

double CBartonBandisCriterion::Slope(double sigN) const {
  if (m_jrc != 0.0 && !(sigN > 0.0)) return 0.0;
  const double t = std::tan(Theta(m_phib, m_jrc, m_jcs, sigN) * criteria::kDegToRad);
  return t - (1.0 + t * t) * m_jrc * kSlopeFactor;
}

void CBartonBandisCriterion::TangentCircleAt(double sigN, double* sig1, double* sig3) const {
  // tau and the slope share tan(theta), formed once.
  double t = 0.0;
  double tau = 0.0;
  if (sigN > 0.0) {
    t = std::tan(Theta(m_phib, m_jrc, m_jcs, sigN) * criteria::kDegToRad);
    tau = sigN * t;
  }
  if (tau == 0.0) {
    // No shear strength: the circle is the point itself.
    *sig1 = *sig3 = sigN;
    return;
  }
  const double m = t - (1.0 + t * t) * m_jrc * kSlopeFactor;
  // m +- sqrt(1 + m^2), the smaller one as the reciprocal of the larger
  // so that neither loses its digits.
  const double s = std::hypot(1.0, m);
  double up;
  double down;
  if (m >= 0.0) {
    up = m + s;
    down = -1.0 / up;
  } else {
    down = m - s;
    up = -1.0 / down;
  }
  *sig1 = sigN + tau * up;
  *sig3 = sigN + tau * down;
}

void CBartonBandisCriterion::UncutCircle(double sigN, double* sig1, double* sig3) const {
  if (sigN >= kTauFloor) {
    TangentCircleAt(sigN, sig1, sig3);
  } else {
    *sig1 = *sig3 = sigN;
  }
}

void CBartonBandisCriterion::SearchDomain(double* lo, double* hi) const {
  *lo = 0.0;
  *hi = DBL_MAX;
  if (m_jrc > 0.0) {
    const double logJcs = std::log10(EffectiveJcs(m_jcs));
    *lo = std::max(0.0, Pow10(logJcs - (90.0 - m_phib) / m_jrc));
    *hi = Pow10(logJcs + (90.0 + m_phib) / m_jrc);
  }
}

// --- Envelope -------------------------------------------------------------

bool CBartonBandisCriterion::CalcTauAtSigN(double sigN, double* tau) const {
  if (tau == nullptr) return false;
  *tau = sigN >= kTauFloor ? TauUncut(m_phib, m_jrc, m_jcs, sigN) : 0.0;
  return true;
}

double CBartonBandisCriterion::GetTau(double sigN) const {
  if (!(sigN >= SigNMin(m_phib, m_jrc, m_jcs))) return 0.0;
  return TauUncut(m_phib, m_jrc, m_jcs, sigN);
}

double CBartonBandisCriterion::GetSig1FromShear(double sigN) const {
  double sig1;
  double sig3;
  UncutCircle(sigN, &sig1, &sig3);
  return sig1;
}

double CBartonBandisCriterion::GetSig3FromShear(double sigN) const {
  double sig1;
  double sig3;
  UncutCircle(sigN, &sig1, &sig3);
  return sig3;
}

double CBartonBandisCriterion::GetSig3AtSigN(double sigN) const {
  return GetSig3FromShear(sigN);
}

// Tangent point of the uncut curve whose circle has this sig3, by a search
// from [sig3 - 0.1, sig3 + 0.1] inside the search domain. For JRC >= 0 the
// circles' sig3 rises strictly with sigN there (1 + m^2 + tau tau'' > 0 for
// every friction angle), so the root is unique and Brent's method finds it;
// a negative JRC keeps the bisection.
double CBartonBandisCriterion::TangentPointBySearch(double sig3) const {
  double lo;
  double hi;
  SearchDomain(&lo, &hi);
  double x1 = sig3 - 0.1;
  double x2 = sig3 + 0.1;
  StartWithin(&x1, &x2, lo, hi);
  auto f = [this, sig3](double sigN) {
    double s1;
    double s3;
    UncutCircle(sigN, &s1, &s3);
    return s3 - sig3;
  };
  auto keep = [lo, hi](double from, double to) { return StepWithin(from, to, lo, hi); };
  double f1;
  double f2;
  WidenBracket(f, &x1, &x2, keep, &f1, &f2);
  if (m_jrc >= 0.0) return BrentBracket(f, x1, x2, f1, f2, 1e-15);
  return BisectBracket(f, x1, x2, f1, f2, 1e-15);
}

double CBartonBandisCriterion::TangentPoint(double sig3) const {
  TangentCache& c = m_tangentCache;
  if (!(c.valid && c.sig3 == sig3 && c.phib == m_phib && c.jrc == m_jrc && c.jcs == m_jcs)) {
    c.sigN = TangentPointBySearch(sig3);
    c.sig3 = sig3;
    c.phib = m_phib;
    c.jrc = m_jrc;
    c.jcs = m_jcs;
    c.valid = true;
  }
  return c.sigN;
}

double CBartonBandisCriterion::GetSig1(double sig3) const {
  // Below the shear floor the circle is the point at the origin.
  if (!(sig3 >= kTauFloor)) return 0.0;
  const double sigN = TangentPoint(sig3);
  if (!(sigN >= kTauFloor)) return 0.0;
  return GetSig1FromShear(sigN);
}

double CBartonBandisCriterion::GetSigNAtSig3(double sig3) const {
  if (!(sig3 >= kTauFloor)) return 0.0;
  const double sigNmin = SigNMin(m_phib, m_jrc, m_jcs);
  // With sig3 at or above sigNmin every normal stress below the cut lies
  // below sig3 too, so the cut envelope's only crossing is the uncut
  // tangent point (for JRC >= 0, where that one is unique).
  if (m_jrc >= 0.0 && sig3 >= sigNmin) return TangentPoint(sig3);
  // Below sigNmin the cut adds a step and a second crossing (sigN = sig3 on
  // the zero-strength part): bisection from [1e-4, 1] decides between them.
  double lo;
  double hi;
  SearchDomain(&lo, &hi);
  lo = 0.0;
  double x1 = 1e-4;
  double x2 = 1.0;
  StartWithin(&x1, &x2, lo, hi);
  auto f = [this, sig3, sigNmin](double sigN) {
    double s1;
    double s3 = sigN;
    if (sigN >= sigNmin) TangentCircleAt(sigN, &s1, &s3);
    return s3 - sig3;
  };
  auto keep = [lo, hi](double from, double to) { return StepWithin(from, to, lo, hi); };
  double f1;
  double f2;
  WidenBracket(f, &x1, &x2, keep, &f1, &f2);
  return BisectBracket(f, x1, x2, f1, f2, 1e-5);
}

double CBartonBandisCriterion::GetTauAtSig3(double sig3) const {
  if (!(sig3 >= kTauFloor)) return 0.0;
  return GetTau(GetSigNAtSig3(sig3));
}

double CBartonBandisCriterion::GetMinSig3() const {
  return 0.0;
}

double CBartonBandisCriterion::GetMinSigN() const {
  const double sigNmin = SigNMin(m_phib, m_jrc, m_jcs);
  return std::isfinite(sigNmin) ? sigNmin : m_signmax;
}

bool CBartonBandisCriterion::IsLinear() const {
  return false;
}
int CBartonBandisCriterion::GetCriterionType() const {
  return CRITERION_BARTON_BANDIS;
}
double CBartonBandisCriterion::GetUniaxialStrength() const {
  return 0.0;
}
double CBartonBandisCriterion::GetPrincipalSlopeAngle() const {
  return 0.0;
}

void CBartonBandisCriterion::GetParameters(double* phib, double* jrc, double* jcs) const {
  if (phib) *phib = m_phib;
  if (jrc) *jrc = m_jrc;
  if (jcs) *jcs = m_jcs;
}

void CBartonBandisCriterion::SetParameters(double phib, double jrc, double jcs) {
  m_phib = phib;
  m_jrc = jrc;
  m_jcs = jcs;
}

// --- Mohr-Coulomb lines -----------------------------------------------------

void CBartonBandisCriterion::GetInstantaneousMC(double sigN, double* c, double* phi) const {
  const double angle = std::atan(Slope(sigN));
  if (phi) *phi = angle;
  if (c) *c = GetTau(sigN) - sigN * std::tan(angle);
}

// The envelope varies with log10(sigN), so one rule over a wide range loses
// digits near its lower end. The range is cut into panels that halve
// towards a (at most 60; below b/2^60 the integrands are negligible), each
// integrated by the 10-point rule.
void CBartonBandisCriterion::CalcEquivalentMCIntegrals(double a, double b, double* j1,
                                                       double* j2) const {
  auto tau = [this](double s) { return TauUncut(m_phib, m_jrc, m_jcs, s); };
  auto sigNTau = [this](double s) { return s * TauUncut(m_phib, m_jrc, m_jcs, s); };
  double s1 = 0.0;
  double s2 = 0.0;
  double hi = b;
  if (a > 0.0) {
    for (int panel = 0; panel < 60 && 0.5 * hi > a; panel++) {
      const double lo = 0.5 * hi;
      s1 += GaussLegendre10(tau, lo, hi);
      s2 += GaussLegendre10(sigNTau, lo, hi);
      hi = lo;
    }
  }
  s1 += GaussLegendre10(tau, a, hi);
  s2 += GaussLegendre10(sigNTau, a, hi);
  *j1 = 2.0 * s1;
  *j2 = 2.0 * s2;
}

BOOL CBartonBandisCriterion::CalcEquivalentMC(double* c, double* phi) {
  const double a = GetMinSigN();
  const double b = GetSignMax();
  m_equiv.Clear();
  if (!(b > a) || !std::isfinite(a) || !std::isfinite(b)) return FALSE;
  double j1;
  double j2;
  CalcEquivalentMCIntegrals(a, b, &j1, &j2);
  const double l = b - a;
  const double l3 = l * l * l;
  const double cohesion = -(3.0 * j2 * (a + b) - 2.0 * j1 * (a * a + a * b + b * b)) / l3;
  const double tanPhi = -3.0 * ((a + b) * j1 - 2.0 * j2) / l3;
  if (!std::isfinite(cohesion) || !std::isfinite(tanPhi)) return FALSE;
  m_equiv.c = cohesion;
  m_equiv.phi = std::atan(tanPhi);
  if (c) *c = m_equiv.c;
  if (phi) *phi = m_equiv.phi * criteria::kRadToDeg;
  return TRUE;
}

double* CBartonBandisCriterion::GetEquivMCTau(double sigN, double* tau) const {
  return m_equiv.Tau(sigN, tau);
}

double CBartonBandisCriterion::GetEquivMCSig1(double sig3) const {
  return m_equiv.Sig1(sig3);
}

// --- Range and units --------------------------------------------------------

void CBartonBandisCriterion::SetEnvelopeRange(int application, double signmax, double gamma,
                                              double H) {
  m_gamma = gamma;
  m_H = H;
  m_application = application;
  double sig3 = 0.0;
  if (criteria::RangeSig3For(application, RangeLoad(), &sig3))
    m_signmax = GetSigNAtSig3(sig3);
  else if (application == APPLICATION_CUSTOM)
    m_signmax = signmax;
}

void CBartonBandisCriterion::GetEnvelopeRange(int* application, double* signmax, double* gamma,
                                              double* H) const {
  if (application) *application = m_application;
  if (signmax) *signmax = GetSignMax();
  if (gamma) *gamma = m_gamma;
  if (H) *H = m_H;
}

void CBartonBandisCriterion::SetApplication(int application) {
  m_application = application;
}

void CBartonBandisCriterion::UpdateSig3Max() {
  double sig3 = 0.0;
  if (!criteria::RangeSig3For(m_application, RangeLoad(), &sig3)) return;
  m_sig3max = sig3;
  m_signmax = GetSigNAtSig3(sig3);
}

BOOL CBartonBandisCriterion::SetUnits(int units) {
  const bool hasPoints = GetLabCount() > 0;
  if (!CStrengthCriterion::SetUnits(units)) return FALSE;
  if (hasPoints) return TRUE;
  m_jcs = kDefaultJcs[units];
  m_signmax = kDefaultSignMax[units];
  m_gamma = criteria::kDefaultGamma[units];
  m_H = criteria::kDefaultH[units];
  UpdateSig3Max();
  return TRUE;
}

// --- Residuals and fits -----------------------------------------------------

void CBartonBandisCriterion::CalcResiduals(int n, const double* x, const double* y) {
  SetResiduals(SumOfSquares70(m_phib, m_jrc, m_jcs, n, x, y));
}

BOOL CBartonBandisCriterion::RunSimplex(double phib, const double* x, const double* y, int n,
                                        double* jrc, double* jcs) const {
  const int units = criteria::UnitsIndex(GetUnits());
  CBartonBandisObjective objective(phib, x, y, n);
  CSimplexState simplex(2);
  for (int i = 0; i < 3; i++) {
    const double vertex[2] = {kStartJrc[i], kStartJcs[i][units]};
    simplex.SetVertex(i, vertex, objective);
  }
  const BOOL converged = simplex.Minimize(objective, 1e-20, 5000);
  *jrc = ClampJrc(simplex.p[0][0]);
  *jcs = ClampJcs(simplex.p[0][1]);
  return converged;
}

BOOL CBartonBandisCriterion::StoreJointFit(double phib, double fitJrc, double fitJcs,
                                           const std::vector<double>& x,
                                           const std::vector<double>& y, double* jrc, double* jcs,
                                           double* sumOfSquares) {
  fitJrc = ClampJrc(fitJrc);
  fitJcs = ClampJcs(fitJcs);
  const double sum = SumOfSquares70(phib, fitJrc, fitJcs, (int)x.size(), x.data(), y.data());
  if (!(sum >= 0.0)) return FALSE;  // no point obeys the 70-degree rule
  return StoreFit({{jrc, fitJrc}, {jcs, fitJcs}}, sum, sumOfSquares);
}

BOOL CBartonBandisCriterion::FitShearDataSimplex(double phib, double* jrc, double* jcs,
                                                 double* sumOfSquares) {
  if (jrc == nullptr || jcs == nullptr || sumOfSquares == nullptr) return FALSE;
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();
  double fitJrc;
  double fitJcs;
  if (!RunSimplex(phib, x.data(), y.data(), n, &fitJrc, &fitJcs)) return FALSE;
  return StoreJointFit(phib, fitJrc, fitJcs, x, y, jrc, jcs, sumOfSquares);
}

BOOL CBartonBandisCriterion::FitShearData(double phib, double* jrc, double* jcs,
                                          double* sumOfSquares) {
  if (jrc == nullptr || jcs == nullptr || sumOfSquares == nullptr) return FALSE;
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  // The simplex's best vertex seeds the iteration whether or not it met
  // its own tolerance.
  double a[2];
  RunSimplex(phib, x.data(), y.data(), n, &a[0], &a[1]);

  CBartonBandisLmModel model(phib);
  CLmFitState state(model, 2, x.data(), y.data(), n, LmSettings(10, 1000));
  if (!state.Run(a)) return FALSE;
  return StoreJointFit(phib, a[0], a[1], x, y, jrc, jcs, sumOfSquares);
}
