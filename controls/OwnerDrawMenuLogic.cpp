#include "controls/OwnerDrawMenuLogic.h"

#include <algorithm>
#include <cwctype>

namespace odmenu {

int ClassifyWindowsVersion(bool isNT, DWORD major, DWORD minor) {
  if (isNT) {
    if (major > 5 || (major == 5 && minor >= 1)) return 7;
    if (major == 5) return 6;
    if (major == 4) return 5;
    return 1;
  }
  if (major < 4) return 0;
  if (major == 4 && minor == 10) return 3;
  if (major == 4 && minor == 90) return 4;
  return 2;
}

static BYTE ShadeChannel(int c, double f, bool lighten) {
  double v = lighten ? c + (255 - c) * f : c - c * f;
  if (v < 0) v = 0;
  if (v > 255) v = 255;
  return static_cast<BYTE>(static_cast<int>(v));
}

static COLORREF Shade(COLORREF colour, double f, bool lighten) {
  if (!(f > 0.0 && f <= 1.0)) return colour;
  return RGB(ShadeChannel(GetRValue(colour), f, lighten),
             ShadeChannel(GetGValue(colour), f, lighten),
             ShadeChannel(GetBValue(colour), f, lighten));
}

COLORREF Lighten(COLORREF colour, double factor) {
  return Shade(colour, factor, true);
}
COLORREF Darken(COLORREF colour, double factor) {
  return Shade(colour, factor, false);
}

namespace {

class TemplateReader {
 public:
  TemplateReader(const BYTE* p, size_t n) : p_(p), n_(n) {}
  bool Word(WORD& w) {
    if (pos_ + 2 > n_) return false;
    w = static_cast<WORD>(p_[pos_] | (p_[pos_ + 1] << 8));
    pos_ += 2;
    return true;
  }
  bool Text(std::wstring& s) {
    s.clear();
    for (;;) {
      WORD w;
      if (!Word(w)) return false;
      if (w == 0) return true;
      s.push_back(static_cast<wchar_t>(w));
    }
  }
  bool Skip(size_t bytes) {
    if (pos_ + bytes > n_) return false;
    pos_ += bytes;
    return true;
  }

 private:
  const BYTE* p_;
  size_t n_;
  size_t pos_ = 0;
};

// Reads one level; returns after the item marked MF_END (a pull-down that is
// the last item ends this level once its own items are read).
bool ReadLevel(TemplateReader& r, std::vector<TemplateItem>& level, int depth) {
  if (depth > 32) return false;
  for (;;) {
    WORD flags;
    if (!r.Word(flags)) return false;
    TemplateItem item;
    item.flags = flags & ~static_cast<UINT>(MF_END);
    if (!(flags & MF_POPUP)) {
      WORD id;
      if (!r.Word(id)) return false;
      item.id = id;
    }
    if (!r.Text(item.text)) return false;
    if (flags & MF_POPUP) {
      if (!ReadLevel(r, item.children, depth + 1)) return false;
    }
    level.push_back(std::move(item));
    if (flags & MF_END) return true;
  }
}

}  // namespace

bool ParseMenuTemplate(const void* data, size_t size, std::vector<TemplateItem>& out) {
  out.clear();
  if (!data) return false;
  TemplateReader r(static_cast<const BYTE*>(data), size);
  WORD version, offset;
  if (!r.Word(version) || !r.Word(offset) || version != 0 || !r.Skip(offset)) return false;
  std::vector<TemplateItem> items;
  if (!ReadLevel(r, items, 0)) return false;
  out = std::move(items);
  return true;
}

static std::wstring LowerText(const std::wstring& s) {
  std::wstring t(s);
  for (auto& c : t) c = static_cast<wchar_t>(std::towlower(c));
  return t;
}

LRESULT FindMnemonic(const std::vector<std::wstring>& texts, wchar_t ch) {
  std::wstring key = L"&";
  key.push_back(static_cast<wchar_t>(std::towlower(ch)));
  for (size_t i = 0; i < texts.size(); ++i) {
    if (LowerText(texts[i]).find(key) != std::wstring::npos)
      return MAKELRESULT(static_cast<WORD>(i), MNC_EXECUTE);
  }
  return 0;
}

void SplitItemText(const std::wstring& text, std::wstring& label, std::wstring& shortcut) {
  size_t first = text.find(L'\t');
  if (first == std::wstring::npos) {
    label = text;
    shortcut.clear();
    return;
  }
  label = text.substr(0, first);
  shortcut = text.substr(text.rfind(L'\t') + 1);
}

void AlignShortcuts(std::vector<std::wstring>& texts,
                    const std::function<int(const std::wstring&)>& measure) {
  int widest = 0;
  for (const auto& t : texts) widest = std::max(widest, measure(t.substr(0, t.find(L'\t')) + L" "));
  for (auto& t : texts) {
    size_t tab = t.find(L'\t');
    if (tab == std::wstring::npos) continue;
    std::wstring label = t.substr(0, tab);
    // A bounded number of blanks: a measurer that gives blanks no width
    // must not make this loop forever.
    for (int guard = 0; guard < 256 && measure(label) < widest; ++guard) label.push_back(L' ');
    t = label + t.substr(tab);
  }
}

int PictureMargin(bool xpLook, bool variants) {
  return (xpLook && variants) ? 7 : 4;
}

int SeparatorHeight(bool xpLook, int cyMenu, int margin) {
  if (xpLook) return 3;
  return std::max(cyMenu / 2, (15 + margin) / 2);
}

int ItemWidth(bool xpLook, int textWidth, int margin) {
  return xpLook ? 16 + textWidth + margin + 8 : textWidth + 2 * 16 + 1;
}

int ItemHeight(int cyMenu, int margin) {
  return std::max(cyMenu, 15 + margin);
}

int PictureSlots::Find(UINT command) const {
  auto it = std::find(commands_.begin(), commands_.end(), command);
  return it == commands_.end() ? -1 : static_cast<int>(it - commands_.begin());
}

bool PictureSlots::HasVariants(int index) const {
  if (index < 0 || static_cast<size_t>(index) + 3 >= commands_.size()) return false;
  UINT c = commands_[index];
  return commands_[index + 1] == c && commands_[index + 2] == c && commands_[index + 3] == c;
}

PictureSlots::Placement PictureSlots::Place(UINT command, bool variants) {
  Placement p;
  int i = Find(command);
  if (i >= 0) {
    p.index = i;
    p.replace = true;
    p.count = (variants && HasVariants(i)) ? 4 : 1;
    return p;
  }
  p.index = static_cast<int>(commands_.size());
  p.count = variants ? 4 : 1;
  for (int k = 0; k < p.count; ++k) commands_.push_back(command);
  return p;
}

int BitmapColourCount(WORD bitCount, DWORD clrUsed) {
  if (clrUsed) return static_cast<int>(clrUsed);
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

int ToolbarResource::ImageOf(size_t i) const {
  if (i >= ids.size() || ids[i] == 0) return -1;
  int n = 0;
  for (size_t k = 0; k < i; ++k)
    if (ids[k] != 0) ++n;
  return n;
}

bool ParseToolbarResource(const void* data, size_t size, ToolbarResource& out) {
  out = ToolbarResource();
  if (!data || size < 8) return false;
  const BYTE* p = static_cast<const BYTE*>(data);
  auto word = [p](size_t at) { return static_cast<UINT>(p[at] | (p[at + 1] << 8)); };
  auto dword = [p](size_t at) {
    return static_cast<UINT>(p[at] | (p[at + 1] << 8) | (p[at + 2] << 16) |
                             (static_cast<UINT>(p[at + 3]) << 24));
  };
  // Classic: WORD version 1, width, height, count, then WORD ids.
  if (word(0) == 1 && 8 + 2 * static_cast<size_t>(word(6)) == size) {
    out.width = static_cast<int>(word(2));
    out.height = static_cast<int>(word(4));
    for (UINT i = 0; i < word(6); ++i) out.ids.push_back(word(8 + 2 * i));
    return true;
  }
  // windres: DWORD width, height, count, then DWORD ids.
  if (size >= 12) {
    UINT count = dword(8);
    if (count <= (size - 12) / 4 && 12 + 4 * static_cast<size_t>(count) == size) {
      out.width = static_cast<int>(dword(0));
      out.height = static_cast<int>(dword(4));
      for (UINT i = 0; i < count; ++i) out.ids.push_back(dword(12 + 4 * i));
      return true;
    }
  }
  return false;
}

}  // namespace odmenu
