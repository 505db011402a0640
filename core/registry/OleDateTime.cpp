// Calendar conversion and arithmetic of COleDateTime.
#include "core/registry/OleDateTime.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's days_from_civil).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

bool IsLeapYear(int y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// 1899-12-30, day 0 of a DATE, counted from 1970-01-01.
const long long kDateEpoch = -25569;

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(days + (hours + (minutes + seconds / 60.0) / 60.0) / 24.0), m_status(valid) {}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
    : m_dt(0.0), m_status(invalid) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59)
    return;
  const double days = static_cast<double>(DaysFromCivil(year, month, day) - kDateEpoch);
  m_dt = days + (hour * 3600 + minute * 60 + second) / 86400.0;
  m_status = valid;
}

COleDateTime COleDateTime::GetCurrentTime() {
  std::time_t now = std::time(nullptr);
  std::tm local = {};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return COleDateTime(0.0, invalid);
#else
  if (!localtime_r(&now, &local)) return COleDateTime(0.0, invalid);
#endif
  return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}

bool COleDateTime::IsUsable() const {
  return m_status == valid && std::isfinite(m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
  if (m_status != valid || span.m_status != COleDateTimeSpan::valid)
    return COleDateTime(m_dt, invalid);
  return COleDateTime(m_dt + span.m_span, valid);
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const {
  COleDateTimeSpan negative(-span.m_span);
  negative.m_status = span.m_status;
  return *this + negative;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
  COleDateTimeSpan span(m_dt - other.m_dt);
  if (m_status != valid || other.m_status != valid) span.m_status = COleDateTimeSpan::invalid;
  return span;
}
