// Stands in for a browser: writes the command line it was started with to the file that the variable
// CORVANE_LINK_RECORD names, then ends.
#include <windows.h>

#include <cstdio>

int main() {
    char recordPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("CORVANE_LINK_RECORD", recordPath, MAX_PATH) == 0) {
        return 1;
    }
    // Written under another name first, so the test never reads half a line.
    char partialPath[MAX_PATH + 8] = {};
    std::snprintf(partialPath, sizeof partialPath, "%s.part", recordPath);
    std::FILE* record = std::fopen(partialPath, "wb");
    if (record == nullptr) {
        return 1;
    }
    std::fputs(GetCommandLineA(), record);
    std::fclose(record);
    return MoveFileExA(partialPath, recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
