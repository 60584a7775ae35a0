// The application object: where the program lives and what it is called.
#pragma once

#include <string>

namespace host {

class Application {
public:
    // Folder holding the running executable, without a trailing separator.
    const std::string& Path() const;
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

private:
    std::string title_ = "Corvalmire";
};

Application& App();

}  // namespace host
