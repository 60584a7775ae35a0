// General helpers of the program.
#pragma once

#include <string>

namespace app {

// Writes the bytes of resource (type, id) to fileName. An existing file is
// replaced when overwrite is true; otherwise that is an error. Every error
// ends the routine silently; true when the file was written.
bool GenFileFromRes(const std::string& fileName, int resourceId, const std::string& resourceType,
                    bool overwrite);

}  // namespace app
