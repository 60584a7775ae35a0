#include "app/mGeneralFunctions.h"

#include "host/Files.h"
#include "host/Resources.h"
#include "host/RuntimeError.h"

namespace app {

bool GenFileFromRes(const std::string& fileName, int resourceId, const std::string& resourceType,
                    bool overwrite) {
    try {
        if (host::FileExists(fileName) && !overwrite)
            throw host::RuntimeError(host::errFileAlreadyExists, "File already exists");
        // The write replaces an older file in one step, so the name never
        // stands empty for another copy of the program that runs it.
        host::WriteBinaryFile(fileName, host::LoadResData(resourceId, resourceType));
        return true;
    } catch (const host::RuntimeError&) {
        return false;
    }
}

}  // namespace app
