// Reading the sibling product's files (.qzt) and the older plain text layout.
#include <cmath>

#include "core/io/NumberScan.h"
#include "core/io/StrengthFile.h"
#include "framework/base/numbertext.h"

namespace {

// Units codes of the plain layout's units word.
const int kFileUnitsMpa = 0;
const int kFileUnitsKsi = 3;
const int kFileUnitsPsi = 5;

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

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
  const size_t colon = line.find(':');
  value = Trimmed(colon == std::string::npos ? line : line.substr(colon + 1));
  return TRUE;
}

void CStrengthFile::SkipCommentLines() {
  m_cursor.SkipCommentLines();
}

void CStrengthFile::ConvertPointUnits(int fileUnits, std::vector<double>& x,
                                      std::vector<double>& y) {
  for (double& value : x) ConvertValueUnits(fileUnits, value);
  for (double& value : y) ConvertValueUnits(fileUnits, value);
}

void CStrengthFile::ConvertValueUnits(int fileUnits, double& value) {
  if (fileUnits == kFileUnitsPsi && m_nUnits == UNITS_KSI) value *= 0.001;
}

BOOL CStrengthFile::ReadLorvaneFile() {
  SetDefaultError();
  m_cursor = CTextCursor(m_text);
  CHoekBrownCriterion& model = m_hoekBrown;
  std::string value;

  double version = 0.0;
  if (!ReadLineValue(value) || !ParseLeadingDouble(value, version)) return FALSE;
  if (!ReadLineValue(value)) return FALSE;
  m_strTitle = CString(value);

  int units = 0;
  if (!ReadLineValue(value) || !ParseLeadingInt(value, units)) return FALSE;
  model.SetUnits(units);
  // Report the unit system the model really took.
  m_nUnits = model.GetUnits();

  double numbers[4] = {0.0, 0.0, 0.0, 0.0};  // sigci, GSI, mi, D
  for (double& number : numbers) {
    if (!ReadLineValue(value) || !ParseLeadingDouble(value, number)) return FALSE;
  }
  double curSigci = 0.0, curMi = 0.0, curGsi = 0.0, curD = 0.0;
  model.GetParameters(&curSigci, &curMi, &curGsi, &curD);
  const double sigci = numbers[0] > 0.0 ? numbers[0] : curSigci;
  const double gsi = numbers[1] >= 0.0 && numbers[1] <= 100.0 ? numbers[1] : curGsi;
  const double mi = numbers[2] > 0.0 ? numbers[2] : curMi;
  const double d = numbers[3] >= 0.0 && numbers[3] <= 1.0 ? numbers[3] : curD;
  model.SetParameters(sigci, mi, gsi, d);

  int application = 0;
  if (!ReadLineValue(value) || !ParseLeadingInt(value, application)) return FALSE;
  if (application < 0 || application > 3) application = 0;
  double range[3] = {0.0, 0.0, 0.0};  // sig3max, gamma, H
  for (double& number : range) {
    if (!ReadLineValue(value) || !ParseLeadingDouble(value, number)) return FALSE;
  }
  model.SetEnvelopeRange(application, range[0], range[1], range[2]);

  int count = 0;
  if (!ReadLineValue(value) || !ParseLeadingInt(value, count)) return FALSE;
  if (count > 0) {
    std::vector<double> x, y;
    if (!ReadPointRows(count, x, y)) return FALSE;
    model.SetLabData(count, x.data(), y.data());
    model.SetLabTest(0);
  }

  if (version >= 1.011) {
    int method = 0;
    double intactModulus = 0.0;
    if (ReadLineValue(value) && ParseLeadingInt(value, method) && method >= 0 && method <= 2 &&
        ReadLineValue(value) && ParseLeadingDouble(value, intactModulus))
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

  SkipCommentLines();
  std::string lines[3];
  for (std::string& line : lines) m_cursor.ReadLine(line);
  m_strTitle = CString(lines[0] + " " + lines[1] + " " + lines[2] + " ");

  SkipCommentLines();
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

  int fileUnits = kFileUnitsMpa;
  m_nUnits = UNITS_MPA;
  if (unitsWord.compare(0, 3, "psi") == 0) {
    fileUnits = kFileUnitsPsi;
    m_nUnits = UNITS_KSI;
  } else if (unitsWord.compare(0, 3, "ksi") == 0) {
    fileUnits = kFileUnitsKsi;
    m_nUnits = UNITS_KSI;
  }
  m_hoekBrown.SetUnits(m_nUnits);
  m_bartonBandis.SetUnits(m_nUnits);

  std::vector<double> x, y;
  if (count > 0) {
    // Every row takes at least four bytes ("1 2" and a separator).
    if (count > kMaxPoints || static_cast<size_t>(count) > m_cursor.Remaining() / 4 + 1)
      return FALSE;
    SkipCommentLines();
    x.reserve(count);
    y.reserve(count);
    for (int i = 0; i < count; ++i) {
      double xi = 0.0, yi = 0.0;
      if (!m_cursor.ScanDouble(xi) || !m_cursor.ScanDouble(yi)) return FALSE;
      x.push_back(xi);
      y.push_back(yi);
    }
    ConvertPointUnits(fileUnits, x, y);
  }

  // The largest x (the first of equal values) becomes the custom range.
  double largest = 0.0;
  for (size_t i = 0; i < x.size(); ++i) {
    if (i == 0 || x[i] > largest) largest = x[i];
  }

  const char kind = criterion[0];
  const char data = dataWord[0];
  const int n = static_cast<int>(x.size());
  if (kind == 't' && data == 'i') {
    m_hoekBrown.SetLabData(n, x.data(), y.data());
    m_hoekBrown.SetFieldDataFlag(SOURCE_LAB);
    m_hoekBrown.SetLabTest(0);
  } else if (kind == 't' && data == 'b') {
    m_hoekBrown.SetRockMassData(n, x.data(), y.data());
    m_hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
    m_hoekBrown.SetRockMassTest(0);
  } else if (kind == 's') {
    m_bartonBandis.SetLabData(n, x.data(), y.data());
    m_bartonBandis.SetLabTest(1);
    m_bartonBandis.SetSignMax(largest);
  }

  if (n > 0) {
    if (kind == 't' && (data == 'i' || data == 'b')) {
      double sigci = 0.0, mi = 0.0, gsi = 0.0, d = 0.0, residuals = 0.0;
      m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
      BOOL fitted = FALSE;
      if (data == 'i') {
        fitted = m_hoekBrown.FitLabDataLM(&mi, &sigci, &residuals);
        if (fitted) {
          mi = RoundToThreeDecimals(mi);
          sigci = RoundToThreeDecimals(sigci);
        }
      } else {
        SkipCommentLines();
        double fileSigci = 0.0;
        if (m_cursor.ScanDouble(fileSigci)) {
          ConvertValueUnits(fileUnits, fileSigci);
          if (fileSigci > 0.0) {
            m_hoekBrown.SetSigci(fileSigci);
            sigci = fileSigci;
          }
        }
        double mb = 0.0, s = 0.0, a = 0.0;
        fitted = m_hoekBrown.FitRockMassDataLM(&mi, &gsi, &mb, &s, &a, &residuals, sigci, d);
        if (fitted) {
          mi = RoundToThreeDecimals(mi);
          gsi = RoundToThreeDecimals(gsi);
        }
      }
      if (fitted) {
        int application = 0;
        double sig3max = 0.0, gamma = 0.0, h = 0.0;
        m_hoekBrown.GetEnvelopeRange(&application, &sig3max, &gamma, &h);
        m_hoekBrown.SetParameters(sigci, mi, gsi, d);
        m_hoekBrown.SetResiduals(residuals);
        m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, largest, gamma, h);
      }
    } else if (kind == 's') {
      double phib = 0.0, jrc = 0.0, jcs = 0.0, residuals = 0.0;
      m_bartonBandis.GetParameters(&phib, &jrc, &jcs);
      if (m_bartonBandis.FitShearData(phib, &jrc, &jcs, &residuals)) {
        jrc = RoundToThreeDecimals(jrc);
        jcs = RoundToThreeDecimals(jcs);
        int application = 0;
        double signmax = 0.0, gamma = 0.0, h = 0.0;
        m_bartonBandis.GetEnvelopeRange(&application, &signmax, &gamma, &h);
        m_bartonBandis.SetParameters(phib, jrc, jcs);
        m_bartonBandis.SetResiduals(residuals);
        m_bartonBandis.SetEnvelopeRange(APPLICATION_CUSTOM, largest, gamma, h);
        m_bartonBandis.SetDataType(DATA_DIRECT_SHEAR);
      }
    }
  }

  m_nCriterion = kind == 's' ? CRITERION_BARTON_BANDIS : CRITERION_HOEK_BROWN;
  SelectActiveCriterion();
  return TRUE;
}
