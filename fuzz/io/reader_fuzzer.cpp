#include "reader_fuzzer.h"

#include <cstdlib>
#include <string>

#include "core/io/StrengthFile.h"

namespace {

// Reads text as a project file and writes it again; aborts if it does not read.
std::string Rewrite(const std::string& text) {
  CStrengthFile file;
  if (!file.ReadFromText("again.kel", text.data(), text.size())) std::abort();
  return file.FormatProject("3.015");
}

}  // namespace

int FuzzReader(const char* path, const uint8_t* data, size_t size) {
  CStrengthFile file;
  if (!file.ReadFromText(path, reinterpret_cast<const char*>(data), size)) {
    if (file.GetErrorText().IsEmpty()) std::abort();
    return 0;
  }
  // The first rewrite may still change: one unit system for all models, and
  // the title's outer blanks are not kept. After that the text is fixed.
  const std::string second = Rewrite(file.FormatProject("3.015"));
  if (Rewrite(second) != second) std::abort();
  return 0;
}
