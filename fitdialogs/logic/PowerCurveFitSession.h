// The power-curve fit: a, d and b of y = a (x + d)^b from triaxial or direct-shear data, by
// Levenberg-Marquardt or simplex.
#pragma once

#include "core/criteria/PowerCurveCriterion.h"
#include "fitdialogs/logic/TwoTypeFitSession.h"

class CPowerCurveFitSession : public CTwoTypeFitSession {
 public:
  explicit CPowerCurveFitSession(CPowerCurveCriterion& model);

  std::vector<CString> MethodNames() const override;
  void Cancel() override;

  double A() const { return m_a; }
  double D() const { return m_d; }
  double B() const { return m_b; }

 protected:
  FitTarget Target() const override { return FitTarget::PowerCurve; }
  bool RunFit() override;
  void TakeModelParameters() override;
  CString FitFailureMessage() const override;
  ApplyResult ApplyParameters() override;
  CStrengthCriterion& ScratchModel() override;
  void SetSig3Max(CStrengthCriterion& model, double sig3max) override;

 private:
  CPowerCurveCriterion& m_pc;
  CPowerCurveCriterion m_saved;
  CPowerCurveCriterion m_scratch;
  double m_a = 0.0;
  double m_d = 0.0;
  double m_b = 0.0;
};
