#include "view/IconPlacement.h"

void IconPlacement::Place(int i, int px, int py, int chartX, int chartY) {
  m_anchor[i].x = px + chartX - kSize;
  m_anchor[i].y = py + chartY - 58;
  m_drawn[i] = true;
}

void IconPlacement::Hide(int i) {
  m_drawn[i] = false;
  m_hover[i] = false;
}

IconPoint IconPlacement::TopLeft(int i) const {
  return IconPoint{m_anchor[i].x + m_offset[i].x, m_anchor[i].y + m_offset[i].y};
}

IconPoint IconPlacement::DrawAt(int i) const {
  const IconPoint t = TopLeft(i);
  return IconPoint{t.x + m_dragDelta[i].x, t.y + m_dragDelta[i].y};
}

bool IconPlacement::Press(IconPoint p) {
  for (int i = 0; i < 2; ++i) {
    if (!m_drawn[i]) continue;
    const IconPoint t = TopLeft(i);
    if (p.x > t.x && p.y > t.y && p.x < t.x + kSize && p.y < t.y + kSize) {
      m_dragStart = p;
      m_dragged = i + 1;
      m_dragDelta[i] = IconPoint();
      return true;
    }
  }
  return false;
}

void IconPlacement::DragTo(IconPoint p) {
  if (!m_dragged) return;
  m_dragDelta[m_dragged - 1] = IconPoint{p.x - m_dragStart.x, p.y - m_dragStart.y};
}

void IconPlacement::Release() {
  if (!m_dragged) return;
  const int i = m_dragged - 1;
  m_offset[i].x += m_dragDelta[i].x;
  m_offset[i].y += m_dragDelta[i].y;
  m_dragDelta[i] = IconPoint();
  m_dragged = 0;
}

bool IconPlacement::Hover(IconPoint p) {
  for (int i = 0; i < 2; ++i) {
    if (!m_drawn[i]) {
      m_hover[i] = false;
      continue;
    }
    const IconPoint t = TopLeft(i);
    if (!m_hover[i]) {
      m_hover[i] = p.x > t.x && p.y > t.y && p.x < t.x + kSize && p.y < t.y + kSize;
    } else if (p.x < t.x || p.y < t.y || p.x > t.x + kSize || p.y > t.y + kSize) {
      m_hover[i] = false;
    }
  }
  return Hovering();
}
