// Faces a painter drew before, kept by everything that shapes them, so a
// repaint that would draw the same face again puts the same pixels back
// instead of running the painter's hundreds of GDI calls.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "control/styles/FaceState.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SysColors.h"

namespace control {

class FaceCache {
public:
    // Paints the face with painter, or restores what painter drew from the
    // same inputs: the same pixels, the same back colour set through the
    // face, the same current position left in the DC. A surface that is
    // clipped (so not cleared in full) always goes to the painter.
    // A restored back colour goes through assignBackColor, which must only
    // record it: clearing would touch nothing the restored pixels leave.
    void Paint(styles::FacePainter painter, const styles::FaceState& face,
               const std::function<void(styles::Color)>& assignBackColor);

    // Off, every face goes to its painter: what tests hold the cache to.
    static void SetEnabled(bool enabled) { enabled_ = enabled; }

    static constexpr std::size_t kMaxEntries = 6;  // normal, hot, pressed, focused, disabled, one spare
    static constexpr std::size_t kMaxPixels = 128 * 1024;  // across all entries

private:
    // Everything a painter's drawing can depend on: the face snapshot, the
    // surface it starts from (one colour, as Cls left it), the DC state it
    // draws with and the system colours it may look up.
    struct Key {
        styles::FacePainter painter = nullptr;
        std::int32_t width = 0, height = 0;
        ButtonState state = ButtonState::Normal;
        bool hasFocus = false, showFocus = false, displayAsDefault = false, useCustomColors = false;
        styles::Color backColor = 0, highlightColor = 0;
        int surfaceWidth = 0, surfaceHeight = 0;
        win32::COLORREF surfaceColor = 0;
        // What the selected objects are, not their handles, which a later
        // object may take over once they are deleted.
        std::array<unsigned char, sizeof(win32::LOGPEN)> pen{};
        std::array<unsigned char, sizeof(win32::LOGBRUSH)> brush{};
        std::array<unsigned char, sizeof(win32::LOGFONTA)> font{};
        win32::COLORREF textColor = 0, bkColor = 0;
        int bkMode = 0;
        win32::POINT position{};
        std::array<win32::COLORREF, win32::kSysColorCount> sysColors{};
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        std::vector<std::uint32_t> pixels;       // the whole surface, top-down
        std::optional<styles::Color> backColor;  // the last colour the painter set, if any
        win32::POINT position{};
    };

    static std::optional<Key> KeyFor(styles::FacePainter painter, const styles::FaceState& face);
    void Remember(Entry entry);

    std::vector<Entry> entries_;  // most recently used first
    static inline bool enabled_ = true;
};

}  // namespace control
