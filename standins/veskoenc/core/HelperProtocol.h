#pragma once
// The loopback conversation between veskoenc.exe (under Wine) and its native helper, which runs the
// Linux FFmpeg tools for it. Frames: one type byte, a 4-byte little-endian length, the payload.
//
//   helper -> exe: Hello (the token from the helper's command line, so that no other local program can
//                  take the connection), Output / Errors (the tool's stdout / stderr), Exited (status).
//   exe -> helper: Run (tool name, then each argument, NUL-separated), Stop, Pause ("1" hold, "0" go on).
// The helper ends the tool and itself when the connection drops.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FrameType : char {
    Hello = 'H',
    Run = 'R',
    Stop = 'S',
    Pause = 'P',
    Output = 'O',
    Errors = 'E',
    Exited = 'X',
};

struct Frame {
    FrameType type = FrameType::Hello;
    std::string payload;
    bool operator==(const Frame&) const = default;
};

inline constexpr std::uint32_t kMaxFramePayload = 1u << 20;

// Tools the helper runs, by name; nothing else can be started through it.
inline constexpr const char* kHelperTools[] = {"ffmpeg", "ffprobe"};
inline constexpr const char kHelperFileName[] = "veskoenc-helper";

std::string EncodeFrame(FrameType type, std::string_view payload);
std::string EncodeRun(const std::vector<std::string>& toolAndArguments);
std::vector<std::string> DecodeRun(std::string_view payload);
std::string EncodeExitStatus(std::int32_t status);
std::int32_t DecodeExitStatus(std::string_view payload);

// Collects frames from a byte stream received in chunks of any size.
class FrameReader {
  public:
    void Feed(std::string_view bytes) { buffer_.append(bytes); }
    // The next whole frame, or nothing yet. A frame that is too large or of an unknown type marks the
    // stream as broken.
    std::optional<Frame> Next();
    bool Broken() const { return broken_; }

  private:
    std::string buffer_;
    bool broken_ = false;
};
