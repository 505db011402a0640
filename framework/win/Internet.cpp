// Internet session, HTTP reply and internet exception over WinINet.
#include "framework/win/Internet.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "framework/win/AfxCore.h"

IMPLEMENT_DYNAMIC(CInternetException, CException)
IMPLEMENT_DYNAMIC(CHttpFile, CObject)
IMPLEMENT_DYNAMIC(CInternetSession, CObject)

namespace {

std::atomic<AfxInternetQueryOptionSeam> g_queryOption{nullptr};
std::atomic<AfxInternetOpenUrlSeam> g_openUrl{nullptr};

BOOL QueryOptionCall(HINTERNET handle, DWORD option, LPVOID buffer, LPDWORD length) {
  AfxInternetQueryOptionSeam seam = g_queryOption.load();
  return seam ? seam(handle, option, buffer, length)
              : ::InternetQueryOptionA(handle, option, buffer, length);
}

// Texts for the errors an HTTP request most often meets, for systems whose WinINet has none.
const struct {
  DWORD error;
  const char* text;
} kKnownErrors[] = {
    {ERROR_INTERNET_TIMEOUT, "The operation timed out"},
    {ERROR_INTERNET_NAME_NOT_RESOLVED, "The server name or address could not be resolved"},
    {ERROR_INTERNET_CANNOT_CONNECT, "A connection with the server could not be established"},
    {ERROR_INTERNET_CONNECTION_ABORTED, "The connection with the server was terminated abnormally"},
    {ERROR_INTERNET_CONNECTION_RESET, "The connection with the server was reset"},
    {ERROR_INTERNET_OPERATION_CANCELLED, "The operation was canceled"},
    {ERROR_INTERNET_UNRECOGNIZED_SCHEME, "The URL does not use a recognized protocol"},
    {ERROR_INTERNET_INVALID_URL, "The URL is invalid"},
    {ERROR_HTTP_INVALID_SERVER_RESPONSE, "The server response could not be parsed"},
    {ERROR_INTERNET_DISCONNECTED, "The Internet connection has been lost"},
    {ERROR_INVALID_HANDLE, "The operation was canceled"},
};

// The slot of a timeout option in CInternetSession::m_timeouts; -1 for any other option.
int TimeoutIndex(DWORD option) {
  switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
      return 0;
    case INTERNET_OPTION_SEND_TIMEOUT:
      return 1;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
      return 2;
    default:
      return -1;
  }
}

BOOL RunsOnWine() {
  static const BOOL wine =
      ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
  return wine;
}

BOOL CopyText(const char* text, char* buffer, UINT maxChars) {
  if (!buffer || maxChars == 0) return FALSE;
  lstrcpynA(buffer, text, static_cast<int>(maxChars));
  return TRUE;
}

BOOL SystemText(HMODULE module, DWORD error, char* buffer, UINT maxChars) {
  DWORD flags = FORMAT_MESSAGE_IGNORE_INSERTS |
                (module ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM);
  DWORD n = ::FormatMessageA(flags, module, error, 0, buffer, maxChars, NULL);
  if (n == 0) return FALSE;
  // Messages end with CR LF: a message box shows the text on its own.
  while (n > 0 && (buffer[n - 1] == '\r' || buffer[n - 1] == '\n' || buffer[n - 1] == ' '))
    buffer[--n] = 0;
  return n > 0;
}

}  // namespace

AfxInternetQueryOptionSeam AfxSetInternetQueryOptionSeam(AfxInternetQueryOptionSeam seam) {
  return g_queryOption.exchange(seam);
}

AfxInternetOpenUrlSeam AfxSetInternetOpenUrlSeam(AfxInternetOpenUrlSeam seam) {
  return g_openUrl.exchange(seam);
}

// ---- CInternetException ------------------------------------------------------------------------

CInternetException::CInternetException(DWORD error, DWORD_PTR context)
    : m_dwError(error), m_dwContext(context) {}

BOOL CInternetException::GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext) const {
  if (helpContext) *helpContext = 0;
  if (!buffer || maxChars == 0) return FALSE;
  buffer[0] = 0;
  if (m_dwError >= INTERNET_ERROR_BASE && m_dwError <= INTERNET_ERROR_LAST &&
      SystemText(::GetModuleHandleA("wininet.dll"), m_dwError, buffer, maxChars))
    return TRUE;
  for (const auto& known : kKnownErrors)
    if (known.error == m_dwError) return CopyText(known.text, buffer, maxChars);
  if (SystemText(NULL, m_dwError, buffer, maxChars)) return TRUE;
  char text[64];
  wsprintfA(text, "Internet error %lu", static_cast<unsigned long>(m_dwError));
  return CopyText(text, buffer, maxChars);
}

void AfxThrowInternetException(DWORD_PTR context, DWORD error) {
  if (error == 0) error = ::GetLastError();
  throw new CInternetException(error, context);
}

// ---- CHttpFile ---------------------------------------------------------------------------------

CHttpFile::CHttpFile(HINTERNET hFile, const CString& url, HINTERNET hConnect)
    : m_hFile(hFile), m_hConnect(hConnect), m_url(url) {}

CHttpFile::~CHttpFile() {
  Close();
}

void CHttpFile::Close() {
  if (m_hFile) ::InternetCloseHandle(m_hFile);
  if (m_hConnect) ::InternetCloseHandle(m_hConnect);
  m_hFile = m_hConnect = NULL;
  m_pos = m_count = 0;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& status) const {
  status = 0;
  if (!m_hFile) return FALSE;
  DWORD value = 0, size = sizeof(value), index = 0;
  if (!::HttpQueryInfoA(m_hFile, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &value, &size,
                        &index))
    return FALSE;
  status = value;
  return TRUE;
}

BOOL CHttpFile::Fill() {
  m_pos = m_count = 0;
  if (!m_hFile) return FALSE;
  DWORD read = 0;
  if (!::InternetReadFile(m_hFile, m_buffer, sizeof(m_buffer), &read))
    AfxThrowInternetException(0);
  m_count = read;
  return read > 0;
}

UINT CHttpFile::Read(void* buffer, UINT count) {
  char* out = static_cast<char*>(buffer);
  UINT done = 0;
  while (done < count) {
    if (m_pos == m_count && !Fill()) break;
    UINT n = static_cast<UINT>(m_count - m_pos);
    if (n > count - done) n = count - done;
    std::memcpy(out + done, m_buffer + m_pos, n);
    m_pos += n;
    done += n;
  }
  return done;
}

BOOL CHttpFile::ReadString(CString& line, UINT maxChars) {
  line.Empty();
  BOOL any = FALSE;
  while (line.GetLength() < static_cast<int>(maxChars)) {
    if (m_pos == m_count && !Fill()) break;
    any = TRUE;
    const char c = m_buffer[m_pos++];
    if (c == '\n') break;
    line += c;
  }
  if (!line.IsEmpty() && line[line.GetLength() - 1] == '\r') line.Delete(line.GetLength() - 1);
  return any;
}

// ---- CInternetSession --------------------------------------------------------------------------

CInternetSession::CInternetSession(LPCSTR agent, DWORD_PTR context, DWORD accessType,
                                   LPCSTR proxyName, LPCSTR proxyBypass, DWORD flags)
    : m_hSession(NULL), m_dwContext(context) {
  CString name = agent ? CString(agent) : CString();
  if (name.IsEmpty()) {
    name = AfxGetModuleFileName();
    name = name.Mid(name.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    if (dot > 0) name = name.Left(dot);
  }
  HINTERNET h = ::InternetOpenA(name, accessType, proxyName, proxyBypass, flags);
  if (!h) AfxThrowInternetException(context);
  m_hSession = h;
}

CInternetSession::~CInternetSession() {
  Close();
}

void CInternetSession::Close() {
  HINTERNET h = m_hSession.exchange(NULL);
  if (!h) return;
  ::InternetCloseHandle(h);
  // Windows ends a call that waits on the closed handles; Wine lets it wait on its socket.
  if (!RunsOnWine()) return;
  std::vector<INTERNET_PORT> ports;
  {
    std::lock_guard<std::mutex> lock(m_portsLock);
    ports = m_ports;
  }
  for (INTERNET_PORT port : ports) AfxEndConnectionsToPort(port);
}

BOOL CInternetSession::QueryOption(DWORD option, DWORD& value) const {
  DWORD v = 0, size = sizeof(v);
  if (!QueryOptionCall(m_hSession.load(), option, &v, &size)) return FALSE;
  value = v;
  return TRUE;
}

BOOL CInternetSession::SetOption(DWORD option, DWORD value) {
  const int timeout = TimeoutIndex(option);
  if (timeout >= 0) m_timeouts[timeout] = value;
  return ::InternetSetOptionA(m_hSession.load(), option, &value, sizeof(value));
}

CHttpFile* CInternetSession::OpenURL(LPCSTR url, DWORD_PTR context, DWORD flags, LPCSTR headers,
                                     DWORD headersLength) {
  const CString address = url ? url : "";
  if (address.Left(7).CompareNoCase("http://") != 0 && address.Left(8).CompareNoCase("https://") != 0)
    AfxThrowInternetException(context, ERROR_INTERNET_UNRECOGNIZED_SCHEME);
  HINTERNET session = m_hSession.load();
  if (!session) AfxThrowInternetException(context, ERROR_INTERNET_OPERATION_CANCELLED);
  if (headers && headersLength == 0) headersLength = static_cast<DWORD>(-1);
  if (AfxInternetOpenUrlSeam seam = g_openUrl.load()) {
    HINTERNET h = seam(session, address, headers, headersLength, flags, context);
    if (!h) FailOpen(context, ::GetLastError());
    return new CHttpFile(h, address);
  }

  URL_COMPONENTSA parts = {};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;  // point into url
  parts.dwUserNameLength = parts.dwPasswordLength = 1;
  if (!::InternetCrackUrlA(address, 0, 0, &parts) || parts.dwHostNameLength == 0)
    AfxThrowInternetException(context, ERROR_INTERNET_INVALID_URL);
  const CString host(parts.lpszHostName, static_cast<int>(parts.dwHostNameLength));
  const CString user(parts.lpszUserName, static_cast<int>(parts.dwUserNameLength));
  const CString password(parts.lpszPassword, static_cast<int>(parts.dwPasswordLength));
  CString object = CString(parts.lpszUrlPath, static_cast<int>(parts.dwUrlPathLength)) +
                   CString(parts.lpszExtraInfo, static_cast<int>(parts.dwExtraInfoLength));
  if (object.IsEmpty()) object = "/";
  if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
  {
    std::lock_guard<std::mutex> lock(m_portsLock);
    if (std::find(m_ports.begin(), m_ports.end(), parts.nPort) == m_ports.end())
      m_ports.push_back(parts.nPort);
  }

  HINTERNET connection = ::InternetConnectA(
      session, host, parts.nPort, user.IsEmpty() ? NULL : user.GetString(),
      password.IsEmpty() ? NULL : password.GetString(), INTERNET_SERVICE_HTTP, 0, context);
  if (!connection) FailOpen(context, ::GetLastError());
  static const DWORD kTimeoutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT,
                                          INTERNET_OPTION_SEND_TIMEOUT,
                                          INTERNET_OPTION_RECEIVE_TIMEOUT};
  for (int i = 0; i < 3; ++i)
    if (m_timeouts[i])
      ::InternetSetOptionA(connection, kTimeoutOptions[i], &m_timeouts[i], sizeof(DWORD));
  HINTERNET request =
      ::HttpOpenRequestA(connection, "GET", object, NULL, NULL, NULL, flags, context);
  if (!request || !::HttpSendRequestA(request, headers, headersLength, NULL, 0) ||
      !m_hSession.load()) {
    const DWORD error = ::GetLastError();
    if (request) ::InternetCloseHandle(request);
    ::InternetCloseHandle(connection);
    FailOpen(context, error);
  }
  return new CHttpFile(request, address, connection);
}

void CInternetSession::FailOpen(DWORD_PTR context, DWORD error) const {
  // A session closed from another thread meanwhile: the call was cancelled, whatever WinINet says.
  if (!m_hSession.load() || error == 0) error = ERROR_INTERNET_OPERATION_CANCELLED;
  AfxThrowInternetException(context, error);
}
