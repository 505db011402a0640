// A small HTTP server on 127.0.0.1 inside a Windows test program, so tests of internet code
// control every reply and see every request without leaving the machine. It listens on a port
// the system picks, answers one request per connection with the next scripted reply (or the
// default one), and records each request's target.
#ifndef QUARVEX_TESTS_SUPPORT_LOOPBACKHTTPSERVER_H
#define QUARVEX_TESTS_SUPPORT_LOOPBACKHTTPSERVER_H

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qxtest {

struct HttpReply {
  std::string status = "200 OK";  // after "HTTP/1.1 "
  std::string body;
  unsigned delayMs = 0;  // wait before answering
};

class LoopbackHttpServer {
 public:
  LoopbackHttpServer();
  ~LoopbackHttpServer();  // stops
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool Start();
  void Stop();
  int Port() const { return m_port; }
  // "http://127.0.0.1:<port>"
  std::string Root() const;

  // The next request gets the first queued reply; with none queued, the default reply.
  void QueueReply(const HttpReply& reply);
  void SetDefaultReply(const HttpReply& reply);

  // Request targets in arrival order, with repeated slashes folded ("//a" -> "/a").
  std::vector<std::string> Targets() const;
  int RequestCount() const;
  // The Host header of the last request.
  std::string LastHost() const;

  // A port on 127.0.0.1 where nothing listens (bound once and released).
  static int UnusedPort();

 private:
  void Serve();
  void Answer(std::uintptr_t client);

  std::uintptr_t m_listener;  // a SOCKET
  int m_port = 0;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_lock;
  std::deque<HttpReply> m_queue;
  HttpReply m_default;
  std::vector<std::string> m_targets;
  std::string m_lastHost;
};

}  // namespace qxtest

#endif
