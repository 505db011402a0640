// CException::ReportError: the framework's standard report of an error to the user.
#include "framework/base/Exception.h"

#include "framework/win/AfxCore.h"

int CException::ReportError(UINT type, UINT helpId) {
  char text[1024] = "";
  if (!GetErrorMessage(text, sizeof(text), nullptr) || !text[0])
    return AfxMessageBox("No error message is available.", type, helpId);
  return AfxMessageBox(text, type, helpId);
}
