#include "NrgFixture.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/nrg/NrgBuilder.h"

extern char** environ;

namespace fixture {

namespace fs = std::filesystem;

std::vector<unsigned char> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

void MakeIso(const fs::path& iso, const std::string& label) {
    const fs::path content = iso.parent_path() / "iso-content";
    fs::create_directories(content);
    std::ofstream(content / "readme.txt") << "Corvalmire test image\n";
    std::ofstream data(content / "data.bin", std::ios::binary);
    for (int i = 0; i < 200000; ++i) data.put(static_cast<char>((i * 7919) >> 3));
    data.close();

    // No shell: the arguments go to genisoimage as they are.
    const std::string out = iso.string(), in = content.string();
    const char* argv[] = {"genisoimage", "-quiet",    "-V",       label.c_str(),
                          "-o",          out.c_str(), in.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "genisoimage", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        throw std::runtime_error("genisoimage cannot be started");
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("genisoimage failed");
    fs::remove_all(content);
}

void WriteFile(const fs::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

void MakeNrg(const fs::path& iso, const fs::path& nrg) {
    MakeIso(iso, "CDROM");
    const auto bytes = ReadFile(iso);
    std::ofstream image(nrg, std::ios::binary);
    const std::vector<char> header(307200, 0);
    image.write(header.data(), static_cast<std::streamsize>(header.size()));
    image.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void MakeNeroImage(const fs::path& iso, const fs::path& nrg, const std::string& label) {
    MakeIso(iso, label);
    WriteFile(nrg, nrgtest::ImageOfIso(ReadFile(iso)));
}

TempFolder::TempFolder(const std::string& name)
    : path_(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

}  // namespace fixture
