#include "ToolHost.h"

#include <windows.h>

#include "HelperProtocol.h"
#include "HelperToolRun.h"
#include "PipeToolRun.h"
#include "Platform.h"
#include "WinText.h"

ToolHost::ToolHost() : underWine_(RunningUnderWine()), programFolder_(ProgramFolder()) {}

std::optional<std::string> ToolHost::ToolPathOf(const std::string& path) const {
    const std::wstring full = FullPathOf(Wide(path));
    if (underWine_) {
        return UnixPathOf(full);
    }
    return Utf8(full);
}

std::unique_ptr<ToolRun> ToolHost::Start(const std::string& tool, const std::vector<std::string>& arguments,
                                         std::string& error) const {
    if (underWine_) {
        const std::wstring helper = programFolder_ + Wide(kHelperFileName);
        const auto helperPath = FileExists(helper) ? UnixPathOf(helper) : std::nullopt;
        if (!helperPath) {
            error = "the helper " + Utf8(helper) + " is missing";
            return nullptr;
        }
        std::vector<std::string> words = {tool};
        words.insert(words.end(), arguments.begin(), arguments.end());
        return StartHelperTool(*helperPath, words, error);
    }
    const std::wstring fileName = Wide(tool) + L".exe";
    std::wstring program = programFolder_ + fileName;
    if (!FileExists(program)) {
        wchar_t found[MAX_PATH] = {};
        if (SearchPathW(nullptr, fileName.c_str(), nullptr, MAX_PATH, found, nullptr) == 0) {
            error = Utf8(fileName) + " is neither beside veskoenc.exe nor on PATH";
            return nullptr;
        }
        program = found;
    }
    return StartPipeTool(program, arguments, error);
}
