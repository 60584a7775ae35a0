#include "platform/kernel/EventLog.h"

#include <syslog.h>

#include <mutex>

namespace win32 {

namespace {

struct EventLog {
    std::mutex mutex;
    std::vector<ApplicationEvent> record;
    bool opened = false;
};

EventLog& Log() {
    static EventLog log;
    return log;
}

int SyslogPriority(WORD type) {
    switch (type) {
        case EVENTLOG_ERROR_TYPE: return LOG_ERR;
        case EVENTLOG_WARNING_TYPE: return LOG_WARNING;
        default: return LOG_INFO;
    }
}

}  // namespace

void ReportApplicationEvent(std::string_view text, WORD type) {
    auto& log = Log();
    std::lock_guard lock(log.mutex);
    if (!log.opened) {
        openlog("Corvalmire", LOG_PID, LOG_USER);
        log.opened = true;
    }
    log.record.push_back({type, std::string(text)});
    // A format of its own keeps a '%' in the text from being read as a format.
    syslog(SyslogPriority(type), "%.*s", static_cast<int>(text.size()), text.data());
}

std::vector<ApplicationEvent> ApplicationEventRecord() {
    auto& log = Log();
    std::lock_guard lock(log.mutex);
    return log.record;
}

void ClearApplicationEventRecord() {
    auto& log = Log();
    std::lock_guard lock(log.mutex);
    log.record.clear();
}

}  // namespace win32
