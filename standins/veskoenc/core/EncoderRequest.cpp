#include "EncoderRequest.h"

#include <charconv>

namespace {

std::optional<long long> ParseInteger(const std::string& word) {
    long long value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || word.empty()) {
        return std::nullopt;
    }
    return value;
}

bool IsOptionWord(const std::string& word) {
    // "-3" is a value (negative number), "-ofps" an option.
    return word.size() >= 2 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

}  // namespace

ParsedRequest ParseEncoderRequest(const std::vector<std::string>& words) {
    ParsedRequest parsed;
    if (words.size() < 5) {
        parsed.error = "expected \"source\" -o \"target\" [options] mode window";
        return parsed;
    }
    const auto mode = ParseInteger(words[words.size() - 2]);
    const auto window = ParseInteger(words.back());
    if (!mode ||
        (*mode != static_cast<int>(EncoderMode::Convert) && *mode != static_cast<int>(EncoderMode::Probe))) {
        parsed.error =
            "the mode (second-to-last word) must be 0 (convert) or 1 (probe): " + words[words.size() - 2];
        return parsed;
    }
    if (!window) {
        parsed.error = "the window handle (last word) must be a decimal number: " + words.back();
        return parsed;
    }

    EncoderRequest request;
    request.mode = static_cast<EncoderMode>(*mode);
    request.windowHandle = *window;
    request.sourcePath = words[0];
    const size_t optionsEnd = words.size() - 2;
    for (size_t i = 1; i < optionsEnd; ++i) {
        const std::string& word = words[i];
        if (!IsOptionWord(word)) {
            parsed.error = "unexpected word where an option was expected: " + word;
            return parsed;
        }
        EncoderOption option{word.substr(1), {}};
        if (i + 1 < optionsEnd && !IsOptionWord(words[i + 1])) {
            option.value = words[++i];
        }
        if (option.name == "o") {
            request.targetPath = option.value;
        } else {
            request.options.push_back(std::move(option));
        }
    }
    if (request.sourcePath.empty() || IsOptionWord(request.sourcePath)) {
        parsed.error = "the first word must be the source path";
        return parsed;
    }
    if (request.mode == EncoderMode::Convert && request.targetPath.empty()) {
        parsed.error = "no target path (-o)";
        return parsed;
    }
    parsed.request = std::move(request);
    return parsed;
}
