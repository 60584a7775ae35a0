#include "host/Picture.h"

#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"

namespace host {

Picture::Picture(void* handle, PictureType type, int width, int height)
    : handle_(handle), type_(type), width_(width), height_(height) {}

Picture::~Picture() {
    if (!handle_) return;
    if (type_ == PictureType::Icon)
        win32::DestroyIcon(static_cast<win32::HICON>(handle_));
    else
        win32::DeleteObject(handle_);
}

PicturePtr Picture::Empty() { return PicturePtr(new Picture(nullptr, PictureType::None, 0, 0)); }

PicturePtr Picture::FromBitmap(win32::HBITMAP bitmap) {
    win32::BITMAP info;
    if (!bitmap || !win32::GetObjectA(bitmap, sizeof info, &info)) return Empty();
    return PicturePtr(new Picture(bitmap, PictureType::Bitmap, info.bmWidth, info.bmHeight));
}

// The size is the colour bitmap's, or half the mask of a monochrome icon.
PicturePtr Picture::FromIcon(win32::HICON icon) {
    win32::ICONINFO info;
    if (!icon || !win32::GetIconInfo(icon, &info)) return Empty();
    const win32::ScopedBitmap mask(info.hbmMask), colour(info.hbmColor);
    win32::BITMAP size;
    win32::GetObjectA(colour ? colour.Get() : mask.Get(), sizeof size, &size);
    if (!colour) size.bmHeight /= 2;
    return PicturePtr(new Picture(icon, PictureType::Icon, size.bmWidth, size.bmHeight));
}

}  // namespace host
