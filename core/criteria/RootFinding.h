// One-dimensional root searches and quadrature used by the curved-envelope
// models: bracket expansion, subinterval scan, bisection and 10-point
// Gauss-Legendre. F is any callable double -> double.
#pragma once

#include <cmath>

#include "framework/base/wintypes.h"

// Widens [*x1, *x2] until f changes sign: up to 50 times the end with the
// smaller |f| moves outward by 1.6 times the width. TRUE when a sign change
// was found; the interval is changed in place either way.
template <class F>
BOOL BracketRoot(F f, double* x1, double* x2) {
  const double factor = 1.6;
  double f1 = f(*x1);
  double f2 = f(*x2);
  for (int j = 0; j < 50; j++) {
    if (f1 * f2 < 0.0) return TRUE;
    if (std::fabs(f1) < std::fabs(f2)) {
      *x1 += factor * (*x1 - *x2);
      f1 = f(*x1);
    } else {
      *x2 += factor * (*x2 - *x1);
      f2 = f(*x2);
    }
  }
  return f1 * f2 < 0.0;
}

// Walks n equal pieces of [x1, x2] and reports the first whose end values
// have a product <= 0 in [*lo, *hi]. FALSE (outputs untouched) when none has.
template <class F>
BOOL ScanForSignChange(F f, double x1, double x2, int n, double* lo, double* hi) {
  if (n < 1) return FALSE;
  const double dx = (x2 - x1) / n;
  double x = x1;
  double fp = f(x);
  for (int i = 0; i < n; i++) {
    const double xn = x1 + (i + 1) * dx;
    const double fc = f(xn);
    if (fc * fp <= 0.0) {
      *lo = x;
      *hi = xn;
      return TRUE;
    }
    x = xn;
    fp = fc;
  }
  return FALSE;
}

// Bisection on [x1, x2] to tolerance tol: starts from the end with the
// negative value, moves to the midpoint whenever f there is <= 0, and stops
// when the step is below tol or f is exactly 0. Returns FALSE with *root
// untouched when f(x1) * f(x2) is not negative (no bracketed root, or a value
// that is not a number), and FALSE with *root = 0.0 after 100 halvings.
template <class F>
BOOL BisectRoot(F f, double x1, double x2, double tol, double* root) {
  const double f1 = f(x1);
  const double f2 = f(x2);
  if (!(f1 * f2 < 0.0)) return FALSE;
  double rtb;
  double dx;
  if (f1 < 0.0) {
    rtb = x1;
    dx = x2 - x1;
  } else {
    rtb = x2;
    dx = x1 - x2;
  }
  for (int j = 0; j < 100; j++) {
    dx *= 0.5;
    const double xmid = rtb + dx;
    const double fmid = f(xmid);
    if (fmid <= 0.0) rtb = xmid;
    if (std::fabs(dx) < tol || fmid == 0.0) {
      *root = rtb;
      return TRUE;
    }
  }
  *root = 0.0;
  return FALSE;
}

// Integral of f over [a, b] by the 10-point Gauss-Legendre rule.
template <class F>
double GaussLegendre10(F f, double a, double b) {
  static const double x[5] = {0.1488743389, 0.4333953941, 0.6794095682, 0.8650633666, 0.9739065285};
  static const double w[5] = {0.2955242247, 0.2692667193, 0.2190863625, 0.1494513491, 0.0666713443};
  const double xm = 0.5 * (b + a);
  const double xr = 0.5 * (b - a);
  double s = 0.0;
  for (int j = 0; j < 5; j++) {
    const double dx = xr * x[j];
    s += w[j] * (f(xm + dx) + f(xm - dx));
  }
  return s * xr;
}
