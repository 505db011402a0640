// The middle of the Mohr-Coulomb and power-curve fits, which take triaxial or direct-shear data:
// the data type held in the model, the envelope that ends near the data, and the plotted range
// written into the model at every plot.
#pragma once

#include "fitdialogs/logic/FitSession.h"

class CTwoTypeFitSession : public CFitSession {
 public:
  // Triaxial (0) or direct-shear (1) data: stored in the model at once. The dialog then rebuilds
  // its grid from the model, empties its chart and recomputes.
  void SetDataType(int dataType);

 protected:
  explicit CTwoTypeFitSession(CStrengthCriterion& model) : CFitSession(model) {}

  void AdoptDataType(int dataType) override { SetDataType(dataType); }
  void LorvaneImported() override { SetDataType(DATA_TRIAXIAL); }
  void PointsPlaced(double largestX, double largestY) override;
  FitSeries Envelope(double largestX, double largestY) override;

  // A scratch model holding the fitted parameters.
  virtual CStrengthCriterion& ScratchModel() = 0;
  // sig3max of a model (the setter is the criterion's own).
  virtual void SetSig3Max(CStrengthCriterion& model, double sig3max) = 0;
};
