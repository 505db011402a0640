// CWebUpdateChecker: the web update check the application owns. This is the place holder the
// program starts with: it checks nothing and asks nothing; the Help > Product Updates commands
// reach it.
#pragma once

#include "framework/base/CString.h"

class CDocTemplate;

class CWebUpdateChecker {
 public:
  CWebUpdateChecker() = default;
  virtual ~CWebUpdateChecker() = default;

  // Start-up work (step 19 of the start-up): the first-start question and a due check.
  void Init(LPCSTR programName);
  void SetHistoryUrl(LPCSTR address) { m_strHistoryUrl = address ? address : ""; }
  CString GetHistoryUrl() const { return m_strHistoryUrl; }
  void CheckNow();
  BOOL IsAutomatic();
  void ToggleAutomatic();
  void RunUpdateHelper();
  // TRUE when any document of the template is modified.
  static BOOL IsDocumentModified(CDocTemplate* docTemplate);

 private:
  CString m_strHistoryUrl;
};
