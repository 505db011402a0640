// The chart view's stress samplers: their commands, the mouse that places and drags their
// lines, their refresh after each plot build, and the view's context menu.
#include "controls/OwnerDrawMenu.h"
#include "document/KelStrengthDoc.h"
#include "framework/win/CmdUI.h"
#include "res/ShellResources.h"
#include "res/ViewResources.h"
#include "shell/KelStrengthApp.h"
#include "view/KelStrengthView.h"

using namespace qxchart;

namespace {

SamplerChart SamplerSide(CChart2D& chart, ChartTextArea* label, bool shown) {
  SamplerChart side;
  if (Chart* c = chart.GetChart()) {
    side.model = &c->Model();
    HFONT font = nullptr;
    if (c->GetFont(prop::kFont, &font)) side.font = font;
  }
  side.label = label;
  side.plotShown = shown;
  return side;
}

}  // namespace

SamplerContext CKelStrengthView::MakeSamplerContext(PlotDocument* doc) {
  SamplerContext ctx;
  if (GetDocument()) {
    *doc = MakePlotDocument();
    ctx.doc = doc;
  }
  ctx.principal = SamplerSide(m_principalChart, m_pPrincipalTextArea, m_state.showPrincipalPlot);
  ctx.shear = SamplerSide(m_shearChart, m_pShearTextArea, m_state.showShearPlot);
  ctx.mohrCoulombOverlay = m_state.mohrCoulombOverlay;
  const CKelStrengthApp* app = GetKelStrengthApp();
  ctx.grayscale = app && app->m_bGrayscale;
  if (m_hWnd && m_shearChart.m_hWnd) {
    // Where the shear chart lies in this view's client area.
    RECT rc;
    ::GetWindowRect(m_shearChart.m_hWnd, &rc);
    POINT corner = {rc.left, rc.top};
    ::ScreenToClient(m_hWnd, &corner);
    ctx.shearOffsetX = corner.x;
    ctx.shearOffsetY = corner.y;
  }
  return ctx;
}

void CKelStrengthView::ResetSamplers() {
  PlotDocument doc;
  m_sampler.Reset(MakeSamplerContext(&doc));
}

void CKelStrengthView::RefreshSamplers(int which) {
  PlotDocument doc;
  const SamplerContext ctx = MakeSamplerContext(&doc);
  if (which == 1) m_sampler.RefreshPrincipal(ctx);
  if (which == 2) m_sampler.RefreshShear(ctx);
}

void CKelStrengthView::ShowSampler(bool on) {
  if (!on) m_bSamplePending = false;
  PlotDocument doc;
  m_sampler.Show(on, MakeSamplerContext(&doc));
  if (m_hWnd) Invalidate(FALSE);
}

void CKelStrengthView::MoveSamplerTo(int x, int y) {
  PlotDocument doc;
  m_sampler.TakePoint(x, y, MakeSamplerContext(&doc), true);
}

// ---- commands -------------------------------------------------------------------------------

void CKelStrengthView::OnStressSampler() {
  PlotDocument doc;
  m_sampler.OnStressSamplerCommand(MakeSamplerContext(&doc));
  if (!m_sampler.IsShown()) m_bSamplePending = false;
  Invalidate(FALSE);
}

void CKelStrengthView::OnUpdateStressSampler(CCmdUI* ui) {
  ui->SetCheck(m_sampler.StressSamplerChecked() ? 1 : 0);
}

void CKelStrengthView::OnInstantaneousSampler() {
  PlotDocument doc;
  m_sampler.OnInstantaneousSamplerCommand(MakeSamplerContext(&doc));
  if (!m_sampler.IsShown()) m_bSamplePending = false;
  Invalidate(FALSE);
}

void CKelStrengthView::OnUpdateInstantaneousSampler(CCmdUI* ui) {
  CKelStrengthDoc* doc = GetDocument();
  const bool enabled = doc && StressSampler::InstantaneousSamplerEnabled(doc->m_nCriterion);
  ui->Enable(enabled);
  ui->SetCheck(enabled && m_sampler.InstantaneousSamplerChecked() ? 1 : 0);
}

// ---- the mouse ------------------------------------------------------------------------------

BOOL CKelStrengthView::SamplerButtonDown(CPoint point) {
  if (!m_sampler.IsShown()) return FALSE;
  PlotDocument doc;
  const SamplerContext ctx = MakeSamplerContext(&doc);
  if (!ctx.doc) return TRUE;
  if (m_sampler.TakePoint(point.x, point.y, ctx, false)) {
    SetCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
    m_bDraggingSampler = true;
    Invalidate(FALSE);
  }
  return TRUE;
}

BOOL CKelStrengthView::SamplerMouseMove(UINT flags, CPoint point) {
  if (!m_sampler.IsShown() || !m_bDraggingSampler) return FALSE;
  if (flags & MK_LBUTTON) {
    // Applied by the next paint, so a fast drag costs one rebuild of the lines per frame.
    m_ptPendingSample = {point.x, point.y};
    m_bSamplePending = true;
    Invalidate(FALSE);
  } else {
    ::ReleaseCapture();
    m_bDraggingSampler = false;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  }
  return TRUE;
}

void CKelStrengthView::SamplerButtonUp() {
  if (!m_bDraggingSampler) return;
  m_bSamplePending = false;
  ::ReleaseCapture();
  m_bDraggingSampler = false;
}

// ---- context menu ---------------------------------------------------------------------------

void CKelStrengthView::OnRButtonDown(UINT flags, CPoint point) {
  CKelStrengthDoc* doc = GetDocument();
  CWnd* main = AfxGetMainWnd();
  COwnerDrawMenu menu;
  const UINT id = doc && doc->m_nCriterion == CRITERION_MOHR_COULOMB ? IDR_CONTEXT_MOHR_COULOMB
                                                                     : IDR_CONTEXT_CURVED;
  if (main && menu.LoadMenu(id)) {
    if (CMenu* popup = menu.GetSubMenu("Default")) {
      POINT at = {point.x, point.y};
      ClientToScreen(&at);
      const UINT command = static_cast<UINT>(
          popup->TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, main));
      // A dismissed menu chooses nothing.
      if (command != 0) main->SendMessage(WM_COMMAND, command, 0);
    }
  }
  CView::OnRButtonDown(flags, point);
}
