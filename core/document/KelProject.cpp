#include "core/document/KelProject.h"

#include <cmath>

#include "core/io/StrengthFile.h"
#include "core/registry/SettingsKey.h"

const char kSettingsKey[] = "Software\\Talvenor\\Quarvex 3.0\\Settings";
const char CKelProject::kDefaultTitle[] = "Analysis of Rock/Soil Strength using Quarvex";

namespace {

const char kUnitsValue[] = "Units Type";
const char kModulusMethodValue[] = "Modulus Method";
const char kIntactModulusValue[] = "Intact Modulus";

}  // namespace

double UsableIntactModulus(double ei, int units) {
  if (std::isfinite(ei) && ei >= 1e-8 && ei <= 1e300) return ei;
  if (units < 0 || units >= UNITS_COUNT) units = UNITS_MPA;
  return CHoekBrownCriterion::GetDefaultIntactModulus(units);
}

CKelProject::CKelProject()
    : m_pActiveCriterion(&m_hoekBrown), m_strTitle(kDefaultTitle), m_nCriterion(0) {}

CKelProject::~CKelProject() = default;

CStrengthCriterion* CKelProject::ModelOf(int criterion) {
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      return &m_hoekBrown;
    case CRITERION_MOHR_COULOMB:
      return &m_mohrCoulomb;
    case CRITERION_BARTON_BANDIS:
      return &m_bartonBandis;
    case CRITERION_POWER_CURVE:
      return &m_powerCurve;
    default:
      return nullptr;
  }
}

BOOL CKelProject::SetCriterion(int criterion) {
  CStrengthCriterion* model = ModelOf(criterion);
  if (!model) return FALSE;
  m_nCriterion = criterion;
  m_pActiveCriterion = model;
  return TRUE;
}

EnvelopeRange CKelProject::GetRange(int criterion) const {
  EnvelopeRange r;
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      m_hoekBrown.GetEnvelopeRange(&r.application, &r.bound, &r.gamma, &r.H);
      break;
    case CRITERION_MOHR_COULOMB:
      m_mohrCoulomb.GetEnvelopeRange(&r.application, &r.bound, &r.gamma, &r.H);
      break;
    case CRITERION_BARTON_BANDIS:
      m_bartonBandis.GetEnvelopeRange(&r.application, &r.bound, &r.gamma, &r.H);
      break;
    case CRITERION_POWER_CURVE:
      m_powerCurve.GetEnvelopeRange(&r.application, &r.bound, &r.gamma, &r.H);
      break;
    default:
      break;
  }
  return r;
}

void CKelProject::SetRange(int criterion, const EnvelopeRange& r) {
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      m_hoekBrown.SetEnvelopeRange(r.application, r.bound, r.gamma, r.H);
      break;
    case CRITERION_MOHR_COULOMB:
      m_mohrCoulomb.SetEnvelopeRange(r.application, r.bound, r.gamma, r.H);
      break;
    case CRITERION_BARTON_BANDIS:
      m_bartonBandis.SetEnvelopeRange(r.application, r.bound, r.gamma, r.H);
      break;
    case CRITERION_POWER_CURVE:
      m_powerCurve.SetEnvelopeRange(r.application, r.bound, r.gamma, r.H);
      break;
    default:
      break;
  }
}

BOOL CKelProject::ReadProject(const char* path, CString& error, BOOL* foreign) {
  CStrengthFile file;
  if (!file.Read(path)) {
    error = file.GetErrorText();
    return FALSE;
  }
  // Whole-value copies: going through the setters would recompute the models and reset their
  // ranges (sig3max) to what the rules give instead of what the file holds.
  m_hoekBrown = file.m_hoekBrown;
  m_mohrCoulomb = file.m_mohrCoulomb;
  m_bartonBandis = file.m_bartonBandis;
  m_powerCurve = file.m_powerCurve;
  m_strTitle = file.m_strTitle;
  // A criterion the program does not know opens as Hoek-Brown, so that the current model and
  // the criterion number always agree.
  if (!SetCriterion(file.m_nCriterion)) SetCriterion(CRITERION_HOEK_BROWN);
  if (foreign) *foreign = !file.IsProjectFormat();
  error.Empty();
  return TRUE;
}

BOOL CKelProject::WriteProject(const char* path, const char* versionText, CString& error) {
  CStrengthFile file;
  file.m_hoekBrown = m_hoekBrown;
  file.m_mohrCoulomb = m_mohrCoulomb;
  file.m_bartonBandis = m_bartonBandis;
  file.m_powerCurve = m_powerCurve;
  file.m_strTitle = m_strTitle;
  file.m_nCriterion = m_nCriterion;
  file.SelectActiveCriterion();
  file.m_nUnits = m_pActiveCriterion->GetUnits();
  if (!file.Write(path, versionText)) {
    error = file.GetErrorText();
    return FALSE;
  }
  error.Empty();
  return TRUE;
}

void CKelProject::LoadDefaultsFrom(ISettingsStore& store) {
  CSettingsKey key(store);
  if (!key.SetKey(kSettingsKey, FALSE, settings::kAccessRead)) return;
  int units = key.ReadInt(kUnitsValue, UNITS_MPA);
  if (units < 0 || units >= UNITS_COUNT) units = UNITS_MPA;
  int method = key.ReadInt(kModulusMethodValue, MODULUS_SIMPLIFIED_HOEK_DIEDERICHS);
  if (method < MODULUS_SIMPLIFIED_HOEK_DIEDERICHS || method > MODULUS_HOEK_DIEDERICHS)
    method = MODULUS_SIMPLIFIED_HOEK_DIEDERICHS;
  m_pActiveCriterion->SetUnits(units);
  double ei = 0.0;
  if (method == MODULUS_HOEK_DIEDERICHS) {
    const double fallback = CHoekBrownCriterion::GetDefaultIntactModulus(units);
    ei = UsableIntactModulus(key.ReadDouble(kIntactModulusValue, fallback), units);
  }
  m_hoekBrown.SetModulusMethod(method, ei);
}

void CKelProject::SaveDefaultsTo(ISettingsStore& store) const {
  CSettingsKey key(store);
  if (!key.SetKey(kSettingsKey, TRUE, settings::kAccessAll)) return;
  key.WriteInt(kUnitsValue, m_pActiveCriterion->GetUnits());
  const int method = m_hoekBrown.GetModulusMethod();
  key.WriteInt(kModulusMethodValue, method);
  if (method == MODULUS_HOEK_DIEDERICHS)
    key.WriteDouble(kIntactModulusValue, m_hoekBrown.GetIntactModulus());
}

double DefaultRangeBound(int criterion, int units) {
  CKelProject fresh;
  CStrengthCriterion* model = fresh.ModelOf(criterion);
  if (!model) return 0.0;
  model->SetUnits(units);
  return fresh.GetRange(criterion).bound;
}
