#include "view/PlotSeries.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

using qxchart::ChartColor;
using qxchart::ChartData;
using qxchart::ChartRgb;
using qxchart::ChartStyle;

namespace {

// sig1 = 3.4 sig3 as the factor it is kept by.
const double kMogiSlopeInverse = 0.29411764705882354;

// The test points a plot shows: the lab set, or Hoek-Brown's rock-mass set when its
// parameters come from rock-mass data.
void TestPoints(const PlotDocument& doc, std::vector<double>* x, std::vector<double>* y) {
  const CStrengthCriterion* m = doc.Active();
  const bool rockMass = doc.UsesRockMassData();
  const int n = rockMass ? m->GetRockMassCount() : m->GetLabCount();
  x->clear();
  y->clear();
  for (int i = 0; i < n; ++i) {
    x->push_back(rockMass ? m->GetRockMassX(i) : m->GetLabX(i));
    y->push_back(rockMass ? m->GetRockMassY(i) : m->GetLabY(i));
  }
}

// The test points as a set; yLimit rises to the largest y among the points up to xLimit.
PlotSeries TestSeries(const std::vector<double>& x, const std::vector<double>& y, double xLimit,
                      double* yLimit) {
  PlotSeries tests{SeriesKind::kTestData, {}, {}};
  for (size_t i = 0; i < x.size(); ++i) {
    tests.Add(x[i], y[i]);
    if (x[i] <= xLimit) *yLimit = std::max(*yLimit, y[i]);
  }
  return tests;
}

// The envelope table of n rows the plots use: principal rows for triaxial data, shear rows
// for direct-shear data. Copied: the model's table is rebuilt by later calls.
std::vector<EnvelopePoint> EnvelopeRows(CStrengthCriterion* m, int dataType, int n) {
  const EnvelopePoint* rows =
      dataType == DATA_DIRECT_SHEAR ? m->BuildShearEnvelope(n) : m->BuildPrincipalEnvelope(n);
  if (!rows) return {};
  return std::vector<EnvelopePoint>(rows, rows + m->GetEnvelopeCount());
}

}  // namespace

PlotSeriesSet PrincipalSeries(const PlotDocument& doc, const SeriesOptions& options) {
  PlotSeriesSet out;
  CStrengthCriterion* m = doc.Active();
  const int dataType = m->GetDataType(nullptr);
  int n = std::max(2, options.pointCount);

  std::vector<double> tx, ty;
  if (options.plotTestData && dataType == DATA_TRIAXIAL) TestPoints(doc, &tx, &ty);

  const double sig3max =
      dataType == DATA_TRIAXIAL ? m->GetSig3Max() : m->GetSig3FromShear(m->GetSignMax());
  double sig1max = m->GetSig1(sig3max);
  n = std::max(n, static_cast<int>(tx.size()));
  out.points = n + 1;

  if (!tx.empty()) out.series.push_back(TestSeries(tx, ty, sig3max, &sig1max));
  out.yLimit = sig1max;

  const std::vector<EnvelopePoint> rows = EnvelopeRows(m, dataType, n);
  const double d = doc.criterion == CRITERION_POWER_CURVE ? doc.PowerCurveD() : 0.0;
  PlotSeries envelope{SeriesKind::kEnvelope, {}, {}};
  switch (doc.criterion) {
    case CRITERION_BARTON_BANDIS:
      envelope.Add(0.0, 0.0);
      break;
    case CRITERION_POWER_CURVE:
      envelope.Add(-d, -d);
      break;
    default:
      envelope.Add(m->GetMinSig3(), 0.0);
      break;
  }
  for (const EnvelopePoint& r : rows) envelope.Add(r.sig3, r.sig1);
  out.series.push_back(envelope);

  if (options.mohrCoulombOverlay) {
    PlotSeries line{SeriesKind::kMohrCoulombLine, {}, {}};
    double c = 0, phi = 0;
    if (doc.EquivalentLine(&c, &phi)) {
      if (doc.criterion == CRITERION_HOEK_BROWN)
        line.Add(doc.hoekBrown->GetMinSig3(), 0.0);
      else if (doc.criterion == CRITERION_BARTON_BANDIS)
        line.Add(0.0, 0.0);
      else
        line.Add(-d, -d);
      for (const EnvelopePoint& r : rows) line.Add(r.sig3, EquivalentLineSig1(c, phi, r.sig3));
    }
    out.series.push_back(line);
  }

  if (options.showMogi) {
    PlotSeries mogi{SeriesKind::kMogiLine, {}, {}};
    const double s = rows.empty() ? 0.0 : rows.back().sig1;
    mogi.Add(0.0, 0.0);
    mogi.Add(s * kMogiSlopeInverse, s);
    out.series.push_back(mogi);
  }
  return out;
}

PlotSeriesSet NormalShearSeries(const PlotDocument& doc, const SeriesOptions& options) {
  PlotSeriesSet out;
  CStrengthCriterion* m = doc.Active();
  const int dataType = m->GetDataType(nullptr);
  int n = std::max(2, options.pointCount);

  std::vector<double> tx, ty;
  if (options.plotTestData) TestPoints(doc, &tx, &ty);

  double signmax, tauMax = -DBL_MAX;
  if (dataType == DATA_DIRECT_SHEAR) {
    signmax = m->GetSignMax();
    tauMax = m->GetTau(signmax);
  } else {
    signmax = m->GetSigNAtSig3(m->GetSig3Max());
    if (doc.criterion == CRITERION_HOEK_BROWN) {
      double tau = 0.0;
      if (doc.hoekBrown->SolveTauAtSigN(signmax, &tau)) tauMax = tau;
    } else if (doc.criterion == CRITERION_MOHR_COULOMB) {
      tauMax = m->GetTau(signmax);
    }
  }
  if (dataType == DATA_DIRECT_SHEAR) n = std::max(n, static_cast<int>(tx.size()));
  out.points = n + 1;

  if (dataType == DATA_DIRECT_SHEAR && !tx.empty())
    out.series.push_back(TestSeries(tx, ty, signmax, &tauMax));
  out.yLimit = tauMax;

  const std::vector<EnvelopePoint> rows = EnvelopeRows(m, dataType, n);
  const double d = doc.criterion == CRITERION_POWER_CURVE ? doc.PowerCurveD() : 0.0;
  PlotSeries envelope{SeriesKind::kEnvelope, {}, {}};
  switch (doc.criterion) {
    case CRITERION_BARTON_BANDIS:
      envelope.Add(0.0, 0.0);
      break;
    case CRITERION_POWER_CURVE:
      envelope.Add(m->GetMinSigN(), 0.0);
      break;
    default:
      envelope.Add(m->GetMinSig3(), 0.0);
      break;
  }
  for (const EnvelopePoint& r : rows) envelope.Add(r.sigN, r.tau);
  out.series.push_back(envelope);

  if (options.mohrCoulombOverlay) {
    PlotSeries line{SeriesKind::kMohrCoulombLine, {}, {}};
    double c = 0, phi = 0;
    if (doc.EquivalentLine(&c, &phi)) {
      if (doc.criterion == CRITERION_BARTON_BANDIS) {
        line.Add(0.0, 0.0);
        line.Add(0.0, c);
        for (size_t i = 1; i < rows.size(); ++i)
          line.Add(rows[i].sigN, EquivalentLineTau(c, phi, rows[i].sigN));
      } else {
        line.Add(doc.criterion == CRITERION_HOEK_BROWN ? doc.hoekBrown->GetMinSig3() : -d, 0.0);
        for (const EnvelopePoint& r : rows) line.Add(r.sigN, EquivalentLineTau(c, phi, r.sigN));
      }
    }
    out.series.push_back(line);
  }

  if (dataType == DATA_TRIAXIAL) {
    // One set per circle: as many as a data object holds beside the other sets, so that a
    // project with the most tests still shows its envelope.
    const size_t room = std::min<size_t>(
        ChartData::kMaxSets, ChartData::kMaxValues / static_cast<size_t>(out.points));
    const size_t circles = std::min(tx.size(), room - std::min(room, out.series.size()));
    for (size_t i = 0; i < circles; ++i) out.series.push_back(MohrCircle(tx[i], ty[i], n));
  }
  return out;
}

PlotSeries MohrCircle(double sig3, double sig1, int n) {
  PlotSeries circle{SeriesKind::kMohrCircle, {}, {}};
  if (n < 2) n = 2;
  const double m = (sig1 + sig3) / 2.0;
  const double r = (sig1 - sig3) / 2.0;
  const double h = (sig1 - sig3) / (n - 1);
  for (int j = 0; j < n; ++j) {
    const double x = sig3 + j * h;
    const double q = r * r - (x - m) * (x - m);
    circle.Add(x, q < 1e-5 ? 0.0 : std::sqrt(q));
  }
  return circle;
}

ChartStyle SeriesStyle(SeriesKind kind, bool shearTests, const ChartStyle& current,
                       const PlotDisplay& display) {
  const ChartColor blue = ChartRgb(0, 0, 255);
  ChartStyle s = current;
  ChartColor colour = 0, gray = 0;
  switch (kind) {
    case SeriesKind::kTestData:
      s.linePattern = qxchart::kLineNone;
      s.pointSymbol = qxchart::kSymbolBox;
      s.pointSize = shearTests ? 3 : 5;
      colour = blue;
      gray = display.mcColorGray;
      break;
    case SeriesKind::kEnvelope:
      s.linePattern = qxchart::kLineSolid;
      s.pointSymbol = qxchart::kSymbolNone;
      colour = display.hbColor;
      gray = display.hbColorGray;
      break;
    case SeriesKind::kMohrCoulombLine:
      s.linePattern = qxchart::kLineSolid;
      s.pointSymbol = qxchart::kSymbolNone;
      colour = display.mcColor;
      gray = display.mcColorGray;
      break;
    case SeriesKind::kMogiLine:
      s.linePattern = qxchart::kLineLongDash;
      s.pointSymbol = qxchart::kSymbolNone;
      colour = ChartRgb(0, 255, 0);
      gray = ChartRgb(192, 192, 192);
      break;
    case SeriesKind::kMohrCircle:
      s.linePattern = qxchart::kLineSolid;
      s.pointSymbol = qxchart::kSymbolNone;
      colour = blue;
      gray = display.mcColorGray;
      break;
  }
  s.lineColor = s.pointColor = display.grayscale ? gray : colour;
  s.lineWidth = display.lineWidth;
  return s;
}

std::unique_ptr<ChartData> MakeChartData(const PlotSeriesSet& set) {
  if (set.series.empty() || set.points < 1) return nullptr;
  auto data = ChartData::Create(ChartData::kTypeGeneral, static_cast<int>(set.series.size()),
                                set.points);
  if (!data) return nullptr;
  for (size_t s = 0; s < set.series.size(); ++s) {
    const PlotSeries& p = set.series[s];
    const int count = std::min(static_cast<int>(p.x.size()), set.points);
    for (int i = 0; i < count; ++i) {
      data->SetX(static_cast<int>(s), i, p.x[i]);
      data->SetY(static_cast<int>(s), i, p.y[i]);
    }
  }
  return data;
}
