// One-dimensional root searches and quadrature used by the curved-envelope
// models: bracket expansion, subinterval scan, bisection, Brent's method and
// 10-point Gauss-Legendre. F is any callable double -> double.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "framework/base/WinTypes.h"

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

// True when one value is negative and the other positive.
inline bool OppositeSigns(double f1, double f2) {
  return (f1 < 0.0 && f2 > 0.0) || (f1 > 0.0 && f2 < 0.0);
}

// Widens [*x1, *x2] until f changes sign or is 0 at an end: up to 50 times
// the end with the smaller |f| moves 1.6 widths outward, to wherever
// keep(from, to) lets it go (the model's domain rule). *f1 and *f2 receive
// f at the final ends.
template <class F, class K>
void WidenBracket(F f, double* x1, double* x2, K keep, double* f1, double* f2) {
  *f1 = f(*x1);
  *f2 = f(*x2);
  for (int j = 0; j < 50; j++) {
    if (OppositeSigns(*f1, *f2) || *f1 == 0.0 || *f2 == 0.0) return;
    if (std::fabs(*f1) < std::fabs(*f2)) {
      *x1 = keep(*x1, *x1 + 1.6 * (*x1 - *x2));
      *f1 = f(*x1);
    } else {
      *x2 = keep(*x2, *x2 + 1.6 * (*x2 - *x1));
      *f2 = f(*x2);
    }
  }
}

// Ends of a bracket that need no search: an end where f is 0, or, without
// a sign change, the end with the smaller |f|. FALSE when there is a
// bracketed root to search for.
inline bool TrivialRoot(double x1, double x2, double f1, double f2, double* root) {
  if (f1 == 0.0) {
    *root = x1;
  } else if (f2 == 0.0) {
    *root = x2;
  } else if (!OppositeSigns(f1, f2)) {
    *root = std::fabs(f1) <= std::fabs(f2) ? x1 : x2;
  } else {
    return false;
  }
  return true;
}

// The step below which a search stops: tol, relative to |x| above 1.
inline double RootTolerance(double tol, double x) {
  return tol * std::min(1.0, std::fabs(x));
}

// Bisection of [x1, x2] (f1, f2 the values there) from the end with the
// negative value. Stops when the step is below RootTolerance, when the
// midpoint no longer moves, or after 100 halvings, and returns the estimate
// in every case (TrivialRoot's answer without a sign change). Where f has
// several sign changes in the bracket, this fixes which one is found.
template <class F>
double BisectBracket(F f, double x1, double x2, double f1, double f2, double tol) {
  double root;
  if (TrivialRoot(x1, x2, f1, f2, &root)) return root;
  double rtb = f1 < 0.0 ? x1 : x2;
  double dx = f1 < 0.0 ? x2 - x1 : x1 - x2;
  for (int j = 0; j < 100; j++) {
    dx *= 0.5;
    const double xmid = rtb + dx;
    if (xmid == rtb) break;
    const double fmid = f(xmid);
    if (fmid <= 0.0) rtb = xmid;
    if (std::fabs(dx) < RootTolerance(tol, rtb) || fmid == 0.0) break;
  }
  return rtb;
}

// Brent's method on [x1, x2] (f1, f2 the values there): inverse quadratic
// interpolation and secant steps, with bisection whenever they would not
// shrink the bracket fast enough. For a single root in the bracket it ends,
// like BisectBracket, within RootTolerance (plus a few units in the last
// place) of the root, in far fewer evaluations.
template <class F>
double BrentBracket(F f, double x1, double x2, double f1, double f2, double tol) {
  double root;
  if (TrivialRoot(x1, x2, f1, f2, &root)) return root;
  double a = x1, b = x2, fa = f1, fb = f2;
  double c = b, fc = fb;
  double d = b - a, e = d;
  for (int iter = 0; iter < 200; iter++) {
    if ((fb > 0.0 && fc > 0.0) || (fb < 0.0 && fc < 0.0)) {
      // Keep the root between b (best so far) and c.
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol1 = 2.0 * DBL_EPSILON * std::fabs(b) + 0.5 * RootTolerance(tol, b);
    const double xm = 0.5 * (c - b);
    if (std::fabs(xm) <= tol1 || fb == 0.0) return b;
    if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p;
      double q;
      if (a == c) {
        // Secant.
        p = 2.0 * xm * s;
        q = 1.0 - s;
      } else {
        // Inverse quadratic through a, b and c.
        const double qa = fa / fc;
        const double r = fb / fc;
        p = s * (2.0 * xm * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0)
        q = -q;
      else
        p = -p;
      if (2.0 * p < std::min(3.0 * xm * q - std::fabs(tol1 * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = xm;
        e = d;
      }
    } else {
      d = xm;
      e = d;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol1 ? d : (xm > 0.0 ? tol1 : -tol1);
    fb = f(b);
  }
  return b;
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
