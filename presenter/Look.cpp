#include "presenter/Look.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <cstdint>
#include <span>
#include <vector>

#include "host/Resources.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/SysColors.h"

namespace presenter {
namespace {

QImage ImageFromIcoThroughQt(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    return reader.read();
}

// A bitmap's pixels, top-down, 32 bits each; empty on failure.
std::vector<std::uint32_t> Pixels(win32::HDC dc, win32::HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    win32::BITMAPINFO info = win32::TopDown32BitInfo(width, height);
    if (win32::GetDIBits(dc, bitmap, 0, win32::UINT(height), pixels.data(), &info, win32::DIB_RGB_COLORS) !=
        height)
        pixels.clear();
    return pixels;
}

QByteArray ResourceBytes(int id, const char* type) {
    const host::ResourceEntry* entry = host::FindResource(id, type);
    if (!entry) return {};
    return QByteArray(reinterpret_cast<const char*>(entry->bytes.data()),
                      static_cast<qsizetype>(entry->bytes.size()));
}

}  // namespace

// Read by the layer's own icon reader: the
// window's icon and the link pointer then need no image plug-in, whose
// loading and first use cost Qt a millisecond and more at start-up. The
// layer keeps no alpha channel in an icon's bitmaps, so images with one
// (32-bit and PNG entries) still go to Qt.
QImage ImageFromIco(QByteArray bytes) {
    const std::span<const win32::BYTE> file(reinterpret_cast<const win32::BYTE*>(bytes.constData()),
                                            std::size_t(bytes.size()));
    const std::vector<win32::IcoEntry> entries = win32::ReadIcoDirectory(file);
    if (entries.empty() || entries.front().bitCount >= 32 || entries.front().image.size() < 40 ||
        entries.front().image[0] != 40)
        return ImageFromIcoThroughQt(bytes);
    const std::span<const win32::BYTE> entry = entries.front().image;
    const win32::HICON icon = win32::CreateIconFromResourceEx(
        entry.data(), win32::DWORD(entry.size()), win32::TRUE, 0x00030000, 0, 0, win32::LR_DEFAULTCOLOR);
    win32::ICONINFO parts{};
    if (!icon || !win32::GetIconInfo(icon, &parts)) {
        if (icon) win32::DestroyIcon(icon);
        return {};
    }
    win32::BITMAP mask{};
    win32::GetObjectA(parts.hbmMask, sizeof mask, &mask);
    const int width = mask.bmWidth;
    const int height = parts.hbmColor ? mask.bmHeight : mask.bmHeight / 2;  // monochrome: mask over colour
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    const std::vector<std::uint32_t> andMask = Pixels(dc, parts.hbmMask, width, mask.bmHeight);
    const std::vector<std::uint32_t> colour =
        parts.hbmColor ? Pixels(dc, parts.hbmColor, width, height) : andMask;
    const std::size_t colourAt = parts.hbmColor ? 0 : std::size_t(width) * std::size_t(height);
    win32::DeleteDC(dc);
    win32::DeleteObject(parts.hbmMask);
    if (parts.hbmColor) win32::DeleteObject(parts.hbmColor);
    win32::DestroyIcon(icon);
    if (andMask.empty() || colour.empty()) return {};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
            // A pixel the mask lets through is the background: fully transparent.
            row[x] = (andMask[i] & 0xFFFFFF) ? 0 : 0xFF000000u | (colour[colourAt + i] & 0xFFFFFF);
        }
    }
    return image;
}

QColor ToQColor(host::OLE_COLOR color) {
    if (color & host::kSystemColorFlag) color = win32::GetSysColor(static_cast<int>(color & 0xFF));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont ToQFont(const host::Font& font) {
    QFont q(QString::fromUtf8(win32::InstalledFamily(font.name)));
    q.setPixelSize(font.PixelSize());
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikethrough);
    return q;
}

QIcon IconFromResource(int id) {
    const QImage image = ImageFromIco(ResourceBytes(id, "ICON"));
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QCursor CursorFromResource(int id) {
    QByteArray bytes = ResourceBytes(id, "CURSOR");
    if (bytes.size() < 22) return QCursor(Qt::ArrowCursor);
    // A .cur file is an .ico file with type 2 and the hot spot where an icon
    // keeps planes and bit count; Qt reads it as an icon once typed 1.
    const auto* raw = reinterpret_cast<const unsigned char*>(bytes.constData());
    const int hotX = raw[10] | (raw[11] << 8);
    const int hotY = raw[12] | (raw[13] << 8);
    bytes[2] = 1;
    bytes[10] = 1;
    bytes[11] = 0;
    bytes[12] = 8;
    bytes[13] = 0;
    const QImage image = ImageFromIco(bytes);
    return image.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace presenter
