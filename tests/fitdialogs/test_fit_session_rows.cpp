// What every fit session does with the grid: rows, counts, the status line, paste and the cap.
#include <gtest/gtest.h>

#include "core/criteria/HoekBrownCriterion.h"
#include "fit_test_support.h"
#include "fitdialogs/logic/HoekBrownFitSession.h"

TEST(FitSessionRows, ClipboardLines) {
  EXPECT_EQ(2, CountClipboardLines("a\tb\r\nc\td"));
  EXPECT_EQ(2, CountClipboardLines("a\tb\r\nc\td\r\n"));
  EXPECT_EQ(1, CountClipboardLines("5"));
  EXPECT_EQ(3, CountClipboardLines("\n\n\n"));
  EXPECT_EQ(0, CountClipboardLines(""));
  EXPECT_EQ(0, CountClipboardLines(nullptr));
  EXPECT_EQ(1, CountClipboardLines("1\t2\n\0" "3\t4\n"));  // up to the first NUL
}

TEST(FitSessionRows, PasteGrowsTheGridOnlyPastItsEnd) {
  CHoekBrownCriterion model;
  CHoekBrownFitSession session(model);
  session.SetTestCount(4);
  // Focus in row 3 of 4 tests, three lines: rows 3 to 5, so 5 tests.
  PastePlan plan = session.PlanPaste(3, 3);
  EXPECT_EQ(PastePlan::AT_FOCUS, plan.kind);
  EXPECT_EQ(5, plan.tests);
  // Row 2: rows 2 to 4 fit.
  EXPECT_EQ(4, session.PlanPaste(3, 2).tests);
  EXPECT_EQ(4, session.PlanPaste(3, 1).tests);
  // The first and the last data rows are focus rows too: two lines at row 4 make 5 tests, one
  // line there still fits; row 5 (past the last test) is not a data row.
  EXPECT_EQ(PastePlan::AT_FOCUS, session.PlanPaste(3, 1).kind);
  plan = session.PlanPaste(2, 4);
  EXPECT_EQ(PastePlan::AT_FOCUS, plan.kind);
  EXPECT_EQ(5, plan.tests);
  EXPECT_EQ(0, plan.leftOut);
  plan = session.PlanPaste(1, 4);
  EXPECT_EQ(PastePlan::AT_FOCUS, plan.kind);
  EXPECT_EQ(4, plan.tests);
  plan = session.PlanPaste(2, 5);
  EXPECT_EQ(PastePlan::EDIT_PASTE, plan.kind);
  EXPECT_EQ(4, plan.tests);
  // No focus cell among the data rows: the grid's own paste, no growth.
  plan = session.PlanPaste(30, -1);
  EXPECT_EQ(PastePlan::EDIT_PASTE, plan.kind);
  EXPECT_EQ(4, plan.tests);
  EXPECT_EQ(PastePlan::EDIT_PASTE, session.PlanPaste(3, 0).kind);
  EXPECT_EQ(PastePlan::NOTHING, session.PlanPaste(0, 2).kind);
  // No tests yet: as many tests as lines.
  session.SetTestCount(0);
  plan = session.PlanPaste(7, -1);
  EXPECT_EQ(PastePlan::EDIT_PASTE, plan.kind);
  EXPECT_EQ(7, plan.tests);
}

TEST(FitSessionRows, TestsAreCappedEverywhere) {
  CHoekBrownCriterion model;
  CHoekBrownFitSession session(model);
  EXPECT_EQ(0, session.SetTestCount(kMaxFitTests));
  EXPECT_EQ(kMaxFitTests, session.TestCount());
  EXPECT_EQ(1999990000, session.SetTestCount(2000000000LL));
  EXPECT_EQ(kMaxFitTests, session.TestCount());
  EXPECT_EQ(0, session.SetTestCount(-5));
  EXPECT_EQ(0, session.TestCount());
  // A huge paste.
  PastePlan plan = session.PlanPaste(25000, -1);
  EXPECT_EQ(kMaxFitTests, plan.tests);
  EXPECT_EQ(15000, plan.leftOut);
  session.SetTestCount(kMaxFitTests);
  plan = session.PlanPaste(5, kMaxFitTests - 1);
  EXPECT_EQ(kMaxFitTests, plan.tests);
  EXPECT_EQ(3, plan.leftOut);
  // A model holding more points than the cap (from a project file).
  std::vector<double> x(kMaxFitTests + 7), y(kMaxFitTests + 7);
  for (size_t i = 0; i < x.size(); ++i) {
    x[i] = static_cast<double>(i);
    y[i] = 3.0 * static_cast<double>(i) + 10.0;
  }
  model.SetLabData(static_cast<int>(x.size()), x.data(), y.data());
  std::vector<FitRowText> rows;
  EXPECT_EQ(7, session.RowsFromModel(&rows));
  EXPECT_EQ(kMaxFitTests, session.TestCount());
  EXPECT_EQ(static_cast<size_t>(kMaxFitTests), rows.size());
}

TEST(FitSessionRows, GridRowsOfTheModelReadBackExactly) {
  CHoekBrownCriterion model;
  const double x[2] = {1.23456789, 0.1}, y[2] = {101325.5, 40.0};
  model.SetLabData(2, x, y);
  CHoekBrownFitSession session(model);
  std::vector<FitRowText> rows;
  EXPECT_EQ(0, session.RowsFromModel(&rows));
  ASSERT_EQ(2u, rows.size());
  EXPECT_STREQ("40", rows[1].y);
  session.Recompute(rows);
  double back[2], backY[2];
  ASSERT_EQ(2, model.GetLabData(back, backY));
  EXPECT_EQ(1.23456789, back[0]);
  EXPECT_EQ(101325.5, backY[0]);
  EXPECT_STREQ(" # ", session.Heading(0));
  EXPECT_STREQ("sig3 (MPa)", session.Heading(1));
  EXPECT_STREQ("sig1 (MPa)", session.Heading(2));
  EXPECT_STREQ("MPa", session.UnitLabel());
}

TEST(FitSessionRows, InvertedRowsAreReportedAtTheirGridRow) {
  CHoekBrownCriterion model;
  CHoekBrownFitSession session(model);
  // Row 2 does not parse; row 3 has sig3 > sig1; row 4 has equal values (allowed).
  const auto rows = TextRows({{"1", "10"}, {"abc", "5"}, {"6", "5"}, {"5", "5"}, {"9", "2"}});
  const RecomputeResult r = RecomputeRows(session, rows);
  EXPECT_EQ(2, r.invertedRows);
  EXPECT_STREQ(
      " Data contains 2 errors: sig3 cannot be greater than sig1. Errors start with row 3. \n To "
      "compute data correct errors, or else press cancel",
      session.StatusText());
  // The kept rows go into the model all the same, and remember their grid rows.
  EXPECT_EQ(4, model.GetLabCount());
  EXPECT_EQ((std::vector<int>{1, 3, 4, 5}), session.PointRows());
  // Nothing was fitted or plotted.
  EXPECT_TRUE(session.Plot().IsEmpty());
  const ApplyResult apply = session.Apply(rows);
  EXPECT_EQ(ApplyResult::INPUT_ERROR, apply.kind);
  EXPECT_EQ(3, apply.gridRow);
  EXPECT_STREQ(
      "Error: sig3 cannot be greater than sig1.\nResults will be invalid. Please check your data.",
      apply.message);
  // A single kept row that is inverted is found too.
  const auto single = TextRows({{"abc", "1"}, {"6", "5"}});
  EXPECT_EQ(2, session.Apply(single).gridRow);
  // Fixed rows: the status line empties and the fit runs.
  const auto good = TextRows({{"1", "10"}, {"abc", "5"}, {"5", "50"}, {"5", "5"}, {"9", "80"}});
  EXPECT_EQ(0, RecomputeRows(session, good).invertedRows);
  EXPECT_TRUE(session.StatusText().IsEmpty());
  EXPECT_FALSE(session.Plot().IsEmpty());
}

TEST(FitSessionRows, FirstInvertedPair) {
  const double x[4] = {1, 5, 7, 2}, y[4] = {2, 5, 6, 1};
  int index = -1;
  EXPECT_FALSE(FindFirstInvertedRow(4, x, y, &index));
  EXPECT_EQ(2, index);
  EXPECT_TRUE(FindFirstInvertedRow(2, x, y, &index));
  EXPECT_TRUE(FindFirstInvertedRow(0, nullptr, nullptr, &index));
}
