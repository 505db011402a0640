#include "shell/RecentFoldersLogic.h"

#include <cctype>

namespace recentfolders {

static bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string FolderOf(const std::string& fullPath) {
  size_t slash = fullPath.find_last_of('\\');
  return slash == std::string::npos ? std::string() : fullPath.substr(0, slash + 1);
}

bool DisplayName(const std::string& entry, const std::string& refFolder, int maxDisplayLength,
                 std::string& name) {
  name.clear();
  if (entry.empty()) return false;
  bool folderEntry = entry.back() == '\\';
  std::string folder = FolderOf(entry);
  std::string rest = entry.substr(folder.size());
  if (!folderEntry && EqualNoCase(folder, refFolder))
    name = rest;
  else if (maxDisplayLength == -1)
    name = entry;
  else
    name = folder + rest;
  return true;
}

}  // namespace recentfolders
