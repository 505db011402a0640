// Dialog data exchange: DDX_ functions move values between controls and members, DDV_
// functions check them. Saving is all or nothing: every member a DDX_ function changes is
// remembered, and when a later check fails UpdateData puts all of them back. A failing
// function shows its message, gives the control the focus (selecting an edit's text) and
// throws the user exception through Fail.
#pragma once

#include <functional>
#include <vector>

#include "framework/base/CString.h"
#include "framework/win/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members (and checks)
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl;   // the control the next Fail points at
  BOOL m_bEditLastControl;  // it is an edit: Fail selects its text

  HWND PrepareCtrl(int nIDC);      // the control's handle; remembered for Fail
  HWND PrepareEditCtrl(int nIDC);  // the same, for an edit
  // Focuses the last prepared control (selecting an edit's text), then throws
  // CUserException. The caller has shown its message already.
  [[noreturn]] void Fail();

  // Remembers a member's value before a DDX_ function changes it while saving.
  template <class T>
  void Keep(T& member) {
    if (m_bSaveAndValidate) {
      T old = member;
      m_undo.push_back([&member, old]() { member = old; });
    }
  }
  // Puts back every remembered member, newest first.
  void Rollback();

 private:
  std::vector<std::function<void()>> m_undo;
};

// Text of edits and other windows. Numbers go through the program's number parser: blanks
// around the number are allowed, anything else after it is refused.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);

void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value is the index of the checked button in the group starting at nIDC, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// Subclasses the control into rControl on the first exchange.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The messages the DDX_/DDV_ functions show (kept here so tests can compare).
extern const char* const kDdxEnterInteger;  // "Enter a whole number."
extern const char* const kDdxEnterNumber;   // "Enter a number."
