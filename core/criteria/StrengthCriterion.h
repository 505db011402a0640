// Abstract base of the four failure-criterion models: units, test data,
// the state flag, the envelope table and the fit bookkeeping they share.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// Unit system of every stress, length and unit weight a model holds.
enum UnitsType {
  UNITS_MPA = 0,
  UNITS_KPA = 1,
  UNITS_TSM = 2,
  UNITS_KSI = 3,
  UNITS_KSF = 4,
  UNITS_PSI = 5,
  UNITS_PSF = 6,
  UNITS_TSF = 7,
  UNITS_COUNT = 8
};

enum FailureCriterion {
  CRITERION_HOEK_BROWN = 0,
  CRITERION_MOHR_COULOMB = 1,
  CRITERION_BARTON_BANDIS = 2,
  CRITERION_POWER_CURVE = 3
};

enum DataType { DATA_TRIAXIAL = 0, DATA_DIRECT_SHEAR = 1 };

// Envelope application of the Mohr-Coulomb, Barton-Bandis and power-curve
// models. The Hoek-Brown model numbers its applications differently (it has
// General first); see CHoekBrownCriterion::APPLICATION_*.
enum EnvelopeApplication {
  APPLICATION_TUNNELS = 0,
  APPLICATION_SLOPES = 1,
  APPLICATION_CUSTOM = 2
};

// Curve-fit methods every model numbers the same way. Linear regression is
// 1 for Mohr-Coulomb and 2 for Hoek-Brown: see the FIT_LINEAR_REGRESSION of
// CMohrCoulombCriterion and CHoekBrownCriterion.
enum CurveFitMethod { FIT_LEVENBERG_MARQUARDT = 0, FIT_SIMPLEX = 1 };

// Which point set the Hoek-Brown parameters come from.
enum DataSource { SOURCE_LAB = 0, SOURCE_ROCK_MASS = 1 };

// Hoek-Brown rock-mass modulus estimate.
enum ModulusMethod {
  MODULUS_SIMPLIFIED_HOEK_DIEDERICHS = 0,
  MODULUS_HOEK_CARRANZA_TORRES_CORKUM = 1,
  MODULUS_HOEK_DIEDERICHS = 2
};

// One point set: x is sig3 (triaxial) or normal stress (direct shear), y is
// sig1 or shear stress. count == x.size() == y.size() always.
struct TestDataSet {
  int count = 0;
  int test = 0;  // DataType of the test that produced the points
  std::vector<double> x;
  std::vector<double> y;
};

// One row of an envelope table.
struct EnvelopePoint {
  double sig1;
  double sig3;
  double sigN;
  double tau;
};

class CStrengthCriterion {
 public:
  // Builders never make more rows than this.
  enum { MAX_ENVELOPE_POINTS = 100000 };

  CStrengthCriterion();
  virtual ~CStrengthCriterion();

  CStrengthCriterion(const CStrengthCriterion&) = default;
  CStrengthCriterion& operator=(const CStrengthCriterion&) = default;

  // Units. The base refuses an index outside 0-7 or equal to the current
  // one (FALSE, nothing changed); each model extends it with its defaults.
  virtual BOOL SetUnits(int units);
  virtual int GetUnits() const;
  virtual CString GetStressUnitLabel(BOOL parentheses) const;
  virtual CString GetLengthUnitLabel(BOOL parentheses) const;
  virtual CString GetUnitWeightLabel(BOOL parentheses) const;
  void GetStressUnitLabel(CString& out, BOOL parentheses) const;
  void GetLengthUnitLabel(CString& out, BOOL parentheses) const;
  void GetUnitWeightLabel(CString& out, BOOL parentheses) const;
  static CString StressUnitLabel(int units, BOOL parentheses);
  static CString LengthUnitLabel(int units, BOOL parentheses);
  static CString UnitWeightLabel(int units, BOOL parentheses);

  // Data type (DataType). The getter writes through out (when not null)
  // and also returns it.
  virtual void SetDataType(int dataType);
  virtual int GetDataType(int* out) const;

  // Envelope evaluation.
  // Upper ends of the principal (sig3) and shear (sigN) tables.
  virtual double GetSig3Max() const;
  virtual double GetSig1(double sig3) const = 0;
  // sig3 of the failure circle touching the envelope at sigN; DBL_MAX when
  // there is none.
  virtual double GetSig3AtSigN(double sigN) const = 0;
  virtual double GetSigNAtSig3(double sig3) const = 0;
  virtual double GetTauAtSig3(double sig3) const = 0;
  // Shear strength at sigN through tau; false (tau unwritten) when it
  // cannot be found. Callers set *tau to 0 first.
  virtual bool CalcTauAtSigN(double sigN, double* tau) const = 0;
  virtual double GetMinSig3() const = 0;
  virtual bool IsLinear() const = 0;
  virtual double* GetEquivMCTau(double sigN, double* tau) const = 0;
  virtual double GetSignMax() const;
  virtual void SetSignMax(double signmax);
  virtual double GetSig1FromShear(double sigN) const = 0;
  virtual double GetSig3FromShear(double sigN) const = 0;
  virtual double GetTau(double sigN) const = 0;
  virtual double GetMinSigN() const = 0;
  virtual int GetCriterionType() const = 0;
  virtual double GetEquivMCSig1(double sig3) const = 0;
  // sig1, sigN and tau of the failure point at sig3 together (one row of the principal
  // table): GetSig1, GetSigNAtSig3 and GetTauAtSig3, which models may share work between.
  virtual void GetFailurePointAtSig3(double sig3, double* sig1, double* sigN, double* tau) const;

  // Lab point set. Element accessors assert their index in debug builds;
  // in release an index out of range reads 0.0 and writes nothing.
  virtual void SetLabData(int n, const double* x, const double* y);
  virtual int GetLabData(double* x, double* y) const;
  virtual void SetLabX(int i, double v);
  virtual double GetLabX(int i) const;
  virtual void SetLabY(int i, double v);
  virtual double GetLabY(int i) const;
  virtual void SetLabTest(int test);
  virtual int GetLabTest() const;
  virtual int GetLabCount() const;
  virtual void SetLabCount(int n);
  virtual int CopyLabData(const CStrengthCriterion* from);
  virtual void ClearLabData();

  // Sum of squared errors of the current parameters (-1.0 = none).
  virtual double GetResiduals() const;
  virtual void SetResiduals(double residuals);

  // Rock-mass point set, the twin of the lab set.
  virtual void SetRockMassData(int n, const double* x, const double* y);
  virtual int GetRockMassData(double* x, double* y) const;
  virtual void SetRockMassX(int i, double v);
  virtual double GetRockMassX(int i) const;
  virtual void SetRockMassY(int i, double v);
  virtual double GetRockMassY(int i) const;
  virtual void SetRockMassTest(int test);
  virtual int GetRockMassTest() const;
  virtual int GetRockMassCount() const;
  virtual void SetRockMassCount(int n);
  virtual int CopyRockMassData(const CStrengthCriterion* from);
  // Lab set <- count and points of from's rock-mass set, test of from's lab set.
  virtual int CopyLabDataFromRockMass(const CStrengthCriterion* from);
  // Rock-mass set <- count and points of from's lab set, test of from's rock-mass set.
  virtual int CopyRockMassDataFromLab(const CStrengthCriterion* from);
  virtual void ClearRockMassData();

  virtual void SetStateFlag(BYTE flag);
  virtual BYTE GetStateFlag() const;

  // The criterion's three parameters; the base (and Hoek-Brown, which has
  // four) writes nothing.
  virtual void GetParameters(double* p1, double* p2, double* p3) const;

  // Fit bookkeeping shared by all models. BEST-FIT residuals are stored by
  // a fit (-2.0 = none); the best-fit flag is set by the results display.
  double GetBestFitResiduals() const;
  void SetBestFitResiduals(double residuals);
  void SetBestFitFlag(BOOL flag);
  BOOL IsBestFit() const;
  int GetCurveFitMethod(int* out) const;
  void SetCurveFitMethod(int method);

  // Copies the base part (point sets, table, units, state flag, test
  // values, residuals, best-fit fields, fit method, data type).
  // Self-copy is a no-op.
  CStrengthCriterion& CopyFrom(const CStrengthCriterion& from);

  // Envelope tables; each returns the new table (nullptr for n <= 0),
  // valid until the next builder call, CopyFrom or destruction. n = 1
  // gives one row at the lower end; n is capped at MAX_ENVELOPE_POINTS.
  EnvelopePoint* BuildPrincipalEnvelope(int n);
  EnvelopePoint* BuildShearEnvelope(int n);
  EnvelopePoint* BuildTauEnvelope(int n);
  int GetEnvelopeCount() const;
  const EnvelopePoint* GetEnvelope() const;

  // Shared numerical routines (implemented in FitSolvers.cpp).
  // 2 x 2 solve: a becomes its inverse and b the solution. A singular
  // matrix returns FALSE with a its pseudo-inverse and b the
  // pseudo-inverse solution (the determined direction only).
  static BOOL GaussJordan(double a[2][2], double b[2]);
  // Re-orders a covariance matrix (ma x ma, row stride 3) for the mfit
  // fitted parameters flagged in ia; the identity when all are fitted.
  static void CovarianceSort(double covar[3][3], int ma, const int* ia, int mfit);
  static void SimplexColumnSums(const double p[][3], int vertices, int m, double* sums);
  // Straight-line least squares b = A + B x over (1, x) by SVD; a[0] = A,
  // a[1] = B. FALSE for n < 2 or a failed decomposition (a untouched).
  static BOOL SvdFit(const double* x, const double* b, int n, double a[2]);
  // Golub-Reinsch SVD of the n x m matrix u (row-major, n >= 1, m <= 3):
  // u is replaced by U, w gets the singular values, v (m x m, row-major)
  // gets V. FALSE when a singular value did not converge in 30 iterations.
  static BOOL SvdDecompose(double* u, int n, int m, double* w, double* v);
  static void SvdBackSubstitute(const double* u, const double* w, const double* v, int n, int m,
                                const double* b, double* x);
  static double Pythag(double a, double b);
  static void LineBasisFunctions(double x, double* p, int m);

 protected:
  // Public in the models whose range can be set directly.
  void SetSig3Max(double sig3max);
  // The load k gamma H of the range rules (k = 1/144 for ksi and psi).
  double RangeLoad() const;

  // The lab (or rock-mass) points of a fit; FALSE for fewer than two.
  BOOL GetLabFitPoints(std::vector<double>* x, std::vector<double>* y) const;
  BOOL GetRockMassFitPoints(std::vector<double>* x, std::vector<double>* y) const;
  // Ends a fit: FALSE (nothing written) unless sum and every value are
  // finite; else writes each value through its output, sum through
  // sumOfSquares, keeps sum as the BEST-FIT residuals and returns TRUE.
  BOOL StoreFit(std::initializer_list<std::pair<double*, double>> outputs, double sum,
                double* sumOfSquares);

  static void SetSetData(TestDataSet& set, int n, const double* x, const double* y);
  static void SetSetCount(TestDataSet& set, int n);
  static int GetSetData(const TestDataSet& set, double* x, double* y);
  static void SetSetValue(TestDataSet& set, std::vector<double>& values, int i, double v);
  static double GetSetValue(const TestDataSet& set, const std::vector<double>& values, int i);
  EnvelopePoint* NewTable(int n);

  int m_units;
  BYTE m_stateFlag;
  TestDataSet m_labData;
  TestDataSet m_rockMassData;
  std::vector<EnvelopePoint> m_envelope;

  // Envelope range and the inputs of the range rule (application, unit
  // weight gamma, depth H); CopyFrom leaves them to the models.
  int m_application;
  double m_sig3max;
  double m_signmax;
  double m_gamma;
  double m_H;

  double m_residuals;
  double m_bestFitResiduals;
  BYTE m_bestFitFlag;
  int m_curveFitMethod;
  int m_dataType;
};
