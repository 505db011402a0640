// CRealSpinCtrl and the real-number edit functions.
#include "controls/RealSpinCtrl.h"

#include <cstdlib>

#include "controls/RealSpinCtrlLogic.h"
#include "framework/base/NumberText.h"

BEGIN_MESSAGE_MAP(CRealSpinCtrl, CSpinButtonCtrl)
ON_WM_CREATE()
ON_NOTIFY_REFLECT_EX(UDN_DELTAPOS, &CRealSpinCtrl::OnDeltaPos)
END_MESSAGE_MAP()

CRealSpinCtrl::CRealSpinCtrl()
    : m_dMin(0.0),
      m_dMax(100.0),
      m_dStep(1.0),
      m_nPositions(100),
      m_nDecimals(-1),
      m_bTrimZeros(TRUE) {
  SetDecimals(-1);
  SetFormatString(NULL);
}

void CRealSpinCtrl::SetRangeAndDelta(double min, double max, double step) {
  m_dMin = min;
  m_dMax = max;
  m_dStep = step;
  int positions = realspin::Positions(min, max, step);
  if (positions < 0) return;
  m_nPositions = positions;
  if (m_hWnd) {
    SendMessage(UDM_SETRANGE32, 0, m_nPositions);
    SetSpinPosition(GetPos());
  }
}

void CRealSpinCtrl::SetPos(double value) {
  UpdateBuddyText(value);
  SetSpinPosition(value);
}

double CRealSpinCtrl::GetPos() const {
  if (!m_hWnd) return 0.0;
  HWND hBuddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
  if (!hBuddy) return 0.0;
  char text[256] = "";
  ::GetWindowTextA(hBuddy, text, sizeof(text));
  // The leading number, as typed; anything unreadable is 0.
  double value = 0.0;
  const char* end = nullptr;
  if (ParseDouble(text, value, &end) != NumberParse::Ok) return 0.0;
  return value;
}

CString CRealSpinCtrl::FormatValue(double value) const {
  return realspin::FormatValue(value, m_nDecimals, CString());
}

void CRealSpinCtrl::UpdateBuddyText(double value) {
  if (!m_hWnd) return;
  HWND hBuddy = reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
  if (!hBuddy) return;
  CString text =
      m_strFormat.IsEmpty() ? FormatValue(value) : realspin::FormatValue(value, -1, m_strFormat);
  ::SetWindowTextA(hBuddy, text);
}

void CRealSpinCtrl::SetSpinPosition(double value) {
  int position = realspin::PositionOf(value, m_dMin, m_dMax, m_nPositions);
  if (position < 0 || !m_hWnd) return;
  SendMessage(UDM_SETPOS, 0, MAKELPARAM(position & 0xFFFF, 0));
}

void CRealSpinCtrl::InitSpin() {
  ModifyStyle(UDS_SETBUDDYINT, UDS_ARROWKEYS);
  SetRangeAndDelta(m_dMin, m_dMax, m_dStep);
}

void CRealSpinCtrl::PreSubclassWindow() {
  CSpinButtonCtrl::PreSubclassWindow();
  InitSpin();
}

int CRealSpinCtrl::OnCreate(LPCREATESTRUCT lpcs) {
  if (CSpinButtonCtrl::OnCreate(lpcs) == -1) return -1;
  InitSpin();
  return 0;
}

BOOL CRealSpinCtrl::OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* updown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
  double value = realspin::Step(GetPos(), updown->iDelta, m_dStep, m_dMin, m_dMax);
  UpdateBuddyText(value);
  *pResult = 0;
  return FALSE;  // the parent hears the notification as well
}

BOOL WriteDoubleToEdit(CWnd* pEdit, double value) {
  if (!pEdit || !pEdit->m_hWnd) return FALSE;
  ::SetWindowTextA(pEdit->m_hWnd, FormatNumber("%.15g", value));
  return TRUE;
}

BOOL WriteDoubleKeepCaret(CWnd* pEdit, double value) {
  if (!pEdit || !pEdit->m_hWnd) return FALSE;
  if (::GetFocus() != pEdit->m_hWnd) return WriteDoubleToEdit(pEdit, value);
  DWORD start = 0, end = 0;
  ::SendMessageA(pEdit->m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  WriteDoubleToEdit(pEdit, value);
  ::SendMessageA(pEdit->m_hWnd, EM_SETSEL, start, end);
  ::SendMessageA(pEdit->m_hWnd, EM_SCROLLCARET, 0, 0);
  return TRUE;
}

void ReadDoubleFromEdit(CDataExchange* pDX, int nIDC, double& value) {
  if (!pDX || !pDX->m_pDlgWnd) return;
  HWND hCtl = pDX->PrepareEditCtrl(nIDC);
  CString text;
  if (hCtl) {
    int n = ::GetWindowTextLengthA(hCtl);
    char* buffer = text.GetBuffer(n + 1);
    text.ReleaseBuffer(::GetWindowTextA(hCtl, buffer, n + 1));
  }
  realspin::EditNumber read = realspin::ReadEditNumber(text);
  if (read.rewritten && hCtl) {
    ::SetWindowTextA(hCtl, read.text);
    ::SetFocus(hCtl);
    ::SendMessageA(hCtl, EM_SETSEL, read.text.GetLength(), read.text.GetLength());
    ::SendMessageA(hCtl, EM_SCROLLCARET, 0, 0);
  }
  if (!read.accepted) AfxThrowUserException();
  pDX->Keep(value);
  value = read.value;
}
