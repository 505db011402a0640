// Test data read from files for the fit dialogs: the kind of file chosen by its extension,
// comma- and tab-delimited text, the rows of a Lorvane file, and the point set a dialog takes
// from a project file (read through CStrengthFile) by its order of precedence.
#pragma once

#include <string>
#include <vector>

#include "core/io/StrengthFile.h"
#include "framework/base/CString.h"

// The kinds the Import... chooser offers, numbered as it reports them.
enum ImportKind {
  IMPORT_NONE = 0,
  IMPORT_PROJECT = 1,  // .kel
  IMPORT_COMMA = 2,    // .csv
  IMPORT_TAB = 3,      // .txt
  IMPORT_LORVANE = 4   // .qzt
};

// File-dialog filters: every kind, and every kind but Lorvane files.
extern const char kImportFilter[];
extern const char kImportFilterNoLorvane[];

// The most tests a fit dialog holds.
constexpr int kMaxFitTests = 10000;

// Text files larger than this are refused before they are read.
constexpr size_t kMaxImportFileSize = 16 * 1024 * 1024;

// The kind by the path's extension, in any case ("DATA.CSV" is comma text); IMPORT_NONE for
// another extension, and for .qzt where Lorvane files are not offered.
int ImportKindForPath(const char* path, bool offerLorvane);

// One line of comma text: a number, a comma right after it, a number; text after the second
// number is ignored. A blank before the comma makes the line unreadable.
bool ParseCommaLine(const std::string& line, double* x, double* y);
// One line of tab text: two numbers separated by any run of tabs or blanks; text after the
// second number is ignored.
bool ParseTabLine(const std::string& line, double* x, double* y);

// The points of a file, cut to kMaxFitTests.
struct ImportedPoints {
  std::vector<double> x;
  std::vector<double> y;
  int test = 0;     // DataType of the set the points came from
  int leftOut = 0;  // points past kMaxFitTests, not taken
  int Count() const { return static_cast<int>(x.size()); }
};

// Every readable line of comma (IMPORT_COMMA) or tab (IMPORT_TAB) text, in order; other lines
// (headings, blank lines, another separator) are skipped.
ImportedPoints ReadDelimitedPoints(const std::string& text, int kind);

// The rows of a Lorvane data file: twelve "label: value" header lines, the twelfth giving the
// number of tests, then one line per test with an index, sig3 and sig1. The other header values
// are not used; rows that are missing or do not read are skipped, and lines past the count are
// not read.
ImportedPoints ReadLorvanePoints(const std::string& text);

// Reads a whole text file of at most kMaxImportFileSize bytes; false with a message otherwise.
bool LoadImportFile(const char* path, std::string* text, CString* error);

// The point set a fit dialog fills, and where it looks for points in a project file.
enum class FitTarget { HoekBrownLab, RockMass, MohrCoulomb, BartonBandis, PowerCurve };

enum class PointSource {
  HoekBrownLab,
  HoekBrownRockMass,
  MohrCoulombLab,
  BartonBandisLab,
  PowerCurveLab
};

struct SourceStep {
  PointSource source;
  int requiredType;  // the source model's DataType the step needs; -1 for any
  bool adoptType;    // the dialog takes the source model's data type with the points
};

// The order in which a dialog looks for points in a project file; dataType is the dialog's
// current data type (used by the Mohr-Coulomb and power-curve dialogs).
std::vector<SourceStep> ProjectSourceOrder(FitTarget target, int dataType);

// The points of the first source in that order that has any (cut to kMaxFitTests). false when
// no source has points. *adoptType gets the data type to adopt, or -1.
bool TakeFilePoints(const CStrengthFile& file, FitTarget target, int dataType,
                    ImportedPoints* points, int* adoptType);

// Messages of an import.
CString TestsLeftOutMessage(int leftOut);
CString NoTestDataMessage();
CString UnitsDifferMessage(int fileUnits, int projectUnits);
