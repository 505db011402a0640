// What one chart view keeps about its plots: zoom, zoom mode, axis lock, which plots are
// shown, the overlays, the extents and their locked copies, and the criterion it last plotted.
// Nothing of it is saved with the project. The view's commands change it here; whether a
// command is offered is decided here too.
#pragma once

#include "view/PlotExtents.h"
#include "view/PlotInputs.h"

struct PlotViewState {
  double zoomFactor = 1.0;
  bool surfaceMode = true;
  bool mohrCoulombOverlay = false;
  bool axesLocked = false;
  bool showShearPlot = true;
  bool showPrincipalPlot = true;
  bool plotTestData = false;

  PlotExtents principalExtents;
  PlotExtents shearExtents;
  PlotExtents lockedPrincipalExtents;
  PlotExtents lockedShearExtents;

  // The criterion this view last plotted (-1 before its first build): a change resets the
  // samplers of this view only.
  int lastPlottedCriterion = -1;

  // The ranges each plot last scaled to, kept for a rebuild that cannot scale (a plot with no
  // room, extents that show nothing).
  bool hasPrincipalRanges = false;
  AxisRanges principalRanges;
  bool hasShearRanges = false;
  AxisRanges shearRanges;

  // Zoom In / Zoom Out: the extents times 0.95 / 1.05.
  void ZoomIn() { zoomFactor *= 0.95; }
  void ZoomOut() { zoomFactor *= 1.05; }
  // Zoom Surface (surface = true) / Zoom Extents: back to factor 1 in that mode.
  void ResetZoom(bool surface) {
    zoomFactor = 1.0;
    surfaceMode = surface;
  }
  // Lock Axes toggles; both ways the live extents are copied, so a later lock starts fresh.
  void ToggleLock();
  void ShowPlots(bool principal, bool shear) {
    showPrincipalPlot = principal;
    showShearPlot = shear;
  }

  // Update rules of the commands.
  bool ZoomEnabled() const { return !axesLocked; }
  bool OnlyPrincipalShown() const { return showPrincipalPlot && !showShearPlot; }
  bool OnlyShearShown() const { return showShearPlot && !showPrincipalPlot; }
  bool BothShown() const { return showShearPlot && showPrincipalPlot; }
};

// The Mohr-Coulomb overlay is offered for the curved criteria only.
bool MohrCoulombOverlayEnabled(int criterion);

// Plot Test Data is offered when the current model has lab data, or for Hoek-Brown when its
// model has rock-mass data.
bool PlotTestDataEnabled(const PlotDocument& doc);
