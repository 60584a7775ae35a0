// A picture object as controls hold it: a bitmap or an icon it owns, or an
// empty picture (handle 0). Shared, as the form runtime's object references
// are: whoever holds it keeps the handle alive.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "platform/Win32Types.h"

namespace host {

enum class PictureType { None = 0, Bitmap = 1, Icon = 3 };

class Picture;
using PicturePtr = std::shared_ptr<Picture>;  // nullptr stands for "no object"

// Makes the picture a form description names (a resource or file); nullptr
// when it cannot.
using PictureLoader = std::function<PicturePtr(const std::string& name)>;

class Picture {
public:
    // An empty picture: an object with no image (handle 0).
    static PicturePtr Empty();
    // Take ownership of the handle; it is released with the picture.
    static PicturePtr FromBitmap(win32::HBITMAP bitmap);
    static PicturePtr FromIcon(win32::HICON icon);
    // The image of an .ico file nearest size x size; nullptr when the bytes
    // are not an icon file or that image is damaged. The picture keeps the
    // file, so NearestSize can pick another of its images later.
    static PicturePtr FromIconFile(std::span<const unsigned char> bytes, int size = 16);

    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The image handle as a number (an HBITMAP or an HICON by Type), 0 for
    // an empty picture.
    win32::LONG_PTR Handle() const { return reinterpret_cast<win32::LONG_PTR>(handle_); }
    PictureType Type() const { return type_; }
    // Size in pixels (0 x 0 for an empty picture).
    int Width() const { return width_; }
    int Height() const { return height_; }

    // For a picture read from an .ico file, its image nearest size x size
    // (itself, or an empty picture when that image is damaged); any other
    // picture answers itself. Each image is read once.
    const Picture& NearestSize(int size) const;

    // Where the picture came from (a resource or file name), so a saved
    // form can name it again; empty when it was made in memory.
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }

private:
    struct IconFile;
    Picture(void* handle, PictureType type, int width, int height);
    static PicturePtr FromIconEntry(std::shared_ptr<const IconFile> file, int entry);

    void* handle_ = nullptr;
    PictureType type_ = PictureType::None;
    int width_ = 0;
    int height_ = 0;
    std::string source_;
    std::shared_ptr<const IconFile> iconFile_;
    int iconEntry_ = -1;
    mutable std::map<int, PicturePtr> otherSizes_;  // by entry of iconFile_
};

}  // namespace host
