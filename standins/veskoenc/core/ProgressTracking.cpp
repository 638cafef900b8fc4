#include "ProgressTracking.h"

#include <algorithm>

#include "KeyValueLine.h"
#include "SubOptions.h"

std::optional<ProgressBlock> ProgressParser::Feed(std::string_view chunk) {
    std::optional<ProgressBlock> completed;
    partialLine_.append(chunk);
    size_t start = 0;
    size_t end = 0;
    while ((end = partialLine_.find('\n', start)) != std::string::npos) {
        const auto entry = SplitKeyValueLine(std::string_view(partialLine_.data() + start, end - start));
        start = end + 1;
        if (!entry) {
            continue;
        }
        const auto [key, value] = *entry;
        // out_time_ms is microseconds too (a historical misnomer); out_time_us is preferred when present.
        if (key == "out_time_us" || key == "out_time_ms") {
            const auto us = ParseWholeNumber(value);
            if (us && *us >= 0) {
                current_.outTimeMicroseconds = std::max<std::int64_t>(current_.outTimeMicroseconds, *us);
            }
        } else if (key == "progress") {
            current_.ended = value == "end";
            completed = current_;
        }
    }
    partialLine_.erase(0, start);
    return completed;
}

std::optional<std::int32_t> ProgressThrottle::Due(std::int64_t now, std::int32_t position) {
    const bool newSecond = position > lastSent_;
    const bool heartbeat = !lastSentAt_ || now - *lastSentAt_ >= heartbeat_;
    if (!newSecond && !heartbeat) {
        return std::nullopt;
    }
    lastSentAt_ = now;
    lastSent_ = std::max(lastSent_, position);
    return lastSent_;
}

void OutputTail::Feed(std::string_view chunk) {
    partial_.append(chunk);
    size_t end = 0;
    while ((end = partial_.find('\n')) != std::string::npos) {
        lines_.append(partial_, 0, end + 1);
        partial_.erase(0, end + 1);
    }
    size_t count = static_cast<size_t>(std::count(lines_.begin(), lines_.end(), '\n'));
    while (count > maxLines_) {
        lines_.erase(0, lines_.find('\n') + 1);
        --count;
    }
    if (partial_.size() > 4096) {  // a line without end is kept short
        partial_.erase(0, partial_.size() - 4096);
    }
}

std::string OutputTail::Text() const {
    return lines_ + partial_;
}
