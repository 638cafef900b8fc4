#pragma once
// MEncoder's suboption lists: "vcodec=mpeg4:vbitrate=1000:vhq" (keys with or without a value).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SubOption {
    std::string key;
    std::optional<std::string> value;
    bool operator==(const SubOption&) const = default;
};

std::vector<SubOption> ParseSubOptions(std::string_view text, char separator = ':');

// Number parsing that rejects trailing junk, for option values.
std::optional<long long> ParseWholeNumber(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);
