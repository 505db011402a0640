#include "fitdialogs/logic/TestDataImport.h"

#include <cstring>

#include "core/io/NumberScan.h"
#include "core/io/TextCursor.h"
#include "fitdialogs/logic/FitNumbers.h"
#include "framework/base/File.h"

const char kImportFilter[] =
    "Quarvex (*.kel)|*.kel|CSV (comma delimited) (*.csv)|*.csv|Text (tab delimited) "
    "(*.txt)|*.txt|Lorvane (*.qzt)|*.qzt||";
const char kImportFilterNoLorvane[] =
    "Quarvex (*.kel)|*.kel|CSV (comma delimited) (*.csv)|*.csv|Text (tab delimited) "
    "(*.txt)|*.txt||";

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

void AddPoint(ImportedPoints& points, double x, double y) {
  if (points.Count() >= kMaxFitTests) {
    ++points.leftOut;
    return;
  }
  points.x.push_back(x);
  points.y.push_back(y);
}

// The points of one source set (count and arrays as the model gives them).
void ReadSource(const CStrengthFile& file, PointSource source, std::vector<double>* x,
                std::vector<double>* y, int* test, int* modelType) {
  const CStrengthCriterion* model = nullptr;
  bool rockMass = false;
  switch (source) {
    case PointSource::HoekBrownLab:
      model = &file.m_hoekBrown;
      break;
    case PointSource::HoekBrownRockMass:
      model = &file.m_hoekBrown;
      rockMass = true;
      break;
    case PointSource::MohrCoulombLab:
      model = &file.m_mohrCoulomb;
      break;
    case PointSource::BartonBandisLab:
      model = &file.m_bartonBandis;
      break;
    case PointSource::PowerCurveLab:
      model = &file.m_powerCurve;
      break;
  }
  const int n = rockMass ? model->GetRockMassCount() : model->GetLabCount();
  x->assign(n > 0 ? n : 0, 0.0);
  y->assign(n > 0 ? n : 0, 0.0);
  if (n > 0) {
    if (rockMass)
      model->GetRockMassData(x->data(), y->data());
    else
      model->GetLabData(x->data(), y->data());
  }
  *test = rockMass ? model->GetRockMassTest() : model->GetLabTest();
  *modelType = model->GetDataType(nullptr);
}

}  // namespace

int ImportKindForPath(const char* path, bool offerLorvane) {
  if (path == nullptr) return IMPORT_NONE;
  const char* name = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  const char* dot = std::strrchr(name, '.');
  if (dot == nullptr) return IMPORT_NONE;
  CString extension(dot + 1);
  extension.MakeLower();
  if (extension == "kel") return IMPORT_PROJECT;
  if (extension == "csv") return IMPORT_COMMA;
  if (extension == "txt") return IMPORT_TAB;
  if (extension == "qzt" && offerLorvane) return IMPORT_LORVANE;
  return IMPORT_NONE;
}

bool ParseCommaLine(const std::string& line, double* x, double* y) {
  const char* p = line.c_str();
  double a = 0.0, b = 0.0;
  if (!ScanLineNumber(p, a) || *p != ',') return false;
  ++p;
  if (!ScanLineNumber(p, b)) return false;
  *x = a;
  *y = b;
  return true;
}

bool ParseTabLine(const std::string& line, double* x, double* y) {
  const char* p = line.c_str();
  double a = 0.0, b = 0.0;
  if (!ScanLineNumber(p, a) || !IsBlank(*p)) return false;
  while (IsBlank(*p)) ++p;
  if (!ScanLineNumber(p, b)) return false;
  *x = a;
  *y = b;
  return true;
}

ImportedPoints ReadDelimitedPoints(const std::string& text, int kind) {
  ImportedPoints points;
  if (kind != IMPORT_COMMA && kind != IMPORT_TAB) return points;
  CTextCursor cursor(text);
  std::string line;
  while (cursor.ReadLine(line)) {
    double x = 0.0, y = 0.0;
    const bool read = kind == IMPORT_COMMA ? ParseCommaLine(line, &x, &y) : ParseTabLine(line, &x, &y);
    if (read) AddPoint(points, x, y);
  }
  return points;
}

ImportedPoints ReadLorvanePoints(const std::string& text) {
  ImportedPoints points;
  CTextCursor cursor(text);
  std::string line;
  const int kHeaderLines = 12;
  for (int i = 0; i < kHeaderLines; ++i)
    if (!cursor.ReadLine(line)) line.clear();
  int count = 0;
  if (!ParseLeadingInt(ValueAfterColon(line), count) || count <= 0) return points;
  // A count larger than the file: the rows past its end are missing, and missing rows are
  // skipped, so the reading stops there.
  for (int i = 0; i < count && cursor.ReadLine(line); ++i) {
    const std::string value = ValueAfterColon(line);
    CTextCursor row(value);
    int index = 0;
    double x = 0.0, y = 0.0;
    if (row.ScanInt(index) && row.ScanDouble(x) && row.ScanDouble(y)) AddPoint(points, x, y);
  }
  return points;
}

bool LoadImportFile(const char* path, std::string* text, CString* error) {
  CFile file;
  if (path == nullptr || !file.Open(path, CFile::modeRead | CFile::typeBinary)) {
    *error = "Could not open file for reading";
    return false;
  }
  const LONGLONG length = file.GetLength();
  if (length < 0 || static_cast<unsigned long long>(length) > kMaxImportFileSize) {
    file.Abort();
    error->Format("The file is too large to import (more than %d MB).",
                  static_cast<int>(kMaxImportFileSize / (1024 * 1024)));
    return false;
  }
  text->assign(static_cast<size_t>(length), '\0');
  const UINT got = length > 0 ? file.Read(&(*text)[0], static_cast<UINT>(length)) : 0;
  const bool failed = file.HasError() || got != static_cast<UINT>(length);
  file.Abort();
  if (failed) {
    text->clear();
    *error = "Could not read the file.";
    return false;
  }
  return true;
}

std::vector<SourceStep> ProjectSourceOrder(FitTarget target, int dataType) {
  const bool shear = dataType == DATA_DIRECT_SHEAR;
  switch (target) {
    case FitTarget::HoekBrownLab:
      return {{PointSource::HoekBrownLab, -1, false},
              {PointSource::MohrCoulombLab, DATA_TRIAXIAL, false},
              {PointSource::PowerCurveLab, DATA_TRIAXIAL, false}};
    case FitTarget::RockMass:
      return {{PointSource::HoekBrownRockMass, -1, false},
              {PointSource::MohrCoulombLab, DATA_TRIAXIAL, false}};
    case FitTarget::MohrCoulomb:
      if (shear)
        return {{PointSource::MohrCoulombLab, -1, true},
                {PointSource::PowerCurveLab, -1, false},
                {PointSource::BartonBandisLab, -1, false}};
      return {{PointSource::MohrCoulombLab, -1, true},
              {PointSource::HoekBrownLab, -1, false},
              {PointSource::HoekBrownRockMass, -1, false},
              {PointSource::PowerCurveLab, -1, false}};
    case FitTarget::BartonBandis:
      return {{PointSource::BartonBandisLab, -1, false},
              {PointSource::MohrCoulombLab, DATA_DIRECT_SHEAR, false},
              {PointSource::PowerCurveLab, -1, false}};
    case FitTarget::PowerCurve:
      if (shear)
        return {{PointSource::PowerCurveLab, -1, true},
                {PointSource::MohrCoulombLab, -1, false},
                {PointSource::BartonBandisLab, -1, false}};
      return {{PointSource::PowerCurveLab, -1, true},
              {PointSource::HoekBrownLab, -1, false},
              {PointSource::HoekBrownRockMass, -1, false},
              {PointSource::MohrCoulombLab, -1, false}};
  }
  return {};
}

bool TakeFilePoints(const CStrengthFile& file, FitTarget target, int dataType,
                    ImportedPoints* points, int* adoptType) {
  *points = ImportedPoints();
  *adoptType = -1;
  for (const SourceStep& step : ProjectSourceOrder(target, dataType)) {
    std::vector<double> x, y;
    int test = 0, modelType = 0;
    ReadSource(file, step.source, &x, &y, &test, &modelType);
    if (x.empty()) continue;
    if (step.requiredType >= 0 && modelType != step.requiredType) continue;
    for (size_t i = 0; i < x.size(); ++i) AddPoint(*points, x[i], y[i]);
    points->test = test;
    if (step.adoptType) *adoptType = modelType;
    return true;
  }
  return false;
}

CString TestsLeftOutMessage(int leftOut) {
  CString text;
  text.Format("At most %d tests can be used: %d tests were left out.", kMaxFitTests, leftOut);
  return text;
}

CString NoTestDataMessage() {
  return "The file holds no test data that can be used here. Nothing was changed.";
}

CString UnitsDifferMessage(int fileUnits, int projectUnits) {
  CString text;
  text.Format(
      "The file's stresses are in %s and this project's are in %s.\nThe values were imported "
      "as they stand, without conversion.",
      CStrengthCriterion::StressUnitLabel(fileUnits, FALSE).GetString(),
      CStrengthCriterion::StressUnitLabel(projectUnits, FALSE).GetString());
  return text;
}
