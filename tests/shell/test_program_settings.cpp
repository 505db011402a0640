// The settings dialogs in the real program, driven through the modal hook: Project Settings
// (its controls, the data-type warning, what OK and Cancel leave in the project), Preferences
// (menu look, tabs, Reset) and Display Options (live changes, Cancel, grayscale colours, font).
// Each dialog's picture is kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/OwnerDrawMenu.h"
#include "core/document/KelProject.h"
#include "document/DocumentFitDialogs.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/Dialog.h"
#include "framework/win/TestSeams.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "shell/ShellSettings.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/TestProjects.h"

using namespace qxtest;

namespace {

const double kShearX[] = {1.0, 2.0, 4.0};
const double kShearY[] = {0.9, 1.6, 2.9};

// Checks one radio of a group as a click does.
void ClickRadio(CDialog* d, int first, int last, int id) {
  ::CheckRadioButton(d->m_hWnd, first, last, id);
  ClickButton(d, id);
}

int CountTools(CDialog* d) {
  HWND tips = nullptr;
  for (HWND w = ::GetWindow(::GetDesktopWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    char cls[64] = "";
    ::GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) == TOOLTIPS_CLASSA && ::GetWindow(w, GW_OWNER) == d->m_hWnd) tips = w;
  }
  return tips ? static_cast<int>(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}

}  // namespace

TEST(ProgramProjectSettings, ControlsFollowTheCriterionAndTheModulusMethod) {
  CProgramHarness program("settings_controls");
  ASSERT_TRUE(program.Start());
  bool ran = false;
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    ran = true;
    EXPECT_EQ(GetControlText(d, IDC_PROJECT_TITLE), CKelProject::kDefaultTitle);
    EXPECT_TRUE(IsControlEnabled(d, IDC_MODULUS_GROUP));
    EXPECT_TRUE(IsControlEnabled(d, IDC_MODULUS_HD));
    EXPECT_FALSE(IsControlEnabled(d, IDC_INTACT_MODULUS));  // method 0 does not use Ei
    EXPECT_EQ(GetControlText(d, IDC_INTACT_MODULUS_UNITS), "(MPa)");
    EXPECT_EQ(CountTools(d), 4);
    program.Capture(d, "dialog_project_settings");

    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_MOHR_COULOMB);
    for (int id : {IDC_MODULUS_GROUP, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_HCC, IDC_MODULUS_HD,
                   IDC_INTACT_MODULUS, IDC_INTACT_MODULUS_LABEL, IDC_INTACT_MODULUS_UNITS})
      EXPECT_FALSE(IsControlEnabled(d, id)) << id;
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_HOEK_BROWN);
    ::CheckRadioButton(d->m_hWnd, IDC_MODULUS_HCC, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_HD);
    ClickButton(d, IDC_MODULUS_HD);
    EXPECT_TRUE(IsControlEnabled(d, IDC_INTACT_MODULUS));
    EXPECT_TRUE(IsControlEnabled(d, IDC_INTACT_MODULUS_LABEL));

    SelectComboItem(d, IDC_UNITS, UNITS_KPA);  // MPa -> kPa: Ei becomes 15000 MPa in kPa
    EXPECT_DOUBLE_EQ(std::atof(GetControlText(d, IDC_INTACT_MODULUS).c_str()), 1.5e7);
    EXPECT_EQ(GetControlText(d, IDC_INTACT_MODULUS_UNITS), "(kPa)");
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_TRUE(ran);
  // Cancel: nothing reached the project.
  EXPECT_EQ(program.ActiveDocument()->m_pActiveCriterion->GetUnits(), UNITS_MPA);
  EXPECT_FALSE(program.ActiveDocument()->IsModified());
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramProjectSettings, AnInvalidModulusKeepsTheDialogOpenAndAppliesNothing) {
  CProgramHarness program("settings_invalid");
  ASSERT_TRUE(program.Start());
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    SelectComboItem(d, IDC_UNITS, UNITS_PSI);
    ClickRadio(d, IDC_MODULUS_HCC, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_HD);  // the one using Ei
    const std::string psiDefault = GetControlText(d, IDC_INTACT_MODULUS);
    SetControlText(d, IDC_INTACT_MODULUS, "abc");
    ClickButton(d, IDOK);
    EXPECT_TRUE(d->ContinueModal());  // still open
    ASSERT_EQ(program.MessageBoxTexts().size(), 1u);
    EXPECT_NE(program.MessageBoxTexts().back().find("number"), std::string::npos);
    // A method that does not use Ei leaves the text unread: the field shows Ei again.
    ClickRadio(d, IDC_MODULUS_HCC, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_SIMPLIFIED);
    EXPECT_EQ(program.MessageBoxTexts().size(), 1u);
    EXPECT_EQ(GetControlText(d, IDC_INTACT_MODULUS), psiDefault);
    EXPECT_FALSE(IsControlEnabled(d, IDC_INTACT_MODULUS));
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_EQ(program.ActiveDocument()->m_pActiveCriterion->GetUnits(), UNITS_MPA);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramProjectSettings, FileValuesTheDialogWouldRefuseNeitherStopItNorAreLost) {
  CProgramHarness program("settings_unusable_modulus");
  ASSERT_TRUE(program.Start());
  // A kPa project whose file says "modulus method: 0" and "intact modulus: 0".
  CKelStrengthDoc* doc = OpenProject(program, "zero_modulus", [](CKelProject& p) {
    p.m_pActiveCriterion->SetUnits(UNITS_KPA);
    p.m_hoekBrown.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 0.0);
    p.m_hoekBrown.SetModulusMethod(MODULUS_SIMPLIFIED_HOEK_DIEDERICHS, 0.0);
  });
  ASSERT_NE(doc, nullptr);
  ASSERT_EQ(doc->m_hoekBrown.GetIntactModulus(), 0.0);
  const size_t messages = program.MessageBoxTexts().size();

  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    EXPECT_EQ(program.MessageBoxTexts().size(), messages);  // opened without a message
    EXPECT_FALSE(IsControlEnabled(d, IDC_INTACT_MODULUS));
    program.Capture(d, "dialog_project_settings_unusable_modulus");
    SetControlText(d, IDC_PROJECT_TITLE, "Zero modulus bench");
    ClickButton(d, IDOK);
    if (d->ContinueModal()) {
      ADD_FAILURE() << "OK refused";
      ClickButton(d, IDCANCEL);
    }
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS));
  EXPECT_EQ(doc->m_strTitle, CString("Zero modulus bench"));
  EXPECT_EQ(doc->m_hoekBrown.GetModulusMethod(), MODULUS_SIMPLIFIED_HOEK_DIEDERICHS);
  EXPECT_EQ(doc->m_hoekBrown.GetIntactModulus(), 0.0);  // the method does not use it: untouched

  // Hoek-Diederichs (2005) uses it: the field offers the kPa default, which OK applies.
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    ClickRadio(d, IDC_MODULUS_HCC, IDC_MODULUS_SIMPLIFIED, IDC_MODULUS_HD);
    EXPECT_TRUE(IsControlEnabled(d, IDC_INTACT_MODULUS));
    EXPECT_DOUBLE_EQ(std::atof(GetControlText(d, IDC_INTACT_MODULUS).c_str()), 1.5e7);
    program.Capture(d, "dialog_project_settings_unusable_modulus_hd");
    ClickButton(d, IDOK);
    if (d->ContinueModal()) {
      ADD_FAILURE() << "OK refused";
      ClickButton(d, IDCANCEL);
    }
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS));
  EXPECT_EQ(doc->m_hoekBrown.GetModulusMethod(), MODULUS_HOEK_DIEDERICHS);
  EXPECT_DOUBLE_EQ(doc->m_hoekBrown.GetIntactModulus(), 1.5e7);

  // A title longer than the dialog takes goes through untouched while it is not edited.
  const std::string longTitle(300, 'T');
  CKelStrengthDoc* titled =
      OpenProject(program, "long_title", [&](CKelProject& p) { p.m_strTitle = longTitle.c_str(); });
  ASSERT_NE(titled, nullptr);
  ASSERT_EQ(titled->m_strTitle.GetLength(), 300);
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    EXPECT_EQ(program.MessageBoxTexts().size(), messages);
    SelectComboItem(d, IDC_UNITS, UNITS_PSI);
    ClickButton(d, IDOK);
    if (d->ContinueModal()) {
      ADD_FAILURE() << "OK refused";
      ClickButton(d, IDCANCEL);
    }
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS));
  EXPECT_EQ(titled->m_pActiveCriterion->GetUnits(), UNITS_PSI);
  EXPECT_EQ(titled->m_strTitle, CString(longTitle.c_str()));
  EXPECT_EQ(program.MessageBoxTexts().size(), messages);
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  program.AnswerMessageBox(IDNO);
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramProjectSettings, OkAppliesTitleUnitsAndCriterionAndMarksTheProjectModified) {
  CProgramHarness program("settings_ok");
  ASSERT_TRUE(program.Start());
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    SetControlText(d, IDC_PROJECT_TITLE, "Quarry bench");
    SelectComboItem(d, IDC_UNITS, UNITS_KSF);
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_POWER_CURVE);
    ClickButton(d, IDOK);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  CKelStrengthDoc* doc = program.ActiveDocument();
  EXPECT_EQ(doc->m_strTitle, CString("Quarry bench"));
  EXPECT_EQ(doc->m_nCriterion, CRITERION_POWER_CURVE);
  EXPECT_EQ(doc->m_pActiveCriterion, &doc->m_powerCurve);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(doc->ModelOf(c)->GetUnits(), UNITS_KSF) << c;
  EXPECT_TRUE(doc->IsModified());
  // Use Rock Mass Data is for Hoek-Brown only.
  EXPECT_FALSE(program.IsCommandEnabled(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

namespace {

// Fit dialogs that answer at once, as a user pressing OK or Cancel would.
class CFakeFitDialogs : public IDocumentFitDialogs {
 public:
  INT_PTR answer = IDOK;
  std::vector<FitDialogKind> ran;
  FitDialogValues result;
  bool setResult = false;
  INT_PTR Run(FitDialogKind kind, CKelStrengthDoc*, FitDialogValues& values) override {
    ran.push_back(kind);
    if (setResult) values = result;
    return answer;
  }
};

}  // namespace

TEST(ProgramProjectSettings, TheDataTypeWarningAsksAndNoThenCancelLeavesEveryModelAlone) {
  CProgramHarness program("settings_warning");
  ASSERT_TRUE(program.Start());
  CFakeFitDialogs fits;  // a switch with data runs a fit dialog: accepted as it is
  IDocumentFitDialogs* previousFits = SetDocumentFitDialogs(&fits);
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->SetCriterion(CRITERION_MOHR_COULOMB);
  doc->m_mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  doc->m_mohrCoulomb.SetLabData(3, kShearX, kShearY);

  std::string question;
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    SelectComboItem(d, IDC_UNITS, UNITS_PSI);
    // Barton-Bandis takes direct-shear data: no question.
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_HOEK_BROWN);
    program.OnDialog(IDD_SWITCH_DATA_TYPE, [&](CDialog* w) {
      question = GetControlText(w, IDC_SWITCH_MESSAGE);
      EXPECT_TRUE(IsButtonChecked(w, IDC_SWITCH_ALWAYS_SHOW));
      program.Capture(w, "dialog_switch_data_type");
      ClickButton(w, IDC_SWITCH_NO);
    });
    ClickButton(d, IDOK);
    EXPECT_TRUE(d->ContinueModal());  // No keeps the settings open for another choice
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_EQ(question, "Criterion change requires switch from direct shear to triaxial data.\nProceed?");
  EXPECT_EQ(doc->m_nCriterion, CRITERION_MOHR_COULOMB);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(doc->ModelOf(c)->GetUnits(), UNITS_MPA) << c;
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(program.Registry().ValueExists(kPromptsKey, "Switch Data Type Warning") == false);

  // Yes with the box cleared: the switch goes through and the warning is off from now on.
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_HOEK_BROWN);
    program.OnDialog(IDD_SWITCH_DATA_TYPE, [&](CDialog* w) {
      ::CheckDlgButton(w->m_hWnd, IDC_SWITCH_ALWAYS_SHOW, BST_UNCHECKED);
      ClickButton(w, IDC_SWITCH_YES);
    });
    ClickButton(d, IDOK);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_EQ(doc->m_nCriterion, CRITERION_HOEK_BROWN);
  int stored = -1;
  EXPECT_TRUE(program.Registry().GetInt(kPromptsKey, "Switch Data Type Warning", &stored));
  EXPECT_EQ(stored, 0);

  // Switched off: back to Mohr-Coulomb and again to Hoek-Brown asks nothing.
  doc->SetCriterion(CRITERION_MOHR_COULOMB);
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_HOEK_BROWN);
    ClickButton(d, IDOK);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_EQ(doc->m_nCriterion, CRITERION_HOEK_BROWN);
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_EQ(fits.ran, (std::vector<FitDialogKind>{FIT_DIALOG_HOEK_BROWN, FIT_DIALOG_HOEK_BROWN}));
  SetDocumentFitDialogs(previousFits);
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramProjectSettings, EscapeInTheWarningAnswersNoAndStillReadsTheBox) {
  CProgramHarness program("settings_warning_escape");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  doc->SetCriterion(CRITERION_BARTON_BANDIS);
  doc->m_bartonBandis.SetLabData(3, kShearX, kShearY);
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
    ClickRadio(d, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE, IDC_CRITERION_HOEK_BROWN);
    program.OnDialog(IDD_SWITCH_DATA_TYPE, [&](CDialog* w) {
      ::CheckDlgButton(w->m_hWnd, IDC_SWITCH_ALWAYS_SHOW, BST_UNCHECKED);
      ClickButton(w, IDCANCEL);  // what Esc sends
    });
    ClickButton(d, IDOK);
    EXPECT_TRUE(d->ContinueModal());
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  EXPECT_EQ(doc->m_nCriterion, CRITERION_BARTON_BANDIS);
  int stored = -1;
  EXPECT_TRUE(program.Registry().GetInt(kPromptsKey, "Switch Data Type Warning", &stored));
  EXPECT_EQ(stored, 0);
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramPreferences, TicksComeBackAndResetActsOnlyWithOk) {
  CProgramHarness program("preferences");
  ASSERT_TRUE(program.Start());
  program.Registry().SetInt(kPromptsKey, "Switch Data Type Warning", 0);
  const int look = COwnerDrawMenu::GetMenuLook();
  program.OnDialog(IDD_PREFERENCES, [&](CDialog* d) {
    EXPECT_EQ(IsButtonChecked(d, IDC_PREF_XP_MENUS), look == 1);
    EXPECT_TRUE(IsButtonChecked(d, IDC_PREF_SHOW_TABS));
    program.Capture(d, "dialog_preferences");
    ClickButton(d, IDC_PREF_RESET);
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_FILE_PREFERENCES);
  EXPECT_TRUE(program.Registry().ValueExists(kWarningsKey, "GettingStartedScreen"));
  EXPECT_TRUE(program.Registry().ValueExists(kPromptsKey, "Switch Data Type Warning"));

  program.OnDialog(IDD_PREFERENCES, [&](CDialog* d) {
    ::CheckDlgButton(d->m_hWnd, IDC_PREF_XP_MENUS, look == 1 ? BST_UNCHECKED : BST_CHECKED);
    ::CheckDlgButton(d->m_hWnd, IDC_PREF_SHOW_TABS, BST_UNCHECKED);
    ClickButton(d, IDC_PREF_RESET);
    ClickButton(d, IDOK);
  });
  program.RunCommand(ID_FILE_PREFERENCES);
  EXPECT_FALSE(program.Registry().ValueExists(kWarningsKey, "GettingStartedScreen"));
  EXPECT_FALSE(program.Registry().ValueExists(kPromptsKey, "Switch Data Type Warning"));
  EXPECT_EQ(COwnerDrawMenu::GetMenuLook(), look == 1 ? 0 : 1);
  EXPECT_FALSE(program.Frame()->m_tabManager.IsShown());
  int stored = -1;
  EXPECT_TRUE(program.Registry().GetInt(kMenuStyleKey, "XPMenuStyle", &stored));
  EXPECT_EQ(stored, look == 1 ? 0 : 1);
  EXPECT_TRUE(program.Registry().GetInt(kPreferencesKey, "MDI_Tabs_On", &stored));
  EXPECT_EQ(stored, 0);
  EXPECT_EQ(program.Exit(), 0);
  // Read back at the next start.
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(COwnerDrawMenu::GetMenuLook(), look == 1 ? 0 : 1);
  EXPECT_FALSE(program.Frame()->m_tabManager.IsShown());
  COwnerDrawMenu::SetMenuLook(look);
  EXPECT_EQ(program.Exit(), 0);
}

namespace {

BOOL g_fontCalled = FALSE;
BOOL FakeFontDialog(CHOOSEFONTA* cf) {
  g_fontCalled = TRUE;
  lstrcpyA(cf->lpLogFont->lfFaceName, "Courier New");
  cf->lpLogFont->lfWeight = 700;
  cf->iPointSize = 105;  // 10.5 pt
  return TRUE;
}

// Pixels of the window's client area, as the screen shows them, that are clearly red.
int CountRedPixels(HWND window) {
  RECT rc;
  ::GetClientRect(window, &rc);
  POINT origin = {0, 0};
  ::ClientToScreen(window, &origin);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = rc.right;
  info.bmiHeader.biHeight = -rc.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  int red = 0;
  if (dib) {
    HGDIOBJ old = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, rc.right, rc.bottom, screen, origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    const BYTE* p = static_cast<const BYTE*>(bits);  // blue, green, red, unused
    for (long i = 0; i < static_cast<long>(rc.right) * rc.bottom; ++i, p += 4)
      if (p[2] > 200 && p[1] < 60 && p[0] < 60) ++red;
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return red;
}

}  // namespace

TEST(ProgramDisplayOptions, ADamagedCurveColourStartsAsTheDefault) {
  CProgramHarness program("display_damaged_colour");
  // Colours with their top byte set: not colours the program wrote (masked, they were white).
  const BYTE allOnes[4] = {0xFF, 0xFF, 0xFF, 0xFF}, topHalf[4] = {0xFF, 0xFF, 0xFF, 0x7F};
  program.Registry().SetRaw(kSettingsKey, "hbcolor", REG_BINARY, allOnes, 4);
  program.Registry().SetRaw(kSettingsKey, "hbcolor_gray", REG_BINARY, topHalf, 4);
  ASSERT_TRUE(program.Start());
  CKelStrengthApp* app = program.App();
  EXPECT_EQ(app->m_crHoekBrown, RGB(255, 0, 0));
  EXPECT_EQ(app->m_crHoekBrownGray, RGB(0, 0, 0));
  ASSERT_NE(program.ActiveView(), nullptr);
  program.Screenshot("display_damaged_colour");
  // The Hoek-Brown envelopes are drawn in the default red.
  EXPECT_GT(CountRedPixels(program.ActiveView()->m_hWnd), 200);
  EXPECT_EQ(program.Exit(), 0);
  int stored = 0;
  ASSERT_TRUE(program.Registry().GetInt(kSettingsKey, "hbcolor", &stored));
  EXPECT_EQ(stored, 0x0000FF);
  ASSERT_TRUE(program.Registry().GetInt(kSettingsKey, "hbcolor_gray", &stored));
  EXPECT_EQ(stored, 0);
}

TEST(ProgramDisplayOptions, LiveChangesGoToTheProgramAndCancelPutsEverythingBack) {
  CProgramHarness program("display_cancel");
  ASSERT_TRUE(program.Start());
  CKelStrengthApp* app = program.App();
  const CDisplaySettings before = app->m_displaySettings;
  const COLORREF hoekBrown = app->m_crHoekBrown;
  CSeamOverride<AfxFontDialogSeam> font(&AfxSetFontDialogSeam, &FakeFontDialog);
  program.OnDialog(IDD_DISPLAY_OPTIONS, [&](CDialog* d) {
    EXPECT_EQ(GetControlText(d, IDC_DISPLAY_FONT_TEXT), " Arial, 8 pt");
    program.Capture(d, "dialog_display_options");
    SelectComboItem(d, IDC_DISPLAY_LINE_WIDTH, 4);  // width 5
    EXPECT_EQ(app->m_displaySettings.m_nLineWidth, 5);
    SelectComboItem(d, IDC_DISPLAY_DECIMALS, 0);  // "Default"
    EXPECT_EQ(app->m_displaySettings.m_nDecimalPlaces, -1);
    SelectComboItem(d, IDC_DISPLAY_DECIMALS, 9);  // 8 places
    EXPECT_EQ(app->m_displaySettings.m_nDecimalPlaces, 8);
    ::CheckDlgButton(d->m_hWnd, IDC_DISPLAY_SHOW_MOGI, BST_CHECKED);
    ClickButton(d, IDC_DISPLAY_SHOW_MOGI);
    EXPECT_EQ(app->m_displaySettings.m_bShowMogi, 1);
    ClickButton(d, IDC_DISPLAY_FONT_BUTTON);
    EXPECT_EQ(app->m_displaySettings.m_nFontPointSize, 10);
    EXPECT_EQ(GetControlText(d, IDC_DISPLAY_FONT_TEXT), " Courier New, 10 pt, Bold");
    ClickButton(d, IDCANCEL);
  });
  program.RunCommand(ID_VIEW_DISPLAY_OPTIONS);
  EXPECT_TRUE(g_fontCalled);
  EXPECT_TRUE(app->m_displaySettings == before);
  EXPECT_EQ(app->m_crHoekBrown, hoekBrown);
  EXPECT_EQ(program.ActiveDocument()->m_nRedrawHint, 2);  // redrawn with the old settings
  EXPECT_EQ(program.Exit(), 0);
}

TEST(ProgramDisplayOptions, GrayscaleEditsTheGrayPairAndOkKeepsTheChanges) {
  CProgramHarness program("display_gray");
  ASSERT_TRUE(program.Start());
  CKelStrengthApp* app = program.App();
  ASSERT_TRUE(program.RunCommand(ID_VIEW_GRAYSCALE));
  EXPECT_TRUE(program.IsCommandChecked(ID_VIEW_GRAYSCALE));
  const COLORREF colour = app->m_crHoekBrown;
  program.OnDialog(IDD_DISPLAY_OPTIONS, [&](CDialog* d) {
    ClickButton(d, IDC_DISPLAY_RESTORE);
    EXPECT_EQ(app->m_crHoekBrownGray, RGB(0, 0, 0));
    SelectComboItem(d, IDC_DISPLAY_JUSTIFY, JUSTIFY_CENTER);
    ClickButton(d, IDOK);
  });
  program.RunCommand(ID_VIEW_DISPLAY_OPTIONS);
  EXPECT_EQ(app->m_displaySettings.m_nJustify, JUSTIFY_CENTER);
  EXPECT_EQ(app->m_crHoekBrown, colour);  // the colour pair was not touched
  EXPECT_EQ(program.Exit(), 0);
  // Stored at the end, read back at the next start.
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.App()->m_displaySettings.m_nJustify, JUSTIFY_CENTER);
  EXPECT_EQ(program.Exit(), 0);
}


TEST(ProgramFitCommands, UseLabAndRockMassDataRunTheirDialogsAndTakeTheirResults) {
  CProgramHarness program("fit_commands");
  ASSERT_TRUE(program.Start());
  CFakeFitDialogs fits;
  IDocumentFitDialogs* previous = SetDocumentFitDialogs(&fits);
  CKelStrengthDoc* doc = program.ActiveDocument();

  fits.setResult = true;
  fits.result.sig3max = 4.75;
  fits.result.sigci = 80.0;
  fits.result.mi = 12.0;
  fits.result.gsi = 55.0;
  fits.result.d = 0.3;
  doc->m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 9.0, 0.026, 50);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_DOUBLE_EQ(doc->GetRange(CRITERION_HOEK_BROWN).bound, 4.75);

  const double rockX[] = {0.0, 1.0, 2.0};
  const double rockY[] = {20.0, 28.0, 34.0};
  doc->m_hoekBrown.SetRockMassData(3, rockX, rockY);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  double sigci, mi, gsi, d;
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_DOUBLE_EQ(sigci, 80.0);
  EXPECT_DOUBLE_EQ(gsi, 55.0);
  BYTE flag = 0;
  doc->m_hoekBrown.GetFieldDataFlag(&flag);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(fits.ran, (std::vector<FitDialogKind>{FIT_DIALOG_HOEK_BROWN, FIT_DIALOG_ROCK_MASS}));

  // Cancel keeps everything; the other criteria have their own dialogs.
  fits.answer = IDCANCEL;
  fits.result.sigci = 1.0;
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_ROCK_MASS_DATA));
  doc->m_hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_DOUBLE_EQ(sigci, 80.0);
  doc->SetCriterion(CRITERION_BARTON_BANDIS);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_USE_LAB_DATA));
  EXPECT_EQ(fits.ran.back(), FIT_DIALOG_BARTON_BANDIS);

  // A criterion switch whose fit dialog is cancelled comes back to where it was.
  doc->SetCriterion(CRITERION_MOHR_COULOMB);
  doc->m_mohrCoulomb.SetLabData(3, kShearX, kShearY);
  doc->m_mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* dlg) {
    SetControlText(dlg, IDC_PROJECT_TITLE, "Renamed");
    ClickRadio(dlg, IDC_CRITERION_HOEK_BROWN, IDC_CRITERION_POWER_CURVE,
               IDC_CRITERION_POWER_CURVE);
    ClickButton(dlg, IDOK);
  });
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS));
  EXPECT_EQ(fits.ran.back(), FIT_DIALOG_POWER_CURVE);
  EXPECT_EQ(doc->m_nCriterion, CRITERION_MOHR_COULOMB);
  EXPECT_EQ(doc->m_strTitle, CString(CKelProject::kDefaultTitle));
  SetDocumentFitDialogs(previous);
  program.AnswerMessageBox(IDNO);
  EXPECT_EQ(program.Exit(), 0);
}
