#include "app/modApiCommon.h"

namespace app {

std::string AddFileFilter(const std::string& filter, const std::string& description,
                          const std::string& pattern) {
    std::string result = filter;
    result += description;
    result += '\0';
    result += pattern;
    result += '\0';
    return result;
}

std::string StripNulls(const std::string& text) { return text.substr(0, text.find('\0')); }

std::string AddBackslash(const std::string& path) {
    if (path.empty() || path.back() == kPathSeparator) return path;
    return path + kPathSeparator;
}

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    std::string rest = path;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        rest = path.substr(2);
    }
    bool foundSeparator = false;
    bool extensionTaken = false;
    // Only a separator at the very end of the path is passed over; one left
    // last by cutting off the extension still ends the scan, so "/tmp/.hidden"
    // is the file ".hidden" in "/tmp/".
    const std::size_t fullSize = rest.size();
    for (std::size_t i = rest.size(); i-- > 0;) {
        if (rest[i] == '.' && !extensionTaken) {
            if (i + 1 < rest.size()) parts.extension = rest.substr(i);
            rest.resize(i);
            extensionTaken = true;
        } else if (rest[i] == kPathSeparator && i + 1 < fullSize) {
            parts.baseName = rest.substr(i + 1);
            parts.folder = rest.substr(0, i + 1);
            foundSeparator = true;
            break;
        }
    }
    if (!foundSeparator) parts.baseName = rest;
    // A last component without an extension counts as a folder.
    if (parts.extension.empty() && !parts.baseName.empty() && parts.baseName.find('.') == std::string::npos) {
        parts.folder += parts.baseName;
        parts.baseName.clear();
    }
    return parts;
}

void SplitPath(const std::string& path, std::string& drive, std::string& folder, std::string& baseName,
               std::string& extension) {
    PathParts parts = SplitPath(path);
    drive = std::move(parts.drive);
    folder = std::move(parts.folder);
    baseName = std::move(parts.baseName);
    extension = std::move(parts.extension);
}

std::string GetPathFolder(const std::string& path) {
    const PathParts parts = SplitPath(path);
    return AddBackslash(parts.drive + parts.folder);
}

std::string GetPathFileName(const std::string& path) {
    const PathParts parts = SplitPath(path);
    return parts.baseName + parts.extension;
}

}  // namespace app
