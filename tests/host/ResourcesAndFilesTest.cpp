#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/Files.h"
#include "host/Resources.h"
#include "host/RuntimeError.h"
#include "resources/Resources.h"

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("host-files-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST(Resources, TypeMatchesWithoutRegardToCaseAndHoldsTheInstalledConverter) {
    host::AddResources(corvalmire::EmbeddedResources());
    const auto lower = host::LoadResData(101, "files");
    const auto upper = host::LoadResData(101, "FILES");
    EXPECT_EQ(lower, upper);
    // The embedded bytes are the converter found on the build machine.
    EXPECT_EQ(lower, ReadAll(fs::canonical("/usr/bin/nrg2iso")));
    ASSERT_GE(lower.size(), 4u);
    EXPECT_EQ(lower[0], 0x7f);
}

TEST(Resources, MissingResourceRaisesResourceNotFound) {
    host::AddResources(corvalmire::EmbeddedResources());
    for (const auto& [id, type] : {std::pair{999, "FILES"}, std::pair{101, "ICON"}, std::pair{101, "FILE"}}) {
        try {
            host::LoadResData(id, type);
            ADD_FAILURE() << id << " " << type;
        } catch (const host::RuntimeError& e) {
            EXPECT_EQ(e.Number(), host::errResourceNotFound);
        }
    }
}

TEST_F(TempFolder, WritingReplacesContentAndMarksExeFilesRunnable) {
    const std::string exe = (folder_ / "tool.exe").string();
    const std::string data = (folder_ / "data.bin").string();
    const std::vector<unsigned char> bytes{0, 1, 2, 255, 0};
    host::WriteBinaryFile(exe, bytes);
    host::WriteBinaryFile(data, bytes);
    EXPECT_EQ(ReadAll(exe), bytes);
    EXPECT_EQ(::access(exe.c_str(), X_OK), 0);
    EXPECT_NE(::access(data.c_str(), X_OK), 0);
    EXPECT_TRUE(host::FileExists(exe));
    EXPECT_FALSE(host::FileExists(folder_.string()));  // a folder is no file

    host::Kill(exe);
    EXPECT_FALSE(host::FileExists(exe));
    try {
        host::Kill(exe);
        ADD_FAILURE() << "deleting a missing file must fail";
    } catch (const host::RuntimeError& e) {
        EXPECT_EQ(e.Number(), host::errFileNotFound);
    }
}

TEST_F(TempFolder, WritingNeverFollowsALinkPlantedUnderTheName) {
    // A dangling link, and one to an existing file: neither target is written.
    const fs::path elsewhere = folder_ / "elsewhere.exe";
    const fs::path existing = folder_ / "existing.bin";
    host::WriteBinaryFile(existing.string(), std::vector<unsigned char>{7});
    fs::create_symlink(elsewhere, folder_ / "dangling.exe");
    fs::create_symlink(existing, folder_ / "linked.exe");
    for (const char* name : {"dangling.exe", "linked.exe"}) {
        try {
            host::WriteBinaryFile((folder_ / name).string(), std::vector<unsigned char>{1, 2});
            ADD_FAILURE() << name;
        } catch (const host::RuntimeError& e) {
            EXPECT_EQ(e.Number(), host::errPathFileAccess);
        }
    }
    EXPECT_FALSE(fs::exists(elsewhere));
    EXPECT_EQ(ReadAll(existing.string()), std::vector<unsigned char>{7});
}

TEST_F(TempFolder, UnwritableTargetsRaisePathFileAccess) {
    // A missing folder, and a folder standing where the file should be:
    // both fail for any user, root included.
    fs::create_directory(folder_ / "taken.exe");
    for (const auto& target : {folder_ / "missing" / "x.exe", folder_ / "taken.exe"}) {
        try {
            host::WriteBinaryFile(target.string(), std::vector<unsigned char>{1});
            ADD_FAILURE() << target;
        } catch (const host::RuntimeError& e) {
            EXPECT_EQ(e.Number(), host::errPathFileAccess);
        }
    }
}

}  // namespace
