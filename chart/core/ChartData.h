// A data object: a number of sets, each with the same number of points. Points that were never
// given both coordinates, or whose coordinates are not finite, are holes: they are not drawn,
// not counted in the bounds, and they break a set's line.
#ifndef QUARVEX_CHART_CORE_CHARTDATA_H
#define QUARVEX_CHART_CORE_CHARTDATA_H

#include <cstddef>
#include <memory>
#include <vector>

namespace qxchart {

class ChartData;

// Something that keeps a pointer to a data object (a chart) and must forget it when the data
// object goes away.
class ChartDataHolder {
 public:
  virtual void OnDataDestroyed(const ChartData* data) = 0;

 protected:
  ~ChartDataHolder() = default;
};

// Smallest and largest coordinates over the points that are not holes.
struct DataBounds {
  bool any = false;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

class ChartData {
 public:
  // The only data type: general sets of (x, y) points.
  static constexpr int kTypeGeneral = 2;
  static constexpr int kMaxSets = 10000;
  static constexpr std::size_t kMaxValues = 50000000;  // sets x points

  // Null for another type, a count below 1, or a size past the limits.
  static std::unique_ptr<ChartData> Create(int type, int sets, int points);

  ChartData(const ChartData&) = delete;
  ChartData& operator=(const ChartData&) = delete;
  ~ChartData();  // every holder forgets this object first

  int Sets() const { return m_sets; }
  int Points() const { return m_points; }

  // False (and nothing stored) for a set or point out of range.
  bool SetX(int set, int point, double value);
  bool SetY(int set, int point, double value);

  // NaN for a point out of range and for coordinates never set.
  double X(int set, int point) const;
  double Y(int set, int point) const;
  bool IsPoint(int set, int point) const;

  // Over all sets.
  DataBounds Bounds() const;

  // Raw rows of one set (NaN for holes); null for a set out of range.
  const double* XRow(int set) const;
  const double* YRow(int set) const;

  void AddHolder(ChartDataHolder* holder);
  void RemoveHolder(ChartDataHolder* holder);

 private:
  ChartData(int sets, int points);
  bool InRange(int set, int point) const;

  int m_sets;
  int m_points;
  std::vector<double> m_x;
  std::vector<double> m_y;
  std::vector<ChartDataHolder*> m_holders;
};

}  // namespace qxchart

#endif
