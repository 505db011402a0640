// A bounded, read-only cursor over text held in memory. The file readers load a
// file once and scan it with this class, line by line (like fgets) or token by
// token (like fscanf), without ever reading past the end of the buffer.
#pragma once

#include <cstddef>
#include <string>

class CTextCursor {
 public:
  // Longest line kept by ReadLine; the rest of a longer line is skipped.
  static constexpr size_t kMaxLineLength = 64 * 1024;
  // Longest word kept by ScanWord; the rest of a longer word is skipped.
  static constexpr size_t kMaxWordLength = 256;

  CTextCursor();
  CTextCursor(const char* data, size_t size);
  explicit CTextCursor(const std::string& text);  // the text must outlive the cursor

  bool AtEnd() const { return m_pos >= m_size; }
  size_t Position() const { return m_pos; }
  size_t Remaining() const { return m_size - m_pos; }

  // Next byte (0-255) without taking it, or -1 at the end.
  int Peek() const;
  // Takes the next byte, or returns -1 at the end.
  int Get();

  // Reads up to the next LF and takes it; a CR before the LF is dropped.
  // NUL bytes are ordinary bytes. FALSE only at the end of the text.
  bool ReadLine(std::string& line);
  // Takes the rest of the current line, its LF included.
  void SkipLine();
  // Skips blanks, tabs, CR and LF (what a scanf format blank skips).
  void SkipSpace();
  // Skips white space and every following line whose first character is '*',
  // each one whole. Leaves the first other character unread.
  void SkipCommentLines();

  // The scanf-like readers below skip leading white space first. On failure
  // they leave the cursor where the unreadable text starts.
  // A run of non-blank characters, at most kMaxWordLength of them kept.
  bool ScanWord(std::string& word);
  // A decimal integer ("%d"); fails on overflow of int.
  bool ScanInt(int& value);
  // A decimal floating-point number ("%lg"); fails on "inf", "nan" and on
  // values that overflow a double.
  bool ScanDouble(double& value);

 private:
  size_t NumberTokenLength(bool allowFraction) const;

  const char* m_data;
  size_t m_size;
  size_t m_pos;
};

// Returns the length of the longest prefix of text[0..size) that is a decimal
// number (optional sign, digits with an optional fraction, optional exponent);
// 0 when there is none. With allowFraction FALSE only a signed integer counts.
size_t DecimalNumberPrefix(const char* text, size_t size, bool allowFraction);

// text without its leading and trailing white space (as SkipSpace skips it).
std::string TrimmedText(const std::string& text);
// The text after the first colon of a "label: value" line, trimmed; the whole line, trimmed,
// when it has no colon.
std::string ValueAfterColon(const std::string& line);
// Whether text equals other, ignoring ASCII case; NUL bytes in text count.
bool EqualsNoCase(const std::string& text, const char* other);
