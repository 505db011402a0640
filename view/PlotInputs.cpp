#include "view/PlotInputs.h"

#include <cmath>

namespace {
const double kDegToRad = 3.14159265358979323846 / 180.0;
}  // namespace

CStrengthCriterion* PlotDocument::Active() const {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return mohrCoulomb;
    case CRITERION_BARTON_BANDIS:
      return bartonBandis;
    case CRITERION_POWER_CURVE:
      return powerCurve;
    default:
      return hoekBrown;
  }
}

int PlotDocument::DataType() const {
  return Active()->GetDataType(nullptr);
}

bool PlotDocument::UsesRockMassData() const {
  if (criterion != CRITERION_HOEK_BROWN) return false;
  BYTE source = SOURCE_LAB;
  hoekBrown->GetFieldDataFlag(&source);
  return source == SOURCE_ROCK_MASS;
}

double PlotDocument::PowerCurveD() const {
  double a = 0, d = 0, b = 0;
  powerCurve->GetParameters(&a, &d, &b);
  return d;
}

bool PlotDocument::EquivalentLine(double* c, double* phi) const {
  *c = *phi = 0.0;
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      hoekBrown->CalcEquivalentMC(c, phi);
      return true;
    case CRITERION_BARTON_BANDIS:
      bartonBandis->CalcEquivalentMC(c, phi);
      return true;
    case CRITERION_POWER_CURVE:
      powerCurve->CalcEquivalentMC(c, phi);
      return true;
    default:
      return false;
  }
}

double EquivalentLineSig1(double c, double phiDeg, double sig3) {
  const double s = std::sin(phiDeg * kDegToRad);
  return (1.0 + s) / (1.0 - s) * sig3 + 2.0 * c * std::cos(phiDeg * kDegToRad) / (1.0 - s);
}

double EquivalentLineTau(double c, double phiDeg, double sigN) {
  return c + sigN * std::tan(phiDeg * kDegToRad);
}

int ClampJustify(int justify) {
  return justify < 0 ? 0 : justify > 4 ? 4 : justify;
}

int ClampDecimalPlaces(int decimals) {
  return decimals < -1 ? -1 : decimals > 8 ? 8 : decimals;
}
