// The message contract, with a scripted tool and a scripted clock.

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <thread>
#include <utility>
#include <vector>

#include "EncoderInterface.h"
#include "EncoderSession.h"

namespace {

struct ScriptedTool : ToolRun {
    // Each step: the event to return and the milliseconds it takes.
    std::deque<std::pair<ToolEvent, std::int64_t>> steps;
    std::int64_t* now = nullptr;
    bool stopRequested = false;
    std::int64_t exitAfterStopMs = -1;  // -1: never exits by itself after a stop
    std::optional<std::int64_t> stoppedAt;

    ToolEvent Next(int timeout) override {
        if (stoppedAt && exitAfterStopMs >= 0 && *now >= *stoppedAt + exitAfterStopMs) {
            return {ToolEvent::Kind::Exited, "", 255};
        }
        if (steps.empty() || stoppedAt) {
            *now += timeout;
            return {};
        }
        auto [event, duration] = steps.front();
        steps.pop_front();
        *now += duration;
        return event;
    }
    std::vector<bool> pauses;
    void Pause(bool paused) override { pauses.push_back(paused); }
    void RequestStop() override {
        stopRequested = true;
        stoppedAt = *now;
    }
};

ToolEvent Out(const std::string& text) {
    return {ToolEvent::Kind::Output, text, 0};
}
ToolEvent Progress(std::int64_t us) {
    return Out("out_time_us=" + std::to_string(us) + "\nprogress=continue\n");
}

struct Recorder {
    std::vector<std::pair<unsigned, std::int32_t>> messages;
    std::intptr_t stopAtSecond = -1;
    NotifyFn Fn() {
        return [this](unsigned code, std::int32_t value) -> std::intptr_t {
            messages.emplace_back(code, value);
            return (stopAtSecond >= 0 && value >= stopAtSecond) ? kReplyStop : kReplyContinue;
        };
    }
};

TEST(FollowConversion, ReportsEachNewSecondAndTheEnd) {
    std::int64_t now = 0;
    ScriptedTool tool;
    tool.now = &now;
    for (int i = 1; i <= 12; ++i) {
        tool.steps.push_back({Progress(i * 250000), 250});
    }
    tool.steps.push_back({Out("out_time_us=3100000\nprogress=end\n"), 10});
    tool.steps.push_back({{ToolEvent::Kind::Errors, "warning\n", 0}, 1});
    tool.steps.push_back({{ToolEvent::Kind::Exited, "", 0}, 1});
    Recorder recorder;
    const auto outcome = FollowConversion(tool, recorder.Fn(), [&] { return now; });
    EXPECT_TRUE(outcome.exited);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_EQ(outcome.lastMessages, "warning\n");
    std::vector<std::int32_t> positions;
    for (const auto& [code, value] : recorder.messages) {
        EXPECT_EQ(code, NOTIFY_PROGRESS);
        positions.push_back(value);
    }
    // The first block, each new second, the 500 ms heartbeats in between, the end.
    const std::vector<std::int32_t> expected = {0, 0, 1, 1, 2, 2, 3};
    EXPECT_EQ(positions, expected);
}

TEST(FollowConversion, KeepsReportingWhileTheToolIsSilent) {
    std::int64_t now = 0;
    ScriptedTool tool;
    tool.now = &now;
    tool.steps.push_back({Progress(0), 0});
    for (int i = 0; i < 60; ++i) {
        tool.steps.push_back({{}, 50});  // three seconds of silence
    }
    tool.steps.push_back({{ToolEvent::Kind::Exited, "", 1}, 0});
    Recorder recorder;
    FollowConversion(tool, recorder.Fn(), [&] { return now; });
    EXPECT_GE(recorder.messages.size(), 6u);  // at least once a second of wall time
    EXPECT_LE(recorder.messages.size(), 8u);  // and no flood
}

TEST(FollowConversion, AStopReplyStopsTheToolAndEndsPromptly) {
    std::int64_t now = 0;
    ScriptedTool tool;
    tool.now = &now;
    for (int i = 1; i <= 40; ++i) {
        tool.steps.push_back({Progress(i * 250000), 250});
    }
    tool.exitAfterStopMs = 300;
    Recorder recorder;
    recorder.stopAtSecond = 2;
    const auto outcome = FollowConversion(tool, recorder.Fn(), [&] { return now; });
    EXPECT_TRUE(tool.stopRequested);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(recorder.messages.back().second, 2);
    EXPECT_LE(now - *tool.stoppedAt, 400);
}

TEST(FollowConversion, GivesUpOnAToolThatIgnoresTheStop) {
    std::int64_t now = 0;
    ScriptedTool tool;
    tool.now = &now;
    tool.steps.push_back({Progress(1000000), 100});
    Recorder recorder;
    recorder.stopAtSecond = 0;
    const SessionTiming timing;
    const auto outcome = FollowConversion(
        tool, recorder.Fn(), [&] { return now; }, timing);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.exited);
    EXPECT_LE(now - *tool.stoppedAt, timing.stopGraceMilliseconds + timing.pollMilliseconds);
    EXPECT_EQ(recorder.messages.size(), 1u);  // nothing after the stop
}

TEST(NotifyHoldingTool, HoldsTheToolOnlyWhileASlowReplyIsAwaited) {
    std::int64_t now = 0;
    ScriptedTool tool;
    tool.now = &now;
    const NotifyFn quick = [](unsigned, std::int32_t) -> std::intptr_t { return kReplyContinue; };
    EXPECT_EQ(NotifyHoldingTool(tool, quick, NOTIFY_PROGRESS, 3, 300), kReplyContinue);
    EXPECT_TRUE(tool.pauses.empty());

    // The user reads "Do you really want to stop?" for a while, then answers Yes.
    const NotifyFn asking = [&tool](unsigned, std::int32_t) -> std::intptr_t {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        EXPECT_EQ(tool.pauses, std::vector<bool>{true}) << "held while the question is open";
        return kReplyStop;
    };
    EXPECT_EQ(NotifyHoldingTool(tool, asking, NOTIFY_PROGRESS, 3, 100), kReplyStop);
    EXPECT_EQ(tool.pauses, (std::vector<bool>{true, false}));
}

TEST(ReportProbe, FourFactsOrAFailedDuration) {
    Recorder good;
    ReportProbe(ProbeFacts{3, 640, 480, 250000000}, good.Fn());
    const std::vector<std::pair<unsigned, std::int32_t>> facts = {
        {NOTIFY_DURATION, 3}, {NOTIFY_WIDTH, 640}, {NOTIFY_HEIGHT, 480}, {NOTIFY_FRAME_RATE, 250000000}};
    EXPECT_EQ(good.messages, facts);
    Recorder bad;
    ReportProbe(std::nullopt, bad.Fn());
    const std::vector<std::pair<unsigned, std::int32_t>> failed = {{NOTIFY_DURATION, 0}};
    EXPECT_EQ(bad.messages, failed);
}

}  // namespace
