// A change of method in each fit dialog of the real program with 1000 tests: the dialog reads the
// grid, refits, rebuilds the chart data and the chart repaints. Prints the time of each change
// (the target is under 100 ms); it checks only that each change fitted.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "document/KelStrengthDoc.h"
#include "fitdialogs/FitDialog.h"
#include "res/resource.h"
#include "tests/support/ProgramHarness.h"

namespace {

const int kTests = 1000;

// 1000 points of y = f(x) with a small scatter.
template <class F>
void Fill(CStrengthCriterion& model, double lo, double hi, F f) {
  std::vector<double> x(kTests), y(kTests);
  for (int i = 0; i < kTests; ++i) {
    x[i] = lo + (hi - lo) * i / (kTests - 1.0);
    y[i] = f(x[i]) * (1.0 + 0.01 * ((i % 3) - 1));
  }
  model.SetLabData(kTests, x.data(), y.data());
  model.SetRockMassData(kTests, x.data(), y.data());
}

void TimeMethods(qxtest::CProgramHarness& program, UINT command, UINT templateId, const char* name) {
  program.OnDialog(templateId, [&](CDialog* d) {
    ::ShowWindow(d->m_hWnd, SW_SHOW);
    program.Pump();
    const int methods = static_cast<int>(::SendDlgItemMessageA(d->m_hWnd, IDC_FIT_METHOD, CB_GETCOUNT, 0, 0));
    for (int round = 0; round < 2; ++round) {
      for (int method = 0; method < methods; ++method) {
        LARGE_INTEGER start, end, frequency;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        qxtest::SelectComboItem(d, IDC_FIT_METHOD, method);
        ::UpdateWindow(d->m_hWnd);
        ::RedrawWindow(d->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::QueryPerformanceCounter(&end);
        const double ms = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
        std::printf("%-14s method %d: %7.1f ms\n", name, method, ms);
        char residual[64] = "";
        ::GetDlgItemTextA(d->m_hWnd, IDC_FIT_RESIDUALS, residual, sizeof residual);
        EXPECT_STRNE("-1.000", residual) << name << " " << method;
      }
    }
    qxtest::ClickButton(d, IDCANCEL);
  });
  ASSERT_TRUE(program.RunCommand(command));
}

}  // namespace

TEST(FitDialogTiming, ChangeOfMethodWithAThousandTests) {
  qxtest::CProgramHarness program("fit_timing");
  ASSERT_TRUE(program.Start());
  CKelStrengthDoc* doc = program.ActiveDocument();
  Fill(doc->m_hoekBrown, 0.5, 20.0, [](double s) { return s + 50.0 * std::sqrt(0.2 * s + 1.0); });
  TimeMethods(program, ID_ANALYSIS_USE_LAB_DATA, IDD_FIT_HOEK_BROWN, "Hoek-Brown");
  TimeMethods(program, ID_ANALYSIS_USE_ROCK_MASS_DATA, IDD_FIT_ROCK_MASS, "rock mass");
  doc->SetCriterion(CRITERION_MOHR_COULOMB);
  Fill(doc->m_mohrCoulomb, 0.0, 20.0, [](double s) { return 5.0 + 3.0 * s; });
  TimeMethods(program, ID_ANALYSIS_USE_LAB_DATA, IDD_FIT_MOHR_COULOMB, "Mohr-Coulomb");
  doc->SetCriterion(CRITERION_BARTON_BANDIS);
  Fill(doc->m_bartonBandis, 0.5, 10.0, [](double s) {
    return s * std::tan((30.0 + 8.0 * std::log10(50.0 / s)) * 3.14159265358979 / 180.0);
  });
  TimeMethods(program, ID_ANALYSIS_USE_LAB_DATA, IDD_FIT_BARTON_BANDIS, "Barton-Bandis");
  doc->SetCriterion(CRITERION_POWER_CURVE);
  doc->m_powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  Fill(doc->m_powerCurve, 0.2, 10.0, [](double s) { return 1.2 * std::pow(s + 0.3, 0.75); });
  TimeMethods(program, ID_ANALYSIS_USE_LAB_DATA, IDD_FIT_POWER_CURVE, "power curve");
  // Triaxial data: the tangent circles of the same curve.
  std::vector<double> x(kTests), y(kTests);
  for (int i = 0; i < kTests; ++i) {
    CPowerCurveCriterion::TangentCircle(1.2, 0.3, 0.75, 0.2 + 9.8 * i / (kTests - 1.0), &y[i], &x[i]);
    y[i] *= 1.0 + 0.01 * ((i % 3) - 1);
  }
  doc->m_powerCurve.SetDataType(DATA_TRIAXIAL);
  doc->m_powerCurve.SetLabData(kTests, x.data(), y.data());
  TimeMethods(program, ID_ANALYSIS_USE_LAB_DATA, IDD_FIT_POWER_CURVE, "power triaxial");
  EXPECT_EQ(program.Exit(), 0);
}
