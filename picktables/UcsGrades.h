// Intact rock strength by field-estimate grade: the typical strength of each of seven grades
// in every unit system, and the texts that name the grades' ranges.
#pragma once

enum { UCS_GRADE_COUNT = 7 };

// Button of grade 1-7.
int UcsGradeButton(int grade);
// Typical strength of grade 1-7 in the unit system (UnitsType 0-7; the MPa column for any
// other index).
double UcsGradeValue(int grade, int units);

struct UcsCaptions {
  const char* heading;  // the column heading
  const char* unit;     // the label beside the value edit
  const char* grades[UCS_GRADE_COUNT];
};
// The captions of a unit system; nullptr for an index outside 0-7 (the template's MPa texts
// stay).
const UcsCaptions* GetUcsCaptions(int units);
