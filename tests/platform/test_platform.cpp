// The Windows platform the program runs on, without a display: GDI on memory DCs, the
// registry and menus behave as the program relies on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

TEST(Platform, GdiDrawsIntoMemoryBitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = 20;
  bi.bmiHeader.biHeight = -20;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_TRUE(bmp != nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);

  RECT all = {0, 0, 20, 20};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(dc, &all, white);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, red);
  MoveToEx(dc, 2, 5, nullptr);
  LineTo(dc, 18, 5);  // the end point is not drawn
  SelectObject(dc, oldPen);

  EXPECT_EQ(GetPixel(dc, 2, 5), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 17, 5), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 18, 5), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 2, 6), RGB(255, 255, 255));

  SelectObject(dc, old);
  DeleteObject(red);
  DeleteObject(white);
  DeleteObject(bmp);
  DeleteDC(dc);
}

TEST(Platform, RegistryKeepsBinaryAndStringValues) {
  const char* path = "Software\\Talvenor\\QuarvexPlatformTest";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const double value = 0.1;
  EXPECT_EQ(RegSetValueExA(key, "Number", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value),
                           sizeof(value)),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\x"), 5),
            ERROR_SUCCESS);
  double back = 0;
  DWORD type = 0, size = sizeof(back);
  EXPECT_EQ(RegQueryValueExA(key, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&back), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(back, value);
  char text[16] = {};
  size = sizeof(text);
  EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, "C:\\x");
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
}

TEST(Platform, MenusWorkWithoutADisplay) {
  HMENU menu = CreatePopupMenu();
  ASSERT_TRUE(menu != nullptr);
  EXPECT_TRUE(AppendMenuA(menu, MF_STRING, 100, "&Open..."));
  EXPECT_TRUE(AppendMenuA(menu, MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(AppendMenuA(menu, MF_STRING | MF_GRAYED, 101, "&Save"));
  EXPECT_EQ(GetMenuItemCount(menu), 3);
  char text[32] = {};
  EXPECT_EQ(GetMenuStringA(menu, 101, text, sizeof(text), MF_BYCOMMAND), 5);
  EXPECT_STREQ(text, "&Save");
  EXPECT_EQ(GetMenuState(menu, 101, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  EXPECT_TRUE(DestroyMenu(menu));
}

TEST(Platform, NumberTextHasTwoDigitExponents) {
  char text[32];
  std::snprintf(text, sizeof(text), "%g", 1e-20);
  EXPECT_STREQ(text, "1e-20");
  std::snprintf(text, sizeof(text), "%g", 1234567.0);
  EXPECT_STREQ(text, "1.23457e+06");
}
