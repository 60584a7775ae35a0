#include "platform/user/SystemParameters.h"

#include "platform/user/UserExtensions.h"

namespace win32 {
namespace {

RECT theWorkArea{0, 0, 1024, 738};

}  // namespace

BOOL SystemParametersInfoA(UINT action, UINT, LPVOID pvParam, UINT) {
    if (action != SPI_GETWORKAREA || pvParam == nullptr) return FALSE;
    *static_cast<RECT*>(pvParam) = theWorkArea;
    return TRUE;
}

void SetWorkArea(const RECT& workArea) { theWorkArea = workArea; }

}  // namespace win32
