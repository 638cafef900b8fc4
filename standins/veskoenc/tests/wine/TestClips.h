#pragma once
// Short QuickTime clips made with FFmpeg when the tests start, and files that are no movie at all.

#include <string>

struct Clip {
    const char* name;  // file name in the clip folder
    int width;
    int height;
    const char* rate;  // FFmpeg's rate text
    double framesPerSecond;
    double seconds;
    int channels;  // 0: no audio
    int sampleRate;
};

inline constexpr Clip kPal640{"pal 640x480 stereo.mov", 640, 480, "25", 25.0, 3.0, 2, 44100};
inline constexpr Clip kHd720{
    "hd 1280x720 mono [ntsc].mov", 1280, 720, "30000/1001", 30000.0 / 1001, 2.0, 1, 48000};
inline constexpr Clip kSmall320{"small 320x240 silent.mov", 320, 240, "15", 15.0, 3.0, 0, 0};
inline constexpr Clip kPal576{"pal 720x576 it's stereo.mov", 720, 576, "25", 25.0, 2.0, 2, 48000};
inline constexpr Clip kLong{"long 320x240.mov", 320, 240, "25", 25.0, 40.0, 1, 44100};

// The folder (Windows path, ending in a backslash) holding the clips, made on first use.
const std::string& ClipFolder();
std::string ClipPath(const Clip& clip);

// Not movies: an empty file, a text file, sound without pictures, a movie cut in half; and a missing path.
std::string EmptyFilePath();
std::string TextFilePath();
std::string AudioOnlyPath();
std::string TruncatedPath();
std::string MissingPath();

// A fresh output folder for one test (Windows path, ending in a backslash).
std::string NewOutputFolder(const std::string& name);

long long FileSize(const std::string& path);  // -1 when missing
