// CPickFrictionAngleDlg: friction angles of 33 soils and rocks, in degrees.
#pragma once

#include "picktables/ListPickDlg.h"

class CPickFrictionAngleDlg : public CSearchPickDlg {
 public:
  explicit CPickFrictionAngleDlg(CWnd* pParent = NULL);

  double m_dPhi;  // degrees: preset by the caller, the pick after IDOK

  void SetRow(int index, const char* name, const char* kind, const char* klass, const char* range,
              double value, int source) {
    m_table.SetRow(index, name, kind, klass, range, value, source);
  }

 protected:
  double& Value() override { return m_dPhi; }
  std::vector<CString> ColumnTitles() const override;
  const char* ReferenceText(int source) const override;
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
};
