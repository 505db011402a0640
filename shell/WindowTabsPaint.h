// The window tab strip's own painting: the corner pixels and clipping around the tab
// control's drawing, and the sunken frame that opens towards the document windows.
#pragma once

#include <windows.h>

#include <functional>

namespace wintabs {

struct StripSize {
  bool top = false;    // strip above the document windows
  bool icons = false;  // tabs carry window icons (one pixel taller)
  int width = 0;       // window width and height
  int height = 0;
};

// Paints the client area into dc: pixels and clip exclusions first, then the control's own
// drawing (drawControl), then the pixels and face-coloured lines that join the selected tab
// to the frame when it starts at x = 2. Pixels are set only where the clip lets them show.
void PaintStripClient(HDC dc, const StripSize& s, bool selectedAtLeft,
                      const std::function<void(HDC)>& drawControl);

// Paints the non-client frame into a window DC: a sunken edge on the three outer sides and
// two face-coloured rows along the side that joins the document windows.
void PaintStripFrame(HDC dc, const StripSize& s);

}  // namespace wintabs
