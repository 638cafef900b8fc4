#include "SettingsLists.h"

#include <array>

namespace {

using std::string_view_literals::operator""sv;

constexpr std::array kOutputFormats = {
    "AVI Format (*.avi)"sv,
    "MPEG1 Format (*.mpg)"sv,
    "MPEG2 Format (*.mpg)"sv,
    "DivX Format (*.avi)"sv,
    "Xvid Format (*.avi)"sv,
    "VCD compatible MPEG1 Format (*.mpg)"sv,
    "SVCD compatible MPEG2 Format (*.mpg)"sv,
    "DVD compatible MPEG2 Format (*.vob)"sv,
    "WMV Format (*.wmv)"sv,
    "ASF Format (*.ASF)"sv,
};

constexpr std::array kAviQuality = {
    "1.Lowest (video bitrate: 384kbps; audio bitrate: 64kbps)"sv,
    "2.Lower  (video bitrate: 512kbps; audio bitrate: 80kbps)"sv,
    "3.Low    (video bitrate: 640kbps; audio bitrate: 96kbps)"sv,
    "4.Normal (video bitrate: 768kbps; audio bitrate: 96kbps)"sv,
    "5.Medium (video bitrate:1000kbps; audio bitrate:128kbps)"sv,
    "6.Good   (video bitrate:1200kbps; audio bitrate:128kbps)"sv,
    "7.Better (video bitrate:1500kbps; audio bitrate:160kbps)"sv,
    "8.High   (video bitrate:2000kbps; audio bitrate:192kbps)"sv,
    "9.Best   (video bitrate:2500kbps; audio bitrate:224kbps)"sv,
};

constexpr std::array kMpeg1Quality = {
    "1.Low    (video bitrate: 512kbps; audio bitrate: 96kbps)"sv,
    "2.Normal (video bitrate: 640kbps; audio bitrate:128kbps)"sv,
    "3.Medium (video bitrate: 800kbps; audio bitrate:128kbps)"sv,
    "4.Good   (video bitrate:1000kbps; audio bitrate:192kbps)"sv,
    "5.Best   (video bitrate:1152kbps; audio bitrate:192kbps)"sv,
};

constexpr std::array kMpeg2Quality = {
    "1.Lower  (video bitrate: 800kbps; audio bitrate: 96kbps)"sv,
    "2.Low    (video bitrate:1200kbps; audio bitrate:112kbps)"sv,
    "3.Normal (video bitrate:1600kbps; audio bitrate:128kbps)"sv,
    "4.Medium (video bitrate:2000kbps; audio bitrate:160kbps)"sv,
    "5.Good   (video bitrate:3000kbps; audio bitrate:224kbps)"sv,
    "6.Best   (video bitrate:5000kbps; audio bitrate:224kbps)"sv,
};

constexpr std::array kSvcdQuality = {
    "1.Low    (video bitrate: 800kbps; audio bitrate:128kbps)"sv,
    "2.Normal (video bitrate:1200kbps; audio bitrate:192kbps)"sv,
    "3.Medium (video bitrate:1600kbps; audio bitrate:224kbps)"sv,
    "4.Good   (video bitrate:2000kbps; audio bitrate:224kbps)"sv,
    "5.Best   (video bitrate:2500kbps; audio bitrate:224kbps)"sv,
};

// Same as the MPEG2 list but for the audio bitrate of its first entry.
constexpr std::array kDvdQuality = {
    "1.Lower  (video bitrate: 800kbps; audio bitrate:112kbps)"sv,
    kMpeg2Quality[1],
    kMpeg2Quality[2],
    kMpeg2Quality[3],
    kMpeg2Quality[4],
    kMpeg2Quality[5],
};

constexpr std::array kWmvQuality = {
    "1.Lowest (video bitrate: 192kbps; audio bitrate: 64kbps)"sv,
    "2.Lower  (video bitrate: 256kbps; audio bitrate: 64kbps)"sv,
    "3.Low    (video bitrate: 384kbps; audio bitrate: 80kbps)"sv,
    "4.Normal (video bitrate: 640kbps; audio bitrate: 96kbps)"sv,
    "5.Medium (video bitrate: 768kbps; audio bitrate:128kbps)"sv,
    "6.Good   (video bitrate:1000kbps; audio bitrate:128kbps)"sv,
    "7.Better (video bitrate:1250kbps; audio bitrate:160kbps)"sv,
    "8.High   (video bitrate:1500kbps; audio bitrate:192kbps)"sv,
    "9.Best   (video bitrate:2000kbps; audio bitrate:224kbps)"sv,
};

constexpr std::array kAviResolution = {
    "Original"sv,  "80 x 60"sv,   "96 x 72"sv,   "128 x 96"sv,  "160 x 120"sv, "176 x 120"sv, "176 x 144"sv,
    "192 x 144"sv, "240 x 180"sv, "320 x 200"sv, "320 x 240"sv, "352 x 240"sv, "352 x 288"sv, "480 x 272"sv,
    "480 x 480"sv, "480 x 576"sv, "624 x 352"sv, "640 x 480"sv, "720 x 480"sv, "720 x 576"sv,
};

constexpr std::array kMpegResolution = {
    "Original"sv,  "80 x 60"sv,   "96 x 72"sv,   "128 x 96"sv,  "160 x 120"sv, "176 x 120"sv,
    "176 x 144"sv, "192 x 144"sv, "240 x 180"sv, "320 x 200"sv, "320 x 240"sv, "352 x 240"sv,
    "352 x 288"sv, "480 x 480"sv, "480 x 576"sv, "640 x 480"sv, "720 x 480"sv, "720 x 576"sv,
};

constexpr std::array kAviFrameRate = {
    "Original"sv, "14.985 fps"sv, "20.0 fps"sv,  "23.976 fps"sv,
    "24.0 fps"sv, "25.0 fps"sv,   "29.97 fps"sv, "30.0 fps"sv,
};

constexpr std::array kMpegFrameRate = {
    "Original"sv, "23.976 fps"sv, "24.0 fps"sv, "25.0 fps"sv, "29.97 fps"sv, "30.0 fps"sv,
};

constexpr std::array kMpegAspect = {
    "1:1    (PC VAG)"sv,
    "4:3    (Standard TV)"sv,
    "16:9   (Wide screen TV)"sv,
    "2.21:1 (CinemaScope movie)"sv,
};

constexpr std::array kDiscAspect = {kMpegAspect[1], kMpegAspect[2]};

constexpr std::array kTvModes = {"NTSC"sv, "PAL"sv};
constexpr std::array kAviVideoCodecs = {"Divx"sv, "Xvid"sv};
constexpr std::array kAsfVideoCodecs = {"msmpeg4"sv, "msmpeg4v2"sv, "WMV8"sv};
constexpr std::array kMp3Ac3Codecs = {"MP3"sv, "AC3"sv};
constexpr std::array kDvdAudioCodecs = {"AC3"sv, "MP2"sv};
constexpr std::array kWmaCodecs = {"WMAv1"sv, "WMAv2"sv};

constexpr std::array kNone = {"None"sv};
constexpr std::array kAuto = {"Auto"sv};
constexpr std::array kMpeg1Video = {"MPEG1"sv};
constexpr std::array kMpeg2Video = {"MPEG2"sv};
constexpr std::array kDivxVideo = {kAviVideoCodecs[0]};
constexpr std::array kXvidVideo = {kAviVideoCodecs[1]};
constexpr std::array kWmv8Video = {kAsfVideoCodecs[2]};
constexpr std::array kMp2Audio = {kDvdAudioCodecs[1]};

constexpr std::array kVcdSizes = {kAviResolution[11], kAviResolution[12]};
constexpr std::array kSvcdSizes = {kAviResolution[14], kAviResolution[15]};
constexpr std::array kDvdSizes = {kAviResolution[18], kAviResolution[19]};
constexpr std::array kVcdRates = {kAviFrameRate[3], kAviFrameRate[5]};
constexpr std::array kSvcdDvdRates = {kAviFrameRate[6], kAviFrameRate[5]};

}  // namespace

namespace lists {

const TextList outputFormats{kOutputFormats};
const TextList aviQuality{kAviQuality};
const TextList mpeg1Quality{kMpeg1Quality};
const TextList mpeg2Quality{kMpeg2Quality};
const TextList svcdQuality{kSvcdQuality};
const TextList dvdQuality{kDvdQuality};
const TextList wmvQuality{kWmvQuality};
const TextList aviResolution{kAviResolution};
const TextList mpegResolution{kMpegResolution};
const TextList aviFrameRate{kAviFrameRate};
const TextList mpegFrameRate{kMpegFrameRate};
const TextList mpegAspect{kMpegAspect};
const TextList discAspect{kDiscAspect};
const TextList tvModes{kTvModes};
const TextList aviVideoCodecs{kAviVideoCodecs};
const TextList asfVideoCodecs{kAsfVideoCodecs};
const TextList mp3Ac3Codecs{kMp3Ac3Codecs};
const TextList dvdAudioCodecs{kDvdAudioCodecs};
const TextList wmaCodecs{kWmaCodecs};
const TextList none{kNone};
const TextList auto_{kAuto};
const TextList mpeg1Video{kMpeg1Video};
const TextList mpeg2Video{kMpeg2Video};
const TextList divxVideo{kDivxVideo};
const TextList xvidVideo{kXvidVideo};
const TextList wmv8Video{kWmv8Video};
const TextList mp2Audio{kMp2Audio};
const TextList vcdSizes{kVcdSizes};
const TextList svcdSizes{kSvcdSizes};
const TextList dvdSizes{kDvdSizes};
const TextList vcdRates{kVcdRates};
const TextList svcdDvdRates{kSvcdDvdRates};

}  // namespace lists

TextList QualityListOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
        case OutputFormat::DivX:
        case OutputFormat::Xvid:
            return lists::aviQuality;
        case OutputFormat::Mpeg1:
        case OutputFormat::VcdMpeg1:
            return lists::mpeg1Quality;
        case OutputFormat::Mpeg2:
            return lists::mpeg2Quality;
        case OutputFormat::SvcdMpeg2:
            return lists::svcdQuality;
        case OutputFormat::DvdMpeg2:
            return lists::dvdQuality;
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            return lists::wmvQuality;
    }
    return lists::aviQuality;
}
