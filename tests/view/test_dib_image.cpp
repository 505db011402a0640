// Device-independent bitmaps to RGB rows, BMP files and JPEG files, on hand-made DIBs.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/view/jpeg_decode.h"
#include "tests/view/view_test_support.h"
#include "view/DibImage.h"

namespace {

// A packed DIB of the given bits, width and height with a colour table and zeroed rows.
struct TestDib {
  std::vector<BYTE> bytes;
  BITMAPINFOHEADER* Header() { return reinterpret_cast<BITMAPINFOHEADER*>(bytes.data()); }
  RGBQUAD* Table() { return reinterpret_cast<RGBQUAD*>(bytes.data() + sizeof(BITMAPINFOHEADER)); }
  BYTE* Row(int dibRow) {
    BITMAPINFOHEADER* h = Header();
    LONG stride = ((h->biBitCount * h->biWidth + 31) / 32) * 4;
    return bytes.data() + sizeof(BITMAPINFOHEADER) + DibColorTableSize(h) * 4 + dibRow * stride;
  }
};

TestDib MakeDib(WORD bits, LONG width, LONG height) {
  BITMAPINFOHEADER h = {};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = bits;
  h.biCompression = BI_RGB;
  TestDib dib;
  dib.bytes.resize(sizeof h + DibColorTableSize(&h) * 4 + DibImageSize(&h));
  *dib.Header() = h;
  return dib;
}

// Converts and returns the RGB rows as one vector, top row first.
std::vector<BYTE> ToRgb(TestDib& dib) {
  LONG w = dib.Header()->biWidth, h = dib.Header()->biHeight;
  std::vector<BYTE> out(w * 3 * h, 0xCD);
  std::vector<unsigned char*> rows;
  for (LONG r = 0; r < h; ++r) rows.push_back(out.data() + r * w * 3);
  CString error;
  EXPECT_TRUE(DibRowToRgb(dib.Header(), (int)w * 3, rows.data(), &error)) << error.GetString();
  return out;
}

using viewtest::ReadBytes;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Temp(const char* name) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

TEST(DibImageTest, Rgb555FieldsExpandThroughTheTable) {
  BYTE rgb[3];
  ExpandRgb555(0, rgb);
  EXPECT_EQ(rgb[0] + rgb[1] + rgb[2], 0);
  ExpandRgb555((1 << 10) | (30 << 5) | 31, rgb);
  EXPECT_EQ(rgb[0], 16);   // entry 1 is 16, not 8
  EXPECT_EQ(rgb[1], 248);  // entry 30
  EXPECT_EQ(rgb[2], 255);  // entry 31
  ExpandRgb555(0x8000 | (31 << 10), rgb);  // the top bit is not a colour
  EXPECT_EQ(rgb[0], 255);
  EXPECT_EQ(rgb[1], 0);
}

TEST(DibImageTest, ColourTableSizes) {
  TestDib eight = MakeDib(8, 1, 1);
  EXPECT_EQ(DibColorTableSize(eight.Header()), 256);
  eight.Header()->biClrUsed = 5;
  EXPECT_EQ(DibColorTableSize(eight.Header()), 5);
  EXPECT_EQ(DibColorTableSize(MakeDib(1, 1, 1).Header()), 2);
  EXPECT_EQ(DibColorTableSize(MakeDib(4, 1, 1).Header()), 16);
  EXPECT_EQ(DibColorTableSize(MakeDib(24, 1, 1).Header()), 0);
  EXPECT_EQ(DibColorTableSize(MakeDib(32, 1, 1).Header()), 0);
  BITMAPCOREHEADER core = {sizeof core, 1, 1, 1, 4};
  EXPECT_EQ(DibColorTableSize(reinterpret_cast<BITMAPINFOHEADER*>(&core)), 16);
  core.bcBitCount = 24;
  EXPECT_EQ(DibColorTableSize(reinterpret_cast<BITMAPINFOHEADER*>(&core)), 0);
}

TEST(DibImageTest, RowsComeOutTopFirstAsRedGreenBlue) {
  // 24 bits, width 3 (9 bytes padded to 12), two rows: the bottom row is stored first.
  TestDib dib = MakeDib(24, 3, 2);
  BYTE bottom[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};   // blue, green, red per pixel
  BYTE top[9] = {10, 20, 30, 40, 50, 60, 70, 80, 90};
  memcpy(dib.Row(0), bottom, 9);
  memcpy(dib.Row(1), top, 9);
  std::vector<BYTE> rgb = ToRgb(dib);
  EXPECT_EQ(rgb, (std::vector<BYTE>{30, 20, 10, 60, 50, 40, 90, 80, 70,   // top row
                                    3, 2, 1, 6, 5, 4, 9, 8, 7}));

  TestDib wide = MakeDib(32, 2, 1);
  BYTE pixels[8] = {1, 2, 3, 99, 4, 5, 6, 99};
  memcpy(wide.Row(0), pixels, 8);
  EXPECT_EQ(ToRgb(wide), (std::vector<BYTE>{3, 2, 1, 6, 5, 4}));

  TestDib words = MakeDib(16, 3, 1);  // 6 bytes padded to 8
  WORD w[3] = {(WORD)(31 << 10), (WORD)(31 << 5), 31};
  memcpy(words.Row(0), w, 6);
  EXPECT_EQ(ToRgb(words), (std::vector<BYTE>{255, 0, 0, 0, 255, 0, 0, 0, 255}));
}

TEST(DibImageTest, PalettedRowsLookUpTheColourTable) {
  TestDib one = MakeDib(1, 9, 1);  // 9 pixels take 2 bytes, most significant bit first
  one.Table()[0] = {0, 0, 0, 0};
  one.Table()[1] = {255, 128, 0, 0};  // blue 255, green 128, red 0
  one.Row(0)[0] = 0x81;                // pixels 0 and 7
  one.Row(0)[1] = 0x80;                // pixel 8
  std::vector<BYTE> rgb = ToRgb(one);
  EXPECT_EQ(std::vector<BYTE>(rgb.begin(), rgb.begin() + 6), (std::vector<BYTE>{0, 128, 255, 0, 0, 0}));
  EXPECT_EQ(rgb[7 * 3 + 2], 255);
  EXPECT_EQ(rgb[8 * 3 + 2], 255);

  TestDib four = MakeDib(4, 3, 1);  // high nibble first
  four.Table()[2] = {0, 0, 200, 0};
  four.Table()[5] = {0, 100, 0, 0};
  four.Row(0)[0] = 0x25;
  four.Row(0)[1] = 0x20;
  EXPECT_EQ(ToRgb(four), (std::vector<BYTE>{200, 0, 0, 0, 100, 0, 200, 0, 0}));

  TestDib eight = MakeDib(8, 3, 1);
  eight.Table()[7] = {1, 2, 3, 0};
  eight.Row(0)[1] = 7;
  EXPECT_EQ(ToRgb(eight), (std::vector<BYTE>{0, 0, 0, 3, 2, 1, 0, 0, 0}));
}

TEST(DibImageTest, BadInputIsRefusedWithItsReason) {
  std::vector<BYTE> row(30);
  unsigned char* rows[1] = {row.data()};
  CString error;
  TestDib two = MakeDib(2, 3, 1);
  EXPECT_FALSE(DibRowToRgb(two.Header(), 9, rows, &error));
  EXPECT_STREQ(error, "Invalid bitmap bit count");
  EXPECT_FALSE(DibRowToRgb(nullptr, 9, rows, &error));
  EXPECT_STREQ(error, "Invalid input data");
  TestDib ok = MakeDib(24, 3, 1);
  EXPECT_FALSE(DibRowToRgb(ok.Header(), 0, rows, &error));
  EXPECT_STREQ(error, "Invalid input data");
  EXPECT_FALSE(DibRowToRgb(ok.Header(), 9, rows, nullptr));
}

TEST(DibImageTest, BmpFileLayout) {
  TestDib dib = MakeDib(24, 301, 200);
  dib.Header()->biSizeImage = 0;  // filled in on the way out
  dib.Row(199)[0] = 0xAB;         // the top row's first blue byte
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.bytes.size());
  memcpy(GlobalLock(block), dib.bytes.data(), dib.bytes.size());
  GlobalUnlock(block);
  std::string path = Temp("qx_dib_layout.bmp");
  CFile file;
  ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_TRUE(WriteDibFile(file, block));
  EXPECT_TRUE(file.Close());
  std::string bytes = ReadBytes(path);
  const DWORD rowBytes = 904;  // 903 padded to a multiple of 4
  ASSERT_EQ(bytes.size(), 14 + 40 + rowBytes * 200);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  auto dword = [&](size_t at) { return *reinterpret_cast<const DWORD*>(bytes.data() + at); };
  EXPECT_EQ(dword(2), 14 + 40 + rowBytes * 200);
  EXPECT_EQ(dword(6), 0u);
  EXPECT_EQ(dword(10), 54u);
  EXPECT_EQ(dword(14 + 20), rowBytes * 200);  // biSizeImage
  EXPECT_EQ((BYTE)bytes[54 + rowBytes * 199], 0xAB);
  DeleteFileA(path.c_str());
  // Only 40-byte headers are written.
  reinterpret_cast<BITMAPINFOHEADER*>(GlobalLock(block))->biSize = 108;
  GlobalUnlock(block);
  CFile other;
  ASSERT_TRUE(other.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_FALSE(WriteDibFile(other, block));
  other.Close();
  DeleteFileA(path.c_str());
  GlobalFree(block);
  CFile none;
  EXPECT_FALSE(WriteDibFile(none, NULL));
}

TEST(DibImageTest, JpegOfADibReadsBackTopRowFirst) {
  TestDib dib = MakeDib(24, 40, 30);
  for (LONG r = 0; r < 30; ++r)
    for (LONG x = 0; x < 40; ++x) {
      BYTE* p = dib.Row(r) + 3 * x;
      bool topHalf = r >= 15;  // DIB rows count from the bottom
      p[0] = topHalf ? 0 : 255;    // blue
      p[1] = 0;
      p[2] = topHalf ? 255 : 0;    // red
    }
  std::string path = Temp("qx_dib.jpg");
  CString error;
  ASSERT_TRUE(WriteJpegFile(dib.Header(), 100, path.c_str(), &error)) << error.GetString();
  EXPECT_TRUE(error.IsEmpty());
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  ASSERT_TRUE(DecodeJpeg(path, &w, &h, &rgb));
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 30);
  const unsigned char* top = &rgb[(2 * 40 + 20) * 3];
  const unsigned char* bottom = &rgb[(27 * 40 + 20) * 3];
  EXPECT_GT(top[0], 230);
  EXPECT_LT(top[2], 25);
  EXPECT_GT(bottom[2], 230);
  EXPECT_LT(bottom[0], 25);
  DeleteFileA(path.c_str());
}

TEST(DibImageTest, JpegFailuresLeaveNoFileAndTheProgramRunning) {
  TestDib dib = MakeDib(24, 4, 4);
  CString error;
  EXPECT_FALSE(WriteJpegFile(dib.Header(), 101, "x.jpg", &error));
  EXPECT_STREQ(error, "Invalid input data");
  EXPECT_FALSE(WriteJpegFile(nullptr, 100, "x.jpg", &error));
  EXPECT_FALSE(WriteJpegFile(dib.Header(), 100, "", &error));
  EXPECT_FALSE(WriteJpegFile(dib.Header(), 100, "x.jpg", nullptr));
  EXPECT_FALSE(WriteJpegFile(dib.Header(), 100, "Q:\\no\\folder\\x.jpg", &error));
  EXPECT_STREQ(error, "Cannot open Q:\\no\\folder\\x.jpg");
  // An empty image and a bit count the converter refuses: no file is left.
  std::string path = Temp("qx_empty.jpg");
  TestDib empty = MakeDib(24, 0, 0);
  EXPECT_FALSE(WriteJpegFile(empty.Header(), 100, path.c_str(), &error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_FALSE(Exists(path));
  TestDib two = MakeDib(2, 4, 4);
  EXPECT_FALSE(WriteJpegFile(two.Header(), 100, path.c_str(), &error));
  EXPECT_STREQ(error, "Invalid bitmap bit count");
  EXPECT_FALSE(Exists(path));
  // A picture wider than the format allows is the library's own error, which comes back.
  TestDib huge = MakeDib(24, 70000, 1);
  EXPECT_FALSE(WriteJpegFile(huge.Header(), 100, path.c_str(), &error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_FALSE(Exists(path));
}

}  // namespace
