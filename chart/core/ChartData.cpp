#include "chart/core/ChartData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qxchart {

namespace {
const double kHole = std::numeric_limits<double>::quiet_NaN();
}

std::unique_ptr<ChartData> ChartData::Create(int type, int sets, int points) {
  if (type != kTypeGeneral || sets < 1 || points < 1 || sets > kMaxSets) return nullptr;
  if (static_cast<std::size_t>(sets) * static_cast<std::size_t>(points) > kMaxValues)
    return nullptr;
  return std::unique_ptr<ChartData>(new ChartData(sets, points));
}

ChartData::ChartData(int sets, int points)
    : m_sets(sets),
      m_points(points),
      m_x(static_cast<std::size_t>(sets) * points, kHole),
      m_y(static_cast<std::size_t>(sets) * points, kHole) {}

ChartData::~ChartData() {
  // A holder may remove itself while being told; work on a copy.
  std::vector<ChartDataHolder*> holders;
  holders.swap(m_holders);
  for (ChartDataHolder* h : holders) h->OnDataDestroyed(this);
}

bool ChartData::InRange(int set, int point) const {
  return set >= 0 && set < m_sets && point >= 0 && point < m_points;
}

bool ChartData::SetX(int set, int point, double value) {
  if (!InRange(set, point)) return false;
  m_x[static_cast<std::size_t>(set) * m_points + point] = value;
  return true;
}

bool ChartData::SetY(int set, int point, double value) {
  if (!InRange(set, point)) return false;
  m_y[static_cast<std::size_t>(set) * m_points + point] = value;
  return true;
}

double ChartData::X(int set, int point) const {
  return InRange(set, point) ? m_x[static_cast<std::size_t>(set) * m_points + point] : kHole;
}

double ChartData::Y(int set, int point) const {
  return InRange(set, point) ? m_y[static_cast<std::size_t>(set) * m_points + point] : kHole;
}

bool ChartData::IsPoint(int set, int point) const {
  return std::isfinite(X(set, point)) && std::isfinite(Y(set, point));
}

const double* ChartData::XRow(int set) const {
  return set >= 0 && set < m_sets ? &m_x[static_cast<std::size_t>(set) * m_points] : nullptr;
}

const double* ChartData::YRow(int set) const {
  return set >= 0 && set < m_sets ? &m_y[static_cast<std::size_t>(set) * m_points] : nullptr;
}

DataBounds ChartData::Bounds() const {
  DataBounds b;
  const std::size_t n = m_x.size();
  for (std::size_t i = 0; i < n; ++i) {
    const double x = m_x[i];
    const double y = m_y[i];
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    if (!b.any) {
      b.any = true;
      b.xMin = b.xMax = x;
      b.yMin = b.yMax = y;
      continue;
    }
    b.xMin = std::min(b.xMin, x);
    b.xMax = std::max(b.xMax, x);
    b.yMin = std::min(b.yMin, y);
    b.yMax = std::max(b.yMax, y);
  }
  return b;
}

void ChartData::AddHolder(ChartDataHolder* holder) {
  if (holder && std::find(m_holders.begin(), m_holders.end(), holder) == m_holders.end())
    m_holders.push_back(holder);
}

void ChartData::RemoveHolder(ChartDataHolder* holder) {
  m_holders.erase(std::remove(m_holders.begin(), m_holders.end(), holder), m_holders.end());
}

}  // namespace qxchart
