#include "host/Picture.h"

#include "platform/gdi/Gdi.h"

namespace host {

Picture::Picture(void* handle, PictureType type, int width, int height)
    : handle_(handle), type_(type), width_(width), height_(height) {}

Picture::~Picture() {
    if (handle_) win32::DeleteObject(handle_);
    if (mask_) win32::DeleteObject(mask_);
}

PicturePtr Picture::Empty() { return PicturePtr(new Picture(nullptr, PictureType::None, 0, 0)); }

PicturePtr Picture::FromBitmap(win32::HBITMAP bitmap) {
    win32::BITMAP info;
    if (!bitmap || !win32::GetObjectA(bitmap, sizeof info, &info)) return Empty();
    return PicturePtr(new Picture(bitmap, PictureType::Bitmap, info.bmWidth, info.bmHeight));
}

}  // namespace host
