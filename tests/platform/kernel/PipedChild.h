// One child with stdout and stderr on a fresh pipe, as the runner starts it.
// Shared by the process tests and the interpreter's.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/kernel/Handles.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"

namespace testing_support {

struct PipedChild {
    win32::HANDLE readEnd = nullptr;
    win32::PROCESS_INFORMATION info{};
    win32::BOOL started = win32::FALSE;
    win32::DWORD error = 0;

    explicit PipedChild(std::string commandLine, const char* folder = nullptr,
                        const char* application = nullptr) {
        using namespace win32;
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        started = CreateProcessA(application, commandLine.data(), &inherit, &inherit, TRUE,
                                 NORMAL_PRIORITY_CLASS, nullptr, folder, &startup, &info);
        error = GetLastError();
        CloseHandle(writeEnd);
    }

    // Everything up to the end of the output, which must come as a broken pipe.
    std::string ReadAll() {
        using namespace win32;
        std::string all;
        char buffer[256];
        DWORD count = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr)) all.append(buffer, count);
        EXPECT_EQ(GetLastError(), ERROR_BROKEN_PIPE);
        EXPECT_EQ(count, 0u);
        return all;
    }

    void Close() {
        if (info.hProcess) win32::CloseHandle(info.hProcess);
        if (info.hThread) win32::CloseHandle(info.hThread);
        if (readEnd) win32::CloseHandle(readEnd);
        info = {};
        readEnd = nullptr;
    }
};

}  // namespace testing_support
