#include "shell/DisplayOptionsDlg.h"

#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"

namespace {

// A combo's selection as a field: value = selection + offset; no selection keeps the field.
void ReadCombo(const CComboBox& combo, int offset, int& field) {
  const int selection = static_cast<int>(combo.GetCurSel());
  if (selection != CB_ERR) field = selection + offset;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDisplayOptionsDlg, CDialog)
ON_BN_CLICKED(IDC_DISPLAY_RESTORE, &CDisplayOptionsDlg::OnRestoreDefaults)
ON_BN_CLICKED(IDC_DISPLAY_APPLY, &CDisplayOptionsDlg::ApplySettings)
ON_BN_CLICKED(IDC_DISPLAY_FONT_BUTTON, &CDisplayOptionsDlg::OnChooseFont)
ON_BN_CLICKED(IDC_DISPLAY_PROJECT_DATA, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_GRID_OVERLAY, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_BOUNDING_BOX, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_CROP, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_SHOW_TITLE, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_SHOW_MOGI, &CDisplayOptionsDlg::OnChanged)
ON_BN_CLICKED(IDC_DISPLAY_SHOW_ICONS, &CDisplayOptionsDlg::OnChanged)
ON_CBN_SELCHANGE(IDC_DISPLAY_LINE_WIDTH, &CDisplayOptionsDlg::OnChanged)
ON_CBN_SELCHANGE(IDC_DISPLAY_DECIMALS, &CDisplayOptionsDlg::OnChanged)
ON_CBN_SELCHANGE(IDC_DISPLAY_PLOT_POINTS, &CDisplayOptionsDlg::OnChanged)
ON_CBN_SELCHANGE(IDC_DISPLAY_AXES_WIDTH, &CDisplayOptionsDlg::OnChanged)
ON_CBN_SELCHANGE(IDC_DISPLAY_JUSTIFY, &CDisplayOptionsDlg::OnChanged)
ON_MESSAGE(CPM_ACCEPT, &CDisplayOptionsDlg::OnColourAccepted)
END_MESSAGE_MAP()

CDisplayOptionsDlg::CDisplayOptionsDlg(CWnd* parent)
    : CDialog(IDD_DISPLAY_OPTIONS, parent), m_pApp(GetKelStrengthApp()) {
  const CDisplaySettings& s = m_pApp ? m_pApp->m_displaySettings : m_settings;
  m_bProjectData = s.m_bProjectData;
  m_bGridOverlay = s.m_bGridOverlay;
  m_bBoundingBox = s.m_bBoundingBox;
  m_bCropAxes = s.m_bCropAxes;
  m_bShowTitle = s.m_bShowTitle;
  m_bShowMogi = s.m_bShowMogi;
  m_bShowIcons = s.m_bShowIcons;
  const bool gray = m_pApp && m_pApp->m_bGrayscale;
  m_crHoekBrown = m_pApp ? (gray ? m_pApp->m_crHoekBrownGray : m_pApp->m_crHoekBrown) : 0x0000FF;
  m_crMohrCoulomb =
      m_pApp ? (gray ? m_pApp->m_crMohrCoulombGray : m_pApp->m_crMohrCoulomb) : 0xFF0000;
}

void CDisplayOptionsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DISPLAY_JUSTIFY, m_cboJustify);
  DDX_Control(pDX, IDC_DISPLAY_AXES_WIDTH, m_cboAxesWidth);
  DDX_Control(pDX, IDC_DISPLAY_PLOT_POINTS, m_cboPlotPoints);
  DDX_Control(pDX, IDC_DISPLAY_DECIMALS, m_cboDecimals);
  DDX_Control(pDX, IDC_DISPLAY_LINE_WIDTH, m_cboLineWidth);
  DDX_Control(pDX, IDC_DISPLAY_MC_COLOUR, m_pickerMohrCoulomb);
  DDX_Control(pDX, IDC_DISPLAY_HB_COLOUR, m_pickerHoekBrown);
  DDX_ColourPicker(pDX, IDC_DISPLAY_MC_COLOUR, m_crMohrCoulomb);
  DDX_ColourPicker(pDX, IDC_DISPLAY_HB_COLOUR, m_crHoekBrown);
  DDX_Check(pDX, IDC_DISPLAY_PROJECT_DATA, m_bProjectData);
  DDX_Check(pDX, IDC_DISPLAY_GRID_OVERLAY, m_bGridOverlay);
  DDX_Check(pDX, IDC_DISPLAY_BOUNDING_BOX, m_bBoundingBox);
  DDX_Check(pDX, IDC_DISPLAY_CROP, m_bCropAxes);
  DDX_Check(pDX, IDC_DISPLAY_SHOW_TITLE, m_bShowTitle);
  DDX_Check(pDX, IDC_DISPLAY_SHOW_MOGI, m_bShowMogi);
  DDX_Check(pDX, IDC_DISPLAY_SHOW_ICONS, m_bShowIcons);
  DDX_Text(pDX, IDC_DISPLAY_FONT_TEXT, m_strFontDescription);
}

BOOL CDisplayOptionsDlg::OnInitDialog() {
  if (m_pApp) m_settings = m_pApp->m_displaySettings;
  m_strFontDescription = FormatFontDescription(m_settings.m_lfChartFont, m_settings.m_nFontPointSize);
  CDialog::OnInitDialog();
  // The default box of each picker gives back the colour the dialog opened with.
  m_pickerHoekBrown.SetDefaultColour(m_crHoekBrown);
  m_pickerMohrCoulomb.SetDefaultColour(m_crMohrCoulomb);
  for (int width = 1; width <= 20; ++width) {
    CString text;
    text.Format("%d", width);
    m_cboLineWidth.SetItemData(m_cboLineWidth.AddString(text), width);
    m_cboAxesWidth.SetItemData(m_cboAxesWidth.AddString(text), width);
  }
  m_cboDecimals.SetItemData(m_cboDecimals.AddString("Default"), static_cast<DWORD_PTR>(-1));
  for (int places = 0; places <= 8; ++places) {
    CString text;
    text.Format("%d", places);
    m_cboDecimals.SetItemData(m_cboDecimals.AddString(text), places);
  }
  for (const char* points : {"10", "20", "50", "100", "200", "500"})
    m_cboPlotPoints.AddString(points);
  for (const char* place : {"Left", "Left-Center", "Center", "Right-Center", "Right"})
    m_cboJustify.AddString(place);
  SelectFromSettings();
  return TRUE;
}

void CDisplayOptionsDlg::SelectFromSettings() {
  m_cboLineWidth.SetCurSel(m_settings.m_nLineWidth - 1);
  m_cboAxesWidth.SetCurSel(m_settings.m_nAxesLineWidth - 1);
  m_cboDecimals.SetCurSel(m_settings.m_nDecimalPlaces + 1);
  m_cboPlotPoints.SetCurSel(m_settings.m_nPlotPointsIndex);
  m_cboJustify.SetCurSel(m_settings.m_nJustify);
  m_strFontDescription = FormatFontDescription(m_settings.m_lfChartFont, m_settings.m_nFontPointSize);
  SetDlgItemText(IDC_DISPLAY_FONT_TEXT, m_strFontDescription);
}

void CDisplayOptionsDlg::ApplySettings() {
  if (!UpdateData(TRUE)) return;
  if (m_pApp) {
    if (m_pApp->m_bGrayscale) {
      m_pApp->m_crHoekBrownGray = m_crHoekBrown;
      m_pApp->m_crMohrCoulombGray = m_crMohrCoulomb;
    } else {
      m_pApp->m_crHoekBrown = m_crHoekBrown;
      m_pApp->m_crMohrCoulomb = m_crMohrCoulomb;
    }
  }
  ReadCombo(m_cboLineWidth, 1, m_settings.m_nLineWidth);
  ReadCombo(m_cboAxesWidth, 1, m_settings.m_nAxesLineWidth);
  ReadCombo(m_cboDecimals, -1, m_settings.m_nDecimalPlaces);
  ReadCombo(m_cboPlotPoints, 0, m_settings.m_nPlotPointsIndex);
  ReadCombo(m_cboJustify, 0, m_settings.m_nJustify);
  m_settings.m_bProjectData = m_bProjectData;
  m_settings.m_bGridOverlay = m_bGridOverlay;
  m_settings.m_bBoundingBox = m_bBoundingBox;
  m_settings.m_bCropAxes = m_bCropAxes;
  m_settings.m_bShowTitle = m_bShowTitle;
  m_settings.m_bShowMogi = m_bShowMogi;
  m_settings.m_bShowIcons = m_bShowIcons;
  if (m_pApp) {
    m_pApp->m_displaySettings = m_settings;
    m_pApp->ApplyDisplaySettings();
  }
}

void CDisplayOptionsDlg::OnChanged() {
  ApplySettings();
}

LRESULT CDisplayOptionsDlg::OnColourAccepted(WPARAM, LPARAM) {
  ApplySettings();
  return 0;
}

void CDisplayOptionsDlg::OnOK() {
  ApplySettings();
  CDialog::OnOK();
}

void CDisplayOptionsDlg::OnRestoreDefaults() {
  const bool gray = m_pApp && m_pApp->m_bGrayscale;
  m_crHoekBrown = gray ? RGB(0, 0, 0) : RGB(255, 0, 0);
  m_crMohrCoulomb = gray ? RGB(128, 128, 128) : RGB(0, 0, 255);
  m_pickerHoekBrown.SetColour(m_crHoekBrown);
  m_pickerHoekBrown.SetDefaultColour(m_crHoekBrown);
  m_pickerMohrCoulomb.SetColour(m_crMohrCoulomb);
  m_pickerMohrCoulomb.SetDefaultColour(m_crMohrCoulomb);
  m_settings = CDisplaySettings();
  SelectFromSettings();
  m_bProjectData = m_settings.m_bProjectData;
  m_bGridOverlay = m_settings.m_bGridOverlay;
  m_bBoundingBox = m_settings.m_bBoundingBox;
  m_bCropAxes = m_settings.m_bCropAxes;
  m_bShowTitle = m_settings.m_bShowTitle;
  m_bShowMogi = m_settings.m_bShowMogi;
  m_bShowIcons = m_settings.m_bShowIcons;
  UpdateData(FALSE);
  ApplySettings();
}

void CDisplayOptionsDlg::OnChooseFont() {
  LOGFONTA lf = m_settings.m_lfChartFont;
  HDC screen = ::GetDC(m_hWnd);
  lf.lfHeight = -::MulDiv(m_settings.m_nFontPointSize, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  ::ReleaseDC(m_hWnd, screen);
  CFontDialog dlg(&lf, CF_SCREENFONTS | CF_NOSCRIPTSEL, this);
  if (dlg.DoModal() != IDOK) return;
  dlg.GetCurrentFont(&m_settings.m_lfChartFont);
  m_settings.m_nFontPointSize = dlg.GetSize() / 10;
  m_strFontDescription = FormatFontDescription(m_settings.m_lfChartFont, m_settings.m_nFontPointSize);
  SetDlgItemText(IDC_DISPLAY_FONT_TEXT, m_strFontDescription);
  ApplySettings();
}
