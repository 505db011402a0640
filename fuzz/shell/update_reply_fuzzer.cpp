// Feeds arbitrary update-server replies (and server roots) to the reply rules and checks what
// they promise: a download address is one URL token on the configured server that cannot leave
// its quotes on the updater's command line, the classification follows the line's words, and
// the request address carries nothing that could end or split it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "shell/WebUpdateLogic.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsSafeAddressChar(unsigned char c) {
  return c > ' ' && c < 0x7F && c != '"' && c != '\\' && c != '<' && c != '>';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first line, when it is an acceptable root, is the server root; the rest is the reply.
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t newline = input.find('\n');
  CString root = "http://127.0.0.1:8080";
  std::string rest = input;
  if (newline != std::string::npos) {
    const CString candidate(input.substr(0, newline));
    if (IsAcceptableServerRoot(candidate)) root = candidate;
    rest = input.substr(newline + 1);
  }
  const CString line(rest);  // CString keeps embedded NULs out of C-string views only

  const UpdateReply reply = ClassifyReply(200, TRUE, line);
  const bool yes = line.Find("YES_UPDATE") >= 0, no = line.Find("NO_UPDATE") >= 0;
  Check((reply == REPLY_YES_UPDATE) == yes);
  Check(reply != REPLY_NO_UPDATE || no);
  Check(ClassifyReply(404, TRUE, line) == REPLY_HTTP_ERROR);

  CString address = "x";
  if (ExtractDownloadAddress(line, root, address)) {
    const CString prefix = NormaliseServerRoot(root) + "/";
    Check(address.GetLength() <= kUpdateAddressCap);
    Check(address.Left(prefix.GetLength()).CompareNoCase(prefix) == 0);
    Check(address.Right(4).CompareNoCase(".exe") == 0);
    Check(line.Find(address) >= 0);
    for (int i = 0; i < address.GetLength(); ++i)
      Check(IsSafeAddressChar(static_cast<unsigned char>(address[i])));
    const CString parameters = BuildInstallParameters(address);
    int quotes = 0;
    for (int i = 0; i < parameters.GetLength(); ++i) quotes += parameters[i] == '"';
    Check(quotes == 2);
    const UpdateReaction r = DecideUpdateReaction(FALSE, reply, TRUE);
    Check(r.showDialog == (reply == REPLY_YES_UPDATE));
  } else {
    Check(address.IsEmpty());
  }

  // The reply text used as an installed version: the request stays one clean address.
  const CString request = BuildRequestAddress(root, BuildUpdateQuery("Quarvex 3.0", TRUE, line));
  const int queryStart = request.Find('?') + 1;
  Check(queryStart > 0);
  const CString query = request.Mid(queryStart);
  for (int i = 0; i < query.GetLength(); ++i) {
    const unsigned char c = static_cast<unsigned char>(query[i]);
    Check((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
          std::strchr("-._~%?", c) != nullptr);
  }
  return 0;
}
