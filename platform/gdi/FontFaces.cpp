#include "platform/gdi/FontFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/gdi/FontMatch.h"
#include "platform/gdi/GlyphCache.h"

namespace win32::gdi {
namespace {

// The em height lfHeight 0 asks for: that of the default 8 pt font.
constexpr int kDefaultPixelHeight = 11;
// Beyond this FreeType would only allocate huge bitmaps.
constexpr int kMaxPixelHeight = 2048;

using CacheKey = std::tuple<std::string, int, int, bool, bool>;  // file, index, ppem, embolden, oblique

// A face file read through pread rather than mapped whole, as FreeType
// would: FreeType then holds only the tables and glyphs it reads, a few
// dozen KiB, where a mapping shows in the resident size by the hundred.
struct FileStream {
    FT_StreamRec stream{};
    int fd = -1;

    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count) {
        const auto* self = static_cast<const FileStream*>(stream->descriptor.pointer);
        if (count == 0) return offset <= stream->size ? 0 : 1;  // a seek: 0 means it may go there
        const ssize_t got = ::pread(self->fd, buffer, count, off_t(offset));
        return got < 0 ? 0 : static_cast<unsigned long>(got);
    }
    static void Close(FT_Stream stream) {
        auto* self = static_cast<FileStream*>(stream->descriptor.pointer);
        ::close(self->fd);
        delete self;
    }
};

FT_Face OpenFace(FT_Library library, const std::string& path, int index) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size <= 0) {
        ::close(fd);
        return nullptr;
    }
    auto* file = new FileStream;
    file->fd = fd;
    file->stream.size = static_cast<unsigned long>(info.st_size);
    file->stream.descriptor.pointer = file;
    file->stream.read = FileStream::Read;
    file->stream.close = FileStream::Close;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = &file->stream;
    FT_Face face = nullptr;
    // FreeType closes the stream itself, also when the face cannot be opened.
    if (FT_Open_Face(library, &args, index, &face) != 0) return nullptr;
    return face;
}

// Everything here lives for the whole process: faces and caches are shared
// by every font object and never reloaded.
class FaceStore {
public:
    FaceStore() { FT_Init_FreeType(&library_); }
    ~FaceStore() {
        caches_.clear();
        for (auto& [key, face] : faces_)
            if (face) FT_Done_Face(face);
        if (library_) FT_Done_FreeType(library_);
    }
    FaceStore(const FaceStore&) = delete;
    FaceStore& operator=(const FaceStore&) = delete;

    FT_Face Face(const std::string& file, int index) {
        auto [it, inserted] = faces_.try_emplace({file, index}, nullptr);
        if (inserted && library_) it->second = OpenFace(library_, file, index);
        return it->second;
    }

    GlyphCache* Cache(FT_Face face, const CacheKey& key) {
        auto [it, inserted] = caches_.try_emplace(key);
        if (inserted)
            it->second =
                std::make_unique<GlyphCache>(face, std::get<2>(key), std::get<3>(key), std::get<4>(key));
        return it->second.get();
    }

private:
    FT_Library library_ = nullptr;
    std::map<std::pair<std::string, int>, FT_Face> faces_;
    std::map<CacheKey, std::unique_ptr<GlyphCache>> caches_;
};

FaceStore& Store() {
    static FaceStore store;
    return store;
}

// lfHeight < 0 is the em height; > 0 is the cell height (ascent + descent),
// converted through the face's own proportions.
int PixelsPerEm(FT_Face face, LONG lfHeight) {
    if (lfHeight < 0) return lfHeight < -kMaxPixelHeight ? kMaxPixelHeight : -lfHeight;
    if (lfHeight == 0) return kDefaultPixelHeight;
    long cell = face->ascender - face->descender;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent))
        cell = long(os2->usWinAscent) + long(os2->usWinDescent);
    if (cell <= 0) return std::min<LONG>(lfHeight, kMaxPixelHeight);
    const double ppem = std::round(double(lfHeight) * face->units_per_EM / double(cell));
    return static_cast<int>(std::clamp(ppem, 1.0, double(kMaxPixelHeight)));
}

// What decides the face and size of a logical font; fonts that agree on it
// share a glyph cache without asking fontconfig again.
using FontKey = std::tuple<std::string, LONG, LONG, bool, BYTE>;  // face, height, weight, italic, pitch

FontKey KeyOf(const LOGFONTA& lf) {
    std::string face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    std::transform(face.begin(), face.end(), face.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return {face, lf.lfHeight, lf.lfWeight, lf.lfItalic != 0, lf.lfPitchAndFamily};
}

GlyphCache* Resolve(const LOGFONTA& logFont) {
    const FaceChoice& choice = MatchFace(logFont);
    if (choice.file.empty()) return nullptr;
    FaceStore& store = Store();
    FT_Face face = store.Face(choice.file, choice.index);
    if (!face) return nullptr;
    const int ppem = PixelsPerEm(face, logFont.lfHeight);
    return store.Cache(face, {choice.file, choice.index, ppem, choice.embolden, choice.oblique});
}

}  // namespace

GlyphCache* GlyphCacheFor(const LOGFONTA& logFont) {
    static std::map<FontKey, GlyphCache*> resolved;
    auto [it, inserted] = resolved.try_emplace(KeyOf(logFont), nullptr);
    if (inserted) it->second = Resolve(logFont);
    return it->second;
}

}  // namespace win32::gdi
