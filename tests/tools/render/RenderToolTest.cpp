// corvalmire-render run as a real process: what it writes, pixel by pixel.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    // As COLORREF (0x00BBGGRR), the way the colours are specified.
    std::uint32_t At(int x, int y) const {
        const size_t i = (size_t(y) * size_t(width) + size_t(x)) * 3;
        return std::uint32_t(rgb[i]) | std::uint32_t(rgb[i + 1]) << 8 | std::uint32_t(rgb[i + 2]) << 16;
    }
};

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("corvalmire-render-test-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the tool with the arguments (each single-quoted); the exit code.
    int Run(const std::vector<std::string>& args) {
        // The tool is built into bin/, beside this test's own folder.
        const fs::path tool = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin";
        std::string command = "'" + (tool / "corvalmire-render").string() + "'";
        for (const std::string& a : args) command += " '" + a + "'";
        command += " 2>" + (dir_ / "stderr.txt").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    Image RenderPpm(std::vector<std::string> args) {
        const std::string out = (dir_ / "button.ppm").string();
        args.insert(args.begin(), {"--out", out});
        EXPECT_EQ(Run(args), 0);
        return ReadPpm(out);
    }
    static Image ReadPpm(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::string magic;
        Image image;
        int max = 0;
        in >> magic >> image.width >> image.height >> max;
        in.get();
        image.rgb.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        EXPECT_EQ(magic, "P6");
        EXPECT_EQ(max, 255);
        EXPECT_EQ(image.rgb.size(), size_t(image.width) * size_t(image.height) * 3);
        return image;
    }
    fs::path dir_;
};

constexpr std::uint32_t kButtonFace = 0xC8D0D4;

}  // namespace

TEST_F(RenderTool, StatesBySettingsAndMessages) {
    const struct {
        std::vector<std::string> args;
        int x, y;
        std::uint32_t color;
        const char* why;
    } rows[] = {
        {{"--set", "Style=5", "--set", "Caption="}, 5, 1, 0xFBFCFC, "normal: top of the face ramp"},
        {{"--set", "Style=5", "--set", "Caption=", "--state", "hot"}, 5, 1, 0xCFF0FF, "hot: the orange ring"},
        {{"--set", "Style=5", "--set", "Caption=", "--state", "pressed"}, 5, 1, 0xC1CCD1, "pressed face"},
        {{"--set", "Style=5", "--set", "Caption=", "--focus"}, 5, 1, 0xFFE7CE, "focus: the blue ring"},
        {{"--set", "Style=5", "--set", "Caption=", "--set", "Enabled=False"},
         0,
         0,
         0xBAC7C9,
         "disabled frame"},
        {{"--set", "style=5", "--set", "caption=", "--set", "USECUSTOMCOLORS=True", "--set",
          "BackColor=0x808080"},
         5,
         1,
         0x858585,
         "keys in any case; hex values"},
        {{"--set", "Style=5", "--set", "Caption=", "--syscolor", "15=0x0000FF"},
         0,
         0,
         0x0000FF,
         "the button face changed to red shows in the corners"},
        {{"--set", "Style=5", "--set", "Caption=", "--state", "hot", "--syscolor", "15=0x0000FF"},
         106,
         26,
         0x0000FF,
         "corners keep the background (not clipped by the region)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        const Image image = RenderPpm(row.args);
        ASSERT_EQ(image.width, 107);
        ASSERT_EQ(image.height, 27);
        EXPECT_EQ(image.At(row.x, row.y), row.color);
    }
}

TEST_F(RenderTool, SizeAndDefaults) {
    const Image image = RenderPpm({"--size", "60x20", "--set", "Style=5", "--set", "Caption="});
    ASSERT_EQ(image.width, 60);
    ASSERT_EQ(image.height, 20);
    EXPECT_EQ(image.At(0, 0), kButtonFace);
    EXPECT_EQ(image.At(1, 0), 0xA28B6Au);
    EXPECT_EQ(image.At(58, 0), 0xA28B6Au);  // W-2 of a 60-pixel surface
    // Without --set the loading defaults apply: style 3 with the caption "raReruri".
    const Image defaults = RenderPpm({});
    EXPECT_EQ(defaults.width, 107);
}

TEST_F(RenderTool, IconFromABitmapFile) {
    // A 2 x 2 24-bit BMP, bottom-up: rows padded to 8 bytes.
    const std::vector<std::uint8_t> bmp = {
        'B', 'M', 70,  0, 0, 0,   0, 0, 0, 0, 54, 0, 0, 0,                     // file header
        40,  0,   0,   0, 2, 0,   0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        16,  0,   0,   0, 0, 0,   0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,
        0,   0,   255, 0, 0, 255, 0, 0,  // bottom row: red, red
        0,   0,   255, 0, 0, 255, 0, 0,  // top row
    };
    const fs::path icon = dir_ / "red.bmp";
    std::ofstream(icon, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    const Image image = RenderPpm({"--set", "Style=5", "--set", "Caption=", "--set", "IconAlign=7", "--set",
                                   "IconSize=4", "--set", "Icon=" + icon.string()});
    EXPECT_EQ(image.At(0, 0), 0x0000FFu);
    EXPECT_EQ(image.At(3, 3), 0x0000FFu);  // scaled from 2 x 2 to 4 x 4
    EXPECT_NE(image.At(4, 4), 0x0000FFu);
}

TEST_F(RenderTool, GalleryIsAPng) {
    const std::string out = (dir_ / "gallery.png").string();
    ASSERT_EQ(Run({"--gallery", out}), 0);
    std::ifstream in(out, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(RenderTool, BadArgumentsFailWithUsage) {
    EXPECT_EQ(Run({"--out", (dir_ / "x.jpg").string()}), 2);
    EXPECT_EQ(Run({"--out", (dir_ / "x.ppm").string(), "--state", "sideways"}), 2);
    EXPECT_EQ(Run({"--out", (dir_ / "x.ppm").string(), "--set", "Icon=/nonexistent.ico"}), 2);
    EXPECT_EQ(Run({"--out", (dir_ / "x.ppm").string(), "--set", "Font=Verdana"}), 2);
    EXPECT_EQ(Run({}), 2);
    EXPECT_FALSE(fs::exists(dir_ / "x.ppm"));
}
