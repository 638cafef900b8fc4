#pragma once
// veskoenc.log in the user's temporary folder (%TEMP%): one block per run with the argument string, the
// FFmpeg command and, when a run fails, FFmpeg's last lines. The program's own folder may not be
// writable; %TEMP% always is, and the file is easy to find there.

#include <cstdio>
#include <string>

inline constexpr const wchar_t kLogFileName[] = L"veskoenc.log";
inline constexpr long kLogRotateBytes = 1 << 20;  // then the old log becomes veskoenc.log.old

std::wstring LogFilePath();

class RunLog {
  public:
    RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;
    ~RunLog();

    // One entry, time-stamped with the process id; continuation lines are indented.
    void Write(const std::string& text);

  private:
    std::FILE* file_ = nullptr;
};
