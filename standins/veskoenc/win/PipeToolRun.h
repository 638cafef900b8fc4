#pragma once
// On Windows: ffmpeg.exe / ffprobe.exe started with pipes for its standard handles. A stop is FFmpeg's
// own key "q" on its standard input, then TerminateProcess if it does not end in time.

#include <memory>
#include <string>
#include <vector>

#include "ToolRun.h"

std::unique_ptr<ToolRun> StartPipeTool(const std::wstring& program, const std::vector<std::string>& arguments,
                                       std::string& error);
