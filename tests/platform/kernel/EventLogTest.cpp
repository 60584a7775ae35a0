#include <gtest/gtest.h>

#include "platform/kernel/EventLog.h"

namespace win32 {
namespace {

TEST(EventLog, RecordsEntriesInOrderUntilCleared) {
    ClearApplicationEventRecord();
    ReportApplicationEvent("raReruri.sc_Subclass: Invalid window handle", EVENTLOG_ERROR_TYPE);
    ReportApplicationEvent("100% done", EVENTLOG_INFORMATION_TYPE);
    ReportApplicationEvent("careful", EVENTLOG_WARNING_TYPE);

    const std::vector<ApplicationEvent> expected = {
        {EVENTLOG_ERROR_TYPE, "raReruri.sc_Subclass: Invalid window handle"},
        {EVENTLOG_INFORMATION_TYPE, "100% done"},
        {EVENTLOG_WARNING_TYPE, "careful"},
    };
    EXPECT_EQ(ApplicationEventRecord(), expected);

    ClearApplicationEventRecord();
    EXPECT_TRUE(ApplicationEventRecord().empty());
}

}  // namespace
}  // namespace win32
