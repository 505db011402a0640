// Hoek-Brown fits: sigci and mi from lab data (intact model), mi and GSI
// from rock-mass data (generalised model, sigci and D held).
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/FitSolvers.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"

namespace {
const double kMinSigci = 1e-6;
const double kMiLow = 1.0;
const double kMiHigh = 50.0;
const double kGsiLow = 5.0;
const double kGsiHigh = 100.0;
// Start coefficient g of the linear fit (sigci = g, mi = 10), by units.
const double kLinearStart[UNITS_COUNT] = {50.0, 50000.0, 5000.0, 50.0, 500.0, 7000.0, 1e6, 500.0};

// A step past a bound goes half-way from the current value to it.
double HalfwayTrial(double a, double da, double low, double high) {
  const double trial = a + da;
  if (trial < low) return a + (low - a) / 2.0;
  if (trial > high) return a + (high - a) / 2.0;
  return trial;
}

double Clamp(double v, double low, double high) {
  return std::min(std::max(v, low), high);
}

class CLabLmModel : public CLmModel {
 public:
  BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const override {
    CHoekBrownCriterion::LabModelDerivs(x, a, yfit, dyda);
    return TRUE;
  }
  void MakeTrial(const double* a, const double* da, double* trial) const override {
    trial[0] = HalfwayTrial(a[0], da[0], kMiLow, kMiHigh);
    trial[1] = a[1] + da[1];
    if (trial[1] < kMinSigci) trial[1] = a[1] + (kMinSigci - a[1]) / 2.0;
  }
};

class CRockMassLmModel : public CLmModel {
 public:
  CRockMassLmModel(double sigci, double D) : m_sigci(sigci), m_D(D) {}
  BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const override {
    CHoekBrownCriterion::RockMassModelDerivs(x, a, m_sigci, m_D, yfit, dyda);
    return TRUE;
  }
  void MakeTrial(const double* a, const double* da, double* trial) const override {
    trial[0] = HalfwayTrial(a[0], da[0], kMiLow, kMiHigh);
    trial[1] = HalfwayTrial(a[1], da[1], kGsiLow, kGsiHigh);
  }

 private:
  double m_sigci;
  double m_D;
};

class CLabObjective : public CSimplexObjective {
 public:
  CLabObjective(const std::vector<double>& x, const std::vector<double>& y) : m_x(x), m_y(y) {}
  double Evaluate(const double* p) const override {
    return CHoekBrownCriterion::LabSimplexObjective(p, m_x.data(), m_y.data(), (int)m_x.size());
  }
  void ApplyTrialRule(double* p) const override { CHoekBrownCriterion::LabSimplexTrial(p); }

 private:
  const std::vector<double>& m_x;
  const std::vector<double>& m_y;
};

class CRockMassObjective : public CSimplexObjective {
 public:
  CRockMassObjective(const std::vector<double>& x, const std::vector<double>& y, double sigci,
                     double D)
      : m_x(x), m_y(y), m_sigci(sigci), m_D(D) {}
  double Evaluate(const double* p) const override {
    return CHoekBrownCriterion::RockMassSimplexObjective(p, m_x.data(), m_y.data(), (int)m_x.size(),
                                                         m_sigci, m_D);
  }
  void ApplyTrialRule(double* p) const override { CHoekBrownCriterion::RockMassSimplexTrial(p); }

 private:
  const std::vector<double>& m_x;
  const std::vector<double>& m_y;
  double m_sigci;
  double m_D;
};

// Runs the simplex from the three start vertices. The lab fit's start
// vertices lie on one line, and any simplex can flatten into a line and stop
// on equal values away from the minimum; so a converged run is restarted
// from its best vertex with a fresh triangle (20 % steps along each
// parameter) while that still lowers the objective. TRUE when the first run
// converged; best receives the best vertex found.
BOOL RunSimplexWithRestarts(const CSimplexObjective& f, const double start[3][2], double best[2]) {
  CSimplexState simplex(2);
  for (int i = 0; i < 3; i++) simplex.SetVertex(i, start[i], f);
  const BOOL converged = simplex.Minimize(f, 1e-20, 5000);
  best[0] = simplex.p[0][0];
  best[1] = simplex.p[0][1];
  double bestValue = simplex.y[0];
  if (!converged) return FALSE;
  for (int restart = 0; restart < 3; restart++) {
    double v[3][2] = {{best[0], best[1]}, {best[0], best[1]}, {best[0], best[1]}};
    for (int j = 0; j < 2; j++) {
      double* w = v[j + 1];
      w[j] = best[j] * 1.2;
      f.ApplyTrialRule(w);
      if (w[j] == best[j]) {
        w[j] = best[j] * 0.8;
        f.ApplyTrialRule(w);
      }
    }
    CSimplexState again(2);
    for (int i = 0; i < 3; i++) again.SetVertex(i, v[i], f);
    again.Minimize(f, 1e-20, 5000);
    if (!(again.y[0] < bestValue)) break;
    bestValue = again.y[0];
    best[0] = again.p[0][0];
    best[1] = again.p[0][1];
  }
  return TRUE;
}
}  // namespace

// --- Model functions ---------------------------------------------------------

void CHoekBrownCriterion::LabModelDerivs(double x, const double* p, double* y, double* dyda) {
  const double mi = p[0];
  const double sigci = p[1];
  const double t = mi * x / sigci + 1.0;
  if (t >= 0.0) {
    const double r = t == 0.0 ? std::sqrt(1e-10) : std::sqrt(t);
    *y = x + sigci * std::sqrt(t);
    dyda[0] = x / (2.0 * r);
    dyda[1] = (mi * x + 2.0 * sigci) / (2.0 * sigci * r);
  } else {
    // Below the intact tensile strength: the curve's mirror image.
    const double r = std::sqrt(std::max(-t, 1e-10));
    *y = x - sigci * std::sqrt(-t);
    dyda[0] = x / (2.0 * r);
    dyda[1] = -r - mi * x / (2.0 * sigci * r);
  }
}

void CHoekBrownCriterion::RockMassModelDerivs(double x, const double* p, double sigci, double D,
                                              double* y, double* dyda) {
  const double mi = p[0];
  const double GSI = p[1];
  const double k1 = 28.0 - 14.0 * D;
  const double k2 = 9.0 - 3.0 * D;
  const double e1 = std::exp((GSI - 100.0) / k1);
  const double mb = mi * e1;
  const double s = std::exp((GSI - 100.0) / k2);
  const double a = 0.5 + (std::exp(-GSI / 15.0) - std::exp(-20.0 / 3.0)) / 6.0;
  const double q = mb * x / sigci;
  const double t = q + s;
  const double dadGsi = std::exp(-GSI / 15.0) / 90.0;
  if (t >= 0.0) {
    const double u = t == 0.0 ? 1e-10 : t;
    const double ua = std::pow(u, a);
    *y = x + sigci * std::pow(t, a);
    dyda[0] = a * std::pow(u, a - 1.0) * e1 * x;
    dyda[1] = sigci * ua * (a * (q / k1 + s / k2) / u - dadGsi * std::log(u));
  } else {
    const double u = -t < 1e-10 ? 1e-10 : -t;
    const double ua = std::pow(u, a);
    *y = x - sigci * std::pow(-t, a);
    dyda[0] = a * std::pow(u, a - 1.0) * e1 * x;
    dyda[1] = sigci * ua * (a * (q / k1 + s / k2) / u + dadGsi * std::log(u));
  }
}

double CHoekBrownCriterion::LabSimplexObjective(const double* p, const double* x, const double* y,
                                                int n) {
  // The model of LabModelDerivs, value only.
  const double mi = p[0];
  const double sigci = p[1];
  double sum = 0.0;
  for (int i = 0; i < n; i++) {
    const double t = mi * x[i] / sigci + 1.0;
    const double model = t >= 0.0 ? x[i] + sigci * std::sqrt(t) : x[i] - sigci * std::sqrt(-t);
    sum += (y[i] - model) * (y[i] - model);
  }
  return sum;
}

double CHoekBrownCriterion::RockMassSimplexObjective(const double* p, const double* x,
                                                     const double* y, int n, double sigci,
                                                     double D) {
  // The model of RockMassModelDerivs, value only, constants formed once.
  double mb, s, a;
  RockMassConstants(p[0], p[1], D, &mb, &s, &a);
  double sum = 0.0;
  for (int i = 0; i < n; i++) {
    const double t = mb * x[i] / sigci + s;
    const double model = t >= 0.0 ? x[i] + sigci * std::pow(t, a) : x[i] - sigci * std::pow(-t, a);
    sum += (y[i] - model) * (y[i] - model);
  }
  return sum;
}

void CHoekBrownCriterion::LabSimplexTrial(double* p) {
  // The overshoot is halved, not removed.
  if (p[0] > kMiHigh)
    p[0] = (p[0] + kMiHigh) / 2.0;
  else if (p[0] < kMiLow)
    p[0] = (p[0] + kMiLow) / 2.0;
  if (p[1] < kMinSigci) p[1] = (p[1] + kMinSigci) / 2.0;
}

void CHoekBrownCriterion::RockMassSimplexTrial(double* p) {
  p[0] = Clamp(p[0], kMiLow, kMiHigh);
  p[1] = Clamp(p[1], kGsiLow, kGsiHigh);
}

// --- Start values ----------------------------------------------------------

double CHoekBrownCriterion::LabStartSigci() const {
  const int n = GetLabCount();
  std::vector<double> x((size_t)std::max(n, 0));
  std::vector<double> y((size_t)std::max(n, 0));
  GetLabData(x.data(), y.data());

  CMohrCoulombCriterion mc;
  mc.SetLabData(n, x.data(), y.data());
  double c = 0.0;
  double phi = 0.0;
  double sigt = 0.0;
  double sum = 0.0;
  if (mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum)) {
    mc.SetParameters(c, phi, sigt);
    const double U = mc.GetUniaxialStrength();
    if (std::isfinite(U) && U > 0.0) return U;
  }
  // No usable Mohr-Coulomb line: the mean deviator stress of the points
  // (sig1 - sig3 >= sigci at sig3 >= 0), else the unit system's default.
  double total = 0.0;
  int used = 0;
  for (int i = 0; i < n; i++) {
    const double dev = y[(size_t)i] - x[(size_t)i];
    if (std::isfinite(dev) && dev > 0.0) {
      total += dev;
      used++;
    }
  }
  if (used > 0 && std::isfinite(total / used) && total / used > 0.0) return total / used;
  const int units = GetUnits();
  return kLinearStart[criteria::UnitsIndex(units)];
}

// --- Lab fits ----------------------------------------------------------------

BOOL CHoekBrownCriterion::StoreLabFit(double miFit, double sigciFit, const std::vector<double>& x,
                                      const std::vector<double>& y, double* mi, double* sigci,
                                      double* residuals) {
  const double p[2] = {miFit, sigciFit};
  return StoreFit({{mi, miFit}, {sigci, sigciFit}},
                  LabSimplexObjective(p, x.data(), y.data(), (int)x.size()), residuals);
}

BOOL CHoekBrownCriterion::FitLabDataLM(double* mi, double* sigci, double* residuals) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  double a[2] = {10.0, LabStartSigci()};
  CLabLmModel model;
  CLmFitState state(model, 2, x.data(), y.data(), n, LmSettings(10, 10000));
  if (!state.Run(a)) return FALSE;

  const double miFit = Clamp(a[0], kMiLow, kMiHigh);
  const double sigciFit = a[1] > 0.0 ? a[1] : kMinSigci;
  return StoreLabFit(miFit, sigciFit, x, y, mi, sigci, residuals);
}

BOOL CHoekBrownCriterion::FitLabDataSimplex(double* mi, double* sigci, double* residuals) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;

  const double U = LabStartSigci();
  CLabObjective objective(x, y);
  const double start[3][2] = {{10.0, U}, {15.0, 1.5 * U}, {5.0, 0.5 * U}};
  double best[2];
  if (!RunSimplexWithRestarts(objective, start, best)) return FALSE;

  const double miFit = Clamp(best[0], kMiLow, kMiHigh);
  const double sigciFit = best[1] > 0.0 ? best[1] : kMinSigci;  // also when not a number
  return StoreLabFit(miFit, sigciFit, x, y, mi, sigci, residuals);
}

BOOL CHoekBrownCriterion::FitLabDataLinear(double* mi, double* sigci, double* residuals) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  // (sig1 - sig3)^2 = sigci^2 + mi sigci sig3: A = sigci^2, B = mi sigci.
  std::vector<double> b((size_t)n);
  for (int i = 0; i < n; i++)
    b[(size_t)i] = (y[(size_t)i] - x[(size_t)i]) * (y[(size_t)i] - x[(size_t)i]);
  const int units = GetUnits();
  const double g = kLinearStart[criteria::UnitsIndex(units)];
  double coef[2] = {g * g, 10.0 * g};
  if (!SvdFit(x.data(), b.data(), n, coef)) return FALSE;

  double A = coef[0];
  const double B = coef[1];
  if (!(A > 0.0)) A = 1e-6;
  if (A < (0.02 * B) * (0.02 * B)) A = (0.02 * B) * (0.02 * B);
  const double sigciFit = std::sqrt(A);
  const double miFit = Clamp(B / sigciFit, kMiLow, kMiHigh);
  return StoreLabFit(miFit, sigciFit, x, y, mi, sigci, residuals);
}

// --- Rock-mass fits --------------------------------------------------------

BOOL CHoekBrownCriterion::StoreRockMassFit(BOOL converged, const double* best,
                                           const std::vector<double>& x,
                                           const std::vector<double>& y, double sigci, double D,
                                           double* mi, double* GSI, double* mb, double* s,
                                           double* a, double* residuals) {
  BOOL ok = FALSE;
  if (converged) {
    const double p[2] = {Clamp(best[0], kMiLow, kMiHigh), Clamp(best[1], kGsiLow, kGsiHigh)};
    const double sum = RockMassSimplexObjective(p, x.data(), y.data(), (int)x.size(), sigci, D);
    ok = StoreFit({{mi, p[0]}, {GSI, p[1]}}, sum, residuals);
  }
  // mb, s and a always belong to the mi and GSI now in the outputs.
  RockMassConstants(*mi, *GSI, D, mb, s, a);
  return ok;
}

BOOL CHoekBrownCriterion::FitRockMassDataLM(double* mi, double* GSI, double* mb, double* s,
                                            double* a, double* residuals, double sigci, double D) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetRockMassFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();

  double p[2] = {10.0, 70.0};
  CRockMassLmModel model(sigci, D);
  CLmFitState state(model, 2, x.data(), y.data(), n, LmSettings(10, 10000));
  const BOOL converged = state.Run(p);
  return StoreRockMassFit(converged, p, x, y, sigci, D, mi, GSI, mb, s, a, residuals);
}

BOOL CHoekBrownCriterion::FitRockMassDataSimplex(double* mi, double* GSI, double* mb, double* s,
                                                 double* a, double* residuals, double sigci,
                                                 double D) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetRockMassFitPoints(&x, &y)) return FALSE;

  CRockMassObjective objective(x, y, sigci, D);
  const double start[3][2] = {{10.0, 70.0}, {5.0, 30.0}, {15.0, 40.0}};
  double best[2];
  const BOOL converged = RunSimplexWithRestarts(objective, start, best);
  return StoreRockMassFit(converged, best, x, y, sigci, D, mi, GSI, mb, s, a, residuals);
}
