// Window-free rules of the markup label: the shared tag table, splitting a text into runs and
// tags, and what each tag does to the running font, pen position and colour.
#pragma once

#include "framework/base/Arrays.h"
#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// One entry of the tag table, or one token of a label's text.
struct CMarkupTag {
  CString text;         // table: the tag ("<b>", "<color="); token: the run, or the tag as written
  CString parameter;    // a tag token's value: the text between the tag and the next ">"
  CString description;  // table entries only
  BYTE isTag = 0;       // 1 for a tag token; 0 for text runs and table entries
};

typedef CArray<CMarkupTag> CMarkupTagArray;
typedef CArray<COLORREF, COLORREF> CColourArray;

namespace markup {

// The colour a missing object or global colour gives.
const COLORREF kMissingColour = 0xFF00FF;
// Largest size in points a "<size=" tag may produce or add.
const int kMaxPoints = 400;
// Largest "<up=" / "<down=" percentage.
const int kMaxMovePercent = 100000;
// Longest face name a "<face=" tag keeps.
const int kMaxFaceLength = 31;

// The table shared by all labels; filled on first use.
const CMarkupTagArray& TagTable();
// Empties the table and adds every tag again, in registration order.
void RegisterTags();
// Whether a table tag takes a value (its text ends with "=").
bool TakesValue(const CString& tag);

// Splits text into text runs and tag tokens, tag by tag in table order.
void Tokenize(const CString& text, bool caseInsensitive, CMarkupTagArray& tokens);

// The font a tag changes; the same fields as the platform's font description.
struct FontState {
  LONG height = 0;  // negative: character height; positive: cell height; device units
  LONG weight = 400;
  bool italic = false;
  bool underline = false;
  CString face;
};

// Where the next run is drawn.
struct Pen {
  LONG left = 0, top = 0, right = 0, bottom = 0;
};

// What a label knows while it draws.
struct Context {
  int textHeight = 0;  // height of a typical text ("ABC") in the label's own font
  int dpi = 96;        // vertical pixels per inch of the device
  CString baseFace;    // the label's own face
  COLORREF baseColour = 0;
  const CColourArray* objectColours = nullptr;
  const CColourArray* globalColours = nullptr;
  bool caseInsensitive = true;
};

// Applies a tag token to the state; false (and nothing changed) when the tag does not apply
// and is to be drawn as text.
bool ApplyTag(const CMarkupTag& token, const Context& context, FontState& font, Pen& pen,
              COLORREF& colour);

// Entry index of colours, or kMissingColour when index is outside the list.
COLORREF ColourAt(const CColourArray* colours, int index);

// value * numerator / denominator rounded half away from zero, -1 when denominator is 0; 64-bit
// intermediate (the platform's MulDiv).
int MulDivRound(int value, int numerator, int denominator);

}  // namespace markup
