// The view's commands: zoom, axis lock, which plots are shown, the Mohr-Coulomb overlay, the
// test data, and the chart picture on the clipboard. They change this view only.
#include "document/KelStrengthDoc.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DeviceContext.h"
#include "view/KelStrengthView.h"

using namespace qxchart;

void CKelStrengthView::OnZoomIn() {
  m_state.ZoomIn();
  RedrawPlots();
}

void CKelStrengthView::OnZoomOut() {
  m_state.ZoomOut();
  RedrawPlots();
}

void CKelStrengthView::OnZoomSurface() {
  m_state.ResetZoom(true);
  for (CChart2D* chart : {&m_principalChart, &m_shearChart})
    if (Chart* c = chart->GetChart()) c->CallAction(kActionResetZoom);
  RedrawPlots();
}

void CKelStrengthView::OnZoomExtents() {
  m_state.ResetZoom(false);
  for (CChart2D* chart : {&m_principalChart, &m_shearChart})
    if (Chart* c = chart->GetChart()) c->CallAction(kActionResetZoom);
  RedrawPlots();
}

void CKelStrengthView::OnUpdateZoom(CCmdUI* ui) {
  ui->Enable(m_state.ZoomEnabled());
}

void CKelStrengthView::OnLockAxes() {
  m_state.ToggleLock();
}

void CKelStrengthView::OnUpdateLockAxes(CCmdUI* ui) {
  ui->SetCheck(m_state.axesLocked ? 1 : 0);
}

void CKelStrengthView::OnPrincipalStressPlot() {
  m_state.ShowPlots(true, false);
  LayoutPlots();
}

void CKelStrengthView::OnUpdatePrincipalStressPlot(CCmdUI* ui) {
  ui->SetCheck(m_state.OnlyPrincipalShown() ? 1 : 0);
}

void CKelStrengthView::OnNormalShearPlot() {
  m_state.ShowPlots(false, true);
  LayoutPlots();
}

void CKelStrengthView::OnUpdateNormalShearPlot(CCmdUI* ui) {
  ui->SetCheck(m_state.OnlyShearShown() ? 1 : 0);
}

void CKelStrengthView::OnPlotBoth() {
  m_state.ShowPlots(true, true);
  LayoutPlots();
}

void CKelStrengthView::OnUpdatePlotBoth(CCmdUI* ui) {
  ui->SetCheck(m_state.BothShown() ? 1 : 0);
}

void CKelStrengthView::OnMohrCoulombEnvelope() {
  m_state.mohrCoulombOverlay = !m_state.mohrCoulombOverlay;
  RedrawPlots();
}

void CKelStrengthView::OnUpdateMohrCoulombEnvelope(CCmdUI* ui) {
  CKelStrengthDoc* doc = GetDocument();
  const bool enabled = doc && MohrCoulombOverlayEnabled(doc->m_nCriterion);
  ui->Enable(enabled);
  ui->SetCheck(enabled && m_state.mohrCoulombOverlay ? 1 : 0);
}

void CKelStrengthView::OnPlotTestData() {
  m_state.plotTestData = !m_state.plotTestData;
  RedrawPlots();
}

void CKelStrengthView::OnUpdatePlotTestData(CCmdUI* ui) {
  ui->Enable(GetDocument() && PlotTestDataEnabled(MakePlotDocument()));
  ui->SetCheck(m_state.plotTestData ? 1 : 0);
}

void CKelStrengthView::OnEditCopy() {
  RECT rc;
  GetClientRect(&rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  CClientDC client(this);
  CDC mem;
  if (!mem.CreateCompatibleDC(&client)) return;
  CBitmap bitmap;
  if (!bitmap.CreateCompatibleBitmap(&client, width, height)) return;
  mem.SetMapMode(MM_TEXT);
  CBitmap* old = mem.SelectObject(&bitmap);
  mem.SelectClipRgn(nullptr);
  // White first: what the charts do not cover is not left undefined.
  mem.FillSolidRect(&rc, RGB(255, 255, 255));
  int x = 0;
  if (Chart* c = m_principalChart.GetChart()) {
    RECT cr;
    m_principalChart.GetClientRect(&cr);
    if (cr.right > 0) {
      c->DrawToDC(mem.m_hDC, 1, kDrawDeviceUnits, 0, 0, cr.right, cr.bottom);
      x = cr.right;
    }
  }
  if (Chart* c = m_shearChart.GetChart()) {
    RECT cr;
    m_shearChart.GetClientRect(&cr);
    if (cr.right > 0) c->DrawToDC(mem.m_hDC, 1, kDrawDeviceUnits, x, 0, cr.right, cr.bottom);
  }
  DrawResultsText(&mem);
  DrawDataMarkers(&mem);
  mem.SelectObject(old);

  // The clipboard takes the bitmap; when it does not, the copy is dropped without a message.
  if (OpenClipboard()) {
    if (::EmptyClipboard() && ::SetClipboardData(CF_BITMAP, bitmap.m_hObject)) bitmap.Detach();
    ::CloseClipboard();
  }
}
