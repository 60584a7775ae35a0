#include "presenter/Look.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include "host/Resources.h"
#include "platform/gdi/SysColors.h"

namespace presenter {
namespace {

QImage ImageFromIco(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    return reader.read();
}

QByteArray ResourceBytes(int id, const char* type) {
    const host::ResourceEntry* entry = host::FindResource(id, type);
    if (!entry) return {};
    return QByteArray(reinterpret_cast<const char*>(entry->bytes.data()),
                      static_cast<qsizetype>(entry->bytes.size()));
}

}  // namespace

QColor ToQColor(host::OLE_COLOR color) {
    if (color & host::kSystemColorFlag) color = win32::GetSysColor(static_cast<int>(color & 0xFF));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont ToQFont(const host::Font& font) {
    QFont q(QString::fromUtf8(font.name));
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
