#pragma once
// What a folder chosen in the browser becomes as the output folder.

#include <optional>
#include <string>
#include <string_view>

#include "ConversionSettings.h"

// The path with exactly one trailing backslash added when it has none; nothing when the result would
// not fit the output folder's kMaxPathChars characters (it is refused, never cut).
inline std::optional<std::string> OutputFolderFromBrowsedPath(std::string_view path) {
    std::string folder(path);
    if (folder.empty() || folder.back() != '\\') {
        folder += '\\';
    }
    if (folder.size() > static_cast<size_t>(kMaxPathChars)) {
        return std::nullopt;
    }
    return folder;
}

// Where the Help menu opens: at the pointer, or 5 pixels into the client area when the pointer
// position cannot be read (it then reads -1, -1).
struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint&) const = default;
};
inline ScreenPoint HelpMenuPosition(ScreenPoint cursor, ScreenPoint clientTopLeft) {
    if (cursor.x == -1 && cursor.y == -1) {
        return {clientTopLeft.x + 5, clientTopLeft.y + 5};
    }
    return cursor;
}
