#pragma once
// Opening a web address with the shell, falling back on the registered ".htm" open command, and telling
// the user when it could not be opened.

#include <windows.h>

#include <string>

// A registry value read here holds at most this many characters, terminating zero included.
inline constexpr std::size_t kRegistryValueCapacity = 260;

// The key's default value into value: ERROR_SUCCESS, with an empty text when the key has no readable
// default; otherwise the error of opening the key (value is then left alone).
LONG ReadRegistryDefault(HKEY root, const std::string& keyPath, std::string& value);

// Opens the address; the result of the launch that was tried last, above 32 for success.
INT_PTR OpenLink(const std::string& address, int showCommand);

// "Unable to open hyperlink:" with the reason for the code, in a message box with the exclamation icon,
// titled like the program's other boxes.
void ShowOpenError(INT_PTR code, HWND owner = nullptr);
