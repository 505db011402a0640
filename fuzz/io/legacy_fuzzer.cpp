// Fuzzes CStrengthFile::Read as it reads a .txt file.
#include "reader_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzReader("fuzz.txt", data, size);
}
