// File dialogs and the short form of a path.
#pragma once

#include <string>

namespace app {

// The short form of an existing path (on volumes without 8.3 names, the path
// itself); empty text when the path does not exist.
std::string GetShortPath(const std::string& path);

}  // namespace app
