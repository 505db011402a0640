#include "framework/win/FrameworkIds.h"

#include "framework/win/AfxCore.h"

static const char* DefaultText(UINT id) {
  switch (id) {
    case AFX_IDS_IDLEMESSAGE:
      return "Ready";
    case AFX_IDS_UNTITLED:
      return "Untitled";
    case AFX_IDS_OPENFILE:
      return "Open";
    case AFX_IDS_SAVEFILE:
      return "Save As";
    case AFX_IDS_ALLFILTER:
      return "All Files (*.*)";
    case AFX_IDP_ASK_TO_SAVE:
      return "Save changes to %1?";
    case AFX_IDP_FAILED_TO_OPEN_DOC:
      return "Failed to open document %1.";
    case AFX_IDP_FAILED_TO_SAVE_DOC:
      return "Failed to save document %1.";
    case AFX_IDP_INVALID_FILENAME:
      return "Invalid file name: %1";
    case AFX_IDP_FILE_DIALOG_FAILED:
      return "The file dialog could not be shown (error %1).";
    case AFX_IDP_FAILED_TO_CREATE_DOC:
      return "Failed to create empty document.";
    case AFX_IDP_COMMAND_FAILURE:
      return "The command could not be carried out.";
    case AFX_IDP_NO_PRINTER:
      return "No printer is installed.";
    case AFX_IDP_PRINT_FAILED:
      return "The page could not be printed.";
    default:
      return "";
  }
}

CString AfxLoadString(UINT id) {
  char buf[1024];
  int n = ::LoadStringA(AfxGetResourceHandle(), id, buf, sizeof buf);
  if (n > 0) return CString(buf, n);
  return CString(DefaultText(id));
}

CString AfxFormatString1(UINT id, LPCSTR arg) {
  CString s = AfxLoadString(id);
  s.Replace("%1", arg ? arg : "");
  return s;
}

CString AfxExtractLine(const CString& text, int n) {
  int start = 0;
  for (int i = 0; i < n; ++i) {
    int nl = text.Find('\n', start);
    if (nl < 0) return CString();
    start = nl + 1;
  }
  int end = text.Find('\n', start);
  return end < 0 ? text.Mid(start) : text.Mid(start, end - start);
}
