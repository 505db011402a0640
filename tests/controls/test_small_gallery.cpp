// A dialog with the flat and toggle buttons in each state, pictures of each format, the
// transparent and stretched statics, links and markup labels, shown and photographed.
#include <gtest/gtest.h>

#include "controls/BitmapStatic.h"
#include "controls/FlatButton.h"
#include "controls/HyperlinkStatic.h"
#include "controls/MarkupLabel.h"
#include "controls/ResourcePicture.h"
#include "controls/StaticLink.h"
#include "controls/ToggleButton.h"
#include "controls/TransparentStatic.h"
#include "tests/controls/small_controls_support.h"
#include "tests/controls/testsmallcontrols.h"
#include "tests/support/Screenshot.h"

namespace {

// An owner-drawn static showing a picture from the resources at its own size.
class CPictureBox : public CStatic {
 public:
  CResourcePicture m_picture;
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    CDC* dc = CDC::FromHandle(dis->hDC);
    dc->FillSolidRect(&dis->rcItem, ::GetSysColor(COLOR_BTNFACE));
    m_picture.Render(dc);
  }
};

class CSmallGalleryDlg : public CDialog {
 public:
  CSmallGalleryDlg() : CDialog(IDD_SMALL_GALLERY) {}
  CFlatButton m_flat[10];
  CToggleButton m_toggle[3];
  CPictureBox m_pictures[4];
  CTransparentStatic m_transparent;
  CBitmapStatic m_stretched;
  CHyperlinkStatic m_link;
  CStaticLink m_staticLink;
  CMarkupLabel m_title, m_markup, m_bad;

  void DoDataExchange(CDataExchange* pDX) override {
    for (int i = 0; i < 10; ++i) DDX_Control(pDX, IDC_G_FLAT + i, m_flat[i]);
    for (int i = 0; i < 3; ++i) DDX_Control(pDX, IDC_G_TOGGLE_UP + i, m_toggle[i]);
    for (int i = 0; i < 4; ++i) DDX_Control(pDX, IDC_G_GIF + i, m_pictures[i]);
    DDX_Control(pDX, IDC_G_TRANSPARENT, m_transparent);
    DDX_Control(pDX, IDC_G_STRETCHED, m_stretched);
    DDX_Control(pDX, IDC_G_LINK, m_link);
    DDX_Control(pDX, IDC_G_STATIC_LINK, m_staticLink);
    DDX_Control(pDX, IDC_G_MARKUP_TITLE, m_title);
    DDX_Control(pDX, IDC_G_MARKUP, m_markup);
    DDX_Control(pDX, IDC_G_MARKUP_BAD, m_bad);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (int i = 0; i < 5; ++i) m_flat[i].SetIcon(IDI_DISC, IDI_FRAME);
    m_flat[2].SendMessage(BM_SETSTATE, TRUE);  // pressed
    m_flat[3].SetCheck(1);                     // a checked check box
    m_flat[4].EnableWindow(FALSE);
    m_flat[5].SetIcon(IDI_DISC, CFlatButton::GRAY_COPY);
    m_flat[5].SetFlat(FALSE);
    m_flat[6].SetIcon(IDI_FRAME);
    m_flat[6].SetAlign(CFlatButton::ST_ALIGN_VERT);
    m_flat[6].SetAlwaysShowBorder(TRUE);
    m_flat[7].SetIcon(IDI_DISC);
    m_flat[7].SetAlign(CFlatButton::ST_ALIGN_HORIZ_RIGHT);
    m_flat[7].SetAlwaysShowBorder(TRUE);
    m_flat[8].SetToolbarImage(IDR_TESTBAR, ID_TB_GUIDE, TRUE);
    m_flat[8].SetAlign(CFlatButton::ST_ALIGN_LEFT_TEXT, FALSE);
    m_flat[8].SetFlat(FALSE, FALSE);
    m_flat[9].SetBitmaps(IDB_MAGENTA, RGB(255, 0, 255));
    m_flat[9].SetAlwaysShowBorder(TRUE);
    m_toggle[1].m_bPressed = TRUE;
    m_toggle[2].EnableWindow(FALSE);
    const UINT pictures[] = {IDR_PICTURE_GIF, IDR_PICTURE_JPEG, IDR_PICTURE_BMP, IDR_DAMAGED_GIF};
    for (int i = 0; i < 4; ++i) m_pictures[i].m_picture.Load(pictures[i]);
    m_stretched.SetBitmap(IDB_QUADRANTS);
    m_title.SetWindowText("<color=165,123,247><size=18><face=Tahoma><b>Quarvex 3.0");
    m_markup.SetWindowText(
        "<down=60>s<sub>3</sub> = 10 MPa, <i>m<sub>i</sub></i> = 12, <u>E</u><sup>2</sup> "
        "<color=red>red</color> <size=+3>larger<size=-3> <color=0,128,0>green</color> back");
    m_bad.SetWindowText("Not applied: <color=0,0,256>x <up=0>y <size=401>z <COLOR=BLUE>upper");
    return TRUE;
  }
};

std::string g_shot;
bool g_shown = false;
bool g_saved = false;
bool g_hot = false;

void Photograph(CDialog* dialog) {
  auto* dlg = static_cast<CSmallGalleryDlg*>(dialog);
  g_shown = qxtest::ShowInFront(dlg);
  // The mouse over the "Hot" button.
  CPoint hot = qxtest::ScreenCentre(&dlg->m_flat[1]);
  ::SetCursorPos(hot.x, hot.y);
  dlg->m_flat[1].SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  g_hot = dlg->m_flat[1].IsHovered() != FALSE;
  g_shown =
      g_shown && qxtest::PumpUntil(dlg->m_hWnd, [dlg] { return qxtest::IsPainted(dlg->m_hWnd); });
  g_shot = qxtest::ScreenshotFolder() + "small-controls-gallery.bmp";
  g_saved = qxtest::SaveWindowScreenshot(dlg->m_hWnd, g_shot);
  dlg->EndDialog(IDOK);
}

TEST(SmallControlsGallery, EveryStateInOneDialog) {
  CSeamOverride<AfxModalDialogSeam> seam(AfxSetModalDialogSeam, Photograph);
  CSmallGalleryDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(g_shown) << "still not painted after the cap";
  EXPECT_TRUE(g_hot);
  EXPECT_TRUE(g_saved) << g_shot;
  printf("gallery screenshot: %s\n", g_shot.c_str());
}

}  // namespace
