// Window-free rules of the owner-drawn menus: OS classification, colour shading,
// the RT_MENU template walker, mnemonic search, shortcut alignment and item metrics.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace odmenu {

// OS version class 0..7 from the platform id and version numbers.
// NT 5.1 and every later NT version count as class 7 (the newest look).
int ClassifyWindowsVersion(bool isNT, DWORD major, DWORD minor);

// Channel-wise shading; factors outside (0, 1] leave the colour unchanged.
COLORREF Lighten(COLORREF colour, double factor);
COLORREF Darken(COLORREF colour, double factor);

// One item of a menu template.
struct TemplateItem {
  UINT flags = 0;  // MF_* bits as stored in the template (MF_END removed)
  UINT id = 0;     // command id (0 for separators and pull-downs)
  std::wstring text;
  std::vector<TemplateItem> children;  // items of a pull-down
  bool IsPopup() const { return (flags & MF_POPUP) != 0; }
  bool IsSeparator() const { return !IsPopup() && id == 0; }
};

// Parses a standard (version 0) menu template. Returns false for truncated or
// malformed data; out then holds nothing.
bool ParseMenuTemplate(const void* data, size_t size, std::vector<TemplateItem>& out);

// Keyboard mnemonic search: the first text (by position) holding "&" + ch,
// compared lower-case, gives position | (MNC_EXECUTE << 16); none gives 0.
LRESULT FindMnemonic(const std::vector<std::wstring>& texts, wchar_t ch);

// Pads each label that is followed by a tab so that all shortcuts start at the
// same width; measure returns the pixel width of a text.
void AlignShortcuts(std::vector<std::wstring>& texts,
                    const std::function<int(const std::wstring&)>& measure);

// Splits "label\tshortcut" (label before the first tab, shortcut after the last).
void SplitItemText(const std::wstring& text, std::wstring& label, std::wstring& shortcut);

// Item metrics. margin is 4, or 7 in the XP look with picture variants.
int PictureMargin(bool xpLook, bool variants);
int SeparatorHeight(bool xpLook, int cyMenu, int margin);
int ItemWidth(bool xpLook, int textWidth, int margin);
int ItemHeight(int cyMenu, int margin);

// The shared picture list keeps one command id per picture; in the XP look with
// variants each command owns four consecutive pictures.
class PictureSlots {
 public:
  struct Placement {
    int index = -1;        // index of the command's normal picture
    bool replace = false;  // true when existing pictures are overwritten
    int count = 1;         // pictures written (1 or 4)
  };
  Placement Place(UINT command, bool variants);
  int Find(UINT command) const;
  bool HasVariants(int index) const;
  size_t Size() const { return commands_.size(); }
  void Clear() { commands_.clear(); }

 private:
  std::vector<UINT> commands_;
};

// Reads the 16-colour test's input from a bitmap info header: the used-colour
// count, else 2, 16 or 256 for 1, 4 or 8 bits per pixel, 0 for true colour.
int BitmapColourCount(WORD bitCount, DWORD clrUsed);

// A tool-bar resource: button size and command ids (0 = separator). Reads the
// classic WORD layout (version 1) and the DWORD layout windres writes.
struct ToolbarResource {
  int width = 0, height = 0;
  std::vector<UINT> ids;
  // The picture of button i: the number of buttons (not separators) before it.
  int ImageOf(size_t i) const;
};
bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out);

}  // namespace odmenu
