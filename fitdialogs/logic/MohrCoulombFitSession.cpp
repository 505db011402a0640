#include "fitdialogs/logic/MohrCoulombFitSession.h"

#include "framework/base/NumberText.h"

CMohrCoulombFitSession::CMohrCoulombFitSession(CMohrCoulombCriterion& model)
    : CTwoTypeFitSession(model), m_mc(model), m_saved(model) {
  m_mc.GetParameters(&m_c, &m_phi, &m_sigt);
  TakeMethodFromModel(2);
}

std::vector<CString> CMohrCoulombFitSession::MethodNames() const {
  return {"Levenberg-Marquardt", "Linear Regression"};
}

void CMohrCoulombFitSession::Cancel() {
  m_mc = m_saved;
}

bool CMohrCoulombFitSession::RunFit() {
  const bool shear = DataType() == DATA_DIRECT_SHEAR;
  switch (m_method) {
    case CMohrCoulombCriterion::FIT_LEVENBERG_MARQUARDT:
      return (shear ? m_mc.FitShearDataLM(&m_c, &m_phi, &m_sigt, &m_residual)
                    : m_mc.FitTriaxialDataLM(&m_c, &m_phi, &m_sigt, &m_residual)) != FALSE;
    case CMohrCoulombCriterion::FIT_LINEAR_REGRESSION:
      return (shear ? m_mc.FitShearDataLinear(&m_c, &m_phi, &m_sigt, &m_residual)
                    : m_mc.FitTriaxialDataLinear(&m_c, &m_phi, &m_sigt, &m_residual)) != FALSE;
  }
  return false;
}

void CMohrCoulombFitSession::TakeModelParameters() {
  m_mc.GetParameters(&m_c, &m_phi, &m_sigt);
}

CStrengthCriterion& CMohrCoulombFitSession::ScratchModel() {
  m_scratch = CMohrCoulombCriterion();
  m_scratch.SetUnits(m_mc.GetUnits());
  m_scratch.SetDataType(DataType());
  m_scratch.SetParameters(m_c, m_phi, m_sigt);
  return m_scratch;
}

void CMohrCoulombFitSession::SetSig3Max(CStrengthCriterion& model, double sig3max) {
  static_cast<CMohrCoulombCriterion&>(model).SetSig3Max(sig3max);
}

ApplyResult CMohrCoulombFitSession::ApplyParameters() {
  ApplyResult result;
  if (!(m_c >= 0.0))
    return ApplyResult::Refused("c = " + FormatNumber("%g", m_c) +
                                "\nThis is invalid.\n(cohesion should be a positive value)");
  // tan(45 + phi/2) has no finite value from phi = 90 on.
  if (!(m_phi >= 0.0 && m_phi < 90.0))
    return ApplyResult::Refused(
        "phi = " + FormatNumber("%g", m_phi) +
        "\nThis is invalid.\n(phi should be from 0 to less than 90 degrees)");
  if (m_tests < 1) return result;
  int application;
  double range, gamma, H;
  m_mc.GetEnvelopeRange(&application, &range, &gamma, &H);
  const double sig3max = m_mc.GetSig3Max();
  const int dataType = DataType();
  m_mc.SetParameters(m_c, m_phi, m_sigt);
  m_mc.SetEnvelopeRange(APPLICATION_CUSTOM, sig3max, gamma, H);
  m_mc.SetDataType(dataType);
  return result;
}
