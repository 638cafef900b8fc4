#include <windows.h>

#include <cstdlib>

#include "OptionFile.h"

std::string GetProgramFolder() {
    // The launch path as the program was started; when it names no folder (started by bare name from
    // the current folder), the module's own full path says where the program lies.
    if (__argv != nullptr && __argv[0] != nullptr) {
        if (auto folder = ProgramFolderFromLaunchPath(__argv[0])) {
            return *folder;
        }
    }
    char modulePath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        if (auto folder = ProgramFolderFromLaunchPath(modulePath)) {
            return *folder;
        }
    }
    return ".\\";
}
