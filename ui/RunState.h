#pragma once
// The state of the encoder runs, shared by the windows and the conversion code. Only the user-interface
// thread touches it.

#include <cstdint>

class CProgressDlg;

struct RunState {
    bool stopRequested = false;     // the progress window's Cancel; cleared when a batch starts
    bool probeFailed = false;       // a probed fact was rejected
    int currentIndex = 0;           // the row being converted
    double convertedSeconds = 0.0;  // durations of the rows already converted in this batch
    std::uint32_t startTick = 0;    // GetTickCount at the start of the batch
    double lastPosition = 999.0;    // the last progress position shown; never reset
    int progressCalls = 0;          // progress reports since the last extra message pump (0..99)
};

RunState& TheRunState();

// The one progress window, created hidden by the main window and deleted with it.
extern CProgressDlg* progressDlg;
