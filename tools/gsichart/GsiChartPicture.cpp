// Draws a GSI chart sheet as an SVG picture of the sheet's exact pixel size, from the same
// table the program's hit test reads: every contour lies where a click gives its value.
//
//   gsichart-picture <General|Flysch> <out.svg>
//
// Built and run on the build machine (standard C++ only); the SVG is then turned into the
// "IMAGE" resource by tools/svg-to-picture.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "picktables/GsiChartSheet.h"

namespace {

const char* const kFont = "Liberation Sans, Arial, DejaVu Sans, sans-serif";

struct RowBand {
  const char* title;
  const char* detail;
};

// Row bands of our own wording: how the rock mass is built, from well interlocked at the top
// to broken or sheared at the bottom.
const RowBand kGeneralRows[] = {
    {"Massive", "few, widely spaced joints"},
    {"Blocky", "three joint sets, cubical blocks"},
    {"Very blocky", "four or more sets, angular blocks"},
    {"Disturbed", "folded or faulted, many joints"},
    {"Broken", "angular and rounded pieces"},
    {"Sheared", "thin layers, no blocks"},
};
const RowBand kFlyschRows[] = {
    {"Thick sandstone", "few shale partings"},
    {"Sandstone and shale", "in similar amounts"},
    {"Shale-rich", "thin sandstone layers"},
    {"Sheared shale", "broken sandstone pieces"},
};

// Short heading texts of the surface-condition columns (the tooltips carry the full text).
const char* const kGeneralHeadings[] = {"Very rough", "Rough", "Smooth", "Slicken-|sided,|compact",
                                        "Slicken-|sided,|soft clay"};
const char* const kFlyschHeadings[] = {"Very rough", "Rough", "Smooth", "Very|smooth,|compact",
                                       "Very|smooth,|soft clay"};

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

void Text(std::ostream& svg, double x, double y, const std::string& text, double size,
          const char* anchor = "start", const char* weight = "normal", const char* fill = "#000") {
  svg << "<text x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" font-family=\"" << kFont
      << "\" font-size=\"" << Num(size) << "\" font-weight=\"" << weight << "\" text-anchor=\""
      << anchor << "\" fill=\"" << fill << "\">" << Escape(text) << "</text>\n";
}

// Multi-line text: '|' separates lines, centred in a box.
void BoxText(std::ostream& svg, const GsiRect& r, const std::string& text, double size) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line, '|')) lines.push_back(line);
  const double lineHeight = size * 1.15;
  double y = (r.top + r.bottom) / 2.0 - lineHeight * (lines.size() - 1) / 2.0 + size * 0.35;
  for (const std::string& l : lines) {
    Text(svg, (r.left + r.right) / 2.0, y, l, size, "middle");
    y += lineHeight;
  }
}

// The part of the contour's line inside the plot, as parameters t of x = x1 + t (x2 - x1).
bool ClipToPlot(const CGsiChartSheet& s, const GsiSegment& c, double* t0, double* t1) {
  const double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
  double lo = -1e9, hi = 1e9;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {c.x1 - static_cast<double>(s.plot.left),
                       static_cast<double>(s.plot.right) - c.x1,
                       c.y1 - static_cast<double>(s.plot.top),
                       static_cast<double>(s.plot.bottom) - c.y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      lo = std::max(lo, t);
    else
      hi = std::min(hi, t);
  }
  *t0 = lo;
  *t1 = hi;
  return lo < hi;
}

bool InExcluded(const CGsiChartSheet& s, double x, double y) {
  for (const GsiRect& r : s.excluded)
    if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return true;
  return false;
}

void Draw(const CGsiChartSheet& s, const RowBand* rows, int rowCount, const char* const* headings,
          std::ostream& svg) {
  const GsiRect& plot = s.plot;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << s.width << "\" height=\""
      << s.height << "\" viewBox=\"0 0 " << s.width << " " << s.height << "\">\n";
  svg << "<defs><pattern id=\"hatch\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
         "<path d=\"M0,8 L8,0\" stroke=\"#a0a0a0\" stroke-width=\"1\"/></pattern>"
         "<clipPath id=\"plot\"><rect x=\""
      << plot.left << "\" y=\"" << plot.top << "\" width=\"" << plot.Width() << "\" height=\""
      << plot.Height() << "\"/></clipPath></defs>\n";
  svg << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";

  // Surface-condition headings along the top, with the axis title above them.
  const int headTop = s.columns.front().rect.top;
  Text(svg, (plot.left + plot.right) / 2.0, headTop - 12, "SURFACE CONDITIONS", 9, "middle",
       "bold");
  Text(svg, (plot.left + plot.right) / 2.0, headTop - 3,
       "decreasing surface quality \xe2\x86\x92", 7.5, "middle");
  for (size_t i = 0; i < s.columns.size(); ++i) {
    const GsiRect& r = s.columns[i].rect;
    svg << "<rect x=\"" << r.left + 0.5 << "\" y=\"" << r.top + 0.5 << "\" width=\""
        << r.Width() - 1 << "\" height=\"" << r.Height() - 1
        << "\" fill=\"#eef3f8\" stroke=\"#5a6f86\" stroke-width=\"1\"/>\n";
    BoxText(svg, r, headings[i], 7.5);
  }

  // Row bands: the plot's height shared equally, labelled on the left.
  const double rowHeight = static_cast<double>(plot.Height()) / rowCount;
  const int labelLeft = 8, labelRight = plot.left - 6;
  const double labelsTop = plot.top;
  Text(svg, (labelLeft + labelRight) / 2.0, labelsTop - 14, "ROCK STRUCTURE", 9, "middle",
       "bold");
  Text(svg, (labelLeft + labelRight) / 2.0, labelsTop - 4,
       "decreasing interlocking of pieces \xe2\x86\x93", 7.5, "middle");
  for (int i = 0; i < rowCount; ++i) {
    const double top = plot.top + i * rowHeight;
    svg << "<rect x=\"" << labelLeft + 0.5 << "\" y=\"" << Num(top + 2) << "\" width=\""
        << labelRight - labelLeft << "\" height=\"" << Num(rowHeight - 4)
        << "\" fill=\"#f6f6f0\" stroke=\"#b8b8a8\" stroke-width=\"1\"/>\n";
    Text(svg, labelLeft + 8, top + rowHeight / 2 - 2, rows[i].title, 10, "start", "bold");
    Text(svg, labelLeft + 8, top + rowHeight / 2 + 11, rows[i].detail, 8.5);
  }

  // The plot: column and row dividers, excluded areas, contours with their values.
  svg << "<g clip-path=\"url(#plot)\">\n";
  for (size_t i = 1; i < s.columns.size(); ++i) {
    const double x = (s.columns[i - 1].rect.right + s.columns[i].rect.left) / 2.0;
    svg << "<line x1=\"" << Num(x) << "\" y1=\"" << plot.top << "\" x2=\"" << Num(x) << "\" y2=\""
        << plot.bottom << "\" stroke=\"#d8d8d8\" stroke-width=\"1\"/>\n";
  }
  for (int i = 1; i < rowCount; ++i) {
    const double y = plot.top + i * rowHeight;
    svg << "<line x1=\"" << plot.left << "\" y1=\"" << Num(y) << "\" x2=\"" << plot.right
        << "\" y2=\"" << Num(y) << "\" stroke=\"#d8d8d8\" stroke-width=\"1\"/>\n";
  }
  for (int i = 0; i < s.ContourCount(); ++i) {
    const GsiSegment& c = s.contours[i];
    double t0 = 0, t1 = 0;
    if (!ClipToPlot(s, c, &t0, &t1)) continue;
    // Pixel (x, y) has the contour's value when the line's y at x truncates to y: the line
    // passes through that pixel when drawn half a pixel right (pixel centres lie at x + 0.5).
    const double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
    svg << "<line x1=\"" << Num(c.x1 + t0 * dx + 0.5) << "\" y1=\"" << Num(c.y1 + t0 * dy)
        << "\" x2=\"" << Num(c.x1 + t1 * dx + 0.5) << "\" y2=\"" << Num(c.y1 + t1 * dy)
        << "\" stroke=\"#1f4e9c\" stroke-width=\"1.6\"/>\n";
  }
  for (const GsiRect& r : s.excluded) {
    svg << "<rect x=\"" << r.left << "\" y=\"" << r.top << "\" width=\"" << r.Width()
        << "\" height=\"" << r.Height() << "\" fill=\"#ffffff\"/>\n";
    svg << "<rect x=\"" << r.left << "\" y=\"" << r.top << "\" width=\"" << r.Width()
        << "\" height=\"" << r.Height() << "\" fill=\"url(#hatch)\"/>\n";
    const GsiRect inner{std::max(r.left, plot.left), std::max(r.top, plot.top),
                        std::min(r.right, plot.right), std::min(r.bottom, plot.bottom)};
    svg << "<rect x=\"" << (inner.left + inner.right) / 2 - 14 << "\" y=\""
        << (inner.top + inner.bottom) / 2 - 8 << "\" width=\"28\" height=\"14\" fill=\"#ffffff\"/>\n";
    BoxText(svg, inner, "N/A", 9);
  }
  // Value labels: on each contour, half way along its visible part (or as near to it as the
  // excluded areas allow), so that the labels of the parallel contours line up.
  for (int i = 0; i < s.ContourCount(); ++i) {
    const GsiSegment& c = s.contours[i];
    double t0 = 0, t1 = 0;
    if (!ClipToPlot(s, c, &t0, &t1)) continue;
    const double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
    // From the upper end of the visible part.
    double tTop = (c.y1 + t0 * dy < c.y1 + t1 * dy) ? t0 : t1;
    double tBottom = tTop == t0 ? t1 : t0;
    double x = 0, y = 0;
    bool placed = false;
    for (int k = 0; k < 12 && !placed; ++k) {
      const double f = 0.5 + (k % 2 ? 1 : -1) * 0.04 * ((k + 1) / 2);
      const double t = tTop + (tBottom - tTop) * f;
      x = c.x1 + t * dx;
      y = c.y1 + t * dy;
      placed = !InExcluded(s, x - 9, y - 7) && !InExcluded(s, x + 9, y + 7) &&
               x - 9 > plot.left && x + 9 < plot.right && y - 7 > plot.top && y + 7 < plot.bottom;
    }
    if (!placed) continue;
    svg << "<rect x=\"" << Num(x - 8) << "\" y=\"" << Num(y - 6) << "\" width=\"16\" height=\"12\""
        << " rx=\"2\" fill=\"#ffffff\" stroke=\"#1f4e9c\" stroke-width=\"0.8\"/>\n";
    Text(svg, x, y + 3.5, std::to_string(s.ContourValue(i)), 9, "middle", "bold", "#1f4e9c");
  }
  svg << "</g>\n";
  svg << "<rect x=\"" << plot.left - 0.5 << "\" y=\"" << plot.top - 0.5 << "\" width=\""
      << plot.Width() + 1 << "\" height=\"" << plot.Height() + 1
      << "\" fill=\"none\" stroke=\"#303030\" stroke-width=\"1\"/>\n";
  svg << "</svg>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gsichart-picture <General|Flysch> <out.svg>\n");
    return 2;
  }
  int index = -1;
  for (int i = 0; i < GSI_SHEET_COUNT; ++i)
    if (std::strcmp(argv[1], GsiChartSheet(i).name) == 0) index = i;
  if (index < 0) {
    std::fprintf(stderr, "gsichart-picture: unknown sheet %s\n", argv[1]);
    return 2;
  }
  std::ofstream out(argv[2], std::ios::binary);
  if (index == GSI_SHEET_GENERAL)
    Draw(GsiChartSheet(index), kGeneralRows, 6, kGeneralHeadings, out);
  else
    Draw(GsiChartSheet(index), kFlyschRows, 4, kFlyschHeadings, out);
  out.close();
  if (!out) {
    std::fprintf(stderr, "gsichart-picture: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
