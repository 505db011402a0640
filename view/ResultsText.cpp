#include "view/ResultsText.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Printf(const char* format, double value) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

std::string Unit(const CStrengthCriterion* m) {
  return static_cast<const char*>(m->GetStressUnitLabel(FALSE));
}

// "<count> points" lines print the count as a whole number.
std::string Count(int n) {
  return std::to_string(n);
}

const char kNotBestFit[] = "Current strength model is NOT a 'best-fit'";

// The equivalent Mohr-Coulomb line "cohesion = c unit    friction angle = phi deg".
std::string MohrCoulombFitLine(double c, double phi, const std::string& unit, int dec) {
  return "cohesion = " + FormatResultNumber("%.3f", c, dec) + " " + unit +
         "    friction angle = " + FormatResultNumber("%.2f", phi, dec) + " deg";
}

void Heading(ResultsPanel* p, const std::string& text) {
  p->lines.push_back({true, text});
}

void Body(ResultsPanel* p, const std::string& text) {
  p->lines.push_back({false, text});
}

// Heading, count, residuals and fit status of the data in use.
void DataBlock(ResultsPanel* p, int criterion, const CStrengthCriterion& m, const char* heading,
               const char* countText, int count) {
  p->hasDataBlock = true;
  Heading(p, heading);
  Body(p, std::string(countText) + Count(count));
  Body(p, "Sum square of errors (Residuals) = " + FormatResultNumber("%.3f", m.GetResiduals(), -1));
  Body(p, FitStatusLine(criterion, m));
}

const char* DataTypeHeading(const CStrengthCriterion& m) {
  return m.GetDataType(nullptr) == DATA_DIRECT_SHEAR ? "Analysis of DIRECT SHEAR Lab Data"
                                                     : "Analysis of TRIAXIAL Lab Data";
}

void HoekBrownLines(const PlotDocument& doc, int dec, ResultsPanel* p) {
  CHoekBrownCriterion* hb = doc.hoekBrown;
  const std::string unit = Unit(hb);
  double sigci = 0, mi = 0, GSI = 0, D = 0, mb = 0, s = 0, a = 0, c = 0, phi = 0;
  double sigc = 0, sigt = 0, Em = 0, sigcm = 0;
  hb->GetParameters(&sigci, &mi, &GSI, &D);
  double ci = 0;
  hb->GetRockMassConstants(&ci, &mb, &s, &a);
  hb->CalcEquivalentMC(&c, &phi);
  hb->GetRockMassStrengths(&sigc, &sigt, &Em, &sigcm);
  Heading(p, "Hoek-Brown Classification");
  Body(p, "intact uniaxial compressive strength = " + FormatResultNumber("%g", sigci, -1) + " " +
              unit);
  Body(p, "GSI = " + FormatResultNumber("%g", GSI, -1) + "    mi = " +
              FormatResultNumber("%g", mi, -1) + "    Disturbance factor = " +
              FormatResultNumber("%g", D, -1));
  Heading(p, "Hoek-Brown Criterion");
  Body(p, "mb = " + FormatResultNumber("%.3f", mb, dec) + "    s = " +
              FormatResultNumber("%.4f", s, dec) + "    a = " + FormatResultNumber("%.3f", a, dec));
  Heading(p, "Mohr-Coulomb Fit");
  p->keyLine = MohrCoulombFitLine(c, phi, unit, dec);
  p->extraWidth = 100;
  Body(p, p->keyLine);
  Heading(p, "Rock Mass Parameters");
  Body(p, "tensile strength = " + FormatResultNumber("%.3f", sigt, dec) + " " + unit);
  Body(p, "uniaxial compressive strength = " + FormatResultNumber("%.3f", sigc, dec) + " " + unit);
  Body(p, "global strength = " + FormatResultNumber("%.3f", sigcm, dec) + " " + unit);
  Body(p, "modulus of deformation = " + FormatResultNumber("%.2f", Em, dec) + " " + unit);
  if (doc.UsesRockMassData()) {
    const int n = hb->GetRockMassCount();
    if (n > 0)
      DataBlock(p, CRITERION_HOEK_BROWN, *hb, "Analysis of TRIAXIAL Field Data",
                "No. of field data points = ", n);
  } else {
    const int n = hb->GetLabCount();
    if (n > 0)
      DataBlock(p, CRITERION_HOEK_BROWN, *hb, "Analysis of TRIAXIAL Lab Data",
                "No. of lab data points = ", n);
  }
}

void MohrCoulombLines(const PlotDocument& doc, ResultsPanel* p) {
  CMohrCoulombCriterion* mc = doc.mohrCoulomb;
  const std::string unit = Unit(mc);
  double c = 0, phi = 0, sigt = 0;
  mc->GetParameters(&c, &phi, &sigt);
  const std::string ucs = FormatResultNumber("%.4g", mc->GetUniaxialStrength(), -1);
  Heading(p, "Mohr-Coulomb Criterion");
  Body(p, Printf("cohesion = %g", c) + " " + unit);
  Body(p, Printf("friction angle = %g deg", phi));
  Body(p, "tensile strength = " + FormatResultNumber("%.4g", mc->GetMinSig3(), -1) + " " + unit);
  Body(p, "uniaxial compressive strength = " + ucs + " " + unit);
  Body(p, "alpha = " + FormatResultNumber("%.4g", mc->GetPrincipalSlopeAngle(), -1) + " deg");
  p->keyLine = "uniaxial compressive strength = " + ucs + " " + unit + "    ";
  p->extraWidth = 140;
  const int n = mc->GetLabCount();
  if (n > 0)
    DataBlock(p, CRITERION_MOHR_COULOMB, *mc, DataTypeHeading(*mc), "No. of lab data points = ",
              n);
}

void BartonBandisLines(const PlotDocument& doc, int dec, ResultsPanel* p) {
  CBartonBandisCriterion* bb = doc.bartonBandis;
  const std::string unit = Unit(bb);
  double phib = 0, jrc = 0, jcs = 0, c = 0, phi = 0;
  bb->GetParameters(&phib, &jrc, &jcs);
  bb->CalcEquivalentMC(&c, &phi);
  Heading(p, "Barton-Bandis Criterion");
  Body(p, "base friction angle (phib) = " + Printf("%g", phib) + " deg");
  Body(p, Printf("joint roughness coefficient (JRC) = %g", jrc));
  Body(p, "joint compressive strength (JCS) = " + FormatResultNumber("%.4g", jcs, -1) + " " + unit);
  Heading(p, "Mohr-Coulomb Fit");
  Body(p, MohrCoulombFitLine(c, phi, unit, dec));
  p->keyLine = "joint roughness coefficient (JRC) = " + FormatResultNumber("%.4g", jrc, -1) +
               std::string(21, ' ');
  p->extraWidth = 100;
  const int n = bb->GetLabCount();
  if (n > 0)
    DataBlock(p, CRITERION_BARTON_BANDIS, *bb, "Analysis of DIRECT SHEAR Lab Data",
              "No. of lab data points = ", n);
}

void PowerCurveLines(const PlotDocument& doc, int dec, ResultsPanel* p) {
  CPowerCurveCriterion* pc = doc.powerCurve;
  const std::string unit = Unit(pc);
  double a = 0, d = 0, b = 0, c = 0, phi = 0;
  pc->GetParameters(&a, &d, &b);
  pc->CalcEquivalentMC(&c, &phi);
  const std::string ucs = FormatResultNumber("%.4g", pc->GetUniaxialStrength(), -1);
  Heading(p, "Power Curve Criterion");
  Body(p, Printf("a = %g", a));
  Body(p, "d = " + FormatResultNumber("%.4g", d, -1) + " " + unit);
  Body(p, Printf("b = %g", b));
  Body(p, "tensile strength = " + FormatResultNumber("%.4g", pc->GetMinSig3(), -1) + " " + unit);
  Body(p, "uniaxial compressive strength = " + ucs + " " + unit);
  Heading(p, "Mohr-Coulomb Fit");
  Body(p, MohrCoulombFitLine(c, phi, unit, dec));
  p->keyLine = "uniaxial compressive strength = " + ucs + " " + unit + std::string(22, ' ');
  p->extraWidth = 100;
  const int n = pc->GetLabCount();
  if (n > 0)
    DataBlock(p, CRITERION_POWER_CURVE, *pc, DataTypeHeading(*pc), "No. of lab data points = ", n);
}

}  // namespace

std::string TrimExponent(const std::string& text) {
  std::string s = text;
  size_t e = s.find('e');
  if (e == std::string::npos) return s;
  size_t start = e;
  while (start > 0 && s[start - 1] == '0') --start;
  if (start > 0 && s[start - 1] == '.') --start;
  // A mantissa that was all zeros keeps its digit ("0e+00" reads "0").
  if (start == 0 || s[start - 1] == '-' || s[start - 1] == '+') start = e;
  s.erase(start, e - start);
  e = start;
  if (e + 1 < s.size() && (s[e + 1] == '-' || s[e + 1] == '+')) {
    const bool negative = s[e + 1] == '-';
    size_t z = e + 2;
    while (z < s.size() && s[z] == '0') ++z;
    if (z == s.size())
      s.erase(e);  // a zero exponent
    else
      s.erase(negative ? e + 2 : e + 1, z - (negative ? e + 2 : e + 1));
  }
  if (!s.empty() && s.back() == 'e') s.pop_back();
  return s;
}

std::string FormatResultNumber(const char* defaultFormat, double value, int decimals) {
  decimals = ClampDecimalPlaces(decimals);
  std::string text;
  if (decimals == -1) {
    text = Printf(defaultFormat, value);
  } else {
    const std::string format = "%." + std::to_string(decimals) + "f";
    text = Printf(format.c_str(), value);
  }
  if (text.find_first_of("123456789") == std::string::npos) {
    const std::string format =
        decimals < 0 ? std::string("%.3g") : "%." + std::to_string(decimals == 0 ? 1 : decimals) + "g";
    text = Printf(format.c_str(), value);
  }
  return TrimExponent(text);
}

bool IsCurrentBestFit(const CStrengthCriterion& model) {
  return model.GetResiduals() == model.GetBestFitResiduals();
}

std::string FitStatusLine(int criterion, const CStrengthCriterion& model) {
  if (!IsCurrentBestFit(model) || !(model.GetResiduals() >= 0.0)) return kNotBestFit;
  static const char* const kLm = "Current strength model is LEVENBERG-MARQUARDT 'best-fit'";
  static const char* const kSimplex = "Current strength model is SIMPLEX 'best-fit'";
  static const char* const kLinear = "Current strength model is LINEAR REGRESSION 'best-fit'";
  const int method = model.GetCurveFitMethod(nullptr);
  if (method == 0) return kLm;
  switch (criterion) {
    case CRITERION_HOEK_BROWN:
      return method == 1 ? kSimplex : method == 2 ? kLinear : kNotBestFit;
    case CRITERION_MOHR_COULOMB:
      return method == 1 ? kLinear : kNotBestFit;
    default:
      return method == 1 ? kSimplex : kNotBestFit;
  }
}

bool BuildResultLines(const PlotDocument& doc, int decimals, ResultsPanel* panel) {
  *panel = ResultsPanel();
  decimals = ClampDecimalPlaces(decimals);
  switch (doc.criterion) {
    case CRITERION_HOEK_BROWN:
      panel->model = doc.hoekBrown;
      HoekBrownLines(doc, decimals, panel);
      return true;
    case CRITERION_MOHR_COULOMB:
      panel->model = doc.mohrCoulomb;
      MohrCoulombLines(doc, panel);
      return true;
    case CRITERION_BARTON_BANDIS:
      panel->model = doc.bartonBandis;
      BartonBandisLines(doc, decimals, panel);
      return true;
    case CRITERION_POWER_CURVE:
      panel->model = doc.powerCurve;
      PowerCurveLines(doc, decimals, panel);
      return true;
    default:
      return false;
  }
}

ResultsLayout LayoutResults(const ResultsLayoutInput& in) {
  ResultsLayout out;
  const bool title = in.showTitle && in.hasTitle;
  if (!in.projectData && !title) return out;
  const PlotRect& cl = in.client;
  if (title) {
    out.drawTitle = true;
    out.title.left = (cl.right - in.titleWidth - cl.left) / 2;
    out.title.top = in.titleHeight;
    out.title.right = cl.right;
    out.title.bottom = 2 * in.titleHeight;
  }
  if (!in.projectData) return out;

  const int h = in.lineHeight;
  int left, right = cl.right;
  if (in.shearOnly)
    left = in.shearOriginX + 20;
  else
    left = cl.left + static_cast<int>(0.4 * cl.Width());
  const int width = in.keyWidth + in.extraWidth;
  if (!in.shearOnly) left += std::max(0, (right - width - left) / 2);
  right = left + width;
  if (right > cl.right) {
    left -= right - cl.right;
    right = cl.right;
  }
  if (left < cl.left) {
    right += cl.left - left;
    left = cl.left;
  }

  int top = 3 * h;
  bool first = true;
  if (in.lines) {
    for (const ResultLine& line : *in.lines) {
      if (line.heading && !first) top += h / 3;
      first = false;
      PlotRect r;
      r.left = line.heading ? left : left + 25;
      r.top = top;
      r.right = right;
      r.bottom = top + h;
      out.lineRects.push_back(r);
      top = r.bottom;
    }
  }
  out.drawPanel = true;
  out.panel.left = left;
  out.panel.top = 3 * h;
  out.panel.right = right;
  out.panel.bottom = std::max(16 * h, top);
  return out;
}
