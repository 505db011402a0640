// The rights notice.
#include "shell/NoticeText.h"

#include "core/version/VersionText.h"

const char kNoticeCompany[] = "Quarvex authors";

CString FormatNoticeText(int firstYear, const char* company, const CString& buildDate) {
  CString years;
  if (firstYear > 1500 && buildDate.GetLength() >= 4) {
    const CString last = buildDate.Right(4);
    int buildYear = 0;
    bool digits = true;
    for (int i = 0; i < 4; ++i) {
      if (last[i] < '0' || last[i] > '9') digits = false;
      buildYear = buildYear * 10 + (last[i] - '0');
    }
    if (digits) {
      if (buildYear == firstYear)
        years.Format("%d", firstYear);
      else if (buildYear == firstYear + 1)
        years.Format("%d, %d", firstYear, buildYear);
      else
        years.Format("%d-%d", firstYear, buildYear);
    }
  }
  CString text = "Copyright (C)";
  if (!years.IsEmpty()) text += " " + years;
  if (company && *company) text += CString(" ") + company;
  return text + ". All rights reserved.";
}

CString GetNoticeText(int firstYear, const char* company) {
  return FormatNoticeText(firstYear, company, GetBuildDateText());
}
