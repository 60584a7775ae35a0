#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "app/DOSOutputs.h"
#include "host/MsgBox.h"
#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/Handles.h"
#include "platform/kernel/KernelExtensions.h"
#include "tests/platform/kernel/ProcessProbes.h"

namespace app {
namespace {

using testing_support::OpenDescriptorCount;
using testing_support::ZombieChildren;

// Records each event's chunk together with what Outputs held at that moment.
struct Recorder {
    explicit Recorder(DOSOutputs& runner) : runner_(runner) {
        runner.ReceiveOutputs.Connect([this](const std::string& chunk) {
            chunks.push_back(chunk);
            outputsSeen.push_back(runner_.Outputs());
        });
    }
    std::vector<std::size_t> Sizes() const {
        std::vector<std::size_t> sizes;
        for (const auto& chunk : chunks) sizes.push_back(chunk.size());
        return sizes;
    }
    std::vector<std::string> chunks;
    std::vector<std::string> outputsSeen;

private:
    DOSOutputs& runner_;
};

std::string Digits(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + i % 10));
    return text;
}

class DOSOutputsTest : public ::testing::Test {
protected:
    void TearDown() override {
        win32::kernel::WaitForReleasedChildren();
        EXPECT_EQ(ZombieChildren(), 0);
    }
    host::RecordedMessageBoxes boxes;
    DOSOutputs runner;
    Recorder recorder{runner};
};

TEST_F(DOSOutputsTest, SilentCommandRaisesOneEmptyEvent) {
    EXPECT_EQ(runner.ExecuteCommand("childprog silent"), "");
    EXPECT_EQ(recorder.chunks, std::vector<std::string>{""});
    EXPECT_EQ(runner.Outputs(), "");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DOSOutputsTest, ReadsAtMost256BytesPerEventThenAnEmptyOne) {
    struct Case {
        std::size_t bytes;
        std::vector<std::size_t> sizes;
    };
    // A write of up to 4096 bytes is atomic on a pipe, so the reads see it whole.
    std::vector<std::size_t> sixteenFull(16, 256);
    sixteenFull.push_back(0);
    for (const Case& c : {Case{256, {256, 0}}, Case{600, {256, 256, 88, 0}}, Case{1, {1, 0}},
                          Case{4096, sixteenFull}}) {
        recorder.chunks.clear();
        recorder.outputsSeen.clear();
        const std::string expected = Digits(c.bytes);
        EXPECT_EQ(runner.ExecuteCommand("childprog bytes " + std::to_string(c.bytes)), expected);
        EXPECT_EQ(recorder.Sizes(), c.sizes) << c.bytes;
        // Each chunk is already part of Outputs when its event is raised.
        std::string soFar;
        for (std::size_t i = 0; i < recorder.chunks.size(); ++i) {
            soFar += recorder.chunks[i];
            EXPECT_EQ(recorder.outputsSeen[i], soFar) << "event " << i;
        }
        EXPECT_EQ(runner.Outputs(), expected);
    }
}

TEST_F(DOSOutputsTest, StandardErrorInterleavesInWriteOrder) {
    EXPECT_EQ(runner.ExecuteCommand("childprog interleave"), "out1\nerr1\nout2\nerr2\n");
}

TEST_F(DOSOutputsTest, AGrandchildHoldingTheOutputKeepsTheLoopReading) {
    EXPECT_EQ(runner.ExecuteCommand("childprog grandchild"),
              "child exits\ngrandchild writes after its parent exited\n");
    EXPECT_EQ(recorder.chunks.back(), "");
}

TEST_F(DOSOutputsTest, StoredCommandLineIsUsedAndReplaced) {
    runner.CommandLine("childprog bytes 3");
    EXPECT_EQ(runner.ExecuteCommand(), "012");
    EXPECT_EQ(runner.ExecuteCommand("childprog bytes 5"), "01234");
    EXPECT_EQ(runner.CommandLine(), "childprog bytes 5");
    EXPECT_EQ(runner.ExecuteCommand(""), "01234") << "an empty argument keeps the stored line";
}

TEST_F(DOSOutputsTest, EmptyCommandLineKeepsThePreviousOutputs) {
    runner.ExecuteCommand("childprog bytes 4");
    recorder.chunks.clear();
    runner.CommandLine("");
    EXPECT_EQ(runner.ExecuteCommand(), "");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].prompt, "Command Line empty");
    EXPECT_EQ(boxes.boxes[0].buttons, host::vbCritical);
    EXPECT_EQ(boxes.boxes[0].title, "Corvalmire");
    EXPECT_TRUE(recorder.chunks.empty());
    EXPECT_EQ(runner.Outputs(), "0123");
}

TEST_F(DOSOutputsTest, UnknownProgramFailsWithoutEventOrLeftovers) {
    runner.ExecuteCommand("childprog bytes 2");
    recorder.chunks.clear();
    const int descriptors = OpenDescriptorCount();
    const std::size_t handles = win32::OpenKernelHandleCount();
    EXPECT_EQ(runner.ExecuteCommand("no-such-program-anywhere x y"), "");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].prompt, "File or command not found");
    EXPECT_EQ(boxes.boxes[0].buttons, host::vbCritical);
    EXPECT_EQ(boxes.boxes[0].title, "Corvalmire");
    EXPECT_TRUE(recorder.chunks.empty());
    EXPECT_EQ(runner.Outputs(), "01") << "a run that never started keeps the previous text";
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
    EXPECT_EQ(win32::OpenKernelHandleCount(), handles);
}

TEST_F(DOSOutputsTest, AFailureInsideTheInterpreterIsOrdinaryOutput) {
    EXPECT_EQ(runner.ExecuteCommand("cmd /c no-such-converter a b"),
              "'no-such-converter' is not recognized as an internal or external command,\r\n"
              "operable program or batch file.\r\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DOSOutputsTest, PipeFailureReportsTheSystemError) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    // Reached before the limit: clang's check of a member access through
    // `this` probes memory with a pipe, which the limit would refuse.
    DOSOutputs& run = runner;
    // The lowest free descriptor becomes the limit: the pipe cannot be made.
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    const std::string result = run.ExecuteCommand("childprog bytes 2");
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(result, "");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].prompt, "CreatePipe failed. Error: 4");  // ERROR_TOO_MANY_OPEN_FILES
    EXPECT_EQ(boxes.boxes[0].buttons, host::vbCritical);
    EXPECT_TRUE(recorder.chunks.empty());
}

TEST(ReceiveOutputsEvent, HandlersMayDisconnectWhileBeingCalled) {
    ReceiveOutputsEvent event;
    std::vector<std::string> calls;
    ReceiveOutputsEvent::Connection first = 0;
    first = event.Connect([&](const std::string& chunk) {
        calls.push_back("first " + chunk);
        event.Disconnect(first);
    });
    event.Connect([&](const std::string& chunk) { calls.push_back("second " + chunk); });
    event.Raise("a");
    event.Raise("b");
    EXPECT_EQ(calls, (std::vector<std::string>{"first a", "second a", "second b"}));
}

// Changes made while a raise runs apply from the next raise, a nested one
// included: a handler connected meanwhile waits for it, one disconnected
// before being reached is still called this time and skipped from then on.
TEST(ReceiveOutputsEvent, ChangesDuringARaiseApplyFromTheNextRaise) {
    ReceiveOutputsEvent event;
    std::vector<std::string> calls;
    ReceiveOutputsEvent::Connection third = 0;
    event.Connect([&](const std::string& chunk) {
        calls.push_back("first " + chunk);
        if (chunk != "a") return;
        event.Disconnect(third);
        event.Connect([&](const std::string& inner) { calls.push_back("late " + inner); });
        event.Raise("nested");
    });
    event.Connect([&](const std::string& chunk) { calls.push_back("second " + chunk); });
    third = event.Connect([&](const std::string& chunk) { calls.push_back("third " + chunk); });
    event.Raise("a");
    event.Raise("b");
    EXPECT_EQ(calls, (std::vector<std::string>{"first a", "first nested", "second nested", "late nested",
                                               "second a", "third a", "first b", "second b", "late b"}));
}

}  // namespace
}  // namespace app
