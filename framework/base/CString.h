// CString: an ANSI string with the interface the program's code expects.
// Indexes out of range are clamped (or ignored), never undefined behaviour.
#pragma once

#include <cstdarg>
#include <string>
#include <type_traits>

#include "WinTypes.h"

#if defined(__clang__)
#define QX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#elif defined(__GNUC__)
#define QX_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define QX_PRINTF_FORMAT(fmt, args)
#endif

class CString {
 public:
  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(const char* text);  // nullptr gives an empty string
  CString(const char* text, int length);
  CString(char ch, int repeat = 1);
  CString(const std::string& text) : m_str(text) {}

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(const char* text);
  CString& operator=(char ch);

  // Size and access
  int GetLength() const { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }
  char GetAt(int index) const;  // '\0' when out of range
  template <typename Index,
            typename = typename std::enable_if<std::is_integral<Index>::value>::type>
  char operator[](Index index) const {
    return index < 0 || static_cast<unsigned long long>(index) >= m_str.size()
               ? '\0'
               : m_str[static_cast<size_t>(index)];
  }
  void SetAt(int index, char ch);  // ignored when out of range
  operator const char*() const { return m_str.c_str(); }
  const char* GetString() const { return m_str.c_str(); }
  const std::string& str() const { return m_str; }

  // Concatenation
  CString& operator+=(const CString& text);
  CString& operator+=(const char* text);
  CString& operator+=(char ch);
  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, const char* b);
  friend CString operator+(const char* a, const CString& b);
  friend CString operator+(const CString& a, char b);
  friend CString operator+(char a, const CString& b);

  // Comparison (byte-wise as unsigned chars; CompareNoCase ignores ASCII case).
  // Between two CStrings the operators see embedded NULs too.
  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;
  int Collate(const char* text) const { return Compare(text); }
  int CollateNoCase(const char* text) const { return CompareNoCase(text); }

  // Extraction (counts and positions are clamped to the string)
  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;
  CString SpanIncluding(const char* charSet) const;
  CString SpanExcluding(const char* charSet) const;

  // Searching; -1 when not found
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* charSet) const;

  // Changing
  void MakeUpper();
  void MakeLower();
  void MakeReverse();
  CString& TrimLeft();  // white space
  CString& TrimLeft(char target);
  CString& TrimLeft(const char* targets);  // any of the given characters
  CString& TrimRight();
  CString& TrimRight(char target);
  CString& TrimRight(const char* targets);
  CString& Trim();
  CString& Trim(char target);
  CString& Trim(const char* targets);
  int Replace(char oldCh, char newCh);  // returns the count replaced
  int Replace(const char* oldText, const char* newText);
  int Remove(char ch);             // returns the count removed
  int Insert(int index, char ch);  // returns the new length
  int Insert(int index, const char* text);
  int Delete(int index, int count = 1);  // returns the new length

  // printf-style formatting (two-digit exponents, no length limit)
  void Format(const char* format, ...) QX_PRINTF_FORMAT(2, 3);
  void FormatV(const char* format, va_list args);
  void AppendFormat(const char* format, ...) QX_PRINTF_FORMAT(2, 3);

  // Direct buffer access: GetBuffer gives at least minLength writable chars
  // (plus a terminator); ReleaseBuffer(-1) takes the length up to the first
  // NUL, ReleaseBuffer(n) takes n (clamped to the buffer).
  char* GetBuffer(int minLength = 0);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string m_str;
};

inline bool operator==(const CString& a, const CString& b) {
  return a.str() == b.str();
}
inline bool operator==(const CString& a, const char* b) {
  return a.Compare(b) == 0;
}
inline bool operator==(const char* a, const CString& b) {
  return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b) {
  return a.str() != b.str();
}
inline bool operator!=(const CString& a, const char* b) {
  return a.Compare(b) != 0;
}
inline bool operator!=(const char* a, const CString& b) {
  return b.Compare(a) != 0;
}
inline bool operator<(const CString& a, const CString& b) {
  return a.str().compare(b.str()) < 0;
}
inline bool operator<(const CString& a, const char* b) {
  return a.Compare(b) < 0;
}
inline bool operator<(const char* a, const CString& b) {
  return b.Compare(a) > 0;
}
inline bool operator>(const CString& a, const CString& b) {
  return a.str().compare(b.str()) > 0;
}
inline bool operator>(const CString& a, const char* b) {
  return a.Compare(b) > 0;
}
inline bool operator>(const char* a, const CString& b) {
  return b.Compare(a) < 0;
}
inline bool operator<=(const CString& a, const CString& b) {
  return a.str().compare(b.str()) <= 0;
}
inline bool operator<=(const CString& a, const char* b) {
  return a.Compare(b) <= 0;
}
inline bool operator<=(const char* a, const CString& b) {
  return b.Compare(a) >= 0;
}
inline bool operator>=(const CString& a, const CString& b) {
  return a.str().compare(b.str()) >= 0;
}
inline bool operator>=(const CString& a, const char* b) {
  return a.Compare(b) >= 0;
}
inline bool operator>=(const char* a, const CString& b) {
  return b.Compare(a) <= 0;
}
