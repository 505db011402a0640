#include "tests/support/TestProjects.h"

#include "core/document/KelProject.h"
#include "core/version/version.h"
#include "tests/support/ProgramHarness.h"

namespace qxtest {

bool WriteProject(const std::string& path, const std::function<void(CKelProject&)>& setUp) {
  CKelProject project;
  setUp(project);
  CString error;
  return project.WriteProject(path.c_str(), QUARVEX_VERSION_TEXT, error) != FALSE;
}

CKelStrengthDoc* OpenProject(CProgramHarness& program, const std::string& name,
                             const std::function<void(CKelProject&)>& setUp) {
  const std::string path = program.TempPath(name + ".kel");
  if (!WriteProject(path, setUp)) return nullptr;
  CKelStrengthDoc* doc = program.OpenFile(path);
  program.Pump();
  return doc;
}

}  // namespace qxtest
