#include "FfmpegValues.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "SubOptions.h"

std::string WithoutTrailingZeros(double value) {
    std::string text = std::to_string(value);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

// MEncoder's bit rates are kbit/s (1000 bit) up to 16000 and bit/s above.
std::optional<std::string> KbitOrBit(const std::string& value) {
    const auto n = ParseWholeNumber(value);
    if (!n || *n <= 0) {
        return std::nullopt;
    }
    return *n <= 16000 ? std::to_string(*n) + "k" : std::to_string(*n);
}

std::optional<std::string> Kbit(const std::string& value) {
    const auto n = ParseWholeNumber(value);
    if (!n || *n < 0) {
        return std::nullopt;
    }
    return std::to_string(*n) + "k";
}

std::optional<std::string> Whole(const std::string& value) {
    const auto n = ParseWholeNumber(value);
    return n ? std::optional<std::string>(std::to_string(*n)) : std::nullopt;
}

// "16/9" or "2.21/1" or "1.7778" to FFmpeg's -aspect, which takes "16:9" or a plain number.
std::optional<std::string> AspectRatio(const std::string& value) {
    const size_t slash = value.find_first_of("/:");
    if (slash == std::string::npos) {
        const auto ratio = ParseDecimal(value);
        return ratio && *ratio > 0 ? std::optional<std::string>(WithoutTrailingZeros(*ratio)) : std::nullopt;
    }
    const std::string a = value.substr(0, slash);
    const std::string b = value.substr(slash + 1);
    const auto na = ParseWholeNumber(a);
    const auto nb = ParseWholeNumber(b);
    if (na && nb && *na > 0 && *nb > 0) {
        return a + ":" + b;
    }
    const auto da = ParseDecimal(a);
    const auto db = ParseDecimal(b);
    if (da && db && *da > 0 && *db > 0) {
        return WithoutTrailingZeros(*da / *db);
    }
    return std::nullopt;
}

const Container* FindContainer(std::span<const Container> table, std::string_view name) {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const Container& c) { return name == c.name; });
    return it == table.end() ? nullptr : &*it;
}

// One side of MPlayer's scale filter: -3 and -2 keep the shape from the stored size, -1 and 0 keep the
// original side.
std::optional<std::string> ScaleSide(const std::string& value, const char* original) {
    const auto n = ParseWholeNumber(value);
    if (!n) {
        return std::nullopt;
    }
    if (*n > 0) {
        return std::to_string(*n);
    }
    if (*n == -2 || *n == -3) {
        return std::string("-2");
    }
    if (*n == -1 || *n == 0) {
        return std::string(original);
    }
    return std::nullopt;
}

// One side of MPlayer's expand filter: 0 is the original side, a negative value adds that many pixels.
std::optional<std::string> ExpandSide(const std::string& value, const char* original) {
    const auto n = ParseWholeNumber(value);
    if (!n) {
        return std::nullopt;
    }
    if (*n > 0) {
        return std::to_string(*n);
    }
    std::string side = original;
    if (*n < 0) {
        side += '+';
        side += std::to_string(-*n);
    }
    return side;
}

// Gain text "+3db", "-20dB" or "6" in dB.
std::optional<double> GainDecibels(std::string text) {
    if (text.size() > 2) {
        std::string suffix = text.substr(text.size() - 2);
        std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (suffix == "db") {
            text.resize(text.size() - 2);
        }
    }
    return ParseDecimal(text);
}

// Every standard channel layout of at most n channels, so that FFmpeg picks the source's own when it
// fits and mixes down only when it does not.
std::string LayoutsUpTo(int n) {
    static constexpr std::array<std::pair<int, const char*>, 13> kLayouts = {{
        {1, "mono"},
        {2, "stereo"},
        {3, "2.1"},
        {3, "3.0"},
        {4, "3.1"},
        {4, "4.0"},
        {4, "quad"},
        {5, "4.1"},
        {5, "5.0"},
        {6, "5.1"},
        {6, "6.0"},
        {7, "6.1"},
        {8, "7.1"},
    }};
    std::string list;
    for (const auto& [channels, name] : kLayouts) {
        if (channels <= n) {
            if (!list.empty()) {
                list += '|';
            }
            list += name;
        }
    }
    return list;
}
