#include "core/io/ProjectSections.h"

#include <cmath>

#include "core/io/StrengthFile.h"

const char* const kSectionTitles[SECTION_COUNT] = {
    "project settings",       "hoek-brown settings",  "mohr-coulomb settings",
    "barton-bandis settings", "power curve settings", "lab data",
    "rock mass data"};

int InRange(int value, int first, int last, int fallback) {
  return value >= first && value <= last ? value : fallback;
}

namespace {

// A value the model cannot use gives way to the model's current one.
double Usable(double value, bool valid, double current) {
  return valid && std::isfinite(value) ? value : current;
}

const char kDataTypeKey[] = "type of data (triaxial or direct shear)";

int Int(double value) {
  return static_cast<int>(value);
}

// Every section ends its keys with the fit results, in this order.
enum FitResultKey { FIT_RESIDUALS, FIT_BEST_FIT, FIT_CURVE_FIT_METHOD };

void GetFitResults(const CStrengthCriterion& model, double* values) {
  values[FIT_RESIDUALS] = model.GetResiduals();
  values[FIT_BEST_FIT] = model.GetBestFitResiduals();
  values[FIT_CURVE_FIT_METHOD] = model.GetCurveFitMethod(nullptr);
}

void SetFitResults(CStrengthCriterion& model, const double* values, int lastCurveFitMethod) {
  model.SetResiduals(values[FIT_RESIDUALS]);
  model.SetBestFitResiduals(values[FIT_BEST_FIT]);
  model.SetCurveFitMethod(InRange(Int(values[FIT_CURVE_FIT_METHOD]), 0, lastCurveFitMethod, 0));
}

// Mohr-Coulomb and the power curve keep one range per data type; the file
// holds the fit, data type, gamma, H and the range of the current type.
struct RangeKeys {
  int fit, dataType, gamma, h, sig3max, signmax;
};

// Returns the key of the other type's range, which is not written.
template <class Model>
int GetRangeOfDataType(const Model& model, const RangeKeys& keys, double* v) {
  int application = 0;
  double range = 0.0;
  model.GetEnvelopeRange(&application, &range, &v[keys.gamma], &v[keys.h]);
  v[keys.fit] = application;
  v[keys.dataType] = model.GetDataType(nullptr);
  v[keys.sig3max] = model.GetSig3Max();
  v[keys.signmax] = model.GetSignMax();
  return v[keys.dataType] == DATA_TRIAXIAL ? keys.signmax : keys.sig3max;
}

template <class Model>
void SetRangeOfDataType(Model& model, const RangeKeys& keys, const double* v) {
  const int dataType = InRange(Int(v[keys.dataType]), 0, 1, 0);
  const double range = dataType == DATA_TRIAXIAL ? v[keys.sig3max] : v[keys.signmax];
  model.SetDataType(dataType);
  if (dataType == DATA_TRIAXIAL)
    model.SetSig3Max(range);
  else
    model.SetSignMax(range);
  model.SetEnvelopeRange(InRange(Int(v[keys.fit]), 0, 2, 0), range, v[keys.gamma], v[keys.h]);
}

// ---- Hoek-Brown ------------------------------------------------------------

enum HoekBrownKey {
  HB_SIGCI,
  HB_GSI,
  HB_MI,
  HB_D,
  HB_FIT,
  HB_SIG3MAX,
  HB_GAMMA,
  HB_H,
  HB_DATA_TYPE,
  HB_FIELD_DATA,
  HB_FIT_RESULTS,  // three keys
  HB_MODULUS_METHOD = HB_FIT_RESULTS + 3,
  HB_INTACT_MODULUS,
  HB_KEY_COUNT
};

const SettingKey kHoekBrownKeys[] = {
    {"sigci", SettingKind::Number, 0.0, 0.0},
    {"GSI", SettingKind::Number, 0.0, 0.0},
    {"mi", SettingKind::Number, 0.0, 0.0},
    {"D", SettingKind::Number, 0.0, 0.0},
    {"fit", SettingKind::Integer, 0.0, 0.0},
    {"sig3max", SettingKind::Number, 0.0, 0.0},
    {"gamma", SettingKind::Number, 0.0, 0.0},
    {"H", SettingKind::Number, 0.0, 0.0},
    {kDataTypeKey, SettingKind::Integer, 0.0, 0.0},
    {"field data flag (lab or rock mass data)", SettingKind::Flag, 0.0, 0.0},
    {"Residuals", SettingKind::Number, -1.0, -1.0},
    {"BEST-FIT residuals", SettingKind::Number, -2.0, -2.0},
    {"curve-fit method", SettingKind::Integer, 0.0, 0.0},
    {"modulus method", SettingKind::Integer, std::nullopt, 0.0},
    {"intact modulus", SettingKind::Number, std::nullopt, 0.0}};
static_assert(sizeof kHoekBrownKeys / sizeof kHoekBrownKeys[0] == HB_KEY_COUNT, "key table");

int GetHoekBrown(const CStrengthFile& file, double* v) {
  const CHoekBrownCriterion& model = file.m_hoekBrown;
  model.GetParameters(&v[HB_SIGCI], &v[HB_MI], &v[HB_GSI], &v[HB_D]);
  int application = 0;
  model.GetEnvelopeRange(&application, &v[HB_SIG3MAX], &v[HB_GAMMA], &v[HB_H]);
  v[HB_FIT] = application;
  v[HB_DATA_TYPE] = model.GetDataType(nullptr);
  BYTE fieldData = 0;
  model.GetFieldDataFlag(&fieldData);
  v[HB_FIELD_DATA] = fieldData;
  GetFitResults(model, &v[HB_FIT_RESULTS]);
  v[HB_MODULUS_METHOD] = model.GetModulusMethod();
  v[HB_INTACT_MODULUS] = model.GetIntactModulus();
  return -1;
}

void SetHoekBrown(CStrengthFile& file, const double* v) {
  CHoekBrownCriterion& model = file.m_hoekBrown;
  const int application = InRange(Int(v[HB_FIT]), 0, 3, 0);
  const int modulusMethod = InRange(Int(v[HB_MODULUS_METHOD]), 0, 2, 0);
  SetUsableHoekBrownParameters(model, v[HB_SIGCI], v[HB_MI], v[HB_GSI], v[HB_D]);
  model.SetEnvelopeRange(application, v[HB_SIG3MAX], v[HB_GAMMA], v[HB_H]);
  model.SetDataType(InRange(Int(v[HB_DATA_TYPE]), 0, 1, 0));
  model.SetFieldDataFlag(v[HB_FIELD_DATA] != 0.0 ? 1 : 0);
  SetFitResults(model, &v[HB_FIT_RESULTS], 2);
  // The model keeps the intact modulus only for the method that uses it; store
  // it through that method first so that a saved value is never lost.
  model.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, v[HB_INTACT_MODULUS]);
  model.SetModulusMethod(modulusMethod, v[HB_INTACT_MODULUS]);
  // A change of modulus method recalculates the model; the range read from
  // the file is the one that stays.
  model.SetEnvelopeRange(application, v[HB_SIG3MAX], v[HB_GAMMA], v[HB_H]);
}

// ---- Mohr-Coulomb ----------------------------------------------------------

enum MohrCoulombKey {
  MC_COHESION,
  MC_FRICTION_ANGLE,
  MC_TENSILE_STRENGTH,
  MC_FIT,
  MC_DATA_TYPE,
  MC_GAMMA,
  MC_H,
  MC_SIG3MAX,
  MC_SIGNMAX,
  MC_FIT_RESULTS,
  MC_KEY_COUNT = MC_FIT_RESULTS + 3
};

const SettingKey kMohrCoulombKeys[] = {{"cohesion", SettingKind::Number, 0.0, 0.0},
                                       {"friction angle", SettingKind::Number, 0.0, 0.0},
                                       {"tensile strength", SettingKind::Number, 0.0, 0.0},
                                       {"fit", SettingKind::Integer, 0.0, 0.0},
                                       {kDataTypeKey, SettingKind::Integer, 0.0, 0.0},
                                       {"gamma", SettingKind::Number, 0.0, 0.0},
                                       {"H", SettingKind::Number, 0.0, 0.0},
                                       {"sig3max", SettingKind::Number, 0.0, 0.0},
                                       {"signmax", SettingKind::Number, 0.0, 0.0},
                                       {"Residuals", SettingKind::Number, -1.0, -1.0},
                                       {"BEST-FIT residuals", SettingKind::Number, -1.0, -2.0},
                                       {"curve-fit method", SettingKind::Integer, 0.0, 0.0}};
static_assert(sizeof kMohrCoulombKeys / sizeof kMohrCoulombKeys[0] == MC_KEY_COUNT, "key table");

const RangeKeys kMohrCoulombRange = {MC_FIT, MC_DATA_TYPE, MC_GAMMA, MC_H, MC_SIG3MAX, MC_SIGNMAX};

int GetMohrCoulomb(const CStrengthFile& file, double* v) {
  const CMohrCoulombCriterion& model = file.m_mohrCoulomb;
  model.GetParameters(&v[MC_COHESION], &v[MC_FRICTION_ANGLE], &v[MC_TENSILE_STRENGTH]);
  GetFitResults(model, &v[MC_FIT_RESULTS]);
  return GetRangeOfDataType(model, kMohrCoulombRange, v);
}

void SetMohrCoulomb(CStrengthFile& file, const double* v) {
  CMohrCoulombCriterion& model = file.m_mohrCoulomb;
  model.SetParameters(v[MC_COHESION], v[MC_FRICTION_ANGLE], v[MC_TENSILE_STRENGTH]);
  SetRangeOfDataType(model, kMohrCoulombRange, v);
  SetFitResults(model, &v[MC_FIT_RESULTS], 1);
}

// ---- Barton-Bandis ---------------------------------------------------------

enum BartonBandisKey {
  BB_BASIC_FRICTION_ANGLE,
  BB_JRC,
  BB_JCS,
  BB_FIT,
  BB_SIGNMAX,
  BB_GAMMA,
  BB_H,
  BB_DATA_TYPE,
  BB_FIT_RESULTS,
  BB_KEY_COUNT = BB_FIT_RESULTS + 3
};

const SettingKey kBartonBandisKeys[] = {
    {"basic friction angle", SettingKind::Number, 30.0, 0.0},
    {"joint roughness coefficient (JRC)", SettingKind::Number, 10.0, 0.0},
    {"joint compressive strength (JCS)", SettingKind::Number, 30.0, 0.0},
    {"fit", SettingKind::Integer, 0.0, 0.0},
    {"signmax", SettingKind::Number, 10.0, 0.0},
    {"gamma", SettingKind::Number, 0.0, 0.0},
    {"H", SettingKind::Number, 0.0, 0.0},
    {kDataTypeKey, SettingKind::Integer, DATA_DIRECT_SHEAR, 0.0},
    {"Residuals", SettingKind::Number, -1.0, -1.0},
    {"BEST-FIT residuals", SettingKind::Number, -1.0, -2.0},
    {"curve-fit method", SettingKind::Integer, 0.0, 0.0}};
static_assert(sizeof kBartonBandisKeys / sizeof kBartonBandisKeys[0] == BB_KEY_COUNT, "key table");

int GetBartonBandis(const CStrengthFile& file, double* v) {
  const CBartonBandisCriterion& model = file.m_bartonBandis;
  model.GetParameters(&v[BB_BASIC_FRICTION_ANGLE], &v[BB_JRC], &v[BB_JCS]);
  int application = 0;
  double range = 0.0;
  model.GetEnvelopeRange(&application, &range, &v[BB_GAMMA], &v[BB_H]);
  v[BB_FIT] = application;
  v[BB_SIGNMAX] = model.GetSignMax();
  v[BB_DATA_TYPE] = model.GetDataType(nullptr);
  GetFitResults(model, &v[BB_FIT_RESULTS]);
  return -1;
}

void SetBartonBandis(CStrengthFile& file, const double* v) {
  CBartonBandisCriterion& model = file.m_bartonBandis;
  double curPhib = 0.0, curJrc = 0.0, curJcs = 0.0;
  model.GetParameters(&curPhib, &curJrc, &curJcs);
  // JRC divides and JCS goes into a logarithm.
  model.SetParameters(v[BB_BASIC_FRICTION_ANGLE], Usable(v[BB_JRC], v[BB_JRC] > 0.0, curJrc),
                      Usable(v[BB_JCS], v[BB_JCS] > 0.0, curJcs));
  model.SetSignMax(v[BB_SIGNMAX]);
  model.SetEnvelopeRange(InRange(Int(v[BB_FIT]), 0, 2, 0), v[BB_SIGNMAX], v[BB_GAMMA], v[BB_H]);
  model.SetDataType(InRange(Int(v[BB_DATA_TYPE]), 0, 1, 0));
  SetFitResults(model, &v[BB_FIT_RESULTS], 1);
}

// ---- power curve -----------------------------------------------------------

enum PowerCurveKey {
  PC_A,
  PC_D,
  PC_B,
  PC_FIT,
  PC_DATA_TYPE,
  PC_GAMMA,
  PC_H,
  PC_ATMOSPHERIC_PRESSURE,
  PC_SIG3MAX,
  PC_SIGNMAX,
  PC_FIT_RESULTS,
  PC_KEY_COUNT = PC_FIT_RESULTS + 3
};

const SettingKey kPowerCurveKeys[] = {{"parameter a", SettingKind::Number, 0.0, 0.0},
                                      {"parameter d", SettingKind::Number, 0.0, 0.0},
                                      {"parameter b", SettingKind::Number, 0.5, 0.0},
                                      {"fit", SettingKind::Integer, 0.0, 0.0},
                                      {kDataTypeKey, SettingKind::Integer, DATA_DIRECT_SHEAR, 0.0},
                                      {"gamma", SettingKind::Number, 0.0, 0.0},
                                      {"H", SettingKind::Number, 0.0, 0.0},
                                      {"atmospheric pressure", SettingKind::Number, 0.0, 0.0},
                                      {"sig3max", SettingKind::Number, 0.0, 0.0},
                                      {"signmax", SettingKind::Number, 0.0, 0.0},
                                      {"Residuals", SettingKind::Number, -1.0, -1.0},
                                      {"BEST-FIT residuals", SettingKind::Number, -1.0, -2.0},
                                      {"curve-fit method", SettingKind::Integer, 0.0, 0.0}};
static_assert(sizeof kPowerCurveKeys / sizeof kPowerCurveKeys[0] == PC_KEY_COUNT, "key table");

const RangeKeys kPowerCurveRange = {PC_FIT, PC_DATA_TYPE, PC_GAMMA, PC_H, PC_SIG3MAX, PC_SIGNMAX};

int GetPowerCurve(const CStrengthFile& file, double* v) {
  const CPowerCurveCriterion& model = file.m_powerCurve;
  model.GetParameters(&v[PC_A], &v[PC_D], &v[PC_B]);
  v[PC_ATMOSPHERIC_PRESSURE] = model.GetAtmosphericPressure();
  GetFitResults(model, &v[PC_FIT_RESULTS]);
  return GetRangeOfDataType(model, kPowerCurveRange, v);
}

void SetPowerCurve(CStrengthFile& file, const double* v) {
  CPowerCurveCriterion& model = file.m_powerCurve;
  model.SetParameters(v[PC_A], v[PC_D], v[PC_B]);
  model.SetAtmosphericPressure(v[PC_ATMOSPHERIC_PRESSURE]);
  SetRangeOfDataType(model, kPowerCurveRange, v);
  SetFitResults(model, &v[PC_FIT_RESULTS], 1);
}

static_assert(HB_KEY_COUNT <= kMaxSettingKeys && MC_KEY_COUNT <= kMaxSettingKeys &&
                  BB_KEY_COUNT <= kMaxSettingKeys && PC_KEY_COUNT <= kMaxSettingKeys,
              "kMaxSettingKeys");

}  // namespace

void SetUsableHoekBrownParameters(CHoekBrownCriterion& model, double sigci, double mi, double gsi,
                                  double d) {
  double curSigci = 0.0, curMi = 0.0, curGsi = 0.0, curD = 0.0;
  model.GetParameters(&curSigci, &curMi, &curGsi, &curD);
  model.SetParameters(Usable(sigci, sigci > 0.0, curSigci), Usable(mi, mi > 0.0, curMi),
                      Usable(gsi, gsi >= 0.0 && gsi <= 100.0, curGsi),
                      Usable(d, d >= 0.0 && d <= 1.0, curD));
}

const CriterionSection kCriterionSections[4] = {
    {kHoekBrownKeys, HB_KEY_COUNT, GetHoekBrown, SetHoekBrown},
    {kMohrCoulombKeys, MC_KEY_COUNT, GetMohrCoulomb, SetMohrCoulomb},
    {kBartonBandisKeys, BB_KEY_COUNT, GetBartonBandis, SetBartonBandis},
    {kPowerCurveKeys, PC_KEY_COUNT, GetPowerCurve, SetPowerCurve}};
