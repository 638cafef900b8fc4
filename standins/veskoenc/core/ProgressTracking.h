#pragma once
// FFmpeg's -progress blocks turned into whole seconds, and when to tell Corvane about them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ProgressBlock {
    std::int64_t outTimeMicroseconds = 0;  // 0 until FFmpeg knows it
    bool ended = false;
};

// Feeds on FFmpeg's standard output in chunks of any size; each "progress=" line closes a block.
class ProgressParser {
  public:
    // The last block completed by this chunk, if any.
    std::optional<ProgressBlock> Feed(std::string_view chunk);

  private:
    std::string partialLine_;
    ProgressBlock current_;
};

// A report at every new whole second of media and at least every heartbeat of wall time (so that a stop
// reply can arrive even while FFmpeg says nothing), but never a repeated second within a heartbeat.
class ProgressThrottle {
  public:
    explicit ProgressThrottle(std::int64_t heartbeatMilliseconds) : heartbeat_(heartbeatMilliseconds) {}

    // The seconds to report now, or nothing.
    std::optional<std::int32_t> Due(std::int64_t nowMilliseconds, std::int32_t positionSeconds);

  private:
    std::int64_t heartbeat_;
    std::optional<std::int64_t> lastSentAt_;
    std::int32_t lastSent_ = -1;
};

// The last lines of a stream of text (FFmpeg's messages), for the log of a failed run.
class OutputTail {
  public:
    explicit OutputTail(size_t maxLines) : maxLines_(maxLines) {}
    void Feed(std::string_view chunk);
    std::string Text() const;  // complete lines and a pending partial one

  private:
    size_t maxLines_;
    std::string lines_;  // at most maxLines_ lines, each ending in '\n'
    std::string partial_;
};
