// Pictures read from .ico files: one image at a time, the one nearest the
// size asked for, the others read when a control asks for their size.
#include <vector>

#include "host/Picture.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"

namespace host {
namespace {

constexpr win32::DWORD kIconFormatVersion = 0x00030000;  // what the platform's callers pass

}  // namespace

struct Picture::IconFile {
    explicit IconFile(std::span<const unsigned char> data)
        : bytes(data.begin(), data.end()), entries(win32::ReadIcoDirectory(bytes)) {}
    const std::vector<unsigned char> bytes;
    const std::vector<win32::IcoEntry> entries;  // point into bytes
};

PicturePtr Picture::FromIconEntry(std::shared_ptr<const IconFile> file, int entry) {
    if (entry < 0) return nullptr;
    const std::span<const unsigned char> image = file->entries[std::size_t(entry)].image;
    const win32::HICON icon =
        win32::CreateIconFromResourceEx(image.data(), win32::DWORD(image.size()), win32::TRUE,
                                        kIconFormatVersion, 0, 0, win32::LR_DEFAULTCOLOR);
    if (!icon) return nullptr;
    PicturePtr picture = FromIcon(icon);
    picture->iconFile_ = std::move(file);
    picture->iconEntry_ = entry;
    return picture;
}

PicturePtr Picture::FromIconFile(std::span<const unsigned char> bytes, int size) {
    auto file = std::make_shared<const IconFile>(bytes);
    const int entry = win32::NearestIcoEntry(file->entries, size);
    return FromIconEntry(std::move(file), entry);
}

const Picture& Picture::NearestSize(int size) const {
    if (!iconFile_) return *this;
    const int entry = win32::NearestIcoEntry(iconFile_->entries, size);
    if (entry == iconEntry_) return *this;
    PicturePtr& other = otherSizes_[entry];
    if (!other) {
        other = FromIconEntry(iconFile_, entry);
        if (!other) other = Empty();
    }
    return *other;
}

}  // namespace host
