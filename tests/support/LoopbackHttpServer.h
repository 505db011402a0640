// A small HTTP server on 127.0.0.1 inside a Windows test program, so tests of internet code
// control every reply and see every request without leaving the machine. It listens on a port
// the system picks, answers one request per connection with the next scripted reply (or the
// default one), and records each request's target. A reply may also misbehave as a hostile
// server would: say nothing, or send header lines, "100 Continue" lines or body bytes without
// end; it then goes on until the client goes away (recorded as cut off), the server stops, or
// kMisbehaviourLimitMs have passed, so no test waits for ever.
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
  enum Behaviour {
    ANSWER,            // the status, the headers and the body
    SILENT,            // reads the request and says nothing
    ENDLESS_HEADERS,   // a status line, then header lines without end
    ENDLESS_CONTINUE,  // "HTTP/1.1 100 Continue" replies without end
    DRIP,              // the status and headers of a long body, then one byte every intervalMs
  };
  std::string status = "200 OK";  // after "HTTP/1.1 "
  std::string body;
  unsigned delayMs = 0;  // wait before answering
  std::vector<std::string> headers;  // more header lines, e.g. "Location: http://..."
  Behaviour behaviour = ANSWER;
  unsigned intervalMs = 1000;  // between the bytes of a DRIP
};

class LoopbackHttpServer {
 public:
  LoopbackHttpServer();
  ~LoopbackHttpServer();  // stops
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // Listens on this loopback address (another one, such as 127.0.0.2, stands for another host).
  bool Start(const std::string& address = "127.0.0.1");
  void Stop();
  int Port() const { return m_port; }
  // "http://<address>:<port>"
  std::string Root() const;

  // The next request gets the first queued reply; with none queued, the default reply.
  void QueueReply(const HttpReply& reply);
  void SetDefaultReply(const HttpReply& reply);

  // Request targets in arrival order, with repeated slashes folded ("//a" -> "/a").
  std::vector<std::string> Targets() const;
  int RequestCount() const;
  // The Host header of the last request.
  std::string LastHost() const;
  // Misbehaving replies the client ended by going away.
  int CutOffCount() const;

  static const unsigned kMisbehaviourLimitMs = 30000;

  // A port on 127.0.0.1 where nothing listens (bound once and released).
  static int UnusedPort();

 private:
  void Serve();
  void Answer(std::uintptr_t client);
  // Goes on misbehaving; true when the client went away.
  bool Misbehave(std::uintptr_t client, const HttpReply& reply);

  std::uintptr_t m_listener;  // a SOCKET
  std::string m_address;
  int m_port = 0;
  std::thread m_thread;
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_lock;
  std::deque<HttpReply> m_queue;
  HttpReply m_default;
  std::vector<std::string> m_targets;
  std::string m_lastHost;
  int m_cutOff = 0;
};

}  // namespace qxtest

#endif
