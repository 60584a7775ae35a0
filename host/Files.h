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

// Writes the bytes to a new file beside `path`, then renames it over the
// name, so the name holds exactly these bytes in a file only we wrote. A
// name ending in ".exe" gets the executable bits, so it can be run. Raises
// errPathFileAccess when the file cannot be written, or when the name holds
// anything but a regular file (a link, FIFO, device or folder is never
// opened or replaced).
void WriteBinaryFile(const std::string& path, std::span<const unsigned char> bytes);

// True when no one but its owner, who is us or root, can remove or replace
// a file in the folder: a program written out there stays the one we wrote.
bool FolderGuardsItsFiles(const std::string& folder);

}  // namespace host
