// Clipping and dashing in double precision, so that coordinates reach the drawing calls
// already inside the plot area whatever the data hold.
#ifndef QUARVEX_CHART_CORE_CHARTCLIP_H
#define QUARVEX_CHART_CORE_CHARTCLIP_H

#include <vector>

namespace qxchart {

struct PointD {
  double x = 0;
  double y = 0;
};

// Axis-aligned rectangle, x0 <= x1 and y0 <= y1.
struct RectD {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

typedef std::vector<PointD> PolyRun;

// Clips the segment a-b to r (edges included). False when nothing of it is inside. Safe for any
// finite coordinates, up to the largest doubles. enteredA / leftB tell whether a or b moved.
bool ClipSegment(PointD* a, PointD* b, const RectD& r, bool* movedA = nullptr,
                 bool* movedB = nullptr);

// Cuts the polyline (x[i], y[i]) into the connected runs that lie inside r. A point with a
// coordinate that is not finite is a hole and ends the run; a single point between holes
// gives no run. Runs are appended to out.
void ClipPolyline(const double* x, const double* y, int n, const RectD& r,
                  std::vector<PolyRun>* out);

// Splits a run into the "on" pieces of a dash pattern (alternating on and off lengths, each
// multiplied by unit), the pattern running on across the corners. Appends to out. With no
// pattern, or when the pieces would pass maxPieces, the whole run is appended unbroken.
void DashRun(const PolyRun& run, const double* lengths, int count, double unit,
             std::vector<PolyRun>* out, std::size_t maxPieces = 200000);

}  // namespace qxchart

#endif
