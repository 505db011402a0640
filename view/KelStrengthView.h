// CKelStrengthView: the window of a project. It owns two hidden chart windows, the principal-
// stress plot and the normal-versus-shear-stress plot, side by side (40/60) or one alone, and
// never lets them paint: it composes both charts, the results text and the data-type icons in
// an off-screen bitmap shared by all views and copies that to the screen in one blit. Each
// document update rebuilds the shown plots; the commands here change only this view.
#pragma once

#include <memory>

#include "chart/Chart2D.h"
#include "framework/win/ImageList.h"
#include "framework/win/View.h"
#include "view/IconPlacement.h"
#include "view/PlotBuilder.h"
#include "view/PlotViewState.h"
#include "view/AnalysisReport.h"
#include "view/StressSampler.h"

class CCmdUI;
class CKelStrengthDoc;

// The plots' view of a document: its criterion, redraw hint and models.
PlotDocument PlotDocumentOf(CKelStrengthDoc& doc);

class CKelStrengthView : public CView, private PlotBuildHooks {
  DECLARE_DYNCREATE(CKelStrengthView)
 public:
  CKelStrengthView();
  ~CKelStrengthView() override;

  CKelStrengthDoc* GetDocument() const;

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
  // The first update creates the charts; every update rebuilds the shown plots.
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  void OnDraw(CDC* dc) override;

  // Points per envelope curve: the printing override when set, else the display setting.
  int GetPlotPointCount() const;
  // Places the charts, invalidates the view and rebuilds the shown plots.
  void LayoutPlots();
  // Rebuilds the shown plots and invalidates the view.
  void RedrawPlots();
  // Places the two chart windows in the client area (see ArrangePlots of PlotGeometry.h).
  void ArrangePlots();
  // Paints the whole view into dc through the shared off-screen bitmap.
  void DrawOffscreen(CDC* dc);
  // The results summary and the data-type icons, into any device context.
  void DrawResultsText(CDC* dc);
  void DrawDataMarkers(CDC* dc);
  // Turns the pure blue of a picture black (the grayscale pictures).
  static void MakeBlackIconBitmap(CBitmap* bitmap);

  void BuildPrincipalPlot();
  void BuildNormalShearPlot();
  // 1 principal, 2 shear, 3 both: the chart font for this view's size.
  void SetChartFonts(int which) override;
  // Switches the samplers off without repainting (the criterion changed).
  void ResetSamplers() override;

  // The samplers (KelStrengthViewSampler.cpp): on or off, a mouse position applied, and what
  // they read of this view.
  void ShowSampler(bool on);
  void MoveSamplerTo(int x, int y);
  SamplerContext MakeSamplerContext(PlotDocument* doc);
  const StressSampler& Sampler() const { return m_sampler; }

  // What the plots read of the document and the application.
  PlotDocument MakePlotDocument() const;
  PlotDisplay MakePlotDisplay() const;

  const PlotViewState& State() const { return m_state; }
  CChart2D& PrincipalChart() { return m_principalChart; }
  CChart2D& ShearChart() { return m_shearChart; }
  const IconPlacement& Icons() const { return m_icons; }

  // Points per curve while printing (-1 otherwise).
  int m_nPointCountOverride = -1;

  // Reports and exports (view/KelStrengthViewOutputs.cpp). The analysis report of the
  // document's criterion to the clipboard, or to a new workbook with tables and charts.
  void ExportReport(BOOL toSpreadsheet);
  // What the report takes from this view: points per curve, plots shown, axis titles.
  ReportView MakeReportView();

  // Printing (view/KelStrengthViewPrinting.cpp): one page, the charts and the results text
  // laid out as on a window of the printable area's size.
  BOOL OnPreparePrinting(CPrintInfo* info) override;
  void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
  void OnPrint(CDC* dc, CPrintInfo* info) override;
  void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

 protected:
  void RefreshSamplers(int which) override;
  // The samplers' share of the mouse: TRUE when they took the message.
  BOOL SamplerButtonDown(CPoint point);
  BOOL SamplerMouseMove(UINT flags, CPoint point);
  void SamplerButtonUp();
  PlotBuildContext Context(const PlotDocument& doc, const PlotDisplay& display);
  // The chart font of the results text: the principal chart's when that plot is shown.
  HFONT ResultsFont();
  // Detaches and frees the data objects, the text areas and the charts.
  void DestroyCharts();

  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnStressSampler();
  afx_msg void OnUpdateStressSampler(CCmdUI* ui);
  afx_msg void OnInstantaneousSampler();
  afx_msg void OnUpdateInstantaneousSampler(CCmdUI* ui);

  // View commands.
  afx_msg void OnZoomIn();
  afx_msg void OnZoomOut();
  afx_msg void OnZoomSurface();
  afx_msg void OnZoomExtents();
  afx_msg void OnUpdateZoom(CCmdUI* ui);
  afx_msg void OnLockAxes();
  afx_msg void OnUpdateLockAxes(CCmdUI* ui);
  afx_msg void OnPrincipalStressPlot();
  afx_msg void OnUpdatePrincipalStressPlot(CCmdUI* ui);
  afx_msg void OnNormalShearPlot();
  afx_msg void OnUpdateNormalShearPlot(CCmdUI* ui);
  afx_msg void OnPlotBoth();
  afx_msg void OnUpdatePlotBoth(CCmdUI* ui);
  afx_msg void OnMohrCoulombEnvelope();
  afx_msg void OnUpdateMohrCoulombEnvelope(CCmdUI* ui);
  afx_msg void OnPlotTestData();
  afx_msg void OnUpdatePlotTestData(CCmdUI* ui);
  afx_msg void OnEditCopy();
  afx_msg void OnCopyData();
  afx_msg void OnExportExcel();
  afx_msg void OnExportImage();
  afx_msg void OnExportShearNormalFunction();
  afx_msg void OnFilePrint();
  afx_msg void OnFilePrintPreview();
  DECLARE_MESSAGE_MAP()

  CChart2D m_principalChart;
  CChart2D m_shearChart;
  std::unique_ptr<qxchart::ChartData> m_pPrincipalData;
  std::unique_ptr<qxchart::ChartData> m_pShearData;
  qxchart::ChartTextArea* m_pPrincipalTextArea = nullptr;
  qxchart::ChartTextArea* m_pShearTextArea = nullptr;
  PlotViewState m_state;
  IconPlacement m_icons;
  CImageList m_markerImages;
  // The size of the shared off-screen bitmap this view last needed.
  int m_nBitmapWidth = -1;
  int m_nBitmapHeight = -1;
  // The off-screen bitmap when no application object holds one (tests).
  CBitmap* m_pOwnOffscreenBitmap = nullptr;
  // The samplers, a drag of their line, and the mouse position the next paint applies.
  StressSampler m_sampler;
  bool m_bDraggingSampler = false;
  POINT m_ptPendingSample = {0, 0};
  bool m_bSamplePending = false;
};
