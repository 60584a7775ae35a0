// Run-time errors of the form runtime: number, description and source, which
// is what the program shows when a handler traps one.
#pragma once

#include <stdexcept>
#include <string>

namespace host {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description, std::string source = "Corvalmire")
        : std::runtime_error(description), number_(number), source_(std::move(source)) {}

    int Number() const { return number_; }
    std::string Description() const { return what(); }
    const std::string& Source() const { return source_; }

private:
    int number_;
    std::string source_;
};

// The error numbers the runtime raises.
enum ErrorNumber : int {
    errFileNotFound = 53,
    errFileAlreadyExists = 58,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errResourceNotFound = 326,
};

}  // namespace host
