#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/FileLease.h"
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

TEST_F(TempFolder, AFifoUnderTheNameIsNeverOpened) {
    // Opening a FIFO for writing would wait for a reader for ever.
    const fs::path fifo = folder_ / "tool.exe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(host::WriteBinaryFile(fifo.string(), std::vector<unsigned char>{1}), host::RuntimeError);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// Whoever held the file that was under the name keeps only that file: the
// name gets a new one holding exactly the bytes written.
TEST_F(TempFolder, AWriterHoldingTheOldFileCannotAddToTheNewOne) {
    const fs::path tool = folder_ / "tool.exe";
    const int planted = ::open(tool.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0777);
    ASSERT_GE(planted, 0);
    const std::vector<unsigned char> bytes{0x7f, 'E', 'L', 'F', 0, 1, 2};
    host::WriteBinaryFile(tool.string(), bytes);
    ASSERT_EQ(::pwrite(planted, "TAIL", 4, 100), 4);
    ::close(planted);
    EXPECT_EQ(ReadAll(tool), bytes);
    EXPECT_EQ(fs::status(tool).permissions() & fs::perms::all, fs::perms(0755));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "no file left over";
}

// A second process plants its own file under the name whenever the name is
// free, then adds a tail to it, as an attacker sharing the folder would.
TEST_F(TempFolder, ARacingProcessNeverGetsItsBytesIntoTheWrittenFile) {
    const fs::path tool = folder_ / "tool.exe";
    const pid_t attacker = ::fork();
    ASSERT_GE(attacker, 0);
    if (attacker == 0) {
        for (;;) {
            const int fd = ::open(tool.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0777);
            if (fd < 0) continue;
            (void)!::write(fd, "EVIL", 4);
            (void)!::pwrite(fd, "TAIL", 4, 64);
            ::close(fd);
        }
    }
    std::vector<unsigned char> bytes(64, 0x90);
    int written = 0;
    for (int round = 0; round < 300; ++round) {
        ::unlink(tool.c_str());
        host::WriteBinaryFile(tool.string(), bytes);
        ++written;
        if (ReadAll(tool) != bytes) break;
    }
    ::kill(attacker, SIGKILL);
    ::waitpid(attacker, nullptr, 0);
    EXPECT_EQ(written, 300) << "round " << written << " held " << ReadAll(tool).size() << " bytes";
}

// Two copies of a program share the file written beside them: the first to
// close leaves it to the other, the last one deletes it.
TEST_F(TempFolder, TheLastCopyToCloseDeletesTheSharedFile) {
    const fs::path tool = folder_ / "tool.exe";
    host::WriteBinaryFile(tool.string(), std::vector<unsigned char>{1, 2, 3});
    int ready[2], go[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(go), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        host::FileLease lease(tool.string());
        char byte = lease.Held() ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        (void)!::read(go[0], &byte, 1);
        ::_exit(lease.Release() ? 0 : 1);
    }
    host::FileLease mine(tool.string());
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 'y');
    EXPECT_TRUE(mine.Held());
    EXPECT_FALSE(mine.Release()) << "the other copy still runs";
    EXPECT_TRUE(fs::exists(tool));
    EXPECT_FALSE(mine.Release()) << "released once";
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other copy was the last";
    EXPECT_FALSE(fs::exists(tool));
    for (int fd : {ready[0], ready[1], go[0], go[1]}) ::close(fd);
}

TEST_F(TempFolder, OnlyAFolderOthersCannotWriteToGuardsItsFiles) {
    const std::pair<fs::perms, bool> cases[] = {
        {fs::perms(0700), true},  {fs::perms(0755), true},  {fs::perms(0775), false},
        {fs::perms(0777), false}, {fs::perms(01777), true},  // the sticky bit keeps others to their own files
    };
    for (const auto& [mode, guards] : cases) {
        fs::permissions(folder_, mode);
        EXPECT_EQ(host::FolderGuardsItsFiles(folder_.string()), guards) << std::oct << int(mode);
    }
    fs::permissions(folder_, fs::perms(0700));
    EXPECT_FALSE(host::FolderGuardsItsFiles((folder_ / "missing").string()));
}

}  // namespace
