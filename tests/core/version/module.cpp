// A module that exists only to carry (or lack) a version resource.
extern "C" __declspec(dllexport) int QxVersionTestModule() {
  return 1;
}
