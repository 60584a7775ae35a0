// The Qt side of the program's start and end, so main() needs no Qt:
// creates the application and the presenter, runs the loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace host {
class Form;
}

namespace presenter {

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Shows the form and runs the event loop until it unloads; started runs
    // once the loop has begun, with the form on screen.
    int Run(host::Form& mainForm, std::function<void()> started = {});

    // Developer aids, both off for users: print the time from start to the
    // first painted frame of the main window, and that moment on the
    // monotonic clock, and quit (CORVALMIRE_FIRST_PAINT=1), or save that
    // frame as a PNG and quit (--screenshot FILE).
    std::string screenshotPath;
    bool reportFirstPaint = false;
    // The installed desktop entry's name, without ".desktop", so the desktop
    // shows the window under the menu entry's name and icon.
    std::string desktopEntry;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace presenter
