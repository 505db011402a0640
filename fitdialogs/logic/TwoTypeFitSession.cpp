#include "fitdialogs/logic/TwoTypeFitSession.h"

#include <algorithm>

void CTwoTypeFitSession::SetDataType(int dataType) {
  m_model.SetDataType(dataType == DATA_DIRECT_SHEAR ? DATA_DIRECT_SHEAR : DATA_TRIAXIAL);
}

void CTwoTypeFitSession::PointsPlaced(double largestX, double) {
  if (DataType() == DATA_DIRECT_SHEAR) {
    m_model.SetSignMax(largestX);
    SetSig3Max(m_model, m_model.GetSig1FromShear(largestX));
  } else {
    SetSig3Max(m_model, std::max(largestX, 0.0));
  }
}

FitSeries CTwoTypeFitSession::Envelope(double largestX, double largestY) {
  CStrengthCriterion& scratch = ScratchModel();
  if (DataType() == DATA_DIRECT_SHEAR) {
    scratch.SetSignMax(largestX);
    const EnvelopePoint* rows = scratch.BuildShearEnvelope(kEnvelopeRows);
    return EnvelopeSeries(rows, scratch.GetEnvelopeCount(), true);
  }
  // Drawn to the largest sig1 first, then ended near where it passes the data.
  SetSig3Max(scratch, largestY);
  const EnvelopePoint* rows = scratch.BuildPrincipalEnvelope(kEnvelopeRows);
  const double end = PrincipalEnvelopeEnd(rows, scratch.GetEnvelopeCount(), largestX, largestY);
  SetSig3Max(scratch, end);
  rows = scratch.BuildPrincipalEnvelope(kEnvelopeRows);
  return EnvelopeSeries(rows, scratch.GetEnvelopeCount(), false);
}
