#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/LastError.h"

namespace win32 {
namespace {

TEST(LastError, IsKeptPerThread) {
    SetLastError(ERROR_BROKEN_PIPE);
    DWORD seenByOther = 1;
    std::thread other([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_ACCESS_DENIED);
    });
    other.join();
    EXPECT_EQ(seenByOther, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_BROKEN_PIPE);
}

TEST(CurrentProcess, IdIsTheProcessId) { EXPECT_EQ(GetCurrentProcessId(), static_cast<DWORD>(::getpid())); }

}  // namespace
}  // namespace win32
