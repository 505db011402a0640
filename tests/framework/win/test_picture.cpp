// Pictures from memory through the system's picture loader, and the program-start seam.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/Picture.h"

namespace {

// A 24-bit BMP file of width x height pixels, all of one colour.
std::vector<BYTE> BmpFile(int width, int height, COLORREF colour) {
  int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + stride * height;
  std::vector<BYTE> bytes(file.bfSize);
  memcpy(bytes.data(), &file, sizeof file);
  memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      BYTE* p = bytes.data() + file.bfOffBits + y * stride + x * 3;
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
    }
  return bytes;
}

TEST(Picture, HimetricToPixelsRounds) {
  EXPECT_EQ(AfxHimetricToPixels(2540, 96), 96);
  EXPECT_EQ(AfxHimetricToPixels(26, 96), 1);  // what a one-pixel picture measures
  EXPECT_EQ(AfxHimetricToPixels(10583, 96), 400);
  EXPECT_EQ(AfxHimetricToPixels(2540, 120), 120);
  EXPECT_EQ(AfxHimetricToPixels(0, 96), 0);
}

TEST(Picture, LoadsABitmapFileFromMemory) {
  std::vector<BYTE> bmp = BmpFile(5, 3, RGB(200, 10, 10));
  IPicture* picture = AfxLoadPicture(bmp.data(), bmp.size());
  ASSERT_TRUE(picture != NULL);
  SHORT type = 0;
  picture->get_Type(&type);
  EXPECT_EQ(type, PICTYPE_BITMAP);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  HDC screen = ::GetDC(NULL);
  EXPECT_EQ(AfxHimetricToPixels(width, GetDeviceCaps(screen, LOGPIXELSX)), 5);
  EXPECT_EQ(AfxHimetricToPixels(height, GetDeviceCaps(screen, LOGPIXELSY)), 3);
  ::ReleaseDC(NULL, screen);
  picture->Release();
}

TEST(Picture, DamagedOrMissingBytesGiveNoPicture) {
  std::vector<BYTE> bmp = BmpFile(5, 3, RGB(0, 0, 0));
  // Cut inside the headers: nothing, or (as this platform's loader does) a one-pixel blank.
  IPicture* cut = AfxLoadPicture(bmp.data(), 20);
  if (cut) {
    OLE_XSIZE_HIMETRIC width = 0;
    cut->get_Width(&width);
    EXPECT_LE(AfxHimetricToPixels(width, 96), 1);
    cut->Release();
  }
  std::vector<BYTE> badHeader = bmp;
  reinterpret_cast<BITMAPINFOHEADER*>(badHeader.data() + sizeof(BITMAPFILEHEADER))->biBitCount = 7;
  EXPECT_TRUE(AfxLoadPicture(badHeader.data(), badHeader.size()) == NULL);
  const char text[] = "GIF89a, and then nothing a picture needs";
  EXPECT_TRUE(AfxLoadPicture(text, sizeof text) == NULL);
  const char jpeg[] = "\xFF\xD8\xFF\xE0 broken";
  EXPECT_TRUE(AfxLoadPicture(jpeg, sizeof jpeg) == NULL);
  EXPECT_TRUE(AfxLoadPicture(bmp.data(), 0) == NULL);
  EXPECT_TRUE(AfxLoadPicture(NULL, 10) == NULL);
}

std::vector<std::string> g_started;
UINT RecordStart(LPCSTR commandLine, int show) {
  g_started.push_back(std::string(commandLine) + (show == SW_SHOW ? " (shown)" : ""));
  return 33;
}

TEST(StartProgramSeam, ReplacedForTestsAndReportsErrorsLikeWinExec) {
  {
    CSeamOverride<AfxStartProgramSeam> seam(AfxSetStartProgramSeam, RecordStart);
    EXPECT_EQ(AfxStartProgram("\"C:\\a b\\x.exe\" \"y\"", SW_SHOW), 33u);
    EXPECT_EQ(g_started, (std::vector<std::string>{"\"C:\\a b\\x.exe\" \"y\" (shown)"}));
  }
  // The real one: a program that does not exist is not found, an empty line neither.
  UINT missingFolder = AfxStartProgram("\"C:\\no such folder\\no such program.exe\" x", SW_HIDE);
  EXPECT_TRUE(missingFolder == 2 || missingFolder == 3) << missingFolder;
  EXPECT_EQ(AfxStartProgram("C:\\nosuchprogram_quarvex.exe", SW_HIDE), 2u);
  EXPECT_EQ(AfxStartProgram("", SW_HIDE), 2u);
  EXPECT_EQ(AfxStartProgram(NULL, SW_HIDE), 2u);
}

}  // namespace
