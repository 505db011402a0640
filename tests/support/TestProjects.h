// Project files for the whole-program tests, written as the program writes its own projects:
// with its own version text. (A file of an older version is read with the older numbering of
// the unit systems, so kPa and tsm would come back as ksf and ksi.)
#pragma once

#include <functional>
#include <string>

class CKelProject;
class CKelStrengthDoc;

namespace qxtest {

class CProgramHarness;

// Writes the project that setUp makes (criterion, parameters, data) to path.
bool WriteProject(const std::string& path, const std::function<void(CKelProject&)>& setUp);

// Writes the project as <name>.kel into the test's temporary folder and opens it in the
// program, with the messages that follow handled; null when either fails.
CKelStrengthDoc* OpenProject(CProgramHarness& program, const std::string& name,
                             const std::function<void(CKelProject&)>& setUp);

}  // namespace qxtest
