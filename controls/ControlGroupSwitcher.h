// CControlGroupSwitcher: groups of controls, each inside a frame control, moved onto one anchor
// so that one group at a time can be shown in the same place.
#pragma once

#include <memory>
#include <vector>

#include "framework/win/AfxWin.h"

class CControlGroupSwitcher {
 public:
  struct Group {
    UINT id = 0;
    std::vector<HWND> controls;  // the frame first
  };

  CControlGroupSwitcher() = default;
  virtual ~CControlGroupSwitcher() = default;

  void Init(CWnd* parent, UINT anchorId, BOOL keepFirst);
  // The frame's item and every sibling inside the frame's window rectangle, moved so that
  // the frame's top-left corner lies on the anchor's. Nothing before Init or without the frame.
  // The parent's children are listed once for the groups added one after another (each step
  // of a walk through them is a trip to the window system); a frame not in that list has them
  // listed again.
  void AddGroup(UINT frameId, UINT groupId);
  // Shows the group with that id and hides every other (the frames stay as they are with
  // keep-first); an id no group has hides them all.
  void ShowGroup(UINT groupId);
  // A control made after its group was added (already in its place).
  void AddToGroup(UINT groupId, HWND control);
  static void AlignGroup(CWnd* parent, UINT anchorId, Group& group);
  const std::vector<std::unique_ptr<Group>>& GetGroups() const { return m_groups; }

 private:
  BOOL m_keepFirst = FALSE;
  CWnd* m_parent = nullptr;
  UINT m_anchorId = 0;
  std::vector<std::unique_ptr<Group>> m_groups;
  std::vector<HWND> m_children;  // the parent's children in z-order, listed at the first AddGroup
};
