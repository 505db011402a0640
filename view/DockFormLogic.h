// The side bar's rules without its window: the edits of each criterion's group with their
// validation ranges, what an apply writes into the models and reads back, what a refresh
// loads, the result texts, and which controls are shown, read-only and enabled, how the spins
// step in each unit system and what the unit labels read.
#pragma once

#include <string>
#include <vector>

#include "view/PlotInputs.h"

// The largest double cut to 15 significant digits: the ranges' "no limit".
constexpr double kSideBarMax = 1.79769313486231e308;

// The values the side bar holds: one per edit, and the application index of each criterion.
// The initial values are those of an empty panel.
struct SideBarValues {
  // Hoek-Brown
  double hbSigci = 30, hbGsi = 50, hbMi = 10, hbD = 0;
  double hbMb = 1.7, hbS = 0.004, hbA = 0.5;
  double hbSig3max = 7.5, hbUnitWeight = 0, hbDepth = 0;
  double hbC = 0, hbPhi = 0, hbSigt = 0, hbSigc = 0, hbSigcm = 0, hbEm = 0;
  int hbApplication = 0;
  // Mohr-Coulomb
  double mcC = 1, mcPhi = 30, mcSigt = -0.5;
  double mcRange = 7.5, mcUnitWeight = 0, mcDepth = 0;
  double mcSigc = 0;
  int mcApplication = 0;
  // Barton-Bandis
  double bbPhir = 10, bbJrc = 10, bbJcs = 30;
  double bbSignmax = 10, bbUnitWeight = 0, bbDepth = 0;
  double bbC = 0, bbPhi = 0;
  int bbApplication = 0;
  // Power curve
  double pcA = 1, pcD = 0, pcB = 0.7, pcPa = 0.1;
  double pcRange = 10, pcUnitWeight = 0, pcDepth = 0;
  double pcNdA = 0, pcNdT = 0, pcNdN = 0;  // the non-dimensional A, T and n
  double pcSigt = 0, pcSigc = 0, pcC = 0, pcPhi = 0;
  int pcApplication = 0;

  // The application index of a criterion 0-3 (Hoek-Brown's for any other value).
  int& Application(int criterion);
  int Application(int criterion) const;
};

enum class FieldRole {
  kInput,   // typed by the user
  kRange,   // the envelope bound: typed for Custom, else the bound the model computed
  kLoad,    // unit weight or depth: typed for Tunnels and Slopes
  kResult,  // read-only output
};

struct SideBarField {
  int edit;
  int spin;  // 0: none
  int pick;  // 0: none
  FieldRole role;
  bool checked;  // validated against [min, max] when read
  double min;
  double max;
  double SideBarValues::*value;
  bool exchanged;  // false: only ever written by the results
};

// The edits of a criterion's group (Hoek-Brown's for any other value), inputs first.
const std::vector<SideBarField>& SideBarFields(int criterion);
// The field of an edit in any group; null for an id that is no side-bar edit.
const SideBarField* FindSideBarField(int edit);

// Envelope applications as each criterion numbers them (Hoek-Brown has General first).
bool IsCustomApplication(int criterion, int application);
bool IsLoadApplication(int criterion, int application);  // Tunnels or Slopes

// Whether reading the panel reads this edit. Results never are (they are rewritten from the
// model, so a result that shows no number cannot block an apply); the range edit only while
// it is typed (Custom); unit weight and depth only while they are shown (Tunnels, Slopes).
bool ReadWhenSaving(const SideBarField& field, int criterion, int application);

// A value passes when min <= value <= max; NaN never does.
bool ValueInRange(double value, double min, double max);
// "Please enter a number between <min> and <max>" (both as %g).
std::string RangeMessage(double min, double max);

// Writes the group of the document's criterion into its model, which recomputes its derived
// values; reads those back into the panel's values and recomputes the residual sum of the
// model's data without refitting (Hoek-Brown: of the set its data source names). A model
// without data keeps its residuals.
void ApplySideBarValues(const PlotDocument& doc, SideBarValues& values);

// Loads the group of the document's criterion from its model. The model is not changed.
void LoadSideBarValues(const PlotDocument& doc, SideBarValues& values);

struct SideBarText {
  int id;
  std::string text;
};

// The results of the document's criterion, each formatted for its edit. decimals: the
// display settings' decimal places (-1: each result's own format).
std::vector<SideBarText> SideBarResultTexts(const PlotDocument& doc, const SideBarValues& values,
                                           int decimals);

// Shown, hidden, read-only and enabled states that follow a criterion's application.
struct ApplicationControls {
  int rangeEdit = 0;
  int rangeSpin = 0;
  bool rangeReadOnly = true;  // the spin is enabled exactly when the edit is not read-only
  bool showLoadRows = false;  // unit weight and depth: labels, edits and units
  std::vector<int> loadRows;  // the six controls
  int depthLabel = 0;
  const char* depthText = nullptr;  // "Tunnel Depth" or "Slope Height" while shown
};
ApplicationControls ApplicationControlsFor(int criterion, int application);

// Range and step of a spin.
struct SpinSetting {
  int spin;
  double min;
  double max;
  double step;
};
// The spins set up once when the form is made, with their first ranges and steps.
const std::vector<SpinSetting>& InitialSpinSettings();
// The unit-dependent spins in a unit system 0-7; empty for any other value.
std::vector<SpinSetting> UnitSpinSettings(int units);

// The unit statics and the range labels for the active model (null: no document, labels
// "MPa", "MN/m3" and "m"; the range labels are left alone).
std::vector<SideBarText> UnitLabelTexts(const CStrengthCriterion* active);

// The controls EnableControls switches: the spins, the input edits, the pick buttons, the
// result edits, the application combos, the unit-weight and depth edits of the criteria whose
// application is Tunnels or Slopes, and the Copy Data buttons.
std::vector<int> EnabledControlIds(const SideBarValues& values);

// The group box of each criterion (the groups' ids are the criteria).
int GroupBoxOf(int criterion);
// The application combo of each criterion.
int ApplicationComboOf(int criterion);

