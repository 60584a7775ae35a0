// A person at an X display: an Xvfb server of the test's own, and input
// through xdotool, given while Qt handles what arrives.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace x11_test {

// Starts an Xvfb that picks a free display number itself, so that tests
// running side by side never share one, and points DISPLAY at it. The
// server ends when the last client, this process, disconnects. A held key
// repeats after 100 ms, every 20 ms. False when there is no Xvfb or xdotool.
bool StartOwnDisplay();

// xdotool's words for one run of it, worked out when its turn comes (it may
// point at what has appeared since); nullopt: not yet, ask again shortly.
using Words = std::vector<std::string>;
using Step = std::function<std::optional<Words>()>;

// Runs xdotool once per step, in turn, handling Qt's events meanwhile, also
// inside a dialog's own loop (where later steps answer the dialog). A
// dialog still open when the steps are done fails the test and is closed.
void Act(const std::vector<Step>& steps);
void Act(const Words& words);

// A double click on a name that the open file dialog lists, once it does.
Step DoubleClickInFileDialog(const std::string& name);

}  // namespace x11_test
