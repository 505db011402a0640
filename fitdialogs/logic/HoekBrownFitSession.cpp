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

FitSeries HoekBrownEnvelope(double sigci, double mb, double s, double a, double largestSig3) {
  CHoekBrownCriterion envelope;
  envelope.SetRockMassConstants(sigci, mb, s, a);
  envelope.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, largestSig3, 0.026, 50.0);
  const EnvelopePoint* rows = envelope.BuildPrincipalEnvelope(kEnvelopeRows);
  return EnvelopeSeries(rows, envelope.GetEnvelopeCount(), false);
}

bool WriteHoekBrownFit(CHoekBrownCriterion& hb, int tests, double sigci, double mi, double GSI,
                       double D, double largestSig3) {
  double oldSigci, oldMi, oldGSI, oldD, sig3max, gamma, H;
  int application;
  hb.GetParameters(&oldSigci, &oldMi, &oldGSI, &oldD);
  hb.GetEnvelopeRange(&application, &sig3max, &gamma, &H);
  if (tests < 1) {
    hb.SetParameters(oldSigci, oldMi, oldGSI, oldD);
    hb.SetEnvelopeRange(application, sig3max, gamma, H);
    return false;
  }
  hb.SetParameters(sigci, mi, GSI, D);
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, largestSig3, gamma, H);
  return true;
}

FitSeries CHoekBrownFitSession::Envelope(double largestX, double) {
  // The intact envelope: mb = mi, s = 1, a = 0.5, from the tensile strength -sigci/mi.
  return HoekBrownEnvelope(m_sigci, m_mi, 1.0, 0.5, largestX);
}

ApplyResult CHoekBrownFitSession::ApplyParameters() {
  if (!(m_mi >= 1.0 && m_mi <= 50.0)) return ApplyResult::Refused(InvalidMiMessage(m_mi));
  if (!(m_sigci >= 1e-7)) return ApplyResult::Refused(kInvalidSigciMessage);
  // GSI and D stay the model's.
  double GSI, D;
  m_hb.GetParameters(nullptr, nullptr, &GSI, &D);
  WriteHoekBrownFit(m_hb, m_tests, m_sigci, m_mi, GSI, D, m_largestSig3);
  m_hb.SetFieldDataFlag(SOURCE_LAB);
  return ApplyResult();
}
