#include "chart/core/ChartTextArea.h"

#include <cmath>
#include <cstring>

#include "chart/core/ChartModel.h"

namespace qxchart {

void ChartTextArea::Changed() {
  if (m_owner) m_owner->NotifyChanged();
}

bool ChartTextArea::SetInt(int id, int value) {
  using namespace prop;
  switch (id) {
    case kAreaAttach:
      m_attach = value;
      break;
    case kAreaBorder:
      m_border = value;
      break;
    case kAreaAdjust:
      m_adjust = value;
      break;
    case kAreaShown:
      m_shown = value;
      break;
    case kAreaAnchor:
      m_anchor = value;
      break;
    default:
      return false;
  }
  Changed();
  return true;
}

bool ChartTextArea::SetColor(int id, ChartColor value) {
  if (id != prop::kBackground) return false;
  m_background = value & 0xFFFFFF;
  Changed();
  return true;
}

bool ChartTextArea::SetDouble(int id, double value) {
  if (!std::isfinite(value)) return false;
  if (id == prop::kAreaX)
    m_x = value;
  else if (id == prop::kAreaY)
    m_y = value;
  else
    return false;
  Changed();
  return true;
}

bool ChartTextArea::SetFont(int id, void* font) {
  if (id != prop::kAreaFont) return false;
  m_font = font;
  Changed();
  return true;
}

bool ChartTextArea::SetLines(int id, const char* const* lines) {
  if (id != prop::kAreaLines) return false;
  m_lines.clear();
  m_hasLines = lines != nullptr;
  for (int i = 0; lines && lines[i] && i < kMaxLines; ++i)
    m_lines.emplace_back(lines[i], strnlen(lines[i], kMaxLineLength));
  Changed();
  return true;
}

bool ChartTextArea::GetInt(int id, int* value) const {
  using namespace prop;
  switch (id) {
    case kAreaAttach:
      *value = m_attach;
      return true;
    case kAreaBorder:
      *value = m_border;
      return true;
    case kAreaAdjust:
      *value = m_adjust;
      return true;
    case kAreaShown:
      *value = m_shown;
      return true;
    case kAreaAnchor:
      *value = m_anchor;
      return true;
    default:
      return false;
  }
}

bool ChartTextArea::GetColor(int id, ChartColor* value) const {
  if (id != prop::kBackground) return false;
  *value = m_background;
  return true;
}

bool ChartTextArea::GetDouble(int id, double* value) const {
  if (id == prop::kAreaX)
    *value = m_x;
  else if (id == prop::kAreaY)
    *value = m_y;
  else
    return false;
  return true;
}

bool ChartTextArea::GetFont(int id, void** font) const {
  if (id != prop::kAreaFont) return false;
  *font = m_font;
  return true;
}

bool ChartTextArea::Shown() const {
  return m_shown != 0 && m_hasLines && !m_lines.empty();
}

}  // namespace qxchart
