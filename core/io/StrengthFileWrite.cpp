// Writing a project file.
#include <cstdarg>
#include <cstdio>

#include "core/io/NumberScan.h"
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
  WriteHoekBrownSettings();
  WriteMohrCoulombSettings();
  WriteBartonBandisSettings();
  WritePowerCurveSettings();
  WriteLabData();
  WriteRockMassData();
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

void CStrengthFile::WriteSectionTitle(const char* name, BOOL blankLine) {
  if (blankLine) WriteLine("\n");
  WriteLine("%s:\n", name);
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
  WriteSectionTitle("project settings", TRUE);
  WriteLine("  title: %s\n", title.GetString());
  WriteKey("units", m_pActiveCriterion->GetUnits());
  WriteKey("failure criterion", m_nCriterion);
}

void CStrengthFile::WriteHoekBrownSettings() {
  const CHoekBrownCriterion& model = m_hoekBrown;
  double sigci = 0.0, mi = 0.0, gsi = 0.0, d = 0.0;
  model.GetParameters(&sigci, &mi, &gsi, &d);
  int application = 0;
  double sig3max = 0.0, gamma = 0.0, h = 0.0;
  model.GetEnvelopeRange(&application, &sig3max, &gamma, &h);
  BYTE fieldData = 0;
  model.GetFieldDataFlag(&fieldData);

  WriteSectionTitle("hoek-brown settings", TRUE);
  WriteKey("sigci", sigci);
  WriteKey("GSI", gsi);
  WriteKey("mi", mi);
  WriteKey("D", d);
  WriteKey("fit", application);
  WriteKey("sig3max", sig3max);
  WriteKey("gamma", gamma);
  WriteKey("H", h);
  WriteKey("type of data (triaxial or direct shear)", model.GetDataType(nullptr));
  WriteKey("field data flag (lab or rock mass data)", static_cast<int>(fieldData));
  WriteKey("Residuals", model.GetResiduals());
  WriteKey("BEST-FIT residuals", model.GetBestFitResiduals());
  WriteKey("curve-fit method", model.GetCurveFitMethod(nullptr));
  WriteKey("modulus method", model.GetModulusMethod());
  WriteKey("intact modulus", model.GetIntactModulus());
}

void CStrengthFile::WriteMohrCoulombSettings() {
  const CMohrCoulombCriterion& model = m_mohrCoulomb;
  double c = 0.0, phi = 0.0, sigt = 0.0;
  model.GetParameters(&c, &phi, &sigt);
  int application = 0;
  double range = 0.0, gamma = 0.0, h = 0.0;
  model.GetEnvelopeRange(&application, &range, &gamma, &h);
  const int dataType = model.GetDataType(nullptr);

  WriteSectionTitle("mohr-coulomb settings", TRUE);
  WriteKey("cohesion", c);
  WriteKey("friction angle", phi);
  WriteKey("tensile strength", sigt);
  WriteKey("fit", application);
  WriteKey("type of data (triaxial or direct shear)", dataType);
  WriteKey("gamma", gamma);
  WriteKey("H", h);
  if (dataType == DATA_TRIAXIAL)
    WriteKey("sig3max", model.GetSig3Max());
  else
    WriteKey("signmax", model.GetSignMax());
  WriteKey("Residuals", model.GetResiduals());
  WriteKey("BEST-FIT residuals", model.GetBestFitResiduals());
  WriteKey("curve-fit method", model.GetCurveFitMethod(nullptr));
}

void CStrengthFile::WriteBartonBandisSettings() {
  const CBartonBandisCriterion& model = m_bartonBandis;
  double phib = 0.0, jrc = 0.0, jcs = 0.0;
  model.GetParameters(&phib, &jrc, &jcs);
  int application = 0;
  double signmax = 0.0, gamma = 0.0, h = 0.0;
  model.GetEnvelopeRange(&application, &signmax, &gamma, &h);

  WriteSectionTitle("barton-bandis settings", TRUE);
  WriteKey("basic friction angle", phib);
  WriteKey("joint roughness coefficient (JRC)", jrc);
  WriteKey("joint compressive strength (JCS)", jcs);
  WriteKey("fit", application);
  WriteKey("signmax", model.GetSignMax());
  WriteKey("gamma", gamma);
  WriteKey("H", h);
  WriteKey("type of data (triaxial or direct shear)", model.GetDataType(nullptr));
  WriteKey("Residuals", model.GetResiduals());
  WriteKey("BEST-FIT residuals", model.GetBestFitResiduals());
  WriteKey("curve-fit method", model.GetCurveFitMethod(nullptr));
}

void CStrengthFile::WritePowerCurveSettings() {
  const CPowerCurveCriterion& model = m_powerCurve;
  double a = 0.0, d = 0.0, b = 0.0;
  model.GetParameters(&a, &d, &b);
  int application = 0;
  double range = 0.0, gamma = 0.0, h = 0.0;
  model.GetEnvelopeRange(&application, &range, &gamma, &h);
  const int dataType = model.GetDataType(nullptr);

  WriteSectionTitle("power curve settings", TRUE);
  WriteKey("parameter a", a);
  WriteKey("parameter d", d);
  WriteKey("parameter b", b);
  WriteKey("fit", application);
  WriteKey("type of data (triaxial or direct shear)", dataType);
  WriteKey("gamma", gamma);
  WriteKey("H", h);
  WriteKey("atmospheric pressure", model.GetAtmosphericPressure());
  if (dataType == DATA_TRIAXIAL)
    WriteKey("sig3max", model.GetSig3Max());
  else
    WriteKey("signmax", model.GetSignMax());
  WriteKey("Residuals", model.GetResiduals());
  WriteKey("BEST-FIT residuals", model.GetBestFitResiduals());
  WriteKey("curve-fit method", model.GetCurveFitMethod(nullptr));
}

void CStrengthFile::WriteDataSection(const char* name, int count, const std::vector<double>& x,
                                     const std::vector<double>& y, int test) {
  WriteSectionTitle(name, TRUE);
  WriteKey("test", test);
  WriteKey("num", count);
  if (count <= 0) return;
  for (int i = 0; i < count; ++i)
    WriteLine("    %d %s %s\n", i + 1, FormatFileDouble(x[i]).c_str(),
              FormatFileDouble(y[i]).c_str());
  WriteKey("residuals", m_pActiveCriterion->GetResiduals());
}

void CStrengthFile::WriteLabData() {
  const CStrengthCriterion& model = *m_pActiveCriterion;
  const int count = model.GetLabCount();
  std::vector<double> x(count > 0 ? count : 0), y(count > 0 ? count : 0);
  if (count > 0) model.GetLabData(x.data(), y.data());
  WriteDataSection("lab data", count, x, y, model.GetLabTest());
}

void CStrengthFile::WriteRockMassData() {
  const CStrengthCriterion& model = *m_pActiveCriterion;
  const int count = model.GetRockMassCount();
  std::vector<double> x(count > 0 ? count : 0), y(count > 0 ? count : 0);
  if (count > 0) model.GetRockMassData(x.data(), y.data());
  WriteDataSection("rock mass data", count, x, y, model.GetRockMassTest());
}
