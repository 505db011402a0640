#include "view/StressSampler.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

using namespace qxchart;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Principal-stress form of a Mohr-Coulomb line: sig1 = k sig3 + b.
void PrincipalLine(double c, double phi, double* k, double* b) {
  const double s = std::sin(phi);
  *k = (1.0 + s) / (1.0 - s);
  *b = 2.0 * c * std::cos(phi) / (1.0 - s);
}

void Vertical(TangentLine* t, double x, double top) {
  for (double& v : t->x) v = x;
  t->y[0] = t->y[1] = 0.0;
  t->y[2] = top;
  t->cohesion = DBL_MAX;
  t->friction = kPi / 2.0;
}

double Get(const ChartModel& chart, int id) {
  double v = 0.0;
  chart.GetDouble(id, &v);
  return v;
}

std::string Format(const char* format, double a, double b) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

// The envelope's y at x on a sampler chart: sig1 at sig3 on the principal chart, tau at sigN
// on the shear chart.
double EnvelopeY(const CStrengthCriterion& m, int chart, double x) {
  double y = 0.0;
  if (chart == kPrincipalSamplerChart)
    y = m.GetSig1(x);
  else
    m.CalcTauAtSigN(x, &y);
  return y;
}

const char* CriterionPrefix(int criterion) {
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      return "HB: ";
    case CRITERION_BARTON_BANDIS:
      return "BB: ";
    case CRITERION_POWER_CURVE:
      return "PC: ";
    default:
      return "";
  }
}

ChartStyle LineStyle(ChartStyle style, int pattern, ChartColor color) {
  style.linePattern = pattern;
  style.pointSymbol = kSymbolNone;
  style.lineColor = color;
  return style;
}

}  // namespace

bool ComputeTangentLine(const PlotDocument& doc, int chart, double x, TangentLine* t) {
  const bool principal = chart == kPrincipalSamplerChart;
  double c = 0.0, phi = 0.0, k = 0.0, b = 0.0;
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN: {
      const CHoekBrownCriterion* m = doc.hoekBrown;
      const double low = m->GetMinSig3();
      if (!(x >= 0.999999999 * low)) {
        Vertical(t, low, principal ? m->GetSig1(m->GetSig3Max()) : m->GetTauAtSig3(m->GetSig3Max()));
        return true;
      }
      m->GetInstantaneousMC(principal ? x : m->GetSig3AtSigN(x), &c, &phi);
      t->x[0] = t->x[1] = low;
      t->x[2] = principal ? m->GetSig3Max() : m->GetSigNAtSig3(m->GetSig3Max());
      break;
    }
    case CRITERION_BARTON_BANDIS: {
      const CBartonBandisCriterion* m = doc.bartonBandis;
      if (!(x >= 1e-5)) {
        Vertical(t, 0.0, principal ? m->GetSig1(m->GetSignMax()) : m->GetTau(m->GetSignMax()));
        return true;
      }
      m->GetInstantaneousMC(principal ? m->GetSigNAtSig3(x) : x, &c, &phi);
      t->x[0] = t->x[1] = 0.0;
      t->x[2] = principal ? m->GetSig3AtSigN(m->GetSignMax()) : m->GetSignMax();
      break;
    }
    case CRITERION_POWER_CURVE: {
      const CPowerCurveCriterion* m = doc.powerCurve;
      double a = 0.0, d = 0.0, bb = 0.0;
      m->GetParameters(&a, &d, &bb);
      const double low = principal ? m->GetMinSig3() : -d;
      if (!(x - low >= 1e-5)) {
        Vertical(t, low, principal ? m->GetSig1(m->GetSignMax()) : m->GetTau(m->GetSignMax()));
        return true;
      }
      m->GetInstantaneousMC(principal ? m->GetSigNAtSig3(x) : x, &c, &phi);
      const bool triaxial = m->GetDataType(nullptr) != DATA_DIRECT_SHEAR;
      t->x[0] = t->x[1] = low;
      if (principal)
        t->x[2] = triaxial ? m->GetSig3Max() : m->GetSig3AtSigN(m->GetSignMax());
      else
        t->x[2] = triaxial ? m->GetSigNAtSig3(m->GetSig3Max()) : m->GetSignMax();
      break;
    }
    default:
      return false;
  }
  t->cohesion = c;
  t->friction = phi;
  t->y[0] = 0.0;
  if (principal) {
    PrincipalLine(c, phi, &k, &b);
    t->y[1] = k * t->x[1] + b;
    t->y[2] = k * t->x[2] + b;
  } else {
    t->y[1] = c + t->x[1] * std::tan(phi);
    t->y[2] = c + t->x[2] * std::tan(phi);
  }
  return true;
}

std::vector<std::string> SamplerLabelLines(const SamplerLabelInput& in) {
  const bool principal = in.chart == kPrincipalSamplerChart;
  const char* pair = principal ? "sig3=%.4g,sig1=%.4g" : "sign=%.4g,sigtau=%.4g";
  // Mohr-Coulomb has neither a tangent nor an equivalent line of its own: one plain line.
  const bool curved = in.criterion != CRITERION_MOHR_COULOMB;
  std::vector<std::string> lines;
  if (in.instantaneous && curved) {
    lines.push_back(Format(pair, in.x, in.y));
    if (in.cohesion == DBL_MAX)
      lines.push_back("phi=90");
    else
      lines.push_back(Format("c=%.4g,phi=%.4g", in.cohesion, in.friction * 180.0 / kPi));
  } else if (!in.instantaneous && in.mohrCoulombOverlay && curved) {
    lines.push_back(CriterionPrefix(in.criterion) + Format(pair, in.x, in.y));
    lines.push_back("MC: " + Format(pair, in.x, in.y > 0 ? in.equivalentY : in.y));
  } else {
    lines.push_back(Format(pair, in.x, in.y));
  }
  return lines;
}

int SamplerLabelAnchor(double x, double chartXMax) {
  return x <= chartXMax / 2.0 ? kAnchorRight : kAnchorLeft;
}

bool ViewToShearChartPoint(int* x, int* y, bool bothShown, bool shearChartExists, int offsetX,
                           int offsetY) {
  if (!bothShown || !shearChartExists) return true;
  if (*x < offsetX || *y < offsetY) return false;
  *x -= offsetX;
  *y -= offsetY;
  return true;
}

// ---- StressSampler ------------------------------------------------------------------------

struct StressSampler::Side {
  int chart;
  const SamplerChart* c;
  std::unique_ptr<ChartData>* data;
  double* x;
};

StressSampler::~StressSampler() = default;

StressSampler::Side StressSampler::SideOf(int chart, const SamplerContext& ctx) {
  if (chart == kPrincipalSamplerChart)
    return {chart, &ctx.principal, &m_pPrincipalSamplerData, &m_dPrincipalSampleX};
  return {chart, &ctx.shear, &m_pShearSamplerData, &m_dShearSampleX};
}

bool StressSampler::InstantaneousSamplerEnabled(int criterion) {
  return criterion != CRITERION_MOHR_COULOMB;
}

void StressSampler::OnStressSamplerCommand(const SamplerContext& ctx) {
  if (m_bInstantaneousMode) {
    Show(false, ctx);
    m_bInstantaneousMode = false;
  }
  Show(!m_bSamplerShown, ctx);
}

void StressSampler::OnInstantaneousSamplerCommand(const SamplerContext& ctx) {
  if (m_bSamplerShown && !m_bInstantaneousMode) Show(false, ctx);
  m_bInstantaneousMode = !m_bInstantaneousMode;
  Show(m_bInstantaneousMode, ctx);
}

void StressSampler::Show(bool on, const SamplerContext& ctx) {
  if (!on) {
    ClearChart(SideOf(kPrincipalSamplerChart, ctx));
    ClearChart(SideOf(kShearSamplerChart, ctx));
    m_bSamplerShown = false;
    return;
  }
  m_bSamplerShown = true;
  ShowOn(SideOf(kPrincipalSamplerChart, ctx), ctx);
  ShowOn(SideOf(kShearSamplerChart, ctx), ctx);
}

void StressSampler::Reset(const SamplerContext& ctx) {
  Show(false, ctx);
  m_bInstantaneousMode = false;
}

void StressSampler::Release(const SamplerContext& ctx) {
  Show(false, ctx);
}

void StressSampler::ShowOn(Side side, const SamplerContext& ctx) {
  ChartModel* chart = side.c->model;
  if (!chart) return;
  const double top = Get(*chart, prop::kYMax);
  *side.x = (Get(*chart, prop::kDataXMin) + Get(*chart, prop::kDataXMax)) / 2.0;
  // The new overlay replaces the old one on the chart before the old one is freed.
  std::unique_ptr<ChartData> old = std::move(*side.data);
  *side.data = m_bInstantaneousMode ? ChartData::Create(ChartData::kTypeGeneral, 2, 3)
                                    : ChartData::Create(ChartData::kTypeGeneral, 1, 2);
  chart->SetInt(prop::kData2Shown5101, 1);
  chart->SetInt(prop::kY2Option4600, 2);
  chart->SetInt(prop::kY2OptionF02, 0);
  chart->SetInt(prop::kY2Option4302, 2);
  chart->SetDouble(prop::kY2Min, 0.0);
  chart->SetDouble(prop::kY2Max, top);
  chart->SetInt(prop::kOption104, 0);
  DrawLine(side, *side.x, top, ctx);
  if (old && side.data->get() == nullptr) chart->SetData(prop::kData2, nullptr);
  old.reset();
  if (!ctx.doc) return;
  UpdateLabel(side, *side.x, EnvelopeY(*ctx.doc->Active(), side.chart, *side.x), ctx);
}

void StressSampler::DrawLine(Side side, double x, double top, const SamplerContext& ctx) {
  ChartModel* chart = side.c->model;
  ChartData* data = side.data->get();
  if (!chart || !data) return;
  ChartStyle style;
  chart->GetDataStyle(2, 0, &style);
  chart->SetDataStyle(2, 0, LineStyle(style, kLineDashed, ChartRgb(0, 0, 0)));
  data->SetX(0, 0, x);
  data->SetY(0, 0, 0.0);
  data->SetX(0, 1, x);
  data->SetY(0, 1, top);
  if (m_bInstantaneousMode && data->Sets() >= 2) {
    chart->GetDataStyle(2, 1, &style);
    const ChartColor color = ctx.grayscale ? ChartRgb(128, 128, 128) : ChartRgb(255, 0, 255);
    chart->SetDataStyle(2, 1, LineStyle(style, kLineSolid, color));
    TangentLine t;
    const bool has = ctx.doc && ComputeTangentLine(*ctx.doc, side.chart, x, &t);
    if (has) {
      m_dInstantCohesion = t.cohesion;
      m_dInstantFriction = t.friction;
    }
    // Without a tangent (Mohr-Coulomb) the series is left without points.
    for (int i = 0; i < 3; ++i) {
      data->SetX(1, i, has ? t.x[i] : NAN);
      data->SetY(1, i, has ? t.y[i] : NAN);
    }
  }
  chart->SetData(prop::kData2, data);
}

void StressSampler::PlaceLine(Side side, double x, double y, int topProperty,
                              const SamplerContext& ctx) {
  if (!side.c->model) return;
  DrawLine(side, x, Get(*side.c->model, topProperty), ctx);
  UpdateLabel(side, x, y, ctx);
}

void StressSampler::UpdateLabel(Side side, double x, double y, const SamplerContext& ctx) {
  ChartModel* chart = side.c->model;
  ChartTextArea* label = side.c->label;
  if (!m_bSamplerShown || !side.data->get() || !chart || !label || !ctx.doc) return;
  label->SetColor(prop::kBackground, ctx.grayscale ? ChartRgb(255, 255, 255) : ChartRgb(255, 251, 240));
  label->SetInt(prop::kAreaAnchor, SamplerLabelAnchor(x, Get(*chart, prop::kDataXMax)));

  SamplerLabelInput in;
  in.chart = side.chart;
  in.criterion = ctx.doc->criterion;
  in.instantaneous = m_bInstantaneousMode;
  in.mohrCoulombOverlay = ctx.mohrCoulombOverlay;
  in.x = x;
  in.y = y;
  in.cohesion = m_dInstantCohesion;
  in.friction = m_dInstantFriction;
  if (ctx.mohrCoulombOverlay && !m_bInstantaneousMode && y > 0) {
    const CStrengthCriterion* m = ctx.doc->Active();
    if (side.chart == kPrincipalSamplerChart) {
      in.equivalentY = m->GetEquivMCSig1(x);
    } else {
      double tau = 0.0;
      m->GetEquivMCTau(x, &tau);
      in.equivalentY = tau;
    }
  }
  const std::vector<std::string> lines = SamplerLabelLines(in);
  std::vector<const char*> list;
  for (const std::string& line : lines) list.push_back(line.c_str());
  list.push_back(nullptr);

  label->SetDouble(prop::kAreaX, x);
  label->SetDouble(prop::kAreaY, y);
  label->SetFont(prop::kAreaFont, side.c->font);
  label->SetLines(prop::kAreaLines, list.data());
}

void StressSampler::ClearChart(Side side) {
  if (ChartModel* chart = side.c->model) {
    chart->SetData(prop::kData2, nullptr);
    if (side.c->label) side.c->label->SetLines(prop::kAreaLines, nullptr);
  }
  side.data->reset();
}

void StressSampler::Refresh(Side side, const SamplerContext& ctx) {
  ChartModel* chart = side.c->model;
  if (!chart || !side.c->plotShown || !m_bSamplerShown || !side.data->get() || !side.c->label)
    return;
  const double low = Get(*chart, prop::kDataXMin), high = Get(*chart, prop::kDataXMax);
  const double top = Get(*chart, prop::kYMax);
  chart->SetDouble(prop::kY2Max, top);
  double& x = *side.x;
  x = std::max(low, std::min(x, high));
  const double y = ctx.doc ? EnvelopeY(*ctx.doc->Active(), side.chart, x) : 0.0;
  DrawLine(side, x, top, ctx);
  UpdateLabel(side, x, y, ctx);
}

void StressSampler::RefreshPrincipal(const SamplerContext& ctx) {
  Refresh(SideOf(kPrincipalSamplerChart, ctx), ctx);
}

void StressSampler::RefreshShear(const SamplerContext& ctx) {
  Refresh(SideOf(kShearSamplerChart, ctx), ctx);
}

bool StressSampler::MapIntoPlot(const SamplerChart& c, int px, int py, double* x) const {
  const ChartMapResult r = c.model->Map(px, py);
  if (!r.valid || r.region != kRegionPlotArea) return false;
  const double low = Get(*c.model, prop::kDataXMin), high = Get(*c.model, prop::kDataXMax);
  *x = std::max(low, std::min(r.x, high));
  return true;
}

bool StressSampler::TakePoint(int x, int y, const SamplerContext& ctx, bool alsoShear) {
  if (!m_bSamplerShown || !ctx.doc) return false;
  bool took = false;
  double stress = 0.0;
  if (ctx.principal.plotShown && ctx.principal.model &&
      MapIntoPlot(ctx.principal, x, y, &stress)) {
    took = true;
    if (stress != m_dPrincipalSampleX) MovePrincipalTo(stress, ctx);
  }
  if (ctx.shear.plotShown && ctx.shear.model && (!took || alsoShear)) {
    int sx = x, sy = y;
    const bool both = ctx.principal.plotShown;
    if (ViewToShearChartPoint(&sx, &sy, both, true, ctx.shearOffsetX, ctx.shearOffsetY) &&
        MapIntoPlot(ctx.shear, sx, sy, &stress)) {
      took = true;
      if (stress != m_dShearSampleX) MoveShearTo(stress, ctx);
    }
  }
  return took;
}

void StressSampler::MovePrincipalTo(double sig3, const SamplerContext& ctx) {
  if (!ctx.doc) return;
  const CStrengthCriterion* m = ctx.doc->Active();
  const double sig1 = m->GetSig1(sig3);
  m_dPrincipalSampleX = sig3;
  const Side principal = SideOf(kPrincipalSamplerChart, ctx);
  PlaceLine(principal, sig3, sig1, prop::kYMax, ctx);
  if (!ctx.shear.plotShown) return;
  // Left of the envelope's start there is no failure circle: the shear line goes to sig3.
  double sigN = sig3, tau = 0.0;
  if (sig1 > 0) {
    sigN = m->GetSigNAtSig3(sig3);
    tau = m->GetTauAtSig3(sig3);
  }
  m_dShearSampleX = sigN;
  const Side shear = SideOf(kShearSamplerChart, ctx);
  PlaceLine(shear, sigN, tau, prop::kDataYMax, ctx);
}

void StressSampler::MoveShearTo(double sigN, const SamplerContext& ctx) {
  if (!ctx.doc) return;
  const CStrengthCriterion* m = ctx.doc->Active();
  double tau = 0.0;
  m->CalcTauAtSigN(sigN, &tau);
  m_dShearSampleX = sigN;
  const Side shear = SideOf(kShearSamplerChart, ctx);
  PlaceLine(shear, sigN, tau, prop::kYMax, ctx);
  if (!ctx.principal.plotShown) return;
  double sig3 = sigN, sig1 = 0.0;
  if (tau != 0.0) {
    sig3 = m->GetSig3AtSigN(sigN);
    sig1 = m->GetSig1(sig3);
  } else if (ctx.doc->criterion == CRITERION_POWER_CURVE) {
    sig1 = -ctx.doc->PowerCurveD();
  }
  // No failure circle touches the envelope there: the principal line stays.
  if (sig3 == DBL_MAX || !std::isfinite(sig3)) return;
  m_dPrincipalSampleX = sig3;
  const Side principal = SideOf(kPrincipalSamplerChart, ctx);
  PlaceLine(principal, sig3, sig1, prop::kDataYMax, ctx);
}
