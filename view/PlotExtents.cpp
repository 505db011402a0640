#include "view/PlotExtents.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// A Hoek-Brown model with the document's sigci and the given mi, GSI, D.
void ScratchHoekBrown(const CHoekBrownCriterion* doc, double mi, double GSI, double D,
                      CHoekBrownCriterion* out) {
  double sigci = 0, m = 0, g = 0, d = 0;
  doc->GetParameters(&sigci, &m, &g, &d);
  out->SetParameters(sigci, mi, GSI, D);
}

// The three extreme parameter sets (mi, GSI, D) of Hoek-Brown's extents zoom.
const double kExtremeSets[3][3] = {{1, 5, 1}, {50, 100, 0}, {1, 100, 0}};

void Finish(const ExtentsMode& mode, PlotExtents* e) {
  if (mode.zoomFactor != 1.0) {
    e->yMax *= mode.zoomFactor;
    e->xMax *= mode.zoomFactor;
    e->xMin *= mode.zoomFactor;
  }
  if (mode.locked && mode.lockedCopy) e->CopyValuesFrom(*mode.lockedCopy);
}

}  // namespace

void PlotExtents::Reset() {
  xMin = DBL_MAX;
  xMax = -DBL_MAX;
  yMax = -DBL_MAX;
}

void PlotExtents::Widen(double x, double y, double xLow) {
  xMax = std::max(xMax, x);
  xMin = std::min(xMin, xLow);
  yMax = std::max(yMax, y);
}

bool PlotExtents::IsUsable() const {
  return std::isfinite(xMin) && std::isfinite(xMax) && std::isfinite(yMax) && xMin < xMax &&
         yMax > 0.0 && std::fabs(xMin) < DBL_MAX && std::fabs(xMax) < DBL_MAX &&
         yMax < DBL_MAX;
}

void PlotExtents::CopyValuesFrom(const PlotExtents& other) {
  xMin = other.xMin;
  xMax = other.xMax;
  yMax = other.yMax;
}

void ComputePrincipalExtents(const PlotDocument& doc, const ExtentsMode& mode, double sig1Limit,
                             PlotExtents* e) {
  e->Reset();
  double c = 0, phi = 0;
  if (mode.mohrCoulombOverlay) doc.EquivalentLine(&c, &phi);
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      const double x = doc.hoekBrown->GetSig3Max();
      CHoekBrownCriterion scratch;
      if (mode.surfaceMode) {
        double sigci = 0, mi = 0, GSI = 0, D = 0;
        doc.hoekBrown->GetParameters(&sigci, &mi, &GSI, &D);
        ScratchHoekBrown(doc.hoekBrown, mi, GSI, D, &scratch);
        double y = std::max(scratch.GetSig1(x), sig1Limit);
        if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineSig1(c, phi, x));
        e->Widen(x, y, scratch.GetMinSig3());
      } else {
        for (const auto& set : kExtremeSets) {
          ScratchHoekBrown(doc.hoekBrown, set[0], set[1], set[2], &scratch);
          e->Widen(x, scratch.GetSig1(x), scratch.GetMinSig3());
        }
      }
      break;
    }
    case CRITERION_MOHR_COULOMB: {
      const CMohrCoulombCriterion* mc = doc.mohrCoulomb;
      if (mc->GetDataType(nullptr) == DATA_TRIAXIAL) {
        const double x = mc->GetSig3Max();
        e->Widen(x, mc->GetSig1(x), mc->GetMinSig3());
      } else {
        const double sn = mc->GetSignMax();
        e->Widen(mc->GetSig3FromShear(sn), mc->GetSig1FromShear(sn), mc->GetMinSig3());
      }
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      const CBartonBandisCriterion* bb = doc.bartonBandis;
      const double sn = bb->GetSignMax();
      const double x = bb->GetSig3FromShear(sn);
      double y = bb->GetSig1FromShear(sn);
      if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineSig1(c, phi, x));
      e->Widen(x, y, 0.0);
      break;
    }
    case CRITERION_POWER_CURVE: {
      const CPowerCurveCriterion* pc = doc.powerCurve;
      double x, y;
      if (pc->GetDataType(nullptr) == DATA_TRIAXIAL) {
        x = pc->GetSig3Max();
        y = pc->GetSig1(x);
      } else {
        const double sn = pc->GetSignMax();
        x = pc->GetSig3FromShear(sn);
        y = pc->GetSig1FromShear(sn);
      }
      if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineSig1(c, phi, x));
      e->Widen(x, y, -doc.PowerCurveD());
      break;
    }
    default:
      return;  // nothing to show: the record stays unset
  }
  Finish(mode, e);
}

void ComputeNormalShearExtents(const PlotDocument& doc, const ExtentsMode& mode, double tauLimit,
                               const double* principalYMax, PlotExtents* e) {
  e->Reset();
  if (principalYMax) e->yMax = *principalYMax;
  double c = 0, phi = 0;
  if (mode.mohrCoulombOverlay) doc.EquivalentLine(&c, &phi);
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      const double s3 = doc.hoekBrown->GetSig3Max();
      CHoekBrownCriterion scratch;
      if (mode.surfaceMode) {
        double sigci = 0, mi = 0, GSI = 0, D = 0;
        doc.hoekBrown->GetParameters(&sigci, &mi, &GSI, &D);
        ScratchHoekBrown(doc.hoekBrown, mi, GSI, D, &scratch);
        const double x = scratch.GetSigNAtSig3(s3);
        double y = std::max(scratch.GetTauAtSig3(s3), tauLimit);
        if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineTau(c, phi, x));
        e->Widen(x, y, scratch.GetMinSig3());
      } else {
        for (const auto& set : kExtremeSets) {
          ScratchHoekBrown(doc.hoekBrown, set[0], set[1], set[2], &scratch);
          e->Widen(scratch.GetSigNAtSig3(s3), scratch.GetTauAtSig3(s3), scratch.GetMinSig3());
        }
      }
      break;
    }
    case CRITERION_MOHR_COULOMB: {
      const CMohrCoulombCriterion* mc = doc.mohrCoulomb;
      if (mc->GetDataType(nullptr) == DATA_TRIAXIAL) {
        const double s3 = mc->GetSig3Max();
        e->Widen(mc->GetSigNAtSig3(s3), mc->GetTauAtSig3(s3), mc->GetMinSig3());
      } else {
        const double sn = mc->GetSignMax();
        e->Widen(sn, mc->GetTau(sn), mc->GetMinSigN());
      }
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      const CBartonBandisCriterion* bb = doc.bartonBandis;
      const double sn = bb->GetSignMax();
      double y = bb->GetTau(sn);
      if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineTau(c, phi, sn));
      e->Widen(sn, y, 0.0);
      break;
    }
    case CRITERION_POWER_CURVE: {
      const CPowerCurveCriterion* pc = doc.powerCurve;
      double x, y;
      if (pc->GetDataType(nullptr) == DATA_TRIAXIAL) {
        const double s3 = pc->GetSig3Max();
        x = pc->GetSigNAtSig3(s3);
        y = pc->GetTauAtSig3(s3);
      } else {
        x = pc->GetSignMax();
        y = pc->GetTau(x);
      }
      if (mode.mohrCoulombOverlay) y = std::max(y, EquivalentLineTau(c, phi, x));
      e->Widen(x, y, -doc.PowerCurveD());
      break;
    }
    default:
      return;
  }
  Finish(mode, e);
}

bool ScaleToEqualStress(const CornerPixels& corners, bool keepXRange, PlotExtents* e,
                        AxisRanges* out) {
  *out = AxisRanges();
  if (!corners.valid) return false;
  const int h = corners.p1y - corners.p3y;
  const int w = corners.p2x - corners.p1x;
  // A plot without height or width (a tiny window, margins wider than the chart) has no
  // shape to scale to, and extents that are unset or run backwards have nothing to show.
  if (h <= 0 || w <= 0 || !e->IsUsable()) return false;
  const double ratio = static_cast<double>(w) / h;
  e->pixelRatio = ratio;
  if (!keepXRange && ratio * e->yMax >= e->xMax - e->xMin) {
    out->yMax = e->yMax;
    out->xMin = e->xMin;
    out->xMax = e->xMin + ratio * e->yMax;
  } else {
    out->xMin = e->xMin;
    out->xMax = e->xMax;
    out->yMax = (e->xMax - e->xMin) / ratio;
  }
  return true;
}
