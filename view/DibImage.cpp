#include "view/DibImage.h"

#include <cstdlib>
#include <string>

#include "view/JpegWriter.h"

namespace {
// Bytes per DIB row, padded to 4.
LONG RowStride(LONG width, WORD bits) {
  return ((bits * width + 31) / 32) * 4;
}

const BYTE kExpand5[32] = {0,   16,  24,  32,  40,  48,  56,  64,  72,  80,  88,
                           96,  104, 112, 120, 128, 136, 144, 152, 160, 168, 176,
                           184, 192, 200, 208, 216, 224, 232, 240, 248, 255};
}  // namespace

int DibColorTableSize(const BITMAPINFOHEADER* header) {
  if (!header) return 0;
  WORD bits = 0;
  if (header->biSize == sizeof(BITMAPCOREHEADER)) {
    bits = reinterpret_cast<const BITMAPCOREHEADER*>(header)->bcBitCount;
  } else {
    if (header->biClrUsed != 0) return (int)header->biClrUsed;
    bits = header->biBitCount;
  }
  switch (bits) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

void ExpandRgb555(WORD pixel, BYTE rgb[3]) {
  rgb[0] = kExpand5[(pixel >> 10) & 31];
  rgb[1] = kExpand5[(pixel >> 5) & 31];
  rgb[2] = kExpand5[pixel & 31];
}

DWORD DibImageSize(const BITMAPINFOHEADER* header) {
  LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  return (DWORD)(RowStride(header->biWidth, header->biBitCount) * height);
}

BOOL DibRowToRgb(const BITMAPINFOHEADER* dib, int rowBytes, unsigned char** rows,
                 CString* errorText) {
  if (!errorText) return FALSE;
  if (!dib || rowBytes <= 0 || !rows || dib->biSize < sizeof(BITMAPINFOHEADER)) {
    *errorText = "Invalid input data";
    return FALSE;
  }
  WORD bits = dib->biBitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    *errorText = "Invalid bitmap bit count";
    return FALSE;
  }
  LONG width = dib->biWidth;
  bool topDown = dib->biHeight < 0;
  LONG height = topDown ? -dib->biHeight : dib->biHeight;
  if (width <= 0 || height <= 0 || rowBytes < width * 3) {
    *errorText = "Invalid input data";
    return FALSE;
  }
  const RGBQUAD* table =
      reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(dib) + dib->biSize);
  const BYTE* pixels = reinterpret_cast<const BYTE*>(table + DibColorTableSize(dib));
  LONG stride = RowStride(width, bits);
  for (LONG r = 0; r < height; ++r) {
    const BYTE* in = pixels + (topDown ? r : height - 1 - r) * stride;
    BYTE* out = rows[r];
    for (LONG x = 0; x < width; ++x, out += 3) {
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          int index;
          if (bits == 1)
            index = (in[x / 8] >> (7 - x % 8)) & 1;
          else if (bits == 4)
            index = (x % 2 == 0) ? in[x / 2] >> 4 : in[x / 2] & 15;
          else
            index = in[x];
          const RGBQUAD& c = table[index];
          out[0] = c.rgbRed;
          out[1] = c.rgbGreen;
          out[2] = c.rgbBlue;
          break;
        }
        case 16: ExpandRgb555((WORD)(in[2 * x] | (in[2 * x + 1] << 8)), out); break;
        case 24:
          out[0] = in[3 * x + 2];
          out[1] = in[3 * x + 1];
          out[2] = in[3 * x];
          break;
        default:
          out[0] = in[4 * x + 2];
          out[1] = in[4 * x + 1];
          out[2] = in[4 * x];
          break;
      }
    }
  }
  return TRUE;
}

namespace {
struct DibSource {
  const BITMAPINFOHEADER* dib;
};

bool FillFromDib(void* context, unsigned char** rows, std::string* error) {
  const BITMAPINFOHEADER* dib = static_cast<DibSource*>(context)->dib;
  CString text;
  if (DibRowToRgb(dib, (int)dib->biWidth * 3, rows, &text)) return true;
  *error = text.GetString();
  return false;
}
}  // namespace

BOOL WriteJpegFile(const BITMAPINFOHEADER* dib, int quality, LPCSTR path, CString* errorText) {
  if (!errorText) return FALSE;
  if (quality < 0 || quality > 100 || !dib || !path || !*path) {
    *errorText = "Invalid input data";
    return FALSE;
  }
  errorText->Empty();
  DibSource source = {dib};
  LONG height = dib->biHeight < 0 ? -dib->biHeight : dib->biHeight;
  std::string error;
  if (!WriteRgbJpeg(path, (int)dib->biWidth, (int)height, quality, FillFromDib, &source, &error)) {
    *errorText = error.c_str();
    return FALSE;
  }
  return TRUE;
}

BOOL WriteDibFile(CFile& file, HGLOBAL dib) {
  if (!dib) return FALSE;
  auto* header = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib));
  if (!header) return FALSE;
  if (header->biSize != sizeof(BITMAPINFOHEADER)) {
    ::GlobalUnlock(dib);
    return FALSE;
  }
  DWORD tableBytes = (DWORD)DibColorTableSize(header) * sizeof(RGBQUAD);
  DWORD imageBytes;
  if (header->biCompression == BI_RLE8 || header->biCompression == BI_RLE4) {
    imageBytes = header->biSizeImage;
  } else {
    imageBytes = DibImageSize(header);
    header->biSizeImage = imageBytes;
  }
  DWORD dibBytes = sizeof(BITMAPINFOHEADER) + tableBytes + imageBytes;
  if (::GlobalSize(dib) < dibBytes) {
    ::GlobalUnlock(dib);
    return FALSE;
  }
  // BITMAPFILEHEADER, little-endian, without the structure's padding.
  BYTE fileHeader[14] = {'B', 'M'};
  DWORD fileSize = 14 + dibBytes;
  DWORD offset = 14 + sizeof(BITMAPINFOHEADER) + tableBytes;
  for (int i = 0; i < 4; ++i) {
    fileHeader[2 + i] = (BYTE)(fileSize >> (8 * i));
    fileHeader[10 + i] = (BYTE)(offset >> (8 * i));
  }
  file.Write(fileHeader, sizeof fileHeader);
  file.Write(header, dibBytes);
  ::GlobalUnlock(dib);
  return file.Flush();
}
