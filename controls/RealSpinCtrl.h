// CRealSpinCtrl: an up-down control stepping a real number in its buddy edit, and the
// functions dialogs use to exchange real numbers with edits.
#pragma once

#include "framework/win/AfxWin.h"

class CRealSpinCtrl : public CSpinButtonCtrl {
 public:
  CRealSpinCtrl();

  // Stores the range and step; for a usable step the control's range becomes
  // 0 .. |(max - min) / step| (at most 32767) and its position follows the buddy's value.
  void SetRangeAndDelta(double min, double max, double step);
  // Writes the value into the buddy (not clamped) and moves the position to it.
  void SetPos(double value);
  // The buddy's number (its leading number; 0.0 without a buddy or a number).
  double GetPos() const;
  void SetDecimals(int decimals) { m_nDecimals = decimals; }
  int GetDecimals() const { return m_nDecimals; }
  void SetFormatString(LPCSTR format) { m_strFormat = format ? format : ""; }
  void UpdateBuddyText(double value);
  CString FormatValue(double value) const;
  void SetSpinPosition(double value);
  void InitSpin();
  int GetPositions() const { return m_nPositions; }
  double GetMin() const { return m_dMin; }
  double GetMax() const { return m_dMax; }
  double GetStep() const { return m_dStep; }

 protected:
  void PreSubclassWindow() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg BOOL OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);

  double m_dMin;
  double m_dMax;
  double m_dStep;
  int m_nPositions;
  int m_nDecimals;
  CString m_strFormat;
  BOOL m_bTrimZeros;

  DECLARE_MESSAGE_MAP()
};

// Writes the value with 15 significant digits.
BOOL WriteDoubleToEdit(CWnd* pEdit, double value);
// The same, keeping the caret and selection when the edit has the focus.
BOOL WriteDoubleKeepCaret(CWnd* pEdit, double value);
// Reads a real number from a dialog item; on refusal throws the user exception without a
// message, and value is left as it was.
void ReadDoubleFromEdit(CDataExchange* pDX, int nIDC, double& value);
