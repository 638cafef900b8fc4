// Stands in for the registration tool in the test folder: records how it was started.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log = path;
    log.erase(log.find_last_of('\\') + 1);
    log += "regsvr32-calls.txt";
    if (FILE* file = std::fopen(log.c_str(), "a")) {
        std::fprintf(file, "%s\n", GetCommandLineA());
        std::fclose(file);
    }
    return 0;
}
