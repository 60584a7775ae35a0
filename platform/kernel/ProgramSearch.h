// Finding a program by name in a list of folders.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace win32 {

// The folders of PATH, in order, without empty entries.
std::vector<std::string> PathFolders();

// The first executable regular file among folder/name + suffix, trying every
// suffix in a folder before the next folder. A name holding '/' is looked up
// as given (relative to the current folder), without a search.
std::optional<std::string> FindProgram(const std::string& name, const std::vector<std::string>& folders,
                                       const std::vector<std::string>& suffixes);

// Where the layer's own programs (the "cmd" interpreter) are installed, the
// search's "system folder": beside the running program unless set. The
// program reads no environment variable of its own to find it.
std::string SystemFolder();
void SetSystemFolder(std::string folder);  // empty restores the default

}  // namespace win32
