// Mohr-Coulomb fits of c and phi: model derivatives, recovery, failure paths.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "criteria_test_support.h"

using criteria::kPi;

using criteria_test::kDeg;

namespace {

// Triaxial points on the line of (c, phi): sig1 = N sig3 + 2cK.
void MakeTriaxial(double c, double phiDeg, const std::vector<double>& x, std::vector<double>* y) {
  const double k = std::tan(kPi / 4 + phiDeg * kDeg / 2);
  y->clear();
  for (double s3 : x) y->push_back(k * k * s3 + 2 * c * k);
}

void MakeShear(double c, double phiDeg, const std::vector<double>& x, std::vector<double>* y) {
  y->clear();
  for (double s : x) y->push_back(c + s * std::tan(phiDeg * kDeg));
}
}  // namespace

TEST(MohrCoulomb, ModelDerivativesMatchFiniteDifferences) {
  for (double phi : {0.1, 0.35, 0.7, 1.2, 1.5}) {
    for (double x : {-2.0, 0.0, 3.0, 25.0}) {
      const double a[2] = {1.7, phi};
      for (int shear = 0; shear < 2; shear++) {
        double y, d[2];
        if (shear)
          CMohrCoulombCriterion::ShearModelDerivs(x, a, &y, d);
        else
          CMohrCoulombCriterion::TriaxialModelDerivs(x, a, &y, d);
        for (int j = 0; j < 2; j++) {
          const double h = 1e-6;
          double ap[2] = {a[0], a[1]}, am[2] = {a[0], a[1]};
          ap[j] += h;
          am[j] -= h;
          double yp, ym, dd[2];
          if (shear) {
            CMohrCoulombCriterion::ShearModelDerivs(x, ap, &yp, dd);
            CMohrCoulombCriterion::ShearModelDerivs(x, am, &ym, dd);
          } else {
            CMohrCoulombCriterion::TriaxialModelDerivs(x, ap, &yp, dd);
            CMohrCoulombCriterion::TriaxialModelDerivs(x, am, &ym, dd);
          }
          const double fd = (yp - ym) / (2 * h);
          EXPECT_NEAR(fd, d[j], 1e-5 * (1 + std::fabs(fd)))
              << "phi " << phi << " x " << x << " j " << j;
        }
      }
    }
  }
}

TEST(MohrCoulomb, FitsRecoverExactLines) {
  const std::vector<double> x3 = {0.0, 2.0, 5.0, 10.0, 20.0};
  const std::vector<double> xs = {-0.2, 0.5, 1.0, 2.0, 4.0};
  for (double phi : {15.0, 35.0, 55.0}) {
    for (double c : {0.0, 1.5, 12.0}) {
      std::vector<double> y;
      CMohrCoulombCriterion mc;
      MakeTriaxial(c, phi, x3, &y);
      mc.SetLabData((int)x3.size(), x3.data(), y.data());
      double fc = -1, fphi = -1, fsigt = -1, sum = -1;
      ASSERT_TRUE(mc.FitTriaxialDataLinear(&fc, &fphi, &fsigt, &sum));
      EXPECT_NEAR(c, fc, 1e-9 * (1 + c));
      EXPECT_NEAR(phi, fphi, 1e-9);
      EXPECT_EQ(0.0, fsigt);
      EXPECT_EQ(sum, mc.GetBestFitResiduals());
      fc = fphi = fsigt = sum = -1;
      ASSERT_TRUE(mc.FitTriaxialDataLM(&fc, &fphi, &fsigt, &sum));
      EXPECT_NEAR(c, fc, 1e-4 * (1 + c));
      EXPECT_NEAR(phi, fphi, 1e-4);
      EXPECT_LT(sum, 1e-6);
      EXPECT_EQ(sum, mc.GetBestFitResiduals());

      CMohrCoulombCriterion sh;
      sh.SetDataType(DATA_DIRECT_SHEAR);
      MakeShear(c, phi, xs, &y);
      sh.SetLabData((int)xs.size(), xs.data(), y.data());
      ASSERT_TRUE(sh.FitShearDataLinear(&fc, &fphi, &fsigt, &sum));
      EXPECT_NEAR(c, fc, 1e-9 * (1 + c));
      EXPECT_NEAR(phi, fphi, 1e-9);
      EXPECT_EQ(-0.2, fsigt);
      ASSERT_TRUE(sh.FitShearDataLM(&fc, &fphi, &fsigt, &sum));
      EXPECT_NEAR(c, fc, 1e-4 * (1 + c));
      EXPECT_NEAR(phi, fphi, 1e-4);
      EXPECT_LT(sum, 1e-6);
    }
  }
}

TEST(MohrCoulomb, FitsFailWithoutTouchingOutputs) {
  CMohrCoulombCriterion mc;
  mc.SetBestFitResiduals(3.5);
  const double one[1] = {1.0}, oneY[1] = {5.0};
  mc.SetLabData(1, one, oneY);
  double c = 11, phi = 22, sigt = 33, sum = 44;
  auto expectUntouched = [&]() {
    EXPECT_EQ(11.0, c);
    EXPECT_EQ(22.0, phi);
    EXPECT_EQ(33.0, sigt);
    EXPECT_EQ(44.0, sum);
    EXPECT_EQ(3.5, mc.GetBestFitResiduals());
  };
  EXPECT_FALSE(mc.FitTriaxialDataLM(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitShearDataLM(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitShearDataLinear(&c, &phi, &sigt, &sum));
  expectUntouched();

  // A fit that cannot converge (values that are not numbers) takes the
  // failure path: nothing computed from or converted in the caller's outputs.
  const double nx[3] = {0, 1, 2}, ny[3] = {1, std::nan(""), 3};
  mc.SetLabData(3, nx, ny);
  EXPECT_FALSE(mc.FitTriaxialDataLM(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitShearDataLM(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum));
  EXPECT_FALSE(mc.FitShearDataLinear(&c, &phi, &sigt, &sum));
  expectUntouched();

  // A triaxial slope at or below 1 (sig1 - sig3 shrinking) or negative
  // gives no friction angle: FALSE, not asin outside [-1, 1].
  const double x[3] = {0, 5, 10};
  for (double slope : {1.0, 0.6, 0.0, -1.0, -3.0}) {
    const double y[3] = {10, 10 + 5 * slope, 10 + 10 * slope};
    mc.SetLabData(3, x, y);
    EXPECT_FALSE(mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum)) << slope;
    EXPECT_EQ(11.0, c);
    EXPECT_EQ(22.0, phi);
  }
  // All x equal: singular design; the linear fit gives a finite answer or
  // FALSE, never NaN.
  const double same[3] = {2, 2, 2}, ys[3] = {8, 9, 10};
  mc.SetLabData(3, same, ys);
  if (mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum)) {
    EXPECT_TRUE(std::isfinite(c) && std::isfinite(phi) && std::isfinite(sum));
  }
  if (mc.FitTriaxialDataLM(&c, &phi, &sigt, &sum)) {
    EXPECT_TRUE(std::isfinite(c) && std::isfinite(phi) && std::isfinite(sum));
  }

  // Shear data with a falling line: phi clamps to 1e-8 rad, c >= 0.
  CMohrCoulombCriterion sh;
  const double sx[3] = {1, 2, 3}, sy[3] = {3, 2, 1};
  sh.SetLabData(3, sx, sy);
  ASSERT_TRUE(sh.FitShearDataLinear(&c, &phi, &sigt, &sum));
  EXPECT_NEAR(1e-8 * 180 / kPi, phi, 1e-20);
  EXPECT_GE(c, 0.0);
}

TEST(MohrCoulomb, FitsReportTheLowestNegativeX) {
  const std::vector<double> x = {-1.5, -0.3, 2, 6};
  std::vector<double> y;
  MakeTriaxial(1.0, 30.0, x, &y);
  CMohrCoulombCriterion mc;
  mc.SetLabData(4, x.data(), y.data());
  double c, phi, sigt = 0, sum;
  ASSERT_TRUE(mc.FitTriaxialDataLinear(&c, &phi, &sigt, &sum));
  EXPECT_EQ(-1.5, sigt);
  sigt = 0;
  ASSERT_TRUE(mc.FitTriaxialDataLM(&c, &phi, &sigt, &sum));
  EXPECT_EQ(-1.5, sigt);
}
