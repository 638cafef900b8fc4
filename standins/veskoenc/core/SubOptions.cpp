#include "SubOptions.h"

#include <charconv>
#include <cstdlib>
#include <string>

std::vector<SubOption> ParseSubOptions(std::string_view text, char separator) {
    std::vector<SubOption> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view item = text.substr(start, end - start);
        if (!item.empty()) {
            const size_t equals = item.find('=');
            if (equals == std::string_view::npos) {
                items.push_back({std::string(item), std::nullopt});
            } else {
                items.push_back({std::string(item.substr(0, equals)), std::string(item.substr(equals + 1))});
            }
        }
        start = end + 1;
    }
    return items;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    if (!text.empty() && text[0] == '+') {
        text.remove_prefix(1);
    }
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
    // strtod, not from_chars: the C runtime of mingw lacks floating-point from_chars.
    const std::string copy(text);
    if (copy.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) {
        return std::nullopt;
    }
    return value;
}
