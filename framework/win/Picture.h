// Pictures through the system's picture loader (OLE): BMP, GIF, JPEG, icons and metafiles read
// from bytes in memory, as on every platform version the program runs on.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <olectl.h>

// Loads a picture from size bytes. NULL when the bytes are empty, too large or not a picture
// the system reads (a damaged file gives NULL, never a crash). The caller releases the result.
IPicture* AfxLoadPicture(const void* data, size_t size);

// HIMETRIC units (hundredths of a millimetre) to pixels at dpi pixels per inch, rounded.
int AfxHimetricToPixels(long himetric, int dpi);
