// Power-curve failure criterion tau = a (sigN + d)^b, for triaxial or
// direct-shear data: tangent failure circles, the principal-stress searches,
// equivalent and instantaneous Mohr-Coulomb lines, the plotted range and
// four fits of (a, d, b).
#pragma once

#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/StrengthCriterion.h"

class CPowerCurveCriterion : public CStrengthCriterion {
 public:
  CPowerCurveCriterion();
  ~CPowerCurveCriterion() override;
  CPowerCurveCriterion(const CPowerCurveCriterion&) = default;
  CPowerCurveCriterion& operator=(const CPowerCurveCriterion&) = default;

  // Changes the units and the atmospheric pressure; without lab points
  // also resets d to 0 and the range inputs to the unit defaults.
  BOOL SetUnits(int units) override;

  // sig1 at failure; -d when sig3 + d <= 1e-4.
  double GetSig1(double sig3) const override;
  // sig3 of the tangent circle at sigN; sigN itself where tau is 0.
  double GetSig3AtSigN(double sigN) const override;
  // Normal stress of the tangent point whose circle has this sig3 (-d at
  // or below -d, where every circle is the vertex).
  double GetSigNAtSig3(double sig3) const override;
  double GetTauAtSig3(double sig3) const override;
  // a (sigN + d)^b; false (tau untouched) left of the vertex.
  bool CalcTauAtSigN(double sigN, double* tau) const override;
  double GetMinSig3() const override;
  bool IsLinear() const override;
  // Points of the cached equivalent line; DBL_MAX while it is not computed.
  double* GetEquivMCTau(double sigN, double* tau) const override;
  double GetSig1FromShear(double sigN) const override;
  double GetSig3FromShear(double sigN) const override;
  double GetTau(double sigN) const override;
  double GetMinSigN() const override;
  int GetCriterionType() const override;
  double GetEquivMCSig1(double sig3) const override;
  void GetParameters(double* a, double* d, double* b) const override;
  // sig1 at sig3 = 0 (0.0 when d <= 1e-4).
  virtual double GetUniaxialStrength() const;
  virtual double GetPrincipalSlopeAngle() const;

  void SetParameters(double a, double d, double b);
  using CStrengthCriterion::SetSig3Max;
  double GetAtmosphericPressure() const;
  void SetAtmosphericPressure(double pa);
  // Tunnels and Slopes compute the range of the data type (sig3max, or
  // signmax through the tangent point), Custom takes the given range.
  void SetEnvelopeRange(int application, double range, double gamma, double H);
  void GetEnvelopeRange(int* application, double* range, double* gamma, double* H) const;
  // Tunnels and Slopes: sig3max and signmax from gamma and H.
  void UpdateSig3Max();

  // Tangent line at sigN; phi in radians.
  void GetInstantaneousMC(double sigN, double* c, double* phi) const;
  // Least-squares line over [-d, range end]; phi in degrees. FALSE
  // (outputs untouched, cache cleared) for an empty range.
  BOOL CalcEquivalentMC(double* c, double* phiDegrees);
  // Residuals of the current parameters over the points, stored.
  void CalcResiduals(int n, const double* x, const double* y);

  // Fits of (a, d, b) to the lab points. The parameter pointers carry the
  // caller's values in; on TRUE they hold the fit, the sum of squares is
  // written and stored as the BEST-FIT residuals. FALSE (fewer than two
  // points, no convergence, a singular system): nothing is written.
  BOOL FitTriaxialDataLM(double* a, double* d, double* b, double* sumOfSquares);
  BOOL FitTriaxialDataSimplex(double* a, double* d, double* b, double* sumOfSquares);
  BOOL FitShearDataLM(double* a, double* d, double* b, double* sumOfSquares);
  BOOL FitShearDataSimplex(double* a, double* d, double* b, double* sumOfSquares);

  // The normal stress t of the tangent point whose circle has sig3 = x,
  // for the curve (a, d, b), to 1e-15 (relative above 1); -d at or below
  // the vertex. Reads nothing of any model.
  static double ClosestCurvePoint(double a, double d, double b, double x);
  // The failure circle touching the curve (a, d, b) at t.
  static void TangentCircle(double a, double d, double b, double t, double* sig1, double* sig3);
  // Sum of squared errors of the fits' residual rule for the data type.
  static double FitSumOfSquares(int dataType, double a, double d, double b, int n, const double* x,
                                const double* y);

 private:
  // One-entry memory of the last tangent-point search: the principal table
  // asks GetSig1, GetSigNAtSig3 and GetTauAtSig3 for the same sig3 in turn.
  struct TangentCache {
    bool valid = false;
    double sig3 = 0.0;
    double a = 0.0;
    double d = 0.0;
    double b = 0.0;
    double t = 0.0;
  };

  // ClosestCurvePoint of this model's curve, remembered.
  double TangentPoint(double sig3) const;
  double Sig1AtTangent(double t) const;
  BOOL FitLM(bool triaxial, double* a, double* d, double* b, double* sumOfSquares);
  BOOL FitSimplex(bool triaxial, double* a, double* d, double* b, double* sumOfSquares);
  // Ends a fit from the iteration's (a, d, b): a > 0, d >= 0, b below 1
  // (and at least 0.5 with floorB), then StoreFit with FitSumOfSquares.
  BOOL StoreCurveFit(bool triaxial, const double* p, bool floorB, const std::vector<double>& x,
                     const std::vector<double>& y, double* a, double* d, double* b,
                     double* sumOfSquares);

  double m_d;
  double m_a;
  double m_b;
  double m_pa;
  criteria::EquivalentLine m_equiv;
  mutable TangentCache m_tangentCache;
};
