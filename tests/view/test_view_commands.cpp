// The chart view's commands through the program's command routing, the chart picture on the
// real clipboard, icon dragging with the mouse, resizing with locked axes, and what the side
// bar is told as views come and go.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/win/FrameworkIds.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "tests/support/Screenshot.h"
#include "tests/view/view_program_support.h"

namespace {

using qxtest::CProgramHarness;
using namespace viewtest;
using namespace qxchart;

const COLORREF kRed = RGB(255, 0, 0);

double Get(CChart2D& chart, int id) {
  double v = 0;
  chart.GetChart()->GetDouble(id, &v);
  return v;
}

// A Mohr-Coulomb project without data.
void MohrCoulombProject(CKelProject& p) {
  p.SetCriterion(CRITERION_MOHR_COULOMB);
}

class ViewCommands : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()); }
  CKelStrengthView* Open(const char* name, void (*setUp)(CKelProject&)) {
    if (!qxtest::OpenProject(program, name, setUp)) return nullptr;
    return ActiveChartView(program);
  }
  CProgramHarness program{"view_commands"};
};

TEST_F(ViewCommands, ZoomLockAndPlotChoices) {
  CKelStrengthView* view = Open("hb", HoekBrownProject);
  ASSERT_NE(view, nullptr);
  const double yMax = Get(view->PrincipalChart(), prop::kYMax);
  ASSERT_TRUE(program.RunCommand(ID_VIEW_ZOOM_IN));
  ASSERT_TRUE(program.RunCommand(ID_VIEW_ZOOM_IN));
  EXPECT_DOUBLE_EQ(view->State().zoomFactor, 0.9025);
  EXPECT_LT(Get(view->PrincipalChart(), prop::kYMax), 0.95 * yMax);
  ASSERT_TRUE(program.RunCommand(ID_VIEW_ZOOM_EXTENTS));
  EXPECT_EQ(view->State().zoomFactor, 1.0);
  EXPECT_FALSE(view->State().surfaceMode);
  ASSERT_TRUE(program.RunCommand(ID_VIEW_ZOOM_SURFACE));
  EXPECT_TRUE(view->State().surfaceMode);
  EXPECT_DOUBLE_EQ(Get(view->PrincipalChart(), prop::kYMax), yMax);

  // Locked axes: no zoom; the check mark shows.
  ASSERT_TRUE(program.RunCommand(ID_VIEW_LOCK_AXES));
  EXPECT_TRUE(program.IsCommandChecked(ID_VIEW_LOCK_AXES));
  EXPECT_FALSE(program.IsCommandEnabled(ID_VIEW_ZOOM_IN));
  EXPECT_FALSE(program.RunCommand(ID_VIEW_ZOOM_OUT));
  EXPECT_DOUBLE_EQ(view->State().zoomFactor, 1.0);
  // The tool bar follows at idle time, and follows back.
  HWND bar = program.Frame()->m_wndToolBar.m_hWnd;
  auto buttons = [bar] {
    ::SendMessageA(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
    return std::make_pair(::SendMessageA(bar, TB_ISBUTTONCHECKED, ID_VIEW_LOCK_AXES, 0) != 0,
                          ::SendMessageA(bar, TB_ISBUTTONENABLED, ID_VIEW_ZOOM_IN, 0) != 0);
  };
  EXPECT_EQ(buttons(), std::make_pair(true, false));
  // A resize still rescales to the new shape, and the lock stays.
  const double ratio = view->State().principalExtents.pixelRatio;
  const double lockedTop = view->State().lockedPrincipalExtents.yMax;
  ::SetWindowPos(program.FrameWindow(), nullptr, 0, 0, 900, 500, SWP_NOZORDER | SWP_NOMOVE);
  ::ShowWindow(program.FrameWindow(), SW_RESTORE);
  ::SetWindowPos(program.FrameWindow(), nullptr, 0, 0, 1100, 520, SWP_NOZORDER | SWP_NOMOVE);
  program.Pump();
  EXPECT_NE(view->State().principalExtents.pixelRatio, ratio);
  EXPECT_EQ(view->State().lockedPrincipalExtents.yMax, lockedTop);
  EXPECT_TRUE(view->State().axesLocked);
  EXPECT_TRUE(program.IsCommandChecked(ID_VIEW_LOCK_AXES));
  program.Screenshot("view_resized_locked");
  ASSERT_TRUE(program.RunCommand(ID_VIEW_LOCK_AXES));
  EXPECT_TRUE(program.IsCommandEnabled(ID_VIEW_ZOOM_IN));
  EXPECT_EQ(buttons(), std::make_pair(false, true));

  // The plot choices: one check mark at a time, and the charts placed accordingly.
  RECT client;
  view->GetClientRect(&client);
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_NORMAL_SHEAR_PLOT));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_NORMAL_SHEAR_PLOT));
  EXPECT_FALSE(program.IsCommandChecked(ID_ANALYSIS_PLOT_BOTH));
  RECT shear;
  view->ShearChart().GetWindowRect(&shear);
  ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&shear), 2);
  EXPECT_EQ(shear.left, 0);
  EXPECT_EQ(shear.right, client.right);
  program.Screenshot("view_shear_plot_only");
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PRINCIPAL_PLOT));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_PRINCIPAL_PLOT));
  view->ShearChart().GetWindowRect(&shear);
  EXPECT_EQ(shear.right - shear.left, 0);
  program.Screenshot("view_principal_plot_only");
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PLOT_BOTH));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_PLOT_BOTH));
  RECT principal;
  view->PrincipalChart().GetClientRect(&principal);
  EXPECT_EQ(principal.right, static_cast<int>(0.4 * client.right));
}

TEST_F(ViewCommands, OverlayAndTestDataFollowTheDocument) {
  CKelStrengthView* mc = Open("mc", MohrCoulombProject);
  ASSERT_NE(mc, nullptr);
  EXPECT_FALSE(program.IsCommandEnabled(ID_ANALYSIS_MC_ENVELOPE));
  EXPECT_FALSE(program.IsCommandEnabled(ID_ANALYSIS_PLOT_TEST_DATA));

  CKelStrengthView* hb = Open("hb", HoekBrownProject);
  ASSERT_NE(hb, nullptr);
  ASSERT_TRUE(program.IsCommandEnabled(ID_ANALYSIS_MC_ENVELOPE));
  EXPECT_FALSE(program.IsCommandChecked(ID_ANALYSIS_MC_ENVELOPE));
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_MC_ENVELOPE));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_MC_ENVELOPE));
  ChartData* data = nullptr;
  hb->PrincipalChart().GetChart()->GetData(prop::kData, &data);
  EXPECT_EQ(data->Sets(), 2);  // envelope and Mohr-Coulomb line
  auto canvas = PaintView(hb);
  EXPECT_GT(canvas->Count(0, 0, canvas->Width(), canvas->Height(), RGB(0, 0, 255)), 100);

  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_PLOT_TEST_DATA));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_PLOT_TEST_DATA));
  hb->PrincipalChart().GetChart()->GetData(prop::kData, &data);
  EXPECT_EQ(data->Sets(), 3);
  program.Screenshot("view_overlay_and_test_data");
  // The other view kept its own state.
  EXPECT_FALSE(mc->State().mohrCoulombOverlay);
  EXPECT_FALSE(mc->State().plotTestData);
}

// The chart picture on the clipboard: the client area's size, read back as a bitmap and as a
// device-independent bitmap; with only the shear plot the shear chart starts at the left.
TEST_F(ViewCommands, CopyPutsTheChartPictureOnTheClipboard) {
  CKelStrengthView* view = Open("hb", HoekBrownProject);
  ASSERT_NE(view, nullptr);
  RECT client;
  view->GetClientRect(&client);
  for (bool shearOnly : {false, true}) {
    if (shearOnly) ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_NORMAL_SHEAR_PLOT));
    ASSERT_TRUE(program.RunCommand(ID_EDIT_COPY));
    ASSERT_TRUE(::OpenClipboard(program.FrameWindow()));
    HBITMAP bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ::GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, client.right);
    EXPECT_EQ(info.bmHeight, client.bottom);
    HGLOBAL dib = ::GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const BITMAPINFOHEADER* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, client.right);
    EXPECT_EQ(std::abs(header->biHeight), client.bottom);
    ::GlobalUnlock(dib);

    Canvas copy(client.right, client.bottom);
    HDC src = ::CreateCompatibleDC(copy.Dc());
    HGDIOBJ old = ::SelectObject(src, bitmap);
    ::BitBlt(copy.Dc(), 0, 0, client.right, client.bottom, src, 0, 0, SRCCOPY);
    ::SelectObject(src, old);
    ::DeleteDC(src);
    ::CloseClipboard();
    if (!shearOnly) qxtest::SaveBitmap(copy.Bitmap(), qxtest::ScreenshotFolder() + "view_copy.bmp");

    // An envelope point of each shown chart is in the picture where the view shows it.
    CHoekBrownCriterion& m = view->GetDocument()->m_hoekBrown;
    const double s3 = 0.5 * m.GetSig3Max();
    const POINT q = ViewPixel(view, view->ShearChart(), m.GetSigNAtSig3(s3), m.GetTauAtSig3(s3));
    EXPECT_TRUE(ColourNear(copy, q, kRed)) << shearOnly;
    if (shearOnly) {
      // The shear chart fills the picture from the left.
      EXPECT_LT(ViewPixel(view, view->ShearChart(), 0, 0).x, client.right / 5);
    } else {
      const POINT p = ViewPixel(view, view->PrincipalChart(), s3, m.GetSig1(s3));
      EXPECT_TRUE(ColourNear(copy, p, kRed));
    }
    // Nothing left undefined: the corners are white.
    EXPECT_EQ(copy.Pixel(client.right - 1, 0), RGB(255, 255, 255));
  }
}

TEST_F(ViewCommands, IconsAreDraggedWithTheMouse) {
  CKelStrengthView* view = Open("hb", HoekBrownProject);
  ASSERT_NE(view, nullptr);
  view->UpdateWindow();
  program.Pump();
  ASSERT_TRUE(view->Icons().Drawn(0));
  const IconPoint start = view->Icons().TopLeft(0);
  // Over the icon the cursor is the four-headed one.
  view->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(start.x + 20, start.y + 20));
  EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZEALL));
  view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x + 20, start.y + 20));
  EXPECT_EQ(::GetCapture(), view->m_hWnd);
  view->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x - 80, start.y - 100));
  view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(start.x - 80, start.y - 100));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(view->Icons().TopLeft(0), (IconPoint{start.x - 100, start.y - 120}));
  program.Pump();
  program.Screenshot("view_icon_dragged");
  // The icon is drawn where it was dropped, and stays there on the next painting.
  auto canvas = PaintView(view);
  EXPECT_EQ(view->Icons().TopLeft(0), (IconPoint{start.x - 100, start.y - 120}));
  EXPECT_GT(canvas->Count(start.x - 100, start.y - 120, start.x - 52, start.y - 72, RGB(0, 0, 255)),
            20);

  // With the icons switched off they neither show nor answer the mouse.
  program.App()->m_displaySettings.m_bShowIcons = FALSE;
  program.App()->ApplyDisplaySettings();
  canvas = PaintView(view);
  EXPECT_FALSE(view->Icons().Drawn(0));
  view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x - 80, start.y - 100));
  EXPECT_EQ(view->Icons().Dragged(), 0);
  view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(start.x - 80, start.y - 100));
}

// The view draws the same into a metafile (as image export and printing use it): played back,
// the envelope is where the screen has it.
TEST_F(ViewCommands, TheViewDrawsIntoAMetafile) {
  CKelStrengthView* view = Open("hb", HoekBrownProject);
  ASSERT_NE(view, nullptr);
  RECT client;
  view->GetClientRect(&client);
  CClientDC screen(view);
  const int px = screen.GetDeviceCaps(LOGPIXELSX), py = screen.GetDeviceCaps(LOGPIXELSY);
  RECT frame = {0, 0, client.right * 2540 / px, client.bottom * 2540 / py};
  // The first painting of the program goes to the metafile: the shared bitmap is still made
  // like the screen's, and as large as the screen.
  CKelStrengthApp* app = GetKelStrengthApp();
  ASSERT_NE(app, nullptr);
  delete app->m_pOffscreenBitmap;
  app->m_pOffscreenBitmap = nullptr;
  CMetaFileDC mf;
  ASSERT_TRUE(mf.CreateEnhanced(&screen, NULL, &frame, "Quarvex\0Chart\0"));
  view->DrawOffscreen(&mf);
  ASSERT_NE(app->m_pOffscreenBitmap, nullptr);
  BITMAP shared = {};
  app->m_pOffscreenBitmap->GetBitmap(&shared);
  EXPECT_EQ(shared.bmBitsPixel, screen.GetDeviceCaps(BITSPIXEL));
  EXPECT_GE(shared.bmWidth, std::max<int>(client.right, screen.GetDeviceCaps(HORZRES)));
  EXPECT_GE(shared.bmHeight, std::max<int>(client.bottom, screen.GetDeviceCaps(VERTRES)));
  HENHMETAFILE emf = mf.CloseEnhanced();
  ASSERT_NE(emf, nullptr);
  Canvas played(client.right, client.bottom);
  ASSERT_TRUE(::PlayEnhMetaFile(played.Dc(), emf, &client));
  ::DeleteEnhMetaFile(emf);
  CHoekBrownCriterion& m = view->GetDocument()->m_hoekBrown;
  const double s3 = 0.5 * m.GetSig3Max();
  EXPECT_TRUE(ColourNear(played, ViewPixel(view, view->PrincipalChart(), s3, m.GetSig1(s3)), kRed));
  EXPECT_EQ(played.Pixel(client.right - 2, 2), RGB(255, 255, 255));
}

// Before its first update a view has no charts: it paints white, without text or icons.
TEST_F(ViewCommands, AViewWithoutChartsPaintsWhite) {
  CKelStrengthView* bare = new CKelStrengthView;  // deleted when its window goes
  ASSERT_TRUE(bare->Create(nullptr, "", WS_CHILD, CRect(0, 0, 300, 200), program.Frame(), 4321));
  auto canvas = PaintView(bare);
  EXPECT_EQ(canvas->Count(0, 0, 300, 200, RGB(255, 255, 255)), 300 * 200);
  EXPECT_FALSE(bare->Icons().Drawn(0) || bare->Icons().Drawn(1));
  bare->DestroyWindow();
}

// What the side bar is told: the active view's document, and nothing kept once a document's
// last view is gone.
class RecordingSideBar : public ISideBarSink {
 public:
  void RefreshFromDocument() override {}
  void ApplyParameters(int, BOOL) override {}
  void EnableControls(BOOL) override {}
  void ShowResults() override {}
  void AttachDocument(CView*, CKelStrengthDoc* document, BOOL activate) override {
    if (activate)
      attached = document;
    else if (document == attached)
      attached = nullptr;
  }
  int GetPanelWidth() override { return 200; }
  CKelStrengthDoc* attached = nullptr;
};

TEST_F(ViewCommands, ActivationHandsTheDocumentToTheSideBar) {
  RecordingSideBar bar;
  CMainFrame* frame = program.Frame();
  ISideBarSink* real = frame->GetSideBar();
  frame->SetSideBar(&bar);
  CKelStrengthView* first = Open("hb", HoekBrownProject);
  CKelStrengthView* second = Open("mc", MohrCoulombProject);
  ASSERT_TRUE(first && second);
  CKelStrengthDoc* firstDoc = first->GetDocument();
  EXPECT_EQ(bar.attached, second->GetDocument());
  frame->MDIActivate(first->GetParentFrame());
  program.Pump();
  EXPECT_EQ(bar.attached, firstDoc);
  // Both windows close one after the other, while their charts hold data.
  first->GetParentFrame()->SendMessage(WM_CLOSE);
  program.Pump();
  EXPECT_NE(bar.attached, firstDoc);
  ActiveChartView(program)->GetParentFrame()->SendMessage(WM_CLOSE);
  program.Pump();
  EXPECT_EQ(bar.attached, nullptr);
  EXPECT_EQ(program.DocumentCount(), 0);
  frame->SetSideBar(real);
  EXPECT_EQ(program.Exit(), 0);
}

}  // namespace
