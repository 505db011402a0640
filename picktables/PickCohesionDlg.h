// CPickCohesionDlg: cohesion of 28 soils and rocks in the document's unit system.
#pragma once

#include "picktables/ListPickDlg.h"

class CPickCohesionDlg : public CSearchPickDlg {
 public:
  explicit CPickCohesionDlg(CWnd* pParent = NULL);

  double m_dCohesion;  // preset by the caller, the pick after IDOK
  int m_nUnits;        // the document's unit system (UnitsType)

  void SetRow(int index, const char* name, const char* kind, const char* klass, const char* range,
              double value, int source) {
    m_table.SetRow(index, name, kind, klass, range, value, source);
  }

 protected:
  double& Value() override { return m_dCohesion; }
  std::vector<CString> ColumnTitles() const override;
  const char* ReferenceText(int source) const override;
  void AfterReference() override { ShowUnit(); }
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void ShowUnit();
};
