// CFitSession: everything a fit dialog does that needs no window. It works in place on the
// document's model: at every recompute the grid's rows become the model's point set and the
// chosen method, the residual and (in some dialogs) the plotted range go into the model, while
// the fitted parameters go into the session's own fields. Apply writes the fitted values at
// full precision; Cancel puts back the copy of the model taken when the session began.
//
// The dialog owns the grid and hands the session the text of its rows; the session answers with
// the status line, the result values, the messages to show and the chart as data (FitPlot).
#pragma once

#include <string>
#include <vector>

#include "core/criteria/StrengthCriterion.h"
#include "fitdialogs/logic/FitPlot.h"
#include "fitdialogs/logic/TestDataImport.h"
#include "framework/base/CString.h"

// The two data cells of one grid row, as typed.
struct FitRowText {
  CString x;
  CString y;
};

// What a recompute found.
struct RecomputeResult {
  int invertedRows = 0;  // rows with sig3 > sig1; when above 0 nothing was fitted or plotted
  CString message;       // a message box to show now (a failed fit), or empty
};

// What Apply (and OK) did.
struct ApplyResult {
  enum Kind {
    APPLIED,      // the model took the results (or, without tests, kept its own values)
    INPUT_ERROR,  // an inverted row: select gridRow, column 2, and show message there
    REFUSED       // a value out of range: show message; nothing was written
  };
  Kind kind = APPLIED;
  int gridRow = 0;
  CString message;
  RecomputeResult recompute;  // the recompute Apply began with

  // A value out of range, with the message that says so.
  static ApplyResult Refused(const CString& message) {
    ApplyResult result;
    result.kind = REFUSED;
    result.message = message;
    return result;
  }
};

// What an import did. When changed, the model holds the file's points and the dialog rebuilds
// its grid from the model and recomputes. The message (if any) is shown either way.
struct ImportOutcome {
  bool changed = false;
  CString message;
};

// How a paste goes into the grid.
struct PastePlan {
  enum Kind {
    NOTHING,    // no text: no paste, no recompute
    EDIT_PASTE, // the grid's own paste (at the focus cell, or the first data cell)
    AT_FOCUS    // paste the text into the grid from the focus cell on
  };
  Kind kind = NOTHING;
  int tests = 0;    // the number of tests before the paste is made
  int leftOut = 0;  // pasted lines that do not fit under kMaxFitTests
};

// Lines of clipboard text up to its first NUL: every newline ends one, and a last line without a
// newline counts too. Null or empty text has none.
int CountClipboardLines(const char* text);

// TRUE when no first value exceeds its second; else FALSE with the index of the first pair that
// does. n < 1 gives TRUE.
BOOL FindFirstInvertedRow(int n, const double* first, const double* second, int* index);

class CFitSession {
 public:
  CFitSession(const CFitSession&) = delete;
  CFitSession& operator=(const CFitSession&) = delete;
  virtual ~CFitSession();

  // The grid: headings of columns 0 to 2 (stress unit in parentheses), and the bare stress unit.
  CString Heading(int column) const;
  CString UnitLabel() const;
  CString XAxisTitle() const;
  CString YAxisTitle() const;

  // The number of tests (grid rows below the heading).
  int TestCount() const { return m_tests; }
  // Sets it; a negative number counts as none, more than kMaxFitTests is cut. Returns how many
  // tests were left out by the cut.
  int SetTestCount(long long tests);
  // The model's point set as grid rows; the number of tests becomes its count. Returns how many
  // points were left out by the cut to kMaxFitTests.
  int RowsFromModel(std::vector<FitRowText>* rows);

  // Where lines pasted from the clipboard go. focusRow is the grid row of the focus cell, or -1
  // when there is no focus cell in the data rows. Call SetTestCount with plan.tests before
  // pasting.
  PastePlan PlanPaste(int lines, int focusRow) const;

  // Curve-fitting method: the index in the dialog's list, stored in the model at once.
  int Method() const { return m_method; }
  void SetMethod(int method);
  virtual std::vector<CString> MethodNames() const = 0;

  // Mogi's line (only in dialogs of triaxial data).
  bool MogiLine() const { return m_mogiLine; }
  void SetMogiLine(bool on) { m_mogiLine = on; }

  // Width/height of the chart's plot frame.
  void SetChartAspect(double aspect) { m_aspect = aspect; }

  // Reads the rows into the model, fits and plots.
  RecomputeResult Recompute(const std::vector<FitRowText>& rows);
  // The status line after the last recompute (empty when the data are fine).
  const CString& StatusText() const { return m_status; }
  // The chart of the last recompute that fitted (empty with no points).
  const FitPlot& Plot() const { return m_plot; }
  // Forgets the plot, so that the chart shows nothing (bad data, a new data type).
  void ClearPlot();
  // The residual sum of the fit shown (-1.0: none).
  double Residual() const { return m_residual; }
  // The grid row (1-based) each point of the model's set came from.
  const std::vector<int>& PointRows() const { return m_pointRows; }

  // Apply and OK: recompute, check, write.
  ApplyResult Apply(const std::vector<FitRowText>& rows);
  // Cancel: the model as it was when the session began.
  virtual void Cancel() = 0;

  // Import of a file of the given kind (ImportKind). ImportText takes the file's text.
  ImportOutcome Import(int kind, const char* path);
  ImportOutcome ImportText(int kind, const char* path, const std::string& text);

  // The document's data type as the dialog shows it (DataType).
  int DataType() const;

 protected:
  explicit CFitSession(CStrengthCriterion& model);

  // The point set the dialog works on.
  virtual bool UsesRockMassSet() const { return false; }
  // Whether rows with sig3 > sig1 are errors (triaxial data).
  virtual bool ChecksInvertedRows() const { return DataType() == DATA_TRIAXIAL; }
  virtual bool HasMogiLine() const { return DataType() == DATA_TRIAXIAL; }
  virtual FitTarget Target() const = 0;

  // Runs the chosen fit into the result fields; false when it failed (or no method ran).
  virtual bool RunFit() = 0;
  // After a failed fit: the parameters from the model (the inputs stay as typed).
  virtual void TakeModelParameters() = 0;
  // The message a failed fit with two or more points shows; empty for none.
  virtual CString FitFailureMessage() const { return CString(); }
  // Called when the points are placed: the largest x and y (from the lowest double).
  virtual void PointsPlaced(double largestX, double largestY) = 0;
  // The fitted envelope for more than one point.
  virtual FitSeries Envelope(double largestX, double largestY) = 0;
  // Checks the values and writes them into the model (Apply's last steps).
  virtual ApplyResult ApplyParameters() = 0;
  // The data type a project file brings, where the dialog takes it (see SetDataType).
  virtual void AdoptDataType(int /*dataType*/) {}
  // A Lorvane import makes the data triaxial where the dialog has a choice.
  virtual void LorvaneImported() {}

  int PointCount() const;
  void GetPoints(std::vector<double>* x, std::vector<double>* y) const;
  void SetPoints(int n, const double* x, const double* y);
  // Method index from the model's, with anything outside 0..count-1 taken as 0.
  void TakeMethodFromModel(int methodCount);

  CStrengthCriterion& m_model;
  int m_tests = 0;
  int m_method = 0;
  bool m_mogiLine = false;
  double m_aspect = 1.0;
  double m_residual = -1.0;
  CString m_status;
  FitPlot m_plot;
  std::vector<int> m_pointRows;

 private:
  int ReadRows(const std::vector<FitRowText>& rows);
  void BuildPlot();
  ImportOutcome StoreImport(const ImportedPoints& points, int fileUnits);
};
