// Window-free rules of the recent-folder menu items.
#pragma once

#include <string>

namespace recentfolders {

// The name shown for an entry; false for an empty entry. refFolder is the
// current directory with a trailing backslash. A folder entry (ending in a
// backslash) always shows its path, never an empty name.
bool DisplayName(const std::string& entry, const std::string& refFolder, int maxDisplayLength,
                 std::string& name);

// The folder of a full path, up to and including its last backslash.
std::string FolderOf(const std::string& fullPath);

}  // namespace recentfolders
