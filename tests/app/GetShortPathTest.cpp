#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/modApiCommonDialog.h"

namespace app {
namespace {

namespace fs = std::filesystem;

TEST(GetShortPath, ExistingPathsComeBackWhateverTheirLength) {
    const fs::path root = fs::temp_directory_path() / ("corvalmire-shortpath-" + std::to_string(::getpid()));
    fs::path folder = root;
    fs::create_directories(folder);
    // Lengths around the 164-character buffer, and far beyond it.
    for (int i = 0; i < 6; ++i) {
        folder /= std::string(50, static_cast<char>('a' + i));
        fs::create_directories(folder);
        const std::string file = (folder / "disk image.nrg").string();
        std::ofstream(file) << "x";
        EXPECT_EQ(GetShortPath(file), file) << file.size();
    }
    const std::string exactly163 = (root / std::string(163 - root.string().size() - 1, 'n')).string();
    const std::string exactly164 = exactly163 + "m";
    std::ofstream(exactly163) << "x";
    std::ofstream(exactly164) << "x";
    EXPECT_EQ(GetShortPath(exactly163), exactly163);
    EXPECT_EQ(GetShortPath(exactly164), exactly164);

    EXPECT_EQ(GetShortPath((root / "missing.nrg").string()), "");
    EXPECT_EQ(GetShortPath(""), "");
    fs::remove_all(root);
}

}  // namespace
}  // namespace app
