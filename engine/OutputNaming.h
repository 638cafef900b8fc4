#pragma once
// The name of each output file: the source's name with the format's extension, in the output folder.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ConversionSettings.h"

// Extension (without the dot) given to output files of a stored format value.
std::string_view OutputExtension(std::int32_t storedFormat);

using PathExistsFn = std::function<bool(const std::string& path)>;

// The target path for a source, or nothing when the name would not fit in kMaxPathChars characters.
// When the first name is taken (by a file or a folder) the underscore name folder\name_ext.newext is
// given without a further check; the batch deletes a file of that name before converting.
// A source name without a dot gets the extension appended; an empty folder names the file relative to
// the current folder.
std::optional<std::string> MakeOutputPath(const ConversionSettings& settings, std::string_view sourcePath,
                                          const PathExistsFn& pathExists);
