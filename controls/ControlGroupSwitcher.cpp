// The control-group switcher.
#include "controls/ControlGroupSwitcher.h"

#include "controls/TipsDialogLogic.h"

#include <algorithm>

void CControlGroupSwitcher::Init(CWnd* parent, UINT anchorId, BOOL keepFirst) {
  m_parent = parent;
  m_anchorId = anchorId;
  m_keepFirst = keepFirst;
  m_children.clear();
}

void CControlGroupSwitcher::AddGroup(UINT frameId, UINT groupId) {
  if (!m_parent || !m_parent->m_hWnd || m_anchorId == 0) return;
  HWND hFrame = ::GetDlgItem(m_parent->m_hWnd, static_cast<int>(frameId));
  if (!hFrame) return;
  RECT frame;
  ::GetWindowRect(hFrame, &frame);
  tips::Area area = {frame.left, frame.top, frame.right, frame.bottom};
  auto group = std::make_unique<Group>();
  group->id = groupId;
  group->controls.push_back(hFrame);
  if (std::find(m_children.begin(), m_children.end(), hFrame) == m_children.end()) {
    m_children.clear();
    for (HWND h = ::GetWindow(hFrame, GW_HWNDFIRST); h; h = ::GetWindow(h, GW_HWNDNEXT))
      m_children.push_back(h);
  }
  for (HWND h : m_children) {
    if (h == hFrame || !::IsWindow(h)) continue;
    RECT r;
    ::GetWindowRect(h, &r);
    if (tips::InsideFrame(area, {r.left, r.top, r.right, r.bottom})) group->controls.push_back(h);
  }
  AlignGroup(m_parent, m_anchorId, *group);
  m_groups.push_back(std::move(group));
}

void CControlGroupSwitcher::AddToGroup(UINT groupId, HWND control) {
  for (const auto& group : m_groups)
    if (group->id == groupId) group->controls.push_back(control);
}

void CControlGroupSwitcher::AlignGroup(CWnd* parent, UINT anchorId, Group& group) {
  if (!parent || !parent->m_hWnd || group.controls.empty()) return;
  HWND hAnchor = ::GetDlgItem(parent->m_hWnd, static_cast<int>(anchorId));
  if (!hAnchor) return;
  RECT anchor, frame;
  ::GetWindowRect(hAnchor, &anchor);
  ::GetWindowRect(group.controls[0], &frame);
  int dx = anchor.left - frame.left;
  int dy = anchor.top - frame.top;
  if (dx == 0 && dy == 0) return;
  for (HWND h : group.controls) {
    RECT r;
    ::GetWindowRect(h, &r);
    POINT p = {r.left + dx, r.top + dy};
    ::ScreenToClient(parent->m_hWnd, &p);
    ::SetWindowPos(h, NULL, p.x, p.y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void CControlGroupSwitcher::ShowGroup(UINT groupId) {
  for (const auto& group : m_groups) {
    int show = group->id == groupId ? SW_SHOW : SW_HIDE;
    for (size_t i = m_keepFirst ? 1 : 0; i < group->controls.size(); ++i)
      ::ShowWindow(group->controls[i], show);
  }
}
