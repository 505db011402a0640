// Levenberg-Marquardt, simplex, Gauss-Jordan, SVD, root searches and quadrature.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/criteria/FitSolvers.h"
#include "core/criteria/RootFinding.h"
#include "core/criteria/StrengthCriterion.h"
#include "core/criteria/SvdCore.h"

namespace {
// y = a0 + a1 x, unbounded.
class CLineModel : public CLmModel {
 public:
  BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const override {
    *yfit = a[0] + a[1] * x;
    dyda[0] = 1.0;
    dyda[1] = x;
    return TRUE;
  }
  void MakeTrial(const double* a, const double* da, double* trial) const override {
    trial[0] = a[0] + da[0];
    trial[1] = a[1] + da[1];
  }
};

// y = a0 + a1 * 0 * x: the second parameter has no influence.
class CDeadParameterModel : public CLineModel {
 public:
  BOOL Evaluate(double, const double* a, double* yfit, double* dyda) const override {
    *yfit = a[0];
    dyda[0] = 1.0;
    dyda[1] = 0.0;
    return TRUE;
  }
};

// y = a0 exp(a1 x) + a2, three parameters.
class CExpModel : public CLmModel {
 public:
  BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const override {
    const double e = std::exp(a[1] * x);
    *yfit = a[0] * e + a[2];
    dyda[0] = e;
    dyda[1] = a[0] * x * e;
    dyda[2] = 1.0;
    return TRUE;
  }
  void MakeTrial(const double* a, const double* da, double* trial) const override {
    for (int j = 0; j < 3; j++) trial[j] = a[j] + da[j];
  }
};

class CQuadratic : public CSimplexObjective {
 public:
  double Evaluate(const double* p) const override {
    ++calls;
    return (p[0] - 3.0) * (p[0] - 3.0) + 2.0 * (p[1] + 1.0) * (p[1] + 1.0) + 1.0;
  }
  mutable int calls = 0;
};

class CConstant : public CSimplexObjective {
 public:
  double Evaluate(const double*) const override { return 0.0; }
};
}  // namespace

TEST(FitSolvers, LevenbergMarquardtRecoversExactParameters) {
  const double x[5] = {0, 1, 2, 3, 4};
  double y[5];
  for (int i = 0; i < 5; i++) y[i] = 2.5 - 1.5 * x[i];
  CLineModel line;
  CLmFitState state(line, 2, x, y, 5);
  double a[2] = {0.0, 0.0};
  ASSERT_TRUE(state.Run(a));
  EXPECT_NEAR(2.5, a[0], 1e-9);
  EXPECT_NEAR(-1.5, a[1], 1e-9);
  EXPECT_LT(state.chisq, 1e-18);
  EXPECT_GE(state.iterations, 11);
  // The final covariance is the inverse of the curvature matrix.
  const double sx = 10, sxx = 30, n = 5, det = n * sxx - sx * sx;
  EXPECT_NEAR(sxx / det, state.covar[0][0], 1e-12);
  EXPECT_NEAR(-sx / det, state.covar[0][1], 1e-12);

  double y3[6];
  const double x3[6] = {0, 0.5, 1, 1.5, 2, 2.5};
  for (int i = 0; i < 6; i++) y3[i] = 2.0 * std::exp(0.7 * x3[i]) - 1.0;
  CExpModel expModel;
  CLmFitState s3(expModel, 3, x3, y3, 6);
  double b[3] = {1.0, 0.5, 0.0};
  ASSERT_TRUE(s3.Run(b));
  EXPECT_NEAR(2.0, b[0], 1e-6);
  EXPECT_NEAR(0.7, b[1], 1e-6);
  EXPECT_NEAR(-1.0, b[2], 1e-6);
}

TEST(FitSolvers, LevenbergMarquardtPassesEachPointItsIndex) {
  // A model that keeps something per point sees each point under its own
  // index; one that does not is evaluated through Evaluate.
  class CIndexedLine : public CLineModel {
   public:
    explicit CIndexedLine(const double* x) : m_x(x) {}
    BOOL EvaluatePoint(int i, double x, const double* a, double* yfit,
                       double* dyda) const override {
      if (m_x[i] != x) ++mismatches;
      ++calls;
      return Evaluate(x, a, yfit, dyda);
    }
    mutable int calls = 0;
    mutable int mismatches = 0;

   private:
    const double* m_x;
  };
  const double x[4] = {0.5, -1.0, 3.0, 2.0};
  double y[4];
  for (int i = 0; i < 4; i++) y[i] = 1.0 + 2.0 * x[i];
  CIndexedLine model(x);
  CLmFitState state(model, 2, x, y, 4);
  double a[2] = {0.0, 0.0};
  ASSERT_TRUE(state.Run(a));
  EXPECT_NEAR(2.0, a[1], 1e-9);
  EXPECT_GT(model.calls, 0);
  EXPECT_EQ(0, model.mismatches);
}

TEST(FitSolvers, RejectedStepKeepsTheAcceptedPointAndRaisesLambda) {
  // Trials that overshoot a thousandfold are always worse: every step is rejected.
  class COvershootingLine : public CLineModel {
   public:
    void MakeTrial(const double* a, const double* da, double* trial) const override {
      trial[0] = a[0] + 1000.0 * da[0];
      trial[1] = a[1] + 1000.0 * da[1];
    }
  };
  const double x[4] = {0, 1, 2, 3};
  const double y[4] = {1, 3, 5, 7};
  const double startChisq = 1 + 9 + 25 + 49;  // at a = (0, 0)
  COvershootingLine overshoot;
  CLmFitState state(overshoot, 2, x, y, 4);
  state.lambda = -1.0;
  double a[2] = {0.0, 0.0};
  state.Step(a);
  EXPECT_EQ(startChisq, state.chisq);
  EXPECT_EQ(0.0, a[0]);
  EXPECT_EQ(0.0, a[1]);
  EXPECT_NEAR(0.01, state.lambda, 1e-15);
  state.Step(a);
  EXPECT_EQ(startChisq, state.chisq);
  EXPECT_NEAR(0.1, state.lambda, 1e-15);
  // The curvature of the accepted point stays: beta is the gradient at (0, 0).
  EXPECT_EQ(1 + 3 + 5 + 7, state.beta[0]);
  EXPECT_EQ(3 + 10 + 21, state.beta[1]);

  // An accepted step moves the point, lowers chi-square and lambda.
  CLineModel line;
  CLmFitState good(line, 2, x, y, 4);
  good.lambda = -1.0;
  double b[2] = {0.0, 0.0};
  good.Step(b);
  EXPECT_LT(good.chisq, startChisq);
  EXPECT_NE(0.0, b[1]);
  EXPECT_NEAR(0.0001, good.lambda, 1e-18);
}

TEST(FitSolvers, AStepThatCannotMoveIsRejectedWithoutAnotherPass) {
  // A trial rule that holds every parameter where it is: each step is a rejection (lambda up,
  // chi-square and curvature of the accepted point kept) and the points are not evaluated again.
  class CStuckLine : public CLineModel {
   public:
    BOOL EvaluatePoint(int, double x, const double* a, double* yfit, double* dyda) const override {
      ++calls;
      return Evaluate(x, a, yfit, dyda);
    }
    void MakeTrial(const double* a, const double*, double* trial) const override {
      trial[0] = a[0];
      trial[1] = a[1];
    }
    mutable int calls = 0;
  };
  const double x[4] = {0, 1, 2, 3};
  const double y[4] = {1, 3, 5, 7};
  CStuckLine stuck;
  CLmFitState state(stuck, 2, x, y, 4);
  state.lambda = -1.0;
  double a[2] = {0.5, 0.25};
  state.Step(a);
  EXPECT_EQ(4, stuck.calls);  // the start point only
  const double chisq = state.chisq;
  const double beta0 = state.beta[0];
  for (int k = 0; k < 3; k++) state.Step(a);
  EXPECT_EQ(4, stuck.calls);
  EXPECT_EQ(chisq, state.chisq);
  EXPECT_EQ(beta0, state.beta[0]);
  EXPECT_EQ(0.5, a[0]);
  EXPECT_EQ(0.25, a[1]);
  EXPECT_NEAR(10.0, state.lambda, 1e-12);
  // The driver counts such steps as converged and ends the fit at the start.
  CStuckLine again;
  CLmFitState run(again, 2, x, y, 4);
  double b[2] = {0.5, 0.25};
  ASSERT_TRUE(run.Run(b));
  EXPECT_EQ(0.5, b[0]);
  EXPECT_EQ(11, run.iterations);
  EXPECT_EQ(4, again.calls);
}

TEST(FitSolvers, LevenbergMarquardtFailuresKeepTheStart) {
  const double x[3] = {0, 1, 2};
  const double y[3] = {1, 2, 3};
  CLineModel line;
  // One point: nothing to fit.
  CLmFitState one(line, 2, x, y, 1);
  double a[2] = {4.0, 5.0};
  EXPECT_FALSE(one.Run(a));
  EXPECT_EQ(4.0, a[0]);
  EXPECT_EQ(5.0, a[1]);
  // A chi-square that is not finite fails at once.
  const double bad[3] = {1, std::numeric_limits<double>::quiet_NaN(), 3};
  CLmFitState nan(line, 2, x, bad, 3);
  EXPECT_FALSE(nan.Run(a));
  EXPECT_EQ(4.0, a[0]);
  // The iteration cap ends the run as not converged.
  LmSettings settings;
  settings.iterationCap = 3;
  CLmFitState capped(line, 2, x, y, 3, settings);
  EXPECT_FALSE(capped.Run(a));
  EXPECT_EQ(4.0, a[0]);
  EXPECT_EQ(5.0, a[1]);
  EXPECT_EQ(3, capped.iterations);
  // A singular three-parameter system takes no step and fails.
  const double y0[3] = {1, 1, 1};
  CExpModel expModel;
  CLmFitState singular(expModel, 3, x, y0, 3);
  double b[3] = {0.0, 0.0, 0.0};  // a0 = 0 zeroes the a1 column
  EXPECT_FALSE(singular.Run(b));
}

TEST(FitSolvers, SingularTwoParameterStepSolvesTheDeterminedParameter) {
  // The second parameter has no influence: the curvature matrix is
  // singular. The step must move the first to its least-squares value (the
  // mean) and leave the second alone instead of stepping along the raw
  // gradient.
  const double x[4] = {0, 1, 2, 3};
  const double y[4] = {1, 2, 4, 5};
  CDeadParameterModel model;
  CLmFitState state(model, 2, x, y, 4);
  double a[2] = {0.0, 7.0};
  ASSERT_TRUE(state.Run(a));
  EXPECT_NEAR(3.0, a[0], 1e-6);
  EXPECT_EQ(7.0, a[1]);

  double m[2][2] = {{0.0, 0.0}, {0.0, 4.0}};
  double b[2] = {3.0, 8.0};
  EXPECT_FALSE(CStrengthCriterion::GaussJordan(m, b));
  EXPECT_EQ(0.0, b[0]);
  EXPECT_EQ(2.0, b[1]);
  // Rank one with both parameters coupled: the minimum-norm solution.
  double r[2][2] = {{1.0, 2.0}, {2.0, 4.0}};
  double rb[2] = {5.0, 10.0};
  EXPECT_FALSE(CStrengthCriterion::GaussJordan(r, rb));
  EXPECT_NEAR(1.0, rb[0], 1e-12);
  EXPECT_NEAR(2.0, rb[1], 1e-12);
  double z[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
  double zb[2] = {1.0, 1.0};
  EXPECT_FALSE(CStrengthCriterion::GaussJordan(z, zb));
  EXPECT_EQ(0.0, zb[0]);
  EXPECT_EQ(0.0, zb[1]);
  // Regular: inverse and solution.
  double g[2][2] = {{2.0, 1.0}, {1.0, 3.0}};
  double gb[2] = {3.0, 5.0};
  EXPECT_TRUE(CStrengthCriterion::GaussJordan(g, gb));
  EXPECT_NEAR(0.8, gb[0], 1e-15);
  EXPECT_NEAR(1.4, gb[1], 1e-15);
  EXPECT_NEAR(0.6, g[0][0], 1e-15);
  EXPECT_NEAR(-0.2, g[0][1], 1e-15);
}

TEST(FitSolvers, GaussJordanThreeByThree) {
  const double m[3][3] = {{0.0, 2.0, 1.0}, {1.0, 1.0, 0.0}, {3.0, 0.0, 4.0}};
  double a[3][3];
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) a[i][j] = m[i][j];
  double b[3] = {5.0, 3.0, 15.0};  // x = (1, 2, 3)... check below
  ASSERT_TRUE(GaussJordanSolve(a, 3, b));
  for (int i = 0; i < 3; i++) {
    EXPECT_NEAR(m[i][0] * b[0] + m[i][1] * b[1] + m[i][2] * b[2],
                i == 0 ? 5.0 : (i == 1 ? 3.0 : 15.0), 1e-12);
    for (int j = 0; j < 3; j++) {
      double s = 0;
      for (int k = 0; k < 3; k++) s += m[i][k] * a[k][j];
      EXPECT_NEAR(i == j ? 1.0 : 0.0, s, 1e-12);
    }
  }
  double s[3][3] = {{1, 2, 3}, {2, 4, 6}, {1, 0, 1}};
  double sb[3] = {1, 2, 3};
  EXPECT_FALSE(GaussJordanSolve(s, 3, sb));

  double cov[3][3] = {{1, 2, 0}, {2, 5, 0}, {0, 0, 0}};
  const int all[3] = {1, 1, 1};
  CStrengthCriterion::CovarianceSort(cov, 3, all, 3);
  EXPECT_EQ(2.0, cov[0][1]);
  EXPECT_EQ(5.0, cov[1][1]);
  // Only parameters 0 and 2 fitted: the 2 x 2 block spreads to them.
  double part[3][3] = {{1, 2, 0}, {2, 5, 0}, {0, 0, 0}};
  const int some[3] = {1, 0, 1};
  CStrengthCriterion::CovarianceSort(part, 3, some, 2);
  EXPECT_EQ(1.0, part[0][0]);
  EXPECT_EQ(5.0, part[2][2]);
  EXPECT_EQ(2.0, part[0][2]);
  EXPECT_EQ(0.0, part[1][1]);
}

TEST(FitSolvers, SimplexMinimisesAndAlwaysReportsTheBestVertex) {
  CQuadratic f;
  CSimplexState s(2);
  const double v0[2] = {0, 0}, v1[2] = {1, 0}, v2[2] = {0, 1};
  s.SetVertex(0, v0, f);
  s.SetVertex(1, v1, f);
  s.SetVertex(2, v2, f);
  ASSERT_TRUE(s.Minimize(f, 1e-20, 5000));
  EXPECT_NEAR(3.0, s.p[0][0], 1e-7);
  EXPECT_NEAR(-1.0, s.p[0][1], 1e-7);
  for (int i = 1; i < 3; i++) EXPECT_LE(s.y[0], s.y[i]);
  EXPECT_LT(s.evaluations, 5000);

  // A cap hit returns FALSE with the best vertex first.
  CSimplexState c(2);
  c.SetVertex(0, v0, f);
  c.SetVertex(1, v1, f);
  c.SetVertex(2, v2, f);
  EXPECT_FALSE(c.Minimize(f, 1e-20, 10));
  EXPECT_GE(c.evaluations, 10);
  for (int i = 1; i < 3; i++) EXPECT_LE(c.y[0], c.y[i]);

  // Equal values (0/0) end at once as converged, without evaluations.
  CConstant zero;
  CSimplexState z(2);
  z.SetVertex(0, v0, zero);
  z.SetVertex(1, v1, zero);
  z.SetVertex(2, v2, zero);
  EXPECT_TRUE(z.Minimize(zero, 1e-20, 5000));
  EXPECT_EQ(0, z.evaluations);

  double sums[2];
  CStrengthCriterion::SimplexColumnSums(s.p, 3, 2, sums);
  EXPECT_NEAR(s.p[0][0] + s.p[1][0] + s.p[2][0], sums[0], 1e-15);
}

TEST(FitSolvers, SvdDecomposesAndReconstructs) {
  const int n = 4, m = 3;
  const double A[n * m] = {1, 2, 3, 4, 5, 6, 7, 8, 10, -1, 0.5, 2};
  double u[n * m], w[m], v[m * m];
  std::copy(A, A + n * m, u);
  ASSERT_TRUE(CStrengthCriterion::SvdDecompose(u, n, m, w, v));
  for (int i = 0; i < n; i++)
    for (int j = 0; j < m; j++) {
      double s = 0;
      for (int k = 0; k < m; k++) s += u[i * m + k] * w[k] * v[j * m + k];
      EXPECT_NEAR(A[i * m + j], s, 1e-12);
    }
  // U and V have orthonormal columns; singular values are not negative.
  for (int a = 0; a < m; a++) {
    EXPECT_GE(w[a], 0.0);
    for (int b = 0; b < m; b++) {
      double su = 0, sv = 0;
      for (int i = 0; i < n; i++) su += u[i * m + a] * u[i * m + b];
      for (int i = 0; i < m; i++) sv += v[i * m + a] * v[i * m + b];
      EXPECT_NEAR(a == b ? 1.0 : 0.0, su, 1e-12);
      EXPECT_NEAR(a == b ? 1.0 : 0.0, sv, 1e-12);
    }
  }
  // Hand-computed: diag(3, 4) has singular values 3 and 4.
  double d[4] = {3, 0, 0, -4}, dw[2], dv[4];
  ASSERT_TRUE(CStrengthCriterion::SvdDecompose(d, 2, 2, dw, dv));
  EXPECT_NEAR(7.0, dw[0] + dw[1], 1e-14);
  EXPECT_NEAR(12.0, dw[0] * dw[1], 1e-13);
  // [[3, 0], [4, 5]]: singular values sqrt(45) and sqrt(5).
  double h[4] = {3, 0, 4, 5}, hw[2], hv[4];
  ASSERT_TRUE(CStrengthCriterion::SvdDecompose(h, 2, 2, hw, hv));
  EXPECT_NEAR(std::sqrt(45.0), std::max(hw[0], hw[1]), 1e-13);
  EXPECT_NEAR(std::sqrt(5.0), std::min(hw[0], hw[1]), 1e-13);
  // Fewer rows than columns, and non-finite input.
  double wide[3] = {1, 2, 2}, ww[3], wv[9];
  ASSERT_TRUE(CStrengthCriterion::SvdDecompose(wide, 1, 3, ww, wv));
  EXPECT_NEAR(3.0, ww[0] + ww[1] + ww[2], 1e-14);
  double inf[4] = {1, std::numeric_limits<double>::infinity(), 0, 1};
  EXPECT_FALSE(CStrengthCriterion::SvdDecompose(inf, 2, 2, hw, hv));
}

TEST(FitSolvers, SvdIterationLimitFailsCleanly) {
  // With no QR iteration allowed a non-diagonal bidiagonal cannot converge.
  double u[6] = {1, 2, 3, 4, 5, 6}, w[2], v[4];
  EXPECT_FALSE(SvdDecomposeLimited(u, 3, 2, w, v, 0));
  double u2[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_TRUE(SvdDecomposeLimited(u2, 3, 2, w, v, 30));
}

TEST(FitSolvers, SvdFitStraightLines) {
  const double x[4] = {-1, 0, 2, 5};
  double y[4];
  for (int i = 0; i < 4; i++) y[i] = 1.25 + 0.75 * x[i];
  double a[2] = {0, 0};
  ASSERT_TRUE(CStrengthCriterion::SvdFit(x, y, 4, a));
  EXPECT_NEAR(1.25, a[0], 1e-12);
  EXPECT_NEAR(0.75, a[1], 1e-12);

  // All x equal: rank deficient, finite minimum-norm coefficients.
  const double same[3] = {2, 2, 2};
  const double ys[3] = {1, 2, 3};
  ASSERT_TRUE(CStrengthCriterion::SvdFit(same, ys, 3, a));
  EXPECT_TRUE(std::isfinite(a[0]) && std::isfinite(a[1]));
  EXPECT_NEAR(2.0, a[0] + 2.0 * a[1], 1e-9);

  // Too few points or non-finite values: FALSE, a untouched.
  a[0] = a[1] = 9;
  EXPECT_FALSE(CStrengthCriterion::SvdFit(x, y, 1, a));
  const double nan[2] = {1, std::numeric_limits<double>::quiet_NaN()};
  EXPECT_FALSE(CStrengthCriterion::SvdFit(x, nan, 2, a));
  EXPECT_EQ(9.0, a[0]);

  double p[2];
  CStrengthCriterion::LineBasisFunctions(3.5, p, 2);
  EXPECT_EQ(1.0, p[0]);
  EXPECT_EQ(3.5, p[1]);
}

TEST(FitSolvers, PythagAvoidsOverflow) {
  EXPECT_NEAR(1e200 * std::sqrt(2.0), CStrengthCriterion::Pythag(1e200, 1e200), 1e186);
  EXPECT_NEAR(5.0, CStrengthCriterion::Pythag(3.0, -4.0), 1e-15);
  EXPECT_NEAR(5e-200, CStrengthCriterion::Pythag(3e-200, 4e-200), 1e-214);
  EXPECT_EQ(0.0, CStrengthCriterion::Pythag(0.0, 0.0));
}

TEST(FitSolvers, RootSearchesAndQuadrature) {
  auto f = [](double x) { return x * x - 2.0; };
  double x1 = 0.0, x2 = 0.5;
  EXPECT_TRUE(BracketRoot(f, &x1, &x2));
  EXPECT_LT(f(x1) * f(x2), 0.0);
  double root = 0;
  EXPECT_TRUE(BisectRoot(f, x1, x2, 1e-14, &root));
  EXPECT_NEAR(std::sqrt(2.0), root, 1e-13);
  // No sign change: FALSE, root untouched.
  auto positive = [](double x) { return x * x + 1.0; };
  double a = -1, b = 1;
  EXPECT_FALSE(BracketRoot(positive, &a, &b));
  root = 42;
  EXPECT_FALSE(BisectRoot(positive, -1.0, 1.0, 1e-10, &root));
  EXPECT_EQ(42.0, root);
  // A tolerance that cannot be met: 0.0 after 100 halvings.
  EXPECT_FALSE(BisectRoot(f, 0.0, 2.0, 0.0, &root));
  EXPECT_EQ(0.0, root);

  double lo = 0, hi = 0;
  EXPECT_TRUE(ScanForSignChange(f, 0.0, 3.0, 10, &lo, &hi));
  EXPECT_NEAR(1.2, lo, 1e-12);
  EXPECT_NEAR(1.5, hi, 1e-12);
  EXPECT_FALSE(ScanForSignChange(positive, 0.0, 3.0, 10, &lo, &hi));

  // Exact for polynomials up to degree 19 (to the rule's 10 digits).
  auto p = [](double x) { return 3 * x * x * x * x - x + 2; };
  EXPECT_NEAR(3.0 / 5 * (32 + 1) - (4 - 1) / 2.0 + 2 * 3, GaussLegendre10(p, -1.0, 2.0), 1e-8);
}

TEST(FitSolvers, BracketedSearchesOfTheModels) {
  int calls = 0;
  auto f = [&calls](double x) {
    ++calls;
    return x * x * x - 2.0;
  };
  const double root = std::cbrt(2.0);
  // Widening moves the end with the smaller |f|, through the domain rule.
  double x1 = 0.0, x2 = 0.5, f1 = 0, f2 = 0;
  WidenBracket(
      f, &x1, &x2, [](double, double to) { return std::min(to, 1.5); }, &f1, &f2);
  EXPECT_TRUE(OppositeSigns(f1, f2));
  EXPECT_EQ(f(x1), f1);
  EXPECT_EQ(f(x2), f2);
  EXPECT_LE(x2, 1.5);

  // Brent and bisection end within the tolerance of the one root; Brent in
  // far fewer evaluations.
  for (double tol : {1e-5, 1e-15}) {
    calls = 0;
    const double b = BrentBracket(f, 0.0, 3.0, f(0.0), f(3.0), tol);
    const int brentCalls = calls;
    calls = 0;
    const double s = BisectBracket(f, 0.0, 3.0, f(0.0), f(3.0), tol);
    const int bisectCalls = calls;
    EXPECT_NEAR(root, b, 1e-15 + tol) << tol;
    EXPECT_NEAR(root, s, 1e-15 + tol) << tol;
    EXPECT_LT(brentCalls, bisectCalls) << tol;
    // Either order of the ends.
    EXPECT_NEAR(root, BrentBracket(f, 3.0, 0.0, f(3.0), f(0.0), tol), 1e-15 + tol);
  }
  EXPECT_LE(std::fabs(BrentBracket(f, 0.0, 3.0, f(0.0), f(3.0), 1e-15) - root), 4e-16 * root);

  // Without a sign change both give the end with the smaller |f|, an end
  // where f is 0 is the root, and a value that is not a number never loops.
  auto positive = [](double x) { return x * x + 1.0; };
  EXPECT_EQ(-0.5, BrentBracket(positive, -0.5, 2.0, positive(-0.5), positive(2.0), 1e-10));
  EXPECT_EQ(-0.5, BisectBracket(positive, -0.5, 2.0, positive(-0.5), positive(2.0), 1e-10));
  EXPECT_EQ(2.0, BrentBracket(f, 2.0, 7.0, 0.0, 5.0, 1e-10));
  EXPECT_EQ(7.0, BisectBracket(f, 2.0, 7.0, 5.0, 0.0, 1e-10));
  auto bad = [](double x) { return x > 1.0 ? std::nan("") : x - 2.0; };
  EXPECT_TRUE(std::isfinite(BrentBracket(bad, 0.0, 3.0, -2.0, 1.0, 1e-12)));
  // Above magnitude 1 the tolerance is absolute: a large root is found to
  // a few units in its last place.
  auto far = [](double x) { return x - 1e12 - 0.25; };
  EXPECT_NEAR(1e12 + 0.25, BrentBracket(far, 0.0, 4e12, far(0.0), far(4e12), 1e-15), 1e-3);
}
