#include "LinkCommand.h"

#include <array>
#include <cstdio>

std::string_view RegisteredProgramPart(std::string_view registeredCommand) {
    if (const auto quoted = registeredCommand.find("\"%1\""); quoted != std::string_view::npos) {
        return registeredCommand.substr(0, quoted);
    }
    if (const auto bare = registeredCommand.find("%1"); bare != std::string_view::npos) {
        return registeredCommand.substr(0, bare);
    }
    return registeredCommand;
}

std::optional<std::string> BuildOpenCommand(std::string_view registeredCommand, std::string_view address) {
    const std::string_view program = RegisteredProgramPart(registeredCommand);
    if (program.find_first_not_of(" \t") == std::string_view::npos) {
        return std::nullopt;
    }
    std::string command;
    command.reserve(program.size() + 1 + address.size());
    command.append(program).append(" ").append(address);
    if (command.size() >= kOpenCommandCapacity) {
        return std::nullopt;
    }
    return command;
}

namespace {

struct OpenErrorText {
    long long code;
    const char* reason;
};

constexpr std::array kOpenErrorTexts{
    OpenErrorText{0, "The operating system is out\nof memory or resources."},
    OpenErrorText{2, "The specified file was not found."},
    OpenErrorText{3, "The specified path was not found."},
    OpenErrorText{5, "The operating system denied\naccess to the specified file."},
    OpenErrorText{8, "There was not enough memory to complete the operation."},
    OpenErrorText{11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    OpenErrorText{26, "A sharing violation occurred. "},
    OpenErrorText{27, "The filename association is\nincomplete or invalid."},
    OpenErrorText{28, "The DDE transaction could not\nbe completed because the request timed out."},
    OpenErrorText{29, "The DDE transaction failed."},
    OpenErrorText{
        30,
        "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    OpenErrorText{31, "There is no application associated\nwith the given filename extension."},
    OpenErrorText{32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::string OpenErrorReason(long long code) {
    for (const OpenErrorText& entry : kOpenErrorTexts) {
        if (entry.code == code) {
            return entry.reason;
        }
    }
    char unknown[64];
    std::snprintf(unknown, sizeof unknown, "Unknown Error (%lld) occurred.", code);
    return unknown;
}

std::string OpenErrorMessage(long long code) {
    return "Unable to open hyperlink:\n\n" + OpenErrorReason(code);
}
