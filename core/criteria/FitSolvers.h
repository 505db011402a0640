// Curve-fitting solvers shared by the criterion models: Levenberg-Marquardt,
// the downhill simplex and Gauss-Jordan elimination. Every fit keeps its own
// working state in the objects below, so fits are re-entrant.
// (Straight-line least squares by SVD: CStrengthCriterion::SvdFit.)
#pragma once

#include <vector>

#include "framework/base/WinTypes.h"

// ---------------------------------------------------------------------------
// Levenberg-Marquardt

// Model of a fit: value and partial derivatives at one point, and the rule
// that keeps a trial vector inside the parameter bounds.
class CLmModel {
 public:
  virtual ~CLmModel() {}
  // Writes the model value and dyda[0..m-1]; FALSE leaves the point out.
  virtual BOOL Evaluate(double x, const double* a, double* yfit, double* dyda) const = 0;
  // Evaluate for point i of the fit (x is its abscissa): a model may keep
  // something per point from one evaluation to the next.
  virtual BOOL EvaluatePoint(int /*i*/, double x, const double* a, double* yfit,
                             double* dyda) const {
    return Evaluate(x, a, yfit, dyda);
  }
  // trial = a + da, each parameter held inside its bounds by the model's
  // rule (typically trial = a + (bound - a)/2 for a step past a bound).
  virtual void MakeTrial(const double* a, const double* da, double* trial) const = 0;
};

// Tunables of the Levenberg-Marquardt driver.
struct LmSettings {
  LmSettings() = default;
  LmSettings(int run, int cap) : runLength(run), iterationCap(cap) {}
  double startLambda = 0.001;
  double lambdaGrowth = 10.0;
  double lambdaShrink = 0.1;
  double relativeTolerance = 1e-4;
  double toleranceFloor = 1e-4;
  int runLength = 10;
  int iterationCap = 10000;
};

// Working state of one Levenberg-Marquardt fit over a copy of the points.
class CLmFitState {
 public:
  enum { MAX_PARAMS = 3 };

  // m = 2 or 3 parameters.
  CLmFitState(const CLmModel& model, int m, const double* x, const double* y, int n,
              const LmSettings& settings = LmSettings());

  // One step. lambda < 0 starts the fit (evaluates at a); lambda == 0 forms
  // the covariance and changes nothing else. Returns FALSE when the linear
  // system was singular: two-parameter systems still take the
  // pseudo-inverse step (the determined direction only); three-parameter
  // systems take no step.
  BOOL Step(double* a);

  // Curvature matrix, gradient and chi-square at a.
  void NormalEquations(const double* a, double alpha[3][3], double beta[3], double* chisq) const;

  // The shared driver: start step, steps until a run of runLength steps
  // with |change of chi-square| <= tolerance, or the iteration cap. On
  // convergence a final covariance step runs, a holds the fit and the
  // result is TRUE. Otherwise a is left as it was passed in and the result
  // is FALSE. A start chi-square that is not finite fails at once.
  BOOL Run(double* a);

  int ParamCount() const { return m_m; }
  int PointCount() const { return (int)m_x.size(); }
  const double* X() const { return m_x.data(); }
  const double* Y() const { return m_y.data(); }

  double lambda;   // damping; set < 0 before the first Step
  double chisq;    // chi-square of the accepted point
  int iterations;  // step calls made by Run
  double covar[3][3];
  double alpha[3][3];
  double beta[3];

 private:
  const CLmModel& m_model;
  int m_m;
  std::vector<double> m_x;
  std::vector<double> m_y;
  LmSettings m_settings;
  double m_prevChisq;
  double m_trial[3];
  double m_da[3];
};

// ---------------------------------------------------------------------------
// Downhill simplex (Nelder-Mead)

class CSimplexObjective {
 public:
  virtual ~CSimplexObjective() {}
  virtual double Evaluate(const double* p) const = 0;
  // Holds a trial vertex near the bounds before it is evaluated.
  virtual void ApplyTrialRule(double* /*p*/) const {}
};

// Vertices, values, column sums and the evaluation count of one run.
class CSimplexState {
 public:
  enum { MAX_PARAMS = 3 };

  explicit CSimplexState(int m);

  // Sets vertex i and evaluates it (start evaluations are not counted).
  void SetVertex(int i, const double* v, const CSimplexObjective& f);

  // Runs to convergence (TRUE) or the evaluation cap (FALSE). Converged:
  // 2|y_high - y_low|/(|y_high| + |y_low|) below ftol, equal values (0/0
  // included), or a simplex collapsed to within a few units in the last
  // place (which ftol = 1e-20 could otherwise only meet by luck). In every
  // case the best vertex is moved to vertex 0. A value that is not a number
  // counts as +infinity.
  BOOL Minimize(const CSimplexObjective& f, double ftol = 1e-20, int cap = 5000);

  // One try with factor k through the face opposite vertex ihi.
  double Try(const CSimplexObjective& f, int ihi, double k);
  // TRUE when every vertex equals vertex ilo to within a few ulps.
  BOOL Collapsed(int ilo) const;

  int m;
  double p[MAX_PARAMS + 1][MAX_PARAMS];
  double y[MAX_PARAMS + 1];
  double sums[MAX_PARAMS];
  int evaluations;
};

// ---------------------------------------------------------------------------
// Gauss-Jordan elimination with full pivoting on an n x n system (n <= 3,
// row stride 3): a becomes its inverse and b the solution. FALSE (a and b in
// an undefined state) for a singular matrix.
BOOL GaussJordanSolve(double a[3][3], int n, double b[3]);
