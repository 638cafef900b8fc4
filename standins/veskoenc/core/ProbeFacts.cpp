#include "ProbeFacts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "EncoderInterface.h"
#include "KeyValueLine.h"
#include "SubOptions.h"

namespace {

// "30000/1001", "25/1"; "0/0" (unknown) gives nothing.
std::optional<double> Rate(std::string_view text) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        const auto value = ParseDecimal(text);
        return value && *value > 0 ? value : std::nullopt;
    }
    const auto num = ParseWholeNumber(text.substr(0, slash));
    const auto den = ParseWholeNumber(text.substr(slash + 1));
    if (!num || !den || *num <= 0 || *den <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(*num) / static_cast<double>(*den);
}

std::optional<std::int32_t> PositiveInt(std::string_view text) {
    const auto n = ParseWholeNumber(text);
    if (!n || *n <= 0 || *n > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*n);
}

}  // namespace

std::optional<ProbeFacts> ParseProbeFacts(std::string_view output) {
    std::optional<double> duration;
    std::optional<std::int32_t> width;
    std::optional<std::int32_t> height;
    std::optional<double> averageRate;
    std::optional<double> baseRate;
    while (!output.empty()) {
        const size_t end = output.find('\n');
        const std::string_view line = output.substr(0, end);
        output = end == std::string_view::npos ? std::string_view() : output.substr(end + 1);
        const auto entry = SplitKeyValueLine(line);
        if (!entry) {
            continue;
        }
        const auto [key, value] = *entry;
        // The first value of each key counts: the chosen video stream comes before anything else.
        if (key == "duration" && !duration) {
            duration = ParseDecimal(value);
        } else if (key == "width" && !width) {
            width = PositiveInt(value);
        } else if (key == "height" && !height) {
            height = PositiveInt(value);
        } else if (key == "avg_frame_rate" && !averageRate) {
            averageRate = Rate(value);
        } else if (key == "r_frame_rate" && !baseRate) {
            baseRate = Rate(value);
        }
    }
    const std::optional<double> rate = averageRate ? averageRate : baseRate;
    if (!duration || !(*duration > 0) || !width || !height || !rate) {
        return std::nullopt;
    }
    ProbeFacts facts;
    // Whole milliseconds first, so that 3.000000 stays 3 and 3.0004 is not taken for a fourth second.
    const double milliseconds = std::round(*duration * 1000.0);
    const double seconds = std::max(1.0, std::ceil(milliseconds / 1000.0));
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    facts.durationSeconds = static_cast<std::int32_t>(std::min(seconds, kMax));
    facts.width = *width;
    facts.height = *height;
    facts.frameRateScaled = static_cast<std::int32_t>(std::min(std::round(*rate * kFrameRateScale), kMax));
    return facts;
}
