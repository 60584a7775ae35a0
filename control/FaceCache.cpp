#include "control/FaceCache.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace control {

std::optional<FaceCache::Key> FaceCache::KeyFor(styles::FacePainter painter, const styles::FaceState& face) {
    const win32::HDC dc = face.dc;
    win32::BITMAP surface{};
    if (!win32::GetObjectA(win32::GetCurrentObject(dc, win32::OBJ_BITMAP), sizeof surface, &surface))
        return std::nullopt;
    // A clip region that leaves part of the surface out also left that part
    // out of the clearing: what the painter starts from is then unknown.
    win32::RECT visible{};
    if (win32::GetClipBox(dc, &visible) != win32::SIMPLEREGION ||
        visible != win32::RECT{0, 0, surface.bmWidth, surface.bmHeight})
        return std::nullopt;
    if (std::size_t(surface.bmWidth) * std::size_t(surface.bmHeight) > kMaxPixels) return std::nullopt;

    Key key;
    key.painter = painter;
    key.width = face.width;
    key.height = face.height;
    key.state = face.state;
    key.hasFocus = face.hasFocus;
    key.showFocus = face.showFocus;
    key.displayAsDefault = face.displayAsDefault;
    key.useCustomColors = face.useCustomColors;
    key.backColor = face.backColor;
    key.highlightColor = face.highlightColor;
    key.surfaceWidth = surface.bmWidth;
    key.surfaceHeight = surface.bmHeight;
    key.surfaceColor = win32::GetPixel(dc, 0, 0);
    win32::GetObjectA(win32::GetCurrentObject(dc, win32::OBJ_PEN), int(key.pen.size()), key.pen.data());
    win32::GetObjectA(win32::GetCurrentObject(dc, win32::OBJ_BRUSH), int(key.brush.size()), key.brush.data());
    win32::GetObjectA(win32::GetCurrentObject(dc, win32::OBJ_FONT), int(key.font.size()), key.font.data());
    key.textColor = win32::GetTextColor(dc);
    key.bkColor = win32::GetBkColor(dc);
    key.bkMode = win32::GetBkMode(dc);
    win32::GetCurrentPositionEx(dc, &key.position);
    for (int i = 0; i < win32::kSysColorCount; ++i) key.sysColors[std::size_t(i)] = win32::GetSysColor(i);
    return key;
}

void FaceCache::Paint(styles::FacePainter painter, const styles::FaceState& face,
                      const std::function<void(styles::Color)>& assignBackColor) {
    const std::optional<Key> key = enabled_ ? KeyFor(painter, face) : std::nullopt;
    if (!key) {
        painter(face);
        return;
    }
    const auto hit =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == *key; });
    if (hit != entries_.end()) {
        std::rotate(entries_.begin(), hit, hit + 1);
        const Entry& entry = entries_.front();
        if (entry.backColor) assignBackColor(*entry.backColor);
        const win32::BITMAPINFO info = win32::TopDown32BitInfo(key->surfaceWidth, key->surfaceHeight);
        win32::SetDIBitsToDevice(face.dc, 0, 0, win32::DWORD(key->surfaceWidth),
                                 win32::DWORD(key->surfaceHeight), 0, 0, 0, win32::UINT(key->surfaceHeight),
                                 entry.pixels.data(), &info, win32::DIB_RGB_COLORS);
        win32::MoveToEx(face.dc, entry.position.x, entry.position.y, nullptr);
        return;
    }

    Entry entry{*key, {}, std::nullopt, {}};
    styles::FaceState recorded = face;
    recorded.setBackColor = [&](styles::Color color) {
        entry.backColor = color;
        face.setBackColor(color);
    };
    painter(recorded);
    entry.pixels.resize(std::size_t(key->surfaceWidth) * std::size_t(key->surfaceHeight));
    win32::BITMAPINFO info = win32::TopDown32BitInfo(key->surfaceWidth, key->surfaceHeight);
    const win32::HGDIOBJ bitmap = win32::GetCurrentObject(face.dc, win32::OBJ_BITMAP);
    if (win32::GetDIBits(face.dc, static_cast<win32::HBITMAP>(bitmap), 0, win32::UINT(key->surfaceHeight),
                         entry.pixels.data(), &info, win32::DIB_RGB_COLORS) != key->surfaceHeight)
        return;
    win32::GetCurrentPositionEx(face.dc, &entry.position);
    Remember(std::move(entry));
}

void FaceCache::Remember(Entry entry) {
    entries_.insert(entries_.begin(), std::move(entry));
    // The most recent faces that fit within both limits stay.
    std::size_t kept = 0, pixels = 0;
    while (kept < entries_.size() && kept < kMaxEntries &&
           pixels + entries_[kept].pixels.size() <= kMaxPixels)
        pixels += entries_[kept++].pixels.size();
    entries_.resize(kept);
}

}  // namespace control
