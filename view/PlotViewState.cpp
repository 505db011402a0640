#include "view/PlotViewState.h"

void PlotViewState::ToggleLock() {
  axesLocked = !axesLocked;
  lockedPrincipalExtents.CopyValuesFrom(principalExtents);
  lockedShearExtents.CopyValuesFrom(shearExtents);
}

bool MohrCoulombOverlayEnabled(int criterion) {
  return criterion == CRITERION_HOEK_BROWN || criterion == CRITERION_BARTON_BANDIS ||
         criterion == CRITERION_POWER_CURVE;
}

bool PlotTestDataEnabled(const PlotDocument& doc) {
  if (doc.Active()->GetLabCount() > 0) return true;
  return doc.criterion == CRITERION_HOEK_BROWN && doc.hoekBrown->GetRockMassCount() > 0;
}
