// Reading a project file (.kel).
#include <cmath>
#include <cstring>

#include "core/io/NumberScan.h"
#include "core/io/StrengthFile.h"

namespace {

const char kNotQuarvexText[] = "This is not a Quarvex file";

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string Trimmed(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool EqualsNoCase(const std::string& a, const char* b) {
  const size_t length = std::strlen(b);
  if (a.size() != length) return false;
  for (size_t i = 0; i < length; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// An enumerated value outside first..last takes the fallback.
int InRange(int value, int first, int last, int fallback) {
  return value >= first && value <= last ? value : fallback;
}

// A parameter that would make the model's formulas meaningless keeps the
// model's current value.
double Valid(double value, bool valid, double current) {
  return valid && std::isfinite(value) ? value : current;
}

}  // namespace

// ---- value extraction ------------------------------------------------------

CString CStrengthFile::GetValueText(const std::string& line, const char* key,
                                    const char* defaultText) {
  const std::string pattern = std::string(key) + ":";
  const size_t at = line.find(pattern);
  std::string value;
  if (at != std::string::npos) value = Trimmed(line.substr(at + pattern.size()));
  if (value.empty()) return CString(defaultText ? defaultText : "");
  return CString(value);
}

double CStrengthFile::GetDoubleValue(const std::string& line, const char* key,
                                     double defaultValue) {
  const CString text = GetValueText(line, key);
  double value = 0.0;
  if (text.IsEmpty() || !ParseLeadingDouble(text.str(), value)) return defaultValue;
  // A zero counts only when it is written as one ("0", "0.0"); "-0" or
  // words that read as zero take the default.
  if (value == 0.0 && text[0] != '0') return defaultValue;
  return value;
}

int CStrengthFile::GetIntValue(const std::string& line, const char* key, int defaultValue) {
  const CString text = GetValueText(line, key);
  int value = 0;
  if (text.IsEmpty() || !ParseLeadingInt(text.str(), value)) return defaultValue;
  if (value == 0 && text[0] != '0') return defaultValue;
  return value;
}

BOOL CStrengthFile::GetBoolValue(const std::string& line, const char* key, BOOL defaultValue) {
  const CString text = GetValueText(line, key);
  if (text.IsEmpty()) return defaultValue;
  if (text.Left(3).CompareNoCase("yes") == 0) return TRUE;
  if (text.Left(2).CompareNoCase("no") == 0) return FALSE;
  return GetIntValue(line, key, defaultValue) != 0;
}

CString CStrengthFile::ReadTextValue(const char* key) {
  std::string line;
  m_cursor.ReadLine(line);
  return GetValueText(line, key);
}

double CStrengthFile::ReadDoubleValue(const char* key, double defaultValue) {
  std::string line;
  m_cursor.ReadLine(line);
  return GetDoubleValue(line, key, defaultValue);
}

int CStrengthFile::ReadIntValue(const char* key, int defaultValue) {
  std::string line;
  m_cursor.ReadLine(line);
  return GetIntValue(line, key, defaultValue);
}

int CStrengthFile::FindKey(const char* const* keys, int keyCount, std::string& line,
                           const char* terminator) {
  std::string raw;
  while (m_cursor.ReadLine(raw)) {
    line = Trimmed(raw);
    while (!line.empty() && line.back() == ':') line.pop_back();
    if (terminator != nullptr && *terminator != '\0') {
      if (EqualsNoCase(line, terminator)) return -1;
    } else if (line.empty()) {
      return -1;
    }
    if (line.empty()) continue;
    const std::string name = line.substr(0, line.find(':'));
    for (int i = 0; i < keyCount; ++i) {
      if (EqualsNoCase(name, keys[i])) return i;
    }
  }
  line.clear();
  return -1;
}

// ---- sections --------------------------------------------------------------

BOOL CStrengthFile::ReadSections() {
  SetDefaultError();
  m_cursor = CTextCursor(m_text);
  if (!ReadHeader()) return FALSE;

  static const char* const kSections[] = {"project settings",      "hoek-brown settings",
                                          "mohr-coulomb settings", "barton-bandis settings",
                                          "power curve settings",  "lab data",
                                          "rock mass data"};
  std::string line;
  for (;;) {
    BOOL ok = TRUE;
    switch (FindKey(kSections, 7, line, "end of file")) {
      case 0:
        ok = ReadProjectSettings();
        break;
      case 1:
        ok = ReadHoekBrownSettings();
        break;
      case 2:
        ok = ReadMohrCoulombSettings();
        break;
      case 3:
        ok = ReadBartonBandisSettings();
        break;
      case 4:
        ok = ReadPowerCurveSettings();
        break;
      case 5:
        ok = ReadLabData();
        break;
      case 6:
        ok = ReadRockMassData();
        break;
      default:
        return TRUE;
    }
    if (!ok) return FALSE;
  }
}

BOOL CStrengthFile::ReadHeader() {
  std::string line;
  if (!m_cursor.ReadLine(line) || !EqualsNoCase(line, "Quarvex:")) {
    m_strError = kNotQuarvexText;
    return FALSE;
  }
  m_cursor.ReadLine(line);
  m_dVersion = GetDoubleValue(line, "version", -1.0);
  return m_dVersion >= 2.0;
}

BOOL CStrengthFile::ReadProjectSettings() {
  m_strTitle = ReadTextValue("title");
  int units = ReadIntValue("units", 0);
  const int criterion = ReadIntValue("failure criterion", 0);
  // Files before 3.01 numbered kPa and tsm differently.
  if (m_dVersion < 3.01) {
    if (units == 1)
      units = UNITS_KSF;
    else if (units == 2)
      units = UNITS_KSI;
  }
  m_nUnits = InRange(units, 0, UNITS_COUNT - 1, UNITS_MPA);
  // The criterion and the active model must always agree.
  m_nCriterion = InRange(criterion, 0, 3, CRITERION_HOEK_BROWN);
  m_hoekBrown.SetUnits(m_nUnits);
  m_mohrCoulomb.SetUnits(m_nUnits);
  m_bartonBandis.SetUnits(m_nUnits);
  m_powerCurve.SetUnits(m_nUnits);
  SelectActiveCriterion();
  return TRUE;
}

BOOL CStrengthFile::ReadHoekBrownSettings() {
  static const char* const kKeys[] = {"sigci",
                                      "GSI",
                                      "mi",
                                      "D",
                                      "fit",
                                      "sig3max",
                                      "gamma",
                                      "H",
                                      "type of data (triaxial or direct shear)",
                                      "field data flag (lab or rock mass data)",
                                      "Residuals",
                                      "BEST-FIT residuals",
                                      "curve-fit method",
                                      "modulus method",
                                      "intact modulus"};
  CHoekBrownCriterion& model = m_hoekBrown;
  double sigci = 0.0, gsi = 0.0, mi = 0.0, d = 0.0, sig3max = 0.0, gamma = 0.0, h = 0.0;
  int application = 0, dataType = 0, curveFit = 0;
  BOOL fieldData = FALSE;
  double residuals = -1.0, bestFit = -2.0;
  int modulusMethod = model.GetModulusMethod();
  double intactModulus = model.GetIntactModulus();

  std::string line;
  int key;
  while ((key = FindKey(kKeys, 15, line, "")) >= 0) {
    const char* name = kKeys[key];
    switch (key) {
      case 0:
        sigci = GetDoubleValue(line, name, 0.0);
        break;
      case 1:
        gsi = GetDoubleValue(line, name, 0.0);
        break;
      case 2:
        mi = GetDoubleValue(line, name, 0.0);
        break;
      case 3:
        d = GetDoubleValue(line, name, 0.0);
        break;
      case 4:
        application = GetIntValue(line, name, 0);
        break;
      case 5:
        sig3max = GetDoubleValue(line, name, 0.0);
        break;
      case 6:
        gamma = GetDoubleValue(line, name, 0.0);
        break;
      case 7:
        h = GetDoubleValue(line, name, 0.0);
        break;
      case 8:
        dataType = GetIntValue(line, name, 0);
        break;
      case 9:
        fieldData = GetBoolValue(line, name, FALSE);
        break;
      case 10:
        residuals = GetDoubleValue(line, name, -1.0);
        break;
      case 11:
        bestFit = GetDoubleValue(line, name, -2.0);
        break;
      case 12:
        curveFit = GetIntValue(line, name, 0);
        break;
      case 13:
        modulusMethod = GetIntValue(line, name, 0);
        break;
      default:
        intactModulus = GetDoubleValue(line, name, 0.0);
        break;
    }
  }

  double curSigci = 0.0, curMi = 0.0, curGsi = 0.0, curD = 0.0;
  model.GetParameters(&curSigci, &curMi, &curGsi, &curD);
  sigci = Valid(sigci, sigci > 0.0, curSigci);
  mi = Valid(mi, mi > 0.0, curMi);
  gsi = Valid(gsi, gsi >= 0.0 && gsi <= 100.0, curGsi);
  d = Valid(d, d >= 0.0 && d <= 1.0, curD);
  application = InRange(application, 0, 3, 0);
  dataType = InRange(dataType, 0, 1, 0);
  curveFit = InRange(curveFit, 0, 2, 0);
  modulusMethod = InRange(modulusMethod, 0, 2, 0);

  model.SetParameters(sigci, mi, gsi, d);
  model.SetEnvelopeRange(application, sig3max, gamma, h);
  model.SetDataType(dataType);
  model.SetFieldDataFlag(fieldData ? 1 : 0);
  model.SetResiduals(residuals);
  model.SetBestFitResiduals(bestFit);
  model.SetCurveFitMethod(curveFit);
  // The model keeps the intact modulus only for the method that uses it; store
  // it through that method first so that a saved value is never lost.
  model.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, intactModulus);
  model.SetModulusMethod(modulusMethod, intactModulus);
  // A change of modulus method recalculates the model; the range read from
  // the file is the one that stays.
  model.SetEnvelopeRange(application, sig3max, gamma, h);
  return TRUE;
}

BOOL CStrengthFile::ReadMohrCoulombSettings() {
  static const char* const kKeys[] = {"cohesion",
                                      "friction angle",
                                      "tensile strength",
                                      "fit",
                                      "type of data (triaxial or direct shear)",
                                      "gamma",
                                      "H",
                                      "sig3max",
                                      "signmax",
                                      "Residuals",
                                      "BEST-FIT residuals",
                                      "curve-fit method"};
  CMohrCoulombCriterion& model = m_mohrCoulomb;
  double c = 0.0, phi = 0.0, sigt = 0.0, gamma = 0.0, h = 0.0, sig3max = 0.0, signmax = 0.0;
  int application = 0, dataType = 0, curveFit = 0;
  double residuals = -1.0, bestFit = -1.0;

  std::string line;
  int key;
  while ((key = FindKey(kKeys, 12, line, "")) >= 0) {
    const char* name = kKeys[key];
    switch (key) {
      case 0:
        c = GetDoubleValue(line, name, 0.0);
        break;
      case 1:
        phi = GetDoubleValue(line, name, 0.0);
        break;
      case 2:
        sigt = GetDoubleValue(line, name, 0.0);
        break;
      case 3:
        application = GetIntValue(line, name, 0);
        break;
      case 4:
        dataType = GetIntValue(line, name, 0);
        break;
      case 5:
        gamma = GetDoubleValue(line, name, 0.0);
        break;
      case 6:
        h = GetDoubleValue(line, name, 0.0);
        break;
      case 7:
        sig3max = GetDoubleValue(line, name, 0.0);
        break;
      case 8:
        signmax = GetDoubleValue(line, name, 0.0);
        break;
      case 9:
        residuals = GetDoubleValue(line, name, -1.0);
        break;
      case 10:
        bestFit = GetDoubleValue(line, name, -2.0);
        break;
      default:
        curveFit = GetIntValue(line, name, 0);
        break;
    }
  }
  application = InRange(application, 0, 2, 0);
  dataType = InRange(dataType, 0, 1, 0);
  curveFit = InRange(curveFit, 0, 1, 0);

  model.SetParameters(c, phi, sigt);
  model.SetDataType(dataType);
  const double range = dataType == DATA_TRIAXIAL ? sig3max : signmax;
  if (dataType == DATA_TRIAXIAL)
    model.SetSig3Max(sig3max);
  else
    model.SetSignMax(signmax);
  model.SetEnvelopeRange(application, range, gamma, h);
  model.SetResiduals(residuals);
  model.SetBestFitResiduals(bestFit);
  model.SetCurveFitMethod(curveFit);
  return TRUE;
}

BOOL CStrengthFile::ReadBartonBandisSettings() {
  static const char* const kKeys[] = {"basic friction angle",
                                      "joint roughness coefficient (JRC)",
                                      "joint compressive strength (JCS)",
                                      "fit",
                                      "signmax",
                                      "gamma",
                                      "H",
                                      "type of data (triaxial or direct shear)",
                                      "Residuals",
                                      "BEST-FIT residuals",
                                      "curve-fit method"};
  CBartonBandisCriterion& model = m_bartonBandis;
  double phib = 30.0, jrc = 10.0, jcs = 30.0, signmax = 10.0, gamma = 0.0, h = 0.0;
  int application = 0, dataType = DATA_DIRECT_SHEAR, curveFit = 0;
  double residuals = -1.0, bestFit = -1.0;

  std::string line;
  int key;
  while ((key = FindKey(kKeys, 11, line, "")) >= 0) {
    const char* name = kKeys[key];
    switch (key) {
      case 0:
        phib = GetDoubleValue(line, name, 0.0);
        break;
      case 1:
        jrc = GetDoubleValue(line, name, 0.0);
        break;
      case 2:
        jcs = GetDoubleValue(line, name, 0.0);
        break;
      case 3:
        application = GetIntValue(line, name, 0);
        break;
      case 4:
        signmax = GetDoubleValue(line, name, 0.0);
        break;
      case 5:
        gamma = GetDoubleValue(line, name, 0.0);
        break;
      case 6:
        h = GetDoubleValue(line, name, 0.0);
        break;
      case 7:
        dataType = GetIntValue(line, name, 0);
        break;
      case 8:
        residuals = GetDoubleValue(line, name, -1.0);
        break;
      case 9:
        bestFit = GetDoubleValue(line, name, -2.0);
        break;
      default:
        curveFit = GetIntValue(line, name, 0);
        break;
    }
  }
  double curPhib = 0.0, curJrc = 0.0, curJcs = 0.0;
  model.GetParameters(&curPhib, &curJrc, &curJcs);
  // JRC divides and JCS goes into a logarithm.
  jrc = Valid(jrc, jrc > 0.0, curJrc);
  jcs = Valid(jcs, jcs > 0.0, curJcs);
  application = InRange(application, 0, 2, 0);
  dataType = InRange(dataType, 0, 1, 0);
  curveFit = InRange(curveFit, 0, 1, 0);

  model.SetParameters(phib, jrc, jcs);
  model.SetSignMax(signmax);
  model.SetEnvelopeRange(application, signmax, gamma, h);
  model.SetDataType(dataType);
  model.SetResiduals(residuals);
  model.SetBestFitResiduals(bestFit);
  model.SetCurveFitMethod(curveFit);
  return TRUE;
}

BOOL CStrengthFile::ReadPowerCurveSettings() {
  static const char* const kKeys[] = {"parameter a",
                                      "parameter d",
                                      "parameter b",
                                      "fit",
                                      "type of data (triaxial or direct shear)",
                                      "gamma",
                                      "H",
                                      "atmospheric pressure",
                                      "sig3max",
                                      "signmax",
                                      "Residuals",
                                      "BEST-FIT residuals",
                                      "curve-fit method"};
  CPowerCurveCriterion& model = m_powerCurve;
  double a = 0.0, d = 0.0, b = 0.5, gamma = 0.0, h = 0.0, pressure = 0.0, sig3max = 0.0,
         signmax = 0.0;
  int application = 0, dataType = DATA_DIRECT_SHEAR, curveFit = 0;
  double residuals = -1.0, bestFit = -1.0;

  std::string line;
  int key;
  while ((key = FindKey(kKeys, 13, line, "")) >= 0) {
    const char* name = kKeys[key];
    switch (key) {
      case 0:
        a = GetDoubleValue(line, name, 0.0);
        break;
      case 1:
        d = GetDoubleValue(line, name, 0.0);
        break;
      case 2:
        b = GetDoubleValue(line, name, 0.0);
        break;
      case 3:
        application = GetIntValue(line, name, 0);
        break;
      case 4:
        dataType = GetIntValue(line, name, 0);
        break;
      case 5:
        gamma = GetDoubleValue(line, name, 0.0);
        break;
      case 6:
        h = GetDoubleValue(line, name, 0.0);
        break;
      case 7:
        pressure = GetDoubleValue(line, name, 0.0);
        break;
      case 8:
        sig3max = GetDoubleValue(line, name, 0.0);
        break;
      case 9:
        signmax = GetDoubleValue(line, name, 0.0);
        break;
      case 10:
        residuals = GetDoubleValue(line, name, -1.0);
        break;
      case 11:
        bestFit = GetDoubleValue(line, name, -2.0);
        break;
      default:
        curveFit = GetIntValue(line, name, 0);
        break;
    }
  }
  application = InRange(application, 0, 2, 0);
  dataType = InRange(dataType, 0, 1, 0);
  curveFit = InRange(curveFit, 0, 1, 0);

  model.SetParameters(a, d, b);
  model.SetAtmosphericPressure(pressure);
  model.SetDataType(dataType);
  const double range = dataType == DATA_TRIAXIAL ? sig3max : signmax;
  if (dataType == DATA_TRIAXIAL)
    model.SetSig3Max(sig3max);
  else
    model.SetSignMax(signmax);
  model.SetEnvelopeRange(application, range, gamma, h);
  model.SetResiduals(residuals);
  model.SetBestFitResiduals(bestFit);
  model.SetCurveFitMethod(curveFit);
  return TRUE;
}

// ---- data sections ---------------------------------------------------------

BOOL CStrengthFile::ReadPointRows(int count, std::vector<double>& x, std::vector<double>& y) {
  x.clear();
  y.clear();
  // Every row takes at least six bytes ("1 2 3" and its line end), so a
  // count the rest of the text cannot hold fails before anything is allocated.
  if (count > kMaxPoints || static_cast<size_t>(count) > m_cursor.Remaining() / 6 + 1) return FALSE;
  x.reserve(count);
  y.reserve(count);
  std::string line;
  for (int i = 0; i < count; ++i) {
    if (!m_cursor.ReadLine(line)) return FALSE;
    CTextCursor row(line);
    int number = 0;
    double xi = 0.0, yi = 0.0;
    if (!row.ScanInt(number) || !row.ScanDouble(xi) || !row.ScanDouble(yi)) return FALSE;
    x.push_back(xi);
    y.push_back(yi);
  }
  return TRUE;
}

BOOL CStrengthFile::ReadLabData() {
  CStrengthCriterion& model = *m_pActiveCriterion;
  const int test = InRange(ReadIntValue("test", 0), 0, 1, 0);
  const int count = ReadIntValue("num", 0);
  model.SetLabTest(test);
  if (count <= 0) {
    model.SetLabCount(0);
    return TRUE;
  }
  std::vector<double> x, y;
  if (!ReadPointRows(count, x, y)) return FALSE;
  model.SetLabData(count, x.data(), y.data());
  double residuals = ReadDoubleValue("residuals", 0.0);
  model.SetResiduals(residuals == 0.0 ? -1.0 : residuals);
  return TRUE;
}

BOOL CStrengthFile::ReadRockMassData() {
  CStrengthCriterion& model = *m_pActiveCriterion;
  const int test = InRange(ReadIntValue("test", 0), 0, 1, 0);
  const int count = ReadIntValue("num", 0);
  model.SetRockMassTest(test);
  if (count <= 0) {
    model.SetRockMassCount(0);
    return TRUE;
  }
  std::vector<double> x, y;
  if (!ReadPointRows(count, x, y)) return FALSE;
  model.SetRockMassData(count, x.data(), y.data());
  double residuals = ReadDoubleValue("residuals", 0.0);
  model.SetResiduals(residuals == 0.0 ? -1.0 : residuals);
  return TRUE;
}
