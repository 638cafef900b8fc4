// A scripted encoder for tests, installed as veskoenc.exe beside the program under test. It takes the
// facts it reports from the source's file name and records every argument string it was started with:
//   ..._d<seconds>_w<width>_h<height>_r<fps>...mov  the probe facts (any of them may be left out)
//   "fail" in the name                              a probe that reports a duration of 0
//   "noout" in the name                             a conversion that writes no output
//   _s<ms>                                          wall time per reported second (default 20 ms)
//   _p<seconds>                                     the last position reported (default: the duration)
//   _e<ms>                                          time spent after the last report before exiting
// Convert mode reports every whole second from 1 to the duration, writes the target, and stops at a
// reply of 1 leaving the partial target behind, as a real encoder would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitWords(const std::string& line) {
    // Windows rules, enough for our own argument strings: quotes group, blanks separate.
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) {
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

// The number after "_<tag>" in the name, or fallback.
double Fact(const std::string& name, const char* tag, double fallback) {
    const std::string marker = std::string("_") + tag;
    for (size_t at = name.find(marker); at != std::string::npos; at = name.find(marker, at + 1)) {
        const char* digits = name.c_str() + at + marker.size();
        if (*digits >= '0' && *digits <= '9') {
            return std::atof(digits);
        }
    }
    return fallback;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

void Record(const std::string& arguments) {
    if (FILE* log = std::fopen((ProgramFolder() + "fake-encoder-calls.txt").c_str(), "ab")) {
        std::fprintf(log, "%s\n", arguments.c_str());
        std::fclose(log);
    }
}

LRESULT Notify(HWND window, WPARAM code, long value) {
    return SendMessageA(window, 0x0400 + 0x320, code, static_cast<LPARAM>(value));
}

}  // namespace

int main() {
    // The raw command line: everything after the program's own name.
    std::string line = GetCommandLineA();
    const size_t skip = line[0] == '"' ? line.find('"', 1) + 1 : line.find(' ');
    const std::string arguments = skip == std::string::npos || skip >= line.size() ? "" : line.substr(skip + 1);
    Record(arguments);

    const std::vector<std::string> words = SplitWords(arguments);
    if (words.size() < 5) {
        return 2;
    }
    const std::string& source = words[0];
    const std::string& target = words[2];
    const int mode = std::atoi(words[words.size() - 2].c_str());
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::atoll(words.back().c_str())));
    const std::string name = source.substr(source.find_last_of('\\') + 1);

    const double duration = name.find("fail") != std::string::npos ? 0.0 : Fact(name, "d", 10.0);
    if (mode == 1) {
        Notify(window, 1, static_cast<long>(duration));
        Notify(window, 2, static_cast<long>(Fact(name, "w", 320)));
        Notify(window, 3, static_cast<long>(Fact(name, "h", 240)));
        Notify(window, 4, static_cast<long>(Fact(name, "r", 25.0) * 10000000.0));
        return 0;
    }

    FILE* out = name.find("noout") == std::string::npos ? std::fopen(target.c_str(), "wb") : nullptr;
    const DWORD pace = static_cast<DWORD>(Fact(name, "s", 20));
    const int lastReport = static_cast<int>(Fact(name, "p", duration));
    for (int second = 1; second <= static_cast<int>(duration) && second <= lastReport; ++second) {
        Sleep(pace);
        if (out != nullptr) {
            std::fprintf(out, "second %d of %s\n", second, name.c_str());
            std::fflush(out);
        }
        if (Notify(window, 6, second) == 1) {
            break;
        }
    }
    Sleep(static_cast<DWORD>(Fact(name, "e", 0)));
    if (out != nullptr) {
        std::fclose(out);
    }
    return 0;
}
