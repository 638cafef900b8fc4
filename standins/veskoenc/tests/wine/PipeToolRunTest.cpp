// The Windows way of running a tool (pipes), with a Windows program Wine has: cmd.exe.

#include <gtest/gtest.h>

#include "PipeToolRun.h"
#include "Platform.h"

namespace {

const std::wstring kCmd = L"C:\\windows\\system32\\cmd.exe";

struct Collected {
    std::string output;
    std::string errors;
    int exitStatus = -1000;
    std::int64_t endedAfterMs = -1;
};

Collected Collect(ToolRun& run, int timeoutMs, bool stopAtOnce) {
    Collected c;
    const std::int64_t start = SteadyMilliseconds();
    if (stopAtOnce) {
        run.RequestStop();
    }
    while (SteadyMilliseconds() - start < timeoutMs) {
        const ToolEvent e = run.Next(50);
        if (e.kind == ToolEvent::Kind::Exited) {
            c.exitStatus = e.exitStatus;
            c.endedAfterMs = SteadyMilliseconds() - start;
            break;
        }
        (e.kind == ToolEvent::Kind::Output ? c.output : c.errors) += e.data;
    }
    return c;
}

TEST(PipeToolRun, RelaysBothStreamsAndTheExitCode) {
    std::string error;
    const auto run = StartPipeTool(kCmd, {"/c", "echo to stdout& echo to stderr 1>&2& exit /b 3"}, error);
    ASSERT_TRUE(run) << error;
    const Collected c = Collect(*run, 10000, false);
    EXPECT_EQ(c.exitStatus, 3);
    EXPECT_NE(c.output.find("to stdout"), std::string::npos) << c.output;
    EXPECT_NE(c.errors.find("to stderr"), std::string::npos) << c.errors;
}

TEST(PipeToolRun, AToolThatIgnoresTheStopKeyIsEndedSoon) {
    std::string error;
    // Waits for ten seconds whatever arrives on its input.
    const auto run = StartPipeTool(kCmd, {"/c", "ping -n 11 127.0.0.1 >nul"}, error);
    ASSERT_TRUE(run) << error;
    const Collected c = Collect(*run, 5000, true);
    EXPECT_GE(c.endedAfterMs, 0) << "still running";
    EXPECT_LE(c.endedAfterMs, 1500);
}

TEST(PipeToolRun, AHeldToolWaitsUntilLetGo) {
    std::string error;
    // About a second of work when left alone.
    const auto run = StartPipeTool(kCmd, {"/c", "ping -n 2 127.0.0.1 >nul"}, error);
    ASSERT_TRUE(run) << error;
    run->Pause(true);
    const std::int64_t start = SteadyMilliseconds();
    bool held = true;
    std::int64_t exitedAt = -1;
    while (SteadyMilliseconds() - start < 8000 && exitedAt < 0) {
        if (held && SteadyMilliseconds() - start >= 1500) {
            run->Pause(false);
            held = false;
        }
        if (run->Next(50).kind == ToolEvent::Kind::Exited) {
            exitedAt = SteadyMilliseconds() - start;
        }
    }
    EXPECT_GE(exitedAt, 2000) << "ran on while held";
}

TEST(PipeToolRun, AMissingProgramIsAnErrorNotACrash) {
    std::string error;
    EXPECT_FALSE(StartPipeTool(L"C:\\no\\such\\ffmpeg.exe", {"-version"}, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
