#include "IniFileProfile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "[name]" gives name; any other line gives nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    const size_t close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || SectionName(line)) {
        return std::nullopt;
    }
    return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::vector<std::string> ReadLines(const std::string& file, bool& exists) {
    std::ifstream in(file, std::ios::binary);
    exists = static_cast<bool>(in);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// Where a key stands, or where it belongs, in a file's lines.
struct KeyPlace {
    std::optional<size_t> sectionLine;
    std::optional<size_t> keyLine;
    size_t endOfSection = 0;  // one past the section's last key line
};

KeyPlace FindKey(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            if (inSection) {
                break;  // Windows takes the first section of a name
            }
            inSection = SameName(*name, section);
            if (inSection) {
                place.sectionLine = i;
                place.endOfSection = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const auto keyLine = ParseKeyLine(lines[i])) {
            place.endOfSection = i + 1;
            if (!place.keyLine && SameName(keyLine->key, key)) {
                place.keyLine = i;
            }
        }
    }
    return place;
}

}  // namespace

std::string IniFileProfile::ReadString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& defaultText) {
    bool exists = false;
    const std::vector<std::string> lines = ReadLines(file, exists);
    const KeyPlace place = FindKey(lines, section, key);
    if (!place.keyLine) {
        return defaultText.substr(0, kMaxProfileValue);
    }
    std::string_view value = ParseKeyLine(lines[*place.keyLine])->value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxProfileValue));
}

bool IniFileProfile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value) {
    bool exists = false;
    std::vector<std::string> lines = ReadLines(file, exists);
    const KeyPlace place = FindKey(lines, section, key);
    const std::string keyLine = key + "=" + value;
    if (place.keyLine) {
        lines[*place.keyLine] = keyLine;
    } else if (place.sectionLine) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.endOfSection), keyLine);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + section + "]");
        lines.push_back(keyLine);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << "\r\n";
    }
    out.flush();
    return static_cast<bool>(out);
}

bool IniFileProfile::Flush(const std::string&) {
    return true;  // every write goes straight to the file
}
