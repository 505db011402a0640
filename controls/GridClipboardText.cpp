#include "controls/GridClipboardText.h"

#include <cstring>

#include "framework/base/NumberText.h"

namespace gridtext {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsSeparator(char c) {
  return c == '\t' || c == ',' || c == '\n';
}

}  // namespace

PasteReader::PasteReader(const char* data, size_t size) : m_pos(data), m_end(data) {
  if (!data) return;
  const void* nul = std::memchr(data, '\0', size);
  m_end = nul ? static_cast<const char*>(nul) : data + size;
}

bool PasteReader::NextLine(std::vector<std::string>& fields) {
  fields.clear();
  if (m_pos >= m_end) return false;
  const char* lineEnd = static_cast<const char*>(std::memchr(m_pos, '\n', m_end - m_pos));
  bool newline = lineEnd != nullptr;
  if (!newline) lineEnd = m_end;
  const char* p = m_pos;
  m_pos = newline ? lineEnd + 1 : m_end;
  if (p == lineEnd) {
    if (!newline) return false;  // an empty last line is nothing
    fields.emplace_back();
    return true;
  }
  while (p < lineEnd) {
    while (p < lineEnd && IsSeparator(*p)) ++p;
    if (p >= lineEnd) break;
    const char* start = p;
    while (p < lineEnd && !IsSeparator(*p)) ++p;
    const char* stop = p;
    while (start < stop && IsBlank(*start)) ++start;
    while (stop > start && IsBlank(stop[-1])) --stop;
    fields.emplace_back(start, stop);
  }
  return true;
}

bool PasteReader::HasText(const std::vector<std::string>& fields) {
  for (const std::string& f : fields)
    if (!f.empty()) return true;
  return false;
}

bool IsNumberText(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i == text.size()) return true;
  if (text.find('\0') != std::string::npos) return false;
  double value = 0.0;
  return ParseDouble(text.c_str(), value) == NumberParse::Ok;
}

}  // namespace gridtext
