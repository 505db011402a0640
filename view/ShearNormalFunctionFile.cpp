#include "view/ShearNormalFunctionFile.h"

#include <cstdio>

#include "framework/base/File.h"

double ShearNormalUnitScale(int units) {
  switch (units) {
    case UNITS_MPA: return 1000.0;
    case UNITS_KPA: return 1.0;
    case UNITS_TSM: return 9.80665;
    case UNITS_KSI: return 144000.0;
    case UNITS_KSF: return 1000.0;
    case UNITS_PSI: return 144.0;
    case UNITS_PSF: return 1.0;
    case UNITS_TSF: return 2000.0;
    default: return 1000.0;
  }
}

namespace {
// A scratch copy of the document's current model builds the table.
template <class Model>
CString Rows(const Model& documentModel, bool shear, int num) {
  Model model = documentModel;
  const EnvelopePoint* table = shear ? model.BuildShearEnvelope(num) : model.BuildPrincipalEnvelope(num);
  double scale = ShearNormalUnitScale(model.GetUnits());
  CString rows;
  for (int i = 0; table && i < num; ++i)
    rows.AppendFormat("   n: %g  s: %g\n", table[i].sigN * scale, table[i].tau * scale);
  return rows;
}
}  // namespace

CString BuildShearNormalFunctionText(const PlotDocument& doc, const char* title, int pointCount) {
  int num = pointCount - 1;
  if (num < 0) num = 0;
  CString text = "QUELM - NORMAL/SHEAR FUNCTION FILE\nVERSION 1.0\n\n";
  text.AppendFormat("FUNCTION NAME: %s\n\n", title ? title : "");
  text.AppendFormat("  type: 5  num: %d\n", num);
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: text += Rows(*doc.hoekBrown, false, num); break;
    case CRITERION_MOHR_COULOMB:
      text += Rows(*doc.mohrCoulomb, doc.mohrCoulomb->GetDataType(nullptr) == DATA_DIRECT_SHEAR,
                   num);
      break;
    case CRITERION_BARTON_BANDIS: text += Rows(*doc.bartonBandis, true, num); break;
    case CRITERION_POWER_CURVE:
      text += Rows(*doc.powerCurve, doc.powerCurve->GetDataType(nullptr) == DATA_DIRECT_SHEAR,
                   num);
      break;
    default: break;
  }
  return text;
}

bool WriteShearNormalFunctionFile(const char* path, const CString& text, CString* error) {
  CStdioFile file;
  CFileException problem;
  if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &problem)) {
    *error = problem.GetErrorMessage();
    if (error->IsEmpty()) *error = "The file could not be created.";
    return false;
  }
  bool written = file.WriteString(text) != FALSE;
  bool closed = file.Close() != FALSE;
  if (!written || !closed) {
    std::remove(path);
    *error = "The file could not be written completely.";
    return false;
  }
  return true;
}
