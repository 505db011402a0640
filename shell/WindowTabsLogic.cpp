#include "shell/WindowTabsLogic.h"

#include <algorithm>

namespace wintabs {

Flags DecodeFlags(int flags) {
  Flags f;
  f.top = (flags & 1) != 0;
  f.icons = (flags & 2) != 0;
  f.minTabs = (flags & 4) ? 2 : 1;
  return f;
}

Layout PlaceStrip(const RECT& rc, const Flags& f, int tabCount) {
  Layout l;
  l.rest = rc;
  if (tabCount < f.minTabs) return l;
  int h = f.icons ? 27 : 26;
  int height = h + 2;
  l.visible = true;
  l.strip.left = rc.left;
  l.strip.right = rc.right;
  if (f.top) {
    l.strip.top = rc.top;
    l.rest.top += h;
  } else {
    l.rest.bottom -= h;
    l.strip.top = l.rest.bottom - 2;
  }
  l.strip.bottom = l.strip.top + height;
  return l;
}

std::vector<HWND> TabPlan::Final() const {
  std::vector<HWND> out = kept;
  out.insert(out.end(), appended.begin(), appended.end());
  return out;
}

TabPlan Reconcile(const std::vector<HWND>& tabs, const std::vector<HWND>& zorder) {
  TabPlan plan;
  std::vector<HWND> left = zorder;
  HWND active = zorder.empty() ? nullptr : zorder.front();
  std::vector<bool> keep(tabs.size(), false);
  for (int i = static_cast<int>(tabs.size()) - 1; i >= 0; --i) {
    auto it = std::find(left.begin(), left.end(), tabs[i]);
    if (it == left.end()) {
      plan.removed.push_back(i);
    } else {
      keep[i] = true;
      left.erase(it);
    }
  }
  for (size_t i = 0; i < tabs.size(); ++i)
    if (keep[i]) plan.kept.push_back(tabs[i]);
  plan.appended = left;
  std::vector<HWND> all = plan.Final();
  auto sel = std::find(all.begin(), all.end(), active);
  plan.selected = (active && sel != all.end()) ? static_cast<int>(sel - all.begin()) : -1;
  return plan;
}

std::string TruncateTitle(const std::string& title) {
  return title.size() > kMaxTitle ? title.substr(0, kMaxTitle) : title;
}

std::vector<IconQuery> IconQueryOrder(bool small) {
  if (small)
    return {IconQuery::GetIconSmall, IconQuery::ClassIcon, IconQuery::QueryDragIcon,
            IconQuery::GetIconBig, IconQuery::ClassIconSmall};
  return {IconQuery::GetIconBig, IconQuery::ClassIconSmall, IconQuery::GetIconSmall,
          IconQuery::ClassIcon, IconQuery::QueryDragIcon};
}

HICON FindIcon(bool small, const std::function<HICON(IconQuery)>& ask) {
  for (IconQuery q : IconQueryOrder(small)) {
    HICON h = ask(q);
    if (h) return h;
  }
  return nullptr;
}

}  // namespace wintabs
