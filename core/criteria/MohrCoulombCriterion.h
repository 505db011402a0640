// Straight Mohr-Coulomb envelope with a tension cut-off, and its fits.
#pragma once

#include "core/criteria/StrengthCriterion.h"

class CMohrCoulombCriterion : public CStrengthCriterion {
 public:
  // Curve-fit methods (CurveFitMethod) as this model numbers them.
  enum { FIT_LEVENBERG_MARQUARDT = 0, FIT_LINEAR_REGRESSION = 1 };
  // Upper bound of the fitted friction angle (89 degrees), radians.
  static const double kMaxFitPhi;

  CMohrCoulombCriterion();
  ~CMohrCoulombCriterion() override;

  // Resets c, phi, sigt, sig3max and signmax to the unit system's defaults
  // when the lab set is empty (TRUE). With lab points the units change and
  // nothing else: FALSE.
  BOOL SetUnits(int units) override;
  int GetDataType(int* out) const override;

  double GetSig1(double sig3) const override;
  double GetSig3AtSigN(double sigN) const override;
  double GetSigNAtSig3(double sig3) const override;
  double GetTauAtSig3(double sig3) const override;
  bool CalcTauAtSigN(double sigN, double* tau) const override;
  double GetMinSig3() const override;
  bool IsLinear() const override;
  // Hands back its input: writes sigN through tau.
  double* GetEquivMCTau(double sigN, double* tau) const override;
  double GetSig1FromShear(double sigN) const override;
  double GetSig3FromShear(double sigN) const override;
  double GetTau(double sigN) const override;
  double GetMinSigN() const override;
  int GetCriterionType() const override;
  // Hands back sig3.
  double GetEquivMCSig1(double sig3) const override;
  // c, phi (degrees), sigt.
  void GetParameters(double* c, double* phi, double* sigt) const override;

  // 2c tan(45 + phi/2).
  virtual double GetUniaxialStrength() const;
  // atan(N) in degrees: slope angle of the envelope in the sig1-sig3 plane.
  virtual double GetPrincipalSlopeAngle() const;

  void SetParameters(double c, double phi, double sigt);
  void SetCohesionFriction(double c, double phi);
  using CStrengthCriterion::SetSig3Max;

  // Triaxial data: Tunnels/Slopes compute sig3max from the global strength,
  // other values take range; only sig3max changes. Direct shear: signmax =
  // the sigN at that sig3 for Tunnels/Slopes, range for Custom, 1.0 for
  // any other value; only signmax changes.
  void SetEnvelopeRange(int application, double range, double gamma, double H);
  // range = sig3max (triaxial) or signmax (direct shear).
  void GetEnvelopeRange(int* application, double* range, double* gamma, double* H) const;

  void CalcResiduals(int n, const double* x, const double* y);

  // Fits on the lab set; phi in degrees. On success TRUE, the outputs
  // written and the sum kept as BEST-FIT residuals. On failure (fewer than
  // two points, no convergence, a failed decomposition, a triaxial slope
  // B <= 1) FALSE with every output and the BEST-FIT residuals untouched.
  BOOL FitTriaxialDataLM(double* c, double* phi, double* sigt, double* sumOfSquares);
  BOOL FitShearDataLM(double* c, double* phi, double* sigt, double* sumOfSquares);
  BOOL FitTriaxialDataLinear(double* c, double* phi, double* sigt, double* sumOfSquares);
  BOOL FitShearDataLinear(double* c, double* phi, double* sigt, double* sumOfSquares);

  // Model value and derivatives by (c, phi in radians) at one point.
  static BOOL TriaxialModelDerivs(double sig3, const double* a, double* sig1, double* dyda);
  static BOOL ShearModelDerivs(double sigN, const double* a, double* tau, double* dyda);
  // Sum of squared errors of (c, phi in radians) by the data type's model.
  static double SumOfSquares(BOOL shear, double c, double phiRad, const double* x, const double* y,
                             int n);

 protected:
  // phi in radians as the trigonometry uses it: held just inside
  // (-90, 90) degrees so a friction angle of 90 stays finite.
  double PhiRad() const;
  double K() const;
  double GlobalStrength() const;
  double RangeSig3(int application) const;
  BOOL FitLM(BOOL shear, double* c, double* phi, double* sigt, double* sumOfSquares);
  BOOL FitLinear(BOOL shear, double* c, double* phi, double* sigt, double* sumOfSquares);

  double m_c;
  double m_phi;
  double m_sigt;
};
