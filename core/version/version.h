// The program's version, in one place for both the version resource and the code.
// The text form is "%u.%u%u%u": 3.0.1.5 -> "3.015". Project files carry it, and the file reader
// remaps unit systems for versions below 3.01, so it must never fall below that.
#ifndef QUARVEX_CORE_VERSION_VERSION_H
#define QUARVEX_CORE_VERSION_VERSION_H

#define QUARVEX_VERSION_MAJOR 3
#define QUARVEX_VERSION_MINOR 0
#define QUARVEX_VERSION_RELEASE 1
#define QUARVEX_VERSION_BUILD 5

#define QUARVEX_VERSION_TEXT "3.015"
#define QUARVEX_VERSION_DOTTED "3.0.1.5"

// 1 for a beta build: the resource then carries VS_FF_PRERELEASE.
#define QUARVEX_VERSION_PRERELEASE 0

#ifndef RC_INVOKED
#ifdef __cplusplus
namespace quarvex_version_check {

constexpr bool SameText(const char* a, const char* b) {
  return *a == *b && (*a == '\0' || SameText(a + 1, b + 1));
}

constexpr bool OneDigit(int n) {
  return n >= 0 && n <= 9;
}

constexpr char Digit(int n) {
  return static_cast<char>('0' + n);
}

constexpr char kExpectedText[] = {Digit(QUARVEX_VERSION_MAJOR), '.',
                                  Digit(QUARVEX_VERSION_MINOR), Digit(QUARVEX_VERSION_RELEASE),
                                  Digit(QUARVEX_VERSION_BUILD), '\0'};
constexpr char kExpectedDotted[] = {
    Digit(QUARVEX_VERSION_MAJOR),   '.', Digit(QUARVEX_VERSION_MINOR), '.',
    Digit(QUARVEX_VERSION_RELEASE), '.', Digit(QUARVEX_VERSION_BUILD), '\0'};

}  // namespace quarvex_version_check

// "%u%u%u" reads back as a decimal fraction only while each part is one digit;
// 3.0.10.0 would give "3.0100", which compares below "3.090".
static_assert(quarvex_version_check::OneDigit(QUARVEX_VERSION_MAJOR) &&
                  QUARVEX_VERSION_MAJOR >= 1 &&
                  quarvex_version_check::OneDigit(QUARVEX_VERSION_MINOR) &&
                  quarvex_version_check::OneDigit(QUARVEX_VERSION_RELEASE) &&
                  quarvex_version_check::OneDigit(QUARVEX_VERSION_BUILD),
              "each version number must be one digit (the major one at least 1)");
// Files written with a version text below 3.01 get their units remapped on reading.
static_assert(
    QUARVEX_VERSION_MAJOR > 3 ||
        (QUARVEX_VERSION_MAJOR == 3 &&
         QUARVEX_VERSION_MINOR * 100 + QUARVEX_VERSION_RELEASE * 10 + QUARVEX_VERSION_BUILD >= 10),
    "the version text must be at least 3.01");
static_assert(quarvex_version_check::SameText(QUARVEX_VERSION_TEXT,
                                              quarvex_version_check::kExpectedText),
              "QUARVEX_VERSION_TEXT must match the version numbers");
static_assert(quarvex_version_check::SameText(QUARVEX_VERSION_DOTTED,
                                              quarvex_version_check::kExpectedDotted),
              "QUARVEX_VERSION_DOTTED must match the version numbers");
static_assert(QUARVEX_VERSION_PRERELEASE == 0 || QUARVEX_VERSION_PRERELEASE == 1,
              "QUARVEX_VERSION_PRERELEASE is 0 or 1");
#endif
#endif

#endif
