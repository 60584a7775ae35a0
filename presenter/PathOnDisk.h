// Qt hands file names over as text, so a name that is not valid UTF-8 comes
// back from its dialog with replacement characters. Linux names are bytes:
// this finds the bytes again.
#pragma once

#include <QString>
#include <string>

namespace presenter {

// The path as it is on disk. Each part that does not exist as written is
// looked up among its folder's entries: the one entry that shows as that
// text gives its bytes. A part with no such entry (a new file's name), or
// with several, stays as written, in UTF-8.
std::string PathOnDisk(const QString& shown);

// True when something of that name exists, a dangling link included.
bool ExistsOnDisk(const std::string& path);

}  // namespace presenter
