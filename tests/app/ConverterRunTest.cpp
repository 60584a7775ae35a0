// The real converter run the way the program runs it: "cmd /c nrg2iso SRC DST"
// through DOSOutputs, on an NRG made here from a fresh ISO image.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "app/DOSOutputs.h"
#include "host/MsgBox.h"
#include "platform/kernel/CommandLine.h"

namespace app {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a tool quietly (no shell) and returns its exit status.
int RunQuietly(std::vector<std::string> arguments) {
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What a folder holds: each file's size and modification time.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Listing(const fs::path& folder) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    }
    return files;
}

class ConverterRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = fs::temp_directory_path() / ("corvalmire-convert-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "content");
        std::ofstream(root_ / "content" / "readme.txt") << "Corvalmire test image\n";
        std::ofstream(root_ / "content" / "data.bin", std::ios::binary) << std::string(5000, '\x5a');
        ASSERT_EQ(RunQuietly({"genisoimage", "-quiet", "-V", "CORVALTEST", "-o",
                              (root_ / "orig.iso").string(), (root_ / "content").string()}),
                  0);
        iso_ = ReadBytes(root_ / "orig.iso");
        ASSERT_GT(iso_.size(), 0u);
        // nrg2iso drops the first 307,200 bytes of an image that is not yet an ISO.
        nrg_ = std::string(307200, '\0') + iso_;
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    // Converts `source` (written here) and checks the result, the output and the folder.
    void ConvertAndCheck(const fs::path& source) {
        fs::create_directories(source.parent_path());
        std::ofstream(source, std::ios::binary) << nrg_;
        const fs::path target = source.string() + ".iso";
        const auto before = Listing(root_);

        DOSOutputs runner;
        std::string received;
        runner.ReceiveOutputs.Connect([&](const std::string& chunk) { received += chunk; });
        const std::string command = "cmd /c nrg2iso " + win32::QuoteCommandLineArgument(source.string()) +
                                    " " + win32::QuoteCommandLineArgument(target.string());
        const auto savedFolder = fs::current_path();
        fs::current_path(source.parent_path());  // where a "touch x" would land
        const std::string result = runner.ExecuteCommand(command);
        fs::current_path(savedFolder);

        EXPECT_EQ(received, result);
        EXPECT_NE(result.find("written : " + std::to_string(iso_.size()) + " bytes"), std::string::npos)
            << result;
        EXPECT_TRUE(ReadBytes(target) == iso_) << "the ISO differs: " << target;
        auto after = Listing(root_);
        EXPECT_EQ(after.erase(target.string()), 1u) << target;
        EXPECT_EQ(after, before) << "only the ISO may appear";
    }

    static inline fs::path root_;
    static inline std::string iso_;
    static inline std::string nrg_;
    host::RecordedMessageBoxes boxes_;
};

TEST_F(ConverterRun, ConvertsAnNrgToTheIdenticalIso) {
    ConvertAndCheck(root_ / "plain" / "disk.nrg");
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(ConverterRun, FileNamesAreDataNeverCode) {
    const char* names[] = {
        "with blanks in it.nrg",
        "double \"quoted\" name.nrg",
        "ampersand & more.nrg",
        "semi;colon.nrg",
        "pipe | name.nrg",
        "$(touch x).nrg",
        "`touch y`.nrg",
        "greater > less < .nrg",
        "backslash \\ trailing\\.nrg",
        "immagine \xC3\xA8 \xC3\xA0 \xC3\xBC.nrg",
    };
    for (const char* name : names) ConvertAndCheck(root_ / "names" / name);
    EXPECT_FALSE(fs::exists(root_ / "names" / "x"));
    EXPECT_FALSE(fs::exists(root_ / "names" / "y"));
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(ConverterRun, PathsLongerThan300CharactersPass) {
    fs::path source = root_ / "long";
    for (int i = 0; i < 5; ++i) source /= std::string(60, static_cast<char>('a' + i));
    source /= "disk with blank.nrg";
    ASSERT_GT(source.string().size(), 300u);
    ConvertAndCheck(source);
}

}  // namespace
}  // namespace app
