// The fit dialogs' templates as the program carries them: captions, sizes, and every control with
// its id, class, text and place.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"

namespace {

struct Item {
  int id;
  std::string cls;  // window class (predefined ordinals by name)
  std::string text;
  int x, y, w, h;
  DWORD style;
};

struct Template {
  bool found = false;
  std::string caption;
  int w = 0, h = 0;
  DWORD style = 0;
  std::vector<Item> items;
};

// Window class names do not depend on case (windres writes them in capitals).
std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return s;
}

class CReader {
 public:
  explicit CReader(const BYTE* p) : m_p(p) {}
  WORD Word() {
    WORD w;
    memcpy(&w, m_p, 2);
    m_p += 2;
    return w;
  }
  DWORD Dword() {
    DWORD d;
    memcpy(&d, m_p, 4);
    m_p += 4;
    return d;
  }
  std::string Text() {
    std::string s;
    for (WORD c = Word(); c != 0; c = Word()) s += static_cast<char>(c);
    return s;
  }
  // A string or an ordinal (0xFFFF then the number).
  std::string TextOrOrdinal() {
    WORD first;
    memcpy(&first, m_p, 2);
    if (first == 0xFFFF) {
      Word();
      const WORD ordinal = Word();
      switch (ordinal) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x85: return "ComboBox";
        default: return "#" + std::to_string(ordinal);
      }
    }
    return Text();
  }
  void Align() {
    while (reinterpret_cast<UINT_PTR>(m_p) % 4) ++m_p;
  }
  void Skip(size_t n) { m_p += n; }

 private:
  const BYTE* m_p;
};

Template Load(int id) {
  Template t;
  HRSRC found = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_DIALOG);
  if (!found) return t;
  const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
  CReader r(p);
  if (r.Word() != 1 || r.Word() != 0xFFFF) return t;
  t.found = true;
  r.Dword();  // help id
  r.Dword();  // extended style
  t.style = r.Dword();
  const int count = r.Word();
  r.Word();
  r.Word();
  t.w = static_cast<short>(r.Word());
  t.h = static_cast<short>(r.Word());
  r.TextOrOrdinal();  // menu
  r.TextOrOrdinal();  // class
  t.caption = r.Text();
  if (t.style & DS_SETFONT) {
    r.Word();
    r.Word();
    r.Word();  // italic, charset
    r.Text();
  }
  for (int i = 0; i < count; ++i) {
    r.Align();
    Item item;
    r.Dword();
    r.Dword();
    item.style = r.Dword();
    item.x = static_cast<short>(r.Word());
    item.y = static_cast<short>(r.Word());
    item.w = static_cast<short>(r.Word());
    item.h = static_cast<short>(r.Word());
    item.id = static_cast<int>(r.Dword());
    item.cls = r.TextOrOrdinal();
    item.text = r.TextOrOrdinal();
    r.Skip(r.Word());
    t.items.push_back(item);
  }
  return t;
}

const Item* Find(const Template& t, int id) {
  for (const Item& item : t.items)
    if (item.id == id) return &item;
  return nullptr;
}

// Checks each control that has an id, and each labelled one by its text and place.
void ExpectControls(const Template& t, const std::vector<Item>& expected) {
  ASSERT_TRUE(t.found);
  for (const Item& e : expected) {
    const Item* item = nullptr;
    if (e.id != -1) {
      item = Find(t, e.id);
    } else {
      for (const Item& candidate : t.items)
        if (candidate.id == 0xFFFF || candidate.id == -1)
          if (candidate.text == e.text && candidate.x == e.x && candidate.y == e.y) item = &candidate;
    }
    ASSERT_NE(nullptr, item) << e.id << " " << e.text;
    EXPECT_EQ(Upper(e.cls), Upper(item->cls)) << e.id << " " << e.text;
    EXPECT_EQ(e.text, item->text) << e.id;
    EXPECT_EQ(e.x, item->x) << e.id << " " << e.text;
    EXPECT_EQ(e.y, item->y) << e.id << " " << e.text;
    EXPECT_EQ(e.w, item->w) << e.id << " " << e.text;
    EXPECT_EQ(e.h, item->h) << e.id << " " << e.text;
  }
}

// The controls every dialog has, by id.
void ExpectFamilyIds(const Template& t, bool statusLine, bool mogi) {
  for (int id : {16653, 1147, 1118, 1175, 1371, 1328, 1417, 1327, 1389, 1419, 1, 2})
    EXPECT_NE(nullptr, Find(t, id)) << id;
  EXPECT_EQ(statusLine, Find(t, 1413) != nullptr);
  EXPECT_EQ(mogi, Find(t, 1386) != nullptr);
  EXPECT_EQ("MFCGRIDCTRL", Upper(Find(t, 1175)->cls));
  EXPECT_EQ("MSCTLS_UPDOWN32", Upper(Find(t, 1118)->cls));
  // The spin never writes its own position into the test count.
  EXPECT_EQ(0u, Find(t, 1118)->style & UDS_SETBUDDYINT);
  EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWNLIST), Find(t, 16653)->style & 3);
}

}  // namespace

TEST(FitTemplates, HoekBrown) {
  const Template t = Load(IDD_FIT_HOEK_BROWN);
  ASSERT_TRUE(t.found);
  EXPECT_EQ("Calculate mi, sigci from Lab Data", t.caption);
  EXPECT_EQ(367, t.w);
  EXPECT_EQ(309, t.h);
  ExpectFamilyIds(t, true, true);
  for (int id : {1275, 1267, 1325}) EXPECT_NE(nullptr, Find(t, id)) << id;
}

TEST(FitTemplates, RockMass) {
  const Template t = Load(IDD_FIT_ROCK_MASS);
  ASSERT_TRUE(t.found);
  EXPECT_EQ("Calculate mi, GSI, mb, s and a from Rock Mass Data", t.caption);
  ExpectFamilyIds(t, true, true);
  for (int id : {1390, 1391, 1261, 1249, 1279, 1275, 1258, 1325})
    EXPECT_NE(nullptr, Find(t, id)) << id;
  bool input = false, data = false;
  for (const Item& item : t.items) {
    input = input || item.text == "Input Parameters";
    data = data || item.text == "Rock Mass Data";
  }
  EXPECT_TRUE(input && data);
}

TEST(FitTemplates, MohrCoulomb) {
  const Template t = Load(IDD_FIT_MOHR_COULOMB);
  EXPECT_EQ("Calculate Mohr-Coulomb parameters c and phi from  Test Data", t.caption);
  EXPECT_EQ(367, t.w);
  EXPECT_EQ(329, t.h);
  ExpectFamilyIds(t, true, true);
  EXPECT_EQ(29u, t.items.size());
  ExpectControls(t, {{16653, "ComboBox", "", 80, 13, 95, 53},
                     {-1, "Static", "Curve-Fitting Method:", 10, 13, 70, 12},
                     {-1, "Button", "Lab Data", 7, 3, 177, 272},
                     {-1, "Button", "Data Type", 10, 26, 165, 24},
                     {1403, "Button", "Triaxial", 33, 35, 48, 11},
                     {1404, "Button", "Direct Shear", 93, 35, 61, 11},
                     {-1, "Static", "Number of Tests:", 21, 54, 57, 12},
                     {1147, "Edit", "", 80, 54, 37, 12},
                     {1118, "msctls_updown32", "", 120, 53, 11, 13},
                     {1175, "MFCGridCtrl", "", 13, 70, 163, 182},
                     {1371, "Button", "Copy ", 13, 257, 51, 14},
                     {1328, "Button", "Paste", 69, 257, 52, 14},
                     {1417, "Button", "Import...", 126, 257, 50, 14},
                     {-1, "Static", "c:", 196, 12, 14, 13},
                     {1288, "Edit", "", 212, 12, 41, 13},
                     {1402, "Static", "MPa", 257, 12, 18, 13},
                     {-1, "Static", "phi:", 284, 12, 18, 13},
                     {1302, "Edit", "", 304, 12, 41, 13},
                     {-1, "Static", "sigt:", 192, 30, 20, 15},
                     {1310, "Edit", "", 212, 30, 41, 13},
                     {16651, "Static", "MPa", 257, 30, 18, 13},
                     {1327, "Static", "", 194, 47, 162, 214},
                     {1386, "Button", "Plot Mogi's Line", 194, 266, 61, 9},
                     {-1, "Static", "Residuals:", 272, 266, 33, 8},
                     {1389, "Edit", "", 307, 264, 40, 14},
                     {1413, "Static", "", 16, 283, 332, 20},
                     {1419, "Button", "Apply", 198, 310, 50, 14},
                     {1, "Button", "OK", 254, 310, 50, 14},
                     {2, "Button", "Cancel", 310, 310, 50, 14}});
  EXPECT_TRUE(Find(t, 1403)->style & WS_GROUP);
}

TEST(FitTemplates, BartonBandis) {
  const Template t = Load(IDD_FIT_BARTON_BANDIS);
  EXPECT_EQ("Calculate JRC and JCS from Discontinuity Shear Strength Data", t.caption);
  EXPECT_EQ(367, t.w);
  EXPECT_EQ(307, t.h);
  EXPECT_EQ(0u, t.style & DS_CONTEXTHELP);
  ExpectFamilyIds(t, false, false);
  EXPECT_EQ(26u, t.items.size());
  ExpectControls(
      t, {{16653, "ComboBox", "", 80, 13, 95, 53},
          {-1, "Static", "Curve-Fitting Method:", 10, 13, 70, 12},
          {-1, "Button", "Shear Strength Data", 7, 3, 177, 262},
          {-1, "Button", "Input Parameter", 10, 26, 165, 23},
          {-1, "Static", "phir:", 58, 34, 18, 13},
          {1411, "Edit", "", 80, 34, 39, 12},
          {1410, "Static", "deg", 121, 32, 18, 13},
          {-1, "Static", "Number of Tests:", 21, 52, 57, 12},
          {1147, "Edit", "", 80, 52, 39, 12},
          {1118, "msctls_updown32", "", 120, 51, 11, 13},
          {1175, "MFCGridCtrl", "", 13, 67, 163, 177},
          {1371, "Button", "Copy ", 13, 247, 51, 14},
          {1328, "Button", "Paste", 69, 247, 52, 14},
          {1417, "Button", "Import...", 126, 247, 50, 14},
          {-1, "Static",
           "* Copy data from your spreadsheet, and then press Paste to have it entered in the grid",
           10, 269, 156, 20},
          {-1, "Static", "JRC:", 193, 10, 18, 13},
          {1408, "Edit", "", 213, 10, 41, 13},
          {-1, "Static", "JCS:", 271, 10, 18, 13},
          {1173, "Edit", "", 289, 10, 41, 13},
          {1163, "Static", "MPa", 333, 10, 18, 13},
          {1327, "Static", "", 190, 29, 162, 235},
          {-1, "Static", "Residuals:", 272, 271, 33, 8},
          {1389, "Edit", "", 307, 269, 40, 14},
          {1419, "Button", "Apply", 198, 289, 50, 14},
          {1, "Button", "OK", 254, 289, 50, 14},
          {2, "Button", "Cancel", 310, 289, 50, 14}});
}

TEST(FitTemplates, PowerCurve) {
  const Template t = Load(IDD_FIT_POWER_CURVE);
  EXPECT_EQ("Calculate a, b and d from Triaxial or Shear Strength Data", t.caption);
  EXPECT_EQ(367, t.w);
  EXPECT_EQ(329, t.h);
  EXPECT_EQ(0u, t.style & DS_CONTEXTHELP);
  ExpectFamilyIds(t, true, true);
  EXPECT_EQ(28u, t.items.size());
  ExpectControls(t, {{16653, "ComboBox", "", 80, 13, 95, 53},
                     {-1, "Static", "Curve-Fitting Method:", 10, 13, 70, 12},
                     {-1, "Button", "Shear Strength Data", 7, 3, 177, 272},
                     {-1, "Button", "Data Type", 20, 26, 155, 25},
                     {1403, "Button", "Triaxial", 33, 35, 48, 11},
                     {1404, "Button", "Direct Shear", 96, 35, 61, 11},
                     {-1, "Static", "Number of Tests:", 33, 55, 57, 12},
                     {1147, "Edit", "", 91, 55, 37, 12},
                     {1118, "msctls_updown32", "", 129, 54, 11, 13},
                     {1175, "MFCGridCtrl", "", 13, 70, 163, 182},
                     {1371, "Button", "Copy ", 13, 256, 51, 14},
                     {1328, "Button", "Paste", 69, 256, 52, 14},
                     {1417, "Button", "Import...", 126, 256, 50, 14},
                     {-1, "Static", "a:", 199, 8, 11, 13},
                     {1098, "Edit", "", 212, 8, 41, 13},
                     {-1, "Static", "d:", 277, 8, 13, 13},
                     {1109, "Edit", "", 292, 8, 41, 13},
                     {1409, "Static", "MPa", 337, 8, 18, 13},
                     {-1, "Static", "b:", 199, 26, 11, 13},
                     {1128, "Edit", "", 212, 26, 41, 13},
                     {1327, "Static", "", 194, 45, 162, 210},
                     {1386, "Button", "Plot Mogi's Line", 194, 266, 61, 9},
                     {-1, "Static", "Residuals:", 272, 266, 33, 8},
                     {1389, "Edit", "", 307, 264, 40, 14},
                     {1413, "Static", "", 16, 283, 332, 20},
                     {1419, "Button", "Apply", 198, 309, 50, 14},
                     {1, "Button", "OK", 254, 309, 50, 14},
                     {2, "Button", "Cancel", 310, 309, 50, 14}});
}

TEST(FitTemplates, CopyAndPasteIcons) {
  for (int id : {IDI_PASTE, IDI_COPY}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(nullptr, icon) << id;
    DestroyIcon(icon);
  }
}
