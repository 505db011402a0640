// Stands in for the update program in tests (built as UpdateTalvenor.exe next to the test
// program): writes the arguments it was given, one a line, to the file that the environment
// variable QUARVEX_UPDATER_STUB_LOG names, and ends. It proves what a real updater would see
// of the command line the program builds. A window program, so no console opens.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char* log = std::getenv("QUARVEX_UPDATER_STUB_LOG");
  if (!log || !*log) return 1;
  std::FILE* f = std::fopen(log, "wb");
  if (!f) return 2;
  for (int i = 1; i < __argc; ++i) std::fprintf(f, "%s\n", __argv[i]);
  std::fclose(f);
  return 0;
}
