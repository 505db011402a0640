// Barton-Bandis joint shear strength model:
//   tau = sigN tan(phib + JRC log10(JCS / sigN))
// with the 70-degree rule (tau = 0 where the friction angle would exceed 70
// degrees), its tangent failure circles, equivalent and instantaneous
// Mohr-Coulomb lines, the plotted range and the JRC/JCS fits (phib held).
#pragma once

#include <vector>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/StrengthCriterion.h"

class CBartonBandisCriterion : public CStrengthCriterion {
 public:
  CBartonBandisCriterion();
  ~CBartonBandisCriterion() override;
  CBartonBandisCriterion(const CBartonBandisCriterion&) = default;
  CBartonBandisCriterion& operator=(const CBartonBandisCriterion&) = default;

  // Changes the units; without lab points also resets JCS, signmax, gamma
  // and H to the unit defaults and recomputes the range.
  BOOL SetUnits(int units) override;

  // sig1 of the failure circle whose sig3 is given (0.0 below 1e-5, where
  // the circle shrinks to a point at the origin).
  double GetSig1(double sig3) const override;
  double GetSig3AtSigN(double sigN) const override;
  // sigN of the tangent point (70-degree rule applied); 0.0 below 1e-5.
  double GetSigNAtSig3(double sig3) const override;
  double GetTauAtSig3(double sig3) const override;
  // Uncut shear strength; 0.0 below sigN = 1e-5. Always true.
  bool CalcTauAtSigN(double sigN, double* tau) const override;
  double GetMinSig3() const override;
  bool IsLinear() const override;
  // Points of the cached equivalent line; DBL_MAX while it is not computed.
  double* GetEquivMCTau(double sigN, double* tau) const override;
  double GetSig1FromShear(double sigN) const override;
  double GetSig3FromShear(double sigN) const override;
  // Shear strength with the 70-degree rule: 0.0 below sigNmin.
  double GetTau(double sigN) const override;
  // sigNmin, the normal stress at which the friction angle reaches 70
  // degrees (0 for JRC = 0). When no normal stress obeys the rule (JRC = 0
  // with phib above 70) the shear envelope collapses to signmax.
  double GetMinSigN() const override;
  int GetCriterionType() const override;
  double GetEquivMCSig1(double sig3) const override;
  void GetParameters(double* phib, double* jrc, double* jcs) const override;
  virtual double GetUniaxialStrength() const;
  virtual double GetPrincipalSlopeAngle() const;

  // Stores the three parameters (phib in degrees), nothing else.
  void SetParameters(double phib, double jrc, double jcs);
  // Tunnels and Slopes compute signmax from gamma and H, Custom takes the
  // given signmax, any other application leaves it.
  void SetEnvelopeRange(int application, double signmax, double gamma, double H);
  void GetEnvelopeRange(int* application, double* signmax, double* gamma, double* H) const;
  void SetApplication(int application);
  // Tunnels and Slopes: sig3max from gamma and H, signmax from sig3max.
  void UpdateSig3Max();
  using CStrengthCriterion::SetSig3Max;

  // Tangent line of the envelope at sigN: phi in radians.
  void GetInstantaneousMC(double sigN, double* c, double* phi) const;
  // Least-squares line over [GetMinSigN, GetSignMax]; phi in degrees.
  // FALSE (outputs untouched, cache cleared) for an empty range.
  BOOL CalcEquivalentMC(double* c, double* phi);
  // Residuals of the current parameters under the 70-degree rule (-1.0
  // when no point lies at or above sigNmin).
  void CalcResiduals(int n, const double* x, const double* y);

  // Fits of JRC and JCS to the lab points with phib (degrees) held: by
  // Levenberg-Marquardt seeded from the simplex, and by the simplex alone.
  // TRUE: the outputs hold the fit and its sum of squares, which is also
  // stored as the BEST-FIT residuals. FALSE (fewer than two points, no
  // convergence, or no point that obeys the 70-degree rule): outputs and
  // model untouched.
  BOOL FitShearData(double phib, double* jrc, double* jcs, double* sumOfSquares);
  BOOL FitShearDataSimplex(double phib, double* jrc, double* jcs, double* sumOfSquares);

  // Model arithmetic shared with the fits, for given parameters.
  static double Theta(double phib, double jrc, double jcs, double sigN);
  static double SigNMin(double phib, double jrc, double jcs);
  // Sum of squared shear errors over the points at or above sigNmin; -1.0
  // when there is none.
  static double SumOfSquares70(double phib, double jrc, double jcs, int n, const double* x,
                               const double* y);

 private:
  // One-entry memory of the last tangent-point search: the principal table
  // asks GetSig1, GetSigNAtSig3 and GetTauAtSig3 for the same sig3 in turn.
  struct TangentCache {
    bool valid = false;
    double sig3 = 0.0;
    double phib = 0.0;
    double jrc = 0.0;
    double jcs = 0.0;
    double sigN = 0.0;
  };

  double Slope(double sigN) const;
  // The circle touching the uncut curve at sigN (the point itself where
  // tau is 0); UncutCircle also makes it a point below the shear floor.
  void TangentCircleAt(double sigN, double* sig1, double* sig3) const;
  void UncutCircle(double sigN, double* sig1, double* sig3) const;
  // Normal stresses beyond which the friction angle leaves (-90, 90)
  // degrees; root searches stay between them.
  void SearchDomain(double* lo, double* hi) const;
  // Tangent point of the uncut curve for a sig3 (to 1e-15), remembered.
  double TangentPoint(double sig3) const;
  double TangentPointBySearch(double sig3) const;
  void CalcEquivalentMCIntegrals(double a, double b, double* j1, double* j2) const;
  BOOL RunSimplex(double phib, const double* x, const double* y, int n, double* jrc,
                  double* jcs) const;
  // Ends a fit: clamps JRC and JCS, measures them under the 70-degree rule
  // and stores them (StoreFit); FALSE when no point obeys the rule.
  BOOL StoreJointFit(double phib, double fitJrc, double fitJcs, const std::vector<double>& x,
                     const std::vector<double>& y, double* jrc, double* jcs, double* sumOfSquares);

  double m_jrc;
  double m_phib;
  double m_jcs;
  criteria::EquivalentLine m_equiv;
  mutable TangentCache m_tangentCache;
};
