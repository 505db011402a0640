// Device-independent bitmaps (packed DIBs: a BITMAPINFOHEADER, its colour table and the rows,
// bottom row first, each padded to 4 bytes) written as JPEG or BMP files.
#pragma once

#include <windows.h>

#include "framework/base/CString.h"
#include "framework/base/File.h"

// Entries of the colour table after a 40-byte header (its colour-used count, else 2, 16 or 256
// for 1, 4 or 8 bits) or a 12-byte core header (2, 16 or 256 for 1, 4 or 8 bits); 0 otherwise.
int DibColorTableSize(const BITMAPINFOHEADER* header);

// A 5-5-5 pixel as red, green and blue: each field through the table 0, 16, 24 ... 248, 255.
void ExpandRgb555(WORD pixel, BYTE rgb[3]);

// Fills rows (height rows of rowBytes = width * 3 bytes, top row first) with the DIB's pixels as
// red, green, blue. 1, 4, 8, 16, 24 and 32 bits per pixel; FALSE with "Invalid bitmap bit
// count" for others and "Invalid input data" for a missing DIB or rowBytes <= 0.
BOOL DibRowToRgb(const BITMAPINFOHEADER* dib, int rowBytes, unsigned char** rows,
                 CString* errorText);

// Writes the DIB as a JPEG file at the quality (0..100). FALSE with a reason in errorText; no
// file is left behind then.
BOOL WriteJpegFile(const BITMAPINFOHEADER* dib, int quality, LPCSTR path, CString* errorText);

// Writes the DIB held in the global block as a .bmp file: the 14-byte file header, then the
// header, colour table and rows. FALSE when the block is not a 40-byte-header DIB or a write
// fails.
BOOL WriteDibFile(CFile& file, HGLOBAL dib);

// The size in bytes of the rows of a DIB: ((bits * width + 31) / 32) * 4 * height.
DWORD DibImageSize(const BITMAPINFOHEADER* header);
