#include "fit_test_support.h"

#include <cstdio>
#include <filesystem>

std::vector<FitRowText> RowsOf(const std::vector<double>& x, const std::vector<double>& y) {
  std::vector<FitRowText> rows;
  for (size_t i = 0; i < x.size() && i < y.size(); ++i) {
    CString a, b;
    a.Format("%.17g", x[i]);
    b.Format("%.17g", y[i]);
    rows.push_back({a, b});
  }
  return rows;
}

std::vector<FitRowText> TextRows(std::initializer_list<std::pair<const char*, const char*>> rows) {
  std::vector<FitRowText> out;
  for (const auto& row : rows) out.push_back({row.first, row.second});
  return out;
}

RecomputeResult RecomputeRows(CFitSession& session, const std::vector<FitRowText>& rows) {
  session.SetTestCount(static_cast<long long>(rows.size()));
  return session.Recompute(rows);
}

std::string ScratchFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::current_path() / ("scratch-fit-" + name);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder);
  return folder.string();
}

std::string WriteScratchFile(const std::string& folder, const std::string& name,
                             const std::string& bytes) {
  const std::string path = (std::filesystem::path(folder) / name).string();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}
