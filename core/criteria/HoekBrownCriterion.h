// Generalised Hoek-Brown criterion for intact rock and rock masses.
#pragma once

#include <vector>

#include "core/criteria/StrengthCriterion.h"

class CHoekBrownCriterion : public CStrengthCriterion {
 public:
  // Envelope application (EnvelopeApplication) as this model numbers it.
  enum {
    APPLICATION_GENERAL = 0,
    APPLICATION_TUNNELS = 1,
    APPLICATION_SLOPES = 2,
    APPLICATION_CUSTOM = 3
  };
  // Curve-fit methods (CurveFitMethod) of the lab and rock-mass fits.
  enum { FIT_LEVENBERG_MARQUARDT = 0, FIT_SIMPLEX = 1, FIT_LINEAR_REGRESSION = 2 };

  CHoekBrownCriterion();
  ~CHoekBrownCriterion() override;

  // Resets sigci, gamma and H to the unit system's defaults only when
  // neither point set has points. TRUE whenever the units changed.
  BOOL SetUnits(int units) override;

  double GetSig1(double sig3) const override;
  // Secant solution whatever a is; DBL_MAX when it fails.
  double GetSig3AtSigN(double sigN) const override;
  double GetSigNAtSig3(double sig3) const override;
  double GetTauAtSig3(double sig3) const override;
  // The three at once: the power terms are worked out once, with the same values as above.
  void GetFailurePointAtSig3(double sig3, double* sig1, double* sigN, double* tau) const override;
  // Closed form when a is exactly 0.5, else the secant solution. FALSE
  // (tau unwritten) when the secant solution fails.
  bool CalcTauAtSigN(double sigN, double* tau) const override;
  double GetMinSig3() const override;
  bool IsLinear() const override;
  double* GetEquivMCTau(double sigN, double* tau) const override;
  // Hoek-Brown's shear plot goes through CalcTauAtSigN: these three hand
  // back their argument.
  double GetSig1FromShear(double sigN) const override;
  double GetSig3FromShear(double sigN) const override;
  double GetTau(double sigN) const override;
  double GetMinSigN() const override;
  int GetCriterionType() const override;
  double GetEquivMCSig1(double sig3) const override;

  using CStrengthCriterion::GetParameters;
  void SetParameters(double sigci, double mi, double GSI, double D);
  void GetParameters(double* sigci, double* mi, double* GSI, double* D) const;
  void SetSigci(double sigci);

  // Nothing happens for the current method (method 2: with the same Ei);
  // otherwise stores the method (and Ei for method 2) and recomputes the
  // modulus only: sig3max and the application are kept.
  void SetModulusMethod(int method, double Ei);
  int GetModulusMethod() const;
  double GetIntactModulus() const;
  static double GetDefaultIntactModulus(int units);

  void GetRockMassStrengths(double* sigc, double* sigt, double* Em, double* sigcm) const;
  // Stores the four as given; sets sigt and sigc from them only.
  void SetRockMassConstants(double sigci, double mb, double s, double a);
  void GetRockMassConstants(double* sigci, double* mb, double* s, double* a) const;

  void SetEnvelopeRange(int application, double sig3max, double gamma, double H);
  void GetEnvelopeRange(int* application, double* sig3max, double* gamma, double* H) const;
  void UpdateSig3Max();

  // Equivalent Mohr-Coulomb line over [sigt, sig3max]; phi in degrees.
  // With sig3max at or below the tensile strength the range is empty and
  // the line is c = 0, phi = 0.
  void CalcEquivalentMC(double* c, double* phi);
  // Tangent line at sig3 (at the tensile limit for a sig3 below it); phi
  // in radians.
  void GetInstantaneousMC(double sig3, double* c, double* phi) const;

  // Shear strength at sigN for a = 0.5; FALSE (nothing written) otherwise.
  BOOL CalcTauAtSigNClosedForm(double sigN, double* tau) const;
  // Secant solution for any a; FALSE (nothing written) when it fails.
  BOOL SolveTauAtSigN(double sigN, double* tau) const;
  double GetSolvedSig3() const;

  // Residuals of the current parameters (lab or rock-mass rule by the
  // field data flag), stored with SetResiduals.
  void CalcResiduals(int n, const double* x, const double* y);

  void GetFieldDataFlag(BYTE* out) const;
  void SetFieldDataFlag(BYTE flag);

  // Fits (HoekBrownFits.cpp). On success: TRUE, outputs written, the
  // residual kept as BEST-FIT residuals. On failure (fewer than two
  // points, no convergence, failed decomposition): FALSE and the parameter
  // and residual outputs and the BEST-FIT residuals are left as they were;
  // the rock-mass fits still write mb, s and a from the mi and GSI outputs
  // when they had at least two points. The model's parameters never change.
  // The simplex fits restart a converged run from its best vertex while that
  // still lowers the residuals (the lab start vertices lie on one line).
  BOOL FitLabDataLM(double* mi, double* sigci, double* residuals);
  BOOL FitLabDataSimplex(double* mi, double* sigci, double* residuals);
  BOOL FitLabDataLinear(double* mi, double* sigci, double* residuals);
  BOOL FitRockMassDataLM(double* mi, double* GSI, double* mb, double* s, double* a,
                         double* residuals, double sigci, double D);
  BOOL FitRockMassDataSimplex(double* mi, double* GSI, double* mb, double* s, double* a,
                              double* residuals, double sigci, double D);

  // Model functions of the fits: value and derivatives at one point.
  // Lab (intact) model over (mi, sigci); rock-mass model over (mi, GSI).
  static void LabModelDerivs(double x, const double* p, double* y, double* dyda);
  static void RockMassModelDerivs(double x, const double* p, double sigci, double D, double* y,
                                  double* dyda);
  static double LabSimplexObjective(const double* p, const double* x, const double* y, int n);
  static double RockMassSimplexObjective(const double* p, const double* x, const double* y, int n,
                                         double sigci, double D);
  // Trial rules of the simplex fits (in place).
  static void LabSimplexTrial(double* p);
  static void RockMassSimplexTrial(double* p);
  // mb, s and a of the generalised criterion.
  static void RockMassConstants(double mi, double GSI, double D, double* mb, double* s, double* a);
  // Start sigci of the lab fits: the uniaxial strength of a Mohr-Coulomb
  // line fitted to the lab points, or a finite positive estimate when that
  // is not available.
  double LabStartSigci() const;

 protected:
  void Recalculate();
  void RecalculateModulus();
  double RangeSig3Max(int application) const;
  BOOL EquivalentLine(double* c, double* phi) const;
  // Ends a lab or rock-mass fit from its (unclamped) result: StoreFit with
  // the fits' residual rule; a rock-mass fit also writes mb, s and a of the
  // mi and GSI then in the outputs.
  BOOL StoreLabFit(double miFit, double sigciFit, const std::vector<double>& x,
                   const std::vector<double>& y, double* mi, double* sigci, double* residuals);
  BOOL StoreRockMassFit(BOOL converged, const double* best, const std::vector<double>& x,
                        const std::vector<double>& y, double sigci, double D, double* mi,
                        double* GSI, double* mb, double* s, double* a, double* residuals);
  void CachedEquivalentLine(double* c, double* phi) const;

  double m_mi;
  double m_GSI;
  double m_D;
  double m_sigci;
  double m_mb;
  double m_s;
  double m_a;
  double m_sigt;
  double m_Em;
  double m_sigc;
  double m_sigcm;
  double m_phiEquiv;
  double m_cEquiv;
  mutable double m_solvedSig3;
  BYTE m_fieldDataFlag;
  double m_Ei;
  int m_modulusMethod;
};
