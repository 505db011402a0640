// The side bar's criteria groups made when first needed: the form is made without the groups
// not shown at first (their frames stay), and each is made from its template records when it is
// first shown or one of its controls is first asked for. What was asked of its controls until
// then is done to them, in the same order, as soon as they exist.
#include "framework/win/DataExchange.h"
#include "res/ViewResources.h"
#include "view/DockForm.h"

void CDockForm::PrepareTemplate(std::vector<BYTE>& dialogTemplate) {
  CDialogItems items;
  if (!items.Read(dialogTemplate)) return;
  const std::vector<DialogItem>& all = items.Items();
  // Each group's records run from its frame to the next frame (or the end).
  size_t frames[4];
  for (int c = 0; c < 4; ++c) {
    frames[c] = all.size();
    for (size_t i = 0; i < all.size(); ++i)
      if (all[i].id == static_cast<DWORD>(GroupBoxOf(c))) frames[c] = i;
    if (frames[c] == all.size()) return;
  }
  std::vector<bool> drop(all.size(), false);
  for (int c = 0; c < 4; ++c) {
    if (c == CRITERION_HOEK_BROWN) continue;  // the group shown first
    size_t end = all.size();
    for (size_t f : frames)
      if (f > frames[c] && f < end) end = f;
    m_waiting[c].frame = all[frames[c]];
    for (size_t i = frames[c] + 1; i < end; ++i) {
      drop[i] = true;
      m_waiting[c].items.push_back(all[i]);
      if (all[i].id != 0xFFFFFFFF && all[i].id != 0xFFFF)
        m_waitingIds[static_cast<int>(static_cast<short>(all[i].id))] = c;
    }
  }
  dialogTemplate = items.Without(dialogTemplate, drop);
}

int CDockForm::WaitingGroupOf(int id) const {
  const auto found = m_waitingIds.find(id);
  return found == m_waitingIds.end() ? -1 : found->second;
}

void CDockForm::WhenMade(int id, std::function<void()> step) {
  const int waiting = WaitingGroupOf(id);
  if (waiting >= 0)
    m_waiting[waiting].steps.push_back(std::move(step));
  else
    step();
}

void CDockForm::BindControl(CDataExchange* pDX, int id, CWnd& control) {
  if (WaitingGroupOf(id) < 0) {
    DDX_Control(pDX, id, control);
    return;
  }
  // Bound where the first exchange would have bound it.
  if (!m_bBindsAsked)
    WhenMade(id, [this, id, &control] {
      if (HWND h = control.m_hWnd ? nullptr : Control(id)) control.SubclassWindow(h);
    });
}

void CDockForm::SetSpinRange(CRealSpinCtrl& spin, int id, double min, double max, double step) {
  spin.SetRangeAndDelta(min, max, step);
  if (WaitingGroupOf(id) >= 0) WhenMade(id, [&spin, min, max, step] {
    spin.SetRangeAndDelta(min, max, step);
  });
}

void CDockForm::ShowCriterionGroup(int criterion) {
  if (criterion >= 0 && criterion < 4) MakeGroup(criterion);
  m_groups.ShowGroup(static_cast<UINT>(criterion));
}

void CDockForm::MakeGroup(int criterion) {
  WaitingGroup& group = m_waiting[criterion];
  if (!m_hWnd || group.items.empty()) return;
  WaitingGroup made = std::move(group);
  group = WaitingGroup();
  for (auto it = m_waitingIds.begin(); it != m_waitingIds.end();)
    it = it->second == criterion ? m_waitingIds.erase(it) : std::next(it);
  HWND frame = ::GetDlgItem(m_hWnd, GroupBoxOf(criterion));
  if (!frame) return;
  // The frame has moved (onto the anchor, and with the scrolling): its controls move with it.
  RECT now;
  ::GetWindowRect(frame, &now);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&now), 1);
  RECT was = {made.frame.x, made.frame.y, 0, 0};
  ::MapDialogRect(m_hWnd, &was);
  const POINT offset = {now.left - was.left, now.top - was.top};
  HINSTANCE inst = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
  // As at the form's set-up, the edits' notifications of what is written here take no effect.
  ++m_nUpdating;
  HWND after = frame;
  for (const DialogItem& item : made.items) {
    HWND h = CDialogItems::Create(m_hWnd, inst, item, offset, after);
    if (!h) continue;
    after = h;
    m_groups.AddToGroup(static_cast<UINT>(criterion), h);
  }
  for (std::function<void()>& step : made.steps) step();
  for (const auto& e : made.enables)
    if (HWND h = Control(e.first)) ::EnableWindow(h, e.second);
  for (const auto& t : made.texts) SetControlText(t.first, t.second.c_str());
  --m_nUpdating;
}
