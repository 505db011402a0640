// Barton-Bandis fits of JRC and JCS with phib held.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/criteria/BartonBandisCriterion.h"
#include "criteria_test_support.h"

using criteria_test::kDeg;

namespace {
double Tau(double phib, double jrc, double jcs, double sigN) {
  return sigN * std::tan(CBartonBandisCriterion::Theta(phib, jrc, jcs, sigN) * kDeg);
}

// Lab points on the envelope (phib, jrc, jcs) at the given normal stresses.
void SetExactData(CBartonBandisCriterion& m, double phib, double jrc, double jcs,
                  const std::vector<double>& x) {
  std::vector<double> y;
  for (double s : x) y.push_back(Tau(phib, jrc, jcs, s));
  m.SetLabData((int)x.size(), x.data(), y.data());
}

typedef BOOL (CBartonBandisCriterion::*Fit)(double, double*, double*, double*);
const Fit kFits[2] = {&CBartonBandisCriterion::FitShearData,
                      &CBartonBandisCriterion::FitShearDataSimplex};
}  // namespace

TEST(BartonBandisFits, RecoverExactParametersByBothMethods) {
  for (Fit fit : kFits) {
    // MPa, and the same joint in kPa (the simplex starts from the unit table).
    for (double k : {1.0, 1000.0}) {
      CBartonBandisCriterion m;
      if (k != 1.0) m.SetUnits(UNITS_KPA);
      m.SetParameters(28.0, 10.0, 30.0 * k);
      SetExactData(m, 30.0, 8.0, 50.0 * k,
                   {0.5 * k, 1 * k, 2 * k, 3 * k, 4.5 * k, 6 * k, 8 * k, 10 * k});
      double jrc = 1.0, jcs = 1.0, sum = -5.0;
      ASSERT_TRUE((m.*fit)(30.0, &jrc, &jcs, &sum)) << k;
      EXPECT_NEAR(8.0, jrc, 1e-6);
      EXPECT_NEAR(50.0 * k, jcs, 1e-6 * k);
      EXPECT_LT(sum, 1e-12 * k * k);
      EXPECT_EQ(sum, m.GetBestFitResiduals());
      // The model's own parameters and residuals are not touched.
      double phib, mj, mc;
      m.GetParameters(&phib, &mj, &mc);
      EXPECT_EQ(28.0, phib);
      EXPECT_EQ(10.0, mj);
      EXPECT_EQ(30.0 * k, mc);
      EXPECT_EQ(-1.0, m.GetResiduals());
    }
  }
}

TEST(BartonBandisFits, JrcBeyondTwentyComesBackAsTwenty) {
  for (Fit fit : kFits) {
    CBartonBandisCriterion m;
    SetExactData(m, 25.0, 25.0, 100.0, {5, 8, 12, 18, 25, 35, 50});
    double jrc = 0.0, jcs = 0.0, sum = 0.0;
    ASSERT_TRUE((m.*fit)(25.0, &jrc, &jcs, &sum));
    EXPECT_EQ(20.0, jrc);
    EXPECT_TRUE(std::isfinite(jcs) && jcs > 0.0);
    EXPECT_TRUE(std::isfinite(sum));
  }
}

TEST(BartonBandisFits, DegenerateDataFailsAndChangesNothing) {
  for (Fit fit : kFits) {
    CBartonBandisCriterion m;
    double jrc = 3.0, jcs = 4.0, sum = 5.0;
    // Fewer than two points.
    EXPECT_FALSE((m.*fit)(30.0, &jrc, &jcs, &sum));
    const double one[1] = {1.0};
    m.SetLabData(1, one, one);
    EXPECT_FALSE((m.*fit)(30.0, &jrc, &jcs, &sum));

    // Every point steeper than 70 degrees for the fitted joint: below
    // sigNmin, so no point is left to measure the fit by.
    SetExactData(m, 30.0, 20.0, 16.0, {0.02, 0.03, 0.05, 0.07, 0.1});
    EXPECT_FALSE((m.*fit)(30.0, &jrc, &jcs, &sum));
    m.CalcResiduals(5, std::vector<double>{0.02, 0.03, 0.05, 0.07, 0.1}.data(),
                    std::vector<double>{1, 1, 1, 1, 1}.data());

    // Values whose squares overflow, and values that are not numbers.
    const double x[3] = {1.0, 2.0, 3.0};
    const double huge[3] = {1e200, 2e200, 3e200};
    m.SetLabData(3, x, huge);
    EXPECT_FALSE((m.*fit)(30.0, &jrc, &jcs, &sum));
    const double nan[3] = {1.0, NAN, 2.0};
    m.SetLabData(3, x, nan);
    EXPECT_FALSE((m.*fit)(30.0, &jrc, &jcs, &sum));

    EXPECT_EQ(3.0, jrc);
    EXPECT_EQ(4.0, jcs);
    EXPECT_EQ(5.0, sum);
    EXPECT_EQ(-2.0, m.GetBestFitResiduals());
  }
}

TEST(BartonBandisFits, SteepDataGiveNoResiduals) {
  CBartonBandisCriterion m;
  m.SetParameters(30.0, 20.0, 16.0);
  const std::vector<double> x = {0.02, 0.05, 0.1};
  const std::vector<double> y = {0.1, 0.2, 0.3};
  m.CalcResiduals(3, x.data(), y.data());
  EXPECT_EQ(-1.0, m.GetResiduals());
  EXPECT_EQ(-1.0, CBartonBandisCriterion::SumOfSquares70(30.0, 20.0, 16.0, 3, x.data(), y.data()));
}
