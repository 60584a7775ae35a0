// The application event log. Entries go to syslog (ident "Corvalmire") and to
// an in-memory record that tests read and clear.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Win32Types.h"

namespace win32 {

constexpr WORD EVENTLOG_SUCCESS = 0x0000;
constexpr WORD EVENTLOG_ERROR_TYPE = 0x0001;
constexpr WORD EVENTLOG_WARNING_TYPE = 0x0002;
constexpr WORD EVENTLOG_INFORMATION_TYPE = 0x0004;

struct ApplicationEvent {
    WORD type;
    std::string text;
    friend bool operator==(const ApplicationEvent&, const ApplicationEvent&) = default;
};

// Writes one entry of the given type (EVENTLOG_*_TYPE).
void ReportApplicationEvent(std::string_view text, WORD type = EVENTLOG_INFORMATION_TYPE);

// Entries written so far in this process, oldest first.
std::vector<ApplicationEvent> ApplicationEventRecord();
void ClearApplicationEventRecord();

}  // namespace win32
