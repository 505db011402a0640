#include "shell/ShellRegApp.h"

#include <cstring>

#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"

CShellRegApp::CShellRegApp() : CWinApp(nullptr) {}

CString CShellRegApp::GetShellProgramPath() {
  CString path = AfxGetModuleFileName(m_hInstance);
  char shortPath[MAX_PATH] = "";
  DWORD n = ::GetShortPathNameA(path, shortPath, sizeof shortPath);
  if (n > 0 && n < sizeof shortPath) return CString(shortPath);
  return path;
}

CString CShellRegApp::GetProgramFolder() {
  char name[MAX_PATH] = "";
  DWORD n = ::GetModuleFileNameA(m_hInstance, name, sizeof name);
  if (n == 0 || n >= sizeof name) return CString();
  CString path(name);
  int slash = path.ReverseFind('\\');
  return slash < 0 ? CString() : path.Left(slash + 1);
}

BOOL CShellRegApp::SetKeyValue(LPCSTR key, LPCSTR value, LPCSTR valueName) {
  if (!valueName)
    return ::RegSetValueA(m_hClassesRoot, key, REG_SZ, value,
                          static_cast<DWORD>(std::strlen(value))) == ERROR_SUCCESS;
  HKEY h = nullptr;
  if (::RegCreateKeyA(m_hClassesRoot, key, &h) != ERROR_SUCCESS) return FALSE;
  BOOL ok = ::RegSetValueExA(h, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
  if (::RegCloseKey(h) != ERROR_SUCCESS) ok = FALSE;
  return ok;
}

BOOL CShellRegApp::DeleteKeyTree(LPCSTR path) {
  CString key = path ? path : "";
  while (!key.IsEmpty()) {
    HKEY h = nullptr;
    if (::RegOpenKeyA(m_hClassesRoot, key, &h) != ERROR_SUCCESS) break;
    char sub[MAX_PATH];
    const bool hasSubKeys = ::RegEnumKeyA(h, 0, sub, sizeof sub) == ERROR_SUCCESS;
    ::RegCloseKey(h);
    if (hasSubKeys) break;
    ::RegDeleteKeyA(m_hClassesRoot, key);
    int slash = key.ReverseFind('\\');
    if (slash < 0) break;
    key = key.Left(slash);
  }
  return TRUE;
}

void CShellRegApp::RegisterShellFileTypes(BOOL removeOld, LPCSTR extension) {
  if (!m_pDocManager) return;
  POSITION pos = m_pDocManager->GetFirstDocTemplatePosition();
  CDocTemplate* docTemplate = pos ? m_pDocManager->GetNextDocTemplate(pos) : nullptr;
  if (!docTemplate) return;
  CString typeId, typeName, windowTitle;
  if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId) || typeId.IsEmpty()) return;
  if (!docTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName) || typeName.IsEmpty())
    typeName = typeId;
  const bool multiDocument =
      !docTemplate->GetDocString(windowTitle, CDocTemplate::windowTitle) || windowTitle.IsEmpty();
  const CString ext = extension ? extension : "";

  if (removeOld) {
    CString path;
    path.Format("%s\\DefaultIcon", typeId.GetString());
    DeleteKeyTree(path);
    if (multiDocument) {
      for (const char* verb : {"open", "print", "printto"}) {
        path.Format("%s\\shell\\%s\\%s", typeId.GetString(), verb, "ddeexec");
        DeleteKeyTree(path);
      }
    }
    for (const char* verb : {"open", "print", "printto"}) {
      path.Format("%s\\shell\\%s\\%s", typeId.GetString(), verb, "command");
      DeleteKeyTree(path);
    }
    if (!ext.IsEmpty()) {
      path.Format("%s\\ShellNew", ext.GetString());
      DeleteKeyTree(path);
      DeleteKeyTree(ext);
    }
  }

  // The path is quoted in the commands: without short names it may hold blanks, and an
  // unquoted "C:\Program Files\..." would first be tried as "C:\Program".
  const CString program = GetShellProgramPath();
  const CString quoted = "\"" + program + "\"";
  const CString openCommand = multiDocument ? quoted + " /dde" : quoted + " \"%1\"";
  if (!SetKeyValue(typeId, typeName)) return;
  if (!SetKeyValue(typeId + "\\DefaultIcon", program + ",0")) return;
  if (multiDocument && !SetKeyValue(typeId + "\\shell\\open\\ddeexec", "[open(\"%1\")]")) return;
  if (!SetKeyValue(typeId + "\\shell\\open\\command", openCommand)) return;
  if (!ext.IsEmpty()) SetKeyValue(ext, typeId);
}
