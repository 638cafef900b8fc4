#pragma once
// The compiled help file beside the program, shown through HTML Help loaded at run time.

#include <optional>
#include <string>

inline constexpr char kHelpTopic[] = "help.chm::/overview/overview.htm";

// The program folder followed by the help file and its start topic; nothing when that does not fit the
// 256-character buffer HTML Help is given.
std::optional<std::string> HelpTopicPath(const std::string& programFolder);

// Opens the topic with no owner window; a missing HTML Help component is not reported.
void ShowHelpTopic(const std::optional<std::string>& topicPath);
