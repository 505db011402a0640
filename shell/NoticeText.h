// The rights notice of the About box.
#pragma once

#include "framework/base/CString.h"

// The company named in the notice.
extern const char kNoticeCompany[];

// "Copyright (C) <years> <company>. All rights reserved." The years are the first year alone
// when the program was built that year, "first, build" when a year later, else "first-build";
// they are left out when the first year is 1500 or earlier or the build date does not end in
// a four-digit year. A NULL or empty company is left out too.
CString FormatNoticeText(int firstYear, const char* company, const CString& buildDate);
// The same for this program's own build date.
CString GetNoticeText(int firstYear, const char* company);
