#include "app/ConverterCommandLine.h"

#include "platform/kernel/CommandLine.h"

namespace app {

std::string ConverterCommandLine(const std::string& converter, const std::string& source,
                                 const std::string& destination) {
    std::string command = win32::QuoteCommandLineArgument(converter) + " " +
                          win32::QuoteCommandLineArgument(source) + " " +
                          win32::QuoteCommandLineArgument(destination);
    if (command.front() == '"') command = "\"" + command + "\"";
    return "cmd /c " + command;
}

}  // namespace app
