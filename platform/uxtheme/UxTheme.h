// Theme data: the visual-style renderer's API. Linux desktops have no such
// renderer, so by default every OpenThemeData answers 0 ("themes off") and
// callers take their classic path. A renderer can be installed (tests do) to
// exercise the themed path.
#pragma once

#include <string>
#include <string_view>

#include "platform/Win32Types.h"

namespace win32 {

HTHEME OpenThemeData(HWND hwnd, LPCWSTR pszClassList);
HRESULT CloseThemeData(HTHEME hTheme);
HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCRECT pRect,
                            LPCRECT pClipRect);
HRESULT GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCRECT pRect,
                                 HRGN* pRegion);
BOOL IsThemeActive();

}  // namespace win32

namespace win32::uxtheme {

// What a visual-style renderer supplies. Every call gets the class the theme
// handle was opened for (the first class of the list that the renderer knows).
class ThemeRenderer {
public:
    virtual ~ThemeRenderer() = default;
    virtual bool HasClass(std::u16string_view className) const = 0;
    virtual HRESULT DrawBackground(std::u16string_view className, HDC hdc, int partId, int stateId,
                                   const RECT& rect, const RECT* clip) = 0;
    virtual HRESULT BackgroundRegion(std::u16string_view className, HDC hdc, int partId, int stateId,
                                     const RECT& rect, HRGN* region) = 0;
};

// Installs the renderer (not owned); nullptr restores "no renderer".
void SetThemeRenderer(ThemeRenderer* renderer);

// Theme handles still open, so tests can prove every OpenThemeData was closed.
int OpenThemeCount();

}  // namespace win32::uxtheme
