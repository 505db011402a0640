// Where the two data-type icons (48 x 48: the triaxial specimen on the principal chart, the
// direct-shear specimen on the shear chart) are drawn, and how the mouse drags them. Icon 0
// belongs to the principal chart, icon 1 to the shear chart. Only icons the last painting drew
// answer the mouse: a hidden icon neither changes the cursor nor starts a drag.
#pragma once

struct IconPoint {
  int x = 0, y = 0;
  bool operator==(const IconPoint& o) const { return x == o.x && y == o.y; }
};

class IconPlacement {
 public:
  static constexpr int kSize = 48;

  // Where icon i goes for a chart whose data point (x max, 0) lies at pixel (px, py) of the
  // chart, the chart's window being at (chartX, chartY) in the view: 48 left and 58 up of that
  // point. Called by each painting that draws the icon.
  void Place(int i, int px, int py, int chartX, int chartY);
  // Forget that icon i was drawn (the painting did not draw it).
  void Hide(int i);
  bool Drawn(int i) const { return m_drawn[i]; }

  // Top-left corner of icon i as last placed, with the user's offset (no drag in progress).
  IconPoint TopLeft(int i) const;
  // Where icon i is drawn now: with the drag in progress.
  IconPoint DrawAt(int i) const;

  // A press strictly inside a drawn icon (its border does not count) starts dragging it;
  // icon 0 is tried first. Returns whether a drag started.
  bool Press(IconPoint p);
  // The pointer moved with the button down while dragging: the icon follows.
  void DragTo(IconPoint p);
  // The button was released (or found released on a move): the icon stays where it was
  // dropped.
  void Release();
  int Dragged() const { return m_dragged; }  // 0 none, 1 principal, 2 shear

  // Hover over drawn icons: it starts strictly inside and ends strictly outside (it stays on
  // the border). Returns whether the pointer is over either icon.
  bool Hover(IconPoint p);
  bool Hovering() const { return m_hover[0] || m_hover[1]; }

 private:
  IconPoint m_anchor[2];
  IconPoint m_offset[2];
  IconPoint m_dragDelta[2];
  IconPoint m_dragStart;
  int m_dragged = 0;
  bool m_hover[2] = {false, false};
  bool m_drawn[2] = {false, false};
};
