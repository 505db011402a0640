// A text area: a few lines of text in a box, placed beside a point given in data units and
// drawn on top of the data.
#ifndef QUARVEX_CHART_CORE_CHARTTEXTAREA_H
#define QUARVEX_CHART_CORE_CHARTTEXTAREA_H

#include <string>
#include <vector>

#include "chart/core/ChartIds.h"

namespace qxchart {

class ChartModel;

class ChartTextArea {
 public:
  static constexpr int kMaxLines = 64;
  static constexpr std::size_t kMaxLineLength = 1024;

  explicit ChartTextArea(ChartModel* owner) : m_owner(owner) {}

  // Each returns false (and changes nothing) for an id of another kind.
  bool SetInt(int id, int value);
  bool SetColor(int id, ChartColor value);
  bool SetDouble(int id, double value);
  bool SetFont(int id, void* font);
  // A null-ended list of lines, copied (at most kMaxLines lines of kMaxLineLength characters);
  // a null list hides the area.
  bool SetLines(int id, const char* const* lines);

  bool GetInt(int id, int* value) const;
  bool GetColor(int id, ChartColor* value) const;
  bool GetDouble(int id, double* value) const;
  bool GetFont(int id, void** font) const;

  bool Shown() const;
  int Anchor() const { return m_anchor; }
  int Border() const { return m_border; }
  double X() const { return m_x; }
  double Y() const { return m_y; }
  ChartColor Background() const { return m_background; }
  void* Font() const { return m_font; }
  const std::vector<std::string>& Lines() const { return m_lines; }

 private:
  void Changed();

  ChartModel* m_owner;
  int m_attach = 1;
  int m_border = 0;
  int m_adjust = 0;
  int m_shown = 1;
  int m_anchor = kAnchorRight;
  double m_x = 0;
  double m_y = 0;
  ChartColor m_background = ChartRgb(255, 255, 255);
  void* m_font = nullptr;
  bool m_hasLines = false;
  std::vector<std::string> m_lines;
};

}  // namespace qxchart

#endif
