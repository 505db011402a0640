// Internet access over WinINet: a session, an HTTP reply read as a file, and the exception
// that carries a WinINet error.
//
// Every call into WinINet that a test may need to steer goes through the internet seam (one
// function per call kind, replaceable like the other test seams). Under Wine the connected-state
// query always answers "connected", so a test of the offline path replaces the option query.
#pragma once

#include <windows.h>

#include <wininet.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "framework/base/CString.h"
#include "framework/base/Exception.h"
#include "framework/base/Object.h"

class CInternetException : public CException {
  DECLARE_DYNAMIC(CInternetException)
 public:
  explicit CInternetException(DWORD error, DWORD_PTR context = 0);
  // WinINet's text for the error, else the system's, else a text naming the error number.
  BOOL GetErrorMessage(char* buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
  using CException::GetErrorMessage;

  DWORD m_dwError;
  DWORD_PTR m_dwContext;
};

// Throws a new CInternetException; error 0 takes the thread's last error.
[[noreturn]] void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// The reply of an HTTP request. Reads go to WinINet through a small buffer.
class CHttpFile : public CObject {
  DECLARE_DYNAMIC(CHttpFile)
 public:
  // hConnect: the connection the request was made on, closed with it (NULL: none of its own).
  CHttpFile(HINTERNET hFile, const CString& url, HINTERNET hConnect = NULL);
  ~CHttpFile() override;  // closes
  CHttpFile(const CHttpFile&) = delete;
  CHttpFile& operator=(const CHttpFile&) = delete;

  // The reply's HTTP status (200, 404, ...); FALSE when it cannot be had.
  BOOL QueryInfoStatusCode(DWORD& status) const;
  // Up to count bytes; 0 at the end. Throws CInternetException when the read fails.
  UINT Read(void* buffer, UINT count);
  // One line without its CR LF (or LF); FALSE at the end with nothing read. At most maxChars
  // characters are read: a longer line is returned cut, and the rest of it is left unread, so
  // a reply without line breaks cannot fill memory. Throws CInternetException on failure.
  BOOL ReadString(CString& line, UINT maxChars = 4096);
  void Close();

  const CString& GetFileURL() const { return m_url; }
  HINTERNET m_hFile;
  HINTERNET m_hConnect;

 private:
  BOOL Fill();  // FALSE at the end
  CString m_url;
  char m_buffer[1024];
  DWORD m_pos = 0, m_count = 0;
};

class CInternetSession : public CObject {
  DECLARE_DYNAMIC(CInternetSession)
 public:
  // Opens a WinINet session (agent NULL: the program's file title). Throws CInternetException
  // when WinINet refuses.
  explicit CInternetSession(LPCSTR agent = NULL, DWORD_PTR context = 1,
                            DWORD accessType = INTERNET_OPEN_TYPE_PRECONFIG,
                            LPCSTR proxyName = NULL, LPCSTR proxyBypass = NULL, DWORD flags = 0);
  ~CInternetSession() override;  // closes
  CInternetSession(const CInternetSession&) = delete;
  CInternetSession& operator=(const CInternetSession&) = delete;

  BOOL QueryOption(DWORD option, DWORD& value) const;
  // The connect, send and receive timeouts (INTERNET_OPTION_CONNECT_TIMEOUT, _SEND_TIMEOUT,
  // _RECEIVE_TIMEOUT, in ms) also apply to every connection OpenURL makes: WinINet under Wine
  // does not hand a session's send and receive timeouts on to them.
  BOOL SetOption(DWORD option, DWORD value);
  // Opens an http:// or https:// address and returns its reply (the caller deletes it). Any
  // other scheme, or a failure, throws CInternetException. The request goes out on a
  // connection of its own (InternetConnect, HttpOpenRequest, HttpSendRequest) that carries the
  // session's timeouts; INTERNET_FLAG_NO_AUTO_REDIRECT among the flags returns a redirect as it
  // came instead of following it.
  CHttpFile* OpenURL(LPCSTR url, DWORD_PTR context = 1, DWORD flags = INTERNET_FLAG_TRANSFER_ASCII,
                     LPCSTR headers = NULL, DWORD headersLength = 0);
  // Closes the session. Another thread may call it while this one waits in OpenURL or a read:
  // that call then ends with an error. Calling it twice is harmless.
  void Close();
  HINTERNET GetSafeHandle() const { return m_hSession.load(); }
  operator HINTERNET() const { return m_hSession.load(); }
  DWORD_PTR GetContext() const { return m_dwContext; }

 private:
  [[noreturn]] void FailOpen(DWORD_PTR context, DWORD error) const;

  std::atomic<HINTERNET> m_hSession;
  DWORD_PTR m_dwContext;
  DWORD m_timeouts[3] = {0, 0, 0};  // connect, send, receive; 0: WinINet's own
  std::mutex m_portsLock;
  std::vector<INTERNET_PORT> m_ports;  // the server ports OpenURL connected to
};

// Ends every receive and send a thread of this process waits in on a TCP connection to this
// server port, and shuts those connections. WinINet under Wine does not end a call that waits
// on the network when its handles are closed; ending the wait on its socket does. The sockets
// are found among the process's handles by their peer's port. Does nothing when no socket
// library is loaded.
void AfxEndConnectionsToPort(INTERNET_PORT port);

// The internet seam: the WinINet calls the classes above make. Each setter returns the previous
// function; nullptr restores the real one (use CSeamOverride from TestSeams.h for one scope).
// An open-URL seam, when installed, opens the address in place of OpenURL's own connection.
typedef BOOL (*AfxInternetQueryOptionSeam)(HINTERNET handle, DWORD option, LPVOID buffer,
                                           LPDWORD length);
typedef HINTERNET (*AfxInternetOpenUrlSeam)(HINTERNET session, LPCSTR url, LPCSTR headers,
                                            DWORD headersLength, DWORD flags, DWORD_PTR context);
AfxInternetQueryOptionSeam AfxSetInternetQueryOptionSeam(AfxInternetQueryOptionSeam seam);
AfxInternetOpenUrlSeam AfxSetInternetOpenUrlSeam(AfxInternetOpenUrlSeam seam);
