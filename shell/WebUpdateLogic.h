// The window-free rules of the web update check: the query and request address, how a reply is
// classified and what the program does about it, the download address taken from a reply, the
// updater's command line and the schedule of automatic checks.
//
// The reply comes over plain HTTP from a server the program does not control, so everything
// taken from it is treated as untrusted: only a 2xx reply is classified, the line is capped by
// the reader, and a download address must be one URL token on the configured server.
#pragma once

#include "core/registry/OleDateTime.h"
#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// The update server used when the installation names no other. The .example domain is
// reserved: it never reaches anyone.
extern const char kDefaultUpdateServerRoot[];
// Path and fixed query of the update page, after the server root.
extern const char kUpdateRequestPath[];
// The update program in the program folder.
extern const char kUpdateProgramName[];

// Message texts of the update check.
extern const char kUpdateTextAskAutomaticBefore[];  // first-start question, before the name
extern const char kUpdateTextAskAutomaticAfter[];   // ... and after it
extern const char kUpdateTextNotConnected[];
extern const char kUpdateTextLatestVersion[];
extern const char kUpdateTextNotFound[];
extern const char kUpdateTextError[];
extern const char kUpdateTextNotAvailable[];     // manual check without a request address
extern const char kUpdateTextCannotStartUpdater[];
extern const char kUpdateTextSaveFirst[];

// Longest reply line read, longest download address accepted, and longest server root accepted
// (from the deployment, the environment or the registry; trailing slashes count).
const int kUpdateReplyLineCap = 4096;
const int kUpdateAddressCap = 2048;
const int kUpdateServerRootCap = 2048;
// Time limits of a check: the connect, send and receive timeouts of each step, and the bound of
// the whole check whatever the server sends (endless headers, a byte now and then).
const DWORD kUpdateStepTimeoutMs = 30000;
const DWORD kUpdateCheckBoundMs = 60000;
// A stored next-check date further ahead than this is not believed (the clock was moved back
// or the value is damaged): the longest reminder the user can choose is 60 days.
const int kUpdateLongestScheduleDays = 61;

// Percent-encodes every byte outside A-Z a-z 0-9 - . _ ~ (so "3.015", "Old" and "Quarvex-3.0"
// stay as they are).
CString PercentEncode(const CString& text);

// "<program name, blanks as '-'>_<version>_", encoded; empty when the installation key is
// missing (no check can run then).
CString BuildUpdateQuery(const CString& programName, BOOL installKeyFound, const CString& version);

// A root address as given by the deployment or an override: http:// or https://, a host, no
// blanks, quotes or control characters, no query or fragment, at most kUpdateServerRootCap
// characters. Trailing slashes are dropped.
BOOL IsAcceptableServerRoot(const CString& root);
CString NormaliseServerRoot(const CString& root);

// root + kUpdateRequestPath + query; empty when the query is empty.
CString BuildRequestAddress(const CString& root, const CString& query);

enum UpdateReply {
  REPLY_YES_UPDATE,
  REPLY_NO_UPDATE,
  REPLY_NOT_FOUND,
  REPLY_OTHER,       // a line that says none of the three
  REPLY_EMPTY,       // no line at all
  REPLY_HTTP_ERROR,  // a status outside 2xx: the body is not the update page's answer
};

// Classifies the first reply line by substring, YES_UPDATE before NO_UPDATE before NOT_FOUND.
UpdateReply ClassifyReply(DWORD httpStatus, BOOL gotLine, const CString& line);

// The download address in a YES_UPDATE line: the first blank-separated token that starts with
// root + "/" and ends with ".exe" (both without regard to case). FALSE when there is none, or
// when that token is longer than kUpdateAddressCap or holds anything but URL characters.
BOOL ExtractDownloadAddress(const CString& line, const CString& root, CString& address);

// The updater's parameters: " -install " and the address in double quotes.
CString BuildInstallParameters(const CString& address);

// What the program does with a finished check.
struct UpdateReaction {
  const char* message;   // an OK message box, or nullptr
  BOOL showDialog;       // the "Free Update Available !" dialog
  BOOL scheduleNextDay;  // the next automatic check moves one day ahead
};
// A YES_UPDATE without a usable download address counts as NOT_FOUND. Automatic checks show
// nothing but the dialog.
UpdateReaction DecideUpdateReaction(BOOL manual, UpdateReply reply, BOOL haveAddress);

// The due rule of automatic checks: due when nothing is stored, when the stored moment is not
// a usable date, when it has come, or when it lies implausibly far ahead.
BOOL IsUpdateCheckDue(const COleDateTime& now, BOOL stored, const COleDateTime& next);
// now plus a number of whole days.
COleDateTime UpdateCheckAfterDays(const COleDateTime& now, int days);

// The update dialog's choices.
enum UpdateChoice { UPDATE_INSTALL_NOW = 0, UPDATE_REMIND_LATER = 1, UPDATE_STOP_CHECKING = 2 };
