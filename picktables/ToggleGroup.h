// A row of toggle buttons of which at most one stays pressed: the grades, ranges and cases of
// the pick dialogs. Buttons are numbered from 1, as the tables number their rows.
#pragma once

#include "controls/ToggleButton.h"

// Releases every pressed button of the row but the chosen one, redrawing each it releases.
void ReleaseOtherToggles(CToggleButton* buttons, int count, int chosen);
// The first pressed button of the row, -1 when none is.
int FirstPressedToggle(const CToggleButton* buttons, int count);
