// Fuzzes the project-file import (.kel) of every fit dialog.
#include "fitdialogs/logic/TestDataImport.h"
#include "import_fuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return FuzzImport(IMPORT_PROJECT, "fuzz.kel", data, size);
}
