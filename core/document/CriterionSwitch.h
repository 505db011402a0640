// Changing a project's settings (title, units, criterion, modulus method): the question whether
// the test data must change type, the plan of what moves from the old criterion's model to the
// new one, and carrying it out with the fit dialogs it needs.
#pragma once

#include <vector>

#include "core/document/FitDialogRunner.h"
#include "core/document/KelProject.h"

// The direction of the data-type question a criterion change needs: -1 none, 0 triaxial to
// direct shear, 1 direct shear to triaxial. Counts and type are the old model's.
int DataTypeQuestion(int oldCriterion, int newCriterion, int labCount, int rockMassCount,
                     int dataType);
// "Criterion change requires switch from ... data.\nProceed?" for direction 0 or 1, else "".
CString DataTypeQuestionText(int direction);

// How an application index changes between the Hoek-Brown numbering (General, Tunnels, Slopes,
// Custom) and the others' (Tunnels, Slopes, Custom).
enum class ApplicationMap { Keep, HoekBrownToOther, OtherToHoekBrown };
// The translated index; FALSE (index unchanged) when the map does not know it.
BOOL TranslateApplication(ApplicationMap map, int application, int* result);

// How the range bound changes on the way; evaluated on the new criterion's model.
enum class BoundConversion {
  None,
  SigNAtSig3,   // Barton-Bandis GetSigNAtSig3 of the old bound
  Sig3AtSigN,   // Hoek-Brown GetSig3AtSigN of the old bound
  Sig3FromShear,  // Hoek-Brown GetSig3FromShear of the old bound
  SigNAtSig3ForGeneralOrCustom  // as SigNAtSig3 for Hoek-Brown General and Custom only
};

struct SwitchAction {
  enum Kind {
    SetDataType,          // model of target gets data type value
    CopyLabData,          // target's lab set <- source's lab set
    CopyLabFromRockMass,  // target's lab set <- source's rock-mass set
    CopyRockMassFromLab,  // target's rock-mass set <- source's lab set
    CarryRange,           // target's range <- source's range, translated and converted
    RunDialog             // fit dialog value (FitDialogKind) on target's model
  };
  Kind kind;
  int target;
  int source = -1;
  int value = 0;
  ApplicationMap map = ApplicationMap::Keep;
  BoundConversion conversion = BoundConversion::None;
};

// What decides the plan: the old model's points (Hoek-Brown: lab and rock-mass points), the
// Hoek-Brown field data flag (0 lab, 1 rock mass) and the old model's data type.
struct SwitchFacts {
  int oldCriterion = 0;
  int newCriterion = 0;
  int labCount = 0;
  int rockMassCount = 0;
  int fieldDataFlag = 0;
  int dataType = 0;
};

SwitchFacts GatherSwitchFacts(CKelProject& project, int oldCriterion, int newCriterion);
// The actions, in order, that carry a project from the old criterion to the new one.
std::vector<SwitchAction> PlanCriterionSwitch(const SwitchFacts& facts);

// What the Project Settings dialog asked for.
struct ProjectSettingsChoice {
  CString title;
  int units = 0;
  int criterion = 0;
  int modulusMethod = 0;
  double intactModulus = 0.0;
};

enum class SettingsOutcome {
  Unchanged,  // nothing was asked to change
  Applied,    // the change went through
  Cancelled   // a fit dialog was cancelled: criterion, title and current model restored
};

// Applies an accepted Project Settings dialog to a project: the units (to all four models when
// the criterion changes), title, criterion, modulus settings and the planned switch, running
// fit dialogs through runner. Nothing runs a dialog when nothing changed. After a cancelled fit
// dialog the criterion, title and current model are back; the units stay.
SettingsOutcome ApplyProjectSettings(CKelProject& project, const ProjectSettingsChoice& choice,
                                     IFitDialogRunner& runner);
