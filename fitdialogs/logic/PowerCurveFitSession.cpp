#include "fitdialogs/logic/PowerCurveFitSession.h"

#include "framework/base/NumberText.h"

CPowerCurveFitSession::CPowerCurveFitSession(CPowerCurveCriterion& model)
    : CTwoTypeFitSession(model), m_pc(model), m_saved(model) {
  m_pc.GetParameters(&m_a, &m_d, &m_b);
  TakeMethodFromModel(2);
}

std::vector<CString> CPowerCurveFitSession::MethodNames() const {
  return {"Levenberg-Marquardt", "Simplex"};
}

void CPowerCurveFitSession::Cancel() {
  m_pc = m_saved;
}

bool CPowerCurveFitSession::RunFit() {
  const bool shear = DataType() == DATA_DIRECT_SHEAR;
  switch (m_method) {
    case FIT_LEVENBERG_MARQUARDT:
      return (shear ? m_pc.FitShearDataLM(&m_a, &m_d, &m_b, &m_residual)
                    : m_pc.FitTriaxialDataLM(&m_a, &m_d, &m_b, &m_residual)) != FALSE;
    case FIT_SIMPLEX:
      return (shear ? m_pc.FitShearDataSimplex(&m_a, &m_d, &m_b, &m_residual)
                    : m_pc.FitTriaxialDataSimplex(&m_a, &m_d, &m_b, &m_residual)) != FALSE;
  }
  return false;
}

void CPowerCurveFitSession::TakeModelParameters() {
  m_pc.GetParameters(&m_a, &m_d, &m_b);
}

CString CPowerCurveFitSession::FitFailureMessage() const {
  return "Invalid analysis.\nPower Curve model could not be fit to data due to numerical "
         "instabilities.";
}

CStrengthCriterion& CPowerCurveFitSession::ScratchModel() {
  m_scratch = CPowerCurveCriterion();
  m_scratch.SetUnits(m_pc.GetUnits());
  m_scratch.SetDataType(DataType());
  m_scratch.SetParameters(m_a, m_d, m_b);
  return m_scratch;
}

void CPowerCurveFitSession::SetSig3Max(CStrengthCriterion& model, double sig3max) {
  static_cast<CPowerCurveCriterion&>(model).SetSig3Max(sig3max);
}

ApplyResult CPowerCurveFitSession::ApplyParameters() {
  ApplyResult result;
  if (!(m_a >= 0.0))
    return ApplyResult::Refused("a = " + FormatNumber("%g", m_a) +
                                "\nThis is invalid.\n(a should not be negative)");
  if (!(m_b >= 0.0 && m_b <= 1.0))
    return ApplyResult::Refused("Invalid b, b should be from 0 to 1");
  const int dataType = DataType();
  if (m_tests >= 1) {
    int application;
    double range, gamma, H;
    m_pc.GetEnvelopeRange(&application, &range, &gamma, &H);
    const double sig3max = m_pc.GetSig3Max();
    m_pc.SetParameters(m_a, m_d, m_b);
    m_pc.SetEnvelopeRange(APPLICATION_CUSTOM, sig3max, gamma, H);
  }
  m_pc.SetDataType(dataType);
  return result;
}
