// CFitDialogT: the window side every fit dialog shares, over its fit session: the grid and its
// number of tests (edit and spin), Copy, Paste and Import..., the method list, Mogi's line, the
// red status line, the chart inside its frame, Apply, OK and Cancel. Each dialog adds its own
// result and input fields. TBase is CTipsDialog (tooltips and context help) or CDialog.
#pragma once

#include <memory>
#include <vector>

#include "chart/Chart2D.h"
#include "controls/FlatButton.h"
#include "controls/FlatComboBox.h"
#include "controls/GridCtrl.h"
#include "controls/TipsDialog.h"
#include "fitdialogs/logic/FitSession.h"
#include "framework/win/AfxWin.h"

class CKelStrengthDoc;

template <class TBase>
class CFitDialogT : public TBase {
 public:
  CFitDialogT(UINT templateId, CKelStrengthDoc* doc, CWnd* parent);
  ~CFitDialogT() override;

  virtual CFitSession& Session() = 0;
  CGridCtrl& Grid() { return m_grid; }
  CChart2D& Chart() { return m_chart; }

 protected:
  // The static whose font the grid takes and which shows the bare stress unit.
  virtual UINT UnitStaticId() const = 0;
  // The dialog's own exchanged fields (inputs, data type); called by DoDataExchange.
  virtual void ExchangeInputs(CDataExchange* /*pDX*/) {}
  // Writes the result fields from the session.
  virtual void ShowResults() = 0;
  // Whether the Import... chooser offers Lorvane files.
  virtual BOOL OfferLorvane() const { return TRUE; }
  // Whether a negative number of tests is refused when the dialog is read (else it counts as
  // none).
  virtual BOOL CountHasRange() const { return TRUE; }
  // Whether the dialog's inputs (as the model holds them) lie in the ranges the dialog reads
  // them with. An input a project brought from outside is shown as it stands and stops nothing
  // while the dialog opens: the dialog opens without a fit, and the range check applies once
  // the user fits, applies or presses OK.
  virtual bool InputsInRange() const { return true; }

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;

  // The grid from the model: headings, the model's points, the number of tests.
  void SetupGrid();
  // The grid resized to the number of tests; new rows are empty and numbered.
  void SetTestCount(int tests);
  // The text of the data rows.
  std::vector<FitRowText> GridRows();
  // Reads the dialog and the grid, fits and shows; returns the number of inverted rows, or -1
  // when a field could not be read (its message has been shown; nothing was fitted).
  int Recompute();
  // Recompute, and an empty chart while the data are bad.
  void ResetChartData();
  void PlotChart();
  void EmptyChart();
  // Apply's steps; TRUE when the model took the results.
  BOOL ApplyFit();
  // Writes a fitted value into a result field.
  void ShowValue(int id, double value);
  // Reads the dialog's fields into the session; FALSE (message shown) when one is bad.
  BOOL ReadDialog();
  // Shows a message of the dialog (through the framework's message box).
  void ShowMessage(const CString& text);
  // The number of tests into its edit and the spin.
  void ShowTestCount();

  afx_msg void OnDeltaPosTestCount(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnGridEndEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnSelChangeFitMethod();
  afx_msg void OnPlotMogiLine();
  afx_msg void OnCopy();
  afx_msg void OnPaste();
  afx_msg void OnImport();
  afx_msg void OnApply();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

  CKelStrengthDoc* m_pDoc;
  CCJFlatComboBox m_methodCombo;
  CFlatButton m_copyButton;
  CFlatButton m_pasteButton;
  CGridCtrl m_grid;
  CChart2D m_chart;
  std::unique_ptr<qxchart::ChartData> m_chartData;
  int m_nTests = 0;
  int m_nMethod = 0;
  BOOL m_bMogi = FALSE;
  bool m_bInitialised = false;
};

// The Import... chooser: the file dialog with the kinds of test data; the kind of the file the
// user chose (ImportKind) and its path, or IMPORT_NONE.
int ChooseImportFile(CWnd* parent, BOOL offerLorvane, CString* path);

typedef CFitDialogT<CTipsDialog> CTipsFitDialog;
typedef CFitDialogT<CDialog> CPlainFitDialog;
