// Pictures of the flat button: icons and bitmaps from resources, a grey copy of an icon, the
// mask of a bitmap with a transparent colour, and drawing a bitmap through its mask.
#pragma once

#include <windows.h>

namespace buttons {

// An icon resource at its own size, and that size; NULL when missing. The same resource always
// loads at the same size, so it is examined (a costly copy of its images) only the first time.
HICON LoadIconResource(UINT id, int& width, int& height);
// An icon's size from its colour image (or half its monochrome mask); FALSE when the icon
// cannot be examined.
BOOL GetIconSize(HICON icon, int& width, int& height);
// A copy of icon whose colour image is grey wherever it is not black; the mask is kept.
// NULL on failure. The caller destroys it.
HICON MakeGreyIcon(HICON icon);
// A monochrome mask of bitmap: white where the bitmap has the transparent colour, black
// elsewhere. The bitmap's transparent pixels are then set to black, so drawing the mask with
// SRCAND and the bitmap with SRCPAINT leaves the background showing there. NULL on failure.
HBITMAP MakeMask(HBITMAP bitmap, COLORREF transparent);
// Draws bitmap at (x, y) through its mask (made by MakeMask).
void DrawMasked(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, HBITMAP mask);

}  // namespace buttons
