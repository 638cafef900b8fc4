#pragma once
// One "key=value" line of FFmpeg's machine-readable output (ffprobe -show_entries, -progress).

#include <optional>
#include <string_view>

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// The line without its line end, split at its first '='; nothing for a line without one.
inline std::optional<KeyValue> SplitKeyValueLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{line.substr(0, equals), line.substr(equals + 1)};
}
