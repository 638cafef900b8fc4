#pragma once
// The parts of opening a web link that need no windows.h: the fallback command line built from the
// registered ".htm" open command, and the texts that report a failed open.

#include <optional>
#include <string>
#include <string_view>

// The command line buffer of the fallback, terminating zero included.
inline constexpr std::size_t kOpenCommandCapacity = 520;

// The program part of a registered open command: the text up to a quoted "%1" (its opening quotation
// mark excluded), else up to a bare "%1", else the whole text.
std::string_view RegisteredProgramPart(std::string_view registeredCommand);

// The program part, a blank and the address. Nothing when the result would not fit the command buffer
// (a command cut short would run something else), or when no program is registered.
std::optional<std::string> BuildOpenCommand(std::string_view registeredCommand, std::string_view address);

// The reason for a launch error code, as the user reads it.
std::string OpenErrorReason(long long code);

// The whole text of the message about a failed open.
std::string OpenErrorMessage(long long code);
