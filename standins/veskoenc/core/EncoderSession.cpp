#include "EncoderSession.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "EncoderInterface.h"
#include "ProgressTracking.h"

namespace {
constexpr size_t kTailLines = 20;
}

std::intptr_t NotifyHoldingTool(ToolRun& run, const NotifyFn& notify, unsigned code, std::int32_t value,
                                std::int64_t holdAfterMilliseconds) {
    std::mutex mutex;
    std::condition_variable replied;
    bool done = false;
    bool paused = false;
    // Only this thread touches the run while the caller waits for the reply.
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!replied.wait_for(lock, std::chrono::milliseconds(holdAfterMilliseconds), [&] { return done; })) {
            run.Pause(true);
            paused = true;
        }
    });
    const std::intptr_t reply = notify(code, value);
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    replied.notify_one();
    watchdog.join();
    if (paused) {
        run.Pause(false);
    }
    return reply;
}

ConversionOutcome FollowConversion(ToolRun& run, const NotifyFn& notify, const ClockFn& clock,
                                   const SessionTiming& timing) {
    ConversionOutcome outcome;
    ProgressParser parser;
    ProgressThrottle throttle(timing.heartbeatMilliseconds);
    OutputTail tail(kTailLines);
    std::optional<std::int64_t> stopDeadline;
    while (true) {
        const ToolEvent event = run.Next(timing.pollMilliseconds);
        if (event.kind == ToolEvent::Kind::Exited) {
            outcome.exited = true;
            outcome.exitStatus = event.exitStatus;
            break;
        }
        if (event.kind == ToolEvent::Kind::Output) {
            if (const auto block = parser.Feed(event.data)) {
                outcome.lastPosition = static_cast<std::int32_t>(block->outTimeMicroseconds / 1000000);
            }
        } else if (event.kind == ToolEvent::Kind::Errors) {
            tail.Feed(event.data);
        }
        const std::int64_t now = clock();
        if (stopDeadline) {
            if (now >= *stopDeadline) {
                break;  // the tool is ended when the run is destroyed
            }
            continue;
        }
        if (const auto due = throttle.Due(now, outcome.lastPosition)) {
            if (NotifyHoldingTool(run, notify, NOTIFY_PROGRESS, *due, timing.holdAfterMilliseconds) ==
                kReplyStop) {
                outcome.stopped = true;
                run.RequestStop();
                stopDeadline = clock() + timing.stopGraceMilliseconds;
            }
        }
    }
    outcome.lastMessages = tail.Text();
    return outcome;
}

ProbeOutcome CollectProbe(ToolRun& run, const ClockFn& clock, std::int64_t timeoutMilliseconds) {
    ProbeOutcome outcome;
    std::string output;
    OutputTail tail(kTailLines);
    const std::int64_t deadline = clock() + timeoutMilliseconds;
    while (clock() < deadline) {
        const ToolEvent event = run.Next(100);
        if (event.kind == ToolEvent::Kind::Exited) {
            outcome.exitStatus = event.exitStatus;
            break;
        }
        if (event.kind == ToolEvent::Kind::Output && output.size() < 65536) {
            output += event.data;
        } else if (event.kind == ToolEvent::Kind::Errors) {
            tail.Feed(event.data);
        }
    }
    if (outcome.exitStatus == 0) {
        outcome.facts = ParseProbeFacts(output);
    }
    outcome.lastMessages = tail.Text();
    return outcome;
}

void ReportProbe(const std::optional<ProbeFacts>& facts, const NotifyFn& notify) {
    if (!facts) {
        notify(NOTIFY_DURATION, 0);
        return;
    }
    notify(NOTIFY_DURATION, facts->durationSeconds);
    notify(NOTIFY_WIDTH, facts->width);
    notify(NOTIFY_HEIGHT, facts->height);
    notify(NOTIFY_FRAME_RATE, facts->frameRateScaled);
}
