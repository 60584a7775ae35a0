#include "host/Picture.h"

#include "platform/gdi/Gdi.h"
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
    win32::BITMAP size;
    win32::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof size, &size);
    if (!info.hbmColor) size.bmHeight /= 2;
    win32::DeleteObject(info.hbmMask);
    if (info.hbmColor) win32::DeleteObject(info.hbmColor);
    return PicturePtr(new Picture(icon, PictureType::Icon, size.bmWidth, size.bmHeight));
}

}  // namespace host
