// Helpers of the fit-session tests: grid rows from numbers, exact data of known curves, and
// scratch files.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "fitdialogs/logic/FitSession.h"

// Grid rows holding the given pairs as text ("%.17g").
std::vector<FitRowText> RowsOf(const std::vector<double>& x, const std::vector<double>& y);
std::vector<FitRowText> TextRows(std::initializer_list<std::pair<const char*, const char*>> rows);

// Applies one test to a session over a model whose range was Tunnels, and gives the range's
// application afterwards: one test is enough for Apply to write a custom range.
template <class Session, class Model>
int ApplicationAfterApplyingOneTest(Model& model, const char* x, const char* y) {
  model.SetEnvelopeRange(APPLICATION_TUNNELS, 0.0, 0.026, 40.0);
  Session session(model);
  session.SetTestCount(1);
  if (session.Apply(TextRows({{x, y}})).kind != ApplyResult::APPLIED) return -2;
  int application = -1;
  model.GetEnvelopeRange(&application, nullptr, nullptr, nullptr);
  return application;
}

// Sets the session's test count to the rows' count and recomputes.
RecomputeResult RecomputeRows(CFitSession& session, const std::vector<FitRowText>& rows);

// A fresh empty folder below the working folder, and a file written into it.
std::string ScratchFolder(const std::string& name);
std::string WriteScratchFile(const std::string& folder, const std::string& name,
                             const std::string& bytes);
