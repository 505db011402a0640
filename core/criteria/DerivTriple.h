// Forward-mode derivative arithmetic: the value of an expression with its
// first and second derivatives with respect to one variable.
#pragma once

#include <cmath>

struct DerivTriple {
  double u;   // value
  double d1;  // first derivative
  double d2;  // second derivative
};

// A parameter enters as (p, 1, 0), a constant as (k, 0, 0).
inline DerivTriple DerivTripleVariable(double p) {
  return DerivTriple{p, 1.0, 0.0};
}
inline DerivTriple DerivTripleConstant(double k) {
  return DerivTriple{k, 0.0, 0.0};
}

inline DerivTriple DerivTripleScale(double k, const DerivTriple& a) {
  return DerivTriple{k * a.u, k * a.d1, k * a.d2};
}
inline DerivTriple DerivTripleScaleRight(const DerivTriple& a, double k) {
  return DerivTripleScale(k, a);
}
inline DerivTriple DerivTripleDivideScalar(const DerivTriple& a, double k) {
  return DerivTriple{a.u / k, a.d1 / k, a.d2 / k};
}
inline DerivTriple DerivTripleAdd(const DerivTriple& a, const DerivTriple& b) {
  return DerivTriple{a.u + b.u, a.d1 + b.d1, a.d2 + b.d2};
}
inline DerivTriple DerivTripleAddScalarLeft(double k, const DerivTriple& a) {
  return DerivTriple{k + a.u, a.d1, a.d2};
}
inline DerivTriple DerivTripleAddScalar(const DerivTriple& a, double k) {
  return DerivTriple{a.u + k, a.d1, a.d2};
}
inline DerivTriple DerivTripleSubtractFromScalar(double k, const DerivTriple& a) {
  return DerivTriple{k - a.u, -a.d1, -a.d2};
}
inline DerivTriple DerivTripleMultiply(const DerivTriple& a, const DerivTriple& b) {
  return DerivTriple{a.u * b.u, a.d1 * b.u + a.u * b.d1,
                     a.d2 * b.u + 2.0 * a.d1 * b.d1 + a.u * b.d2};
}
inline DerivTriple DerivTripleDivide(const DerivTriple& a, const DerivTriple& b) {
  const double num = a.d1 * b.u - a.u * b.d1;
  return DerivTriple{a.u / b.u, num / (b.u * b.u),
                     ((a.d2 * b.u - b.d2 * a.u) * b.u - 2.0 * num * b.d1) / (b.u * b.u * b.u)};
}
inline DerivTriple DerivTripleSin(const DerivTriple& a) {
  const double s = std::sin(a.u);
  const double c = std::cos(a.u);
  return DerivTriple{s, a.d1 * c, a.d2 * c - a.d1 * a.d1 * s};
}
inline DerivTriple DerivTripleCos(const DerivTriple& a) {
  const double s = std::sin(a.u);
  const double c = std::cos(a.u);
  return DerivTriple{c, -a.d1 * s, -a.d1 * a.d1 * c - a.d2 * s};
}
inline DerivTriple DerivTripleTan(const DerivTriple& a) {
  const double t = std::tan(a.u);
  const double c = std::cos(a.u);
  const double sec2 = 1.0 / (c * c);
  return DerivTriple{t, a.d1 * sec2, a.d2 * sec2 + 2.0 * a.d1 * a.d1 * t * sec2};
}
