#pragma once
// What veskoenc.exe does with a started tool: the message contract with Corvane, free of any platform.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ProbeFacts.h"
#include "ToolRun.h"

// Sends WM_ENCODER_NOTIFY (code, value) and returns the reply.
using NotifyFn = std::function<std::intptr_t(unsigned code, std::int32_t value)>;
using ClockFn = std::function<std::int64_t()>;  // milliseconds, steady

struct SessionTiming {
    std::int64_t heartbeatMilliseconds = 500;  // progress at least this often
    // A reply slower than this means Corvane is asking the user whether to stop: the tool is held until
    // the reply comes, so that the conversion pauses as it would with an encoder that does the work itself.
    std::int64_t holdAfterMilliseconds = 300;
    std::int64_t stopGraceMilliseconds = 900;  // after a stop reply, how long the tool may take to finish
    int pollMilliseconds = 50;
};

struct ConversionOutcome {
    bool exited = false;   // the tool ended on its own or after the stop request
    bool stopped = false;  // Corvane replied 1
    int exitStatus = -1;
    std::int32_t lastPosition = 0;
    std::string lastMessages;  // the tool's last lines on stderr
};

// notify(code, value) with the tool held while the reply takes longer than holdAfterMilliseconds.
std::intptr_t NotifyHoldingTool(ToolRun& run, const NotifyFn& notify, unsigned code, std::int32_t value,
                                std::int64_t holdAfterMilliseconds);

ConversionOutcome FollowConversion(ToolRun& run, const NotifyFn& notify, const ClockFn& clock,
                                   const SessionTiming& timing = {});

struct ProbeOutcome {
    std::optional<ProbeFacts> facts;
    int exitStatus = -1;
    std::string lastMessages;
};

ProbeOutcome CollectProbe(ToolRun& run, const ClockFn& clock, std::int64_t timeoutMilliseconds);

// Codes 1 to 4, or a duration of 0 for a file that could not be read, so that Corvane reports it as
// failed whatever it makes of missing facts.
void ReportProbe(const std::optional<ProbeFacts>& facts, const NotifyFn& notify);
