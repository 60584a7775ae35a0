// Records what window procedures see, for message-sequence tests: each test
// compares the log with an expected table and prints both on a mismatch.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/user/User32.h"
#include "tests/support/LinesAre.h"

namespace corvalmire::test {

struct Seen {
    std::string window;  // the window's creation text
    win32::UINT message;
    friend bool operator==(const Seen&, const Seen&) = default;
};

class MessageLog {
public:
    static MessageLog& Instance();

    void Name(win32::HWND hwnd, std::string name) { names_[hwnd] = std::move(name); }
    void Record(win32::HWND hwnd, win32::UINT message);
    void Clear() { seen_.clear(); }
    const std::vector<Seen>& Entries() const { return seen_; }
    // Starts a fresh log that records only these messages (empty: all).
    void Watch(std::vector<win32::UINT> messages) {
        watched_ = std::move(messages);
        seen_.clear();
    }

private:
    std::map<win32::HWND, std::string> names_;
    std::vector<Seen> seen_;
    std::vector<win32::UINT> watched_;
};

std::string MessageName(win32::UINT message);

// Compares a log with the expected table; on a mismatch prints both.
::testing::AssertionResult SequenceIs(const std::vector<Seen>& actual, const std::vector<Seen>& expected);
inline ::testing::AssertionResult SequenceIs(const std::vector<Seen>& expected) {
    return SequenceIs(MessageLog::Instance().Entries(), expected);
}

// A class whose procedure records every message under the window's creation
// text, then defers to DefWindowProcA. Registered once per process.
const char* RecordingClass();
win32::HWND CreateRecorded(const std::string& name, win32::DWORD style, win32::RECT rect,
                           win32::HWND parent = nullptr);

}  // namespace corvalmire::test
