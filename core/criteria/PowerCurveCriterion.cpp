#include "core/criteria/PowerCurveCriterion.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/FitSolvers.h"
#include "core/criteria/RootFinding.h"

namespace {
// The slope a b u^(b-1) is formed with u at least this, so it stays finite
// at the vertex.
const double kMinSlopeU = 1e-20;
// Tangent points of the fits' triaxial residuals are solved this closely: a
// coarser search makes the sum of squares jitter by more than the iteration
// can tell from progress when the stresses are large.
const double kFitTangentTolerance = 1e-12;
// Tangent points of the envelope (and the report's) are solved to the last
// digits: GetSig1, GetSigNAtSig3 and GetTauAtSig3 share one search.
const double kTangentTolerance = 1e-15;

// Unit defaults, indexed by UnitsType.
const double kDefaultRange[UNITS_COUNT] = {10, 100, 100, 1, 200, 15, 2000, 10};
const double kDefaultPa[UNITS_COUNT] = {0.101, 101.3, 10.33, 0.0147, 2.116, 14.7, 2115.7, 1.058};

// Levenberg-Marquardt start d by units (a = 1, b = 0.7).
const double kLmStartD[UNITS_COUNT] = {0.5, 5.0, 5.0, 0.05, 5.0, 0.5, 20.0, 1.0};

// Simplex start vertices (a, d by units, b).
const double kStartA[4] = {1.0, 0.5, 0.5, 1.5};
const double kStartB[4] = {0.8, 0.6, 0.6, 0.6};
const double kStartD[4][UNITS_COUNT] = {{1.0, 1000, 100, 0.1, 20, 100, 20000, 10},
                                        {0.1, 100, 10, 0.01, 2, 10, 2000, 1.0},
                                        {1.0, 1000, 100, 0.1, 20, 100, 20000, 10},
                                        {0.75, 750, 75, 0.1, 15, 100, 15000, 10}};

// m + sqrt(1 + m^2) without cancellation for negative m.
double UpFactor(double m) {
  const double s = std::hypot(1.0, m);
  return m >= 0.0 ? m + s : 1.0 / (s - m);
}

// Grows [*x1, *x2] until f changes sign (WidenBracket), the lower end never
// below lo, and solves to tol: Brent's method where the tangent circles'
// sig3 and sig1 rise strictly with t (b >= 0.5: 1 + m^2 + tau tau'' =
// 1 + a^2 b (2b - 1) u^(2b - 2) > 0), so the root is unique, else bisection.
template <class F>
double SearchAbove(F f, double x1, double x2, double lo, double b, double tol) {
  auto keep = [lo](double, double to) { return std::max(lo, to); };
  double f1;
  double f2;
  WidenBracket(f, &x1, &x2, keep, &f1, &f2);
  if (b >= 0.5) return BrentBracket(f, x1, x2, f1, f2, tol);
  return BisectBracket(f, x1, x2, f1, f2, tol);
}

// Root of f in [x1, x2] as above, without widening.
template <class F>
double SolveWithin(F f, double x1, double x2, double b, double tol) {
  if (b >= 0.5) return BrentBracket(f, x1, x2, f(x1), f(x2), tol);
  return BisectBracket(f, x1, x2, f(x1), f(x2), tol);
}

double Sig3At(double a, double d, double b, double t) {
  double sig1;
  double sig3;
  CPowerCurveCriterion::TangentCircle(a, d, b, t, &sig1, &sig3);
  return sig3;
}

double Sig1At(double a, double d, double b, double t) {
  double sig1;
  double sig3;
  CPowerCurveCriterion::TangentCircle(a, d, b, t, &sig1, &sig3);
  return sig1;
}

// Normal stress t of the tangent point whose circle has sig3 = x: bracket
// from [1e-4, 1] (never below the vertex), then solved to tol.
double TangentPointSearch(double a, double d, double b, double x, double tol) {
  const double lo = 0.0 - d;
  if (!(x > lo)) return lo;
  double x1 = std::max(1e-4, lo);
  double x2 = 1.0;
  if (!(x2 > x1)) x2 = x1 + 1.0;
  auto f = [=](double t) { return Sig3At(a, d, b, t) - x; };
  return SearchAbove(f, x1, x2, lo, b, tol);
}

// Direct-shear fit model: the curve continued as an odd function below its
// vertex.
double ShearFitModel(double a, double d, double b, double x) {
  const double u = x + d;
  return u >= 0.0 ? a * std::pow(u, b) : -a * std::pow(-u, b);
}

// Triaxial fit model: sig1 of the circle that touches the curve and has
// the point's sig3 (the vertex itself for a sig3 at or below it).
double TriaxialFitModel(double a, double d, double b, double sig3) {
  return Sig1At(a, d, b, TangentPointSearch(a, d, b, sig3, kFitTangentTolerance));
}

// The tangent circle at t with the first and second derivatives of its
// sig1 and sig3 along t. False at the vertex or for values that are not
// finite.
struct TangentRates {
  double sig1;
  double sig3;
  double sig1T;
  double sig3T;
  double sig1TT;
  double sig3TT;
};

bool TangentCircleRates(double a, double d, double b, double t, TangentRates* r) {
  const double u = t + d;
  if (!(u > kMinSlopeU)) return false;
  const double tau = a * std::pow(u, b);
  if (tau == 0.0) return false;
  // tau' = m, m' = m (b - 1)/u, m'' = m' (b - 2)/u; s = sqrt(1 + m^2),
  // up = m + s and w = s - m = 1/up, so sig1 = t + tau up, sig3 = t - tau w,
  // up' = m' up/s, w' = -m' w/s. With q = tau m'/s:
  // sig1' = 1 + up (m + q), sig3' = 1 - w (m - q), and
  // q' = (m m' + tau m'')/s - q m m'/s^2.
  const double iu = 1.0 / u;
  const double m = b * tau * iu;
  const double mT = m * (b - 1.0) * iu;
  const double mTT = mT * (b - 2.0) * iu;
  // sqrt(1 + m^2) without hypot's care, which no slope of a fit needs.
  const double s = std::fabs(m) < 1e100 ? std::sqrt(1.0 + m * m) : std::fabs(m);
  const double is = 1.0 / s;
  const double up = m >= 0.0 ? m + s : 1.0 / (s - m);
  const double w = 1.0 / up;
  const double q = tau * mT * is;
  const double qT = (m * mT + tau * mTT) * is - q * m * mT * is * is;
  r->sig1 = t + tau * up;
  r->sig3 = t - tau * w;
  r->sig1T = 1.0 + up * (m + q);
  r->sig3T = 1.0 - w * (m - q);
  r->sig1TT = up * (mT * (m + q) * is + mT + qT);
  r->sig3TT = w * (mT * (m - q) * is - mT + qT);
  return std::isfinite(r->sig1) && std::isfinite(r->sig1T) && std::isfinite(r->sig3T) &&
         std::isfinite(r->sig1TT) && std::isfinite(r->sig3TT);
}

// Tangent points of a fit's triaxial points, one a point, carried from one
// evaluation of the fit to the next. The parameters move little between
// evaluations, so Newton's method from the last tangent point needs a step
// or two where the search from scratch takes dozens of evaluations; sig3
// rises strictly along t for b >= 0.5, so both find the one root, to the
// fits' tolerance. Anything else goes to the search.
class CWarmTangentPoints {
 public:
  explicit CWarmTangentPoints(int n) : m_t((size_t)std::max(n, 0), 0.0), m_known(m_t.size(), 0) {}

  // Tangent point of point i (sig3 = x) for (a, d, b); *sig1 receives the
  // sig1 of its circle.
  double Solve(int i, double a, double d, double b, double x, double* sig1) const {
    const bool slot = i >= 0 && i < (int)m_t.size();
    const double lo = 0.0 - d;
    if (slot && m_known[(size_t)i] && x > lo && b >= 0.5) {
      double t = m_t[(size_t)i];
      TangentRates r;
      for (int k = 0; k < 20 && t > lo && TangentCircleRates(a, d, b, t, &r); k++) {
        if (!(r.sig3T > 0.0)) break;
        const double dt = (x - r.sig3) / r.sig3T;
        double next = t + dt;
        if (!(next > lo)) next = 0.5 * (t + lo);
        // Newton leaves an error of about sig3'' dt^2 / (2 sig3'): done
        // when that (or the step itself) is below the tolerance, with the
        // step small beside the distance to the vertex so that the
        // quadratic estimate holds.
        const double tol = RootTolerance(kFitTangentTolerance, next);
        const double left = 0.5 * std::fabs(r.sig3TT / r.sig3T) * dt * dt;
        if (std::fabs(dt) <= tol || (std::fabs(dt) <= 1e-4 * (t - lo) && left <= 0.25 * tol)) {
          const double step = next - t;
          *sig1 = r.sig1 + (r.sig1T + 0.5 * r.sig1TT * step) * step;
          m_t[(size_t)i] = next;
          return next;
        }
        t = next;
      }
    }
    const double t = TangentPointSearch(a, d, b, x, kFitTangentTolerance);
    *sig1 = Sig1At(a, d, b, t);
    if (slot) {
      m_t[(size_t)i] = t;
      m_known[(size_t)i] = 1;
    }
    return t;
  }

 private:
  mutable std::vector<double> m_t;
  mutable std::vector<char> m_known;
};

class CPowerCurveShearLmModel : public CLmModel {
 public:
  BOOL Evaluate(double x, const double* p, double* yfit, double* dyda) const override {
    const double a = p[0];
    const double d = p[1];
    const double b = p[2];
    const double u = x + d;
    if (u >= 0.0) {
      const double uu = u == 0.0 ? 1e-10 : u;
      // Each power is worked out once: the iteration evaluates every point at every step.
      const double ub = std::pow(uu, b);
      *yfit = a * (u == 0.0 ? std::pow(u, b) : ub);
      dyda[0] = ub;
      dyda[1] = a * b * std::pow(uu, b - 1.0);
      dyda[2] = a * ub * std::log(uu);
    } else {
      const double v = -u;
      const double vb = std::pow(v, b);
      *yfit = -a * vb;
      dyda[0] = -vb;
      dyda[1] = a * b * std::pow(v, b - 1.0);
      dyda[2] = -a * vb * std::log(v);
    }
    return TRUE;
  }

  void MakeTrial(const double* p, const double* dp, double* trial) const override {
    HoldInBounds(p, dp, trial);
  }

  // Steps past a bound go half way to it: a >= 1e-6, d >= 0, 0.5 <= b <= 1.
  static void HoldInBounds(const double* p, const double* dp, double* trial) {
    double da = dp[0];
    double dd = dp[1];
    double db = dp[2];
    if (p[0] + da < 1e-6) da = (1e-6 - p[0]) / 2.0;
    if (p[1] + dd < 0.0) dd = -p[1] / 2.0;
    if (p[2] + db < 0.5)
      db = (0.5 - p[2]) / 2.0;
    else if (p[2] + db > 1.0)
      db = (1.0 - p[2]) / 2.0;
    trial[0] = p[0] + da;
    trial[1] = p[1] + dd;
    trial[2] = p[2] + db;
  }
};

// Triaxial model: sig1 of the tangent circle at the point's sig3. The
// tangent point moves with the parameters (sig3 stays the point's own), so
// each derivative adds d sig1/dt times dt/dp from sig3(t, p) = const;
// holding t fixed instead stalls the iteration far from the fit when the
// stresses are large (kPa, psf).
class CPowerCurveTriaxialLmModel : public CLmModel {
 public:
  explicit CPowerCurveTriaxialLmModel(int n) : m_warm(n) {}

  BOOL Evaluate(double sig3, const double* p, double* yfit, double* dyda) const override {
    return AtTangentPoint(TangentPointSearch(p[0], p[1], p[2], sig3, kFitTangentTolerance), p, yfit,
                          dyda);
  }

  BOOL EvaluatePoint(int i, double sig3, const double* p, double* yfit,
                     double* dyda) const override {
    double sig1;
    return AtTangentPoint(m_warm.Solve(i, p[0], p[1], p[2], sig3, &sig1), p, yfit, dyda);
  }

  void MakeTrial(const double* p, const double* dp, double* trial) const override {
    CPowerCurveShearLmModel::HoldInBounds(p, dp, trial);
  }

 private:
  static BOOL AtTangentPoint(double t, const double* p, double* yfit, double* dyda) {
    const double a = p[0];
    const double d = p[1];
    const double b = p[2];
    const double u = t + d;
    if (!(u > 0.0)) {
      // A sig3 at or below the vertex: the circle is the vertex, sig1 = -d.
      *yfit = t;
      dyda[0] = dyda[2] = 0.0;
      dyda[1] = -1.0;
      return TRUE;
    }
    // tau and slope m at t, and their partial derivatives by a, d, b; each power, logarithm
    // and root once (every point at every step comes here).
    const double ub = std::pow(u, b);
    const double ub1 = std::pow(u, b - 1.0);
    const double lu = std::log(u);
    const double tau = a * ub;
    const double m = a * b * ub1;
    double tauP[3], mP[3];
    tauP[0] = ub;
    mP[0] = b * ub1;
    mP[1] = a * b * (b - 1.0) * std::pow(u, b - 2.0);
    tauP[2] = tau * lu;
    mP[2] = m * (1.0 / b + lu);
    tauP[1] = m;
    const double s = std::hypot(1.0, m);
    const double up = m >= 0.0 ? m + s : 1.0 / (s - m);  // UpFactor(m) with this s
    *yfit = t + tau * up;
    // sig1 = t + tau up and sig3 = t - tau / up, up = m + s; u = t + d, so
    // the derivatives by t are those by d.
    const double sig1T = 1.0 + up * (tauP[1] + tau * mP[1] / s);
    const double sig3T = 1.0 - (tauP[1] - tau * mP[1] / s) / up;
    for (int j = 0; j < 3; j++) {
      const double sig1P = up * (tauP[j] + tau * mP[j] / s);
      const double sig3P = -(tauP[j] - tau * mP[j] / s) / up;
      const double tP = sig3T != 0.0 ? -sig3P / sig3T : 0.0;
      dyda[j] = sig1P + sig1T * tP;
    }
    return TRUE;
  }

  CWarmTangentPoints m_warm;
};

class CPowerCurveObjective : public CSimplexObjective {
 public:
  CPowerCurveObjective(int dataType, const double* x, const double* y, int n)
      : m_dataType(dataType), m_x(x), m_y(y), m_n(n), m_warm(dataType == DATA_TRIAXIAL ? n : 0) {}

  // FitSumOfSquares, with the triaxial tangent points carried over.
  double Evaluate(const double* p) const override {
    if (m_dataType != DATA_TRIAXIAL)
      return CPowerCurveCriterion::FitSumOfSquares(m_dataType, p[0], p[1], p[2], m_n, m_x, m_y);
    double sum = 0.0;
    for (int i = 0; i < m_n; i++) {
      double sig1;
      m_warm.Solve(i, p[0], p[1], p[2], m_x[i], &sig1);
      const double r = m_y[i] - sig1;
      sum += r * r;
    }
    return sum;
  }

  // Clamped, not halved: a >= 1e-6, d >= 0, 0.5 <= b <= 1.
  void ApplyTrialRule(double* p) const override {
    if (p[0] < 1e-6) p[0] = 1e-6;
    if (p[1] < 0.0) p[1] = 0.0;
    if (p[2] < 0.5)
      p[2] = 0.5;
    else if (p[2] > 1.0)
      p[2] = 1.0;
  }

 private:
  int m_dataType;
  const double* m_x;
  const double* m_y;
  int m_n;
  CWarmTangentPoints m_warm;
};
}  // namespace

// --- Construction ---------------------------------------------------------

CPowerCurveCriterion::CPowerCurveCriterion() : m_d(0.0), m_a(1.0), m_b(0.7), m_pa(0.101) {
  m_sig3max = 10.0;
  m_signmax = 10.0;
  SetDataType(DATA_TRIAXIAL);
  SetParameters(1.0, 0.0, 0.7);
  SetEnvelopeRange(APPLICATION_TUNNELS, 10.0, 0.026, 50.0);
}

CPowerCurveCriterion::~CPowerCurveCriterion() {}

// --- Curve arithmetic -------------------------------------------------------

void CPowerCurveCriterion::TangentCircle(double a, double d, double b, double t, double* sig1,
                                         double* sig3) {
  const double u = t + d;
  const double tau = u > 0.0 ? a * std::pow(u, b) : 0.0;
  if (tau == 0.0) {
    // No shear strength: the circle is the point itself.
    *sig1 = *sig3 = t;
    return;
  }
  const double m = a * b * std::pow(std::max(u, kMinSlopeU), b - 1.0);
  const double up = UpFactor(m);
  // m - sqrt(1 + m^2) = -1 / (m + sqrt(1 + m^2))
  *sig1 = t + tau * up;
  *sig3 = t - tau / up;
}

double CPowerCurveCriterion::ClosestCurvePoint(double a, double d, double b, double x) {
  return TangentPointSearch(a, d, b, x, kTangentTolerance);
}

double CPowerCurveCriterion::FitSumOfSquares(int dataType, double a, double d, double b, int n,
                                             const double* x, const double* y) {
  if (n <= 0 || x == nullptr || y == nullptr) return 0.0;
  double sum = 0.0;
  for (int i = 0; i < n; i++) {
    const double model =
        dataType == DATA_TRIAXIAL ? TriaxialFitModel(a, d, b, x[i]) : ShearFitModel(a, d, b, x[i]);
    const double r = y[i] - model;
    sum += r * r;
  }
  return sum;
}

// --- Envelope -------------------------------------------------------------

bool CPowerCurveCriterion::CalcTauAtSigN(double sigN, double* tau) const {
  const double u = sigN + m_d;
  if (tau == nullptr || !(u >= 0.0)) return false;
  *tau = m_a * std::pow(u, m_b);
  return true;
}

double CPowerCurveCriterion::GetTau(double sigN) const {
  const double u = sigN + m_d;
  return u > 0.0 ? m_a * std::pow(u, m_b) : 0.0;
}

double CPowerCurveCriterion::GetSig1FromShear(double sigN) const {
  return Sig1At(m_a, m_d, m_b, sigN);
}
double CPowerCurveCriterion::GetSig3FromShear(double sigN) const {
  return Sig3At(m_a, m_d, m_b, sigN);
}
double CPowerCurveCriterion::GetSig3AtSigN(double sigN) const {
  return Sig3At(m_a, m_d, m_b, sigN);
}

double CPowerCurveCriterion::TangentPoint(double sig3) const {
  TangentCache& c = m_tangentCache;
  if (!(c.valid && c.sig3 == sig3 && c.a == m_a && c.d == m_d && c.b == m_b)) {
    c.t = ClosestCurvePoint(m_a, m_d, m_b, sig3);
    c.sig3 = sig3;
    c.a = m_a;
    c.d = m_d;
    c.b = m_b;
    c.valid = true;
  }
  return c.t;
}

double CPowerCurveCriterion::GetSigNAtSig3(double sig3) const {
  const double lo = 0.0 - m_d;
  if (!(sig3 > lo)) return lo;
  // With a unique tangent point (b >= 0.5) every search finds the same one.
  if (m_b >= 0.5) return TangentPoint(sig3);
  if (sig3 < 0.0) {
    auto f = [this, sig3](double t) { return Sig3At(m_a, m_d, m_b, t) - sig3; };
    double s1;
    double s2;
    if (ScanForSignChange(f, lo, 0.0, 10, &s1, &s2)) return SolveWithin(f, s1, s2, m_b, 1e-5);
  }
  return ClosestCurvePoint(m_a, m_d, m_b, sig3);
}

double CPowerCurveCriterion::GetTauAtSig3(double sig3) const {
  return GetTau(GetSigNAtSig3(sig3));
}

// sig1 at the tangent point t; the envelope of a curve through the origin
// starts at sig1 = 0.
double CPowerCurveCriterion::Sig1AtTangent(double t) const {
  const double lo = 0.0 - m_d;
  if (t - lo < 1e-5 && GetMinSig3() == lo) return 0.0;
  return Sig1At(m_a, m_d, m_b, t);
}

double CPowerCurveCriterion::GetSig1(double sig3) const {
  const double lo = 0.0 - m_d;
  if (!(sig3 - lo > 1e-4)) return lo;
  if (m_b >= 0.5) return Sig1AtTangent(TangentPoint(sig3));
  const double x1 = std::max(lo, sig3 - 1e-4);
  const double x2 = sig3 + 1e-4;
  auto f = [this, sig3](double t) { return Sig3At(m_a, m_d, m_b, t) - sig3; };
  return Sig1AtTangent(SearchAbove(f, x1, x2, lo, m_b, kTangentTolerance));
}

double CPowerCurveCriterion::GetUniaxialStrength() const {
  if (!(m_d > 1e-4)) return 0.0;
  auto f = [this](double t) { return Sig3At(m_a, m_d, m_b, t); };
  return Sig1AtTangent(SearchAbove(f, 0.0, m_d, 0.0 - m_d, m_b, kTangentTolerance));
}

double CPowerCurveCriterion::GetMinSig3() const {
  if (!(m_d > 1e-7)) return 0.0;
  const double lo = 0.0 - m_d;
  auto f = [this](double t) { return Sig1At(m_a, m_d, m_b, t); };
  const double t = SolveWithin(f, 0.0, lo, m_b, kTangentTolerance);
  if (t <= lo) return lo;
  return Sig3At(m_a, m_d, m_b, t);
}

double CPowerCurveCriterion::GetMinSigN() const {
  return 0.0 - m_d;
}
bool CPowerCurveCriterion::IsLinear() const {
  return false;
}
int CPowerCurveCriterion::GetCriterionType() const {
  return CRITERION_POWER_CURVE;
}
double CPowerCurveCriterion::GetPrincipalSlopeAngle() const {
  return 0.0;
}

double CPowerCurveCriterion::GetAtmosphericPressure() const {
  return m_pa;
}
void CPowerCurveCriterion::SetAtmosphericPressure(double pa) {
  m_pa = pa;
}

void CPowerCurveCriterion::GetParameters(double* a, double* d, double* b) const {
  if (a) *a = m_a;
  if (d) *d = m_d;
  if (b) *b = m_b;
}

void CPowerCurveCriterion::SetParameters(double a, double d, double b) {
  m_a = a;
  m_d = d;
  m_b = b;
}

// --- Mohr-Coulomb lines -----------------------------------------------------

void CPowerCurveCriterion::GetInstantaneousMC(double sigN, double* c, double* phi) const {
  const double u = std::max(sigN + m_d, kMinSlopeU);
  const double angle = std::atan(m_a * m_b * std::pow(u, m_b - 1.0));
  if (phi) *phi = angle;
  if (c) *c = GetTau(sigN) - sigN * std::tan(angle);
}

BOOL CPowerCurveCriterion::CalcEquivalentMC(double* c, double* phiDegrees) {
  const double x0 = 0.0 - m_d;
  const double x1 =
      GetDataType(nullptr) == DATA_TRIAXIAL ? GetSigNAtSig3(GetSig3Max()) : GetSignMax();
  m_equiv.Clear();
  const double l = x1 - x0;
  if (!(l > 0.0) || !std::isfinite(l)) return FALSE;
  // Closed-form integrals of tau and sigN tau over [x0, x1].
  const double u = std::max(x1 + m_d, 0.0);
  const double ub1 = std::pow(u, m_b + 1.0);
  const double f0 = m_a * ub1 / (m_b + 1.0);
  const double f1 = m_a * ub1 * ((m_b + 1.0) * x1 - m_d) / ((m_b + 1.0) * (m_b + 2.0));
  const double l3 = l * l * l;
  const double tanPhi = (12.0 * f1 - 6.0 * (x1 + x0) * f0) / l3;
  const double cohesion = (4.0 * (x1 * x1 + x1 * x0 + x0 * x0) * f0 - 6.0 * (x1 + x0) * f1) / l3;
  if (!std::isfinite(tanPhi) || !std::isfinite(cohesion)) return FALSE;
  m_equiv.c = cohesion;
  m_equiv.phi = std::atan(tanPhi);
  if (c) *c = m_equiv.c;
  if (phiDegrees) *phiDegrees = m_equiv.phi * 180.0 / criteria::kPi;
  return TRUE;
}

double* CPowerCurveCriterion::GetEquivMCTau(double sigN, double* tau) const {
  return m_equiv.Tau(sigN, tau);
}

double CPowerCurveCriterion::GetEquivMCSig1(double sig3) const {
  return m_equiv.Sig1(sig3);
}

// --- Range and units --------------------------------------------------------

void CPowerCurveCriterion::SetEnvelopeRange(int application, double range, double gamma, double H) {
  m_gamma = gamma;
  m_H = H;
  m_application = application;
  double sig3 = 0.0;
  const bool computed = criteria::RangeSig3For(application, RangeLoad(), &sig3);
  if (!computed && application != APPLICATION_CUSTOM) return;
  if (GetDataType(nullptr) == DATA_TRIAXIAL)
    m_sig3max = computed ? sig3 : range;
  else
    m_signmax = computed ? GetSigNAtSig3(sig3) : range;
}

void CPowerCurveCriterion::GetEnvelopeRange(int* application, double* range, double* gamma,
                                            double* H) const {
  if (application) *application = m_application;
  if (range) *range = GetDataType(nullptr) == DATA_TRIAXIAL ? m_sig3max : m_signmax;
  if (gamma) *gamma = m_gamma;
  if (H) *H = m_H;
}

void CPowerCurveCriterion::UpdateSig3Max() {
  double sig3 = 0.0;
  if (!criteria::RangeSig3For(m_application, RangeLoad(), &sig3)) return;
  m_sig3max = sig3;
  m_signmax = GetSigNAtSig3(sig3);
}

BOOL CPowerCurveCriterion::SetUnits(int units) {
  const bool hasPoints = GetLabCount() > 0;
  if (!CStrengthCriterion::SetUnits(units)) return FALSE;
  m_pa = kDefaultPa[units];
  if (hasPoints) return TRUE;
  m_d = 0.0;
  m_sig3max = m_signmax = kDefaultRange[units];
  m_gamma = criteria::kDefaultGamma[units];
  m_H = criteria::kDefaultH[units];
  UpdateSig3Max();
  return TRUE;
}

// --- Residuals and fits -----------------------------------------------------

void CPowerCurveCriterion::CalcResiduals(int n, const double* x, const double* y) {
  double sum = 0.0;
  if (n > 0 && x != nullptr && y != nullptr) {
    const bool triaxial = GetDataType(nullptr) == DATA_TRIAXIAL;
    for (int i = 0; i < n; i++) {
      double model;
      if (triaxial) {
        const double t = TangentPointSearch(m_a, m_d, m_b, x[i], kFitTangentTolerance);
        const double u = std::max(t + m_d, 1e-6);
        const double m = m_a * m_b * std::pow(u, m_b - 1.0);
        model = t + m_a * std::pow(u, m_b) * UpFactor(m);
      } else {
        const double u = x[i] + m_d;
        if (u < 0.0) continue;
        model = m_a * std::pow(u, m_b);
      }
      const double r = y[i] - model;
      sum += r * r;
    }
  }
  SetResiduals(sum);
}

BOOL CPowerCurveCriterion::FitLM(bool triaxial, double* a, double* d, double* b,
                                 double* sumOfSquares) {
  if (!a || !d || !b || !sumOfSquares) return FALSE;
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  CPowerCurveShearLmModel shear;
  CPowerCurveTriaxialLmModel triax(n);
  CLmFitState state(triaxial ? (const CLmModel&)triax : (const CLmModel&)shear, 3, x.data(),
                    y.data(), n, LmSettings(triaxial ? 20 : 200, 10000));
  double p[3] = {1.0, kLmStartD[criteria::UnitsIndex(GetUnits())], 0.7};
  if (!state.Run(p)) return FALSE;
  // The shear iteration may end with b below 0.5 and keeps it.
  return StoreCurveFit(triaxial, p, triaxial, x, y, a, d, b, sumOfSquares);
}

BOOL CPowerCurveCriterion::FitSimplex(bool triaxial, double* a, double* d, double* b,
                                      double* sumOfSquares) {
  if (!a || !d || !b || !sumOfSquares) return FALSE;
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  const int dataType = triaxial ? DATA_TRIAXIAL : DATA_DIRECT_SHEAR;
  const int units = criteria::UnitsIndex(GetUnits());
  CPowerCurveObjective objective(dataType, x.data(), y.data(), n);
  CSimplexState simplex(3);
  for (int i = 0; i < 4; i++) {
    const double vertex[3] = {kStartA[i], kStartD[i][units], kStartB[i]};
    simplex.SetVertex(i, vertex, objective);
  }
  if (!simplex.Minimize(objective, 1e-20, 5000)) return FALSE;
  return StoreCurveFit(triaxial, simplex.p[0], true, x, y, a, d, b, sumOfSquares);
}

BOOL CPowerCurveCriterion::StoreCurveFit(bool triaxial, const double* p, bool floorB,
                                         const std::vector<double>& x, const std::vector<double>& y,
                                         double* a, double* d, double* b, double* sumOfSquares) {
  const double fa = p[0] <= 0.0 ? 1e-8 : p[0];
  const double fd = p[1] <= 0.0 ? 0.0 : p[1];
  double fb = p[2] > 1.0 ? 0.999999 : p[2];
  if (floorB && fb < 0.5) fb = 0.5;
  const double sum = FitSumOfSquares(triaxial ? DATA_TRIAXIAL : DATA_DIRECT_SHEAR, fa, fd, fb,
                                     (int)x.size(), x.data(), y.data());
  return StoreFit({{a, fa}, {d, fd}, {b, fb}}, sum, sumOfSquares);
}

BOOL CPowerCurveCriterion::FitTriaxialDataLM(double* a, double* d, double* b,
                                             double* sumOfSquares) {
  return FitLM(true, a, d, b, sumOfSquares);
}

BOOL CPowerCurveCriterion::FitShearDataLM(double* a, double* d, double* b, double* sumOfSquares) {
  return FitLM(false, a, d, b, sumOfSquares);
}

BOOL CPowerCurveCriterion::FitTriaxialDataSimplex(double* a, double* d, double* b,
                                                  double* sumOfSquares) {
  return FitSimplex(true, a, d, b, sumOfSquares);
}

BOOL CPowerCurveCriterion::FitShearDataSimplex(double* a, double* d, double* b,
                                               double* sumOfSquares) {
  return FitSimplex(false, a, d, b, sumOfSquares);
}
