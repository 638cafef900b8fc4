#include "FileDialogNames.h"

#include <cstring>

std::vector<std::string> SplitSelectedFiles(const char* buffer, size_t bufferSize) {
    std::vector<std::string> parts;
    size_t at = 0;
    while (at < bufferSize && buffer[at] != '\0') {
        const size_t length = strnlen(buffer + at, bufferSize - at);
        parts.emplace_back(buffer + at, length);
        at += length + 1;
    }
    if (parts.size() <= 1) {
        return parts;
    }
    std::string folder = parts.front();
    if (folder.back() != '\\') {
        folder += '\\';  // a drive root already ends in one
    }
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i) {
        paths.push_back(folder + parts[i]);
    }
    return paths;
}
