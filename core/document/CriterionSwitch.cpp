#include "core/document/CriterionSwitch.h"

#include <cfloat>
#include <cmath>

int DataTypeQuestion(int oldCriterion, int newCriterion, int labCount, int rockMassCount,
                     int dataType) {
  if (oldCriterion == newCriterion) return -1;
  switch (oldCriterion) {
    case CRITERION_HOEK_BROWN:
      return (labCount > 0 || rockMassCount > 0) && newCriterion == CRITERION_BARTON_BANDIS ? 0
                                                                                            : -1;
    case CRITERION_MOHR_COULOMB:
    case CRITERION_POWER_CURVE:
      if (labCount <= 0) return -1;
      if (dataType == DATA_TRIAXIAL && newCriterion == CRITERION_BARTON_BANDIS) return 0;
      if (dataType == DATA_DIRECT_SHEAR && newCriterion == CRITERION_HOEK_BROWN) return 1;
      return -1;
    case CRITERION_BARTON_BANDIS:
      return labCount > 0 && newCriterion == CRITERION_HOEK_BROWN ? 1 : -1;
    default:
      return -1;
  }
}

CString DataTypeQuestionText(int direction) {
  if (direction == 0)
    return "Criterion change requires switch from triaxial to direct shear data.\nProceed?";
  if (direction == 1)
    return "Criterion change requires switch from direct shear to triaxial data.\nProceed?";
  return "";
}

BOOL TranslateApplication(ApplicationMap map, int application, int* result) {
  *result = application;
  switch (map) {
    case ApplicationMap::Keep:
      return TRUE;
    case ApplicationMap::HoekBrownToOther: {
      static const int kMap[] = {APPLICATION_CUSTOM, APPLICATION_TUNNELS, APPLICATION_SLOPES,
                                 APPLICATION_CUSTOM};
      if (application < 0 || application > 3) return FALSE;
      *result = kMap[application];
      return TRUE;
    }
    case ApplicationMap::OtherToHoekBrown:
      if (application < 0 || application > 2) return FALSE;
      *result = application + 1;
      return TRUE;
  }
  return FALSE;
}

namespace {

bool IsMohrCoulombOrPowerCurve(int criterion) {
  return criterion == CRITERION_MOHR_COULOMB || criterion == CRITERION_POWER_CURVE;
}

FitDialogKind DialogOf(int criterion, int fieldDataFlag) {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return FIT_DIALOG_MOHR_COULOMB;
    case CRITERION_BARTON_BANDIS:
      return FIT_DIALOG_BARTON_BANDIS;
    case CRITERION_POWER_CURVE:
      return FIT_DIALOG_POWER_CURVE;
    default:
      return fieldDataFlag ? FIT_DIALOG_ROCK_MASS : FIT_DIALOG_HOEK_BROWN;
  }
}

SwitchAction Action(SwitchAction::Kind kind, int target, int source = -1, int value = 0) {
  SwitchAction a;
  a.kind = kind;
  a.target = target;
  a.source = source;
  a.value = value;
  return a;
}

SwitchAction Range(int target, int source, ApplicationMap map,
                   BoundConversion conversion = BoundConversion::None) {
  SwitchAction a = Action(SwitchAction::CarryRange, target, source);
  a.map = map;
  a.conversion = conversion;
  return a;
}

}  // namespace

SwitchFacts GatherSwitchFacts(CKelProject& project, int oldCriterion, int newCriterion) {
  SwitchFacts f;
  f.oldCriterion = oldCriterion;
  f.newCriterion = newCriterion;
  if (CStrengthCriterion* old = project.ModelOf(oldCriterion)) {
    f.labCount = old->GetLabCount();
    f.rockMassCount = old->GetRockMassCount();
    f.dataType = old->GetDataType(nullptr);
  }
  BYTE flag = 0;
  project.m_hoekBrown.GetFieldDataFlag(&flag);
  f.fieldDataFlag = flag ? 1 : 0;
  return f;
}

std::vector<SwitchAction> PlanCriterionSwitch(const SwitchFacts& f) {
  typedef SwitchAction A;
  const int from = f.oldCriterion;
  const int to = f.newCriterion;
  const bool points = f.labCount > 0;
  std::vector<SwitchAction> plan;
  auto dialog = [&](int criterion) {
    plan.push_back(Action(A::RunDialog, criterion, -1, DialogOf(criterion, f.fieldDataFlag)));
  };

  if (from == to) {
    if (points) dialog(to);
    return plan;
  }
  if (from == CRITERION_HOEK_BROWN && IsMohrCoulombOrPowerCurve(to)) {
    plan.push_back(Action(A::SetDataType, to, -1, DATA_TRIAXIAL));
    if (f.fieldDataFlag == 0 && points) {
      plan.push_back(Action(A::CopyLabData, to, from));
      dialog(to);
    } else if (f.fieldDataFlag == 1 && f.rockMassCount > 0) {
      plan.push_back(Action(A::CopyLabFromRockMass, to, from));
      dialog(to);
    } else {
      plan.push_back(Range(to, from, ApplicationMap::HoekBrownToOther));
    }
    return plan;
  }
  if (from == CRITERION_HOEK_BROWN && to == CRITERION_BARTON_BANDIS) {
    if (points)
      dialog(to);
    else
      plan.push_back(Range(to, from, ApplicationMap::HoekBrownToOther,
                           BoundConversion::SigNAtSig3ForGeneralOrCustom));
    return plan;
  }
  if (IsMohrCoulombOrPowerCurve(from) && to == CRITERION_HOEK_BROWN) {
    if (f.dataType == DATA_TRIAXIAL && points) {
      plan.push_back(Action(f.fieldDataFlag ? A::CopyRockMassFromLab : A::CopyLabData, to, from));
      plan.push_back(Action(A::SetDataType, to, -1, DATA_TRIAXIAL));
      dialog(to);
    } else if (f.dataType == DATA_TRIAXIAL) {
      plan.push_back(Range(to, from, ApplicationMap::OtherToHoekBrown));
    } else if (points) {
      dialog(to);
    } else {
      plan.push_back(Range(to, from, ApplicationMap::OtherToHoekBrown,
                           f.fieldDataFlag ? BoundConversion::Sig3FromShear
                                           : BoundConversion::Sig3AtSigN));
    }
    return plan;
  }
  if (IsMohrCoulombOrPowerCurve(from) && to == CRITERION_BARTON_BANDIS) {
    if (f.dataType == DATA_DIRECT_SHEAR && points) {
      plan.push_back(Action(A::CopyLabData, to, from));
      plan.push_back(Action(A::SetDataType, to, -1, DATA_DIRECT_SHEAR));
      dialog(to);
    } else if (f.dataType == DATA_DIRECT_SHEAR) {
      plan.push_back(Range(to, from, ApplicationMap::Keep));
    } else if (points) {
      dialog(to);
    } else {
      plan.push_back(Range(to, from, ApplicationMap::Keep, BoundConversion::SigNAtSig3));
    }
    return plan;
  }
  if (IsMohrCoulombOrPowerCurve(from) && IsMohrCoulombOrPowerCurve(to)) {
    if (points) {
      plan.push_back(Action(A::SetDataType, to, -1, f.dataType));
      plan.push_back(Action(A::CopyLabData, to, from));
      dialog(to);
    } else {
      if (to == CRITERION_MOHR_COULOMB)
        plan.push_back(Action(A::SetDataType, to, -1, f.dataType));
      plan.push_back(Range(to, from, ApplicationMap::Keep));
    }
    return plan;
  }
  if (from == CRITERION_BARTON_BANDIS && to == CRITERION_HOEK_BROWN) {
    if (points)
      dialog(to);
    else
      plan.push_back(
          Range(to, from, ApplicationMap::OtherToHoekBrown, BoundConversion::Sig3AtSigN));
    return plan;
  }
  if (from == CRITERION_BARTON_BANDIS && IsMohrCoulombOrPowerCurve(to)) {
    if (points) {
      plan.push_back(Action(A::SetDataType, to, -1, DATA_DIRECT_SHEAR));
      plan.push_back(Action(A::CopyLabData, to, from));
      dialog(to);
    } else {
      if (to == CRITERION_MOHR_COULOMB)
        plan.push_back(Action(A::SetDataType, to, -1, DATA_DIRECT_SHEAR));
      plan.push_back(Range(to, from, ApplicationMap::Keep));
    }
    return plan;
  }
  return plan;  // an unknown criterion: nothing to carry
}

namespace {

// The converted bound; a failed root search (no finite answer) gives the new model's default
// bound in its unit system rather than a range that reaches the largest double.
double ConvertBound(CKelProject& project, const SwitchAction& a, int sourceApplication,
                    double bound) {
  CStrengthCriterion* target = project.ModelOf(a.target);
  double result = bound;
  switch (a.conversion) {
    case BoundConversion::None:
      return bound;
    case BoundConversion::SigNAtSig3ForGeneralOrCustom:
      if (sourceApplication != CHoekBrownCriterion::APPLICATION_GENERAL &&
          sourceApplication != CHoekBrownCriterion::APPLICATION_CUSTOM)
        return bound;
      result = target->GetSigNAtSig3(bound);
      break;
    case BoundConversion::SigNAtSig3:
      result = target->GetSigNAtSig3(bound);
      break;
    case BoundConversion::Sig3AtSigN:
      result = target->GetSig3AtSigN(bound);
      break;
    case BoundConversion::Sig3FromShear:
      result = target->GetSig3FromShear(bound);
      break;
  }
  if (!std::isfinite(result) || result >= DBL_MAX)
    result = DefaultRangeBound(a.target, target->GetUnits());
  return result;
}

void CarryRange(CKelProject& project, const SwitchAction& a) {
  EnvelopeRange range = project.GetRange(a.source);
  const int sourceApplication = range.application;
  int application = sourceApplication;
  if (TranslateApplication(a.map, sourceApplication, &application)) {
    range.application = application;
    range.bound = ConvertBound(project, a, sourceApplication, range.bound);
  }
  project.SetRange(a.target, range);
}

FitDialogValues PresetFitValues(CKelProject& project) {
  FitDialogValues v;
  project.m_hoekBrown.GetParameters(&v.sigci, &v.mi, &v.gsi, &v.d);
  v.sig3max = project.GetRange(CRITERION_HOEK_BROWN).bound;
  return v;
}

// FALSE when a fit dialog was cancelled.
BOOL RunAction(CKelProject& project, const SwitchAction& a, IFitDialogRunner& runner) {
  CStrengthCriterion* target = project.ModelOf(a.target);
  CStrengthCriterion* source = project.ModelOf(a.source);
  switch (a.kind) {
    case SwitchAction::SetDataType:
      target->SetDataType(a.value);
      break;
    case SwitchAction::CopyLabData:
      target->CopyLabData(source);
      break;
    case SwitchAction::CopyLabFromRockMass:
      target->CopyLabDataFromRockMass(source);
      break;
    case SwitchAction::CopyRockMassFromLab:
      target->CopyRockMassDataFromLab(source);
      break;
    case SwitchAction::CarryRange:
      CarryRange(project, a);
      break;
    case SwitchAction::RunDialog: {
      FitDialogValues values = PresetFitValues(project);
      return runner.RunFitDialog(static_cast<FitDialogKind>(a.value), values);
    }
  }
  return TRUE;
}

}  // namespace

SettingsOutcome ApplyProjectSettings(CKelProject& project, const ProjectSettingsChoice& choice,
                                     IFitDialogRunner& runner) {
  const int oldCriterion = project.m_nCriterion;
  CStrengthCriterion* oldModel = project.m_pActiveCriterion;
  const CString oldTitle = project.m_strTitle;
  const int oldUnits = oldModel->GetUnits();
  const int oldMethod = project.m_hoekBrown.GetModulusMethod();
  const double oldModulus = project.m_hoekBrown.GetIntactModulus();

  // What the dialog's OK accepted: the units of the current model, and of all four models when
  // the criterion changes.
  oldModel->SetUnits(choice.units);
  if (choice.criterion != oldCriterion && project.ModelOf(oldCriterion)) {
    for (int c = CRITERION_HOEK_BROWN; c <= CRITERION_POWER_CURVE; ++c)
      project.ModelOf(c)->SetUnits(choice.units);
  }

  const bool unchanged = choice.units == oldUnits && choice.title == oldTitle &&
                         choice.criterion == oldCriterion && choice.modulusMethod == oldMethod &&
                         choice.intactModulus == oldModulus;
  if (unchanged || !project.ModelOf(choice.criterion)) return SettingsOutcome::Unchanged;

  project.m_strTitle = choice.title;
  project.SetCriterion(choice.criterion);
  project.m_hoekBrown.SetUnits(choice.units);
  project.m_hoekBrown.SetModulusMethod(choice.modulusMethod, choice.intactModulus);

  const SwitchFacts facts = GatherSwitchFacts(project, oldCriterion, choice.criterion);
  for (const SwitchAction& action : PlanCriterionSwitch(facts)) {
    if (!RunAction(project, action, runner)) {
      project.m_strTitle = oldTitle;
      project.m_nCriterion = oldCriterion;
      project.m_pActiveCriterion = oldModel;
      return SettingsOutcome::Cancelled;
    }
  }
  project.m_pActiveCriterion->SetUnits(choice.units);
  return SettingsOutcome::Applied;
}
