// The loopback HTTP server of the tests.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/support/LoopbackHttpServer.h"

#include <chrono>

namespace qxtest {

namespace {

bool StartWinsock() {
  static bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

std::string FoldSlashes(const std::string& target) {
  std::string path = target, query;
  const size_t q = target.find('?');
  if (q != std::string::npos) {
    path = target.substr(0, q);
    query = target.substr(q);
  }
  std::string folded;
  for (char c : path)
    if (!(c == '/' && !folded.empty() && folded.back() == '/')) folded += c;
  return folded + query;
}

bool SendAll(SOCKET s, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return false;  // the client went away; nothing more to say
    sent += static_cast<size_t>(n);
  }
  return true;
}

// Waits up to 50 ms for the socket to become readable (or writable); false when it did not.
bool WaitFor(SOCKET s, bool write) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait = {0, 50 * 1000};
  return select(0, write ? nullptr : &set, write ? &set : nullptr, nullptr, &wait) > 0;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() : m_listener(INVALID_SOCKET) {}

LoopbackHttpServer::~LoopbackHttpServer() {
  Stop();
}

bool LoopbackHttpServer::Start(const std::string& host) {
  if (!StartWinsock()) return false;
  m_address = host;
  m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (m_listener == INVALID_SOCKET) return false;
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr(host.c_str());
  address.sin_port = 0;
  int length = sizeof(address);
  if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(m_listener, 8) != 0 ||
      getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(m_listener);
    m_listener = INVALID_SOCKET;
    return false;
  }
  m_port = ntohs(address.sin_port);
  m_stop = false;
  m_thread = std::thread([this] { Serve(); });
  return true;
}

void LoopbackHttpServer::Stop() {
  m_stop = true;
  if (m_thread.joinable()) m_thread.join();
  if (m_listener != INVALID_SOCKET) closesocket(m_listener);
  m_listener = INVALID_SOCKET;
}

std::string LoopbackHttpServer::Root() const {
  return "http://" + m_address + ":" + std::to_string(m_port);
}

void LoopbackHttpServer::QueueReply(const HttpReply& reply) {
  std::lock_guard<std::mutex> lock(m_lock);
  m_queue.push_back(reply);
}

void LoopbackHttpServer::SetDefaultReply(const HttpReply& reply) {
  std::lock_guard<std::mutex> lock(m_lock);
  m_default = reply;
}

std::vector<std::string> LoopbackHttpServer::Targets() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_targets;
}

int LoopbackHttpServer::RequestCount() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return static_cast<int>(m_targets.size());
}

std::string LoopbackHttpServer::LastHost() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_lastHost;
}

int LoopbackHttpServer::CutOffCount() const {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_cutOff;
}

int LoopbackHttpServer::UnusedPort() {
  if (!StartWinsock()) return 0;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof(address);
  int port = 0;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  closesocket(s);
  return port;
}

void LoopbackHttpServer::Serve() {
  while (!m_stop) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(m_listener, &readable);
    timeval wait = {0, 50 * 1000};
    if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
    SOCKET client = accept(m_listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    Answer(client);
    closesocket(client);
  }
}

void LoopbackHttpServer::Answer(std::uintptr_t socket) {
  const SOCKET client = static_cast<SOCKET>(socket);
  std::string request;
  char buffer[2048];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    const int n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<size_t>(n));
  }
  // "GET <target> HTTP/1.1"
  const size_t first = request.find(' ');
  const size_t second = request.find(' ', first + 1);
  const std::string target =
      first == std::string::npos || second == std::string::npos ? "" : request.substr(first + 1, second - first - 1);
  std::string host;
  const size_t h = request.find("\r\nHost: ");
  if (h != std::string::npos) host = request.substr(h + 8, request.find("\r\n", h + 8) - h - 8);

  HttpReply reply;
  {
    std::lock_guard<std::mutex> lock(m_lock);
    m_targets.push_back(FoldSlashes(target));
    m_lastHost = host;
    if (!m_queue.empty()) {
      reply = m_queue.front();
      m_queue.pop_front();
    } else {
      reply = m_default;
    }
  }
  // Sleep in small steps so Stop is not held up by a long delay.
  for (unsigned waited = 0; waited < reply.delayMs && !m_stop; waited += 10) Sleep(10);
  if (reply.behaviour != HttpReply::ANSWER) {
    if (Misbehave(socket, reply)) {
      std::lock_guard<std::mutex> lock(m_lock);
      ++m_cutOff;
    }
    return;
  }
  std::string head = "HTTP/1.1 " + reply.status + "\r\nContent-Type: text/plain\r\n";
  for (const std::string& line : reply.headers) head += line + "\r\n";
  head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
  SendAll(client, head + reply.body);
  shutdown(client, SD_SEND);
}

bool LoopbackHttpServer::Misbehave(std::uintptr_t socket, const HttpReply& reply) {
  const SOCKET client = static_cast<SOCKET>(socket);
  const auto end =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kMisbehaviourLimitMs);
  if (reply.behaviour == HttpReply::ENDLESS_HEADERS && !SendAll(client, "HTTP/1.1 200 OK\r\n"))
    return true;
  if (reply.behaviour == HttpReply::DRIP) {
    std::string head = "HTTP/1.1 " + reply.status + "\r\nContent-Length: 1000000\r\n";
    for (const std::string& line : reply.headers) head += line + "\r\n";
    if (!SendAll(client, head + "\r\n")) return true;
  }
  auto nextByte = std::chrono::steady_clock::now();
  for (unsigned line = 0; !m_stop && std::chrono::steady_clock::now() < end; ++line) {
    switch (reply.behaviour) {
      case HttpReply::SILENT: {
        // Anything the client sends is read; its end is the end.
        if (!WaitFor(client, false)) break;
        char buffer[512];
        if (recv(client, buffer, sizeof(buffer), 0) <= 0) return true;
        break;
      }
      case HttpReply::ENDLESS_HEADERS:
        if (WaitFor(client, true) && !SendAll(client, "X-Line-" + std::to_string(line) + ": " +
                                                          std::string(64, 'x') + "\r\n"))
          return true;
        break;
      case HttpReply::ENDLESS_CONTINUE:
        if (WaitFor(client, true) && !SendAll(client, "HTTP/1.1 100 Continue\r\n\r\n")) return true;
        break;
      case HttpReply::DRIP:
        if (std::chrono::steady_clock::now() >= nextByte) {
          if (!SendAll(client, "x")) return true;
          nextByte += std::chrono::milliseconds(reply.intervalMs);
        }
        Sleep(10);
        break;
      case HttpReply::ANSWER:
        return false;
    }
  }
  return false;
}

}  // namespace qxtest
