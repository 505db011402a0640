// COleDateTime as the settings code needs it: a DATE (days since 30 December 1899, the
// fraction the time of day) and a status.
#pragma once

#include "framework/base/WinTypes.h"

typedef double DATE;

class COleDateTime {
 public:
  enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTime() : m_dt(0.0), m_status(valid) {}
  explicit COleDateTime(DATE dt, DateTimeStatus status = valid) : m_dt(dt), m_status(status) {}

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }
  bool operator==(const COleDateTime& o) const { return m_dt == o.m_dt && m_status == o.m_status; }
  bool operator!=(const COleDateTime& o) const { return !(*this == o); }

  DATE m_dt;
  DateTimeStatus m_status;
};
