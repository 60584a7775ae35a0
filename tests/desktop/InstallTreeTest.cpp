// "cmake --install" into a fresh folder: exactly the files a desktop needs,
// with their modes, each one accepted by the tool that reads it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kId = "org.example.corvalmire.Corvalmire";
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path build = fs::read_symlink("/proc/self/exe").parent_path().parent_path();
        root_ =
            new fs::path(fs::temp_directory_path() / ("corvalmire-install-" + std::to_string(::getpid())));
        fs::remove_all(*root_);
        installed_ = Run("'" CMAKE_COMMAND "' --install '" + build.string() + "' --prefix '" +
                         Prefix().string() + "'") == 0;
    }
    static void TearDownTestSuite() {
        fs::remove_all(*root_);
        delete root_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << ReadText(*root_ / "output"); }

    static fs::path Prefix() { return *root_ / "prefix"; }
    // Runs a shell command line; its output lands in Output().
    static int Run(const std::string& command) {
        fs::create_directories(*root_);
        const int status = std::system((command + " >'" + (*root_ / "output").string() + "' 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string Output() { return ReadText(*root_ / "output"); }

    static fs::path* root_;
    static bool installed_;
};

fs::path* InstallTree::root_ = nullptr;
bool InstallTree::installed_ = false;

TEST_F(InstallTree, HoldsExactlyTheseFilesWithTheseModes) {
    std::map<std::string, std::string> expected = {
        {"bin/corvalmire", "-> ../lib/corvalmire/corvalmire"},  // beside "cmd", as the program finds it
        {"lib/corvalmire/corvalmire", "755"},
        {"lib/corvalmire/cmd", "755"},
        {"share/applications/" + kId + ".desktop", "644"},
        {"share/metainfo/" + kId + ".metainfo.xml", "644"},
        {"share/mime/packages/" + kId + ".xml", "644"},
        {"share/icons/hicolor/scalable/apps/" + kId + ".svg", "644"},
        {"share/doc/corvalmire/copyright", "644"},
        {"share/doc/corvalmire/changelog.gz", "644"},
        {"share/man/man1/corvalmire.1.gz", "644"},
    };
    for (const int size : kIconSizes) {
        const std::string pixels = std::to_string(size);
        expected["share/icons/hicolor/" + pixels + "x" + pixels + "/apps/" + kId + ".png"] = "644";
    }
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(Prefix())) {
        const std::string path = entry.path().lexically_relative(Prefix()).string();
        if (entry.is_symlink()) {
            found[path] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (!entry.is_directory()) {
            char mode[8];
            std::snprintf(mode, sizeof mode, "%o", unsigned(entry.status().permissions()) & 0777u);
            found[path] = mode;
        }
    }
    EXPECT_EQ(found, expected);
}

TEST_F(InstallTree, TheLauncherStartsTheProgram) {
    ASSERT_EQ(Run("'" + (Prefix() / "bin/corvalmire").string() + "' --version"), 0);
    EXPECT_EQ(Output().substr(0, Output().find('\n')), "Corvalmire " CORVALMIRE_VERSION);
}

TEST_F(InstallTree, TheDesktopEntryAndTheMetainfoValidate) {
    const struct {
        std::string tool;
        fs::path file;
        bool silent;  // says nothing at all, not even a warning
    } rows[] = {
        {"desktop-file-validate", "share/applications/" + kId + ".desktop", true},
        {"appstreamcli validate --no-net", "share/metainfo/" + kId + ".metainfo.xml", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Run(row.tool + " '" + (Prefix() / row.file).string() + "'"), 0) << row.tool << "\n"
                                                                                  << Output();
        if (row.silent) {
            EXPECT_EQ(Output(), "") << row.tool;
        }
    }
}

TEST_F(InstallTree, TheMimeDatabaseNamesNrgImagesByTheirExtension) {
    const fs::path mime = *root_ / "mime";
    fs::create_directories(mime);
    fs::copy(Prefix() / "share/mime/packages", mime / "packages");
    ASSERT_EQ(Run("update-mime-database '" + mime.string() + "'"), 0) << Output();
    EXPECT_NE(ReadText(mime / "globs2").find("\n50:application/x-nrg:*.nrg\n"), std::string::npos);
}

TEST_F(InstallTree, TheCopyrightFileNamesTheCarriedConverterAndItsSource) {
    ASSERT_EQ(Run("dpkg-query -W -f='${source:Package}=${source:Version}' nrg2iso"), 0);
    const std::string source = Output();
    const std::string copyright = ReadText(Prefix() / "share/doc/corvalmire/copyright");
    EXPECT_NE(copyright.find("apt-get source " + source + "\n"), std::string::npos) << copyright;
    EXPECT_NE(copyright.find("License: GPL-2+ and LGPL-2\n"), std::string::npos);
    EXPECT_NE(copyright.find("/usr/share/common-licenses/LGPL-2"), std::string::npos);
}

}  // namespace
