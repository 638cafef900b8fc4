#include "ProgressReport.h"

#include "EncoderInterface.h"
#include "TextFormat.h"

std::string FormatHms(long long seconds) {
    if (seconds < 0) {
        seconds = 0;
    }
    return FormatText("%02lld:%02lld:%02lld", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

std::optional<ProgressView> ComputeProgress(double position, double convertedSeconds, double totalSeconds,
                                            std::uint32_t elapsedMs) {
    if (!(totalSeconds > 0.0)) {
        return std::nullopt;  // durations never reported: no meaningful share
    }
    const double perMille = (position + convertedSeconds) * 1000.0 / totalSeconds;
    if (perMille > 1000.0 || perMille < 0.0) {
        return std::nullopt;
    }
    const long long shown = static_cast<long long>(perMille);
    const long long totalMs = perMille != 0.0 ? static_cast<long long>(elapsedMs * 1000.0 / perMille)
                                              : static_cast<long long>(totalSeconds) * 1000;
    ProgressView view;
    view.perMille = static_cast<int>(shown);
    view.text = "Total time:" + FormatHms(totalMs / 1000) + ";Elapsed time:" + FormatHms(elapsedMs / 1000) +
                FormatText(";Finished %lld.%01lld%%", shown / 10, shown % 10);
    return view;
}

int ReportProgress(RunState& state, double totalSeconds, double position, const ProgressHooks& hooks) {
    if (++state.progressCalls >= 100) {
        hooks.pumpOneMessage();
        state.progressCalls = 0;
    }
    if (state.stopRequested) {
        if (hooks.confirmStop()) {
            return static_cast<int>(kReplyStop);
        }
        state.stopRequested = false;
    }
    hooks.pumpOneMessage();
    if (position == state.lastPosition) {
        return static_cast<int>(kReplyContinue);
    }
    state.lastPosition = position;
    const std::uint32_t elapsed = hooks.tickCount() - state.startTick;  // wraps like the tick count itself
    if (const auto view = ComputeProgress(position, state.convertedSeconds, totalSeconds, elapsed)) {
        hooks.show(*view);
    }
    hooks.pumpOneMessage();
    return static_cast<int>(kReplyContinue);
}
