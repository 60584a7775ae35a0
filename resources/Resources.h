// The program's embedded resources: the converter, icons, cursor and the
// main window's form description.
#pragma once

#include <span>

#include "host/Resources.h"

namespace corvalmire {

enum ResourceId : int {
    kResWindowIcon = 1,
    kResConverter = 101,  // "FILES": the nrg2iso executable
    kResOpenIcon = 102,
    kResConvertIcon = 103,
    kResExitIcon = 104,
    kResLinkCursor = 105,
    kResMainForm = 201,  // "FORM": frmDOSOutput's description
};

std::span<const host::ResourceEntry> EmbeddedResources();

}  // namespace corvalmire
