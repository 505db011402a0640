#include "view/PlotInputs.h"

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

int ClampJustify(int justify) {
  return justify < 0 ? 0 : justify > 4 ? 4 : justify;
}

int ClampDecimalPlaces(int decimals) {
  return decimals < -1 ? -1 : decimals > 8 ? 8 : decimals;
}
