#include "shell/WebUpdateChecker.h"

#include "framework/win/DocTemplate.h"
#include "framework/win/Document.h"

void CWebUpdateChecker::Init(LPCSTR) {}
void CWebUpdateChecker::CheckNow() {}
BOOL CWebUpdateChecker::IsAutomatic() {
  return FALSE;
}
void CWebUpdateChecker::ToggleAutomatic() {}
void CWebUpdateChecker::RunUpdateHelper() {}

BOOL CWebUpdateChecker::IsDocumentModified(CDocTemplate* docTemplate) {
  if (!docTemplate) return FALSE;
  for (POSITION pos = docTemplate->GetFirstDocPosition(); pos;)
    if (docTemplate->GetNextDoc(pos)->IsModified()) return TRUE;
  return FALSE;
}
