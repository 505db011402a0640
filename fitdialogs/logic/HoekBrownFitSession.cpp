#include "fitdialogs/logic/HoekBrownFitSession.h"

#include "framework/base/NumberText.h"

const char kInvalidSigciMessage[] = "Invalid sigci, sigci should be greater than 1.e-007 for rock";

CString InvalidMiMessage(double mi) {
  return "mi = " + FormatNumber("%g", mi) + "\nThis is invalid.\n(mi should be in the range 1-50 for rock)";
}

CHoekBrownFitSession::CHoekBrownFitSession(CHoekBrownCriterion& model)
    : CFitSession(model), m_hb(model), m_saved(model) {
  m_hb.GetParameters(&m_sigci, &m_mi, nullptr, nullptr);
  TakeMethodFromModel(3);
  m_largestSig3 = m_hb.GetSig3Max();
}

std::vector<CString> CHoekBrownFitSession::MethodNames() const {
  return {"Levenberg-Marquardt", "Simplex", "Linear Regression"};
}

void CHoekBrownFitSession::Cancel() {
  m_hb = m_saved;
}

bool CHoekBrownFitSession::RunFit() {
  switch (m_method) {
    case CHoekBrownCriterion::FIT_LEVENBERG_MARQUARDT:
      return m_hb.FitLabDataLM(&m_mi, &m_sigci, &m_residual) != FALSE;
    case CHoekBrownCriterion::FIT_SIMPLEX:
      return m_hb.FitLabDataSimplex(&m_mi, &m_sigci, &m_residual) != FALSE;
    case CHoekBrownCriterion::FIT_LINEAR_REGRESSION:
      return m_hb.FitLabDataLinear(&m_mi, &m_sigci, &m_residual) != FALSE;
  }
  return false;
}

void CHoekBrownFitSession::TakeModelParameters() {
  m_hb.GetParameters(&m_sigci, &m_mi, nullptr, nullptr);
}

void CHoekBrownFitSession::PointsPlaced(double largestX, double) {
  m_largestSig3 = largestX;
}

FitSeries CHoekBrownFitSession::Envelope(double largestX, double) {
  // The intact envelope: mb = mi, s = 1, a = 0.5, from the tensile strength -sigci/mi.
  CHoekBrownCriterion intact;
  intact.SetRockMassConstants(m_sigci, m_mi, 1.0, 0.5);
  intact.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, largestX, 0.026, 50.0);
  const EnvelopePoint* rows = intact.BuildPrincipalEnvelope(kEnvelopeRows);
  return EnvelopeSeries(rows, intact.GetEnvelopeCount(), false);
}

ApplyResult CHoekBrownFitSession::ApplyParameters() {
  ApplyResult result;
  if (!(m_mi >= 1.0 && m_mi <= 50.0)) {
    result.kind = ApplyResult::REFUSED;
    result.message = InvalidMiMessage(m_mi);
    return result;
  }
  if (!(m_sigci >= 1e-7)) {
    result.kind = ApplyResult::REFUSED;
    result.message = kInvalidSigciMessage;
    return result;
  }
  double sigci, mi, GSI, D, sig3max, gamma, H;
  int application;
  m_hb.GetParameters(&sigci, &mi, &GSI, &D);
  m_hb.GetEnvelopeRange(&application, &sig3max, &gamma, &H);
  if (m_tests < 1) {
    m_hb.SetParameters(sigci, mi, GSI, D);
    m_hb.SetEnvelopeRange(application, sig3max, gamma, H);
  } else {
    m_hb.SetParameters(m_sigci, m_mi, GSI, D);
    m_hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, m_largestSig3, gamma, H);
  }
  m_hb.SetFieldDataFlag(SOURCE_LAB);
  return result;
}
