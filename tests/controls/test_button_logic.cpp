// The flat and toggle buttons' rules without a window: styles, picture choice and placement,
// the grey copy and the web address.
#include <gtest/gtest.h>

#include <string>

#include "controls/ButtonLogic.h"

namespace {

using buttons::Box;

TEST(ButtonStyle, OnlyCheckBoxTypesMakeACheckBox) {
  for (UINT type = 0; type < 16; ++type) {
    bool expected = type == 2 || type == 3 || type == 5 || type == 6;
    EXPECT_EQ(buttons::IsCheckBoxType(type | 0x50010000u), expected) << type;
  }
  // Owner-drawn, group and push-box templates share the check-box bit but stay push buttons.
  EXPECT_FALSE(buttons::AttachStyle(0x0B).checkBoxMode);
  EXPECT_FALSE(buttons::AttachStyle(0x07).checkBoxMode);
  EXPECT_FALSE(buttons::AttachStyle(0x0A).checkBoxMode);
  EXPECT_TRUE(buttons::AttachStyle(0x03).checkBoxMode);
}

TEST(ButtonStyle, AttachingMakesItOwnerDrawnAndNotesTheDefault) {
  const UINT others = 0x50010000u | buttons::kMultiLine | buttons::kLeft;
  buttons::AttachedStyle a = buttons::AttachStyle(others | buttons::kDefPushButton);
  EXPECT_TRUE(a.defaultButton);
  EXPECT_EQ(a.type, 0u);
  EXPECT_EQ(a.style, others | buttons::kOwnerDraw);
  a = buttons::AttachStyle(others | buttons::kAutoCheckBox);
  EXPECT_FALSE(a.defaultButton);
  EXPECT_EQ(a.type, buttons::kAutoCheckBox);
  EXPECT_EQ(a.style & 0x1F, buttons::kOwnerDraw);
}

TEST(ButtonStyle, LaterStylesStayOwnerDrawnAndMoveTheDefault) {
  buttons::RequestedStyle r = buttons::RequestStyle(buttons::kDefPushButton);
  EXPECT_EQ(r.style & 0x1F, buttons::kOwnerDraw);
  EXPECT_TRUE(r.changesDefault);
  EXPECT_TRUE(r.defaultButton);
  r = buttons::RequestStyle(0);
  EXPECT_TRUE(r.changesDefault);
  EXPECT_FALSE(r.defaultButton);
  r = buttons::RequestStyle(buttons::kCheckBox);
  EXPECT_FALSE(r.changesDefault);
  EXPECT_EQ(r.style & 0x1F, buttons::kOwnerDraw);
}

TEST(ButtonPicture, WhichOfTheTwoShows) {
  // Push buttons: the first while hovered or pressed, else the second when there is one.
  EXPECT_EQ(buttons::ChoosePicture(false, false, true, true), 0);
  EXPECT_EQ(buttons::ChoosePicture(false, false, false, true), 1);
  EXPECT_EQ(buttons::ChoosePicture(false, false, false, false), 0);
  EXPECT_EQ(buttons::ChoosePicture(false, true, false, true), 1);  // checked means nothing
  // Check boxes: the first when checked, hovering or not.
  EXPECT_EQ(buttons::ChoosePicture(true, true, false, true), 0);
  EXPECT_EQ(buttons::ChoosePicture(true, false, true, true), 1);
  EXPECT_EQ(buttons::ChoosePicture(true, false, false, false), 0);
}

TEST(ButtonPicture, PlacementForEachAlignment) {
  const Box item{0, 0, 100, 40}, client{0, 0, 100, 40};
  // No caption: centred, whatever the alignment.
  for (int align = 0; align < 4; ++align) {
    buttons::ContentLayout l = buttons::PlaceContent(item, client, 16, 16, false, align, false);
    EXPECT_EQ(l.picture, (Box{42, 12, 58, 28})) << align;
  }
  buttons::ContentLayout left = buttons::PlaceContent(item, client, 16, 16, true, 0, false);
  EXPECT_EQ(left.picture, (Box{3, 12, 19, 28}));
  EXPECT_EQ(left.captionArea, (Box{22, 0, 100, 40}));
  EXPECT_EQ(buttons::PlaceContent(item, client, 16, 16, true, 3, false).captionArea,
            left.captionArea);
  buttons::ContentLayout above = buttons::PlaceContent(item, client, 16, 16, true, 1, false);
  EXPECT_EQ(above.picture, (Box{42, 3, 58, 19}));
  EXPECT_EQ(above.captionArea, (Box{0, 19, 100, 40}));
  buttons::ContentLayout right =
      buttons::PlaceContent(Box{1, 1, 99, 39}, client, 16, 16, true, 2, false);
  EXPECT_EQ(right.picture, (Box{81, 12, 97, 28}));  // from the client's right edge
  EXPECT_EQ(right.captionArea, (Box{4, 1, 81, 39}));
  // Pressed: picture and caption one pixel down and right.
  buttons::ContentLayout pressed = buttons::PlaceContent(item, client, 16, 16, true, 0, true);
  EXPECT_EQ(pressed.picture, (Box{4, 13, 20, 29}));
  EXPECT_EQ(pressed.captionArea, (Box{23, 1, 101, 41}));
  // No picture: the caption has the whole item.
  EXPECT_EQ(buttons::PlaceContent(item, client, 0, 0, true, 0, false).captionArea, item);
}

TEST(ButtonPicture, CaptionCentredOrFromTheLeft) {
  const Box area{20, 0, 100, 40};
  EXPECT_EQ(buttons::PlaceCaption(area, 30, 10, 0), (Box{45, 15, 75, 25}));
  EXPECT_EQ(buttons::PlaceCaption(area, 30, 10, 3), (Box{24, 15, 54, 25}));
}

TEST(ButtonPicture, GreyLevelsAreTruncatedExactly) {
  EXPECT_EQ(buttons::GreyLevel(255, 255, 255), 255);  // not 254 from rounding errors
  EXPECT_EQ(buttons::GreyLevel(255, 0, 0), 76);
  EXPECT_EQ(buttons::GreyLevel(0, 255, 0), 149);
  EXPECT_EQ(buttons::GreyLevel(0, 0, 255), 29);
  EXPECT_EQ(buttons::GreyLevel(10, 20, 30), 18);  // 2.99 + 11.74 + 3.42
  DWORD pixels[] = {0xFF000000, 0x00FF0000, 0x80FFFFFF, 0x00000001};
  buttons::GreyPixels(pixels, 4);
  EXPECT_EQ(pixels[0], 0xFF000000u);  // black stays
  EXPECT_EQ(pixels[1], 0x004C4C4Cu);  // red (0xFF in the red byte) is 76 grey
  EXPECT_EQ(pixels[2], 0x80FFFFFFu);  // the top byte is kept
  EXPECT_EQ(pixels[3], 0x00000000u);  // nearly black blue turns grey 0
}

TEST(ButtonUrl, KeepsAtMost259Characters) {
  std::string longUrl = "http://" + std::string(293, 'a');
  EXPECT_EQ(buttons::ClipUrl(longUrl.c_str()).GetLength(), 259);
  EXPECT_EQ(buttons::ClipUrl("http://x"), "http://x");
  EXPECT_TRUE(buttons::ClipUrl(nullptr).IsEmpty());
}

TEST(ToggleCaption, PlacedByTheAlignmentBits) {
  const Box item{0, 0, 80, 24};
  buttons::ToggleCaption c = buttons::PlaceToggleCaption(item, 0, 1, 1, false);
  EXPECT_EQ(c.rect, item);
  EXPECT_EQ(c.format, buttons::kDtSingleLine | buttons::kDtCenter | buttons::kDtVCenter);
  c = buttons::PlaceToggleCaption(item, buttons::kLeft | buttons::kTop, 1, 1, false);
  EXPECT_EQ(c.rect, (Box{4, 3, 80, 24}));
  EXPECT_EQ(c.format, buttons::kDtSingleLine);
  c = buttons::PlaceToggleCaption(item, buttons::kRight | buttons::kBottom, 2, 3, false);
  EXPECT_EQ(c.rect, (Box{0, 0, 72, 12}));
  EXPECT_EQ(c.format, buttons::kDtSingleLine | buttons::kDtRight | buttons::kDtBottom);
  c = buttons::PlaceToggleCaption(item, buttons::kCenter | buttons::kVCenter | buttons::kMultiLine,
                                  1, 1, true);
  EXPECT_EQ(c.rect, (Box{1, 1, 81, 25}));  // pressed: one border width and height on
  EXPECT_EQ(c.format, buttons::kDtWordBreak | buttons::kDtCenter | buttons::kDtVCenter);
}

}  // namespace
