#include "TestClips.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "EncoderHarness.h"
#include "ToolHost.h"
#include "WinText.h"

namespace {

std::string Linux(const std::string& windowsPath) {
    return ToolHost().ToolPathOf(windowsPath).value_or("");
}

void MakeClip(const Clip& clip) {
    const std::string duration = std::to_string(clip.seconds);
    std::vector<std::string> args = {"-hide_banner",
                                     "-loglevel",
                                     "error",
                                     "-y",
                                     "-f",
                                     "lavfi",
                                     "-i",
                                     "testsrc=size=" + std::to_string(clip.width) + "x" +
                                         std::to_string(clip.height) + ":rate=" + clip.rate +
                                         ":duration=" + duration};
    if (clip.channels > 0) {
        args.insert(args.end(), {"-f", "lavfi", "-i",
                                 "sine=frequency=440:sample_rate=" + std::to_string(clip.sampleRate) +
                                     ":duration=" + duration,
                                 "-ac", std::to_string(clip.channels), "-c:a", "pcm_s16le"});
    }
    // PCM sound keeps the durations exact; MPEG-4 pictures keep the clips small and quick to make.
    args.insert(args.end(), {"-c:v", "mpeg4", "-q:v", "6", "-f", "mov", "file:" + Linux(ClipPath(clip))});
    const ToolResult result = RunTool("ffmpeg", args);
    ASSERT_EQ(result.exitStatus, 0) << clip.name << ": " << result.errors;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::FILE* f = _wfopen(Wide(path).c_str(), L"wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

std::string ReadFile(const std::string& path) {
    std::string content;
    std::FILE* f = _wfopen(Wide(path).c_str(), L"rb");
    if (f != nullptr) {
        char buffer[65536];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            content.append(buffer, n);
        }
        std::fclose(f);
    }
    return content;
}

void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteTree(folder + name + L"\\");
        } else {
            DeleteFileW((folder + name).c_str());
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    RemoveDirectoryW(folder.c_str());
}

class ClipEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        for (const Clip* clip : {&kPal640, &kHd720, &kSmall320, &kPal576, &kLong}) {
            MakeClip(*clip);
        }
        WriteFile(EmptyFilePath(), "");
        WriteFile(TextFilePath(), "This is not a movie.\r\n");
        const ToolResult audio =
            RunTool("ffmpeg", {"-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                               "sine=frequency=440:duration=2", "-c:a", "pcm_s16le", "-f", "mov",
                               "file:" + Linux(AudioOnlyPath())});
        ASSERT_EQ(audio.exitStatus, 0) << audio.errors;
        const std::string whole = ReadFile(ClipPath(kPal640));
        ASSERT_GT(whole.size(), 1000u);
        WriteFile(TruncatedPath(), whole.substr(0, whole.size() / 2));
    }
    void TearDown() override { DeleteTree(Wide(ClipFolder())); }
};

const testing::Environment* const kClips = testing::AddGlobalTestEnvironment(new ClipEnvironment);

}  // namespace

const std::string& ClipFolder() {
    static const std::string folder = [] {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        std::wstring path =
            std::wstring(temp) + L"veskoenc tests " + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(path.c_str(), nullptr);
        return Utf8(path);
    }();
    return folder;
}

std::string ClipPath(const Clip& clip) {
    return ClipFolder() + clip.name;
}
std::string EmptyFilePath() {
    return ClipFolder() + "empty.mov";
}
std::string TextFilePath() {
    return ClipFolder() + "text.mov";
}
std::string AudioOnlyPath() {
    return ClipFolder() + "sound only.mov";
}
std::string TruncatedPath() {
    return ClipFolder() + "cut in half.mov";
}
std::string MissingPath() {
    return ClipFolder() + "no such file.mov";
}

std::string NewOutputFolder(const std::string& name) {
    const std::string folder = ClipFolder() + "out " + name + "\\";
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    return folder;
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
