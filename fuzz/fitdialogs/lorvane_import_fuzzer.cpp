// Fuzzes the Lorvane file import (.qzt) of every fit dialog.
#include "fitdialogs/logic/TestDataImport.h"
#include "import_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzImport(IMPORT_LORVANE, "fuzz.qzt", data, size);
}
