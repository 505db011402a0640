#include "import_fuzzer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fitdialogs/logic/BartonBandisFitSession.h"
#include "fitdialogs/logic/FitNumbers.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"
#include "fitdialogs/logic/MohrCoulombFitSession.h"
#include "fitdialogs/logic/PowerCurveFitSession.h"
#include "fitdialogs/logic/RockMassFitSession.h"

namespace {

#define Check(c) CheckAt(c, __LINE__)
void CheckAt(bool condition, int line) {
  if (!condition) {
    fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
  }
}

// Fits on imported data run only on small sets, so that each input stays quick.
constexpr int kMaxFittedTests = 40;

void Exercise(CFitSession& session, int kind, const char* path, const std::string& text,
              int method) {
  std::vector<FitRowText> before;
  session.RowsFromModel(&before);
  const ImportOutcome outcome = session.ImportText(kind, path, text);
  std::vector<FitRowText> rows;
  session.RowsFromModel(&rows);
  if (!outcome.changed) {
    Check(!outcome.message.IsEmpty());
    Check(rows.size() == before.size());
    return;
  }
  Check(session.TestCount() >= 1 && session.TestCount() <= kMaxFitTests);
  Check(static_cast<int>(rows.size()) == session.TestCount());
  for (const FitRowText& row : rows) {
    double x = 0.0, y = 0.0;
    Check(ParseCellNumber(row.x, x) && ParseCellNumber(row.y, y));
    Check(std::isfinite(x) && std::isfinite(y));
  }
  if (session.TestCount() > kMaxFittedTests) return;
  session.SetMethod(method % static_cast<int>(session.MethodNames().size()));
  session.SetMogiLine(true);
  const RecomputeResult result = session.Recompute(rows);
  if (result.invertedRows == 0) {
    const FitPlot& plot = session.Plot();
    Check(!plot.IsEmpty());
    Check(plot.axes.xMin < plot.axes.xMax && plot.axes.yMin < plot.axes.yMax);
  }
  session.Apply(rows);
  session.Cancel();
}

}  // namespace

int FuzzImport(int kind, const char* path, const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the dialog and the method; the rest is the file.
  const int choice = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (choice % 5) {
    case 0: {
      CHoekBrownCriterion model;
      CHoekBrownFitSession session(model);
      Exercise(session, kind, path, text, choice / 5);
      break;
    }
    case 1: {
      CHoekBrownCriterion model;
      CRockMassFitSession session(model);
      Exercise(session, kind, path, text, choice / 5);
      break;
    }
    case 2: {
      CMohrCoulombCriterion model;
      CMohrCoulombFitSession session(model);
      session.SetDataType((choice / 10) % 2);
      Exercise(session, kind, path, text, choice / 5);
      break;
    }
    case 3: {
      CBartonBandisCriterion model;
      CBartonBandisFitSession session(model);
      Exercise(session, kind, path, text, choice / 5);
      break;
    }
    default: {
      CPowerCurveCriterion model;
      CPowerCurveFitSession session(model);
      session.SetDataType((choice / 10) % 2);
      Exercise(session, kind, path, text, choice / 5);
      break;
    }
  }
  return 0;
}
