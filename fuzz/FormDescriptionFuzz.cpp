// The form description: any text loads or fails with std::runtime_error;
// nothing else escapes, whatever the numbers, types and nesting, and a
// failed load leaks no GDI object.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "host/Form.h"
#include "host/FormDescription.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    {
        host::Form form;
        try {
            host::LoadFormDescription(form, std::string_view(reinterpret_cast<const char*>(data), size));
        } catch (const std::runtime_error&) {
        }
    }
    if (!(win32::GetGdiLiveCounts() == before)) std::abort();
    return 0;
}
