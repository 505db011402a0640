// Builds the filter text of the document manager's Open and Save As dialogs.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace docfilter {

struct TemplateFilter {
  std::string name;  // e.g. "Quarvex Files (*.kel)"
  std::string ext;   // e.g. ".kel"
};

struct Filter {
  std::string text;     // entries separated and ended by '\0'
  std::string defExt;   // without the leading point
  int filterIndex = 0;  // 1-based entry selected at start, 0 = none
  int customCount = 0;  // entries before the all-files entry
};

// selected: index of the caller's template, or -1 for every template.
// Extra filters are offered only when opening.
Filter Build(const std::vector<TemplateFilter>& templates, int selected,
             const std::vector<std::pair<std::string, std::string>>& extras, bool open,
             const std::string& allFilesText);

}  // namespace docfilter
