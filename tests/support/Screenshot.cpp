#include "tests/support/Screenshot.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qxtest {

bool IsPainted(HWND top) {
  if (!IsWindowVisible(top) || GetUpdateRect(top, nullptr, FALSE)) return false;
  bool painted = true;
  EnumChildWindows(
      top,
      [](HWND child, LPARAM result) -> BOOL {
        if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
        *reinterpret_cast<bool*>(result) = false;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&painted));
  return painted;
}

bool SaveBitmap(HBITMAP bitmap, const std::string& path) {
  BITMAP info;
  if (!GetObjectA(bitmap, sizeof(info), &info)) return false;
  const int width = info.bmWidth, height = info.bmHeight;
  const int stride = ((width * 3 + 3) / 4) * 4;

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride) * height;

  std::vector<unsigned char> pixels(header.biSizeImage);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return false;

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;

  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
            std::fwrite(&header, sizeof(header), 1, out) == 1 &&
            std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
  ok = std::fclose(out) == 0 && ok;
  return ok;
}

bool SaveWindowScreenshot(HWND window, const std::string& path) {
  RECT rc;
  if (!IsWindow(window) || !GetWindowRect(window, &rc)) return false;
  // Only what is on the screen can be copied (a maximised window's frame lies just outside).
  const RECT screenRect = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  if (!IntersectRect(&rc, &rc, &screenRect)) return false;
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return false;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  bool ok = BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY) != 0;
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  ok = ok && SaveBitmap(bitmap, path);
  DeleteObject(bitmap);
  return ok;
}

std::string ScreenshotFolder() {
  const char* folder = std::getenv("QUARVEX_SCREENSHOTS");
  if (!folder || !*folder) return std::string();
  std::string result = folder;
  if (result[0] == '/') result = "Z:" + result;  // a Unix path, reached through Wine's drive Z:
  if (result.back() != '\\' && result.back() != '/') result += '\\';
  return result;
}

}  // namespace qxtest
