#include "chart/core/ChartFontDesc.h"

#include <cctype>
#include <cstdlib>
#include <vector>

namespace qxchart {

namespace {

std::string Trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

bool SameWord(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return i == a.size() && b[i] == 0;
}

}  // namespace

bool ParseFontDesc(const char* text, FontDesc* out) {
  if (!text) return false;
  std::vector<std::string> parts;
  std::string cur;
  for (const char* p = text; *p; ++p) {
    if (*p == ',') {
      parts.push_back(Trim(cur));
      cur.clear();
    } else {
      cur += *p;
    }
  }
  parts.push_back(Trim(cur));
  if (parts.size() < 2 || parts[0].empty() || parts[0].size() > kMaxFaceLength) return false;

  const std::string& size = parts[1];
  if (size.empty() || size.size() > 4) return false;
  int points = 0;
  for (char c : size) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    points = points * 10 + (c - '0');
  }
  if (points < 1 || points > kMaxFontPoints) return false;

  FontDesc f;
  f.face = parts[0];
  f.points = points;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (SameWord(parts[i], "Bold"))
      f.bold = true;
    else if (SameWord(parts[i], "Italic"))
      f.italic = true;
    else
      return false;
  }
  *out = f;
  return true;
}

int FontPixelHeight(int points) {
  return (points * 96 + 36) / 72;
}

}  // namespace qxchart
