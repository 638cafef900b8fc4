#pragma once
// The names the file-open dialog returns with multiple selection.

#include <string>
#include <vector>

// A buffer of "folder\0name\0name\0\0", or "full path\0\0" for a single file, into full paths in order.
std::vector<std::string> SplitSelectedFiles(const char* buffer, size_t bufferSize);
