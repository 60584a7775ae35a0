// Quoting a path for a command line the started program splits by the
// Windows rules.
#pragma once

#include <string>

namespace app {

// A path holding a blank, a tab or a double quote would split into several
// arguments: it gets the Windows quoting. Any other path stays as it is.
std::string QuoteForCommandLine(const std::string& path);

}  // namespace app
