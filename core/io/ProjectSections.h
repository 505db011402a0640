// The sections of a project file. The four criterion sections are tables of
// keys in the order they are written; a section travels between its model
// and the file as one double per key, so one writer and one reader serve
// all four.
#pragma once

#include <optional>

class CHoekBrownCriterion;
class CStrengthFile;

enum ProjectSection {
  SECTION_PROJECT,
  SECTION_HOEK_BROWN,  // the criterion sections, in criterion order
  SECTION_MOHR_COULOMB,
  SECTION_BARTON_BANDIS,
  SECTION_POWER_CURVE,
  SECTION_LAB_DATA,
  SECTION_ROCK_MASS_DATA,
  SECTION_COUNT
};

// Section titles as written (without the ':').
extern const char* const kSectionTitles[SECTION_COUNT];

enum class SettingKind {
  Number,   // "%g"-style double
  Integer,  // "%d"
  Flag      // written "%d"; read also as "yes" or "no"
};

struct SettingKey {
  const char* name;
  SettingKind kind;
  // The value when the section has no such key; none: the model's own.
  std::optional<double> missing;
  // The value when the key's text is empty or not a number.
  double empty;
};

struct CriterionSection {
  const SettingKey* keys;
  int keyCount;
  // Fills one value per key from the file's model of this criterion;
  // returns the index of a key that is not written, or -1.
  int (*get)(const CStrengthFile& file, double* values);
  // Gives the model the values read; values a model cannot use are
  // replaced by its own or by a default first.
  void (*set)(CStrengthFile& file, const double* values);
};

constexpr int kMaxSettingKeys = 15;

// Indexed by criterion number (section - SECTION_HOEK_BROWN).
extern const CriterionSection kCriterionSections[4];

// An enumerated value outside first..last takes the fallback.
int InRange(int value, int first, int last, int fallback);

// Sets the Hoek-Brown parameters; one that would make the model's formulas
// meaningless keeps the model's current value.
void SetUsableHoekBrownParameters(CHoekBrownCriterion& model, double sigci, double mi, double gsi,
                                  double d);
