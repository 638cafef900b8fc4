#pragma once
// MEncoder's values in FFmpeg's terms: rates, ratios, filter sides, scalers and containers.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// 25.000000 -> "25", 29.970000 -> "29.97".
std::string WithoutTrailingZeros(double value);

// MEncoder's bit rates are kbit/s (1000 bit) up to 16000 and bit/s above.
std::optional<std::string> KbitOrBit(const std::string& value);
std::optional<std::string> Kbit(const std::string& value);
std::optional<std::string> Whole(const std::string& value);

// "16/9" or "2.21/1" or "1.7778" to FFmpeg's -aspect, which takes "16:9" or a plain number.
std::optional<std::string> AspectRatio(const std::string& value);

// One side of MPlayer's scale filter: -3 and -2 keep the shape from the stored size, -1 and 0 keep the
// original side ("iw" or "ih").
std::optional<std::string> ScaleSide(const std::string& value, const char* original);

// One side of MPlayer's expand filter: 0 is the original side, a negative value adds that many pixels.
std::optional<std::string> ExpandSide(const std::string& value, const char* original);

// Gain text "+3db", "-20dB" or "6" in dB.
std::optional<double> GainDecibels(std::string text);

// Every standard channel layout of at most n channels, so that FFmpeg picks the source's own when it
// fits and mixes down only when it does not.
std::string LayoutsUpTo(int n);

// MEncoder's -sws numbers to libswscale's flag names.
inline constexpr std::array<const char*, 11> kScalers = {
    "fast_bilinear", "bilinear", "bicubic", "experimental", "neighbor", "area",
    "bicublin",      "gauss",    "sinc",    "lanczos",      "spline"};

struct Container {
    const char* name;          // MEncoder's (lavf or mpeg suboption)
    const char* ffmpegFormat;  // -f
    const char* packetSize;    // -packetsize, or nullptr
    const char* muxRate;       // -muxrate in bit/s, or nullptr
    bool exactlyStereo;        // players of the format expect exactly two channels
};

// -of lavf -lavfopts format=...: "mpg" is an MPEG-1 system stream, "wmv" and "asf" are both ASF.
inline constexpr std::array<Container, 8> kLavfContainers = {{
    {"avi", "avi", nullptr, nullptr, false},
    {"mpg", "mpeg", nullptr, nullptr, true},
    {"mpeg", "mpeg", nullptr, nullptr, true},
    {"wmv", "asf", nullptr, nullptr, false},
    {"asf", "asf", nullptr, nullptr, false},
    {"mov", "mov", nullptr, nullptr, false},
    {"mp4", "mp4", nullptr, nullptr, false},
    {"flv", "flv", nullptr, nullptr, false},
}};

// -of mpeg -mpegopts format=...: the disc formats with their pack sizes and mux rates.
inline constexpr std::array<Container, 8> kMpegContainers = {{
    {"mpeg1", "mpeg", nullptr, nullptr, true},
    {"mpeg2", "vob", nullptr, nullptr, false},
    {"xvcd", "vcd", "2324", "1411200", true},
    {"vcd", "vcd", "2324", "1411200", true},
    {"xsvcd", "svcd", "2324", nullptr, true},
    {"svcd", "svcd", "2324", nullptr, true},
    {"dvd", "dvd", "2048", "10080000", false},
    {"pes1", "mpeg", nullptr, nullptr, true},
}};

const Container* FindContainer(std::span<const Container> table, std::string_view name);
