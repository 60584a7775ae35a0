#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/kernel/LastError.h"
#include "platform/kernel/ShortPath.h"
#include "platform/kernel/Version.h"

namespace win32 {
namespace {

class ShortPath : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("corvalmire-short-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        file_ = (folder_ / "Long File Name.nrg").string();
        std::ofstream(file_) << "x";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string file_;
};

TEST_F(ShortPath, AnExistingPathIsItsOwnShortForm) {
    char buffer[512];
    EXPECT_EQ(GetShortPathNameA(file_.c_str(), buffer, sizeof buffer), file_.size());
    EXPECT_STREQ(buffer, file_.c_str());
    const std::string folder = folder_.string() + "/";
    EXPECT_EQ(GetShortPathNameA(folder.c_str(), buffer, sizeof buffer), folder.size());
    EXPECT_STREQ(buffer, folder.c_str());
    // Wildcards, a line break, a leading '-' and bytes that are not UTF-8
    // are ordinary characters of a Linux name.
    for (const char* name : {"a?b*c.nrg", "two\nlines.nrg", "-x.nrg", "bad\xFF\xFE.nrg"}) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path) << "x";
        EXPECT_EQ(GetShortPathNameA(path.c_str(), buffer, sizeof buffer), path.size()) << name;
        EXPECT_EQ(std::string(buffer), path) << name;
    }
}

TEST_F(ShortPath, TooSmallABufferAsksForTheSizeWithTheNul) {
    const auto length = static_cast<DWORD>(file_.size());
    char buffer[512];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(GetShortPathNameA(file_.c_str(), buffer, length), length + 1);
    EXPECT_EQ(buffer[0], '#') << "the buffer stays untouched";
    EXPECT_EQ(GetShortPathNameA(file_.c_str(), nullptr, 0), length + 1);
    EXPECT_EQ(GetShortPathNameA(file_.c_str(), buffer, length + 1), length);
    EXPECT_STREQ(buffer, file_.c_str());
}

TEST_F(ShortPath, MissingPathsGiveZeroAndTheRightError) {
    struct Case {
        std::string path;
        DWORD error;
    };
    const Case cases[] = {
        {(folder_ / "missing.nrg").string(), ERROR_FILE_NOT_FOUND},
        {(folder_ / "no-dir" / "missing.nrg").string(), ERROR_PATH_NOT_FOUND},
        {file_ + "/below-a-file", ERROR_PATH_NOT_FOUND},
        {(folder_ / "*.nrg").string(), ERROR_FILE_NOT_FOUND},  // no pattern: a name like any other
    };
    for (const auto& c : cases) {
        char buffer[512] = "unchanged";
        SetLastError(0);
        EXPECT_EQ(GetShortPathNameA(c.path.c_str(), buffer, sizeof buffer), 0u) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
    }
}

TEST(Version, ReportsWindowsXpForBothRecordSizes) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwMajorVersion, 5u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_EQ(info.dwBuildNumber, 2600u);
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);

    OSVERSIONINFOEXA ex{};
    ex.dwOSVersionInfoSize = sizeof ex;
    ASSERT_TRUE(GetVersionExA(&ex));
    EXPECT_EQ(ex.dwMajorVersion, 5u);
    EXPECT_EQ(ex.wServicePackMajor, 3u);
    EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);
    EXPECT_STREQ(ex.szCSDVersion, "Service Pack 3");
}

TEST(Version, OtherRecordSizesFail) {
    for (const DWORD size : {0u, 74u, 147u, 296u}) {
        OSVERSIONINFOEXA info{};
        info.dwOSVersionInfoSize = size;
        SetLastError(0);
        EXPECT_FALSE(GetVersionExA(&info)) << size;
        EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER) << size;
        EXPECT_EQ(info.dwMajorVersion, 0u);
    }
}

}  // namespace
}  // namespace win32
