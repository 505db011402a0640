// The pictures of the owner-drawn menus: one process-wide 16 x 15 list (with faded, shadow
// and disabled variants in the XP look), tool-bar and bitmap loading, and the menu font.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "controls/OwnerDrawMenuLogic.h"

class COdPictureList {
 public:
  // The command's normal picture, else -1.
  int IndexOf(UINT command) const { return m_slots.Find(command); }
  BOOL HasVariants(int index) const { return m_slots.HasVariants(index); }
  // Adds (or replaces) the picture of command from list[index]; the normal picture's index.
  int Add(UINT command, HIMAGELIST list, int index);
  HIMAGELIST Handle() const { return m_list; }

 private:
  HIMAGELIST m_list = nullptr;
  odmenu::PictureSlots m_slots;
};

COdPictureList& OdPictures();
HFONT OdMenuFont();
bool OdAlignShortcuts();
// Reads tool bar id (its button ids, and its bitmap as a 16 x 15 list); FALSE when missing.
BOOL OdLoadToolbar(UINT id, COLORREF background, odmenu::ToolbarResource& tb, HIMAGELIST& list);
// A bitmap resource as a 16 x 15 list, or NULL.
HIMAGELIST OdLoadBitmapList(UINT id, COLORREF background);
// Records the colour count of a loaded bitmap of pictures: once one with other than 16
// colours has been loaded, disabled pictures are shaded rather than embossed.
void OdNoteBitmapColours(int colours);
bool OdShadesDisabledPictures();
void OdSetShadesDisabledPictures(bool shade);  // for tests
// Draws picture index of the shared list disabled at x, y: shaded in grey on background, or
// embossed in the highlight and shadow colours over what the DC holds.
void OdDrawDisabled(HDC dc, int index, int x, int y, COLORREF background);
