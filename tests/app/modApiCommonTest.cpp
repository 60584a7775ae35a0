#include <gtest/gtest.h>

#include "app/modApiCommon.h"

namespace app {
namespace {

using namespace std::string_literals;

TEST(modApiCommon, SplitPath) {
    struct Case {
        const char* path;
        PathParts parts;  // drive, folder, base name, extension
        const char* why;
    };
    const Case cases[] = {
        {"C:/IMG/DISK.NRG", {"C:", "/IMG/", "DISK", ".NRG"}, "drive, folder, name, extension"},
        {"DISK.NRG", {"", "", "DISK", ".NRG"}, "name only"},
        {"C:/IMG/DISK", {"C:", "/IMG/DISK", "", ""}, "last component without extension is a folder"},
        {"/home/u/A.B.C", {"", "/home/u/", "A.B", ".C"}, "only the last dot makes the extension"},
        {"/home/u/img/", {"", "/home/u/img/", "", ""}, "a trailing separator is passed over"},
        {"/home/u/disk.", {"", "/home/u/disk", "", ""}, "a final dot is cut and makes no extension"},
        {"/home/u/a.b.", {"", "/home/u/", "a.b", ""}, "a name left with a dot stays a file"},
        {"/home/u.v/disk", {"", "/home/u.v/disk", "", ""}, "a dot in a folder is no extension"},
        {"/tmp/.hidden", {"", "/tmp/", "", ".hidden"}, "a hidden file keeps its folder"},
        {"/tmp/.hidden.nrg", {"", "/tmp/", ".hidden", ".nrg"}, "a hidden file with an extension"},
        {"", {"", "", "", ""}, "empty"},
        {"C:", {"C:", "", "", ""}, "drive only"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitPath(c.path), c.parts) << c.why << ": " << c.path;
        std::string drive = "x", folder = "x", base = "x", extension = "x";
        SplitPath(c.path, drive, folder, base, extension);
        EXPECT_EQ((PathParts{drive, folder, base, extension}), c.parts) << c.path;
    }
}

TEST(modApiCommon, GetPathFolderAndFileName) {
    struct Case {
        const char* path;
        const char* folder;
        const char* fileName;
    };
    const Case cases[] = {
        {"C:/IMG/DISK.NRG", "C:/IMG/", "DISK.NRG"},
        {"DISK.NRG", "", "DISK.NRG"},
        {"C:/IMG/", "C:/IMG/", ""},
        {"/home/u/my disk.nrg", "/home/u/", "my disk.nrg"},
        {"/home/u/img", "/home/u/img/", ""},
        {"/home/u/.disk", "/home/u/", ".disk"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetPathFolder(c.path), c.folder) << c.path;
        EXPECT_EQ(GetPathFileName(c.path), c.fileName) << c.path;
    }
}

TEST(modApiCommon, AddBackslash) {
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("C:/IMG"), "C:/IMG/");
    EXPECT_EQ(AddBackslash("C:/IMG/"), "C:/IMG/");
    EXPECT_EQ(AddBackslash("/"), "/");
}

TEST(modApiCommon, AddFileFilterAndStripNulls) {
    EXPECT_EQ(AddFileFilter("", "Nero files (*.nrg)", "*.nrg"), "Nero files (*.nrg)\0*.nrg\0"s);
    EXPECT_EQ(AddFileFilter("", "All files"), "All files\0*.*\0"s);
    EXPECT_EQ(AddFileFilter(AddFileFilter("", "A", "*.a"), "B", "*.b"), "A\0*.a\0B\0*.b\0"s);
    EXPECT_EQ(StripNulls("/tmp/disk.nrg\0\0\0junk"s), "/tmp/disk.nrg");
    EXPECT_EQ(StripNulls("no nulls"), "no nulls");
    EXPECT_EQ(StripNulls("\0starts"s), "");
}

}  // namespace
}  // namespace app
