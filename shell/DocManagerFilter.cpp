#include "shell/DocManagerFilter.h"

namespace docfilter {

static void AddEntry(Filter& f, const std::string& name, const std::string& pattern) {
  f.text += name;
  f.text.push_back('\0');
  f.text += pattern;
  f.text.push_back('\0');
}

static void AddTemplate(Filter& f, const TemplateFilter& t, bool setsDefault) {
  if (t.name.empty() || t.ext.empty()) return;
  if (setsDefault) {
    f.defExt = t.ext[0] == '.' ? t.ext.substr(1) : t.ext;
    f.filterIndex = f.customCount + 1;
  }
  AddEntry(f, t.name, "*" + t.ext);
  ++f.customCount;
}

Filter Build(const std::vector<TemplateFilter>& templates, int selected,
             const std::vector<std::pair<std::string, std::string>>& extras, bool open,
             const std::string& allFilesText) {
  Filter f;
  if (selected >= 0 && selected < static_cast<int>(templates.size())) {
    AddTemplate(f, templates[selected], true);
  } else {
    for (const auto& t : templates) AddTemplate(f, t, f.filterIndex == 0);
  }
  if (open) {
    for (const auto& e : extras) {
      AddEntry(f, e.first, e.second);
      ++f.customCount;
    }
  }
  AddEntry(f, allFilesText, "*.*");
  return f;
}

}  // namespace docfilter
