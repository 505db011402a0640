// Window-free rules of the window tab strip: creation flags, layout, and the
// reconciliation of tabs with the document windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintabs {

const size_t kMaxTitle = 555;

struct Flags {
  bool top = false;
  bool icons = false;
  int minTabs = 1;
};
Flags DecodeFlags(int flags);

struct Layout {
  RECT rest{};   // the layout rectangle left for the inner windows
  RECT strip{};  // where the strip goes (when visible)
  bool visible = false;
};
// Lays the strip out inside rc for the given number of tabs.
Layout PlaceStrip(const RECT& rc, const Flags& f, int tabCount);

// What reconciling does to the tabs. Tabs are identified by their window.
struct TabPlan {
  std::vector<int> removed;    // indexes of tabs to delete, highest first
  std::vector<HWND> kept;      // surviving tabs in their order
  std::vector<HWND> appended;  // new tabs, in z-order
  int selected = -1;           // final index of the active window's tab
  std::vector<HWND> Final() const;
};
// tabs: current tab windows; zorder: document windows, topmost (active) first.
TabPlan Reconcile(const std::vector<HWND>& tabs, const std::vector<HWND>& zorder);

std::string TruncateTitle(const std::string& title);

// The icon queries in the order they are asked; the first non-null answer wins.
enum class IconQuery { GetIconSmall, GetIconBig, ClassIcon, ClassIconSmall, QueryDragIcon };
std::vector<IconQuery> IconQueryOrder(bool small);
HICON FindIcon(bool small, const std::function<HICON(IconQuery)>& ask);

}  // namespace wintabs
