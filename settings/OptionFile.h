#pragma once
// option.ini keeps the conversion settings between runs; version.ini holds the version text.

#include <optional>
#include <string>
#include <string_view>

#include "ConversionSettings.h"
#include "ProfileStore.h"

inline constexpr char kOptionFileName[] = "option.ini";
inline constexpr char kVersionFileName[] = "version.ini";
inline constexpr char kOptionSection[] = "Destinate";

// The folder of a launch path, cut after its last backslash (the backslash kept; the first character
// is never examined). Nothing when there is no such backslash.
std::optional<std::string> ProgramFolderFromLaunchPath(std::string_view launchPath);

// The folder of the running program, ending in a backslash (Windows build only).
std::string GetProgramFolder();

// The text-to-integer conversion of stored values: leading blanks, an optional sign and the longest run
// of digits; no digits give 0 and values beyond the 32-bit range are held at its ends.
std::int32_t ParseStoredInt(std::string_view text);

// The version text read by the last LoadOptions: at most 255 characters, "1.00" by default.
std::string& versionString();

void LoadOptions(ProfileStore& profile, const std::string& programFolder, ConversionSettings& settings);

// Writes every key into a new copy of option.ini and then puts that copy in the old one's place, so a
// program that dies while saving leaves the previous file whole. False when the file could not be
// written (the settings are then not saved).
bool SaveOptions(ProfileStore& profile, const std::string& programFolder, const ConversionSettings& settings);
