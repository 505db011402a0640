// A printer and an auto-format store for the page set-up tests.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "shell/PageSetupLogic.h"

namespace pagetest {

// An A4 printer at 300 dpi with offsets of 0.25 in (sides) and 0.2 in (top and bottom) that
// starts in landscape and records each turn.
class CFakePrinter : public IPageSetupPrinter {
 public:
  bool present = true;
  bool landscape = true;
  bool zeroPaper = false;  // a driver reporting no paper
  std::vector<bool> turns;

  bool ReadPrintableArea(PageSetupRecord& r) override {
    if (!present) return false;
    double width = 8.27, height = 11.69;
    if (landscape) std::swap(width, height);
    r.portrait = !landscape;
    r.paperWidth = zeroPaper ? 0.0 : width;
    r.paperHeight = zeroPaper ? 0.0 : height;
    r.minMarginLeftRight = landscape ? 0.2 : 0.25;
    r.minMarginTopBottom = landscape ? 0.25 : 0.2;
    return true;
  }
  bool SetOrientation(bool wantLandscape) override {
    if (!present || wantLandscape == landscape) return false;
    landscape = wantLandscape;
    turns.push_back(wantLandscape);
    return true;
  }
};

class CFakeFormats : public IMarginAutoFormats {
 public:
  std::vector<std::pair<std::string, MarginAutoFormat>> formats;

  std::vector<CString> Names() override {
    std::vector<CString> names;
    for (auto& f : formats) names.push_back(f.first.c_str());
    return names;
  }
  bool Read(const char* name, MarginAutoFormat* format) override {
    for (auto& f : formats)
      if (f.first == name) {
        *format = f.second;
        return true;
      }
    return false;
  }
  bool Write(const char* name, const MarginAutoFormat& format) override {
    for (auto& f : formats)
      if (f.first == name) {
        f.second = format;
        return true;
      }
    formats.emplace_back(name, format);
    return true;
  }
  bool Remove(const char* name) override {
    auto it = std::find_if(formats.begin(), formats.end(), [&](auto& f) { return f.first == name; });
    if (it == formats.end()) return false;
    formats.erase(it);
    return true;
  }
};

}  // namespace pagetest
