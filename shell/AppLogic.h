// Window-free rules of the application object: which start-ups name no file, which paths name a
// folder, and where the help and tutorial commands find their pages.
#pragma once

#include "framework/base/CString.h"

// The command line's shell command (the framework's numbering: FileNew 0, FileOpen 1, FilePrint
// 2, FilePrintTo 3, FileDDE 4, FileNothing -1) names no file to open, print or take by DDE.
BOOL IsNoFileCommand(int shellCommand);
// A path that ends in a backslash names a folder: opening it shows the Open dialog there.
BOOL IsFolderPath(const char* path);

// Where the help pages come from when the program folder lacks them.
inline constexpr char kManualsDownload[] = "https://downloads.talvenor.example/quarvex/manuals/";
inline constexpr char kGuideDownload[] = "https://downloads.talvenor.example/quarvex/guide/";
inline constexpr char kMoviesDownload[] = "https://downloads.talvenor.example/quarvex/movies/";
inline constexpr char kUpdateHistoryPage[] = "https://www.talvenor.example/quarvex/history.htm";

// A file name as it may stand in an address: blanks and characters outside the unreserved set
// percent-encoded.
CString EncodeUrlPart(const CString& text);
// The help target: the local file (program folder + sub-folder + file) when it exists, else
// the download address followed by the encoded file name.
CString HelpTarget(const CString& programFolder, const char* subFolder, const char* file,
                   const char* download, bool localExists);
