// The rows of the cohesion, friction angle and residual friction angle tables, their
// reference texts, and the residual friction calculator.
#pragma once

#include "framework/base/CString.h"
#include "picktables/PickTable.h"

enum {
  COHESION_ROW_COUNT = 28,
  FRICTION_ANGLE_ROW_COUNT = 33,
  RESIDUAL_FRICTION_ROW_COUNT = 32,
};

// Cohesion of 28 soils and rocks: names, classes, kinds and sources, with the range texts and
// values of the unit system (UnitsType 0-7). Another index changes nothing.
void BuildCohesionTable(CPickTable& table, int units);
// The title of the cohesion range column ("Cohesion range (MPa)", ...; MPa for other indexes).
CString CohesionRangeTitle(int units);

// Friction angles of 33 soils and rocks, in degrees (no unit system).
void BuildFrictionAngleTable(CPickTable& table);

// Basic friction angles of 32 rock surfaces; only the normal-stress range text (the class
// column) follows the unit system. Another index changes nothing.
void BuildResidualFrictionTable(CPickTable& table, int units);
CString ResidualStressRangeTitle(int units);  // "SigN range (MPa)", ...
// A normal-stress range given in MPa ("0.1 - 4.2") in another unit system: each bound times
// the unit's factor, with three significant digits in fixed notation ("0.0145 - 0.609").
CString ConvertStressRange(const CString& mpaRange, int units);
// Three significant digits, fixed notation, trailing zeros dropped (87717 -> "87700").
CString FormatThreeDigits(double value);

// phir = (phib - 20) + 20 r / R with the calculator on, phib with it off. False, with phir
// untouched, when the formula has no finite value (R = 0).
bool CalculateResidualPhir(bool calculator, double phib, double r, double R, double* phir);

// Reference texts by the rows' source numbers; empty for a number the table does not use.
const char* CohesionReference(int source);          // 1-3
const char* FrictionAngleReference(int source);     // 1-5
const char* ResidualFrictionReference(int source);  // 1-7
