// Constants and small numeric helpers of the criterion models.
#pragma once

#include <cmath>

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
}  // namespace criteria

namespace criteria {
// Largest friction angle the straight-envelope trigonometry uses, degrees:
// 90 itself would divide by 1 - sin(phi) = 0.
const double kMaxPhiDeg = 89.999999;
}  // namespace criteria
