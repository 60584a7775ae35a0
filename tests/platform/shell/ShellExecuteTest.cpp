// ShellExecuteA's answers for what opens nothing.
#include <gtest/gtest.h>

#include "platform/shell/Shell.h"

namespace win32 {
namespace {

LONG_PTR Open(LPCSTR operation, LPCSTR file) {
    return reinterpret_cast<LONG_PTR>(ShellExecuteA(nullptr, operation, file, "1", "1", 1));
}

TEST(ShellExecuteTest, WhatOpensNothingFailsWithTheShellsCodes) {
    EXPECT_EQ(Open("open", ""), SE_ERR_FNF);
    EXPECT_EQ(Open("open", nullptr), SE_ERR_FNF);
    EXPECT_EQ(Open("print", "/tmp"), SE_ERR_NOASSOC);
    // A missing document: the desktop's opener says so, or there is none.
    const LONG_PTR missing = Open(nullptr, "/nonexistent/corvalmire/readme.txt");
    EXPECT_TRUE(missing == SE_ERR_FNF || missing == SE_ERR_NOASSOC) << missing;
}

}  // namespace
}  // namespace win32
