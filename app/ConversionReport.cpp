#include "app/ConversionReport.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "app/ConversionTexts.h"
#include "app/IsoCheck.h"

namespace app {
namespace {

constexpr int kMaxSetAsideNames = 9;

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without that flag: a new link fails rather than replace.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string VerdictLine(const IsoVerdict& verdict) {
    switch (verdict.kind) {
        case IsoVerdict::Kind::Valid: return texts::IsoValid(verdict.fileSize, verdict.label);
        case IsoVerdict::Kind::Missing: return texts::IsoMissing();
        case IsoVerdict::Kind::Unreadable: return texts::IsoUnreadable();
        case IsoVerdict::Kind::NotIso9660: return texts::IsoNotIso9660();
        case IsoVerdict::Kind::Truncated: return texts::IsoTruncated(verdict.fileSize, verdict.volumeSize);
    }
    return {};
}

}  // namespace

bool PathTaken(const std::string& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

std::optional<std::string> SetAsideIncomplete(const std::string& path) {
    for (int n = 1; n <= kMaxSetAsideNames; ++n) {
        const std::string name = path + ".incompleto" + (n == 1 ? "" : "." + std::to_string(n));
        if (RenameWithoutReplacing(path, name)) return name;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

std::string ReportOnResult(const std::string& destination, bool existedBefore) {
    const IsoVerdict verdict = CheckIso(destination);
    std::string line = VerdictLine(verdict);
    const bool setAside =
        verdict.kind != IsoVerdict::Kind::Valid && verdict.kind != IsoVerdict::Kind::Missing;
    if (!setAside || existedBefore) return line;
    if (const auto name = SetAsideIncomplete(destination)) return line + texts::IsoSetAside(FileName(*name));
    return line + texts::IsoNotSetAside(FileName(destination + ".incompleto"));
}

}  // namespace app
