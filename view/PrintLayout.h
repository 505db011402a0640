// How a project's page is laid out on paper: the printable area inside the page set-up's
// margins in screen pixels (the view's logical units while it prints) and in printer dots,
// the isotropic mapping between them, and the finer envelope sampling a printer with more
// dots per inch than the screen gets.
#pragma once

// The page set-up's lengths, in inches.
struct PrintPage {
  double paperWidth = 8.5, paperHeight = 11.0;
  double left = 1.0, top = 1.0, right = 1.0, bottom = 1.0;
  double minLeftRight = 0.0, minTopBottom = 0.0;  // the printer's unprintable offsets
};

struct PrintLayout {
  // False when the printable area or a resolution is empty: nothing can be printed.
  bool valid = false;
  // Envelope points per curve while printing, or -1 for the screen's own count.
  int pointCountOverride = -1;
  // The printable area in screen pixels (Ws x Hs) and printer dots (Wp x Hp).
  int screenWidth = 0, screenHeight = 0;
  int printerWidth = 0, printerHeight = 0;
  // The viewport origin: the left and top margins beyond the unprintable offsets, in dots.
  int viewportX = 0, viewportY = 0;
};

PrintLayout ComputePrintLayout(const PrintPage& page, int printerDpiX, int printerDpiY,
                               int screenDpiX, int screenDpiY, int pointCount);
