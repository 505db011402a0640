// Reading a project file (.kel).

#include "core/io/NumberScan.h"
#include "core/io/ProjectSections.h"
#include "core/io/StrengthFile.h"

namespace {

const char kNotQuarvexText[] = "This is not a Quarvex file";

// The trimmed text after the first "key:" (exact case) in line.
std::string GetValueText(const std::string& line, const char* key) {
  const std::string pattern = std::string(key) + ":";
  const size_t at = line.find(pattern);
  return at == std::string::npos ? std::string() : TrimmedText(line.substr(at + pattern.size()));
}

// The number after "key:", or the default when there is none. A zero counts
// only when it is written as one ("0", "0.0"): "-0" or words that read as
// zero take the default.
template <class T>
T GetNumberValue(const std::string& line, const char* key, T defaultValue,
                 bool (*parse)(const std::string&, T&)) {
  const std::string text = GetValueText(line, key);
  T value = 0;
  if (text.empty() || !parse(text, value)) return defaultValue;
  return value == 0 && text[0] != '0' ? defaultValue : value;
}

double GetDoubleValue(const std::string& line, const char* key, double defaultValue) {
  return GetNumberValue(line, key, defaultValue, ParseLeadingDouble);
}

int GetIntValue(const std::string& line, const char* key, int defaultValue) {
  return GetNumberValue(line, key, defaultValue, ParseLeadingInt);
}

// "yes" and "no" (any case, any ending) or a number.
bool GetFlagValue(const std::string& line, const char* key, bool defaultValue) {
  const CString text(GetValueText(line, key));
  if (text.IsEmpty()) return defaultValue;
  if (text.Left(3).CompareNoCase("yes") == 0) return true;
  if (text.Left(2).CompareNoCase("no") == 0) return false;
  return GetIntValue(line, key, defaultValue ? 1 : 0) != 0;
}

}  // namespace

std::string CStrengthFile::NextLine() {
  std::string line;
  m_cursor.ReadLine(line);
  return line;
}

int CStrengthFile::FindKey(const char* const* keys, int keyCount, std::string& line,
                           const char* terminator) {
  std::string raw;
  while (m_cursor.ReadLine(raw)) {
    line = TrimmedText(raw);
    while (!line.empty() && line.back() == ':') line.pop_back();
    if (*terminator ? EqualsNoCase(line, terminator) : line.empty()) return -1;
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
  std::string line;
  for (;;) {
    const int section = FindKey(kSectionTitles, SECTION_COUNT, line, "end of file");
    if (section < 0) return TRUE;
    if (section == SECTION_PROJECT) {
      ReadProjectSettings();
    } else if (section == SECTION_LAB_DATA || section == SECTION_ROCK_MASS_DATA) {
      if (!ReadDataSection(section)) return FALSE;
    } else {
      ReadCriterionSection(kCriterionSections[section - SECTION_HOEK_BROWN]);
    }
  }
}

BOOL CStrengthFile::ReadHeader() {
  std::string line;
  if (!m_cursor.ReadLine(line) || !EqualsNoCase(line, "Quarvex:")) {
    m_strError = kNotQuarvexText;
    return FALSE;
  }
  m_dVersion = GetDoubleValue(NextLine(), "version", -1.0);
  return m_dVersion >= 2.0;
}

void CStrengthFile::ReadProjectSettings() {
  m_strTitle = CString(GetValueText(NextLine(), "title"));
  int units = GetIntValue(NextLine(), "units", 0);
  const int criterion = GetIntValue(NextLine(), "failure criterion", 0);
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
}

void CStrengthFile::ReadCriterionSection(const CriterionSection& section) {
  double values[kMaxSettingKeys];
  const char* names[kMaxSettingKeys];
  section.get(*this, values);
  for (int i = 0; i < section.keyCount; ++i) {
    const SettingKey& key = section.keys[i];
    if (key.missing) values[i] = *key.missing;
    names[i] = key.name;
  }
  std::string line;
  int i;
  while ((i = FindKey(names, section.keyCount, line, "")) >= 0) {
    const SettingKey& key = section.keys[i];
    switch (key.kind) {
      case SettingKind::Number:
        values[i] = GetDoubleValue(line, key.name, key.empty);
        break;
      case SettingKind::Integer:
        values[i] = GetIntValue(line, key.name, static_cast<int>(key.empty));
        break;
      case SettingKind::Flag:
        values[i] = GetFlagValue(line, key.name, key.empty != 0.0) ? 1.0 : 0.0;
        break;
    }
  }
  section.set(*this, values);
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

BOOL CStrengthFile::ReadDataSection(int section) {
  CStrengthCriterion& model = *m_pActiveCriterion;
  const bool rockMass = section == SECTION_ROCK_MASS_DATA;
  const int test = InRange(GetIntValue(NextLine(), "test", 0), 0, 1, 0);
  const int count = GetIntValue(NextLine(), "num", 0);
  if (rockMass)
    model.SetRockMassTest(test);
  else
    model.SetLabTest(test);
  std::vector<double> x, y;
  if (count > 0 && !ReadPointRows(count, x, y)) return FALSE;
  const int n = static_cast<int>(x.size());
  if (rockMass)
    model.SetRockMassData(n, x.data(), y.data());
  else
    model.SetLabData(n, x.data(), y.data());
  // Only a section with points has a residuals line.
  if (n > 0) {
    const double residuals = GetDoubleValue(NextLine(), "residuals", 0.0);
    model.SetResiduals(residuals == 0.0 ? -1.0 : residuals);
  }
  return TRUE;
}
