// Icons read by the layer's own icon reader match what Qt's ICO reader makes
// of the same bytes: the program's icons and pointer, and small palette
// images with transparent pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImageReader>
#include <string>
#include <vector>

#include "presenter/Look.h"
#include "resources/Resources.h"
#include "tests/platform/gdi/IcoFixture.h"

namespace {

QImage ThroughQt(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QByteArray Bytes(const std::vector<unsigned char>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

TEST(ImageFromIco, MatchesQtsReader) {
    int argc = 1;
    char name[] = "presenter_look_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    std::vector<std::pair<std::string, QByteArray>> files;
    for (const host::ResourceEntry& entry : corvalmire::EmbeddedResources()) {
        if (entry.type != "ICON" && entry.type != "CURSOR") continue;
        QByteArray bytes(reinterpret_cast<const char*>(entry.bytes.data()), qsizetype(entry.bytes.size()));
        if (entry.type == "CURSOR") bytes[2] = 1;  // read as an icon, as the pointer is
        files.emplace_back(std::string(entry.type) + " " + std::to_string(entry.id), bytes);
    }
    const auto file = [](int bits) {
        auto image = corvalmire::test::SolidImage(5, 3, bits, 0xFF3060A0);
        image.argb[1] = 0xFFFFFFFF;
        image.transparent[2] = image.transparent[7] = true;
        return Bytes(corvalmire::test::IcoFile({image}));
    };
    for (int bits : {1, 4, 8}) files.emplace_back(std::to_string(bits) + " bits", file(bits));
    ASSERT_GE(files.size(), 8u);
    for (const auto& [what, bytes] : files) {
        const QImage ours = presenter::ImageFromIco(bytes);
        ASSERT_FALSE(ours.isNull()) << what;
        EXPECT_EQ(ours, ThroughQt(bytes)) << what;
    }
    // Qt leaves a 24-bit image opaque; its mask still makes pixels transparent, as on the platform.
    const QImage deep = presenter::ImageFromIco(file(24));
    EXPECT_EQ(deep.pixel(0, 0), 0xFF3060A0u);
    EXPECT_EQ(deep.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(deep.pixel(2, 0), 0u);
    EXPECT_EQ(deep.pixel(2, 1), 0u);
}

}  // namespace
