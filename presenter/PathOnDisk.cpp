#include "presenter/PathOnDisk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QStringList>
#include <optional>

namespace presenter {
namespace {

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

// The name of the one entry of `folder` that shows as `shown`.
std::optional<std::string> EntryShownAs(const std::string& folder, const QString& shown) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return std::nullopt;
    std::optional<std::string> found;
    int matches = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (QString::fromUtf8(entry->d_name) != shown) continue;
        found = entry->d_name;
        ++matches;
    }
    ::closedir(listing);
    return matches == 1 ? found : std::nullopt;
}

}  // namespace

bool ExistsOnDisk(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string PathOnDisk(const QString& shown) {
    const std::string written = shown.toUtf8().toStdString();
    if (ExistsOnDisk(written)) return written;
    std::string path = shown.startsWith('/') ? "/" : "";
    for (const QString& part : shown.split('/', Qt::SkipEmptyParts)) {
        std::string next = Join(path, part.toUtf8().toStdString());
        if (!ExistsOnDisk(next)) {
            if (const auto entry = EntryShownAs(path, part)) next = Join(path, *entry);
        }
        path = std::move(next);
    }
    return path;
}

}  // namespace presenter
