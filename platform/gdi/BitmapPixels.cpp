#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

BitmapPixels GetBitmapPixels(HGDIOBJ bitmapOrDC) {
    const gdi::Bitmap* bitmap = gdi::LookupBitmap(bitmapOrDC);
    if (!bitmap) {
        if (const gdi::DeviceContext* dc = gdi::LookupDC(static_cast<HDC>(bitmapOrDC)))
            bitmap = gdi::SelectedBitmap(*dc);
    }
    if (!bitmap) return {};
    return {bitmap->pixels.data(), bitmap->width, bitmap->height};
}

}  // namespace win32
