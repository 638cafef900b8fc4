#include "ArgumentQuoting.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> SplitWindowsArguments(std::string_view s) {
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = s.size();
    while (true) {
        while (i < n && IsBlank(s[i])) {
            ++i;
        }
        if (i >= n) {
            break;
        }
        std::string word;
        bool quoted = false;
        while (i < n) {
            const char c = s[i];
            if (c == '\\') {
                size_t backslashes = 0;
                while (i < n && s[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < n && s[i] == '"') {
                    word.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        word += '"';
                        ++i;
                    }
                } else {
                    word.append(backslashes, '\\');
                }
            } else if (c == '"') {
                if (quoted && i + 1 < n && s[i + 1] == '"') {
                    word += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else if (IsBlank(c) && !quoted) {
                break;
            } else {
                word += c;
                ++i;
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string_view SkipProgramName(std::string_view commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t close = commandLine.find('"', 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    }
    while (i < commandLine.size() && !IsBlank(commandLine[i])) {
        ++i;
    }
    return commandLine.substr(i);
}

std::string QuoteWindowsArgument(std::string_view word) {
    if (!word.empty() && word.find_first_of(" \t\n\v\"") == std::string_view::npos) {
        return std::string(word);
    }
    std::string quoted = "\"";
    for (size_t i = 0; i < word.size(); ++i) {
        size_t backslashes = 0;
        while (i < word.size() && word[i] == '\\') {
            ++backslashes;
            ++i;
        }
        if (i == word.size()) {
            // Doubled, so that the closing quote stays a quote.
            quoted.append(backslashes * 2, '\\');
            break;
        }
        if (word[i] == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        quoted += word[i];
    }
    quoted += '"';
    return quoted;
}

std::string JoinWindowsArguments(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) {
            line += ' ';
        }
        line += QuoteWindowsArgument(word);
    }
    return line;
}
