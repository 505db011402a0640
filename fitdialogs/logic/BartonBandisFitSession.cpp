#include "fitdialogs/logic/BartonBandisFitSession.h"

#include "framework/base/NumberText.h"

CBartonBandisFitSession::CBartonBandisFitSession(CBartonBandisCriterion& model)
    : CFitSession(model), m_bb(model), m_saved(model) {
  m_bb.GetParameters(&m_phir, &m_jrc, &m_jcs);
  TakeMethodFromModel(2);
}

std::vector<CString> CBartonBandisFitSession::MethodNames() const {
  return {"Levenberg-Marquardt", "Simplex"};
}

void CBartonBandisFitSession::Cancel() {
  m_bb = m_saved;
}

bool CBartonBandisFitSession::RunFit() {
  switch (m_method) {
    case FIT_LEVENBERG_MARQUARDT:
      return m_bb.FitShearData(m_phir, &m_jrc, &m_jcs, &m_residual) != FALSE;
    case FIT_SIMPLEX:
      return m_bb.FitShearDataSimplex(m_phir, &m_jrc, &m_jcs, &m_residual) != FALSE;
  }
  return false;
}

void CBartonBandisFitSession::TakeModelParameters() {
  // The typed phir stays, and the curve is drawn with it.
  m_bb.GetParameters(nullptr, &m_jrc, &m_jcs);
}

CString CBartonBandisFitSession::FitFailureMessage() const {
  return "Invalid analysis.\nBarton-Bandis model could not be fit to data.\nCurve on plot will "
         "not be the best fit.";
}

void CBartonBandisFitSession::PointsPlaced(double largestX, double) {
  m_bb.SetSignMax(largestX);
  m_bb.SetSig3Max(m_bb.GetSig1FromShear(largestX));
}

FitSeries CBartonBandisFitSession::Envelope(double largestX, double largestY) {
  CBartonBandisCriterion scratch;
  scratch.SetUnits(m_bb.GetUnits());
  scratch.SetParameters(m_phir, m_jrc, m_jcs);
  // Drawn to the largest shear stress first, then ended near where it passes the data.
  scratch.SetSignMax(largestY);
  const EnvelopePoint* rows = scratch.BuildShearEnvelope(kEnvelopeRows);
  scratch.SetSignMax(ShearEnvelopeEnd(rows, scratch.GetEnvelopeCount(), largestX, largestY));
  rows = scratch.BuildShearEnvelope(kEnvelopeRows);
  return EnvelopeSeries(rows, scratch.GetEnvelopeCount(), true);
}

ApplyResult CBartonBandisFitSession::ApplyParameters() {
  ApplyResult result;
  if (!(m_phir >= 0.0 && m_phir <= 90.0))
    return ApplyResult::Refused("phib = " + FormatNumber("%g", m_phir) +
                                "\nThis is invalid.\n(phib should be in the range 0-90)");
  if (!(m_jcs >= 1e-7))
    return ApplyResult::Refused("Invalid JCS, JCS should be greater than 1.e-007 for rock");
  if (m_tests < 1) return result;
  int application;
  double signmax, gamma, H;
  m_bb.GetEnvelopeRange(&application, &signmax, &gamma, &H);
  m_bb.SetParameters(m_phir, m_jrc, m_jcs);
  m_bb.SetEnvelopeRange(APPLICATION_CUSTOM, m_bb.GetSignMax(), gamma, H);
  return result;
}
