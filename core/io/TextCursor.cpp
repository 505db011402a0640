#include "core/io/TextCursor.h"

#include "core/io/NumberScan.h"

#include <cstring>

namespace {

bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

size_t DecimalNumberPrefix(const char* text, size_t size, bool allowFraction) {
  size_t i = 0;
  if (i < size && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < size && IsDigit(text[i])) {
    ++i;
    ++digits;
  }
  if (!allowFraction) return digits > 0 ? i : 0;
  if (i < size && text[i] == '.') {
    ++i;
    while (i < size && IsDigit(text[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return 0;
  // An exponent counts only when at least one digit follows it.
  if (i < size && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < size && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < size && IsDigit(text[j])) {
      while (j < size && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

std::string TrimmedText(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsSpace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && IsSpace(static_cast<unsigned char>(text[last - 1]))) --last;
  return text.substr(first, last - first);
}

std::string ValueAfterColon(const std::string& line) {
  const size_t colon = line.find(':');
  return TrimmedText(colon == std::string::npos ? line : line.substr(colon + 1));
}

bool EqualsNoCase(const std::string& text, const char* other) {
  const size_t length = std::strlen(other);
  if (text.size() != length) return false;
  for (size_t i = 0; i < length; ++i) {
    char x = text[i], y = other[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

CTextCursor::CTextCursor() : m_data(""), m_size(0), m_pos(0) {}

CTextCursor::CTextCursor(const char* data, size_t size)
    : m_data(data ? data : ""), m_size(data ? size : 0), m_pos(0) {}

CTextCursor::CTextCursor(const std::string& text)
    : m_data(text.data()), m_size(text.size()), m_pos(0) {}

int CTextCursor::Peek() const {
  return AtEnd() ? -1 : static_cast<unsigned char>(m_data[m_pos]);
}

int CTextCursor::Get() {
  return AtEnd() ? -1 : static_cast<unsigned char>(m_data[m_pos++]);
}

bool CTextCursor::ReadLine(std::string& line) {
  line.clear();
  if (AtEnd()) return false;
  const char* start = m_data + m_pos;
  const void* lf = std::memchr(start, '\n', m_size - m_pos);
  size_t length = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : m_size - m_pos;
  m_pos += length + (lf ? 1 : 0);
  if (length > 0 && start[length - 1] == '\r') --length;
  if (length > kMaxLineLength) length = kMaxLineLength;
  line.assign(start, length);
  return true;
}

void CTextCursor::SkipLine() {
  if (AtEnd()) return;
  const void* lf = std::memchr(m_data + m_pos, '\n', m_size - m_pos);
  m_pos = lf ? static_cast<size_t>(static_cast<const char*>(lf) - m_data) + 1 : m_size;
}

void CTextCursor::SkipSpace() {
  while (!AtEnd() && IsSpace(static_cast<unsigned char>(m_data[m_pos]))) ++m_pos;
}

void CTextCursor::SkipCommentLines() {
  for (;;) {
    SkipSpace();
    if (Peek() != '*') return;
    SkipLine();
  }
}

bool CTextCursor::ScanWord(std::string& word) {
  word.clear();
  SkipSpace();
  size_t start = m_pos;
  while (!AtEnd() && !IsSpace(static_cast<unsigned char>(m_data[m_pos]))) ++m_pos;
  size_t length = m_pos - start;
  if (length == 0) return false;
  word.assign(m_data + start, length < kMaxWordLength ? length : kMaxWordLength);
  return true;
}

size_t CTextCursor::NumberTokenLength(bool allowFraction) const {
  return DecimalNumberPrefix(m_data + m_pos, m_size - m_pos, allowFraction);
}

bool CTextCursor::ScanInt(int& value) {
  SkipSpace();
  size_t length = NumberTokenLength(false);
  if (length == 0 || !ConvertIntToken(m_data + m_pos, length, value)) return false;
  m_pos += length;
  return true;
}

bool CTextCursor::ScanDouble(double& value) {
  SkipSpace();
  size_t length = NumberTokenLength(true);
  if (length == 0 || !ConvertDoubleToken(m_data + m_pos, length, value)) return false;
  m_pos += length;
  return true;
}
