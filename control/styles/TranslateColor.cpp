#include "control/styles/Colors.h"
#include "platform/ole/OleColor.h"

namespace control::styles {

Color TranslateColor(std::int32_t oleColor) {
    try {
        win32::COLORREF translated = 0;
        if (win32::FAILED(
                win32::OleTranslateColor(static_cast<win32::OLE_COLOR>(oleColor), nullptr, &translated)))
            return -1;
        return static_cast<Color>(translated);
    } catch (...) {
        return -1;
    }
}

}  // namespace control::styles
