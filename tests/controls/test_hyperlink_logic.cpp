// The link statics' rules without a window: error texts, the browser fallback's command line
// and fitting a link to its text.
#include <gtest/gtest.h>

#include "controls/HyperlinkLogic.h"

namespace {

TEST(HyperlinkError, TextsByCode) {
  EXPECT_EQ(hyperlink::ErrorText(0), "The operating system is out\nof memory or resources.");
  EXPECT_EQ(hyperlink::ErrorText(2), "The specified file was not found.");
  EXPECT_EQ(hyperlink::ErrorText(26), "A sharing violation occurred. ");
  EXPECT_EQ(hyperlink::ErrorText(31),
            "There is no application associated\nwith the given filename extension.");
  EXPECT_EQ(hyperlink::ErrorText(32), "The specified dynamic-link library was not found.");
  EXPECT_EQ(hyperlink::ErrorText(1), "Unknown Error (1) occurred.");
  EXPECT_EQ(hyperlink::ErrorText(-5), "Unknown Error (-5) occurred.");
  EXPECT_EQ(hyperlink::ErrorMessage(2),
            "Unable to open hyperlink:\n\nThe specified file was not found.");
}

TEST(HyperlinkFallback, CutsTheOpenCommandAtItsArgument) {
  const CString url = "http://example.org/a";
  EXPECT_EQ(hyperlink::FallbackCommand("\"C:\\Web\\b.exe\" -nohome \"%1\" -x", url),
            "\"C:\\Web\\b.exe\" -nohome \"http://example.org/a\"");
  EXPECT_EQ(hyperlink::FallbackCommand("C:\\b.exe %1", url), "C:\\b.exe \"http://example.org/a\"");
  // Only the quoted form takes its quotes along; a later bare one is not looked for first.
  EXPECT_EQ(hyperlink::FallbackCommand("b.exe -u %1 \"%1\"", url),
            "b.exe -u %1 \"http://example.org/a\"");
  EXPECT_EQ(hyperlink::FallbackCommand("winebrowser", url), "winebrowser \"http://example.org/a\"");
}

TEST(HyperlinkFallback, TheAddressStaysOneArgument) {
  // Blanks, '&' and quotes can split a command line or start another; quoted they cannot.
  EXPECT_EQ(hyperlink::FallbackCommand("b.exe %1", "http://x/a b&calc"),
            "b.exe \"http://x/a b&calc\"");
  EXPECT_EQ(hyperlink::QuoteArgument("a\"b"), "\"a\\\"b\"");
  EXPECT_EQ(hyperlink::QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
  EXPECT_EQ(hyperlink::QuoteArgument("C:\\dir\\"), "\"C:\\dir\\\\\"");
  EXPECT_EQ(hyperlink::QuoteArgument("a\\b"), "\"a\\b\"");
  EXPECT_EQ(hyperlink::QuoteArgument(""), "\"\"");
}

TEST(HyperlinkFit, WindowFollowsTheStyle) {
  const hyperlink::Box window{10, 20, 110, 50};  // 100 x 30
  auto fit = [&](UINT style) { return hyperlink::FitToText(window, 40, 10, style); };
  hyperlink::Box left = fit(0);
  EXPECT_EQ(left.left, 10);
  EXPECT_EQ(left.right, 50);
  EXPECT_EQ(left.top, 20);
  EXPECT_EQ(left.bottom, 30);
  hyperlink::Box centre = fit(hyperlink::kCenter);
  EXPECT_EQ(centre.left, 40);
  EXPECT_EQ(centre.right, 80);
  hyperlink::Box right = fit(hyperlink::kRight | 0x50000100u);
  EXPECT_EQ(right.left, 70);
  EXPECT_EQ(right.right, 110);
  hyperlink::Box middle = fit(hyperlink::kCenterImage);
  EXPECT_EQ(middle.top, 30);
  EXPECT_EQ(middle.bottom, 40);
}

TEST(HyperlinkColours, OnlyTextStaticsAreColoured) {
  EXPECT_TRUE(hyperlink::ColoursText(0x00));
  EXPECT_TRUE(hyperlink::ColoursText(0x02 | 0x100));
  EXPECT_FALSE(hyperlink::ColoursText(0x03));  // icon
  EXPECT_FALSE(hyperlink::ColoursText(0x0E));  // bitmap
}

}  // namespace
