// A dialog holding a real spin, a flat combo and a colour picker, shown and photographed.
#include <gtest/gtest.h>

#include "controls/ColourPicker.h"
#include "controls/FlatComboBox.h"
#include "controls/RealSpinCtrl.h"
#include "tests/controls/small_controls_support.h"
#include "tests/controls/testcontrols.h"
#include "tests/support/Screenshot.h"

namespace {

class CGalleryDlg : public CDialog {
 public:
  CGalleryDlg() : CDialog(IDD_GALLERY) {}
  CRealSpinCtrl m_spin;
  CFlatComboBox m_combo;
  CColourPicker m_picker;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_SPIN, m_spin);
    DDX_Control(pDX, IDC_COMBO, m_combo);
    DDX_Control(pDX, IDC_PICKER, m_picker);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_spin.SetRangeAndDelta(0, 250, 0.5);
    m_spin.SetPos(14503.77 / 100);
    m_combo.AddString("Linear regression");
    m_combo.AddString("Simplex");
    m_combo.SetCurSel(0);
    m_picker.SetColour(RGB(56, 142, 142));
    return TRUE;
  }
};

std::string g_shot;
bool g_shown = false;
bool g_saved = false;

void Photograph(CDialog* dlg) {
  g_shown = qxtest::ShowInFront(dlg);
  g_shot = qxtest::ScreenshotFolder() + "controls-gallery.bmp";
  g_saved = qxtest::SaveWindowScreenshot(dlg->m_hWnd, g_shot);
  dlg->EndDialog(IDOK);
}

TEST(GalleryTest, SpinComboAndPickerInOneDialog) {
  CSeamOverride<AfxModalDialogSeam> seam(AfxSetModalDialogSeam, Photograph);
  CGalleryDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(g_shown) << "still not painted after the cap";
  EXPECT_TRUE(g_saved) << g_shot;
  EXPECT_NE(GetFileAttributesA(g_shot.c_str()), INVALID_FILE_ATTRIBUTES);
  printf("gallery screenshot: %s\n", g_shot.c_str());
}

}  // namespace
