// What the window writes beside the converter's output, in Italian: the
// warnings about an image before the run and the verdict on the ISO after it.
#pragma once

#include <cstdint>
#include <string>

namespace app::texts {

// 358400 -> "358.400", the Italian way.
std::string GroupedNumber(std::uint64_t value);

std::string OverwriteQuestion(const std::string& fileName);

std::string WarningUnrecognised();
std::string WarningUnreadable();
std::string WarningNoDataTrack();
std::string WarningAudioTracks(std::size_t count);
std::string WarningMode2Tracks(std::size_t count);
std::string WarningDataOffset(std::uint64_t offset, std::uint64_t expected);

std::string IsoValid(std::uint64_t size, const std::string& label);
std::string IsoMissing();
std::string IsoUnreadable();
std::string IsoNotIso9660();
std::string IsoTruncated(std::uint64_t size, std::uint64_t declared);
std::string IsoSetAside(const std::string& newName);
std::string IsoNotSetAside(const std::string& newName);

}  // namespace app::texts
