#pragma once
// What Corvane asks of one run: "source" -o "target" <MEncoder-style options> <mode> <window handle>.

#include <optional>
#include <string>
#include <vector>

#include "EncoderInterface.h"

struct EncoderOption {
    std::string name;   // without the leading dash: "lavcopts"
    std::string value;  // empty for an option given without a value
    bool operator==(const EncoderOption&) const = default;
};

struct EncoderRequest {
    std::string sourcePath;
    std::string targetPath;
    std::vector<EncoderOption> options;  // in the order given, -o excluded
    EncoderMode mode = EncoderMode::Convert;
    long long windowHandle = 0;
};

struct ParsedRequest {
    std::optional<EncoderRequest> request;
    std::string error;  // why there is no request
};

// The words of the argument string, program name excluded. Every option takes the next word as its
// value unless that word is itself an option.
ParsedRequest ParseEncoderRequest(const std::vector<std::string>& words);
