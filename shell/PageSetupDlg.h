// The Page Setup dialog: margin auto-formats (built in and the user's), four margins with spin
// buttons, orientation, unit, the paper read from the printer and Printer Setup. Every change
// goes at once to the main window (WM_PAGESETUP_CHANGED); Cancel sends the opening record back.
// Printing uses a dialog object that is never shown for GetPrintableArea and ClampMargins.
#pragma once

#include <functional>
#include <memory>

#include "controls/FlatComboBox.h"
#include "controls/RealSpinCtrl.h"
#include "framework/win/Dialog.h"
#include "shell/MainFrame.h"
#include "shell/PageSetupLogic.h"

// The name of a new user auto-format; OK only with a name the check accepts.
class CAutoFormatNameDlg : public CDialog {
 public:
  explicit CAutoFormatNameDlg(CWnd* parent = nullptr);
  // Says why a name cannot be used ("" when it can).
  std::function<CString(const char*)> m_check;
  CString m_strName;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
};

class CPageSetupDlg : public CDialog, public IPageSetupSource {
 public:
  explicit CPageSetupDlg(CWnd* parent = nullptr);
  ~CPageSetupDlg() override;

  // The printer's paper and unprintable offsets into the record; FALSE without a printer.
  BOOL GetPrintableArea(PageSetupRecord& record);
  // Margins inside the printable area (the first call of the process sets the record up from
  // the printer).
  void ClampMargins(PageSetupRecord& record);
  BOOL SetPrinterOrientation(BOOL landscape);
  void ApplyAutoFormat(PageSetupRecord& record, int index, BOOL setPrinter);
  // The controls read into the working record, the record set up from the printer (or its
  // auto-format), and the record sent to the main window.
  void Apply();

  const PageSetupRecord& GetWorkingRecord() const override { return m_record; }

  // Other printers and stores (tests); the dialog keeps using them, not owning them.
  void UseServices(IPageSetupPrinter* printer, IMarginAutoFormats* formats);

  PageSetupRecord m_record;   // the working record, always in inches
  PageSetupRecord m_opening;  // as it was when the dialog opened
  int m_nOrientation = -1;    // the orientation radios: 0 portrait, 1 landscape

  // The timer that applies typed margins once the keys rest.
  static const UINT_PTR kTypingTimer = 1;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  void FillAutoFormats();
  void UpdateControls();
  void ReadControls();
  void SendChanged();
  void MarginApplied();
  void EnableDeleteForSelection();
  void OnMarginChanged(int editId);

  afx_msg void OnTopChanged();
  afx_msg void OnBottomChanged();
  afx_msg void OnLeftChanged();
  afx_msg void OnRightChanged();
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnDestroy();
  afx_msg void OnOrientation();
  afx_msg void OnAutoFormatChosen();
  afx_msg void OnInches();
  afx_msg void OnCentimeters();
  afx_msg void OnSaveAutoFormat();
  afx_msg void OnDeleteAutoFormat();
  afx_msg void OnPrinterSetup();

  // Reactions are off while the dialog writes its own controls.
  BOOL m_bBusy = FALSE;
  struct BusyGuard {
    explicit BusyGuard(BOOL& flag) : flag(flag), was(flag) { flag = TRUE; }
    ~BusyGuard() { flag = was; }
    BOOL& flag;
    BOOL was;
  };

  CFlatComboBox m_combo;
  CRealSpinCtrl m_spinTop, m_spinBottom, m_spinLeft, m_spinRight;
  HICON m_hPortrait = NULL;
  HICON m_hLandscape = NULL;
  // The margin texts the dialog wrote last: a margin whose text is unchanged keeps its exact
  // value, so switching units back and forth changes nothing.
  CString m_written[4];

  std::unique_ptr<IPageSetupPrinter> m_ownPrinter;
  std::unique_ptr<IMarginAutoFormats> m_ownFormats;
  IPageSetupPrinter* m_printer;
  IMarginAutoFormats* m_formats;
  std::unique_ptr<CPageSetupLogic> m_logic;

  DECLARE_MESSAGE_MAP()
};
