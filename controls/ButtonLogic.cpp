// The flat and toggle buttons' window-free rules.
#include "controls/ButtonLogic.h"

namespace buttons {

bool IsCheckBoxType(UINT style) {
  UINT type = style & kTypeMask;
  return type == kCheckBox || type == kAutoCheckBox || type == k3State || type == kAuto3State;
}

AttachedStyle AttachStyle(UINT style) {
  AttachedStyle a;
  a.type = style & 0x1F;
  a.checkBoxMode = IsCheckBoxType(style);
  if (a.type == kDefPushButton) {
    a.defaultButton = true;
    a.type = 0;
  }
  a.style = (style & ~0x1Fu) | kOwnerDraw;
  return a;
}

RequestedStyle RequestStyle(UINT style) {
  RequestedStyle r;
  UINT type = style & kTypeMask;
  r.changesDefault = type == 0 || type == kDefPushButton;
  r.defaultButton = type == kDefPushButton;
  r.style = (style & ~0x14u) | kOwnerDraw;
  return r;
}

int ChoosePicture(bool checkBoxMode, bool checked, bool pressedOrHovered, bool hasSecond) {
  bool first = checkBoxMode ? checked : pressedOrHovered;
  return first || !hasSecond ? 0 : 1;
}

ContentLayout PlaceContent(const Box& item, const Box& client, int w, int h, bool hasCaption,
                           int align, bool shift) {
  ContentLayout out;
  out.captionArea = item;
  bool hasPicture = w > 0 && h > 0;
  if (hasPicture) {
    int x = item.left + (item.Width() - w) / 2;
    int y = item.top + (item.Height() - h) / 2;
    if (hasCaption) {
      switch (align) {
        case 1:  // above the caption
          y = item.top + 3;
          out.captionArea.top = y + h;
          break;
        case 2:  // right of the caption
          x = client.right - 3 - w;
          out.captionArea.left = item.left + 3;
          out.captionArea.right = x;
          break;
        default:  // 0 and 3: left of the caption
          x = item.left + 3;
          out.captionArea.left = x + w + 3;
          break;
      }
    }
    out.picture = Box{x, y, x + w, y + h};
    if (shift) out.picture = out.picture.Offset(1, 1);
  }
  if (shift) out.captionArea = out.captionArea.Offset(1, 1);
  return out;
}

Box PlaceCaption(const Box& area, int textWidth, int textHeight, int align) {
  Box r;
  r.left = align == 3 ? area.left + 4 : area.left + (area.Width() - textWidth) / 2;
  r.top = area.top + (area.Height() - textHeight) / 2;
  r.right = r.left + textWidth;
  r.bottom = r.top + textHeight;
  return r;
}

BYTE GreyLevel(BYTE red, BYTE green, BYTE blue) {
  // In thousandths, so the truncation is exact: 299 + 587 + 114 = 1000.
  return static_cast<BYTE>((299u * red + 587u * green + 114u * blue) / 1000u);
}

void GreyPixels(DWORD* pixels, int count) {
  for (int i = 0; i < count; ++i) {
    DWORD p = pixels[i];
    if ((p & 0x00FFFFFF) == 0) continue;
    BYTE grey =
        GreyLevel(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
    pixels[i] = (p & 0xFF000000) | (static_cast<DWORD>(grey) << 16) |
                (static_cast<DWORD>(grey) << 8) | grey;
  }
}

CString ClipUrl(const char* url) {
  return url ? CString(url).Left(kMaxUrlLength) : CString();
}

ToggleCaption PlaceToggleCaption(const Box& item, UINT style, int cx, int cy, bool pressed) {
  ToggleCaption c;
  c.rect = item;
  c.format = (style & kMultiLine) ? kDtWordBreak : kDtSingleLine;
  switch (style & kCenter) {
    case kLeft:
      c.rect.left += 4 * cx;
      break;
    case kRight:
      c.rect.right -= 4 * cx;
      c.format |= kDtRight;
      break;
    default:
      c.format |= kDtCenter;
      break;
  }
  switch (style & kVCenter) {
    case kTop:
      c.rect.top += 3 * cy;
      break;
    case kBottom:
      c.rect.bottom -= 4 * cy;
      c.format |= kDtBottom;
      break;
    default:
      c.format |= kDtVCenter;
      break;
  }
  if (pressed) c.rect = c.rect.Offset(cx, cy);
  return c;
}

}  // namespace buttons
