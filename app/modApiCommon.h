// Path and file-dialog filter helpers. Paths are native: the folder separator
// is '/', and a second character ':' still counts as a drive.
#pragma once

#include <string>

namespace app {

// The folder separator the helpers add and look for.
constexpr char kPathSeparator = '/';

// filter + description + NUL + pattern + NUL.
std::string AddFileFilter(const std::string& filter, const std::string& description,
                          const std::string& pattern = "*.*");
// The text before the first NUL, or the whole text.
std::string StripNulls(const std::string& text);
// Adds the separator unless the path is empty or already ends with one.
std::string AddBackslash(const std::string& path);

struct PathParts {
    std::string drive;
    std::string folder;
    std::string baseName;
    std::string extension;
    friend bool operator==(const PathParts&, const PathParts&) = default;
};

// Splits into drive, folder, base name and extension. A last component
// without an extension counts as a folder.
void SplitPath(const std::string& path, std::string& drive, std::string& folder, std::string& baseName,
               std::string& extension);
PathParts SplitPath(const std::string& path);

// AddBackslash(drive + folder).
std::string GetPathFolder(const std::string& path);
// Base name + extension.
std::string GetPathFileName(const std::string& path);

}  // namespace app
