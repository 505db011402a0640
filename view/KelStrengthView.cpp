#include "view/KelStrengthView.h"

#include <algorithm>

#include "document/KelStrengthDoc.h"
#include "document/MainSideBar.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/MessageMap.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "view/MarkerImages.h"
#include "view/PlotGeometry.h"
#include "view/ResultsTextPainter.h"

using namespace qxchart;

IMPLEMENT_DYNCREATE(CKelStrengthView, CView)

BEGIN_MESSAGE_MAP(CKelStrengthView, CView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_SETCURSOR()
ON_WM_RBUTTONDOWN()
ON_COMMAND(ID_ANALYSIS_STRESS_SAMPLER, &CKelStrengthView::OnStressSampler)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_STRESS_SAMPLER, &CKelStrengthView::OnUpdateStressSampler)
ON_COMMAND(ID_ANALYSIS_INSTANT_SAMPLER, &CKelStrengthView::OnInstantaneousSampler)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_INSTANT_SAMPLER, &CKelStrengthView::OnUpdateInstantaneousSampler)
ON_COMMAND(ID_VIEW_ZOOM_EXTENTS, &CKelStrengthView::OnZoomExtents)
ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_EXTENTS, &CKelStrengthView::OnUpdateZoom)
ON_COMMAND(ID_ANALYSIS_PRINCIPAL_PLOT, &CKelStrengthView::OnPrincipalStressPlot)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_PRINCIPAL_PLOT, &CKelStrengthView::OnUpdatePrincipalStressPlot)
ON_COMMAND(ID_ANALYSIS_NORMAL_SHEAR_PLOT, &CKelStrengthView::OnNormalShearPlot)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_NORMAL_SHEAR_PLOT, &CKelStrengthView::OnUpdateNormalShearPlot)
ON_COMMAND(ID_ANALYSIS_MC_ENVELOPE, &CKelStrengthView::OnMohrCoulombEnvelope)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_MC_ENVELOPE, &CKelStrengthView::OnUpdateMohrCoulombEnvelope)
ON_COMMAND(ID_EDIT_COPY, &CKelStrengthView::OnEditCopy)
ON_COMMAND(ID_VIEW_ZOOM_IN, &CKelStrengthView::OnZoomIn)
ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_IN, &CKelStrengthView::OnUpdateZoom)
ON_COMMAND(ID_VIEW_ZOOM_OUT, &CKelStrengthView::OnZoomOut)
ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_OUT, &CKelStrengthView::OnUpdateZoom)
ON_COMMAND(ID_VIEW_ZOOM_SURFACE, &CKelStrengthView::OnZoomSurface)
ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_SURFACE, &CKelStrengthView::OnUpdateZoom)
ON_COMMAND(ID_VIEW_LOCK_AXES, &CKelStrengthView::OnLockAxes)
ON_UPDATE_COMMAND_UI(ID_VIEW_LOCK_AXES, &CKelStrengthView::OnUpdateLockAxes)
ON_COMMAND(ID_ANALYSIS_PLOT_BOTH, &CKelStrengthView::OnPlotBoth)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_PLOT_BOTH, &CKelStrengthView::OnUpdatePlotBoth)
ON_COMMAND(ID_ANALYSIS_PLOT_TEST_DATA, &CKelStrengthView::OnPlotTestData)
ON_UPDATE_COMMAND_UI(ID_ANALYSIS_PLOT_TEST_DATA, &CKelStrengthView::OnUpdatePlotTestData)
// Reports, exports and printing.
ON_COMMAND(ID_EDIT_COPY_DATA, &CKelStrengthView::OnCopyData)
ON_COMMAND(ID_EXPORT_EXCEL, &CKelStrengthView::OnExportExcel)
ON_COMMAND(ID_FILE_EXPORT_IMAGE, &CKelStrengthView::OnExportImage)
ON_COMMAND(ID_FILE_EXPORT_SHEAR_FUNCTION, &CKelStrengthView::OnExportShearNormalFunction)
ON_COMMAND(ID_FILE_PRINT, &CKelStrengthView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, &CKelStrengthView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CKelStrengthView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

// The text area each chart carries for its sampler's label.
ChartTextArea* CreateSamplerLabel(Chart* chart) {
  ChartTextArea* area = chart->CreateTextArea();
  area->SetInt(prop::kAreaAttach, 1);
  area->SetInt(prop::kAreaBorder, 5);
  area->SetColor(prop::kBackground, ChartRgb(255, 251, 240));
  area->SetInt(prop::kAreaAdjust, 4);
  area->SetInt(prop::kAreaShown, 1);
  return area;
}

int ClientWidth(const CWnd& wnd) {
  if (!wnd.m_hWnd) return 0;
  RECT rc;
  wnd.GetClientRect(&rc);
  return rc.right - rc.left;
}

}  // namespace

CKelStrengthView::CKelStrengthView() {
  CreateMarkerImages(&m_markerImages);
}

CKelStrengthView::~CKelStrengthView() {
  DestroyCharts();
  m_markerImages.DeleteImageList();
  delete m_pOwnOffscreenBitmap;
}

void CKelStrengthView::DestroyCharts() {
  // Each chart lets go of its data before the data object is freed: the samplers' too.
  PlotDocument doc;
  m_sampler.Release(MakeSamplerContext(&doc));
  if (Chart* c = m_principalChart.GetChart()) c->SetData(prop::kData, nullptr);
  if (Chart* c = m_shearChart.GetChart()) c->SetData(prop::kData, nullptr);
  m_pPrincipalData.reset();
  m_pShearData.reset();
  if (Chart* c = m_principalChart.GetChart()) c->DestroyTextArea(m_pPrincipalTextArea);
  if (Chart* c = m_shearChart.GetChart()) c->DestroyTextArea(m_pShearTextArea);
  m_pPrincipalTextArea = m_pShearTextArea = nullptr;
  m_shearChart.Destroy();
  m_principalChart.Destroy();
}

CKelStrengthDoc* CKelStrengthView::GetDocument() const {
  return dynamic_cast<CKelStrengthDoc*>(CView::GetDocument());
}

BOOL CKelStrengthView::PreCreateWindow(CREATESTRUCTA& cs) {
  return CView::PreCreateWindow(cs);
}

void CKelStrengthView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) {
  CView::OnActivateView(activate, activateView, deactiveView);
  if (!AfxGetMainWnd()) return;
  if (ISideBarSink* bar = AfxGetSideBar()) bar->AttachDocument(this, GetDocument(), activate);
}

// ---- what the plots read -------------------------------------------------------------------

PlotDocument PlotDocumentOf(CKelStrengthDoc& doc) {
  PlotDocument d;
  d.criterion = doc.m_nCriterion;
  d.redrawHint = doc.m_nRedrawHint;
  d.hoekBrown = &doc.m_hoekBrown;
  d.mohrCoulomb = &doc.m_mohrCoulomb;
  d.bartonBandis = &doc.m_bartonBandis;
  d.powerCurve = &doc.m_powerCurve;
  return d;
}

PlotDocument CKelStrengthView::MakePlotDocument() const {
  CKelStrengthDoc* doc = GetDocument();
  return doc ? PlotDocumentOf(*doc) : PlotDocument();
}

PlotDisplay CKelStrengthView::MakePlotDisplay() const {
  PlotDisplay d;
  const CKelStrengthApp* app = GetKelStrengthApp();
  if (!app) return d;
  const CDisplaySettings& s = app->m_displaySettings;
  d.lineWidth = s.m_nLineWidth;
  d.axesLineWidth = s.m_nAxesLineWidth;
  d.fontPointSize = s.m_nFontPointSize;
  d.pointCountIndex = s.m_nPlotPointsIndex;
  d.gridOverlay = s.m_bGridOverlay != FALSE;
  d.boundingBox = s.m_bBoundingBox != FALSE;
  d.showMogi = s.m_bShowMogi != FALSE;
  d.crop = s.m_bCropAxes != FALSE;
  d.justify = ClampJustify(s.m_nJustify);
  d.grayscale = app->m_bGrayscale != FALSE;
  d.hbColor = app->m_crHoekBrown;
  d.mcColor = app->m_crMohrCoulomb;
  d.hbColorGray = app->m_crHoekBrownGray;
  d.mcColorGray = app->m_crMohrCoulombGray;
  return d;
}

int CKelStrengthView::GetPlotPointCount() const {
  const CKelStrengthApp* app = GetKelStrengthApp();
  return ::GetPlotPointCount(m_nPointCountOverride,
                             app ? app->m_displaySettings.m_nPlotPointsIndex : 3);
}

PlotBuildContext CKelStrengthView::Context(const PlotDocument& doc, const PlotDisplay& display) {
  return PlotBuildContext{doc, display, m_state, GetPlotPointCount(), *this};
}

// ---- charts and layout ---------------------------------------------------------------------

void CKelStrengthView::OnUpdate(CView*, LPARAM, CObject*) {
  if (!m_principalChart.m_hWnd && !m_shearChart.m_hWnd) {
    RECT rc;
    GetClientRect(&rc);
    // Hidden children: the view paints what they show.
    for (CChart2D* chart : {&m_principalChart, &m_shearChart}) {
      if (!chart->Create("", WS_CHILD, rc, this, 0)) continue;
      chart->GetChart()->SetInt(prop::kRepaint, 0);
    }
    if (Chart* c = m_principalChart.GetChart()) m_pPrincipalTextArea = CreateSamplerLabel(c);
    if (Chart* c = m_shearChart.GetChart()) m_pShearTextArea = CreateSamplerLabel(c);
    LayoutPlots();
    RedrawPlots();
    return;
  }
  LayoutPlots();
}

void CKelStrengthView::ArrangePlots() {
  RECT rc;
  GetClientRect(&rc);
  PlotRect client;
  client.left = rc.left, client.top = rc.top, client.right = rc.right, client.bottom = rc.bottom;
  const PlotArrangement a = ::ArrangePlots(client, m_state.showPrincipalPlot, m_state.showShearPlot);
  // Every document update arranges the plots again; a chart already in place is left alone,
  // which spares a round trip to the window system for each.
  auto place = [this](CChart2D& chart, const PlotRect& r) {
    if (!chart.m_hWnd) return;
    RECT now;
    ::GetWindowRect(chart.m_hWnd, &now);
    ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&now), 2);
    if (now.left == r.left && now.top == r.top && now.right - now.left == r.Width() &&
        now.bottom - now.top == r.Height())
      return;
    chart.SetWindowPos(nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(m_principalChart, a.principal);
  place(m_shearChart, a.shear);
}

void CKelStrengthView::LayoutPlots() {
  ArrangePlots();
  RedrawPlots();
}

void CKelStrengthView::RedrawPlots() {
  if (m_hWnd) Invalidate(TRUE);
  if (!GetDocument()) return;
  if (m_state.showPrincipalPlot && m_principalChart.GetChart()) BuildPrincipalPlot();
  if (m_state.showShearPlot && m_shearChart.GetChart()) BuildNormalShearPlot();
}

void CKelStrengthView::BuildPrincipalPlot() {
  Chart* chart = m_principalChart.GetChart();
  if (!chart || !GetDocument()) return;
  const PlotDocument doc = MakePlotDocument();
  const PlotDisplay display = MakePlotDisplay();
  ::BuildPrincipalPlot(chart->Model(), m_pPrincipalData, Context(doc, display));
}

void CKelStrengthView::BuildNormalShearPlot() {
  Chart* chart = m_shearChart.GetChart();
  Chart* principal = m_principalChart.GetChart();
  if (!chart || !principal || !GetDocument()) return;
  const PlotDocument doc = MakePlotDocument();
  const PlotDisplay display = MakePlotDisplay();
  ::BuildNormalShearPlot(chart->Model(), principal->Model(), m_pShearData, Context(doc, display));
}

void CKelStrengthView::SetChartFonts(int which) {
  const CKelStrengthApp* app = GetKelStrengthApp();
  CDisplaySettings defaults;
  const CDisplaySettings& s = app ? app->m_displaySettings : defaults;
  RECT rc = {0, 0, 0, 0};
  if (m_hWnd) GetClientRect(&rc);
  const int size = ChartFontPointSize(rc.right - rc.left, rc.bottom - rc.top, s.m_nFontPointSize);
  const std::string text = ChartFontText(s.m_lfChartFont.lfFaceName, size,
                                         s.m_lfChartFont.lfWeight, s.m_lfChartFont.lfItalic != 0);
  const struct {
    int bit;
    CChart2D* chart;
    bool shown;
  } charts[] = {{1, &m_principalChart, m_state.showPrincipalPlot},
                {2, &m_shearChart, m_state.showShearPlot}};
  for (const auto& c : charts) {
    Chart* chart = c.chart->GetChart();
    if (!(which & c.bit) || !chart || !c.shown) continue;
    chart->SetFontText(prop::kFont, text.c_str());
    HFONT font = nullptr;
    if (chart->GetFont(prop::kFont, &font)) chart->SetFont(prop::kTitleFont, font);
  }
}

void CKelStrengthView::OnSize(UINT type, int cx, int cy) {
  // A new size rescales the plots even while the axes are locked.
  const bool locked = m_state.axesLocked;
  m_state.axesLocked = false;
  CView::OnSize(type, cx, cy);
  SetChartFonts(3);
  LayoutPlots();
  m_state.axesLocked = locked;
}

BOOL CKelStrengthView::OnEraseBkgnd(CDC*) {
  return FALSE;  // painting covers the whole client area
}

// ---- painting ------------------------------------------------------------------------------

void CKelStrengthView::OnDraw(CDC* dc) {
  // A sampler line dragged since the last paint moves first.
  if (m_bSamplePending) {
    m_bSamplePending = false;
    MoveSamplerTo(m_ptPendingSample.x, m_ptPendingSample.y);
  }
  DrawOffscreen(dc);
}

void CKelStrengthView::DrawOffscreen(CDC* dc) {
  RECT rc;
  GetClientRect(&rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  // Composed like the screen, whatever device (printer, metafile) the result goes to.
  CDC mem;
  if (!mem.CreateCompatibleDC(nullptr)) return;

  // One bitmap serves every view: made as large as the device and the view, and replaced when
  // a view is larger than it (a view wider than its screen). It is always made like the
  // screen's, whatever device this painting goes to.
  CKelStrengthApp* app = GetKelStrengthApp();
  CBitmap*& shared = app ? app->m_pOffscreenBitmap : m_pOwnOffscreenBitmap;
  const int needW = std::max(dc->GetDeviceCaps(HORZRES), width);
  const int needH = std::max(dc->GetDeviceCaps(VERTRES), height);
  m_nBitmapWidth = needW;
  m_nBitmapHeight = needH;
  if (shared) {
    BITMAP info = {};
    shared->GetBitmap(&info);
    if (info.bmWidth < width || info.bmHeight < height) {
      delete shared;
      shared = nullptr;
    }
  }
  if (!shared) {
    shared = new CBitmap;
    HDC screen = ::GetDC(nullptr);
    shared->Attach(::CreateCompatibleBitmap(screen, needW, needH));
    ::ReleaseDC(nullptr, screen);
    if (!shared->m_hObject) {
      delete shared;
      shared = nullptr;
      return;
    }
  }

  mem.SetMapMode(MM_TEXT);
  CBitmap* old = mem.SelectObject(shared);
  mem.SelectClipRgn(nullptr);
  mem.FillSolidRect(&rc, RGB(255, 255, 255));
  int x = 0;
  if (Chart* c = m_principalChart.GetChart()) {
    const int w = ClientWidth(m_principalChart);
    if (w > 0) {
      c->DrawToDC(mem.m_hDC, 3, 1, 0, 0, w, height);
      x = w;
    }
  }
  if (Chart* c = m_shearChart.GetChart()) {
    const int w = ClientWidth(m_shearChart);
    if (w > 0) c->DrawToDC(mem.m_hDC, 3, 1, x, 0, w, height);
  }
  if ((m_principalChart.GetChart() && m_state.showPrincipalPlot) ||
      (m_shearChart.GetChart() && m_state.showShearPlot)) {
    DrawResultsText(&mem);
    DrawDataMarkers(&mem);
  }
  dc->BitBlt(0, 0, width, height, &mem, 0, 0, SRCCOPY);
  mem.SelectObject(old);
}

HFONT CKelStrengthView::ResultsFont() {
  Chart* chart = m_state.showPrincipalPlot ? m_principalChart.GetChart() : m_shearChart.GetChart();
  HFONT font = nullptr;
  if (chart) chart->GetFont(prop::kFont, &font);
  return font;
}

void CKelStrengthView::DrawResultsText(CDC* dc) {
  CKelStrengthDoc* doc = GetDocument();
  if (!doc) return;
  const CKelStrengthApp* app = GetKelStrengthApp();
  CDisplaySettings defaults;
  const CDisplaySettings& s = app ? app->m_displaySettings : defaults;
  ResultsPaintInput in;
  in.doc = MakePlotDocument();
  in.decimals = ClampDecimalPlaces(s.m_nDecimalPlaces);
  in.projectData = s.m_bProjectData != FALSE;
  in.showTitle = s.m_bShowTitle != FALSE;
  in.title = doc->m_strTitle;
  RECT rc;
  GetClientRect(&rc);
  in.client.left = rc.left, in.client.top = rc.top, in.client.right = rc.right;
  in.client.bottom = rc.bottom;
  in.shearOnly = m_state.OnlyShearShown();
  if (in.shearOnly) {
    if (Chart* c = m_shearChart.GetChart()) {
      const ChartMapResult origin = c->Unmap(0.0, 0.0);
      if (origin.valid) in.shearOriginX = origin.pixelX;
    }
  }
  in.font = ResultsFont();
  PaintResultsText(dc, in);
}

void CKelStrengthView::DrawDataMarkers(CDC* dc) {
  const CKelStrengthApp* app = GetKelStrengthApp();
  const bool show = app ? app->m_displaySettings.m_bShowIcons != FALSE : true;
  const bool gray = app && app->m_bGrayscale;
  RECT view;
  GetWindowRect(&view);
  // The shear chart's icon first, then the principal chart's.
  const struct {
    int index;
    CChart2D* chart;
    bool shown;
  } icons[] = {{1, &m_shearChart, m_state.showShearPlot},
               {0, &m_principalChart, m_state.showPrincipalPlot}};
  for (const auto& icon : icons) {
    Chart* chart = icon.chart->GetChart();
    if (!show || !icon.shown || !chart || !icon.chart->m_hWnd) {
      m_icons.Hide(icon.index);
      continue;
    }
    RECT rc;
    icon.chart->GetWindowRect(&rc);
    double xMax = 0;
    chart->GetDouble(prop::kXMax, &xMax);
    const ChartMapResult p = chart->Unmap(xMax, 0.0);
    if (!p.valid) {
      m_icons.Hide(icon.index);
      continue;
    }
    m_icons.Place(icon.index, p.pixelX, p.pixelY, rc.left - view.left, rc.top - view.top);
    const IconPoint at = m_icons.DrawAt(icon.index);
    ImageList_Draw(m_markerImages, icon.index + (gray ? 2 : 0), dc->m_hDC, at.x, at.y,
                   ILD_TRANSPARENT);
  }
}

void CKelStrengthView::MakeBlackIconBitmap(CBitmap* bitmap) {
  ::MakeBlackIconBitmap(bitmap);
}

// ---- icon dragging -------------------------------------------------------------------------

void CKelStrengthView::OnLButtonDown(UINT flags, CPoint point) {
  if (SamplerButtonDown(point)) {
    CView::OnLButtonDown(flags, point);
    return;
  }
  if (m_icons.Press(IconPoint{point.x, point.y})) {
    SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
  }
  CView::OnLButtonDown(flags, point);
}

void CKelStrengthView::OnMouseMove(UINT flags, CPoint point) {
  if (SamplerMouseMove(flags, point)) {
    CView::OnMouseMove(flags, point);
    return;
  }
  const IconPoint p{point.x, point.y};
  if (!m_icons.Dragged()) {
    const bool over = m_icons.Hover(p);
    ::SetCursor(::LoadCursor(nullptr, over ? IDC_SIZEALL : IDC_ARROW));
  } else if (flags & MK_LBUTTON) {
    m_icons.DragTo(p);
    Invalidate(FALSE);
  } else {
    // The button came up elsewhere: the drag ends where the icon is.
    ::ReleaseCapture();
    m_icons.Release();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  }
  CView::OnMouseMove(flags, point);
}

void CKelStrengthView::OnLButtonUp(UINT flags, CPoint point) {
  SamplerButtonUp();
  if (m_icons.Dragged()) {
    m_icons.DragTo(IconPoint{point.x, point.y});
    m_icons.Release();
    ::ReleaseCapture();
    Invalidate(FALSE);
  }
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  CView::OnLButtonUp(flags, point);
}

BOOL CKelStrengthView::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (m_icons.Hovering()) {
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
    return TRUE;
  }
  return CView::OnSetCursor(wnd, hitTest, message);
}
