// NRG images made in the test: an ISO 9660 image from genisoimage behind a
// 307,200-byte header of zeros, which is what the converter strips.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fixture {

std::vector<unsigned char> ReadFile(const std::filesystem::path& path);

// Makes `iso` from a small folder of made-up files, then `nrg` from it.
void MakeNrg(const std::filesystem::path& iso, const std::filesystem::path& nrg);

// A fresh folder under the temporary folder, removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace fixture
