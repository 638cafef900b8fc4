#pragma once
// Facts about where veskoenc.exe runs.

#include <cstdint>
#include <optional>
#include <string>

// Wine, recognised by ntdll's wine_get_version.
bool RunningUnderWine();

// The folder of this program, with a trailing backslash.
std::wstring ProgramFolder();

// A path made absolute against the current folder (Corvane leaves it at the output folder).
std::wstring FullPathOf(const std::wstring& path);

// The Linux path of a Windows path (Wine only); the file need not exist, its folder must.
std::optional<std::string> UnixPathOf(const std::wstring& windowsPath);

bool FileExists(const std::wstring& path);

std::int64_t SteadyMilliseconds();
