// NRG images made in the test: an ISO 9660 image from genisoimage behind a
// 307,200-byte header of zeros, which is what the converter strips; or the
// same with the chunks and footer a real disc-at-once image ends with.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fixture {

std::vector<unsigned char> ReadFile(const std::filesystem::path& path);

// Makes `iso` from a small folder of made-up files, then `nrg` from it.
void MakeNrg(const std::filesystem::path& iso, const std::filesystem::path& nrg);
// The same ISO, with that volume label, in an NRG with a "NER5" footer.
void MakeNeroImage(const std::filesystem::path& iso, const std::filesystem::path& nrg,
                   const std::string& label);

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
