#include "app/DOSOutputs.h"

#include <algorithm>
#include <array>

#include "host/MsgBox.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "platform/kernel/ScopedHandle.h"
#include "platform/user/WindowTypes.h"

namespace app {

namespace {

void ShowFailure(const std::string& message) { host::MsgBox(message, host::vbCritical); }

// What a failed run returns; the captured output keeps its previous value.
const std::string& NoOutput() {
    static const std::string none;
    return none;
}

}  // namespace

const std::string& DOSOutputs::ExecuteCommand(const std::string& CommandLine) {
    if (!CommandLine.empty()) commandLine_ = CommandLine;
    if (commandLine_.empty()) {
        ShowFailure("Command Line empty");
        return NoOutput();
    }

    win32::SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.bInheritHandle = win32::TRUE;
    win32::ScopedHandle readEnd;
    win32::ScopedHandle writeEnd;
    if (!win32::CreatePipe(readEnd.Put(), writeEnd.Put(), &attributes, 0)) {
        ShowFailure("CreatePipe failed. Error: " + std::to_string(win32::GetLastError()));
        return NoOutput();
    }

    win32::STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = win32::STARTF_USESHOWWINDOW | win32::STARTF_USESTDHANDLES;
    startup.wShowWindow = win32::SW_HIDE;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    win32::PROCESS_INFORMATION process{};
    std::string commandLine = commandLine_;  // CreateProcessA takes a writable line
    if (win32::CreateProcessA(nullptr, commandLine.data(), &attributes, &attributes, win32::TRUE,
                              win32::NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                              &process) != win32::TRUE) {
        readEnd.Close();
        writeEnd.Close();
        ShowFailure("File or command not found");
        return NoOutput();
    }
    win32::ScopedHandle processHandle(process.hProcess);
    win32::ScopedHandle threadHandle(process.hThread);
    // Our copy of the write end must go, or the pipe never reports its end.
    writeEnd.Close();

    outputs_.clear();
    ReadUntilEnd(readEnd.Get());
    // Closed in this order: process, thread, then the read end.
    processHandle.Close();
    threadHandle.Close();
    readEnd.Close();
    return outputs_;
}

void DOSOutputs::ReadUntilEnd(win32::HANDLE readEnd) {
    // A read takes all the pipe holds, up to its capacity, so a fast writer
    // costs one read per filling instead of one per chunk; the events still
    // hand it on in chunks of at most kReadSize, as successive reads of that
    // size would return what was already waiting.
    std::array<char, kPipeReadSize> buffer;
    std::string chunk;
    bool more = true;
    while (more) {
        win32::DWORD count = 0;
        more = win32::ReadFile(readEnd, buffer.data(), static_cast<win32::DWORD>(kPipeReadSize), &count,
                               nullptr) == win32::TRUE;
        if (!more) count = 0;
        // The end of the output is one empty chunk.
        std::size_t at = 0;
        do {
            // One character per byte: the output is passed on exactly as written.
            chunk.assign(buffer.data() + at, std::min<std::size_t>(kReadSize, count - at));
            at += chunk.size();
            outputs_.append(chunk);
            ReceiveOutputs.Raise(chunk);
        } while (at < count);
    }
}

}  // namespace app
