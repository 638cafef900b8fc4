#pragma once
// MEncoder-style options, as Corvane writes them, turned into an FFmpeg run with the same meaning.

#include <string>
#include <vector>

#include "EncoderRequest.h"

struct FfmpegRun {
    std::vector<std::string> arguments;  // program name excluded
    std::vector<std::string> ignored;    // one log line per option or suboption that has no effect
};

// Seconds between FFmpeg's progress blocks: often enough for a report at every whole second of media on
// an ordinary machine, rare enough to cost nothing.
inline constexpr const char kProgressPeriod[] = "0.25";

// The paths are those the tool itself is to open (under Wine the Linux paths).
FfmpegRun TranslateConversion(const std::vector<EncoderOption>& options, const std::string& sourcePath,
                              const std::string& targetPath);

// An ffprobe run printing key=value lines for ParseProbeFacts.
std::vector<std::string> ProbeArguments(const std::string& sourcePath);
