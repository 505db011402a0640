#include "picktables/PickMiDlg.h"

#include "framework/win/FrameworkIds.h"
#include "picktables/GsiChartSheet.h"
#include "res/PickTableResources.h"

BEGIN_MESSAGE_MAP(CPickMiDlg, CTipsDialog)
ON_BN_CLICKED(IDC_MI_CLASS_CHECK, &CPickMiDlg::OnFilterGroupCheck)
ON_BN_CLICKED(IDC_MI_TEXTURE_CHECK, &CPickMiDlg::OnFilterGroupCheck)
ON_BN_CLICKED(IDC_MI_SEDIMENTARY, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_IGNEOUS, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_METAMORPHIC, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_COARSE, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_MEDIUM, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_FINE, &CPickMiDlg::OnFilterChange)
ON_BN_CLICKED(IDC_MI_VERY_FINE, &CPickMiDlg::OnFilterChange)
ON_LBN_SELCHANGE(IDC_MI_LIST, &CPickMiDlg::OnSelChangeList)
END_MESSAGE_MAP()

CPickMiDlg::CPickMiDlg(CWnd* pParent)
    : CTipsDialog(IDD_PICK_MI, pParent),
      m_nMi(0),
      m_bClassFilter(0),
      m_bTextureFilter(0),
      m_nTexture(0),
      m_nClass(0) {
  const CString classes = AfxLoadString(IDS_MI_CLASS_WORDS);
  const CString textures = AfxLoadString(IDS_MI_TEXTURE_WORDS);
  for (int i = 0; i < 3; ++i) m_classWords[i] = ExtractWord(classes, i);
  for (int i = 0; i < 4; ++i) m_textureWords[i] = ExtractWord(textures, i);
}

void CPickMiDlg::DoDataExchange(CDataExchange* pDX) {
  CTipsDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MI_VALUE, m_edit);
  DDX_Control(pDX, IDC_MI_LIST, m_list);
  DDX_Check(pDX, IDC_MI_CLASS_CHECK, m_bClassFilter);
  DDX_Check(pDX, IDC_MI_TEXTURE_CHECK, m_bTextureFilter);
  DDX_Radio(pDX, IDC_MI_COARSE, m_nTexture);
  DDX_Radio(pDX, IDC_MI_SEDIMENTARY, m_nClass);
}

BOOL CPickMiDlg::OnInitDialog() {
  CTipsDialog::OnInitDialog();
  CString text;
  text.Format("%d", m_nMi);
  m_edit.SetWindowText(text);
  EnableFilterControls();
  FillList();
  return TRUE;
}

void CPickMiDlg::EnableFilterControls() {
  for (int id : {IDC_MI_SEDIMENTARY, IDC_MI_IGNEOUS, IDC_MI_METAMORPHIC})
    GetDlgItem(id)->EnableWindow(m_bClassFilter != 0);
  for (int id : {IDC_MI_COARSE, IDC_MI_MEDIUM, IDC_MI_FINE, IDC_MI_VERY_FINE})
    GetDlgItem(id)->EnableWindow(m_bTextureFilter != 0);
}

void CPickMiDlg::FillList() {
  m_list.ResetContent();
  const bool classOn = m_bClassFilter && m_nClass >= 0 && m_nClass < 3;
  const bool textureOn = m_bTextureFilter && m_nTexture >= 0 && m_nTexture < 4;
  m_table.SetFilter(classOn ? m_classWords[m_nClass] : CString(),
                    textureOn ? m_textureWords[m_nTexture] : CString());
  for (int i = 0; i < m_table.GetCount(); ++i) {
    int mi = 0, spread = 0;
    CString name;
    m_table.GetRow(i, &mi, &spread, &name);
    m_list.AddString(FormatMiLine(name, mi, spread));
  }
}

void CPickMiDlg::OnFilterGroupCheck() {
  UpdateData(TRUE);
  EnableFilterControls();
  FillList();
}

void CPickMiDlg::OnFilterChange() {
  UpdateData(TRUE);
  FillList();
}

void CPickMiDlg::OnSelChangeList() {
  int mi = 0;
  if (!m_table.GetRow(m_list.GetCurSel(), &mi, nullptr, nullptr)) return;
  CString text;
  text.Format("%d", mi);
  m_edit.SetWindowText(text);
}

void CPickMiDlg::OnOK() {
  CString text;
  m_edit.GetWindowText(text);
  m_nMi = LeadingInteger(text);
  CTipsDialog::OnOK();
}
