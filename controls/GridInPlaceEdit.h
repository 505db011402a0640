// CGridInPlaceEdit: the edit box the grid opens over a cell. It takes the keys itself (also in
// dialogs), ends on focus loss, reports its text and the key that ended it to the grid with
// GRIDN_ENDEDIT, closes and deletes itself.
#pragma once

#include "framework/win/AfxWin.h"

class CGridInPlaceEdit : public CEdit {
  DECLARE_DYNAMIC(CGridInPlaceEdit)
 public:
  // Opens an editor over rect in pParent (the grid) with the cell's text, taking the focus.
  // nFirstChar says how editing starts: 1 or Enter puts the caret at the end; Backspace deletes
  // the last character; Space and the navigation keys 33-40 select the whole text; a Tab
  // selects it too; any other character replaces the text. NULL when no editor could be made.
  static CGridInPlaceEdit* Open(CWnd* pParent, const RECT& rect, DWORD dwStyle, UINT nID,
                                int nRow, int nCol, const CString& text, UINT nFirstChar);

  // Reports the text to the owner once and closes the editor.
  void EndEdit();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  int GetRow() const { return m_nRow; }
  int GetCol() const { return m_nCol; }

 protected:
  CGridInPlaceEdit(int nRow, int nCol, const CString& text);
  void PostNcDestroy() override;

  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg UINT OnGetDlgCode();
  DECLARE_MESSAGE_MAP()

 private:
  // Hands the focus back to the grid, which ends the edit.
  void Leave(UINT nKey);
  // Widens the editor to fit its text, up to the grid's right edge.
  void FitToText();

  int m_nRow;
  int m_nCol;
  CString m_strInitText;
  UINT m_nLastChar;
  BOOL m_bExitOnFocusLoss;
  BOOL m_bEnded;        // the text has been reported
  BOOL m_bAutoDelete;   // set once the window exists; PostNcDestroy deletes then
};
