// CPickMiDlg: the Hoek-Brown constant mi by rock type, filtered by rock class and texture.
#pragma once

#include "controls/TipsDialog.h"
#include "picktables/MiTable.h"

class CPickMiDlg : public CTipsDialog {
 public:
  explicit CPickMiDlg(CWnd* pParent = NULL);

  int m_nMi;  // preset by the caller, the edit's whole number after IDOK

  const CMiTable& GetTable() const { return m_table; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void FillList();
  void EnableFilterControls();
  afx_msg void OnFilterGroupCheck();
  afx_msg void OnFilterChange();
  afx_msg void OnSelChangeList();
  DECLARE_MESSAGE_MAP()

 protected:
  CEdit m_edit;
  CListBox m_list;
  int m_bClassFilter;
  int m_bTextureFilter;
  int m_nTexture;  // radio index: coarse, medium, fine, very fine
  int m_nClass;    // radio index: sedimentary, igneous, metamorphic
  CString m_classWords[3];
  CString m_textureWords[4];
  CMiTable m_table;
};
