#pragma once
// The calls into the skinning library, loaded at run time and by ordinal. A missing library or call
// changes nothing: its calls are skipped and popup menus are tracked by the platform.

#include <windows.h>

namespace skin {

// Loads SkinMagic.dll and initialises it for the application's instance.
void Initialise(HINSTANCE instance);
void LoadSkin(HINSTANCE instance, const char* name, const char* type);
void SetDialogSkin(const char* objectName);
// The library's per-window call, for windows that draw their own colours.
void SkinWindow(HWND window);
// Returns after the menu has closed; the chosen item reaches the owner as WM_COMMAND.
void TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);
void Shutdown();

}  // namespace skin
