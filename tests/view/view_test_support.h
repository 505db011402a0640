// Helpers of the view's tests: a document's four models, handed to the plot code as a
// PlotDocument, and the bytes of a file the code wrote.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

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

// The whole file (empty when it cannot be read).
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace viewtest
