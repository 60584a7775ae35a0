// File helpers of the form runtime: existence, deletion, binary writing.
// Failures raise RuntimeError with the runtime's error numbers.
#pragma once

#include <span>
#include <string>

namespace host {

// True when a regular file (or a link to one) of that name exists.
bool FileExists(const std::string& path);

// Deletes a file; raises errFileNotFound when it is missing and
// errPermissionDenied when it cannot be deleted.
void Kill(const std::string& path);

// Writes the bytes at the start of the file, creating it when needed.
// A name ending in ".exe" gets the executable bits, so it can be run.
// Raises errPathFileAccess when the file cannot be written.
void WriteBinaryFile(const std::string& path, std::span<const unsigned char> bytes);

}  // namespace host
