#pragma once
// Where FFmpeg runs for this process: ffmpeg.exe and ffprobe.exe beside veskoenc.exe or on PATH on
// Windows; the Linux tools through veskoenc-helper (beside veskoenc.exe) under Wine.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ToolRun.h"

class ToolHost {
  public:
    ToolHost();

    bool UnderWine() const { return underWine_; }
    // The path the tools are to open for a path Corvane gave (a Linux path under Wine).
    std::optional<std::string> ToolPathOf(const std::string& path) const;
    // tool: "ffmpeg" or "ffprobe".
    std::unique_ptr<ToolRun> Start(const std::string& tool, const std::vector<std::string>& arguments,
                                   std::string& error) const;

  private:
    bool underWine_;
    std::wstring programFolder_;
};
