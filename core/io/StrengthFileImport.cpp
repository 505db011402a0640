// Reading the sibling product's files (.qzt) and the older plain text layout.
#include <algorithm>

#include "core/io/NumberScan.h"
#include "core/io/ProjectSections.h"
#include "core/io/StrengthFile.h"
#include "framework/base/NumberText.h"

namespace {

std::string Lower(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return text;
}

// The fitted values are kept to three decimals, but a positive value never
// becomes zero or negative through the rounding.
double RoundToThreeDecimals(double value) {
  double rounded = value;
  if (ParseDouble(FormatNumber("%.3f", value), rounded) != NumberParse::Ok) return value;
  if (value > 0.0 && rounded <= 0.0) return value;
  return rounded;
}

}  // namespace

BOOL CStrengthFile::ReadLineValue(std::string& value) {
  std::string line;
  if (!m_cursor.ReadLine(line)) {
    value.clear();
    return FALSE;
  }
  value = ValueAfterColon(line);
  return TRUE;
}

BOOL CStrengthFile::ReadLineValue(double& value) {
  std::string text;
  return ReadLineValue(text) && ParseLeadingDouble(text, value);
}

BOOL CStrengthFile::ReadLineValue(int& value) {
  std::string text;
  return ReadLineValue(text) && ParseLeadingInt(text, value);
}

BOOL CStrengthFile::ReadLorvaneFile() {
  SetDefaultError();
  m_cursor = CTextCursor(m_text);
  CHoekBrownCriterion& model = m_hoekBrown;

  double version = 0.0;
  std::string title;
  if (!ReadLineValue(version) || !ReadLineValue(title)) return FALSE;
  m_strTitle = CString(title);

  int units = 0;
  if (!ReadLineValue(units)) return FALSE;
  model.SetUnits(units);
  // Report the unit system the model really took.
  m_nUnits = model.GetUnits();

  double numbers[4] = {0.0, 0.0, 0.0, 0.0};  // sigci, GSI, mi, D
  for (double& number : numbers) {
    if (!ReadLineValue(number)) return FALSE;
  }
  SetUsableHoekBrownParameters(model, numbers[0], numbers[2], numbers[1], numbers[3]);

  int application = 0;
  if (!ReadLineValue(application)) return FALSE;
  application = InRange(application, 0, 3, 0);
  double range[3] = {0.0, 0.0, 0.0};  // sig3max, gamma, H
  for (double& number : range) {
    if (!ReadLineValue(number)) return FALSE;
  }
  model.SetEnvelopeRange(application, range[0], range[1], range[2]);

  int count = 0;
  if (!ReadLineValue(count)) return FALSE;
  if (count > 0) {
    std::vector<double> x, y;
    if (!ReadPointRows(count, x, y)) return FALSE;
    model.SetLabData(count, x.data(), y.data());
    model.SetLabTest(0);
  }

  if (version >= 1.011) {
    int method = 0;
    double intactModulus = 0.0;
    if (ReadLineValue(method) && method >= 0 && method <= 2 && ReadLineValue(intactModulus))
      model.SetModulusMethod(method, intactModulus);
  } else {
    model.SetModulusMethod(MODULUS_HOEK_CARRANZA_TORRES_CORKUM, 0.0);
  }
  // The modulus method recalculates the model; the file's range stays.
  model.SetEnvelopeRange(application, range[0], range[1], range[2]);

  m_nCriterion = CRITERION_HOEK_BROWN;
  m_pActiveCriterion = &m_hoekBrown;
  return TRUE;
}

BOOL CStrengthFile::ReadLegacyFile() {
  SetDefaultError();
  m_cursor = CTextCursor(m_text);

  m_cursor.SkipCommentLines();
  std::string lines[3];
  for (std::string& line : lines) m_cursor.ReadLine(line);
  m_strTitle = CString(lines[0] + " " + lines[1] + " " + lines[2] + " ");

  m_cursor.SkipCommentLines();
  std::string header;
  m_cursor.ReadLine(header);
  CTextCursor fields(header);
  int count = 0;
  std::string words[4];  // criterion, units, data, unused
  if (!fields.ScanInt(count)) return FALSE;
  for (std::string& word : words) {
    if (!fields.ScanWord(word)) return FALSE;
    word = Lower(word);
  }
  const std::string& criterion = words[0];
  const std::string& unitsWord = words[1];
  const std::string& dataWord = words[2];

  // Values in psi are kept in ksi.
  double scale = 1.0;
  m_nUnits = UNITS_MPA;
  if (unitsWord.compare(0, 3, "psi") == 0) {
    scale = 0.001;
    m_nUnits = UNITS_KSI;
  } else if (unitsWord.compare(0, 3, "ksi") == 0) {
    m_nUnits = UNITS_KSI;
  }
  m_hoekBrown.SetUnits(m_nUnits);
  m_bartonBandis.SetUnits(m_nUnits);

  std::vector<double> x, y;
  if (count > 0) {
    // Every row takes at least four bytes ("1 2" and a separator).
    if (count > kMaxPoints || static_cast<size_t>(count) > m_cursor.Remaining() / 4 + 1)
      return FALSE;
    m_cursor.SkipCommentLines();
    x.reserve(count);
    y.reserve(count);
    for (int i = 0; i < count; ++i) {
      double xi = 0.0, yi = 0.0;
      if (!m_cursor.ScanDouble(xi) || !m_cursor.ScanDouble(yi)) return FALSE;
      x.push_back(xi * scale);
      y.push_back(yi * scale);
    }
  }

  // The largest x becomes the custom range.
  const double largest = x.empty() ? 0.0 : *std::max_element(x.begin(), x.end());
  const char kind = criterion[0];
  const char data = dataWord[0];
  const int n = static_cast<int>(x.size());
  if (kind == 't' && (data == 'i' || data == 'b')) {
    const bool rockMass = data == 'b';
    if (rockMass) {
      m_hoekBrown.SetRockMassData(n, x.data(), y.data());
      m_hoekBrown.SetRockMassTest(0);
    } else {
      m_hoekBrown.SetLabData(n, x.data(), y.data());
      m_hoekBrown.SetLabTest(0);
    }
    m_hoekBrown.SetFieldDataFlag(rockMass ? SOURCE_ROCK_MASS : SOURCE_LAB);
    if (n > 0) FitLegacyHoekBrown(rockMass, scale, largest);
  } else if (kind == 's') {
    m_bartonBandis.SetLabData(n, x.data(), y.data());
    m_bartonBandis.SetLabTest(1);
    m_bartonBandis.SetSignMax(largest);
    if (n > 0) FitLegacyBartonBandis(largest);
  }

  m_nCriterion = kind == 's' ? CRITERION_BARTON_BANDIS : CRITERION_HOEK_BROWN;
  SelectActiveCriterion();
  return TRUE;
}

void CStrengthFile::FitLegacyHoekBrown(bool rockMass, double scale, double largest) {
  double sigci = 0.0, mi = 0.0, gsi = 0.0, d = 0.0, residuals = 0.0;
  m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  BOOL fitted = FALSE;
  if (!rockMass) {
    fitted = m_hoekBrown.FitLabDataLM(&mi, &sigci, &residuals);
    if (fitted) {
      mi = RoundToThreeDecimals(mi);
      sigci = RoundToThreeDecimals(sigci);
    }
  } else {
    // Rock-mass points may be followed by the intact strength.
    m_cursor.SkipCommentLines();
    double fileSigci = 0.0;
    if (m_cursor.ScanDouble(fileSigci) && fileSigci * scale > 0.0) {
      sigci = fileSigci * scale;
      m_hoekBrown.SetSigci(sigci);
    }
    double mb = 0.0, s = 0.0, a = 0.0;
    fitted = m_hoekBrown.FitRockMassDataLM(&mi, &gsi, &mb, &s, &a, &residuals, sigci, d);
    if (fitted) {
      mi = RoundToThreeDecimals(mi);
      gsi = RoundToThreeDecimals(gsi);
    }
  }
  if (!fitted) return;
  int application = 0;
  double sig3max = 0.0, gamma = 0.0, h = 0.0;
  m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &h);
  m_hoekBrown.SetParameters(sigci, mi, gsi, d);
  m_hoekBrown.SetResiduals(residuals);
  m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, largest, gamma, h);
}

void CStrengthFile::FitLegacyBartonBandis(double largest) {
  double phib = 0.0, jrc = 0.0, jcs = 0.0, residuals = 0.0;
  m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
  if (!m_bartonBandis.FitShearData(phib, &jrc, &jcs, &residuals)) return;
  int application = 0;
  double signmax = 0.0, gamma = 0.0, h = 0.0;
  m_bartonBandis.GetEnvelopeRange(&application, &signmax, &gamma, &h);
  m_bartonBandis.SetParameters(phib, RoundToThreeDecimals(jrc), RoundToThreeDecimals(jcs));
  m_bartonBandis.SetResiduals(residuals);
  m_bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, largest, gamma, h);
  m_bartonBandis.SetDataType(DATA_DIRECT_SHEAR);
}
