// Helpers shared by the criterion tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/criteria/StrengthCriterion.h"

namespace criteria_test {
const double kDeg = 3.14159265358979323846 / 180.0;

// |a - b| relative to |b|.
inline double Rel(double a, double b) {
  return std::fabs(a - b) / std::max(std::fabs(b), 1e-300);
}

inline void ExpectRel(double expected, double actual, double rel) {
  EXPECT_NEAR(expected, actual, std::fabs(expected) * rel) << "expected " << expected;
}

inline bool IsFiniteRow(const EnvelopePoint& r) {
  return std::isfinite(r.sig1) && std::isfinite(r.sig3) && std::isfinite(r.sigN) &&
         std::isfinite(r.tau);
}

// Distance of (sigN, tau) from the Mohr circle of (sig3, sig1).
inline double CircleError(double sig3, double sig1, double sigN, double tau) {
  const double centre = (sig1 + sig3) / 2, radius = (sig1 - sig3) / 2;
  return std::fabs(std::hypot(sigN - centre, tau) - radius);
}

// Every value of the model's current table is finite.
inline void ExpectTableFinite(const CStrengthCriterion& model, const char* what) {
  const EnvelopePoint* rows = model.GetEnvelope();
  ASSERT_NE(rows, nullptr) << what;
  for (int i = 0; i < model.GetEnvelopeCount(); i++)
    ASSERT_TRUE(IsFiniteRow(rows[i])) << what << " row " << i;
}
}  // namespace criteria_test
