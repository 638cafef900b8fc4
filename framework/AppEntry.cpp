// The program's entry point; linked only into the program, not into test programs.
#include <windows.h>

#include "WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    try {
        return AfxWinMain(instance, commandLine, showCommand);
    } catch (...) {
        return -1;
    }
}
