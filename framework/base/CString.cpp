#include "CString.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

size_t ClampIndex(int index, size_t size) {
  if (index < 0) return 0;
  return static_cast<size_t>(index) > size ? size : static_cast<size_t>(index);
}

bool IsSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool InSet(char ch, const char* set) {
  // strchr would also match the terminating NUL.
  return ch != '\0' && set && std::strchr(set, ch) != nullptr;
}

char LowerAscii(char ch) {
  return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

char UpperAscii(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

CString::CString(const char* text) {
  if (text) m_str = text;
}

CString::CString(const char* text, int length) {
  if (text && length > 0) m_str.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
  if (repeat > 0) m_str.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const char* text) {
  if (!text)
    m_str.clear();
  else
    m_str = text;  // std::string copes with text pointing into itself
  return *this;
}

CString& CString::operator=(char ch) {
  m_str.assign(1, ch);
  return *this;
}

char CString::GetAt(int index) const {
  return (index < 0 || static_cast<size_t>(index) >= m_str.size())
             ? '\0'
             : m_str[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
  if (index >= 0 && static_cast<size_t>(index) < m_str.size())
    m_str[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const CString& text) {
  m_str += text.m_str;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text) m_str += text;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_str += ch;
  return *this;
}

CString operator+(const CString& a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const CString& a, const char* b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const char* a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(const CString& a, char b) {
  CString r(a);
  r += b;
  return r;
}

CString operator+(char a, const CString& b) {
  CString r(a);
  r += b;
  return r;
}

int CString::Compare(const char* text) const {
  int c = std::strcmp(m_str.c_str(), text ? text : "");
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* text) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
  const unsigned char* b = reinterpret_cast<const unsigned char*>(text ? text : "");
  for (;; ++a, ++b) {
    unsigned char ca = static_cast<unsigned char>(LowerAscii(static_cast<char>(*a)));
    unsigned char cb = static_cast<unsigned char>(LowerAscii(static_cast<char>(*b)));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

CString CString::Left(int count) const {
  return CString(m_str.substr(0, ClampIndex(count, m_str.size())));
}

CString CString::Mid(int first) const {
  return CString(m_str.substr(ClampIndex(first, m_str.size())));
}

CString CString::Mid(int first, int count) const {
  size_t start = ClampIndex(first, m_str.size());
  return CString(m_str.substr(start, ClampIndex(count, m_str.size() - start)));
}

CString CString::Right(int count) const {
  size_t n = ClampIndex(count, m_str.size());
  return CString(m_str.substr(m_str.size() - n));
}

CString CString::SpanIncluding(const char* charSet) const {
  size_t n = 0;
  while (n < m_str.size() && InSet(m_str[n], charSet)) ++n;
  return CString(m_str.substr(0, n));
}

CString CString::SpanExcluding(const char* charSet) const {
  size_t n = 0;
  while (n < m_str.size() && !InSet(m_str[n], charSet)) ++n;
  return CString(m_str.substr(0, n));
}

int CString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  size_t pos = m_str.find(ch, static_cast<size_t>(start));
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || static_cast<size_t>(start) > m_str.size()) return -1;
  size_t pos = m_str.find(sub, static_cast<size_t>(start));
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
  size_t pos = m_str.rfind(ch);
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* charSet) const {
  for (size_t i = 0; i < m_str.size(); ++i)
    if (InSet(m_str[i], charSet)) return static_cast<int>(i);
  return -1;
}

void CString::MakeUpper() {
  for (char& c : m_str) c = UpperAscii(c);
}

void CString::MakeLower() {
  for (char& c : m_str) c = LowerAscii(c);
}

void CString::MakeReverse() {
  m_str.assign(m_str.rbegin(), m_str.rend());
}

CString& CString::TrimLeft() {
  size_t n = 0;
  while (n < m_str.size() && IsSpace(m_str[n])) ++n;
  m_str.erase(0, n);
  return *this;
}

CString& CString::TrimLeft(char target) {
  size_t n = 0;
  while (n < m_str.size() && m_str[n] == target) ++n;
  m_str.erase(0, n);
  return *this;
}

CString& CString::TrimLeft(const char* targets) {
  size_t n = 0;
  while (n < m_str.size() && InSet(m_str[n], targets)) ++n;
  m_str.erase(0, n);
  return *this;
}

CString& CString::TrimRight() {
  size_t n = m_str.size();
  while (n > 0 && IsSpace(m_str[n - 1])) --n;
  m_str.resize(n);
  return *this;
}

CString& CString::TrimRight(char target) {
  size_t n = m_str.size();
  while (n > 0 && m_str[n - 1] == target) --n;
  m_str.resize(n);
  return *this;
}

CString& CString::TrimRight(const char* targets) {
  size_t n = m_str.size();
  while (n > 0 && InSet(m_str[n - 1], targets)) --n;
  m_str.resize(n);
  return *this;
}

CString& CString::Trim() {
  return TrimRight().TrimLeft();
}

CString& CString::Trim(char target) {
  return TrimRight(target).TrimLeft(target);
}

CString& CString::Trim(const char* targets) {
  return TrimRight(targets).TrimLeft(targets);
}

int CString::Replace(char oldCh, char newCh) {
  int count = 0;
  for (char& c : m_str)
    if (c == oldCh) {
      c = newCh;
      ++count;
    }
  return count;
}

int CString::Replace(const char* oldText, const char* newText) {
  if (!oldText || !*oldText) return 0;
  const std::string from(oldText);
  const std::string to(newText ? newText : "");
  std::string out;
  int count = 0;
  size_t pos = 0;
  for (;;) {
    size_t hit = m_str.find(from, pos);
    if (hit == std::string::npos) break;
    out.append(m_str, pos, hit - pos);
    out += to;
    pos = hit + from.size();
    ++count;
  }
  if (count) {
    out.append(m_str, pos, std::string::npos);
    m_str.swap(out);
  }
  return count;
}

int CString::Remove(char ch) {
  size_t before = m_str.size();
  std::string out;
  out.reserve(before);
  for (char c : m_str)
    if (c != ch) out += c;
  m_str.swap(out);
  return static_cast<int>(before - m_str.size());
}

int CString::Insert(int index, char ch) {
  m_str.insert(ClampIndex(index, m_str.size()), 1, ch);
  return GetLength();
}

int CString::Insert(int index, const char* text) {
  if (text) {
    std::string copy(text);  // text may point into this string
    m_str.insert(ClampIndex(index, m_str.size()), copy);
  }
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index >= 0 && count > 0 && static_cast<size_t>(index) < m_str.size())
    m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
  return GetLength();
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  if (!format) {
    m_str.clear();
    return;
  }
  char small[256];
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) {
    m_str.clear();
    return;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    m_str.assign(small, static_cast<size_t>(n));
    return;
  }
  std::string big(static_cast<size_t>(n) + 1, '\0');
  va_copy(copy, args);
  std::vsnprintf(&big[0], big.size(), format, copy);
  va_end(copy);
  big.resize(static_cast<size_t>(n));
  m_str.swap(big);
}

void CString::AppendFormat(const char* format, ...) {
  CString more;
  va_list args;
  va_start(args, format);
  more.FormatV(format, args);
  va_end(args);
  m_str += more.m_str;
}

char* CString::GetBuffer(int minLength) {
  if (minLength > 0 && static_cast<size_t>(minLength) > m_str.size())
    m_str.resize(static_cast<size_t>(minLength), '\0');
  return &m_str[0];  // the terminator after size() is always there
}

char* CString::GetBufferSetLength(int length) {
  m_str.resize(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  return &m_str[0];
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    const void* nul = std::memchr(m_str.data(), '\0', m_str.size());
    if (nul) m_str.resize(static_cast<size_t>(static_cast<const char*>(nul) - m_str.data()));
  } else if (static_cast<size_t>(newLength) < m_str.size()) {
    m_str.resize(static_cast<size_t>(newLength));
  }
}
