#include "HelpFile.h"

#include <windows.h>

namespace {
constexpr std::size_t kHelpPathBuffer = 256;
constexpr UINT kDisplayTopic = 0;
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
}  // namespace

std::optional<std::string> HelpTopicPath(const std::string& programFolder) {
    std::string path = programFolder + kHelpTopic;
    if (path.size() >= kHelpPathBuffer) {
        return std::nullopt;
    }
    return path;
}

void ShowHelpTopic(const std::optional<std::string>& topicPath) {
    if (!topicPath) {
        return;
    }
    // Kept loaded: the help window it opens runs on its code after the call returns.
    static const HMODULE htmlHelp = LoadLibraryA("hhctrl.ocx");
    if (htmlHelp == nullptr) {
        return;
    }
    const auto showHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(htmlHelp, "HtmlHelpA")));
    if (showHelp != nullptr) {
        showHelp(nullptr, topicPath->c_str(), kDisplayTopic, 0);
    }
}
