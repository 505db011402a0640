// Golub-Reinsch singular value decomposition with a chosen QR iteration
// limit (CStrengthCriterion::SvdDecompose uses 30).
#pragma once

#include "framework/base/WinTypes.h"

// u: n x m row-major (1 <= m <= 3), replaced by U (n x m); w: m singular
// values (not sorted, all >= 0); v: m x m row-major V, so that
// A = U diag(w) V^T. FALSE when an element is not finite or a singular value
// has not converged within iterationLimit QR iterations.
BOOL SvdDecomposeLimited(double* u, int n, int m, double* w, double* v, int iterationLimit);
