// Ending the waits on WinINet's connections from outside WinINet, by their sockets.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "framework/win/Internet.h"

namespace {

// Socket handles are small multiples of 4; a program holds far fewer handles than this.
const UINT_PTR kHandleValueLimit = 0x10000;

INTERNET_PORT PeerPort(const sockaddr_storage& peer) {
  const unsigned char* bytes = nullptr;
  if (peer.ss_family == AF_INET)
    bytes = reinterpret_cast<const unsigned char*>(
        &reinterpret_cast<const sockaddr_in&>(peer).sin_port);
  else if (peer.ss_family == AF_INET6)
    bytes = reinterpret_cast<const unsigned char*>(
        &reinterpret_cast<const sockaddr_in6&>(peer).sin6_port);
  return bytes ? static_cast<INTERNET_PORT>((bytes[0] << 8) | bytes[1]) : 0;  // network order
}

}  // namespace

void AfxEndConnectionsToPort(INTERNET_PORT port) {
  // The socket library is the one WinINet loaded: without it no connection exists.
  HMODULE library = ::GetModuleHandleA("ws2_32.dll");
  if (!library || port == 0) return;
  typedef int(WSAAPI * PeerNameFunction)(SOCKET, sockaddr*, int*);
  typedef int(WSAAPI * ShutdownFunction)(SOCKET, int);
  const auto peerName = reinterpret_cast<PeerNameFunction>(
      reinterpret_cast<void*>(::GetProcAddress(library, "getpeername")));
  const auto shutdownSocket = reinterpret_cast<ShutdownFunction>(
      reinterpret_cast<void*>(::GetProcAddress(library, "shutdown")));
  if (!peerName || !shutdownSocket) return;
  for (UINT_PTR value = 4; value < kHandleValueLimit; value += 4) {
    const SOCKET socket = static_cast<SOCKET>(value);
    sockaddr_storage peer = {};
    int length = sizeof(peer);
    if (peerName(socket, reinterpret_cast<sockaddr*>(&peer), &length) != 0 ||
        PeerPort(peer) != port)
      continue;
    // The shut connection refuses what follows; the cancel ends the receive waiting now.
    shutdownSocket(socket, SD_BOTH);
    ::CancelIoEx(reinterpret_cast<HANDLE>(value), NULL);
  }
}
