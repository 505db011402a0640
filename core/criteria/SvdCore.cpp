#include "core/criteria/SvdCore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/criteria/StrengthCriterion.h"

namespace {
// Householder vector for v[0..len-1]: afterwards (I - beta v v^T) x = alpha e1 for the x that v
// held. Returns alpha; beta = 0 means identity.
double MakeHouseholder(double* v, int len, double& beta) {
  double scale = 0.0;
  for (int i = 0; i < len; i++) scale = std::max(scale, std::fabs(v[i]));
  beta = 0.0;
  if (scale == 0.0) return 0.0;
  double s = 0.0;
  for (int i = 0; i < len; i++) s += (v[i] / scale) * (v[i] / scale);
  const double norm = scale * std::sqrt(s);
  const double alpha = v[0] > 0.0 ? -norm : norm;
  v[0] -= alpha;
  double vv = 0.0;
  for (int i = 0; i < len; i++) vv += (v[i] / scale) * (v[i] / scale);
  vv *= scale * scale;
  if (vv > 0.0) beta = 2.0 / vv;
  return alpha;
}

void RotateColumns(double* mat, int rows, int cols, int c1, int c2, double c,
                   double s) {
  for (int r = 0; r < rows; r++) {
    const double x = mat[(size_t)r * cols + c1];
    const double z = mat[(size_t)r * cols + c2];
    mat[(size_t)r * cols + c1] = x * c + z * s;
    mat[(size_t)r * cols + c2] = z * c - x * s;
  }
}
}  // namespace

BOOL SvdDecomposeLimited(double* u, int n, int m, double* w, double* v, int iterationLimit) {
  if (n < 1 || m < 1 || m > 3) return FALSE;
  for (int i = 0; i < n * m; i++)
    if (!std::isfinite(u[i])) return FALSE;

  // Work on at least m rows (extra rows are zero).
  const int rows = std::max(n, m);
  std::vector<double> a((size_t)rows * m, 0.0);
  std::copy(u, u + (size_t)n * m, a.begin());
  auto A = [&](int r, int c) -> double& { return a[(size_t)r * m + c]; };

  // 1. Householder reduction to upper bidiagonal form: diagonal d,
  //    superdiagonal e (e[i] couples d[i-1] and d[i]; e[0] = 0). At most three columns: the
  //    small vectors live on the stack (a line fit runs this on every start of a fit).
  double d[3] = {0.0, 0.0, 0.0};
  double e[3] = {0.0, 0.0, 0.0};
  std::vector<double> leftV((size_t)rows * m);  // reflection k at k * rows, rows - k long
  double rightV[3][2] = {{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}};
  double leftBeta[3] = {0.0, 0.0, 0.0};
  double rightBeta[3] = {0.0, 0.0, 0.0};
  for (int k = 0; k < m; k++) {
    // Left reflection: zero column k below the diagonal.
    double* hv = &leftV[(size_t)k * rows];
    for (int r = k; r < rows; r++) hv[r - k] = A(r, k);
    double beta = 0.0;
    d[k] = MakeHouseholder(hv, rows - k, beta);
    if (beta != 0.0) {
      for (int c = k; c < m; c++) {
        double s = 0.0;
        for (int r = k; r < rows; r++) s += hv[r - k] * A(r, c);
        s *= beta;
        for (int r = k; r < rows; r++) A(r, c) -= s * hv[r - k];
      }
    } else {
      d[k] = A(k, k);
    }
    leftBeta[k] = beta;

    // Right reflection: zero row k right of the superdiagonal.
    if (k + 1 < m) {
      double* gv = rightV[k];
      for (int c = k + 1; c < m; c++) gv[c - k - 1] = A(k, c);
      double gbeta = 0.0;
      double alpha = MakeHouseholder(gv, m - k - 1, gbeta);
      if (gbeta != 0.0) {
        for (int r = k; r < rows; r++) {
          double s = 0.0;
          for (int c = k + 1; c < m; c++) s += A(r, c) * gv[c - k - 1];
          s *= gbeta;
          for (int c = k + 1; c < m; c++) A(r, c) -= s * gv[c - k - 1];
        }
      } else {
        alpha = A(k, k + 1);
      }
      e[k + 1] = alpha;
      rightBeta[k] = gbeta;
    }
  }

  // 2. Accumulate U (rows x m) and V (m x m) from the reflections.
  std::vector<double> U((size_t)rows * m, 0.0);
  for (int i = 0; i < m; i++) U[(size_t)i * m + i] = 1.0;
  for (int k = m - 1; k >= 0; k--) {
    if (leftBeta[k] == 0.0) continue;
    const double* hv = &leftV[(size_t)k * rows];
    for (int c = 0; c < m; c++) {
      double s = 0.0;
      for (int r = k; r < rows; r++) s += hv[r - k] * U[(size_t)r * m + c];
      s *= leftBeta[k];
      for (int r = k; r < rows; r++) U[(size_t)r * m + c] -= s * hv[r - k];
    }
  }
  double V[9] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
  for (int i = 0; i < m; i++) V[(size_t)i * m + i] = 1.0;
  for (int k = m - 2; k >= 0; k--) {
    if (rightBeta[k] == 0.0) continue;
    const double* gv = rightV[k];
    for (int c = 0; c < m; c++) {
      double s = 0.0;
      for (int r = k + 1; r < m; r++) s += gv[r - k - 1] * V[(size_t)r * m + c];
      s *= rightBeta[k];
      for (int r = k + 1; r < m; r++) V[(size_t)r * m + c] -= s * gv[r - k - 1];
    }
  }

  // 3. Diagonalise the bidiagonal matrix by implicit-shift QR.
  double anorm = 0.0;
  for (int i = 0; i < m; i++) anorm = std::max(anorm, std::fabs(d[i]) + std::fabs(e[i]));
  const double eps = std::numeric_limits<double>::epsilon();
  auto negligible = [&](double x) { return std::fabs(x) <= eps * anorm; };

  for (int k = m - 1; k >= 0; k--) {
    for (int its = 1;; its++) {
      // Find the top l of the unreduced block ending at k.
      int l = k;
      bool cancel = false;
      for (; l >= 0; l--) {
        if (l == 0 || negligible(e[l])) break;
        if (negligible(d[l - 1])) {
          cancel = true;
          break;
        }
      }
      if (cancel) {
        // d[l-1] is zero: chase e[l] out with rotations from the left.
        double c = 0.0;
        double s = 1.0;
        for (int i = l; i <= k; i++) {
          const double f = s * e[i];
          e[i] = c * e[i];
          if (negligible(f)) break;
          const double g = d[i];
          const double h = CStrengthCriterion::Pythag(f, g);
          d[i] = h;
          c = g / h;
          s = -f / h;
          RotateColumns(U.data(), rows, m, l - 1, i, c, s);
        }
      }
      const double z = d[k];
      if (l == k) {
        if (z < 0.0) {
          d[k] = -z;
          for (int r = 0; r < m; r++) V[(size_t)r * m + k] = -V[(size_t)r * m + k];
        }
        break;
      }
      if (its > iterationLimit) return FALSE;

      // Shift from the trailing 2 x 2 block.
      double x = d[l];
      double y = d[k - 1];
      double g = e[k - 1];
      double h = e[k];
      double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
      g = CStrengthCriterion::Pythag(f, 1.0);
      f = ((x - z) * (x + z) + h * ((y / (f + std::copysign(g, f))) - h)) / x;

      // QR sweep from l to k.
      double c = 1.0;
      double s = 1.0;
      for (int j = l; j < k; j++) {
        const int i = j + 1;
        g = e[i];
        y = d[i];
        h = s * g;
        g = c * g;
        double zz = CStrengthCriterion::Pythag(f, h);
        e[j] = zz;
        c = f / zz;
        s = h / zz;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        RotateColumns(V, m, m, j, i, c, s);
        zz = CStrengthCriterion::Pythag(f, h);
        d[j] = zz;
        if (zz != 0.0) {
          c = f / zz;
          s = h / zz;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        RotateColumns(U.data(), rows, m, j, i, c, s);
      }
      e[l] = 0.0;
      e[k] = f;
      d[k] = x;
    }
  }

  std::copy(U.begin(), U.begin() + (size_t)n * m, u);
  for (int i = 0; i < m; i++) w[i] = d[i];
  std::copy(V, V + (size_t)m * m, v);
  return TRUE;
}
