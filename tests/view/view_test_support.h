// A document's four models for the view's tests, handed to the plot code as a PlotDocument.
#pragma once

#include "view/PlotInputs.h"

namespace viewtest {

struct Models {
  CHoekBrownCriterion hoekBrown;
  CMohrCoulombCriterion mohrCoulomb;
  CBartonBandisCriterion bartonBandis;
  CPowerCurveCriterion powerCurve;

  PlotDocument Doc(int criterion, int hint = 2) {
    PlotDocument d;
    d.criterion = criterion;
    d.redrawHint = hint;
    d.hoekBrown = &hoekBrown;
    d.mohrCoulomb = &mohrCoulomb;
    d.bartonBandis = &bartonBandis;
    d.powerCurve = &powerCurve;
    return d;
  }
};

// Lab points on the model's own envelope at the given sig3 (or sigN) values.
inline void LabOnEnvelope(CStrengthCriterion* m, std::initializer_list<double> xs,
                          bool shear = false) {
  std::vector<double> x(xs), y;
  for (double v : x) y.push_back(shear ? m->GetTau(v) : m->GetSig1(v));
  m->SetLabData(static_cast<int>(x.size()), x.data(), y.data());
}

}  // namespace viewtest
