#include "core/criteria/FitSolvers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/criteria/StrengthCriterion.h"
#include "core/criteria/SvdCore.h"

// ---------------------------------------------------------------------------
// Small linear algebra

BOOL CStrengthCriterion::GaussJordan(double a[2][2], double b[2]) {
  const double det = a[0][0] * a[1][1] - a[0][1] * a[1][0];
  if (det != 0.0 && std::isfinite(det)) {
    const double inv[2][2] = {{a[1][1] / det, -a[0][1] / det}, {-a[1][0] / det, a[0][0] / det}};
    const double x0 = inv[0][0] * b[0] + inv[0][1] * b[1];
    const double x1 = inv[1][0] * b[0] + inv[1][1] * b[1];
    a[0][0] = inv[0][0];
    a[0][1] = inv[0][1];
    a[1][0] = inv[1][0];
    a[1][1] = inv[1][1];
    b[0] = x0;
    b[1] = x1;
    return TRUE;
  }
  // Singular: a matrix of rank one (or zero) has the pseudo-inverse
  // M^T / |M|^2, which solves for the determined direction and leaves the
  // other alone.
  const double norm2 =
      a[0][0] * a[0][0] + a[0][1] * a[0][1] + a[1][0] * a[1][0] + a[1][1] * a[1][1];
  double pinv[2][2] = {{0.0, 0.0}, {0.0, 0.0}};
  if (norm2 > 0.0 && std::isfinite(norm2)) {
    pinv[0][0] = a[0][0] / norm2;
    pinv[0][1] = a[1][0] / norm2;
    pinv[1][0] = a[0][1] / norm2;
    pinv[1][1] = a[1][1] / norm2;
  }
  double x0 = pinv[0][0] * b[0] + pinv[0][1] * b[1];
  double x1 = pinv[1][0] * b[0] + pinv[1][1] * b[1];
  if (!std::isfinite(x0) || !std::isfinite(x1)) x0 = x1 = 0.0;
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++) a[i][j] = pinv[i][j];
  b[0] = x0;
  b[1] = x1;
  return FALSE;
}

BOOL GaussJordanSolve(double a[3][3], int n, double b[3]) {
  if (n < 1 || n > 3) return FALSE;
  int pivoted[3] = {0, 0, 0};
  int rowOf[3] = {0, 0, 0};
  int colOf[3] = {0, 0, 0};
  for (int i = 0; i < n; i++) {
    // Full pivoting: the largest element among rows and columns not yet used.
    double big = -1.0;
    int irow = -1;
    int icol = -1;
    for (int j = 0; j < n; j++) {
      if (pivoted[j]) continue;
      for (int k = 0; k < n; k++) {
        if (!pivoted[k] && std::fabs(a[j][k]) > big) {
          big = std::fabs(a[j][k]);
          irow = j;
          icol = k;
        }
      }
    }
    if (irow < 0 || !(big > 0.0) || !std::isfinite(big)) return FALSE;
    pivoted[icol] = 1;
    if (irow != icol) {
      for (int l = 0; l < n; l++) std::swap(a[irow][l], a[icol][l]);
      std::swap(b[irow], b[icol]);
    }
    rowOf[i] = irow;
    colOf[i] = icol;
    const double pivinv = 1.0 / a[icol][icol];
    a[icol][icol] = 1.0;
    for (int l = 0; l < n; l++) a[icol][l] *= pivinv;
    b[icol] *= pivinv;
    for (int ll = 0; ll < n; ll++) {
      if (ll == icol) continue;
      const double dum = a[ll][icol];
      a[ll][icol] = 0.0;
      for (int l = 0; l < n; l++) a[ll][l] -= a[icol][l] * dum;
      b[ll] -= b[icol] * dum;
    }
  }
  // Undo the column interchanges on the inverse.
  for (int l = n - 1; l >= 0; l--) {
    if (rowOf[l] != colOf[l])
      for (int k = 0; k < n; k++) std::swap(a[k][rowOf[l]], a[k][colOf[l]]);
  }
  return TRUE;
}

void CStrengthCriterion::CovarianceSort(double covar[3][3], int ma, const int* ia, int mfit) {
  for (int i = mfit; i < ma; i++)
    for (int j = 0; j <= i; j++) covar[i][j] = covar[j][i] = 0.0;
  int k = mfit - 1;
  for (int j = ma - 1; j >= 0; j--) {
    if (!ia[j]) continue;
    for (int i = 0; i < ma; i++) std::swap(covar[i][k], covar[i][j]);
    for (int i = 0; i < ma; i++) std::swap(covar[k][i], covar[j][i]);
    k--;
  }
}

void CStrengthCriterion::SimplexColumnSums(const double p[][3], int vertices, int m, double* sums) {
  for (int j = 0; j < m; j++) {
    double s = 0.0;
    for (int i = 0; i < vertices; i++) s += p[i][j];
    sums[j] = s;
  }
}

// ---------------------------------------------------------------------------
// Linear least squares by SVD

double CStrengthCriterion::Pythag(double a, double b) {
  const double absa = std::fabs(a);
  const double absb = std::fabs(b);
  if (absa > absb) {
    const double r = absb / absa;
    return absa * std::sqrt(1.0 + r * r);
  }
  if (absb == 0.0) return 0.0;
  const double r = absa / absb;
  return absb * std::sqrt(1.0 + r * r);
}

void CStrengthCriterion::LineBasisFunctions(double x, double* p, int m) {
  if (m > 0) p[0] = 1.0;
  if (m > 1) p[1] = x;
}

BOOL CStrengthCriterion::SvdDecompose(double* u, int n, int m, double* w, double* v) {
  return SvdDecomposeLimited(u, n, m, w, v, 30);
}

void CStrengthCriterion::SvdBackSubstitute(const double* u, const double* w, const double* v, int n,
                                           int m, const double* b, double* x) {
  double t[3] = {0.0, 0.0, 0.0};
  for (int j = 0; j < m; j++) {
    if (w[j] == 0.0) continue;
    double s = 0.0;
    for (int i = 0; i < n; i++) s += u[i * m + j] * b[i];
    t[j] = s / w[j];
  }
  for (int j = 0; j < m; j++) {
    double s = 0.0;
    for (int k = 0; k < m; k++) s += v[j * m + k] * t[k];
    x[j] = s;
  }
}

BOOL CStrengthCriterion::SvdFit(const double* x, const double* b, int n, double a[2]) {
  const int m = 2;
  if (n < 2 || x == nullptr || b == nullptr) return FALSE;
  for (int i = 0; i < n; i++)
    if (!std::isfinite(x[i]) || !std::isfinite(b[i])) return FALSE;
  std::vector<double> u((size_t)n * m);
  for (int i = 0; i < n; i++) LineBasisFunctions(x[i], &u[(size_t)i * m], m);
  double w[2];
  double v[4];
  if (!SvdDecompose(u.data(), n, m, w, v)) return FALSE;
  const double wmax = std::max(w[0], w[1]);
  const double thresh = 1e-5 * wmax;
  for (int j = 0; j < m; j++)
    if (w[j] < thresh) w[j] = 0.0;
  double coef[2];
  SvdBackSubstitute(u.data(), w, v, n, m, b, coef);
  if (!std::isfinite(coef[0]) || !std::isfinite(coef[1])) return FALSE;
  a[0] = coef[0];
  a[1] = coef[1];
  return TRUE;
}

// ---------------------------------------------------------------------------
// Levenberg-Marquardt

CLmFitState::CLmFitState(const CLmModel& model, int m, const double* x, const double* y, int n,
                         const LmSettings& settings)
    : lambda(-1.0),
      chisq(0.0),
      iterations(0),
      m_model(model),
      m_m(std::min(std::max(m, 1), (int)MAX_PARAMS)),
      m_settings(settings),
      m_prevChisq(0.0) {
  if (n > 0 && x && y) {
    m_x.assign(x, x + n);
    m_y.assign(y, y + n);
  }
  for (int i = 0; i < 3; i++) {
    beta[i] = 0.0;
    m_trial[i] = 0.0;
    m_da[i] = 0.0;
    for (int j = 0; j < 3; j++) covar[i][j] = alpha[i][j] = 0.0;
  }
}

namespace {
// The sums of the normal equations for a fixed parameter count, so that the loops over the
// parameters unroll; the order of every sum is the same for any count.
template <int M>
double AccumulateNormalEquations(const CLmModel& model, const std::vector<double>& x,
                                 const std::vector<double>& y, const double* a, double al[3][3],
                                 double be[3]) {
  for (int j = 0; j < M; j++) {
    be[j] = 0.0;
    for (int k = 0; k < M; k++) al[j][k] = 0.0;
  }
  double sum = 0.0;
  double dyda[3] = {0.0, 0.0, 0.0};
  for (size_t i = 0; i < x.size(); i++) {
    double yfit = 0.0;
    if (!model.EvaluatePoint((int)i, x[i], a, &yfit, dyda)) continue;
    const double dy = y[i] - yfit;
    for (int j = 0; j < M; j++) {
      for (int k = 0; k <= j; k++) al[j][k] += dyda[j] * dyda[k];
      be[j] += dy * dyda[j];
    }
    sum += dy * dy;
  }
  for (int j = 1; j < M; j++)
    for (int k = 0; k < j; k++) al[k][j] = al[j][k];
  return sum;
}
}  // namespace

void CLmFitState::NormalEquations(const double* a, double al[3][3], double be[3],
                                  double* cs) const {
  switch (m_m) {
    case 1:
      *cs = AccumulateNormalEquations<1>(m_model, m_x, m_y, a, al, be);
      break;
    case 2:
      *cs = AccumulateNormalEquations<2>(m_model, m_x, m_y, a, al, be);
      break;
    default:
      *cs = AccumulateNormalEquations<3>(m_model, m_x, m_y, a, al, be);
      break;
  }
}

BOOL CLmFitState::Step(double* a) {
  const int m = m_m;
  if (lambda < 0.0) {
    lambda = m_settings.startLambda;
    NormalEquations(a, alpha, beta, &chisq);
    m_prevChisq = chisq;
    for (int j = 0; j < m; j++) m_trial[j] = a[j];
  }

  double work[3][3];
  for (int j = 0; j < m; j++) {
    for (int k = 0; k < m; k++) work[j][k] = alpha[j][k];
    work[j][j] = alpha[j][j] * (1.0 + lambda);
    m_da[j] = beta[j];
  }

  BOOL solved;
  if (m == 2) {
    double w2[2][2] = {{work[0][0], work[0][1]}, {work[1][0], work[1][1]}};
    solved = CStrengthCriterion::GaussJordan(w2, m_da);
    for (int j = 0; j < 2; j++)
      for (int k = 0; k < 2; k++) work[j][k] = w2[j][k];
  } else {
    solved = GaussJordanSolve(work, m, m_da);
  }

  if (lambda == 0.0) {
    for (int j = 0; j < m; j++)
      for (int k = 0; k < m; k++) covar[j][k] = work[j][k];
    const int all[3] = {1, 1, 1};
    CStrengthCriterion::CovarianceSort(covar, m, all, m);
    return solved;
  }
  if (!solved && m != 2) return FALSE;

  m_model.MakeTrial(a, m_da, m_trial);
  // Near the end of a fit lambda grows until the increment no longer changes a: the trial is
  // then a itself, whose chi-square is no lower than itself, so the step is rejected without
  // evaluating every point again.
  bool same = true;
  for (int j = 0; j < m; j++) same = same && m_trial[j] == a[j];
  if (same) {
    lambda *= m_settings.lambdaGrowth;
    chisq = m_prevChisq;
    return solved;
  }
  double trialAlpha[3][3];
  double trialBeta[3];
  NormalEquations(m_trial, trialAlpha, trialBeta, &chisq);
  if (chisq < m_prevChisq) {
    lambda *= m_settings.lambdaShrink;
    m_prevChisq = chisq;
    for (int j = 0; j < m; j++) {
      for (int k = 0; k < m; k++) alpha[j][k] = trialAlpha[j][k];
      beta[j] = trialBeta[j];
      a[j] = m_trial[j];
    }
  } else {
    lambda *= m_settings.lambdaGrowth;
    chisq = m_prevChisq;
  }
  return solved;
}

BOOL CLmFitState::Run(double* a) {
  const int m = m_m;
  double start[3];
  for (int j = 0; j < m; j++) start[j] = a[j];
  auto fail = [&]() {
    for (int j = 0; j < m; j++) a[j] = start[j];
    return FALSE;
  };

  if (m_x.size() < 2) return FALSE;
  lambda = -1.0;
  iterations = 1;
  if (!Step(a) && m != 2) return fail();
  if (!std::isfinite(chisq)) return fail();

  int run = 0;
  double tolerance = m_settings.toleranceFloor;
  for (;;) {
    iterations++;
    const double previous = chisq;
    if (!Step(a) && m != 2) return fail();
    if (run == 0)
      tolerance =
          std::max(std::fabs(chisq * m_settings.relativeTolerance), m_settings.toleranceFloor);
    if (std::fabs(previous - chisq) <= tolerance) {
      if (++run >= m_settings.runLength) break;
    } else {
      run = 0;
    }
    if (iterations >= m_settings.iterationCap) return fail();
  }
  lambda = 0.0;
  Step(a);
  for (int j = 0; j < m; j++)
    if (!std::isfinite(a[j])) return fail();
  return TRUE;
}

// ---------------------------------------------------------------------------
// Downhill simplex

namespace {
double Sanitize(double v) {
  return std::isnan(v) ? std::numeric_limits<double>::infinity() : v;
}
}  // namespace

CSimplexState::CSimplexState(int dims)
    : m(std::min(std::max(dims, 1), (int)MAX_PARAMS)), evaluations(0) {
  for (int i = 0; i <= MAX_PARAMS; i++) {
    y[i] = 0.0;
    for (int j = 0; j < MAX_PARAMS; j++) p[i][j] = 0.0;
  }
  for (int j = 0; j < MAX_PARAMS; j++) sums[j] = 0.0;
}

void CSimplexState::SetVertex(int i, const double* v, const CSimplexObjective& f) {
  if (i < 0 || i > m) return;
  for (int j = 0; j < m; j++) p[i][j] = v[j];
  y[i] = Sanitize(f.Evaluate(p[i]));
}

double CSimplexState::Try(const CSimplexObjective& f, int ihi, double k) {
  double trial[MAX_PARAMS];
  const double c1 = (1.0 - k) / m;
  const double c2 = c1 - k;
  for (int j = 0; j < m; j++) trial[j] = sums[j] * c1 - p[ihi][j] * c2;
  f.ApplyTrialRule(trial);
  const double ytry = Sanitize(f.Evaluate(trial));
  if (ytry < y[ihi]) {
    y[ihi] = ytry;
    for (int j = 0; j < m; j++) {
      sums[j] += trial[j] - p[ihi][j];
      p[ihi][j] = trial[j];
    }
  }
  return ytry;
}

BOOL CSimplexState::Collapsed(int ilo) const {
  // Every vertex within a few units in the last place of the best one: no
  // further step can change the values except by rounding.
  const double eps = std::numeric_limits<double>::epsilon();
  for (int i = 0; i <= m; i++) {
    for (int j = 0; j < m; j++) {
      const double scale = std::max(std::fabs(p[ilo][j]), std::fabs(p[i][j]));
      if (!(std::fabs(p[i][j] - p[ilo][j]) <= 4.0 * eps * scale)) return FALSE;
    }
  }
  return TRUE;
}

BOOL CSimplexState::Minimize(const CSimplexObjective& f, double ftol, int cap) {
  const int vertices = m + 1;
  for (int i = 0; i < vertices; i++) y[i] = Sanitize(y[i]);
  evaluations = 0;
  CStrengthCriterion::SimplexColumnSums(p, vertices, m, sums);

  auto bestFirst = [&](int ilo) {
    if (ilo == 0) return;
    std::swap(y[0], y[ilo]);
    for (int j = 0; j < m; j++) std::swap(p[0][j], p[ilo][j]);
  };

  for (;;) {
    int ilo = 0;
    int ihi;
    int inhi;
    if (y[0] > y[1]) {
      ihi = 0;
      inhi = 1;
    } else {
      ihi = 1;
      inhi = 0;
    }
    for (int i = 0; i < vertices; i++) {
      if (y[i] <= y[ilo]) ilo = i;
      if (y[i] > y[ihi]) {
        inhi = ihi;
        ihi = i;
      } else if (y[i] > y[inhi] && i != ihi) {
        inhi = i;
      }
    }
    const double yh = y[ihi];
    const double yl = y[ilo];
    // Equal values (0/0 included) count as converged.
    const double rtol = 2.0 * std::fabs(yh - yl) / (std::fabs(yh) + std::fabs(yl));
    if (yh == yl || rtol < ftol || Collapsed(ilo)) {
      bestFirst(ilo);
      return TRUE;
    }
    if (evaluations >= cap) {
      bestFirst(ilo);
      return FALSE;
    }
    evaluations += 2;
    double ytry = Try(f, ihi, -1.0);
    if (ytry <= y[ilo]) {
      Try(f, ihi, 2.0);
    } else if (ytry >= y[inhi]) {
      const double ysave = y[ihi];
      ytry = Try(f, ihi, 0.5);
      if (ytry >= ysave) {
        for (int i = 0; i < vertices; i++) {
          if (i == ilo) continue;
          for (int j = 0; j < m; j++) p[i][j] = 0.5 * (p[i][j] + p[ilo][j]);
          y[i] = Sanitize(f.Evaluate(p[i]));
        }
        evaluations += m;
        CStrengthCriterion::SimplexColumnSums(p, vertices, m, sums);
      }
    } else {
      evaluations -= 1;
    }
  }
}
