// The view's four 48 x 48 data-type pictures: 0 the triaxial specimen, 1 the direct-shear
// specimen, 2 and 3 the same with their pure-blue parts black (for grayscale), all with
// magenta as the transparent colour.
#pragma once

#include "framework/win/GdiObjects.h"
#include "framework/win/ImageList.h"

// Builds the list from bitmap resources 176 and 175; FALSE (the list left empty) when the
// resources or the list cannot be made.
BOOL CreateMarkerImages(CImageList* images);

// Every pixel of the bitmap that has the colour the display gives pure blue turns black.
void MakeBlackIconBitmap(CBitmap* bitmap);
