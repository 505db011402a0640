#include "fitdialogs/logic/RockMassFitSession.h"

#include "fitdialogs/logic/HoekBrownFitSession.h"

CRockMassFitSession::CRockMassFitSession(CHoekBrownCriterion& model)
    : CFitSession(model), m_hb(model), m_saved(model) {
  m_hb.GetParameters(&m_sigci, &m_mi, &m_GSI, &m_D);
  double sigci = 0.0;
  m_hb.GetRockMassConstants(&sigci, &m_mb, &m_s, &m_a);
  // Linear regression (2) is a lab-data method only.
  TakeMethodFromModel(2);
  m_largestSig3 = m_hb.GetSig3Max();
}

std::vector<CString> CRockMassFitSession::MethodNames() const {
  return {"Levenberg-Marquardt", "Simplex"};
}

void CRockMassFitSession::Cancel() {
  m_hb = m_saved;
}

void CRockMassFitSession::SetInputs(double sigci, double D) {
  m_sigci = sigci;
  m_D = D;
}

bool CRockMassFitSession::RunFit() {
  switch (m_method) {
    case CHoekBrownCriterion::FIT_LEVENBERG_MARQUARDT:
      return m_hb.FitRockMassDataLM(&m_mi, &m_GSI, &m_mb, &m_s, &m_a, &m_residual, m_sigci, m_D) !=
             FALSE;
    case CHoekBrownCriterion::FIT_SIMPLEX:
      return m_hb.FitRockMassDataSimplex(&m_mi, &m_GSI, &m_mb, &m_s, &m_a, &m_residual, m_sigci,
                                         m_D) != FALSE;
  }
  return false;
}

void CRockMassFitSession::TakeModelParameters() {
  // The typed sigci and D stay: only the fitted values come from the model.
  m_hb.GetParameters(nullptr, &m_mi, &m_GSI, nullptr);
  m_hb.GetRockMassConstants(nullptr, &m_mb, &m_s, &m_a);
}

void CRockMassFitSession::PointsPlaced(double largestX, double) {
  m_largestSig3 = largestX;
}

FitSeries CRockMassFitSession::Envelope(double largestX, double) {
  return HoekBrownEnvelope(m_sigci, m_mb, m_s, m_a, largestX);
}

ApplyResult CRockMassFitSession::ApplyParameters() {
  if (!(m_sigci >= 1e-7)) return ApplyResult::Refused(kInvalidSigciMessage);
  if (WriteHoekBrownFit(m_hb, m_tests, m_sigci, m_mi, m_GSI, m_D, m_largestSig3))
    m_hb.SetFieldDataFlag(SOURCE_ROCK_MASS);
  return ApplyResult();
}
