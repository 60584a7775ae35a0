#include "platform/gdi/SysColors.h"

#include <array>
#include <map>
#include <memory>
#include <utility>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

// The classic Windows 2000 scheme; 29 and 30 take the XP classic values.
constexpr std::array<COLORREF, kSysColorCount> kClassic = {
    RGB(212, 208, 200),  // SCROLLBAR
    RGB(58, 110, 165),   // BACKGROUND
    RGB(10, 36, 106),    // ACTIVECAPTION
    RGB(128, 128, 128),  // INACTIVECAPTION
    RGB(212, 208, 200),  // MENU
    RGB(255, 255, 255),  // WINDOW
    RGB(0, 0, 0),        // WINDOWFRAME
    RGB(0, 0, 0),        // MENUTEXT
    RGB(0, 0, 0),        // WINDOWTEXT
    RGB(255, 255, 255),  // CAPTIONTEXT
    RGB(212, 208, 200),  // ACTIVEBORDER
    RGB(212, 208, 200),  // INACTIVEBORDER
    RGB(128, 128, 128),  // APPWORKSPACE
    RGB(10, 36, 106),    // HIGHLIGHT
    RGB(255, 255, 255),  // HIGHLIGHTTEXT
    RGB(212, 208, 200),  // BTNFACE
    RGB(128, 128, 128),  // BTNSHADOW
    RGB(128, 128, 128),  // GRAYTEXT
    RGB(0, 0, 0),        // BTNTEXT
    RGB(212, 208, 200),  // INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // BTNHIGHLIGHT
    RGB(64, 64, 64),     // 3DDKSHADOW
    RGB(212, 208, 200),  // 3DLIGHT
    RGB(0, 0, 0),        // INFOTEXT
    RGB(255, 255, 225),  // INFOBK
    RGB(181, 181, 181),  // 25, button alternate face
    RGB(0, 0, 128),      // HOTLIGHT
    RGB(166, 202, 240),  // GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // MENUHILIGHT
    RGB(212, 208, 200),  // MENUBAR
};

// Read by every repaint, so a constant-initialised table rather than part
// of the state below, which is built on first use.
constinit std::array<COLORREF, kSysColorCount> currentColors = kClassic;

struct State {
    std::array<HBRUSH, kSysColorCount> brushes{};
    std::map<SysColorListenerId, std::function<void()>> listeners;
    SysColorListenerId nextId = 1;
};

State& TheState() {
    static State state;
    return state;
}

bool ValidIndex(int index) { return index >= 0 && index < kSysColorCount; }

void SyncBrushes() {
    State& s = TheState();
    for (int i = 0; i < kSysColorCount; ++i) {
        if (auto* brush = gdi::LookupAs<gdi::Brush>(s.brushes[size_t(i)], gdi::ObjectKind::Brush))
            brush->color = currentColors[size_t(i)];
    }
}

void Notify() {
    SyncBrushes();
    // A copy, so a listener may add or remove listeners while we call them.
    const auto listeners = TheState().listeners;
    for (const auto& [id, listener] : listeners) listener();
}

}  // namespace

DWORD GetSysColor(int index) { return ValidIndex(index) ? currentColors[size_t(index)] : 0; }

BOOL SetSysColors(int count, const INT* indices, const COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indices || !colors))) return FALSE;
    for (int i = 0; i < count; ++i) {
        if (ValidIndex(indices[i])) currentColors[size_t(indices[i])] = colors[i] & 0x00FFFFFF;
    }
    Notify();
    return TRUE;
}

void ResetSysColors() {
    if (currentColors == kClassic) return;
    currentColors = kClassic;
    Notify();
}

HBRUSH GetSysColorBrush(int index) {
    if (!ValidIndex(index)) return nullptr;
    HBRUSH& slot = TheState().brushes[size_t(index)];
    if (!slot) {
        auto brush = std::make_unique<gdi::Brush>(int(BS_SOLID), GetSysColor(index));
        brush->stock = true;
        slot = static_cast<HBRUSH>(gdi::Insert(std::move(brush)));
    }
    return slot;
}

SysColorListenerId AddSysColorChangeListener(std::function<void()> listener) {
    State& s = TheState();
    const SysColorListenerId id = s.nextId++;
    s.listeners.emplace(id, std::move(listener));
    return id;
}

void RemoveSysColorChangeListener(SysColorListenerId id) { TheState().listeners.erase(id); }

}  // namespace win32
