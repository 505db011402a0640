// Rules of the web update check that need no window.
#include "shell/WebUpdateLogic.h"

#include <cmath>
#include <cstring>

const char kDefaultUpdateServerRoot[] = "http://www.quarvex.example";
const char kUpdateRequestPath[] = "/IUpdate/IUpdate.dll?UpdateAvailable?";
const char kUpdateProgramName[] = "UpdateTalvenor.exe";

const char kUpdateTextAskAutomaticBefore[] =
    "Would you like to enable automatic updates feature?\n\nIf you choose YES, ";
const char kUpdateTextAskAutomaticAfter[] =
    " will connect to Talvenor\nwebsite once a day to check if there is a free update or patch "
    "available.\n\nNo personal information will be transmitted - only program name and version "
    "number.\n\nYou can also enable or disable this feature at any time by going to\nHelp -> "
    "Product Updates menu option";
const char kUpdateTextNotConnected[] =
    "You must activate your Internet connection, before using this feature";
const char kUpdateTextLatestVersion[] = "This is the latest version available";
const char kUpdateTextNotFound[] =
    "Unable to determine update status\nPlease visit the Talvenor Website to determine\nif "
    "updates are available";
const char kUpdateTextError[] = "Error\nPlease contact technical support";
const char kUpdateTextNotAvailable[] = "Update information is not available for this installation.";
const char kUpdateTextCannotStartUpdater[] = "The update program UpdateTalvenor.exe could not be started.";
const char kUpdateTextSaveFirst[] = "Please save your document\nbefore checking for updates";

namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

// Characters a URL may hold as it stands: unreserved, reserved and '%'.
bool IsUrlCharacter(unsigned char c) {
  return IsUnreserved(c) || (c != 0 && std::strchr(":/?#[]@!$&'()*+,;=%", c) != nullptr);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool StartsWithNoCase(const CString& text, const CString& prefix) {
  return text.GetLength() >= prefix.GetLength() &&
         text.Left(prefix.GetLength()).CompareNoCase(prefix) == 0;
}

bool EndsWithNoCase(const CString& text, const char* suffix) {
  const int n = static_cast<int>(std::strlen(suffix));
  return text.GetLength() >= n && text.Right(n).CompareNoCase(suffix) == 0;
}

}  // namespace

CString PercentEncode(const CString& text) {
  static const char kHex[] = "0123456789ABCDEF";
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsUnreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

CString BuildUpdateQuery(const CString& programName, BOOL installKeyFound, const CString& version) {
  if (!installKeyFound) return CString();
  CString name = programName;
  name.Replace(' ', '-');
  return PercentEncode(name) + "_" + PercentEncode(version) + "_";
}

BOOL IsAcceptableServerRoot(const CString& root) {
  CString rest;
  if (StartsWithNoCase(root, "http://"))
    rest = root.Mid(7);
  else if (StartsWithNoCase(root, "https://"))
    rest = root.Mid(8);
  else
    return FALSE;
  if (root.GetLength() > kUpdateServerRootCap) return FALSE;
  // A host must follow the scheme.
  if (rest.IsEmpty() || rest[0] == '/' || rest[0] == ':') return FALSE;
  for (int i = 0; i < root.GetLength(); ++i) {
    const unsigned char c = static_cast<unsigned char>(root[i]);
    if (!IsUrlCharacter(c) || c == '?' || c == '#' || c == '\'') return FALSE;
  }
  return TRUE;
}

CString NormaliseServerRoot(const CString& root) {
  CString result = root;
  result.TrimRight('/');
  return result;
}

CString BuildRequestAddress(const CString& root, const CString& query) {
  if (query.IsEmpty()) return CString();
  return NormaliseServerRoot(root) + kUpdateRequestPath + query;
}

UpdateReply ClassifyReply(DWORD httpStatus, BOOL gotLine, const CString& line) {
  if (httpStatus < 200 || httpStatus > 299) return REPLY_HTTP_ERROR;
  if (!gotLine) return REPLY_EMPTY;
  if (line.Find("YES_UPDATE") >= 0) return REPLY_YES_UPDATE;
  if (line.Find("NO_UPDATE") >= 0) return REPLY_NO_UPDATE;
  if (line.Find("NOT_FOUND") >= 0) return REPLY_NOT_FOUND;
  return REPLY_OTHER;
}

BOOL ExtractDownloadAddress(const CString& line, const CString& root, CString& address) {
  address.Empty();
  const CString prefix = NormaliseServerRoot(root) + "/";
  if (prefix.GetLength() < 2) return FALSE;
  const int length = line.GetLength();
  int i = 0;
  while (i < length) {
    while (i < length && IsBlank(line[i])) ++i;
    int end = i;
    while (end < length && !IsBlank(line[end])) ++end;
    if (end > i) {
      const CString token = line.Mid(i, end - i);
      if (StartsWithNoCase(token, prefix) && EndsWithNoCase(token, ".exe")) {
        if (token.GetLength() > kUpdateAddressCap) return FALSE;
        for (int k = 0; k < token.GetLength(); ++k)
          if (!IsUrlCharacter(static_cast<unsigned char>(token[k]))) return FALSE;
        address = token;
        return TRUE;
      }
    }
    i = end;
  }
  return FALSE;
}

CString BuildInstallParameters(const CString& address) {
  return CString(" -install \"") + address + "\"";
}

UpdateReaction DecideUpdateReaction(BOOL manual, UpdateReply reply, BOOL haveAddress) {
  UpdateReaction r = {nullptr, FALSE, FALSE};
  switch (reply) {
    case REPLY_YES_UPDATE:
      if (haveAddress) {
        r.showDialog = TRUE;
        break;
      }
      if (manual) r.message = kUpdateTextNotFound;
      break;
    case REPLY_NO_UPDATE:
      if (manual)
        r.message = kUpdateTextLatestVersion;
      else
        r.scheduleNextDay = TRUE;
      break;
    case REPLY_NOT_FOUND:
    case REPLY_HTTP_ERROR:
      if (manual) r.message = kUpdateTextNotFound;
      break;
    case REPLY_OTHER:
      if (manual) r.message = kUpdateTextError;
      break;
    case REPLY_EMPTY:
      break;
  }
  return r;
}

BOOL IsUpdateCheckDue(const COleDateTime& now, BOOL stored, const COleDateTime& next) {
  if (!stored || !next.IsUsable() || !now.IsUsable()) return TRUE;
  if (now >= next) return TRUE;
  return (next - now).GetTotalDays() > kUpdateLongestScheduleDays;
}

COleDateTime UpdateCheckAfterDays(const COleDateTime& now, int days) {
  return now + COleDateTimeSpan(days, 0, 0, 0);
}
