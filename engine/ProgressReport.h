#pragma once
// Turning the encoder's progress reports into the progress window's percentage and times.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "RunState.h"

// "%02d:%02d:%02d" of hours, minutes and seconds; hours grow past two digits (100:00:00).
std::string FormatHms(long long seconds);

inline constexpr char kBatchStartText[] = "Total time:00:00:00,Elapsed time:00:00:00;Finished 0.0%";

struct ProgressView {
    int perMille = 0;  // of the whole batch, 0..1000
    std::string text;  // "Total time:...;Elapsed time:...;Finished n.n%"
};

// The view for a position within the current file, or nothing when it would pass 1000 per mille or the
// batch has no known length.
std::optional<ProgressView> ComputeProgress(double position, double convertedSeconds, double totalSeconds,
                                            std::uint32_t elapsedMs);

// What a progress report needs from the windows around it.
struct ProgressHooks {
    std::function<void()> pumpOneMessage;
    std::function<bool()> confirmStop;  // "Do you really want to stop?": true for Yes
    std::function<void(const ProgressView&)> show;
    std::function<std::uint32_t()> tickCount;
};

// One NOTIFY_PROGRESS report: returns the reply to the encoder (1 to stop).
int ReportProgress(RunState& state, double totalSeconds, double position, const ProgressHooks& hooks);
