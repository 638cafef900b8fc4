#pragma once
// One running FFmpeg tool, whichever way it was started (pipes on Windows, the helper under Wine).

#include <string>

struct ToolEvent {
    enum class Kind { Output, Errors, Exited, Idle };
    Kind kind = Kind::Idle;
    std::string data;    // Output, Errors: the bytes
    int exitStatus = 0;  // Exited: the tool's exit code, 128 + signal when killed, -1 when it never ran
};

class ToolRun {
  public:
    virtual ~ToolRun() = default;  // ends a tool that is still running
    // The next thing that happened, or Idle after timeoutMilliseconds. After Exited only Exited.
    virtual ToolEvent Next(int timeoutMilliseconds) = 0;
    // Asks the tool to finish now (FFmpeg closes the file it writes).
    virtual void RequestStop() = 0;
    // Holds the tool where it is, or lets it go on.
    virtual void Pause(bool paused) = 0;
};
