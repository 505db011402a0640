// Hoek-Brown lab and rock-mass fits: recovery, start values, failure paths.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/criteria/HoekBrownCriterion.h"

namespace {
// sig1 of the intact curve (s = 1, a = 0.5) at the given sig3.
std::vector<double> IntactSig1(double mi, double sigci, const std::vector<double>& x) {
  std::vector<double> y;
  for (double s3 : x) y.push_back(s3 + sigci * std::sqrt(mi * s3 / sigci + 1.0));
  return y;
}

std::vector<double> RockMassSig1(double mi, double GSI, double D, double sigci,
                                 const std::vector<double>& x) {
  double mb, s, a;
  CHoekBrownCriterion::RockMassConstants(mi, GSI, D, &mb, &s, &a);
  std::vector<double> y;
  for (double s3 : x) {
    // Below the tensile strength the fits continue the curve as its mirror image.
    const double t = mb * s3 / sigci + s;
    y.push_back(t >= 0 ? s3 + sigci * std::pow(t, a) : s3 - sigci * std::pow(-t, a));
  }
  return y;
}

void ExpectConstantsMatch(double mi, double GSI, double D, double mb, double s, double a) {
  double emb, es, ea;
  CHoekBrownCriterion::RockMassConstants(mi, GSI, D, &emb, &es, &ea);
  EXPECT_EQ(emb, mb);
  EXPECT_EQ(es, s);
  EXPECT_EQ(ea, a);
}
}  // namespace

TEST(HoekBrownFits, LabFitsRecoverIntactParameters) {
  struct Case {
    double mi, sigci;
    std::vector<double> x;
    int units;
  };
  const Case cases[] = {
      {10.0, 30.0, {0, 5, 10, 20}, UNITS_MPA},
      {25.0, 120.0, {0, 2, 8, 15, 30, 45}, UNITS_MPA},
      {4.0, 8000.0, {0, 500, 1000, 3000}, UNITS_KPA},
      {40.0, 3.0, {-0.05, 0, 0.5, 1, 2}, UNITS_KSI},
  };
  for (const Case& c : cases) {
    CHoekBrownCriterion hb;
    hb.SetUnits(c.units);
    const std::vector<double> y = IntactSig1(c.mi, c.sigci, c.x);
    hb.SetLabData((int)c.x.size(), c.x.data(), y.data());

    double mi = 0, sigci = 0, res = -1;
    ASSERT_TRUE(hb.FitLabDataLM(&mi, &sigci, &res)) << c.mi;
    EXPECT_NEAR(c.mi, mi, 1e-6 * c.mi);
    EXPECT_NEAR(c.sigci, sigci, 1e-6 * c.sigci);
    EXPECT_LT(res, 1e-6 * c.sigci * c.sigci);
    EXPECT_EQ(res, hb.GetBestFitResiduals());

    mi = sigci = 0;
    ASSERT_TRUE(hb.FitLabDataLinear(&mi, &sigci, &res));
    EXPECT_NEAR(c.mi, mi, 1e-6 * c.mi);
    EXPECT_NEAR(c.sigci, sigci, 1e-6 * c.sigci);
    EXPECT_EQ(res, hb.GetBestFitResiduals());

    mi = sigci = 0;
    ASSERT_TRUE(hb.FitLabDataSimplex(&mi, &sigci, &res)) << c.mi;
    EXPECT_NEAR(c.mi, mi, 1e-4 * c.mi);
    EXPECT_NEAR(c.sigci, sigci, 1e-4 * c.sigci);
    EXPECT_EQ(res, hb.GetBestFitResiduals());

    // The model's own parameters do not change.
    double msigci, mmi;
    hb.GetParameters(&msigci, &mmi, nullptr, nullptr);
    EXPECT_EQ(10.0, mmi);
  }
}

TEST(HoekBrownFits, RockMassFitsRecoverMiAndGsi) {
  struct Case {
    double mi, GSI, D, sigci;
  };
  const Case cases[] = {{12.0, 45.0, 0.5, 50.0}, {8.0, 70.0, 0.0, 80.0}, {20.0, 30.0, 1.0, 150.0}};
  const std::vector<double> x = {-0.05, 0.0, 1.0, 3.0, 6.0, 10.0, 15.0};
  for (const Case& c : cases) {
    CHoekBrownCriterion hb;
    const std::vector<double> y = RockMassSig1(c.mi, c.GSI, c.D, c.sigci, x);
    hb.SetRockMassData((int)x.size(), x.data(), y.data());
    for (int method = 0; method < 2; method++) {
      double mi = 0, GSI = 0, mb = 0, s = 0, a = 0, res = -1;
      const BOOL ok = method == 0
                          ? hb.FitRockMassDataLM(&mi, &GSI, &mb, &s, &a, &res, c.sigci, c.D)
                          : hb.FitRockMassDataSimplex(&mi, &GSI, &mb, &s, &a, &res, c.sigci, c.D);
      ASSERT_TRUE(ok) << method << " " << c.mi;
      EXPECT_NEAR(c.mi, mi, 1e-3 * c.mi) << method;
      EXPECT_NEAR(c.GSI, GSI, 1e-3 * c.GSI) << method;
      EXPECT_GE(GSI, 5.0);
      EXPECT_LE(GSI, 100.0);
      ExpectConstantsMatch(mi, GSI, c.D, mb, s, a);
      EXPECT_EQ(res, hb.GetBestFitResiduals());
    }
  }
}

TEST(HoekBrownFits, TooFewPointsChangeNothing) {
  CHoekBrownCriterion hb;
  hb.SetBestFitResiduals(7.0);
  const double x[1] = {0.0}, y[1] = {30.0};
  hb.SetLabData(1, x, y);
  hb.SetRockMassData(1, x, y);
  double mi = 1, sigci = 2, res = 3, GSI = 4, mb = 5, s = 6, a = 7;
  EXPECT_FALSE(hb.FitLabDataLM(&mi, &sigci, &res));
  EXPECT_FALSE(hb.FitLabDataSimplex(&mi, &sigci, &res));
  EXPECT_FALSE(hb.FitLabDataLinear(&mi, &sigci, &res));
  EXPECT_FALSE(hb.FitRockMassDataLM(&mi, &GSI, &mb, &s, &a, &res, 30, 0));
  EXPECT_FALSE(hb.FitRockMassDataSimplex(&mi, &GSI, &mb, &s, &a, &res, 30, 0));
  EXPECT_EQ(1.0, mi);
  EXPECT_EQ(2.0, sigci);
  EXPECT_EQ(3.0, res);
  EXPECT_EQ(4.0, GSI);
  EXPECT_EQ(5.0, mb);
  EXPECT_EQ(7.0, hb.GetBestFitResiduals());

  // Solver failures (values that are not numbers): FALSE, parameter and
  // residual outputs and BEST-FIT untouched; mb, s and a follow the mi and
  // GSI left in the outputs.
  const double nx[3] = {0, 1, 2}, ny[3] = {30, std::nan(""), 40};
  hb.SetLabData(3, nx, ny);
  hb.SetRockMassData(3, nx, ny);
  EXPECT_FALSE(hb.FitLabDataLM(&mi, &sigci, &res));
  EXPECT_FALSE(hb.FitLabDataLinear(&mi, &sigci, &res));
  EXPECT_EQ(1.0, mi);
  EXPECT_EQ(2.0, sigci);
  EXPECT_EQ(3.0, res);
  mi = 12.0;
  GSI = 45.0;
  EXPECT_FALSE(hb.FitRockMassDataLM(&mi, &GSI, &mb, &s, &a, &res, 30, 0.5));
  EXPECT_EQ(12.0, mi);
  EXPECT_EQ(45.0, GSI);
  EXPECT_EQ(3.0, res);
  ExpectConstantsMatch(12.0, 45.0, 0.5, mb, s, a);
  EXPECT_EQ(7.0, hb.GetBestFitResiduals());
}

TEST(HoekBrownFits, DegenerateLabDataGiveNoNaN) {
  // All sig3 equal (d/dmi vanishes at sig3 = 0: the singular curvature
  // moves sigci only), decreasing deviator, negative and zero responses.
  const std::vector<std::vector<double>> xs = {
      {0, 0, 0}, {5, 5, 5}, {0, 5, 10, 20}, {0, 5, 10}, {-1, 0, 1}};
  const std::vector<std::vector<double>> ys = {
      {28, 30, 32}, {40, 41, 45}, {40, 35, 30, 25}, {0, 0, 0}, {-5, -3, -1}};
  for (size_t k = 0; k < xs.size(); k++) {
    CHoekBrownCriterion hb;
    hb.SetLabData((int)xs[k].size(), xs[k].data(), ys[k].data());
    const double start = hb.LabStartSigci();
    EXPECT_TRUE(std::isfinite(start) && start > 0.0) << k;
    for (int method = 0; method < 3; method++) {
      double mi = 99, sigci = 99, res = 99;
      BOOL ok = FALSE;
      if (method == 0) ok = hb.FitLabDataLM(&mi, &sigci, &res);
      if (method == 1) ok = hb.FitLabDataSimplex(&mi, &sigci, &res);
      if (method == 2) ok = hb.FitLabDataLinear(&mi, &sigci, &res);
      EXPECT_TRUE(std::isfinite(mi) && std::isfinite(sigci) && std::isfinite(res))
          << k << " " << method;
      if (ok) {
        EXPECT_GE(mi, 1.0);
        EXPECT_LE(mi, 50.0);
        EXPECT_GT(sigci, 0.0);
      } else {
        EXPECT_EQ(99.0, mi);
        EXPECT_EQ(99.0, sigci);
      }
    }
  }
  // All sig3 = 0: mi stays at 10 and sigci goes to the mean sig1.
  CHoekBrownCriterion hb;
  const double x[3] = {0, 0, 0}, y[3] = {28, 30, 32};
  hb.SetLabData(3, x, y);
  double mi = 0, sigci = 0, res = 0;
  ASSERT_TRUE(hb.FitLabDataLM(&mi, &sigci, &res));
  EXPECT_EQ(10.0, mi);
  EXPECT_NEAR(30.0, sigci, 1e-6);
}

TEST(HoekBrownFits, LinearFitClamps) {
  // B > 50 sqrt(A) raises A to (0.02 B)^2: mi = 50.
  CHoekBrownCriterion hb;
  const std::vector<double> x = {0, 1, 2, 3};
  std::vector<double> y;
  for (double s3 : x) y.push_back(s3 + std::sqrt(1.0 + 200.0 * s3));  // A = 1, B = 200
  hb.SetLabData(4, x.data(), y.data());
  double mi = 0, sigci = 0, res = 0;
  ASSERT_TRUE(hb.FitLabDataLinear(&mi, &sigci, &res));
  EXPECT_NEAR(50.0, mi, 1e-9);
  EXPECT_NEAR(4.0, sigci, 1e-9);
  // A <= 0 becomes 1e-6 before that rule: here B tiny too.
  const std::vector<double> flat = {0, 1, 2};
  const std::vector<double> fy = {0, 1, 2};
  hb.SetLabData(3, flat.data(), fy.data());
  ASSERT_TRUE(hb.FitLabDataLinear(&mi, &sigci, &res));
  EXPECT_NEAR(1e-3, sigci, 1e-12);
  EXPECT_EQ(1.0, mi);
}

TEST(HoekBrownFits, SimplexTrialRules) {
  double lab[2] = {60.0, 1e-7};
  CHoekBrownCriterion::LabSimplexTrial(lab);
  EXPECT_EQ(55.0, lab[0]);
  EXPECT_EQ((1e-7 + 1e-6) / 2.0, lab[1]);
  double low[2] = {0.0, 5.0};
  CHoekBrownCriterion::LabSimplexTrial(low);
  EXPECT_EQ(0.5, low[0]);
  EXPECT_EQ(5.0, low[1]);
  double rock[2] = {60.0, 2.0};
  CHoekBrownCriterion::RockMassSimplexTrial(rock);
  EXPECT_EQ(50.0, rock[0]);
  EXPECT_EQ(5.0, rock[1]);
  double rock2[2] = {0.2, 120.0};
  CHoekBrownCriterion::RockMassSimplexTrial(rock2);
  EXPECT_EQ(1.0, rock2[0]);
  EXPECT_EQ(100.0, rock2[1]);
}

TEST(HoekBrownFits, ModelDerivativesMatchFiniteDifferences) {
  // Both branches of both models: t >= 0 and the mirror image t < 0.
  const double labP[2] = {12.0, 40.0};
  for (double x : {-10.0, -4.0, -1.0, 0.0, 3.0, 25.0}) {
    double y, d[2];
    CHoekBrownCriterion::LabModelDerivs(x, labP, &y, d);
    for (int j = 0; j < 2; j++) {
      const double h = 1e-6 * labP[j];
      double pp[2] = {labP[0], labP[1]}, pm[2] = {labP[0], labP[1]}, yp, ym, dd[2];
      pp[j] += h;
      pm[j] -= h;
      CHoekBrownCriterion::LabModelDerivs(x, pp, &yp, dd);
      CHoekBrownCriterion::LabModelDerivs(x, pm, &ym, dd);
      const double fd = (yp - ym) / (2 * h);
      EXPECT_NEAR(fd, d[j], 1e-5 * (1 + std::fabs(fd))) << "lab x " << x << " j " << j;
    }
  }
  for (double D : {0.0, 0.7}) {
    const double rockP[2] = {15.0, 55.0};
    for (double x : {-2.0, -0.5, 0.0, 2.0, 20.0}) {
      double y, d[2];
      CHoekBrownCriterion::RockMassModelDerivs(x, rockP, 50.0, D, &y, d);
      for (int j = 0; j < 2; j++) {
        const double h = 1e-6 * rockP[j];
        double pp[2] = {rockP[0], rockP[1]}, pm[2] = {rockP[0], rockP[1]}, yp, ym, dd[2];
        pp[j] += h;
        pm[j] -= h;
        CHoekBrownCriterion::RockMassModelDerivs(x, pp, 50.0, D, &yp, dd);
        CHoekBrownCriterion::RockMassModelDerivs(x, pm, 50.0, D, &ym, dd);
        const double fd = (yp - ym) / (2 * h);
        EXPECT_NEAR(fd, d[j], 1e-5 * (1 + std::fabs(fd))) << "rock x " << x << " j " << j;
      }
    }
  }
}

TEST(HoekBrownFits, FitResidualRuleDiffersFromCalcResidualsInTension) {
  // A point below the rock-mass tensile strength: the fit's mirror image
  // counts it, CalcResiduals raises t to 0.
  CHoekBrownCriterion hb;
  double mb, s, a;
  CHoekBrownCriterion::RockMassConstants(10.0, 50.0, 0.0, &mb, &s, &a);
  const double x[1] = {-1.0}, y[1] = {-0.5};
  const double p[2] = {10.0, 50.0};
  const double t = mb * -1.0 / 30.0 + s;
  ASSERT_LT(t, 0.0);
  EXPECT_NEAR(std::pow(-0.5 + 1.0 + 30.0 * std::pow(-t, a), 2),
              CHoekBrownCriterion::RockMassSimplexObjective(p, x, y, 1, 30.0, 0.0), 1e-12);
  hb.SetFieldDataFlag(SOURCE_ROCK_MASS);
  hb.CalcResiduals(1, x, y);
  EXPECT_NEAR(0.25, hb.GetResiduals(), 1e-12);
}
