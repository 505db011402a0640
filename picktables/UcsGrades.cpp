#include "picktables/UcsGrades.h"

#include "core/criteria/StrengthCriterion.h"
#include "res/PickTableResources.h"

namespace {

const int kButtons[UCS_GRADE_COUNT] = {IDC_UCS_GRADE1, IDC_UCS_GRADE2, IDC_UCS_GRADE3,
                                       IDC_UCS_GRADE4, IDC_UCS_GRADE5, IDC_UCS_GRADE6,
                                       IDC_UCS_GRADE7};

// Columns MPa, kPa, tsm, ksi, ksf, psi, psf, tsf.
const double kValues[UCS_GRADE_COUNT][UNITS_COUNT] = {
    {250, 250000, 25500, 35, 5200, 35000, 5200000, 2600},
    {175, 175000, 17850, 25, 3600, 25400, 3600000, 1800},
    {75, 75000, 7650, 11, 1550, 11000, 1550000, 800},
    {35, 35000, 3550, 5, 730, 5100, 730000, 370},
    {15, 15000, 1530, 2, 310, 2200, 310000, 150},
    {3, 3000, 310, 0.4, 60, 430, 60000, 30},
    {0.6, 600, 60, 0.09, 13, 90, 13000, 6},
};

#define UCS_MPA_GRADES ">250", "100-250", "50-100", "25-50", "5-25", "1-5", "0.25-1"
#define UCS_KSI_GRADES ">35", "14-35", "7-14", "3.5-7", "0.7-3.5", "0.15-0.7", "0.03-0.15"
#define UCS_KSF_GRADES ">5000", "2000-5000", "1000-2000", "500-1000", "100-500", "20-100", "4-20"

const UcsCaptions kCaptions[UNITS_COUNT] = {
    {"Strength (MPa)", "MPa", {UCS_MPA_GRADES}},
    {"Strength (x 1000 kPa)", "kPa", {UCS_MPA_GRADES}},
    {"Strength (x 100 tsm)",
     "tsm",
     {">255", "102-255", "51-102", "26-51", "5.1-26", "1.0-5.1", "0.25-1.0"}},
    {"Strength (ksi)", "ksi", {UCS_KSI_GRADES}},
    {"Strength (ksf)", "ksf", {UCS_KSF_GRADES}},
    {"Strength (x 1000 psi)", "psi", {UCS_KSI_GRADES}},
    {"Strength (x 1000 psf)", "psf", {UCS_KSF_GRADES}},
    {"Strength (tsf)",
     "tsf",
     {">2610", "1044-2610", "522-1044", "261-522", "52-261", "10.4-52", "2.6-10.4"}},
};

}  // namespace

int UcsGradeButton(int grade) {
  return grade >= 1 && grade <= UCS_GRADE_COUNT ? kButtons[grade - 1] : 0;
}

double UcsGradeValue(int grade, int units) {
  if (grade < 1 || grade > UCS_GRADE_COUNT) return 0.0;
  if (units < 0 || units >= UNITS_COUNT) units = UNITS_MPA;
  return kValues[grade - 1][units];
}

const UcsCaptions* GetUcsCaptions(int units) {
  return units >= 0 && units < UNITS_COUNT ? &kCaptions[units] : nullptr;
}
