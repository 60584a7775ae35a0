// Internal to platform/gdi: icon images decoded from their file formats.
#pragma once

#include <memory>
#include <span>

#include "platform/gdi/IconObject.h"

namespace win32::gdi {

// A PNG icon image with its alpha; nullptr when the data is not a PNG this
// reader takes (at most kMaxIconSide pixels a side).
std::unique_ptr<Icon> IconFromPng(std::span<const BYTE> data);

}  // namespace win32::gdi
