// Constants and small numeric helpers of the criterion models.
#pragma once

#include <cfloat>
#include <cmath>

#include "core/criteria/StrengthCriterion.h"

namespace criteria {
const double kPi = 3.14159265358979323846;
const double kDegToRad = kPi / 180.0;
// Degrees per radian as the fits convert their angle outputs.
const double kRadToDeg = 57.29577951308239;

inline bool IsFinite(double v) {
  return std::isfinite(v);
}

// k of the range formulas: 1/144 (lbs or kips per cubic foot times feet to
// a stress per square inch) for ksi and psi, else 1.
inline double RangeUnitFactor(int units) {
  return (units == 3 || units == 5) ? 0.00694444444 : 1.0;
}

// A units index for the per-unit tables: MPa for one out of range.
inline int UnitsIndex(int units) {
  return (units >= 0 && units < UNITS_COUNT) ? units : UNITS_MPA;
}

// Range-rule inputs by units: unit weight gamma and depth H.
const double kDefaultGamma[UNITS_COUNT] = {0.026, 26.0, 2.65, 0.166, 0.166, 166.0, 166.0, 0.084};
const double kDefaultH[UNITS_COUNT] = {50.0, 50.0, 50.0, 150.0, 150.0, 150.0, 150.0, 150.0};

// The sig3 the plotted envelope of a curved joint or power-curve model
// reaches for Tunnels and Slopes, from the load k gamma H (0 for a load at
// or below 0); false for any other application.
inline bool RangeSig3For(int application, double load, double* sig3) {
  const double v = load > 0.0 ? load : 0.0;
  if (application == APPLICATION_TUNNELS)
    *sig3 = 0.517 * std::pow(v, 0.94);
  else if (application == APPLICATION_SLOPES)
    *sig3 = 0.828 * std::pow(v, 0.91);
  else
    return false;
  return true;
}

// factor sigcm (sigcm / load)^exponent, the Tunnels and Slopes rule of the
// models with a global strength sigcm; a zero (or meaningless negative)
// strength has no range: 0, not 0 times infinity.
inline double RangeFormula(double factor, double exponent, double sigcm, double load) {
  if (!(sigcm > 0.0)) return 0.0;
  const double v = factor * sigcm * std::pow(sigcm / load, exponent);
  return std::isfinite(v) ? v : 0.0;
}

// The cached equivalent Mohr-Coulomb line tau = c + sigN tan(phi), phi in
// radians; DBL_MAX in both marks a line not (or not successfully) computed,
// and every value read from it is then DBL_MAX.
struct EquivalentLine {
  double c = DBL_MAX;
  double phi = DBL_MAX;

  bool IsSet() const { return c != DBL_MAX && phi != DBL_MAX; }
  void Clear() { c = phi = DBL_MAX; }
  double* Tau(double sigN, double* tau) const {
    if (tau == nullptr) return nullptr;
    *tau = IsSet() ? c + sigN * std::tan(phi) : DBL_MAX;
    return tau;
  }
  // sig1 of the line in principal stresses (DBL_MAX for phi at 90 degrees).
  double Sig1(double sig3) const {
    if (!IsSet()) return DBL_MAX;
    const double s = std::sin(phi);
    if (!(1.0 - s > 0.0)) return DBL_MAX;
    return sig3 * (1.0 + s) / (1.0 - s) + 2.0 * c * std::cos(phi) / (1.0 - s);
  }
};
}  // namespace criteria

namespace criteria {
// Largest friction angle the straight-envelope trigonometry uses, degrees:
// 90 itself would divide by 1 - sin(phi) = 0.
const double kMaxPhiDeg = 89.999999;
}  // namespace criteria
