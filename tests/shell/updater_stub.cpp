// Stands in for the update program in tests (built as UpdateTalvenor.exe next to the test
// program): writes the arguments it was given, one a line, to the file that the environment
// variable QUARVEX_UPDATER_STUB_LOG names, and ends. The file appears only once it is complete,
// so a test waits for it rather than for a time. It proves what a real updater would see of the
// command line the program builds. A window program, so no console opens.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char* log = std::getenv("QUARVEX_UPDATER_STUB_LOG");
  if (!log || !*log) return 1;
  const std::string part = std::string(log) + ".part";
  std::FILE* f = std::fopen(part.c_str(), "wb");
  if (!f) return 2;
  for (int i = 1; i < __argc; ++i) std::fprintf(f, "%s\n", __argv[i]);
  if (std::fclose(f) != 0) return 3;
  return ::MoveFileExA(part.c_str(), log, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
