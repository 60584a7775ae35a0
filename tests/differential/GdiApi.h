// The drawing API the scenarios are written against: the platform's own
// headers when cross-compiled for Windows, our layer otherwise. Scenario code
// uses only what both offer, under the same names.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include "platform/gdi/Gdi.h"
namespace corvalmire::differential {
using namespace win32;
}
#endif
