// The test program of the runner's own checks (check_run_test.py): asked through its environment,
// it does what a test program must not get away with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

bool Asked(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

// As the whole-program tests do: the runner's marks must still be found.
TEST(Subject, ChangesItsCurrentFolder) {
  std::filesystem::current_path(std::filesystem::temp_directory_path());
}

TEST(Subject, EndsHalfWayWithStatusZeroWhenAsked) {
  if (Asked("QX_SUBJECT_EXIT")) std::exit(0);
}

TEST(Subject, SkipsWhenAsked) {
  if (Asked("QX_SUBJECT_SKIP")) GTEST_SKIP() << "asked to skip";
}

TEST(Subject, Last) {}
