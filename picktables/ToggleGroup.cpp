#include "picktables/ToggleGroup.h"

void ReleaseOtherToggles(CToggleButton* buttons, int count, int chosen) {
  for (int k = 1; k <= count; ++k) {
    CToggleButton& other = buttons[k - 1];
    if (k != chosen && other.m_bPressed) {
      other.m_bPressed = FALSE;
      other.Invalidate();
    }
  }
}

int FirstPressedToggle(const CToggleButton* buttons, int count) {
  for (int k = 1; k <= count; ++k)
    if (buttons[k - 1].m_bPressed) return k;
  return -1;
}
