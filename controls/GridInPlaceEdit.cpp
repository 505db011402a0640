#include "controls/GridInPlaceEdit.h"

#include <algorithm>

#include "controls/GridCell.h"

IMPLEMENT_DYNAMIC(CGridInPlaceEdit, CEdit)

BEGIN_MESSAGE_MAP(CGridInPlaceEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CGridInPlaceEdit::CGridInPlaceEdit(int nRow, int nCol, const CString& text)
    : m_nRow(nRow),
      m_nCol(nCol),
      m_strInitText(text),
      m_nLastChar(0),
      m_bExitOnFocusLoss(TRUE),
      m_bEnded(FALSE),
      m_bAutoDelete(FALSE) {}

CGridInPlaceEdit* CGridInPlaceEdit::Open(CWnd* pParent, const RECT& rect, DWORD dwStyle,
                                         UINT nID, int nRow, int nCol, const CString& text,
                                         UINT nFirstChar) {
  CGridInPlaceEdit* pEdit = new CGridInPlaceEdit(nRow, nCol, text);
  DWORD style = dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
  if (!pEdit->Create(style, rect, pParent, nID)) {
    delete pEdit;
    return NULL;
  }
  pEdit->m_bAutoDelete = TRUE;  // from now on the window's end deletes the object
  pEdit->SendMessage(WM_SETFONT, pParent->SendMessage(WM_GETFONT), FALSE);
  pEdit->SetWindowText(text);
  pEdit->SetFocus();

  const int end = text.GetLength();
  switch (nFirstChar) {
    case 1:
    case VK_RETURN:
      pEdit->SetSel(end, end);
      break;
    case VK_BACK:
      pEdit->SetSel(end, end);
      pEdit->SendMessage(WM_CHAR, VK_BACK, 0);
      break;
    case VK_SPACE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      pEdit->SetSel(0, -1);
      break;
    default:
      // The character replaces the text (a Tab is not typed, so the text stays selected).
      pEdit->SetSel(0, -1);
      pEdit->SendMessage(WM_CHAR, nFirstChar, 0);
      break;
  }
  return pEdit;
}

void CGridInPlaceEdit::PostNcDestroy() {
  if (m_bAutoDelete) delete this;
}

BOOL CGridInPlaceEdit::PreTranslateMessage(MSG* pMsg) {
  // Keys come straight here, so that a dialog around the grid never takes Tab, Enter or Esc.
  if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) {
    ::TranslateMessage(pMsg);
    ::DispatchMessageA(pMsg);
    return TRUE;
  }
  if (pMsg->message == WM_SYSCHAR) return TRUE;
  return CEdit::PreTranslateMessage(pMsg);
}

UINT CGridInPlaceEdit::OnGetDlgCode() {
  return DLGC_WANTALLKEYS;
}

void CGridInPlaceEdit::Leave(UINT nKey) {
  m_nLastChar = nKey;
  if (CWnd* pGrid = GetParent()) pGrid->SetFocus();  // ends the edit
}

void CGridInPlaceEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  switch (nChar) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
      Leave(nChar);
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (::GetKeyState(VK_SHIFT) >= 0) {
        int length = GetWindowTextLength();
        int start = 0, stop = 0;
        GetSel(start, stop);
        bool atEdge = start == stop && (nChar == VK_LEFT ? start == 0 : start >= length);
        if (length == 0 || atEdge) {
          Leave(nChar);
          return;
        }
      }
      break;
    case VK_ESCAPE:
      SetWindowText(m_strInitText);
      Leave(nChar);
      return;
    case VK_TAB:
    case VK_RETURN: {
      CWnd* pGrid = GetParent();
      LPARAM lParam = GetCurrentMessage()->lParam;
      Leave(nChar);
      // The grid moves on as its own key table says.
      if (pGrid && ::IsWindow(pGrid->m_hWnd)) {
        pGrid->SendMessage(WM_KEYDOWN, nChar, lParam);
        pGrid->PostMessage(WM_KEYUP, nChar, lParam);
      }
      return;
    }
    default:
      break;
  }
  Default();
}

void CGridInPlaceEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  if (nChar == VK_TAB || nChar == VK_RETURN) return;
  Default();
  FitToText();
}

void CGridInPlaceEdit::FitToText() {
  CWnd* pGrid = GetParent();
  if (!pGrid) return;
  CString text = GetWindowText();
  HDC hDC = ::GetDC(m_hWnd);
  if (!hDC) return;
  HGDIOBJ old = ::SelectObject(hDC, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &size);
  ::SelectObject(hDC, old);
  ::ReleaseDC(m_hWnd, hDC);

  CRect rect;
  GetWindowRect(&rect);
  pGrid->ScreenToClient(&rect);
  int needed = size.cx + 5;
  if (needed <= rect.Width()) return;
  CRect gridClient;
  ::GetClientRect(pGrid->m_hWnd, &gridClient);
  int right = std::min<int>(rect.left + needed, gridClient.right);
  if (right <= rect.right) return;
  rect.right = right;
  MoveWindow(&rect);
}

void CGridInPlaceEdit::OnKillFocus(CWnd* /*pNewWnd*/) {
  Default();
  if (::IsWindow(m_hWnd) && m_bExitOnFocusLoss) EndEdit();
}

void CGridInPlaceEdit::EndEdit() {
  if (m_bEnded || !::IsWindow(m_hWnd)) return;
  m_bEnded = TRUE;
  GRIDDISPINFO info;
  info.hdr.hwndFrom = m_hWnd;
  info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  info.hdr.code = static_cast<UINT>(GRIDN_ENDEDIT);
  info.item.mask = GRIDIF_TEXT | GRIDIF_PARAM;
  info.item.row = m_nRow;
  info.item.col = m_nCol;
  info.item.text = GetWindowText();
  info.item.lParam = static_cast<LPARAM>(m_nLastChar);
  if (CWnd* pOwner = GetOwner())
    pOwner->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
  if (::IsWindow(m_hWnd)) PostMessage(WM_CLOSE);
}
