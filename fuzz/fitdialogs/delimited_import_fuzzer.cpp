// Fuzzes the comma- and tab-delimited text imports (the first byte's highest bit picks which).
#include "fitdialogs/logic/TestDataImport.h"
#include "import_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const bool comma = (data[0] & 0x80) == 0;
  return FuzzImport(comma ? IMPORT_COMMA : IMPORT_TAB, comma ? "fuzz.csv" : "fuzz.txt", data, size);
}
