// Seams and scratch registry of the update and welcome tests.
#include "tests/shell/update_test_support.h"

namespace updatetest {

namespace {
CSeams* g_seams = nullptr;
}

CSeams::CSeams() {
  g_seams = this;
  m_box = AfxSetMessageBoxSeam(Box);
  m_shell = AfxSetShellExecuteSeam(Shell);
  m_modal = AfxSetModalDialogSeam(Dialog);
}

CSeams::~CSeams() {
  AfxSetMessageBoxSeam(m_box);
  AfxSetShellExecuteSeam(m_shell);
  AfxSetModalDialogSeam(m_modal);
  g_seams = nullptr;
}

int CSeams::Box(HWND, LPCSTR text, LPCSTR, UINT type) {
  g_seams->boxes.push_back(text ? text : "");
  g_seams->boxTypes.push_back(type);
  if (!g_seams->answers.empty()) {
    const int answer = g_seams->answers.front();
    g_seams->answers.pop_front();
    return answer;
  }
  return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

HINSTANCE CSeams::Shell(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                        LPCSTR directory, INT show) {
  g_seams->starts.push_back({file ? file : "", parameters ? parameters : ""});
  if (g_seams->realShell) return ::ShellExecuteA(owner, operation, file, parameters, directory, show);
  return reinterpret_cast<HINSTANCE>(g_seams->shellResult);
}

void CSeams::Dialog(CDialog* dialog) {
  if (g_seams->onDialog)
    g_seams->onDialog(dialog);
  else
    dialog->EndDialog(IDCANCEL);
}

CScratchHives::CScratchHives(const std::string& name) {
  m_path = "Software\\Quarvex Tests\\" + name + "-" + std::to_string(GetCurrentProcessId());
  RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
  RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\User").c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                  &m_user, NULL);
  RegCreateKeyExA(HKEY_CURRENT_USER, (m_path + "\\Machine").c_str(), 0, NULL, 0, KEY_ALL_ACCESS,
                  NULL, &m_machine, NULL);
  RegOverridePredefKey(HKEY_CURRENT_USER, m_user);
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_machine);
}

CScratchHives::~CScratchHives() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, NULL);
  RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
  RegCloseKey(m_user);
  RegCloseKey(m_machine);
  RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
}

void CScratchHives::SetRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
                           const void* data, DWORD size) {
  HKEY k = NULL;
  if (RegCreateKeyExA(root, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &k, NULL) != ERROR_SUCCESS)
    return;
  RegSetValueExA(k, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(k);
}

void CScratchHives::SetString(HKEY root, const std::string& key, const std::string& name,
                              const std::string& value) {
  SetRaw(root, key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool CScratchHives::GetRaw(HKEY root, const std::string& key, const std::string& name,
                           std::vector<BYTE>* data) const {
  HKEY k = NULL;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  bool ok = RegQueryValueExA(k, name.c_str(), NULL, &type, NULL, &size) == ERROR_SUCCESS;
  if (ok && data) {
    data->resize(size);
    ok = RegQueryValueExA(k, name.c_str(), NULL, &type, data->data(), &size) == ERROR_SUCCESS;
  }
  RegCloseKey(k);
  return ok;
}

bool CScratchHives::Exists(HKEY root, const std::string& key, const std::string& name) const {
  return GetRaw(root, key, name, nullptr);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  return qxtest::WaitUntil(done, [] {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }, timeoutMs);
}

}  // namespace updatetest

#include "tests/support/Screenshot.h"

namespace updatetest {

bool CaptureDialog(CDialog* dialog, const std::string& name) {
  ::ShowWindow(dialog->m_hWnd, SW_SHOW);
  ::SetWindowPos(dialog->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::RedrawWindow(dialog->m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([] { return false; }, 100);
  return qxtest::SaveWindowScreenshot(dialog->m_hWnd, qxtest::ScreenshotFolder() + name + ".bmp");
}

}  // namespace updatetest
