// A picture object as controls hold it: a bitmap or an icon it owns, or an
// empty picture (handle 0). An icon is its colour bitmap and its mask (set
// bits transparent), both 32-bit bitmaps; Handle() gives the colour one. Shared, as the form runtime's object
// references are: whoever holds it keeps the handle alive.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "platform/Win32Types.h"

namespace host {

enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

class Picture;
using PicturePtr = std::shared_ptr<Picture>;  // nullptr stands for "no object"

class Picture {
public:
    // An empty picture: an object with no image (handle 0).
    static PicturePtr Empty();
    // Takes ownership of the handle; it is released with the picture.
    static PicturePtr FromBitmap(win32::HBITMAP bitmap);
    // The image of an .ico file closest to 16 x 16 (uncompressed entries of
    // 1 to 32 bits); nullptr when the data is not such a file.
    static PicturePtr FromIconFile(std::span<const unsigned char> bytes);

    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The image handle as a number, 0 for an empty picture.
    win32::LONG_PTR Handle() const { return reinterpret_cast<win32::LONG_PTR>(handle_); }
    PictureType Type() const { return type_; }
    // Size in pixels (0 x 0 for an empty picture).
    int Width() const { return width_; }
    int Height() const { return height_; }
    // An icon's mask bitmap (white where transparent); nullptr otherwise.
    win32::HBITMAP Mask() const { return mask_; }

    // Where the picture came from (a resource or file name), so a saved
    // form can name it again; empty when it was made in memory.
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }

private:
    Picture(void* handle, PictureType type, int width, int height);

    void* handle_ = nullptr;
    win32::HBITMAP mask_ = nullptr;
    PictureType type_ = PictureType::None;
    int width_ = 0;
    int height_ = 0;
    std::string source_;
};

}  // namespace host
