// Project Settings on a project without windows: the data-type question, every row of the
// criterion-switch table (data carried, data types, ranges translated and converted, the fit
// dialog run) with OK and with Cancel, and the "nothing changed" and guard cases.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "core/document/CriterionSwitch.h"

namespace {

enum { HB = CRITERION_HOEK_BROWN, MC = CRITERION_MOHR_COULOMB, BB = CRITERION_BARTON_BANDIS,
       PC = CRITERION_POWER_CURVE };

// Answers every fit dialog with one result and remembers which ran.
class FakeRunner : public IFitDialogRunner {
 public:
  explicit FakeRunner(BOOL answer = TRUE) : m_answer(answer) {}
  BOOL RunFitDialog(FitDialogKind kind, FitDialogValues&) override {
    ran.push_back(kind);
    return m_answer;
  }
  std::vector<FitDialogKind> ran;

 private:
  BOOL m_answer;
};

const double kTriaxX[] = {0.0, 2.0, 5.0, 10.0};
const double kTriaxY[] = {60.0, 75.0, 95.0, 120.0};
const double kShearX[] = {1.0, 2.0, 4.0, 6.0};
const double kShearY[] = {0.9, 1.6, 2.9, 4.0};

void GiveLabData(CStrengthCriterion* model, int type) {
  model->SetDataType(type);
  if (type == DATA_TRIAXIAL)
    model->SetLabData(4, kTriaxX, kTriaxY);
  else
    model->SetLabData(4, kShearX, kShearY);
}

std::vector<double> LabX(CStrengthCriterion* model) {
  std::vector<double> x(model->GetLabCount()), y(x.size());
  if (!x.empty()) model->GetLabData(x.data(), y.data());
  return x;
}

std::vector<double> RockMassX(CStrengthCriterion* model) {
  std::vector<double> x(model->GetRockMassCount()), y(x.size());
  if (!x.empty()) model->GetRockMassData(x.data(), y.data());
  return x;
}

// A project on criterion from, asked to switch to criterion to with everything else kept.
struct Switch {
  CKelProject project;
  ProjectSettingsChoice choice;
  Switch(int from, int to) {
    project.SetCriterion(from);
    choice.title = project.m_strTitle;
    choice.units = project.m_pActiveCriterion->GetUnits();
    choice.criterion = to;
    choice.modulusMethod = project.m_hoekBrown.GetModulusMethod();
    choice.intactModulus = project.m_hoekBrown.GetIntactModulus();
  }
  SettingsOutcome Run(IFitDialogRunner& runner) {
    return ApplyProjectSettings(project, choice, runner);
  }
  CStrengthCriterion* Model(int c) { return project.ModelOf(c); }
};

}  // namespace

TEST(DataTypeQuestion, AsksOnlyWhereTheDataMustChangeType) {
  // (old, new) over no data, triaxial data and direct-shear data: the expected direction.
  struct Row {
    int from, to, none, triaxial, shear;
  };
  const Row rows[] = {
      {HB, HB, -1, -1, -1}, {HB, MC, -1, -1, -1}, {HB, BB, -1, 0, 0},   {HB, PC, -1, -1, -1},
      {MC, HB, -1, -1, 1},  {MC, MC, -1, -1, -1}, {MC, BB, -1, 0, -1},  {MC, PC, -1, -1, -1},
      {BB, HB, -1, 1, 1},   {BB, MC, -1, -1, -1}, {BB, BB, -1, -1, -1}, {BB, PC, -1, -1, -1},
      {PC, HB, -1, -1, 1},  {PC, MC, -1, -1, -1}, {PC, BB, -1, 0, -1},  {PC, PC, -1, -1, -1},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DataTypeQuestion(r.from, r.to, 0, 0, DATA_TRIAXIAL), r.none) << r.from << r.to;
    EXPECT_EQ(DataTypeQuestion(r.from, r.to, 3, 0, DATA_TRIAXIAL), r.triaxial) << r.from << r.to;
    EXPECT_EQ(DataTypeQuestion(r.from, r.to, 3, 0, DATA_DIRECT_SHEAR), r.shear) << r.from << r.to;
  }
  // Hoek-Brown with rock-mass points only still asks before Barton-Bandis.
  EXPECT_EQ(DataTypeQuestion(HB, BB, 0, 5, DATA_TRIAXIAL), 0);
  EXPECT_EQ(DataTypeQuestion(7, BB, 3, 0, DATA_TRIAXIAL), -1);
  EXPECT_EQ(DataTypeQuestionText(0),
            CString("Criterion change requires switch from triaxial to direct shear data.\nProceed?"));
  EXPECT_EQ(DataTypeQuestionText(1),
            CString("Criterion change requires switch from direct shear to triaxial data.\nProceed?"));
  EXPECT_EQ(DataTypeQuestionText(2), CString(""));
}

TEST(ApplicationIndex, TranslatesBetweenTheTwoNumberings) {
  int out = 0;
  const int toOther[] = {APPLICATION_CUSTOM, APPLICATION_TUNNELS, APPLICATION_SLOPES,
                         APPLICATION_CUSTOM};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(TranslateApplication(ApplicationMap::HoekBrownToOther, i, &out));
    EXPECT_EQ(out, toOther[i]);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(TranslateApplication(ApplicationMap::OtherToHoekBrown, i, &out));
    EXPECT_EQ(out, i + 1);
  }
  EXPECT_FALSE(TranslateApplication(ApplicationMap::HoekBrownToOther, 4, &out));
  EXPECT_EQ(out, 4);
  EXPECT_FALSE(TranslateApplication(ApplicationMap::OtherToHoekBrown, 3, &out));
  EXPECT_EQ(out, 3);
}

TEST(ProjectSettings, NothingChangedRunsNothing) {
  Switch s(MC, MC);
  GiveLabData(s.Model(MC), DATA_TRIAXIAL);
  FakeRunner runner;
  EXPECT_EQ(s.Run(runner), SettingsOutcome::Unchanged);
  EXPECT_TRUE(runner.ran.empty());
  EXPECT_EQ(s.project.m_nCriterion, MC);
}

TEST(ProjectSettings, SameCriterionRunsItsDialogOnlyWithData) {
  {
    Switch s(HB, HB);
    s.choice.title = "New title";
    FakeRunner runner;
    EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
    EXPECT_TRUE(runner.ran.empty());
    EXPECT_EQ(s.project.m_strTitle, CString("New title"));
  }
  for (int flag : {0, 1}) {
    Switch s(HB, HB);
    s.choice.title = "New title";
    GiveLabData(s.Model(HB), DATA_TRIAXIAL);
    s.project.m_hoekBrown.SetFieldDataFlag(static_cast<BYTE>(flag));
    FakeRunner runner;
    s.Run(runner);
    ASSERT_EQ(runner.ran.size(), 1u);
    EXPECT_EQ(runner.ran[0], flag ? FIT_DIALOG_ROCK_MASS : FIT_DIALOG_HOEK_BROWN);
  }
  Switch s(PC, PC);
  s.choice.title = "New title";
  GiveLabData(s.Model(PC), DATA_DIRECT_SHEAR);
  FakeRunner runner;
  s.Run(runner);
  EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_POWER_CURVE});
}

TEST(ProjectSettings, HoekBrownDataGoesToMohrCoulombOrPowerCurve) {
  {  // lab data, flag 0
    Switch s(HB, MC);
    GiveLabData(s.Model(HB), DATA_TRIAXIAL);
    s.Model(MC)->SetDataType(DATA_DIRECT_SHEAR);
    FakeRunner runner;
    EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
    EXPECT_EQ(s.project.m_pActiveCriterion, s.Model(MC));
    EXPECT_EQ(s.Model(MC)->GetDataType(nullptr), DATA_TRIAXIAL);
    EXPECT_EQ(LabX(s.Model(MC)), LabX(s.Model(HB)));
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_MOHR_COULOMB});
  }
  {  // rock-mass data, flag 1: the rock-mass points become the power curve's lab points
    Switch s(HB, PC);
    s.Model(HB)->SetRockMassData(4, kTriaxX, kTriaxY);
    s.project.m_hoekBrown.SetFieldDataFlag(1);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(LabX(s.Model(PC)), RockMassX(s.Model(HB)));
    EXPECT_EQ(s.Model(PC)->GetDataType(nullptr), DATA_TRIAXIAL);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_POWER_CURVE});
  }
}

TEST(ProjectSettings, HoekBrownWithoutDataCarriesItsRange) {
  {  // Tunnels becomes Tunnels with the same unit weight and depth
    Switch s(HB, MC);
    s.project.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 0, 0.03, 80);
    FakeRunner runner;
    s.Run(runner);
    const EnvelopeRange r = s.project.GetRange(MC);
    EXPECT_EQ(r.application, APPLICATION_TUNNELS);
    EXPECT_DOUBLE_EQ(r.gamma, 0.03);
    EXPECT_DOUBLE_EQ(r.H, 80);
    EXPECT_TRUE(runner.ran.empty());
  }
  {  // the field-data flag without rock-mass points: no dialog, the range goes on
    Switch s(HB, MC);
    s.project.m_hoekBrown.SetFieldDataFlag(1);
    s.project.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0, 0.025, 60);
    FakeRunner runner;
    EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
    EXPECT_TRUE(runner.ran.empty());
    EXPECT_EQ(s.Model(MC)->GetLabCount(), 0);
    const EnvelopeRange r = s.project.GetRange(MC);
    EXPECT_EQ(r.application, APPLICATION_SLOPES);
    EXPECT_DOUBLE_EQ(r.gamma, 0.025);
    EXPECT_DOUBLE_EQ(r.H, 60);
  }
  {  // General becomes Custom with the same sig3max
    Switch s(HB, PC);
    const double sig3max = s.project.GetRange(HB).bound;
    FakeRunner runner;
    s.Run(runner);
    const EnvelopeRange r = s.project.GetRange(PC);
    EXPECT_EQ(r.application, APPLICATION_CUSTOM);
    EXPECT_DOUBLE_EQ(r.bound, sig3max);
  }
}

TEST(ProjectSettings, HoekBrownToBartonBandis) {
  {  // with lab data: the Barton-Bandis dialog on its own data, nothing copied
    Switch s(HB, BB);
    GiveLabData(s.Model(HB), DATA_TRIAXIAL);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(BB)->GetLabCount(), 0);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_BARTON_BANDIS});
  }
  {  // General: the bound becomes the normal stress at the Hoek-Brown sig3max
    Switch s(HB, BB);
    const double sig3max = s.project.GetRange(HB).bound;
    FakeRunner runner;
    s.Run(runner);
    const EnvelopeRange r = s.project.GetRange(BB);
    EXPECT_EQ(r.application, APPLICATION_CUSTOM);
    EXPECT_DOUBLE_EQ(r.bound, s.Model(BB)->GetSigNAtSig3(sig3max));
  }
  {  // Custom is converted too: sig3max 10 becomes the normal stress at sig3 = 10
    Switch s(HB, BB);
    s.project.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 10.0, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    const EnvelopeRange r = s.project.GetRange(BB);
    EXPECT_EQ(r.application, APPLICATION_CUSTOM);
    EXPECT_NEAR(r.bound, 15.88, 0.01);
    EXPECT_DOUBLE_EQ(r.bound, s.Model(BB)->GetSigNAtSig3(10.0));
    EXPECT_TRUE(runner.ran.empty());
  }
  {  // Slopes: the bound is handed on unchanged (the model's slope rule then applies)
    Switch s(HB, BB);
    s.project.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0, 0.03, 70);
    const double bound = s.project.GetRange(HB).bound;
    FakeRunner runner;
    s.Run(runner);
    CBartonBandisCriterion expected;
    expected.SetEnvelopeRange(APPLICATION_SLOPES, bound, 0.03, 70);
    EXPECT_EQ(s.project.GetRange(BB).application, APPLICATION_SLOPES);
    EXPECT_DOUBLE_EQ(s.project.GetRange(BB).bound, expected.GetSignMax());
    EXPECT_DOUBLE_EQ(s.project.GetRange(BB).H, 70);
  }
}

TEST(ProjectSettings, MohrCoulombOrPowerCurveToHoekBrown) {
  for (int flag : {0, 1}) {  // triaxial data go to the set the flag names
    Switch s(MC, HB);
    GiveLabData(s.Model(MC), DATA_TRIAXIAL);
    s.project.m_hoekBrown.SetFieldDataFlag(static_cast<BYTE>(flag));
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(flag ? RockMassX(s.Model(HB)) : LabX(s.Model(HB)), LabX(s.Model(MC)));
    EXPECT_EQ(s.Model(HB)->GetDataType(nullptr), DATA_TRIAXIAL);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{flag ? FIT_DIALOG_ROCK_MASS
                                                          : FIT_DIALOG_HOEK_BROWN});
  }
  {  // direct-shear data: the dialog only
    Switch s(PC, HB);
    GiveLabData(s.Model(PC), DATA_DIRECT_SHEAR);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(HB)->GetLabCount(), 0);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_HOEK_BROWN});
  }
  {  // triaxial without points: the index moves up, the bound stays
    Switch s(MC, HB);
    s.project.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 7.5, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.project.GetRange(HB).application, CHoekBrownCriterion::APPLICATION_CUSTOM);
    EXPECT_DOUBLE_EQ(s.project.GetRange(HB).bound, 7.5);
  }
  for (int flag : {0, 1}) {  // direct shear without points: the bound becomes a sig3
    Switch s(PC, HB);
    s.Model(PC)->SetDataType(DATA_DIRECT_SHEAR);
    s.project.m_powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 4.0, 0.026, 50);
    s.project.m_hoekBrown.SetFieldDataFlag(static_cast<BYTE>(flag));
    FakeRunner runner;
    s.Run(runner);
    const double expected = flag ? 4.0 : s.Model(HB)->GetSig3AtSigN(4.0);
    EXPECT_DOUBLE_EQ(s.project.GetRange(HB).bound, expected) << flag;
  }
}

TEST(ProjectSettings, MohrCoulombOrPowerCurveToBartonBandis) {
  {  // direct-shear data are copied
    Switch s(MC, BB);
    GiveLabData(s.Model(MC), DATA_DIRECT_SHEAR);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(LabX(s.Model(BB)), LabX(s.Model(MC)));
    EXPECT_EQ(s.Model(BB)->GetDataType(nullptr), DATA_DIRECT_SHEAR);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_BARTON_BANDIS});
  }
  {  // triaxial data stay where they are
    Switch s(PC, BB);
    GiveLabData(s.Model(PC), DATA_TRIAXIAL);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(BB)->GetLabCount(), 0);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_BARTON_BANDIS});
  }
  {  // direct shear without points: range as it is
    Switch s(MC, BB);
    s.Model(MC)->SetDataType(DATA_DIRECT_SHEAR);
    s.project.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 6.0, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.project.GetRange(BB).application, APPLICATION_CUSTOM);
    EXPECT_DOUBLE_EQ(s.project.GetRange(BB).bound, 6.0);
  }
  {  // triaxial without points: the bound becomes a normal stress
    Switch s(MC, BB);
    s.project.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 6.0, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_DOUBLE_EQ(s.project.GetRange(BB).bound, s.Model(BB)->GetSigNAtSig3(6.0));
  }
}

TEST(ProjectSettings, BetweenMohrCoulombAndPowerCurve) {
  {
    Switch s(MC, PC);
    GiveLabData(s.Model(MC), DATA_DIRECT_SHEAR);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(PC)->GetDataType(nullptr), DATA_DIRECT_SHEAR);
    EXPECT_EQ(LabX(s.Model(PC)), LabX(s.Model(MC)));
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_POWER_CURVE});
  }
  {  // no points, to the power curve: its own data type stays
    Switch s(MC, PC);
    s.Model(MC)->SetDataType(DATA_DIRECT_SHEAR);
    s.Model(PC)->SetDataType(DATA_TRIAXIAL);
    s.project.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 8.0, 0.026, 50);
    FakeRunner runner;
    EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
    EXPECT_EQ(s.Model(PC)->GetDataType(nullptr), DATA_TRIAXIAL);
    EXPECT_DOUBLE_EQ(s.project.GetRange(PC).bound, 8.0);
    EXPECT_TRUE(runner.ran.empty());
  }
  {  // no points: Mohr-Coulomb takes the power curve's data type, the range goes as it is
    Switch s(PC, MC);
    s.Model(PC)->SetDataType(DATA_DIRECT_SHEAR);
    s.project.m_powerCurve.SetEnvelopeRange(APPLICATION_SLOPES, 3.0, 0.02, 40);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(MC)->GetDataType(nullptr), DATA_DIRECT_SHEAR);
    EXPECT_EQ(s.project.GetRange(MC).application, APPLICATION_SLOPES);
    EXPECT_DOUBLE_EQ(s.project.GetRange(MC).gamma, 0.02);
    EXPECT_TRUE(runner.ran.empty());
  }
}

TEST(ProjectSettings, BartonBandisToTheOthers) {
  {
    Switch s(BB, HB);
    GiveLabData(s.Model(BB), DATA_DIRECT_SHEAR);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(HB)->GetLabCount(), 0);
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_HOEK_BROWN});
  }
  {  // no points: index up, bound through the Hoek-Brown circle
    Switch s(BB, HB);
    s.project.m_bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 5.0, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.project.GetRange(HB).application, CHoekBrownCriterion::APPLICATION_CUSTOM);
    EXPECT_DOUBLE_EQ(s.project.GetRange(HB).bound, s.Model(HB)->GetSig3AtSigN(5.0));
  }
  {
    Switch s(BB, MC);
    GiveLabData(s.Model(BB), DATA_DIRECT_SHEAR);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(MC)->GetDataType(nullptr), DATA_DIRECT_SHEAR);
    EXPECT_EQ(LabX(s.Model(MC)), LabX(s.Model(BB)));
    EXPECT_EQ(runner.ran, std::vector<FitDialogKind>{FIT_DIALOG_MOHR_COULOMB});
  }
  {  // no points, to Mohr-Coulomb: direct shear first, then the range as it is
    Switch s(BB, MC);
    s.project.m_bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 5.0, 0.026, 50);
    FakeRunner runner;
    s.Run(runner);
    EXPECT_EQ(s.Model(MC)->GetDataType(nullptr), DATA_DIRECT_SHEAR);
    EXPECT_DOUBLE_EQ(s.project.GetRange(MC).bound, 5.0);
  }
}

TEST(ProjectSettings, CancelledDialogPutsCriterionTitleAndModelBackButKeepsTheUnits) {
  Switch s(MC, BB);
  GiveLabData(s.Model(MC), DATA_TRIAXIAL);
  s.choice.title = "Renamed";
  s.choice.units = UNITS_KPA;
  FakeRunner cancel(FALSE);
  EXPECT_EQ(s.Run(cancel), SettingsOutcome::Cancelled);
  EXPECT_EQ(cancel.ran, std::vector<FitDialogKind>{FIT_DIALOG_BARTON_BANDIS});
  EXPECT_EQ(s.project.m_nCriterion, MC);
  EXPECT_EQ(s.project.m_pActiveCriterion, s.Model(MC));
  EXPECT_EQ(s.project.m_strTitle, CString(CKelProject::kDefaultTitle));
  for (int c = HB; c <= PC; ++c) EXPECT_EQ(s.Model(c)->GetUnits(), UNITS_KPA) << c;
}

TEST(ProjectSettings, UnitsGoToTheCurrentModelAloneWhenTheCriterionStays) {
  Switch s(MC, MC);
  s.choice.units = UNITS_PSI;
  FakeRunner runner;
  EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
  EXPECT_EQ(s.Model(MC)->GetUnits(), UNITS_PSI);
  // The Hoek-Brown model always takes the project's units with its modulus settings.
  EXPECT_EQ(s.Model(HB)->GetUnits(), UNITS_PSI);
  EXPECT_EQ(s.Model(BB)->GetUnits(), UNITS_MPA);
}

TEST(ProjectSettings, AFailedRootSearchStoresTheDefaultBoundNotTheLargestDouble) {
  Switch s(BB, HB);
  // A normal stress far beyond anything the search brackets has no circle found for it.
  s.project.m_bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, 1e10, 0.026, 50);
  ASSERT_GE(s.Model(HB)->GetSig3AtSigN(1e10), DBL_MAX);
  FakeRunner runner;
  s.Run(runner);
  const double bound = s.project.GetRange(HB).bound;
  EXPECT_TRUE(std::isfinite(bound));
  EXPECT_LT(bound, DBL_MAX);
  EXPECT_DOUBLE_EQ(bound, DefaultRangeBound(HB, UNITS_MPA));
}

TEST(ProjectSettings, AModulusChangeAloneIsAChange) {
  Switch s(HB, HB);
  s.choice.modulusMethod = MODULUS_HOEK_DIEDERICHS;
  s.choice.intactModulus = 22000.0;
  FakeRunner runner;
  EXPECT_EQ(s.Run(runner), SettingsOutcome::Applied);
  EXPECT_EQ(s.project.m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(s.project.m_hoekBrown.GetIntactModulus(), 22000.0);

  // With Hoek-Diederichs already chosen, a new intact modulus alone is a change too.
  Switch e(HB, HB);
  e.project.m_hoekBrown.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 20000.0);
  e.choice.modulusMethod = MODULUS_HOEK_DIEDERICHS;
  e.choice.intactModulus = 30000.0;
  EXPECT_EQ(e.Run(runner), SettingsOutcome::Applied);
  EXPECT_EQ(e.project.m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(e.project.m_hoekBrown.GetIntactModulus(), 30000.0);
}

TEST(ProjectSettings, EveryRowWithAFitDialogComesBackOnCancel) {
  struct Row {
    int from, to, type, flag;
    bool rockMass;
  };
  const Row rows[] = {
      {HB, HB, DATA_TRIAXIAL, 0, false},     {HB, MC, DATA_TRIAXIAL, 0, false},
      {HB, PC, DATA_TRIAXIAL, 1, true},      {HB, BB, DATA_TRIAXIAL, 0, false},
      {MC, HB, DATA_TRIAXIAL, 0, false},     {PC, HB, DATA_TRIAXIAL, 1, false},
      {MC, HB, DATA_DIRECT_SHEAR, 0, false}, {MC, BB, DATA_DIRECT_SHEAR, 0, false},
      {PC, BB, DATA_TRIAXIAL, 0, false},     {MC, PC, DATA_TRIAXIAL, 0, false},
      {PC, MC, DATA_DIRECT_SHEAR, 0, false}, {BB, HB, DATA_DIRECT_SHEAR, 0, false},
      {BB, MC, DATA_DIRECT_SHEAR, 0, false}, {BB, PC, DATA_DIRECT_SHEAR, 0, false},
  };
  for (const Row& r : rows) {
    Switch s(r.from, r.to);
    if (r.rockMass)
      s.Model(HB)->SetRockMassData(4, kTriaxX, kTriaxY);
    else
      GiveLabData(s.Model(r.from), r.type);
    s.project.m_hoekBrown.SetFieldDataFlag(static_cast<BYTE>(r.flag));
    s.choice.title = "Changed";
    FakeRunner cancel(FALSE);
    EXPECT_EQ(s.Run(cancel), SettingsOutcome::Cancelled) << r.from << "->" << r.to;
    EXPECT_EQ(cancel.ran.size(), 1u) << r.from << "->" << r.to;
    EXPECT_EQ(s.project.m_nCriterion, r.from) << r.from << "->" << r.to;
    EXPECT_EQ(s.project.m_pActiveCriterion, s.Model(r.from)) << r.from << "->" << r.to;
    EXPECT_EQ(s.project.m_strTitle, CString(CKelProject::kDefaultTitle)) << r.from << "->" << r.to;
  }
}
