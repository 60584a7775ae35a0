// The command line that runs the converter through cmd.
#pragma once

#include <string>

namespace app {

// "cmd /c" running the converter on source and destination, each quoted as
// the platform's rules need. The interpreter drops a leading quote together
// with the last one on the line, so a quoted converter gets the whole
// command quoted once more.
std::string ConverterCommandLine(const std::string& converter, const std::string& source,
                                 const std::string& destination);

}  // namespace app
