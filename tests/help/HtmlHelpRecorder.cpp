// Stands in for hhctrl.ocx beside the help window tests: HtmlHelpA records what it was asked to show.
#include <windows.h>

#include <string>

namespace {
std::string lastFile;
UINT lastCommand = 0xFFFFFFFF;
int calls = 0;
}  // namespace

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, LPCSTR file, UINT command, DWORD_PTR) {
    lastFile = file != nullptr ? file : "";
    lastCommand = command;
    ++calls;
    return nullptr;
}

// What the last call asked for; the number of calls so far.
extern "C" __declspec(dllexport) int RecordedHtmlHelpCall(const char** file, UINT* command) {
    *file = lastFile.c_str();
    *command = lastCommand;
    return calls;
}
