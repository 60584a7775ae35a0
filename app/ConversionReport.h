// The verdict on the converter's result, and what is done with a result
// that fails it: a destination this run created is set aside under
// "<name>.incompleto", so a broken ISO never passes for a good one. Nothing
// is ever deleted.
#pragma once

#include <optional>
#include <string>

namespace app {

// True when anything, even a dangling link, holds that name.
bool PathTaken(const std::string& path);

// Renames `path` to "<path>.incompleto" (or ".incompleto.2" ... when taken),
// never replacing a file; the new name, or nothing when no rename worked.
std::optional<std::string> SetAsideIncomplete(const std::string& path);

// The line for the output box. `existedBefore`: the destination was there
// before the run, so it is the user's file and keeps its name.
std::string ReportOnResult(const std::string& destination, bool existedBefore);

}  // namespace app
