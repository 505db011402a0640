// CRegistryKey.
#include "core/registry/RegistryKey.h"

#include "framework/win/AfxCore.h"

static_assert(sizeof(LOGFONTA) == 60, "fonts are stored as the 60-byte LOGFONTA");

CRegistryKey::CRegistryKey() : CSettingsKey(CWin32SettingsStore::Instance()) {}

BOOL CRegistryKey::SetRootKey(HKEY root) {
  if (root == HKEY_CLASSES_ROOT)
    m_root = SettingsRoot::ClassesRoot;
  else if (root == HKEY_CURRENT_USER)
    m_root = SettingsRoot::CurrentUser;
  else if (root == HKEY_LOCAL_MACHINE)
    m_root = SettingsRoot::LocalMachine;
  else if (root == HKEY_USERS)
    m_root = SettingsRoot::Users;
  else
    return FALSE;
  return TRUE;
}

BOOL CRegistryKey::ReadFont(const CString& name, CFont& font) {
  LOGFONTA lf;
  if (!ReadBinary(name, &lf, sizeof(lf))) return FALSE;
  lf.lfFaceName[LF_FACESIZE - 1] = 0;
  CFont made;
  if (!made.CreateFontIndirect(&lf)) return FALSE;
  font.Attach(made.Detach());
  return TRUE;
}

BOOL CRegistryKey::WriteFont(const CString& name, CFont* font) {
  LOGFONTA lf;
  if (!font || !font->m_hObject || !font->GetLogFont(&lf)) return FALSE;
  return WriteBinary(name, &lf, sizeof(lf));
}

CString GetProgramFolder() {
  return ProgramFolderOf(AfxGetModuleFileName(NULL));
}
