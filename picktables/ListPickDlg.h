// CListPickDlg: the dialogs that pick a value from a list of table rows (cohesion, friction
// angle, residual friction angle). The list shows the whole table or the rows of the last
// filter; choosing a row takes its value and shows its reference; Cancel puts the value the
// dialog opened with back.
#pragma once

#include <vector>

#include "controls/RealSpinCtrl.h"
#include "framework/win/AfxWin.h"
#include "picktables/PickTable.h"

class CListPickDlg : public CDialog {
 public:
  CListPickDlg(UINT nIDTemplate, int listId, int rowCount, CWnd* pParent);

  const CPickTable& GetTable() const { return m_table; }
  CListCtrl& GetList() { return m_list; }

 protected:
  // The value the dialog returns (a member of the derived dialog).
  virtual double& Value() = 0;
  // The list's column titles; the spare width of the list goes to the first column.
  virtual std::vector<CString> ColumnTitles() const = 0;
  // Whether the list shows the filter's matches, and the filter that fills the match list.
  virtual bool IsFiltered() const = 0;
  virtual void RunFilter() = 0;
  // The texts of a row's columns.
  virtual std::vector<CString> RowTexts(const PickTableRow& row) const;
  // A row was chosen or unchosen in the list.
  virtual void ShowReference() = 0;

  // Inserts the columns, each as wide as its title plus a small icon, and full-row selection.
  void SetColumns();
  // Fills the list from the table (the matches when filtered), with notifications muted.
  void ApplyFilter();
  // The table row of the list's selection, -1 without one.
  int SelectedRow() const;

  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void OnCancel() override;

  CListCtrl m_list;
  CPickTable m_table;
  int m_nListId;
  int m_nBusy;  // above 0 while the dialog changes the list or its fields itself
  double m_dSaved;

  // Raises the busy count for a scope.
  class CBusy {
   public:
    explicit CBusy(int& count) : m_count(count) { ++m_count; }
    ~CBusy() { --m_count; }
    CBusy(const CBusy&) = delete;
    CBusy& operator=(const CBusy&) = delete;

   private:
    int& m_count;
  };
};

// The cohesion and friction angle dialogs: a text search over names and classes, and an
// invisible default OK so that Enter searches while the visible OK closes the dialog.
class CSearchPickDlg : public CListPickDlg {
 public:
  CSearchPickDlg(UINT nIDTemplate, int listId, int valueEditId, int rowCount, CWnd* pParent);

  int m_bSearch;       // the "Search" check
  CString m_strSearch;  // its text

 protected:
  virtual const char* ReferenceText(int source) const = 0;
  // Called after the reference is shown (the cohesion dialog writes its unit label).
  virtual void AfterReference() {}

  bool IsFiltered() const override { return m_bSearch != 0; }
  void RunFilter() override;
  void ShowReference() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;  // Enter: search

  // Reads every field; a refused value keeps its message, but the search check and text
  // (which cannot be refused) are taken all the same.
  void ReadFields();
  void EnableSearchControls();
  // The list after opening: filled with the fields written into the controls.
  void RefreshList();

  afx_msg void OnFilterCheck();
  afx_msg void OnSearchGo();
  afx_msg void OnVisibleOk();
  DECLARE_MESSAGE_MAP()

 protected:
  CRealSpinCtrl m_spin;
  int m_nValueEditId;
};
