// The link statics' window-free rules.
#include "controls/HyperlinkLogic.h"

namespace hyperlink {

CString ErrorText(int code) {
  switch (code) {
    case 0:
      return "The operating system is out\nof memory or resources.";
    case 2:
      return "The specified file was not found.";
    case 3:
      return "The specified path was not found.";
    case 5:
      return "The operating system denied\naccess to the specified file.";
    case 8:
      return "There was not enough memory to complete the operation.";
    case 11:
      return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26:
      return "A sharing violation occurred. ";
    case 27:
      return "The filename association is\nincomplete or invalid.";
    case 28:
      return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29:
      return "The DDE transaction failed.";
    case 30:
      return "The DDE transaction could not\nbe completed because other DDE transactions\n"
             "were being processed.";
    case 31:
      return "There is no application associated\nwith the given filename extension.";
    case 32:
      return "The specified dynamic-link library was not found.";
    default: {
      CString text;
      text.Format("Unknown Error (%d) occurred.", code);
      return text;
    }
  }
}

CString ErrorMessage(int code) {
  return "Unable to open hyperlink:\n\n" + ErrorText(code);
}

CString QuoteArgument(const CString& argument) {
  CString out = "\"";
  int backslashes = 0;
  for (int i = 0; i < argument.GetLength(); ++i) {
    char c = argument[i];
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"') {
      out += CString('\\', backslashes * 2 + 1);
      out += '"';
    } else {
      out += CString('\\', backslashes);
      out += c;
    }
    backslashes = 0;
  }
  out += CString('\\', backslashes * 2);  // so the closing quote stays a quote
  out += '"';
  return out;
}

CString FallbackCommand(const CString& openCommand, const CString& url) {
  CString command = openCommand;
  int cut = command.Find("\"%1\"");
  if (cut < 0) cut = command.Find("%1");
  if (cut >= 0) command = command.Left(cut);
  command.TrimRight();
  return command + " " + QuoteArgument(url);
}

Box FitToText(const Box& window, int textWidth, int textHeight, UINT style) {
  Box r = window;
  if (style & kCenterImage) {
    r.top = window.top + (window.Height() - textHeight) / 2;
  }
  r.bottom = r.top + textHeight;
  switch (style & kTypeMask) {
    case kCenter:
      r.left = window.left + (window.Width() - textWidth) / 2;
      break;
    case kRight:
      r.left = window.right - textWidth;
      break;
    default:
      break;
  }
  r.right = r.left + textWidth;
  return r;
}

}  // namespace hyperlink
