#include "view/DockFormLogic.h"

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "res/ViewResources.h"
#include "view/ResultsText.h"

namespace {

using V = SideBarValues;
constexpr double kMax = kSideBarMax;

SideBarField Input(int edit, int spin, int pick, double min, double max, double V::*value) {
  return {edit, spin, pick, FieldRole::kInput, true, min, max, value, true};
}
SideBarField Range(int edit, int spin, bool checked, double V::*value) {
  return {edit, spin, 0, FieldRole::kRange, checked, 0.0, kMax, value, true};
}
SideBarField Load(int edit, double V::*value) {
  return {edit, 0, 0, FieldRole::kLoad, true, 0.0, kMax, value, true};
}
SideBarField Result(int edit, double V::*value) {
  return {edit, 0, 0, FieldRole::kResult, false, 0.0, 0.0, value, true};
}
SideBarField CheckedResult(int edit, double min, double max, double V::*value) {
  return {edit, 0, 0, FieldRole::kResult, true, min, max, value, true};
}

const std::vector<SideBarField> kHoekBrownFields = {
    Input(IDC_HB_SIGCI, IDC_HB_SIGCI_SPIN, IDC_HB_SIGCI_PICK, 1e-07, kMax, &V::hbSigci),
    Input(IDC_HB_GSI, IDC_HB_GSI_SPIN, IDC_HB_GSI_PICK, 5, 100, &V::hbGsi),
    Input(IDC_HB_MI, IDC_HB_MI_SPIN, IDC_HB_MI_PICK, 1, 50, &V::hbMi),
    Input(IDC_HB_D, IDC_HB_D_SPIN, IDC_HB_D_PICK, 0, 1, &V::hbD),
    Range(IDC_HB_SIG3MAX, IDC_HB_SIG3MAX_SPIN, false, &V::hbSig3max),
    Load(IDC_HB_UNIT_WEIGHT, &V::hbUnitWeight),
    Load(IDC_HB_DEPTH, &V::hbDepth),
    Result(IDC_HB_MB, &V::hbMb),
    Result(IDC_HB_S, &V::hbS),
    Result(IDC_HB_A, &V::hbA),
    Result(IDC_HB_C, &V::hbC),
    Result(IDC_HB_PHI, &V::hbPhi),
    Result(IDC_HB_SIGT, &V::hbSigt),
    Result(IDC_HB_SIGC, &V::hbSigc),
    Result(IDC_HB_SIGCM, &V::hbSigcm),
    Result(IDC_HB_EM, &V::hbEm),
};

const std::vector<SideBarField> kMohrCoulombFields = {
    Input(IDC_MC_C, IDC_MC_C_SPIN, IDC_MC_C_PICK, 0, kMax, &V::mcC),
    Input(IDC_MC_PHI, IDC_MC_PHI_SPIN, IDC_MC_PHI_PICK, 0, 90, &V::mcPhi),
    Input(IDC_MC_SIGT, IDC_MC_SIGT_SPIN, 0, -kMax, 0, &V::mcSigt),
    Range(IDC_MC_RANGE, IDC_MC_RANGE_SPIN, false, &V::mcRange),
    Load(IDC_MC_UNIT_WEIGHT, &V::mcUnitWeight),
    Load(IDC_MC_DEPTH, &V::mcDepth),
    CheckedResult(IDC_MC_SIGC, 0, kMax, &V::mcSigc),
};

const std::vector<SideBarField> kBartonBandisFields = {
    Input(IDC_BB_PHIR, IDC_BB_PHIR_SPIN, IDC_BB_PHIR_PICK, 0, 90, &V::bbPhir),
    Input(IDC_BB_JRC, IDC_BB_JRC_SPIN, IDC_BB_JRC_PICK, 0, 20, &V::bbJrc),
    Input(IDC_BB_JCS, IDC_BB_JCS_SPIN, IDC_BB_JCS_PICK, 0.0001, kMax, &V::bbJcs),
    Range(IDC_BB_SIGNMAX, IDC_BB_SIGNMAX_SPIN, true, &V::bbSignmax),
    Load(IDC_BB_UNIT_WEIGHT, &V::bbUnitWeight),
    Load(IDC_BB_DEPTH, &V::bbDepth),
    Result(IDC_BB_C, &V::bbC),
    Result(IDC_BB_PHI, &V::bbPhi),
};

const std::vector<SideBarField> kPowerCurveFields = {
    Input(IDC_PC_A, IDC_PC_A_SPIN, 0, 0, kMax, &V::pcA),
    Input(IDC_PC_D, IDC_PC_D_SPIN, 0, 0, kMax, &V::pcD),
    Input(IDC_PC_B, IDC_PC_B_SPIN, 0, 0.5, 1, &V::pcB),
    Input(IDC_PC_PA, IDC_PC_PA_SPIN, 0, 0.0001, kMax, &V::pcPa),
    Range(IDC_PC_RANGE, IDC_PC_RANGE_SPIN, true, &V::pcRange),
    Load(IDC_PC_UNIT_WEIGHT, &V::pcUnitWeight),
    Load(IDC_PC_DEPTH, &V::pcDepth),
    CheckedResult(IDC_PC_ND_A, 0, kMax, &V::pcNdA),
    CheckedResult(IDC_PC_ND_T, 0, kMax, &V::pcNdT),
    CheckedResult(IDC_PC_ND_N, 0.5, 1, &V::pcNdN),
    CheckedResult(IDC_PC_SIGT, -kMax, kMax, &V::pcSigt),
    CheckedResult(IDC_PC_SIGC, 0, kMax, &V::pcSigc),
    Result(IDC_PC_C, &V::pcC),
    {IDC_PC_PHI, 0, 0, FieldRole::kResult, false, 0.0, 0.0, &V::pcPhi, false},
};

// The residual sum of the model's own data, without a refit; nothing without data.
template <class Model>
void RecomputeResiduals(Model* model, bool rockMass) {
  const int n = rockMass ? model->GetRockMassCount() : model->GetLabCount();
  if (n < 1) return;
  std::vector<double> x(n), y(n);
  if (rockMass)
    model->GetRockMassData(x.data(), y.data());
  else
    model->GetLabData(x.data(), y.data());
  model->CalcResiduals(n, x.data(), y.data());
}

bool DirectShear(const CStrengthCriterion* model) {
  return model->GetDataType(nullptr) == DATA_DIRECT_SHEAR;
}

void Add(std::vector<SideBarText>* out, int id, const char* format, double value, int decimals) {
  out->push_back({id, FormatResultNumber(format, value, decimals)});
}

}  // namespace

int& SideBarValues::Application(int criterion) {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return mcApplication;
    case CRITERION_BARTON_BANDIS:
      return bbApplication;
    case CRITERION_POWER_CURVE:
      return pcApplication;
    default:
      return hbApplication;
  }
}

int SideBarValues::Application(int criterion) const {
  return const_cast<SideBarValues*>(this)->Application(criterion);
}

const std::vector<SideBarField>& SideBarFields(int criterion) {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return kMohrCoulombFields;
    case CRITERION_BARTON_BANDIS:
      return kBartonBandisFields;
    case CRITERION_POWER_CURVE:
      return kPowerCurveFields;
    default:
      return kHoekBrownFields;
  }
}

const SideBarField* FindSideBarField(int edit) {
  for (int c = 0; c < 4; ++c)
    for (const SideBarField& f : SideBarFields(c))
      if (f.edit == edit) return &f;
  return nullptr;
}

bool IsCustomApplication(int criterion, int application) {
  return criterion == CRITERION_HOEK_BROWN ? application == CHoekBrownCriterion::APPLICATION_CUSTOM
                                           : application == APPLICATION_CUSTOM;
}

bool IsLoadApplication(int criterion, int application) {
  if (criterion == CRITERION_HOEK_BROWN)
    return application == CHoekBrownCriterion::APPLICATION_TUNNELS ||
           application == CHoekBrownCriterion::APPLICATION_SLOPES;
  return application == APPLICATION_TUNNELS || application == APPLICATION_SLOPES;
}

bool ReadWhenSaving(const SideBarField& field, int criterion, int application) {
  switch (field.role) {
    case FieldRole::kInput:
      return true;
    case FieldRole::kRange:
      return IsCustomApplication(criterion, application);
    case FieldRole::kLoad:
      return IsLoadApplication(criterion, application);
    case FieldRole::kResult:
      break;
  }
  return false;
}

bool ValueInRange(double value, double min, double max) {
  return value >= min && value <= max;
}

std::string RangeMessage(double min, double max) {
  char text[128];
  std::snprintf(text, sizeof text, "Please enter a number between %g and %g", min, max);
  return text;
}

void ApplySideBarValues(const PlotDocument& doc, SideBarValues& v) {
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      CHoekBrownCriterion* m = doc.hoekBrown;
      m->SetParameters(v.hbSigci, v.hbMi, v.hbGsi, v.hbD);
      m->SetEnvelopeRange(v.hbApplication, v.hbSig3max, v.hbUnitWeight, v.hbDepth);
      m->GetRockMassConstants(&v.hbSigci, &v.hbMb, &v.hbS, &v.hbA);
      m->GetRockMassStrengths(&v.hbSigc, &v.hbSigt, &v.hbEm, &v.hbSigcm);
      m->CalcEquivalentMC(&v.hbC, &v.hbPhi);
      v.hbSig3max = m->GetSig3Max();
      BYTE source = SOURCE_LAB;
      m->GetFieldDataFlag(&source);
      RecomputeResiduals(m, source == SOURCE_ROCK_MASS);
      break;
    }
    case CRITERION_MOHR_COULOMB: {
      CMohrCoulombCriterion* m = doc.mohrCoulomb;
      m->SetParameters(v.mcC, v.mcPhi, v.mcSigt);
      v.mcSigt = m->GetMinSig3();
      if (DirectShear(m))
        m->SetSignMax(v.mcRange);
      else
        m->SetSig3Max(v.mcRange);
      m->SetEnvelopeRange(v.mcApplication, v.mcRange, v.mcUnitWeight, v.mcDepth);
      RecomputeResiduals(m, false);
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      CBartonBandisCriterion* m = doc.bartonBandis;
      m->SetParameters(v.bbPhir, v.bbJrc, v.bbJcs);
      m->SetSignMax(v.bbSignmax);
      m->SetEnvelopeRange(v.bbApplication, v.bbSignmax, v.bbUnitWeight, v.bbDepth);
      m->GetParameters(&v.bbPhir, &v.bbJrc, &v.bbJcs);
      m->CalcEquivalentMC(&v.bbC, &v.bbPhi);
      v.bbSignmax = m->GetSignMax();
      RecomputeResiduals(m, false);
      break;
    }
    case CRITERION_POWER_CURVE: {
      CPowerCurveCriterion* m = doc.powerCurve;
      m->SetParameters(v.pcA, v.pcD, v.pcB);
      if (DirectShear(m))
        m->SetSignMax(v.pcRange);
      else
        m->SetSig3Max(v.pcRange);
      m->SetEnvelopeRange(v.pcApplication, v.pcRange, v.pcUnitWeight, v.pcDepth);
      m->CalcEquivalentMC(&v.pcC, &v.pcPhi);
      m->SetAtmosphericPressure(v.pcPa);
      RecomputeResiduals(m, false);
      break;
    }
    default:
      break;
  }
}

void LoadSideBarValues(const PlotDocument& doc, SideBarValues& v) {
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      CHoekBrownCriterion* m = doc.hoekBrown;
      m->GetParameters(&v.hbSigci, &v.hbMi, &v.hbGsi, &v.hbD);
      m->GetEnvelopeRange(&v.hbApplication, &v.hbSig3max, &v.hbUnitWeight, &v.hbDepth);
      m->GetRockMassConstants(&v.hbSigci, &v.hbMb, &v.hbS, &v.hbA);
      m->GetRockMassStrengths(&v.hbSigc, &v.hbSigt, &v.hbEm, &v.hbSigcm);
      m->CalcEquivalentMC(&v.hbC, &v.hbPhi);
      break;
    }
    case CRITERION_MOHR_COULOMB: {
      CMohrCoulombCriterion* m = doc.mohrCoulomb;
      m->GetParameters(&v.mcC, &v.mcPhi, &v.mcSigt);
      m->GetEnvelopeRange(&v.mcApplication, &v.mcRange, &v.mcUnitWeight, &v.mcDepth);
      v.mcRange = DirectShear(m) ? m->GetSignMax() : m->GetSig3Max();
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      CBartonBandisCriterion* m = doc.bartonBandis;
      m->GetParameters(&v.bbPhir, &v.bbJrc, &v.bbJcs);
      m->GetEnvelopeRange(&v.bbApplication, &v.bbSignmax, &v.bbUnitWeight, &v.bbDepth);
      v.bbSignmax = m->GetSignMax();
      break;
    }
    case CRITERION_POWER_CURVE: {
      CPowerCurveCriterion* m = doc.powerCurve;
      m->GetParameters(&v.pcA, &v.pcD, &v.pcB);
      m->GetEnvelopeRange(&v.pcApplication, &v.pcRange, &v.pcUnitWeight, &v.pcDepth);
      v.pcRange = DirectShear(m) ? m->GetSignMax() : m->GetSig3Max();
      v.pcPa = m->GetAtmosphericPressure();
      break;
    }
    default:
      break;
  }
}

std::vector<SideBarText> SideBarResultTexts(const PlotDocument& doc, const SideBarValues& v,
                                           int d) {
  std::vector<SideBarText> out;
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      CHoekBrownCriterion* m = doc.hoekBrown;
      double sigci = 0, mb = 0, s = 0, a = 0, sigc = 0, sigt = 0, Em = 0, sigcm = 0;
      double c = 0, phi = 0;
      m->GetRockMassConstants(&sigci, &mb, &s, &a);
      m->GetRockMassStrengths(&sigc, &sigt, &Em, &sigcm);
      m->CalcEquivalentMC(&c, &phi);
      Add(&out, IDC_HB_MB, "%.3f", mb, d);
      Add(&out, IDC_HB_S, "%.4f", s, d);
      Add(&out, IDC_HB_A, "%.3f", a, d);
      Add(&out, IDC_HB_SIGT, "%.4f", sigt, d);
      Add(&out, IDC_HB_SIGC, "%.3f", sigc, d);
      Add(&out, IDC_HB_SIGCM, "%.3f", sigcm, d);
      Add(&out, IDC_HB_EM, "%.2f", Em, d);
      Add(&out, IDC_HB_C, "%.3f", c, d);
      Add(&out, IDC_HB_PHI, "%.2f", phi, d);
      Add(&out, IDC_HB_SIG3MAX, "%.4f", m->GetSig3Max(), d);
      break;
    }
    case CRITERION_MOHR_COULOMB: {
      CMohrCoulombCriterion* m = doc.mohrCoulomb;
      Add(&out, IDC_MC_SIGT, "%.4g", m->GetMinSig3(), d);
      Add(&out, IDC_MC_SIGC, "%.4g", m->GetUniaxialStrength(), d);
      Add(&out, IDC_MC_RANGE, "%.4f", DirectShear(m) ? m->GetSignMax() : m->GetSig3Max(), d);
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      CBartonBandisCriterion* m = doc.bartonBandis;
      double c = 0, phi = 0;
      m->CalcEquivalentMC(&c, &phi);
      Add(&out, IDC_BB_C, "%.3f", c, d);
      Add(&out, IDC_BB_PHI, "%.2f", phi, d);
      Add(&out, IDC_BB_SIGNMAX, "%.4f", m->GetSignMax(), d);
      break;
    }
    case CRITERION_POWER_CURVE: {
      CPowerCurveCriterion* m = doc.powerCurve;
      double a = 0, dd = 0, b = 0, c = 0, phi = 0;
      m->GetParameters(&a, &dd, &b);
      m->CalcEquivalentMC(&c, &phi);
      Add(&out, IDC_PC_SIGT, "%.4g", m->GetMinSig3(), d);
      Add(&out, IDC_PC_SIGC, "%.4g", m->GetUniaxialStrength(), d);
      Add(&out, IDC_PC_ND_A, "%.4g", a * std::pow(v.pcPa, b - 1.0), d);
      Add(&out, IDC_PC_ND_T, "%.4g", dd / v.pcPa, d);
      Add(&out, IDC_PC_ND_N, "%.4g", b, d);
      Add(&out, IDC_PC_C, "%.3f", c, d);
      Add(&out, IDC_PC_PHI, "%.2f", phi, d);
      Add(&out, IDC_PC_RANGE, "%.4f", DirectShear(m) ? m->GetSignMax() : m->GetSig3Max(), d);
      break;
    }
    default:
      break;
  }
  return out;
}

ApplicationControls ApplicationControlsFor(int criterion, int application) {
  ApplicationControls a;
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      a.rangeEdit = IDC_MC_RANGE, a.rangeSpin = IDC_MC_RANGE_SPIN;
      a.loadRows = {IDC_MC_UNIT_WEIGHT_LABEL, IDC_MC_UNIT_WEIGHT, IDC_MC_UNIT_WEIGHT_UNIT,
                    IDC_MC_DEPTH_LABEL,       IDC_MC_DEPTH,       IDC_MC_DEPTH_UNIT};
      a.depthLabel = IDC_MC_DEPTH_LABEL;
      break;
    case CRITERION_BARTON_BANDIS:
      a.rangeEdit = IDC_BB_SIGNMAX, a.rangeSpin = IDC_BB_SIGNMAX_SPIN;
      a.loadRows = {IDC_BB_UNIT_WEIGHT_LABEL, IDC_BB_UNIT_WEIGHT, IDC_BB_UNIT_WEIGHT_UNIT,
                    IDC_BB_DEPTH_LABEL,       IDC_BB_DEPTH,       IDC_BB_DEPTH_UNIT};
      a.depthLabel = IDC_BB_DEPTH_LABEL;
      break;
    case CRITERION_POWER_CURVE:
      a.rangeEdit = IDC_PC_RANGE, a.rangeSpin = IDC_PC_RANGE_SPIN;
      a.loadRows = {IDC_PC_UNIT_WEIGHT_LABEL, IDC_PC_UNIT_WEIGHT, IDC_PC_UNIT_WEIGHT_UNIT,
                    IDC_PC_DEPTH_LABEL,       IDC_PC_DEPTH,       IDC_PC_DEPTH_UNIT};
      a.depthLabel = IDC_PC_DEPTH_LABEL;
      break;
    default:
      a.rangeEdit = IDC_HB_SIG3MAX, a.rangeSpin = IDC_HB_SIG3MAX_SPIN;
      a.loadRows = {IDC_HB_UNIT_WEIGHT_LABEL, IDC_HB_UNIT_WEIGHT, IDC_HB_UNIT_WEIGHT_UNIT,
                    IDC_HB_DEPTH_LABEL,       IDC_HB_DEPTH,       IDC_HB_DEPTH_UNIT};
      a.depthLabel = IDC_HB_DEPTH_LABEL;
      break;
  }
  if (IsLoadApplication(criterion, application)) {
    a.rangeReadOnly = true;
    a.showLoadRows = true;
    const bool tunnels = criterion == CRITERION_HOEK_BROWN
                             ? application == CHoekBrownCriterion::APPLICATION_TUNNELS
                             : application == APPLICATION_TUNNELS;
    a.depthText = tunnels ? "Tunnel Depth" : "Slope Height";
  } else {
    // Custom types the bound; Hoek-Brown's General computes it like Tunnels and Slopes do.
    a.rangeReadOnly = !IsCustomApplication(criterion, application);
    a.showLoadRows = false;
  }
  return a;
}

const std::vector<SpinSetting>& InitialSpinSettings() {
  static const std::vector<SpinSetting> kSettings = {
      {IDC_HB_GSI_SPIN, 5, 100, 1},
      {IDC_HB_SIGCI_SPIN, 1, DBL_MAX, 1},
      {IDC_HB_MI_SPIN, 1, 50, 1},
      {IDC_HB_D_SPIN, 0, 1, 0.1},
      {IDC_HB_SIG3MAX_SPIN, 0, DBL_MAX, 1},
      {IDC_MC_RANGE_SPIN, 0, DBL_MAX, 1},
      {IDC_MC_C_SPIN, 0, DBL_MAX, 1},
      {IDC_MC_SIGT_SPIN, -DBL_MAX, 0, 0.1},
      {IDC_MC_PHI_SPIN, 0, 90, 1},
      {IDC_BB_PHIR_SPIN, 0, 90, 1},
      {IDC_BB_JRC_SPIN, 0, 20, 0.1},
      {IDC_BB_JCS_SPIN, 0, DBL_MAX, 1},
      {IDC_BB_SIGNMAX_SPIN, 0, DBL_MAX, 1},
      {IDC_PC_A_SPIN, 0, DBL_MAX, 0.1},
      {IDC_PC_D_SPIN, 0, DBL_MAX, 0.1},
      {IDC_PC_B_SPIN, 0.5, 1, 0.05},
      {IDC_PC_RANGE_SPIN, 0, DBL_MAX, 1},
      {IDC_PC_PA_SPIN, 0.0001, DBL_MAX, 1},
  };
  return kSettings;
}

std::vector<SpinSetting> UnitSpinSettings(int units) {
  if (units < 0 || units >= UNITS_COUNT) return {};
  // Per unit system: sigci minimum and step, the steps of HB sig3max, MC range, MC c, MC sigt,
  // JCS, BB signmax, PC d and PC range, then the Pa minimum and step.
  static const double kTable[UNITS_COUNT][12] = {
      {1, 1, 1, 1, 1, 0.1, 1, 1, 0.1, 1, 0.0001, 0.005},
      {1000, 10, 10, 10, 10, 1, 10, 10, 10, 0.01, 0.1, 0.5},
      {10, 10, 1, 10, 10, 1, 10, 10, 10, 0.01, 0.01, 0.05},
      {0.1, 0.1, 0.1, 0.1, 0.1, 0.01, 0.1, 0.1, 0.1, 0.01, 0.0001, 0.0005},
      {10, 10, 10, 10, 10, 1, 10, 1, 10, 10, 0.0001, 0.05},
      {100, 10, 10, 10, 10, 1, 10, 10, 10, 10, 0.0001, 0.05},
      {10000, 1000, 100, 100, 100, 10, 1000, 100, 100, 100, 0.1, 5},
      {10, 1, 1, 1, 1, 0.1, 1, 1, 1, 1, 0.001, 0.005},
  };
  const double* t = kTable[units];
  return {
      {IDC_HB_SIGCI_SPIN, t[0], DBL_MAX, t[1]},  {IDC_HB_SIG3MAX_SPIN, 0, DBL_MAX, t[2]},
      {IDC_MC_RANGE_SPIN, 0, DBL_MAX, t[3]},     {IDC_MC_C_SPIN, 0, DBL_MAX, t[4]},
      {IDC_MC_SIGT_SPIN, -DBL_MAX, 0, t[5]},     {IDC_BB_JCS_SPIN, 0, DBL_MAX, t[6]},
      {IDC_BB_SIGNMAX_SPIN, 0, DBL_MAX, t[7]},   {IDC_PC_D_SPIN, 0, DBL_MAX, t[8]},
      {IDC_PC_RANGE_SPIN, 0, DBL_MAX, t[9]},     {IDC_PC_PA_SPIN, t[10], DBL_MAX, t[11]},
  };
}

std::vector<SideBarText> UnitLabelTexts(const CStrengthCriterion* active) {
  static const int kStress[] = {
      IDC_HB_SIGCI_UNIT, IDC_HB_SIG3MAX_UNIT, IDC_HB_C_UNIT,    IDC_HB_SIGT_UNIT,
      IDC_HB_SIGC_UNIT,  IDC_HB_SIGCM_UNIT,   IDC_HB_EM_UNIT,   IDC_MC_C_UNIT,
      IDC_MC_SIGT_UNIT,  IDC_MC_RANGE_UNIT,   IDC_MC_SIGC_UNIT, IDC_BB_JCS_UNIT,
      IDC_BB_SIGNMAX_UNIT, IDC_BB_C_UNIT,     IDC_PC_D_UNIT,    IDC_PC_RANGE_UNIT,
      IDC_PC_SIGT_UNIT,  IDC_PC_SIGC_UNIT,    IDC_PC_PA_UNIT,   IDC_PC_C_UNIT};
  static const int kUnitWeight[] = {IDC_HB_UNIT_WEIGHT_UNIT, IDC_BB_UNIT_WEIGHT_UNIT,
                                    IDC_PC_UNIT_WEIGHT_UNIT, IDC_MC_UNIT_WEIGHT_UNIT};
  static const int kLength[] = {IDC_HB_DEPTH_UNIT, IDC_BB_DEPTH_UNIT, IDC_PC_DEPTH_UNIT,
                                IDC_MC_DEPTH_UNIT};
  std::string stress = "MPa", weight = "MN/m3", length = "m";
  if (active) {
    stress = static_cast<const char*>(active->GetStressUnitLabel(FALSE));
    weight = static_cast<const char*>(active->GetUnitWeightLabel(FALSE));
    length = static_cast<const char*>(active->GetLengthUnitLabel(FALSE));
  }
  std::vector<SideBarText> out;
  for (int id : kStress) out.push_back({id, stress});
  for (int id : kUnitWeight) out.push_back({id, weight});
  for (int id : kLength) out.push_back({id, length});
  if (active) {
    const char* range = DirectShear(active) ? "signmax" : "sig3max";
    out.push_back({IDC_MC_RANGE_LABEL, range});
    out.push_back({IDC_PC_RANGE_LABEL, range});
  }
  return out;
}

std::vector<int> EnabledControlIds(const SideBarValues& v) {
  std::vector<int> ids;
  for (const SpinSetting& s : InitialSpinSettings()) ids.push_back(s.spin);
  const int inputEdits[] = {IDC_HB_GSI,    IDC_HB_SIGCI, IDC_HB_MI,      IDC_HB_D,   IDC_HB_SIG3MAX,
                            IDC_MC_C,      IDC_MC_PHI,   IDC_MC_SIGT,    IDC_MC_RANGE,
                            IDC_BB_PHIR,   IDC_BB_JRC,   IDC_BB_JCS,     IDC_BB_SIGNMAX,
                            IDC_PC_A,      IDC_PC_D,     IDC_PC_B,       IDC_PC_RANGE, IDC_PC_PA};
  ids.insert(ids.end(), std::begin(inputEdits), std::end(inputEdits));
  const int picks[] = {IDC_HB_MI_PICK,   IDC_HB_GSI_PICK,  IDC_HB_SIGCI_PICK,
                       IDC_HB_D_PICK,    IDC_BB_PHIR_PICK, IDC_BB_JRC_PICK,
                       IDC_BB_JCS_PICK,  IDC_MC_C_PICK,    IDC_MC_PHI_PICK};
  ids.insert(ids.end(), std::begin(picks), std::end(picks));
  const int results[] = {IDC_HB_MB, IDC_HB_S,    IDC_HB_A,    IDC_HB_C,     IDC_HB_PHI,
                         IDC_HB_SIGT, IDC_HB_SIGC, IDC_HB_SIGCM, IDC_HB_EM,  IDC_MC_SIGC,
                         IDC_BB_C,  IDC_BB_PHI,  IDC_PC_C,    IDC_PC_PHI,   IDC_PC_SIGT,
                         IDC_PC_SIGC, IDC_PC_ND_A, IDC_PC_ND_T, IDC_PC_ND_N};
  ids.insert(ids.end(), std::begin(results), std::end(results));
  for (int c = 0; c < 4; ++c) ids.push_back(ApplicationComboOf(c));
  // The unit-weight and depth edits of the criteria whose bound comes from them; the range
  // edits and their spins are in the lists above.
  for (int c = 0; c < 4; ++c) {
    if (!IsLoadApplication(c, v.Application(c))) continue;
    for (const SideBarField& f : SideBarFields(c))
      if (f.role == FieldRole::kLoad) ids.push_back(f.edit);
  }
  const int copies[] = {IDC_HB_COPY_DATA, IDC_MC_COPY_DATA, IDC_BB_COPY_DATA, IDC_PC_COPY_DATA};
  ids.insert(ids.end(), std::begin(copies), std::end(copies));
  return ids;
}

int GroupBoxOf(int criterion) {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return IDC_MC_GROUP;
    case CRITERION_BARTON_BANDIS:
      return IDC_BB_GROUP;
    case CRITERION_POWER_CURVE:
      return IDC_PC_GROUP;
    default:
      return IDC_HB_GROUP;
  }
}

int ApplicationComboOf(int criterion) {
  switch (criterion) {
    case CRITERION_MOHR_COULOMB:
      return IDC_MC_APPLICATION;
    case CRITERION_BARTON_BANDIS:
      return IDC_BB_APPLICATION;
    case CRITERION_POWER_CURVE:
      return IDC_PC_APPLICATION;
    default:
      return IDC_HB_APPLICATION;
  }
}

