// COleDateTime and COleDateTimeSpan as the program needs them: a DATE (days since 30 December
// 1899, the fraction the time of day) with a status, whole-day arithmetic and ordering.
#pragma once

#include "framework/base/WinTypes.h"

typedef double DATE;

// windows.h keeps an old macro of this name for GetTickCount. Windows code includes windows.h
// before this header, so the member below keeps its own name there too.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class COleDateTimeSpan {
 public:
  enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTimeSpan() : m_span(0.0), m_status(valid) {}
  explicit COleDateTimeSpan(double days) : m_span(days), m_status(valid) {}
  COleDateTimeSpan(long days, int hours, int minutes, int seconds);

  DateTimeSpanStatus GetStatus() const { return m_status; }
  double GetTotalDays() const { return m_span; }
  double GetTotalHours() const { return m_span * 24.0; }
  double GetTotalMinutes() const { return m_span * 24.0 * 60.0; }
  double GetTotalSeconds() const { return m_span * 24.0 * 3600.0; }

  double m_span;
  DateTimeSpanStatus m_status;
};

class COleDateTime {
 public:
  enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTime() : m_dt(0.0), m_status(valid) {}
  explicit COleDateTime(DATE dt, DateTimeStatus status = valid) : m_dt(dt), m_status(status) {}
  // A calendar date and time of day; fields out of range (or a year outside 1900..9999, where
  // the day count would need the negative form) give an invalid date.
  COleDateTime(int year, int month, int day, int hour, int minute, int second);

  // The current local time.
  static COleDateTime GetCurrentTime();

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }
  // Valid status and a finite DATE: the only dates that order and add meaningfully.
  bool IsUsable() const;

  // Equality compares value and status; the ordering compares values only.
  bool operator==(const COleDateTime& o) const { return m_dt == o.m_dt && m_status == o.m_status; }
  bool operator!=(const COleDateTime& o) const { return !(*this == o); }
  bool operator<(const COleDateTime& o) const { return m_dt < o.m_dt; }
  bool operator>(const COleDateTime& o) const { return m_dt > o.m_dt; }
  bool operator<=(const COleDateTime& o) const { return m_dt <= o.m_dt; }
  bool operator>=(const COleDateTime& o) const { return m_dt >= o.m_dt; }

  // A date that is not valid stays invalid; so does one moved by an invalid span.
  COleDateTime operator+(const COleDateTimeSpan& span) const;
  COleDateTime operator-(const COleDateTimeSpan& span) const;
  COleDateTimeSpan operator-(const COleDateTime& other) const;

  DATE m_dt;
  DateTimeStatus m_status;
};
