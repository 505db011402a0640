#include "chart/core/ChartClip.h"

#include <algorithm>
#include <cmath>

namespace qxchart {

bool ClipSegment(PointD* a, PointD* b, const RectD& r, bool* movedA, bool* movedB) {
  // Liang-Barsky on halved coordinates: differences of halves never overflow.
  const double ax = a->x * 0.5, ay = a->y * 0.5;
  const double dx = b->x * 0.5 - ax;
  const double dy = b->y * 0.5 - ay;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - r.x0 * 0.5, r.x1 * 0.5 - ax, ay - r.y0 * 0.5, r.y1 * 0.5 - ay};
  double t0 = 0.0, t1 = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  if (t0 > t1) return false;
  auto clampX = [&](double v) { return std::min(r.x1, std::max(r.x0, v)); };
  auto clampY = [&](double v) { return std::min(r.y1, std::max(r.y0, v)); };
  const PointD na{clampX((ax + t0 * dx) * 2.0), clampY((ay + t0 * dy) * 2.0)};
  const PointD nb{clampX((ax + t1 * dx) * 2.0), clampY((ay + t1 * dy) * 2.0)};
  if (movedA) *movedA = t0 > 0;
  if (movedB) *movedB = t1 < 1;
  *a = t0 > 0 ? na : PointD{clampX(a->x), clampY(a->y)};
  *b = t1 < 1 ? nb : PointD{clampX(b->x), clampY(b->y)};
  return true;
}

void ClipPolyline(const double* x, const double* y, int n, const RectD& r,
                  std::vector<PolyRun>* out) {
  PolyRun run;
  auto flush = [&]() {
    if (run.size() >= 2) out->push_back(run);
    run.clear();
  };
  for (int i = 1; i < n; ++i) {
    const bool prevOk = std::isfinite(x[i - 1]) && std::isfinite(y[i - 1]);
    const bool curOk = std::isfinite(x[i]) && std::isfinite(y[i]);
    if (!prevOk || !curOk) {
      flush();
      continue;
    }
    PointD a{x[i - 1], y[i - 1]};
    PointD b{x[i], y[i]};
    bool movedA = false, movedB = false;
    if (!ClipSegment(&a, &b, r, &movedA, &movedB)) {
      flush();
      continue;
    }
    if (movedA || run.empty()) {
      flush();
      run.push_back(a);
    }
    run.push_back(b);
    if (movedB) flush();
  }
  flush();
}

void DashRun(const PolyRun& run, const double* lengths, int count, double unit,
             std::vector<PolyRun>* out, std::size_t maxPieces) {
  if (run.size() < 2) return;
  double total = 0;
  for (int i = 0; i < count; ++i) total += lengths[i] * unit;
  if (count < 2 || !(total > 0) || !std::isfinite(total)) {
    out->push_back(run);
    return;
  }
  double length = 0;
  for (std::size_t i = 1; i < run.size(); ++i)
    length += std::hypot(run[i].x - run[i - 1].x, run[i].y - run[i - 1].y);
  if (!std::isfinite(length) || length / total * count > static_cast<double>(maxPieces)) {
    out->push_back(run);
    return;
  }

  int part = 0;                     // index in the pattern; even parts are drawn
  double left = lengths[0] * unit;  // what remains of the current part
  PolyRun piece;
  piece.push_back(run[0]);
  for (std::size_t i = 1; i < run.size(); ++i) {
    PointD from = run[i - 1];
    const PointD to = run[i];
    double seg = std::hypot(to.x - from.x, to.y - from.y);
    while (seg > left) {
      const double f = left / seg;
      const PointD cut{from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f};
      if (part % 2 == 0) {
        piece.push_back(cut);
        out->push_back(piece);
        piece.clear();
      } else {
        piece.assign(1, cut);
      }
      seg -= left;
      from = cut;
      part = (part + 1) % count;
      left = lengths[part] * unit;
    }
    left -= seg;
    if (part % 2 == 0)
      piece.push_back(to);
    else
      piece.clear();
  }
  if (part % 2 == 0 && piece.size() >= 2) out->push_back(piece);
}

}  // namespace qxchart
