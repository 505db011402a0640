// The markup label's tag table, tokenizer and tag rules.
#include "controls/MarkupLabelLogic.h"

#include <cmath>
#include <cstdlib>

#include "framework/base/NumberText.h"

namespace markup {

namespace {

CMarkupTagArray& Table() {
  static CMarkupTagArray table;
  return table;
}

void AddTag(const char* tag, const char* description) {
  CMarkupTag entry;
  entry.text = tag;
  entry.description = description;
  Table().Add(entry);
}

CString Lowered(const CString& text) {
  CString copy = text;
  copy.MakeLower();
  return copy;
}

bool Same(const CString& a, const char* b, bool caseInsensitive) {
  return caseInsensitive ? a.CompareNoCase(b) == 0 : a == b;
}

// The integer a value starts with (white space and a sign allowed, anything may follow);
// 0 when there is none or it does not fit 32 bits, so such values never apply.
long LeadingInt(const char* text) {
  long value = 0;
  const char* end = nullptr;
  if (ParseInt(text, value, &end) != NumberParse::Ok) return 0;
  return value;
}

// A colour part: digits only (white space around them allowed), 0 to 255.
bool ColourPart(const CString& part, int& value) {
  CString digits = part;
  digits.Trim();
  if (digits.IsEmpty() || digits.GetLength() > 3) return false;
  for (int i = 0; i < digits.GetLength(); ++i)
    if (digits[i] < '0' || digits[i] > '9') return false;
  value = std::atoi(digits);
  return value <= 255;
}

bool ApplyColour(const CString& value, bool caseInsensitive, COLORREF& colour) {
  int first = value.Find(',');
  int second = first < 0 ? -1 : value.Find(',', first + 1);
  bool twoCommas = second >= 0 && value.Find(',', second + 1) < 0;
  if (twoCommas) {
    int r = 0, g = 0, b = 0;
    if (!ColourPart(value.Left(first), r) ||
        !ColourPart(value.Mid(first + 1, second - first - 1), g) ||
        !ColourPart(value.Mid(second + 1), b))
      return false;
    colour = RGB(r, g, b);
    return true;
  }
  static const struct {
    const char* name;
    COLORREF colour;
  } kNames[] = {{"red", 0x0000FF},       {"green", 0x00FF00},     {"blue", 0xFF0000},
                {"cyan", 0xFFFF00},      {"magenta", 0xFF00FF},   {"yellow", 0x00FFFF},
                {"lightgray", 0xC0C0C0}, {"mediumgray", 0xA4A0A0}};
  for (const auto& n : kNames) {
    if (Same(value, n.name, caseInsensitive)) {
      colour = n.colour;
      return true;
    }
  }
  return false;
}

LONG Sign(LONG v) {
  return v < 0 ? -1 : 1;
}

// Keeps a changed height at least one point in size and on the side of zero it was on: a
// height of 0 would mean the default size, and a flipped sign the other kind of height, so the
// text would suddenly grow.
LONG AtLeastOnePoint(LONG height, LONG before, int dpi) {
  LONG onePoint = MulDivRound(1, dpi, 72);
  if (onePoint < 1) onePoint = 1;
  LONG sign = before != 0 ? Sign(before) : Sign(height);
  if (height == 0 || Sign(height) != sign || height * sign < onePoint) return sign * onePoint;
  return height;
}

bool ApplySize(const CString& value, int dpi, FontState& font) {
  LONG limit = MulDivRound(kMaxPoints, dpi, 72);
  char first = value[0];
  if (first == '+' || first == '-') {
    long n = LeadingInt(value.GetString() + 1);
    if (n == 0 || n > kMaxPoints || n < -kMaxPoints) return false;
    LONG change = MulDivRound(first == '+' ? static_cast<int>(n) : -static_cast<int>(n), dpi, 72);
    font.height = AtLeastOnePoint(font.height - change, font.height, dpi);
    return true;
  }
  if (first == '*') {
    double factor = 0;
    const char* end = nullptr;
    if (ParseDouble(value.GetString() + 1, factor, &end) != NumberParse::Ok) return false;
    if (!(factor > 0) || !std::isfinite(factor)) return false;
    double scaled = static_cast<double>(font.height) * factor;
    if (std::fabs(scaled) > static_cast<double>(limit)) return false;
    font.height = AtLeastOnePoint(static_cast<LONG>(scaled), font.height, dpi);
    return true;
  }
  long n = LeadingInt(value);
  if (n == 0 || n > kMaxPoints || n < -kMaxPoints) return false;
  font.height = MulDivRound(static_cast<int>(n), dpi, 72);
  return true;
}

bool ApplyMove(const CString& value, int textHeight, int direction, Pen& pen) {
  long n = LeadingInt(value);
  if (n == 0 || n > kMaxMovePercent || n < -kMaxMovePercent) return false;
  LONG by = static_cast<LONG>(static_cast<long long>(n) * textHeight / 100) * direction;
  pen.top += by;
  pen.bottom += by;
  return true;
}

// Moves the pen by s (down when direction is 1) and changes the font by three points.
void ShiftScript(int textHeight, int dpi, int direction, int pointsChange, FontState& font,
                 Pen& pen) {
  LONG s = textHeight * 2 / 3;
  pen.top += s * direction;
  pen.bottom += s * direction;
  font.height = AtLeastOnePoint(font.height - MulDivRound(pointsChange, dpi, 72), font.height, dpi);
}

}  // namespace

int MulDivRound(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  long long n = static_cast<long long>(value) * numerator;
  long long d = denominator;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  long long r = n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
  if (r > 0x7FFFFFFFLL || r < -0x7FFFFFFFLL - 1) return -1;
  return static_cast<int>(r);
}

void RegisterTags() {
  Table().RemoveAll();
  Table().SetSize(0, 22);
  AddTag("<face=", "Font Face Name");
  AddTag("<size=", "Font Point Size");
  AddTag("<color=", "Font Colour");
  AddTag("<up=", "Move Vertical by N percent (of a typical text height)");
  AddTag("<down=", "Move Vertical by N percent (of a typical text height)");
  AddTag("<color_object=", "Set the font colour (only for this object)");
  AddTag("<color_global=", "Set the font colour (for all objects - ie. static)");
  AddTag("<b>", "Bold On");
  AddTag("</b>", "Bold Off");
  AddTag("<i>", "Italics On");
  AddTag("</i>", "Italics Off");
  AddTag("<u>", "Underline On");
  AddTag("</u>", "Underline Off");
  for (const char* tag :
       {"<sup>", "</sup>", "<sub>", "</sub>", "<sym>", "</sym>", "<std>", "</std>", "</color>"})
    AddTag(tag, "");
}

const CMarkupTagArray& TagTable() {
  if (Table().IsEmpty()) RegisterTags();
  return Table();
}

bool TakesValue(const CString& tag) {
  return !tag.IsEmpty() && tag[tag.GetLength() - 1] == '=';
}

void Tokenize(const CString& text, bool caseInsensitive, CMarkupTagArray& tokens) {
  tokens.RemoveAll();
  CMarkupTag whole;
  whole.text = text;
  tokens.Add(whole);
  if (text.IsEmpty()) return;

  const CMarkupTagArray& table = TagTable();
  for (int t = 0; t < table.GetSize(); ++t) {
    const CString& tag = table[t].text;
    CString wanted = caseInsensitive ? Lowered(tag) : tag;
    bool valued = TakesValue(tag);
    int i = 0;
    while (i < tokens.GetSize()) {
      if (tokens[i].isTag) {
        ++i;
        continue;
      }
      CString run = tokens[i].text;
      CString searched = caseInsensitive ? Lowered(run) : run;
      int pos = searched.Find(wanted);
      if (pos < 0) {
        ++i;
        continue;
      }
      CMarkupTag before, found, after;
      before.text = run.Left(pos);
      found.text = run.Mid(pos, tag.GetLength());
      found.isTag = 1;
      int rest = pos + tag.GetLength();
      if (valued) {
        int close = searched.Find('>', rest);
        if (close < 0) {
          // An unterminated tag stays text: only split before it, and look no further in it.
          if (pos == 0) {
            ++i;
            continue;
          }
          after.text = run.Mid(pos);
          tokens[i] = before;
          tokens.InsertAt(i + 1, after);
          i += 2;
          continue;
        }
        found.parameter = run.Mid(rest, close - rest);
        rest = close + 1;
      }
      after.text = run.Mid(rest);
      tokens.RemoveAt(i);
      if (!before.text.IsEmpty()) tokens.InsertAt(i++, before);
      tokens.InsertAt(i++, found);
      if (!after.text.IsEmpty()) tokens.InsertAt(i, after);  // examined next
    }
  }
}

COLORREF ColourAt(const CColourArray* colours, int index) {
  if (!colours || index < 0 || index >= colours->GetSize()) return kMissingColour;
  return (*colours)[index];
}

bool ApplyTag(const CMarkupTag& token, const Context& context, FontState& font, Pen& pen,
              COLORREF& colour) {
  if (!token.isTag) return false;
  const bool ci = context.caseInsensitive;
  const CString& tag = token.text;
  const CString& value = token.parameter;
  const int h = context.textHeight;
  const int dpi = context.dpi;
  if (Same(tag, "<b>", ci)) {
    font.weight = 700;
  } else if (Same(tag, "</b>", ci)) {
    font.weight = 400;
  } else if (Same(tag, "<i>", ci)) {
    font.italic = true;
  } else if (Same(tag, "</i>", ci)) {
    font.italic = false;
  } else if (Same(tag, "<u>", ci)) {
    font.underline = true;
  } else if (Same(tag, "</u>", ci)) {
    font.underline = false;
  } else if (Same(tag, "<sup>", ci)) {
    ShiftScript(h, dpi, -1, -3, font, pen);
  } else if (Same(tag, "</sup>", ci)) {
    ShiftScript(h, dpi, 1, 3, font, pen);
  } else if (Same(tag, "<sub>", ci)) {
    ShiftScript(h, dpi, 1, -3, font, pen);
  } else if (Same(tag, "</sub>", ci)) {
    ShiftScript(h, dpi, -1, 3, font, pen);
  } else if (Same(tag, "<std>", ci) || Same(tag, "</std>", ci) || Same(tag, "</sym>", ci)) {
    font.face = context.baseFace;
  } else if (Same(tag, "<sym>", ci)) {
    font.face = "Symbol";
  } else if (Same(tag, "</color>", ci)) {
    colour = context.baseColour;
  } else if (Same(tag, "<face=", ci)) {
    font.face = value.Left(kMaxFaceLength);
  } else if (Same(tag, "<size=", ci)) {
    return ApplySize(value, dpi, font);
  } else if (Same(tag, "<color=", ci)) {
    return ApplyColour(value, ci, colour);
  } else if (Same(tag, "<up=", ci)) {
    return ApplyMove(value, h, -1, pen);
  } else if (Same(tag, "<down=", ci)) {
    return ApplyMove(value, h, 1, pen);
  } else if (Same(tag, "<color_object=", ci)) {
    colour = ColourAt(context.objectColours, static_cast<int>(LeadingInt(value)));
  } else if (Same(tag, "<color_global=", ci)) {
    colour = ColourAt(context.globalColours, static_cast<int>(LeadingInt(value)));
  } else {
    return false;
  }
  return true;
}

}  // namespace markup
