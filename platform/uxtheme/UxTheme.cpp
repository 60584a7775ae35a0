#include "platform/uxtheme/UxTheme.h"

#include <cstdint>
#include <map>

namespace win32::uxtheme {
namespace {

struct ThemeTable {
    ThemeRenderer* renderer = nullptr;
    std::map<std::uintptr_t, std::u16string> open;  // handle value -> class name
    std::uintptr_t nextHandle = 1;                  // never reused: a stale handle fails
};

ThemeTable& Table() {
    static ThemeTable table;
    return table;
}

// The class list is semicolon-separated; the first class the renderer knows wins.
std::u16string FirstKnownClass(const ThemeRenderer& renderer, std::u16string_view list) {
    while (!list.empty()) {
        const size_t end = list.find(u';');
        std::u16string_view name = list.substr(0, end);
        while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
        if (!name.empty() && renderer.HasClass(name)) return std::u16string(name);
        if (end == std::u16string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return {};
}

const std::u16string* ClassOf(HTHEME theme) {
    auto& table = Table();
    auto it = table.open.find(reinterpret_cast<std::uintptr_t>(theme));
    return it == table.open.end() ? nullptr : &it->second;
}

}  // namespace

void SetThemeRenderer(ThemeRenderer* renderer) { Table().renderer = renderer; }

int OpenThemeCount() { return static_cast<int>(Table().open.size()); }

}  // namespace win32::uxtheme

namespace win32 {

using uxtheme::Table;

HTHEME OpenThemeData(HWND, LPCWSTR pszClassList) {
    auto& table = Table();
    if (!table.renderer || !pszClassList) return nullptr;
    std::u16string name = uxtheme::FirstKnownClass(*table.renderer, pszClassList);
    if (name.empty()) return nullptr;
    const std::uintptr_t value = table.nextHandle++;
    table.open.emplace(value, std::move(name));
    return reinterpret_cast<HTHEME>(value);
}

HRESULT CloseThemeData(HTHEME hTheme) {
    return Table().open.erase(reinterpret_cast<std::uintptr_t>(hTheme)) ? S_OK : E_INVALIDARG;
}

HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCRECT pRect,
                            LPCRECT pClipRect) {
    const std::u16string* name = uxtheme::ClassOf(hTheme);
    auto* renderer = Table().renderer;
    if (!name || !renderer || !pRect) return E_INVALIDARG;
    return renderer->DrawBackground(*name, hdc, iPartId, iStateId, *pRect, pClipRect);
}

HRESULT GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCRECT pRect,
                                 HRGN* pRegion) {
    const std::u16string* name = uxtheme::ClassOf(hTheme);
    auto* renderer = Table().renderer;
    if (!name || !renderer || !pRect || !pRegion) return E_INVALIDARG;
    *pRegion = nullptr;
    return renderer->BackgroundRegion(*name, hdc, iPartId, iStateId, *pRect, pRegion);
}

BOOL IsThemeActive() { return Table().renderer ? TRUE : FALSE; }

}  // namespace win32
