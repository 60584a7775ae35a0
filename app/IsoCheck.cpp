#include "app/IsoCheck.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace app {
namespace {

constexpr std::uint64_t kDescriptorOffset = 16 * 2048;
using Descriptor = std::array<unsigned char, 2048>;

// ISO 9660 writes numbers twice, little-endian then big-endian; the two
// halves must agree.
bool BothEndian(const Descriptor& d, std::size_t at, int bytes, std::uint64_t& value) {
    std::uint64_t little = 0, big = 0;
    for (int i = 0; i < bytes; ++i) {
        little |= std::uint64_t{d[at + i]} << (8 * i);
        big = (big << 8) | d[at + bytes + i];
    }
    value = little;
    return little == big;
}

// Volume identifiers are plain ASCII; anything else is shown as '?'.
std::string Label(const Descriptor& d) {
    std::string label(reinterpret_cast<const char*>(&d[40]), 32);
    while (!label.empty() && (label.back() == ' ' || label.back() == '\0')) label.pop_back();
    for (char& c : label) {
        if (c < 0x20 || c > 0x7E) c = '?';
    }
    return label;
}

bool ReadDescriptor(const Descriptor& d, IsoVerdict& verdict) {
    if (d[0] != 1 || std::memcmp(&d[1], "CD001", 5) != 0 || d[6] != 1) return false;
    std::uint64_t blocks = 0, blockSize = 0;
    if (!BothEndian(d, 80, 4, blocks) || !BothEndian(d, 128, 2, blockSize)) return false;
    if (blockSize != 512 && blockSize != 1024 && blockSize != 2048) return false;
    verdict.volumeSize = blocks * blockSize;
    verdict.label = Label(d);
    return true;
}

}  // namespace

IsoVerdict CheckIso(const std::string& path) {
    IsoVerdict verdict;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return verdict;
    verdict.fileSize = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) {
        verdict.kind = IsoVerdict::Kind::Unreadable;
        return verdict;
    }
    Descriptor descriptor{};
    file.seekg(static_cast<std::streamoff>(kDescriptorOffset));
    file.read(reinterpret_cast<char*>(descriptor.data()), descriptor.size());
    if (file.gcount() != static_cast<std::streamsize>(descriptor.size()) ||
        !ReadDescriptor(descriptor, verdict)) {
        verdict.kind = IsoVerdict::Kind::NotIso9660;
    } else {
        verdict.kind =
            verdict.fileSize < verdict.volumeSize ? IsoVerdict::Kind::Truncated : IsoVerdict::Kind::Valid;
    }
    return verdict;
}

}  // namespace app
