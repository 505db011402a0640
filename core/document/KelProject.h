// CKelProject: one project without its windows: a model of each failure criterion, the title,
// the current criterion and its model, reading and writing project files, and the per-user
// defaults a new project starts from. The document (CKelStrengthDoc) adds the windows' side.
#pragma once

#include "core/criteria/BartonBandisCriterion.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "core/criteria/PowerCurveCriterion.h"
#include "core/registry/SettingsStore.h"
#include "framework/base/CString.h"

// The settings key of the program under the current user.
extern const char kSettingsKey[];  // "Software\Talvenor\Quarvex 3.0\Settings"

// Envelope range of a model: application index, bound (sig3max or signmax), gamma and H.
struct EnvelopeRange {
  int application = 0;
  double bound = 0.0;
  double gamma = 0.0;
  double H = 0.0;
};

class CKelProject {
 public:
  static const char kDefaultTitle[];  // "Analysis of Rock/Soil Strength using Quarvex"

  CKelProject();
  virtual ~CKelProject();
  CKelProject(const CKelProject&) = delete;
  CKelProject& operator=(const CKelProject&) = delete;

  // The model of a criterion 0-3, NULL for any other value.
  CStrengthCriterion* ModelOf(int criterion);
  // Makes a criterion 0-3 current (model and number together); FALSE, nothing changed, else.
  BOOL SetCriterion(int criterion);

  // Envelope range of the model of a criterion (the models keep it in their own types).
  EnvelopeRange GetRange(int criterion) const;
  void SetRange(int criterion, const EnvelopeRange& range);

  // Reads a project file, the sibling product's file or the older layout. On failure the
  // project is untouched and error holds the file's message. foreign (when given) tells
  // whether the file was something other than a project file.
  BOOL ReadProject(const char* path, CString& error, BOOL* foreign = nullptr);
  // Writes the project; on failure the old file is intact and error says why.
  BOOL WriteProject(const char* path, const char* versionText, CString& error);

  // "Units Type", "Modulus Method" and "Intact Modulus" under the settings key; values out of
  // range read as their defaults. A key that cannot be opened leaves the models as they are.
  void LoadDefaultsFrom(ISettingsStore& store);
  void SaveDefaultsTo(ISettingsStore& store) const;

  CHoekBrownCriterion m_hoekBrown;
  CMohrCoulombCriterion m_mohrCoulomb;
  CBartonBandisCriterion m_bartonBandis;
  CPowerCurveCriterion m_powerCurve;
  CStrengthCriterion* m_pActiveCriterion;
  CString m_strTitle;
  int m_nCriterion;
};

// An intact modulus the Hoek-Diederichs (2005) method can use: ei itself when it is a number
// from 1e-8 to 1e300, else the default of the unit system (of MPa for units outside 0-7).
double UsableIntactModulus(double ei, int units);

// The range bound that a model of criterion has by default in a unit system.
double DefaultRangeBound(int criterion, int units);
