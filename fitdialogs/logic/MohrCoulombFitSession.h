// The Mohr-Coulomb fit: c, phi and the tensile strength from triaxial or direct-shear data, by
// Levenberg-Marquardt or linear regression.
#pragma once

#include "core/criteria/MohrCoulombCriterion.h"
#include "fitdialogs/logic/TwoTypeFitSession.h"

class CMohrCoulombFitSession : public CTwoTypeFitSession {
 public:
  explicit CMohrCoulombFitSession(CMohrCoulombCriterion& model);

  std::vector<CString> MethodNames() const override;
  void Cancel() override;

  double C() const { return m_c; }
  double Phi() const { return m_phi; }
  double Sigt() const { return m_sigt; }

 protected:
  FitTarget Target() const override { return FitTarget::MohrCoulomb; }
  bool RunFit() override;
  void TakeModelParameters() override;
  ApplyResult ApplyParameters() override;
  CStrengthCriterion& ScratchModel() override;
  void SetSig3Max(CStrengthCriterion& model, double sig3max) override;

 private:
  CMohrCoulombCriterion& m_mc;
  CMohrCoulombCriterion m_saved;
  CMohrCoulombCriterion m_scratch;
  double m_c = 0.0;
  double m_phi = 0.0;
  double m_sigt = 0.0;
};
