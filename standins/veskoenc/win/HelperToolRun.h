#pragma once
// Under Wine: the Linux tools run through veskoenc-helper, a native program that connects back to us
// over loopback (127.0.0.1 only) and relays the tool's pipes. Wine cannot give a Linux program pipes,
// nor wait for it or stop it.

#include <memory>
#include <string>
#include <vector>

#include "ToolRun.h"

// helperUnixPath: the helper's Linux path. toolAndArguments: "ffmpeg" or "ffprobe", then its arguments.
std::unique_ptr<ToolRun> StartHelperTool(const std::string& helperUnixPath,
                                         const std::vector<std::string>& toolAndArguments,
                                         std::string& error);
