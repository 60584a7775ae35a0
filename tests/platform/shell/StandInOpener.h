// A stand-in for the desktop's opener: a script named xdg-open, alone on
// PATH while the object lives, that records the arguments it gets and
// answers with the exit code it was given. The current folder is its folder,
// so anything a shell might have run by mistake would leave its mark there.
#pragma once

#include <string>
#include <vector>

namespace corvalmire::test {

class StandInOpener {
public:
    StandInOpener();
    ~StandInOpener();
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    // Installs (again) the script: it records, runs `then` (trusted test
    // text, e.g. "exec /bin/sleep 1") and exits with `exitCode`.
    void Answer(int exitCode, const std::string& then = "") const;
    // Takes the script away: no opener can be found.
    void Remove() const;
    bool Ran() const;
    std::vector<std::string> Arguments() const;  // of its last run
    bool InFolder(const std::string& name) const;

private:
    std::string folder_;
    std::string savedPath_;
    std::string savedCwd_;
};

}  // namespace corvalmire::test
