#pragma once
// A small window of our own that receives WM_ENCODER_NOTIFY, and runs veskoenc.exe the way Corvane does:
// ShellExecuteEx with SEE_MASK_NOCLOSEPROCESS and SW_HIDE, dispatching messages while it waits.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct Notification {
    unsigned code;
    std::int32_t value;
    std::int64_t atMs;  // since the start of the run
};

struct HarnessRun {
    bool started = false;
    bool ended = false;   // within the time allowed
    bool killed = false;  // by kKillEncoder
    std::int64_t wallMs = 0;
    std::int64_t stopRepliedAtMs = -1;
    std::vector<Notification> notifications;

    std::vector<std::int32_t> ValuesOf(unsigned code) const;
};

// Decides the reply to each notification.
using ReplyPolicy = std::function<std::intptr_t(unsigned code, std::int32_t value)>;
// A reply policy may return this to have the encoder process killed instead of answered (as when
// Corvane itself ends); the reply is then 0.
inline constexpr std::intptr_t kKillEncoder = -99;

class EncoderHarness {
  public:
    EncoderHarness();
    EncoderHarness(const EncoderHarness&) = delete;
    EncoderHarness& operator=(const EncoderHarness&) = delete;
    ~EncoderHarness();

    long long WindowHandle() const { return reinterpret_cast<std::intptr_t>(window_); }
    HarnessRun Run(const std::string& arguments, const ReplyPolicy& policy = {}, int timeoutMs = 120000);

  private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    HWND window_ = nullptr;
    HarnessRun* current_ = nullptr;
    const ReplyPolicy* policy_ = nullptr;
    std::int64_t startedAt_ = 0;
    HANDLE process_ = nullptr;
};

// Runs an FFmpeg tool through veskoenc's own tool host (the helper under Wine) and returns its stdout;
// for making clips and for looking at outputs.
struct ToolResult {
    int exitStatus = -1;
    std::string output;
    std::string errors;
};
ToolResult RunTool(const std::string& tool, const std::vector<std::string>& arguments);

// ffprobe's view of a file: the format section and each stream, as key=value maps.
struct FileFacts {
    std::map<std::string, std::string> format;
    std::vector<std::map<std::string, std::string>> streams;
    const std::map<std::string, std::string>* Stream(const std::string& type) const;
};
FileFacts ProbeFile(const std::string& windowsPath);
