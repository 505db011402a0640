// Feeds arbitrary bytes to the grid's reader of pasted and dropped text, as another program's
// clipboard data would arrive (with or without a NUL), and checks what it promises: it reads
// nothing past the data or its first NUL, every line ends, fields hold no separators and no
// surrounding blanks, and the cells' number check agrees with the program's number parser.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "controls/GridClipboardText.h"
#include "framework/base/NumberText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy: any read past the end is caught by the address checks.
  std::vector<char> bytes(data, data + size);
  const char* text = bytes.empty() ? nullptr : bytes.data();
  const void* nul = size ? std::memchr(text, '\0', size) : nullptr;
  const size_t used = nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size;

  gridtext::PasteReader reader(text, size);
  std::vector<std::string> fields;
  size_t lines = 0, newlines = 0;
  for (size_t i = 0; i < used; ++i) newlines += text[i] == '\n';
  while (reader.NextLine(fields)) {
    Check(++lines <= newlines + 1);
    for (const std::string& f : fields) {
      Check(f.find_first_of("\t,\n") == std::string::npos);
      Check(f.find('\0') == std::string::npos);
      if (!f.empty()) Check(!IsBlank(f.front()) && !IsBlank(f.back()));
      double value = 0.0;
      bool number = ParseDouble(f.c_str(), value) == NumberParse::Ok;
      Check(gridtext::IsNumberText(f) == (f.empty() || number));
    }
  }
  Check(!reader.NextLine(fields));
  return 0;
}
