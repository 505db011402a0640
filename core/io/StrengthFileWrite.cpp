// Writing a project file.
#include <cstdarg>
#include <cstdio>

#include "core/io/NumberScan.h"
#include "core/io/ProjectSections.h"
#include "core/io/SafeSave.h"
#include "core/io/StrengthFile.h"
#include "core/version/version.h"

BOOL CStrengthFile::Write(const char* path, const char* versionText) {
  m_strError.Empty();
  const std::string text = FormatProject(versionText);
  CString error;
  if (!SaveFileSafely(path, text, error)) {
    m_strError = error;
    return FALSE;
  }
  return TRUE;
}

std::string CStrengthFile::FormatProject(const char* versionText) {
  SelectActiveCriterion();
  m_output.clear();
  WriteHeader(versionText);
  WriteProjectSettings();
  for (int criterion = 0; criterion < 4; ++criterion)
    WriteCriterionSection(SECTION_HOEK_BROWN + criterion);
  WriteDataSection(SECTION_LAB_DATA);
  WriteDataSection(SECTION_ROCK_MASS_DATA);
  std::string text;
  text.swap(m_output);
  return text;
}

void CStrengthFile::WriteLine(const char* format, ...) {
  CString line;
  va_list args;
  va_start(args, format);
  line.FormatV(format, args);
  va_end(args);
  // The file's lines end in CR LF on every build.
  for (const char ch : line.str()) {
    if (ch == '\n') m_output += '\r';
    m_output += ch;
  }
}

void CStrengthFile::WriteSectionTitle(int section) {
  WriteLine("\n%s:\n", kSectionTitles[section]);
}

void CStrengthFile::WriteKey(const char* key, double value) {
  WriteLine("  %s: %s\n", key, FormatFileDouble(value).c_str());
}

void CStrengthFile::WriteKey(const char* key, int value) {
  WriteLine("  %s: %d\n", key, value);
}

void CStrengthFile::WriteHeader(const char* versionText) {
  // A version the reader would refuse makes a file that cannot be opened
  // again; the program's own version stands in for it.
  double version = 0.0;
  if (versionText == nullptr || !ParseLeadingDouble(versionText, version) || version < 2.0)
    versionText = QUARVEX_VERSION_TEXT;
  WriteLine("Quarvex:\n");
  WriteLine("  version: %s\n", versionText);
}

void CStrengthFile::WriteProjectSettings() {
  // A line break inside the title would split the file's lines.
  CString title = m_strTitle;
  title.Replace('\r', ' ');
  title.Replace('\n', ' ');
  WriteSectionTitle(SECTION_PROJECT);
  WriteLine("  title: %s\n", title.GetString());
  WriteKey("units", m_pActiveCriterion->GetUnits());
  WriteKey("failure criterion", m_nCriterion);
}

void CStrengthFile::WriteCriterionSection(int section) {
  const CriterionSection& criterion = kCriterionSections[section - SECTION_HOEK_BROWN];
  double values[kMaxSettingKeys];
  const int omitted = criterion.get(*this, values);
  WriteSectionTitle(section);
  for (int i = 0; i < criterion.keyCount; ++i) {
    const SettingKey& key = criterion.keys[i];
    if (i == omitted) continue;
    if (key.kind == SettingKind::Number)
      WriteKey(key.name, values[i]);
    else
      WriteKey(key.name, static_cast<int>(values[i]));
  }
}

void CStrengthFile::WriteDataSection(int section) {
  const CStrengthCriterion& model = *m_pActiveCriterion;
  const bool rockMass = section == SECTION_ROCK_MASS_DATA;
  const int count = rockMass ? model.GetRockMassCount() : model.GetLabCount();
  std::vector<double> x(count), y(count);
  if (rockMass)
    model.GetRockMassData(x.data(), y.data());
  else
    model.GetLabData(x.data(), y.data());
  WriteSectionTitle(section);
  WriteKey("test", rockMass ? model.GetRockMassTest() : model.GetLabTest());
  WriteKey("num", count);
  if (count <= 0) return;
  for (int i = 0; i < count; ++i)
    WriteLine("    %d %s %s\n", i + 1, FormatFileDouble(x[i]).c_str(),
              FormatFileDouble(y[i]).c_str());
  WriteKey("residuals", model.GetResiduals());
}
