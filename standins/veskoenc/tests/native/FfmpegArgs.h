#pragma once
// Test helpers: an FFmpeg argument vector as (option, value) pairs, and a translation from option words.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ArgumentQuoting.h"
#include "EncoderRequest.h"
#include "FfmpegTranslation.h"

using OptionPairs = std::multimap<std::string, std::string>;

// FFmpeg's options that take no value, as the translation emits them.
inline bool IsValuelessOption(const std::string& word) {
    static const std::set<std::string> kFlags = {"-hide_banner", "-nostats", "-n", "-y", "-an"};
    return kFlags.count(word) != 0;
}

// Options with their values; the output file (the last word) is left out.
inline OptionPairs PairsOf(const std::vector<std::string>& args) {
    OptionPairs pairs;
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (IsValuelessOption(args[i])) {
            pairs.emplace(args[i], "");
        } else {
            pairs.emplace(args[i], args[i + 1]);
            ++i;
        }
    }
    return pairs;
}

inline OptionPairs PairsOf(const std::string& words) {
    return PairsOf(SplitWindowsArguments(words));
}

// Translates an option string as it stands between the target and the mode in Corvane's argument string.
inline FfmpegRun TranslateOptionWords(const std::string& optionWords) {
    const auto parsed =
        ParseEncoderRequest(SplitWindowsArguments("\"in.mov\" -o \"out.avi\" " + optionWords + " 0 1"));
    if (!parsed.request) {
        return {};
    }
    return TranslateConversion(parsed.request->options, "/in.mov", "/out.avi");
}

inline std::string ValueOf(const OptionPairs& pairs, const std::string& option) {
    const auto it = pairs.find(option);
    return it == pairs.end() ? "<absent>" : it->second;
}
