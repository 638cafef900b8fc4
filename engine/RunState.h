#pragma once
// What the encoder run, the progress reports and the batch share while a probe or a batch runs.
// Process-wide; only the user-interface thread touches it.

#include <cstdint>

struct RunState {
    bool stopRequested = false;  // set by the progress window's Cancel
    bool probeFailed = false;    // set when the encoder reports a fact that is not usable
    bool running = false;        // a probe or a batch is under way: no second one may start inside it
    int currentIndex = 0;        // the row being converted
    double convertedSeconds = 0.0;  // durations of the rows already converted in this batch
    std::uint32_t startTick = 0;    // GetTickCount() at the start of the batch
    double lastPosition = 999.0;    // the last position shown; carries over from file to file
    int progressCalls = 0;          // counts reports; every 100th pumps one extra message
};

RunState& TheRunState();
