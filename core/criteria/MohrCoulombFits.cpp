// Levenberg-Marquardt and linear-regression fits of c and phi.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/DerivTriple.h"
#include "core/criteria/FitSolvers.h"
#include "core/criteria/MohrCoulombCriterion.h"

namespace {
const double kStartC[UNITS_COUNT] = {1.0, 100.0, 100.0, 0.1, 10.0, 15.0, 1000.0, 10.0};
const double kStartPhi = 0.3490658503988659;  // 20 degrees
const double kMinFitPhi = 1e-6;

class CMohrCoulombLmModel : public CLmModel {
 public:
  explicit CMohrCoulombLmModel(BOOL shear) : m_shear(shear) {}

  BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const override {
    return m_shear ? CMohrCoulombCriterion::ShearModelDerivs(x, a, yfit, dyda)
                   : CMohrCoulombCriterion::TriaxialModelDerivs(x, a, yfit, dyda);
  }

  void MakeTrial(const double* a, const double* da, double* trial) const override {
    // c: a negative trial halves c instead.
    trial[0] = a[0] + da[0];
    if (trial[0] < 0.0) trial[0] = a[0] / 2.0;
    // phi: a step past a bound goes half-way to it.
    trial[1] = a[1] + da[1];
    if (trial[1] < kMinFitPhi)
      trial[1] = a[1] + (kMinFitPhi - a[1]) / 2.0;
    else if (trial[1] > CMohrCoulombCriterion::kMaxFitPhi)
      trial[1] = a[1] + (CMohrCoulombCriterion::kMaxFitPhi - a[1]) / 2.0;
  }

 private:
  BOOL m_shear;
};

// sigt of a fit: the smallest x when negative, else 0.
double FittedTensileStrength(const std::vector<double>& x) {
  const double lowest = *std::min_element(x.begin(), x.end());
  return lowest < 0.0 ? lowest : 0.0;
}
}  // namespace

BOOL CMohrCoulombCriterion::TriaxialModelDerivs(double sig3, const double* a, double* sig1,
                                                double* dyda) {
  const double c = a[0];
  const DerivTriple phi = DerivTripleVariable(a[1]);
  const DerivTriple sn = DerivTripleSin(phi);
  const DerivTriple oneMinus = DerivTripleSubtractFromScalar(1.0, sn);
  const DerivTriple n = DerivTripleDivide(DerivTripleAddScalarLeft(1.0, sn), oneMinus);
  const DerivTriple q = DerivTripleDivide(DerivTripleCos(phi), oneMinus);
  const DerivTriple value = DerivTripleAdd(DerivTripleScale(sig3, n), DerivTripleScale(2.0 * c, q));
  *sig1 = value.u;
  // By c: the term 2 c q with c as the variable (c, 1, 0).
  dyda[0] = DerivTripleScale(2.0 * q.u, DerivTripleVariable(c)).d1;
  dyda[1] = value.d1;
  return TRUE;
}

BOOL CMohrCoulombCriterion::ShearModelDerivs(double sigN, const double* a, double* tau,
                                             double* dyda) {
  const DerivTriple value = DerivTripleAddScalarLeft(
      a[0], DerivTripleScale(sigN, DerivTripleTan(DerivTripleVariable(a[1]))));
  *tau = value.u;
  dyda[0] = 1.0;
  dyda[1] = value.d1;
  return TRUE;
}

BOOL CMohrCoulombCriterion::FitLM(BOOL shear, double* c, double* phi, double* sigt,
                                  double* sumOfSquares) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();
  const double fittedSigt = FittedTensileStrength(x);

  const int units = GetUnits();
  double a[2] = {kStartC[criteria::UnitsIndex(units)], kStartPhi};
  CMohrCoulombLmModel model(shear);
  CLmFitState state(model, 2, x.data(), y.data(), n, LmSettings(10, 10000));
  if (!state.Run(a)) return FALSE;

  const double cFit = a[0] < 0.0 ? 0.0 : a[0];
  double phiFit = a[1];
  if (phiFit <= 0.0)
    phiFit = 1e-8;
  else if (phiFit > kMaxFitPhi)
    phiFit = kMaxFitPhi;
  return StoreFit({{c, cFit}, {phi, phiFit * criteria::kRadToDeg}, {sigt, fittedSigt}},
                  SumOfSquares(shear, cFit, phiFit, x.data(), y.data(), n), sumOfSquares);
}

BOOL CMohrCoulombCriterion::FitLinear(BOOL shear, double* c, double* phi, double* sigt,
                                      double* sumOfSquares) {
  std::vector<double> x;
  std::vector<double> y;
  if (!GetLabFitPoints(&x, &y)) return FALSE;
  const int n = (int)x.size();
  const double fittedSigt = FittedTensileStrength(x);

  double coef[2];
  if (!SvdFit(x.data(), y.data(), n, coef)) return FALSE;
  const double A = coef[0];
  const double B = coef[1];
  double cFit;
  double phiFit;
  if (shear) {
    cFit = A;
    phiFit = std::atan(B);
  } else {
    // sig1 = A + B sig3 with B = (1 + sin phi)/(1 - sin phi): only a
    // slope above 1 gives a friction angle.
    if (!(B > 1.0)) return FALSE;
    phiFit = std::asin((B - 1.0) / (B + 1.0));
    if (!(1.0 - std::sin(phiFit) > 0.0)) return FALSE;
    cFit = (1.0 - std::sin(phiFit)) * A / (2.0 * std::cos(phiFit));
  }
  if (cFit < 0.0) cFit = 0.0;
  if (phiFit <= 0.0) phiFit = 1e-8;
  return StoreFit({{c, cFit}, {phi, phiFit * criteria::kRadToDeg}, {sigt, fittedSigt}},
                  SumOfSquares(shear, cFit, phiFit, x.data(), y.data(), n), sumOfSquares);
}

BOOL CMohrCoulombCriterion::FitTriaxialDataLM(double* c, double* phi, double* sigt,
                                              double* sumOfSquares) {
  return FitLM(FALSE, c, phi, sigt, sumOfSquares);
}

BOOL CMohrCoulombCriterion::FitShearDataLM(double* c, double* phi, double* sigt,
                                           double* sumOfSquares) {
  return FitLM(TRUE, c, phi, sigt, sumOfSquares);
}

BOOL CMohrCoulombCriterion::FitTriaxialDataLinear(double* c, double* phi, double* sigt,
                                                  double* sumOfSquares) {
  return FitLinear(FALSE, c, phi, sigt, sumOfSquares);
}

BOOL CMohrCoulombCriterion::FitShearDataLinear(double* c, double* phi, double* sigt,
                                               double* sumOfSquares) {
  return FitLinear(TRUE, c, phi, sigt, sumOfSquares);
}
