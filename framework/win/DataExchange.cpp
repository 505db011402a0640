// Dialog data exchange.
#include "framework/win/DataExchange.h"

#include <cmath>
#include <limits>

#include "framework/base/Exception.h"
#include "framework/base/NumberText.h"

const char* const kDdxEnterInteger = "Enter a whole number.";
const char* const kDdxEnterNumber = "Enter a number.";

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hCtl = m_pDlgWnd ? m_pDlgWnd->GetDlgItemHandle(nIDC) : NULL;
  m_hWndLastControl = hCtl;
  m_bEditLastControl = FALSE;
  return hCtl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hCtl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hCtl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl && ::IsWindow(m_hWndLastControl)) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

void CDataExchange::Rollback() {
  for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it) (*it)();
  m_undo.clear();
}

namespace {

CString WindowText(HWND hWnd) {
  CString text;
  if (!hWnd) return text;
  // One message for the usual short text: each costs a round trip for a subclassed control
  // on some platforms.
  char shortText[256];
  const int shortLength = ::GetWindowTextA(hWnd, shortText, sizeof shortText);
  if (shortLength >= 0 && shortLength < static_cast<int>(sizeof shortText) - 1)
    return CString(shortText, shortLength);
  int n = ::GetWindowTextLengthA(hWnd);
  char* buffer = text.GetBuffer(n + 1);
  int got = ::GetWindowTextA(hWnd, buffer, n + 1);
  text.ReleaseBuffer(got < 0 ? 0 : got);
  return text;
}

[[noreturn]] void FailWith(CDataExchange* pDX, const char* message) {
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  pDX->Fail();
}

// Reads a whole number within [lo, hi] from the edit, or fails with a message.
long long ReadInteger(CDataExchange* pDX, HWND hCtl, long long lo, long long hi) {
  long value = 0;
  CString text = WindowText(hCtl);
  if (ParseInt(text, value) != NumberParse::Ok || value < lo || value > hi)
    FailWith(pDX, kDdxEnterInteger);
  return value;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi,
                     bool isSigned) {
  HWND hCtl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    T read = static_cast<T>(ReadInteger(pDX, hCtl, lo, hi));
    pDX->Keep(value);
    value = read;
  } else {
    char buffer[32];
    if (isSigned)
      wsprintfA(buffer, "%ld", static_cast<long>(value));
    else
      wsprintfA(buffer, "%lu", static_cast<unsigned long>(value));
    ::SetWindowTextA(hCtl, buffer);
  }
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hCtl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CString read = WindowText(hCtl);
    pDX->Keep(value);
    value = read;
  } else {
    ::SetWindowTextA(hCtl, value);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  ExchangeInteger(pDX, nIDC, value, std::numeric_limits<int>::min(),
                  std::numeric_limits<int>::max(), true);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  ExchangeInteger(pDX, nIDC, value, 0, std::numeric_limits<int>::max(), false);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
  ExchangeInteger(pDX, nIDC, value, std::numeric_limits<int>::min(),
                  std::numeric_limits<int>::max(), true);
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
  ExchangeInteger(pDX, nIDC, value, 0, std::numeric_limits<int>::max(), false);
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
  ExchangeInteger(pDX, nIDC, value, std::numeric_limits<short>::min(),
                  std::numeric_limits<short>::max(), true);
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
  ExchangeInteger(pDX, nIDC, value, 0, 255, false);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND hCtl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    double read = 0.0;
    if (ParseDouble(WindowText(hCtl), read) != NumberParse::Ok) FailWith(pDX, kDdxEnterNumber);
    pDX->Keep(value);
    value = read;
  } else {
    ::SetWindowTextA(hCtl, FormatNumber("%.15g", value));
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
  HWND hCtl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    double read = 0.0;
    if (ParseDouble(WindowText(hCtl), read) != NumberParse::Ok ||
        std::fabs(read) > std::numeric_limits<float>::max())
      FailWith(pDX, kDdxEnterNumber);
    pDX->Keep(value);
    value = static_cast<float>(read);
  } else {
    ::SetWindowTextA(hCtl, FormatNumber("%.7g", value));
  }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    pDX->Keep(value);
    value = static_cast<int>(::SendMessageA(hCtl, BM_GETCHECK, 0, 0));
  } else {
    ::SendMessageA(hCtl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& index) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (!hCtl) return;
  int read = -1;
  int i = 0;
  // The group runs from nIDC to the next control with WS_GROUP.
  for (HWND h = hCtl; h; h = ::GetWindow(h, GW_HWNDNEXT), ++i) {
    if (h != hCtl && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_GROUP)) break;
    if (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED) read = i;
      } else {
        ::SendMessageA(h, BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
      }
    }
  }
  if (pDX->m_bSaveAndValidate) {
    pDX->Keep(index);
    index = read;
  }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    pDX->Keep(index);
    index = static_cast<int>(::SendMessageA(hCtl, CB_GETCURSEL, 0, 0));
  } else {
    ::SendMessageA(hCtl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CString read;
    int sel = static_cast<int>(::SendMessageA(hCtl, CB_GETCURSEL, 0, 0));
    if ((::GetWindowLongPtrA(hCtl, GWL_STYLE) & 3) == CBS_DROPDOWNLIST && sel >= 0) {
      int n = static_cast<int>(::SendMessageA(hCtl, CB_GETLBTEXTLEN, sel, 0));
      char* buffer = read.GetBuffer(n + 1);
      ::SendMessageA(hCtl, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(buffer));
      read.ReleaseBuffer();
    } else {
      read = WindowText(hCtl);
    }
    pDX->Keep(value);
    value = read;
  } else {
    if (::SendMessageA(hCtl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR)
      ::SetWindowTextA(hCtl, value);
  }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
  if (pDX->m_bSaveAndValidate) {
    DDX_CBString(pDX, nIDC, value);
    return;
  }
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  LRESULT i = ::SendMessageA(hCtl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(value.GetString()));
  if (i == CB_ERR)
    ::SetWindowTextA(hCtl, value);
  else
    ::SendMessageA(hCtl, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    pDX->Keep(index);
    index = static_cast<int>(::SendMessageA(hCtl, LB_GETCURSEL, 0, 0));
  } else {
    ::SendMessageA(hCtl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    CString read;
    int sel = static_cast<int>(::SendMessageA(hCtl, LB_GETCURSEL, 0, 0));
    if (sel >= 0) {
      int n = static_cast<int>(::SendMessageA(hCtl, LB_GETTEXTLEN, sel, 0));
      char* buffer = read.GetBuffer(n + 1);
      ::SendMessageA(hCtl, LB_GETTEXT, sel, reinterpret_cast<LPARAM>(buffer));
      read.ReleaseBuffer();
    }
    pDX->Keep(value);
    value = read;
  } else {
    ::SendMessageA(hCtl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(value.GetString()));
  }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd) return;
  HWND hCtl = pDX->PrepareCtrl(nIDC);
  if (!hCtl || !rControl.SubclassWindow(hCtl)) {
    AfxThrowNotSupportedException();
  }
}

namespace {

template <class T>
void CheckRange(CDataExchange* pDX, T value, T lo, T hi, bool integer) {
  if (!pDX->m_bSaveAndValidate) return;
  if (!(value >= lo && value <= hi)) {
    CString text;
    if (integer)
      text.Format("Enter a whole number from %lld to %lld.", static_cast<long long>(lo),
                  static_cast<long long>(hi));
    else
      text.Format("Enter a number from %s to %s.",
                  FormatNumber("%g", static_cast<double>(lo)).GetString(),
                  FormatNumber("%g", static_cast<double>(hi)).GetString());
    FailWith(pDX, text);
  }
}

}  // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  CheckRange(pDX, value, minVal, maxVal, true);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  CheckRange(pDX, value, minVal, maxVal, true);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
  CheckRange(pDX, value, minVal, maxVal, true);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
  CheckRange(pDX, value, minVal, maxVal, true);
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
  CheckRange(pDX, value, minVal, maxVal, true);
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
  CheckRange(pDX, value, minVal, maxVal, false);
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
  CheckRange(pDX, value, minVal, maxVal, false);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bSaveAndValidate) {
    if (value.GetLength() > nChars) {
      CString text;
      text.Format("Enter no more than %d characters.", nChars);
      FailWith(pDX, text);
    }
  } else if (pDX->m_hWndLastControl && pDX->m_bEditLastControl) {
    ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
}
