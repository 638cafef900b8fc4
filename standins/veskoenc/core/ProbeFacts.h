#pragma once
// The four facts a probe reports, from ffprobe's "key=value" lines (ProbeArguments).

#include <cstdint>
#include <optional>
#include <string_view>

struct ProbeFacts {
    std::int32_t durationSeconds = 0;  // rounded up: a non-empty clip never reports 0
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t frameRateScaled = 0;  // frames per second times 10 000 000, at most INT32_MAX
    bool operator==(const ProbeFacts&) const = default;
};

// Nothing unless all four facts are there and positive.
std::optional<ProbeFacts> ParseProbeFacts(std::string_view ffprobeOutput);
