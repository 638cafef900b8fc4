#pragma once
// The user's output choices. Every field but outputFolder is the position, counted from 0, of the chosen
// item in the list the user interface shows for it (see SettingsLists.h); option.ini stores the same
// numbers, so the order of those lists is part of the file format.

#include <cstdint>
#include <string>

enum class OutputFormat : std::int32_t {
    Avi = 0,
    Mpeg1 = 1,
    Mpeg2 = 2,
    DivX = 3,
    Xvid = 4,
    VcdMpeg1 = 5,
    SvcdMpeg2 = 6,
    DvdMpeg2 = 7,
    Wmv = 8,
    Asf = 9,
};

inline constexpr int kOutputFormatCount = 10;

enum class FormatGroup { Avi, Mpeg, Disc, WindowsMedia };

// The format a stored value stands for. A value outside 0..9 (only a hand-edited option.ini holds one)
// converts like AVI, the default format, so that such a file still gives a playable output.
OutputFormat EffectiveFormat(std::int32_t storedFormat);
FormatGroup GroupOf(OutputFormat format);
inline FormatGroup GroupOf(std::int32_t storedFormat) { return GroupOf(EffectiveFormat(storedFormat)); }

inline constexpr int kMaxPathChars = 255;  // paths and folder texts, as every buffer of the program holds

struct ConversionSettings {
    std::int32_t outputFormat = 0;
    std::int32_t tvMode = 0;  // 0 NTSC, anything else PAL
    std::int32_t mpegAspectRatio = 2;
    std::int32_t dvdAspectRatio = 1;
    std::int32_t aviQuality = 4;
    std::int32_t mpeg1Quality = 3;
    std::int32_t mpeg2Quality = 3;
    std::int32_t svcdQuality = 4;
    std::int32_t dvdQuality = 5;
    std::int32_t wmvQuality = 5;
    std::int32_t aviVideoCodec = 0;
    std::int32_t asfVideoCodec = 2;
    std::int32_t aviAudioCodec = 0;
    std::int32_t divxAudioCodec = 0;
    std::int32_t xvidAudioCodec = 0;
    std::int32_t dvdAudioCodec = 0;
    std::int32_t wmvAudioCodec = 1;
    std::int32_t asfAudioCodec = 1;
    std::int32_t aviResolution = 0;
    std::int32_t mpegResolution = 0;
    std::int32_t aviFrameRate = 0;
    std::int32_t mpegFrameRate = 0;
    std::int32_t volume = 20;  // gain is volume - 20 dB
    std::int32_t letterbox = 1;
    std::string outputFolder = "C:\\output video\\";

    bool operator==(const ConversionSettings&) const = default;
};

// The one record of the process. Only the user-interface thread touches it.
ConversionSettings& TheSettings();

// Which field holds each property for a given format (the dialogs and the command line share this).
using SettingsField = std::int32_t ConversionSettings::*;
SettingsField QualityFieldOf(OutputFormat format);
// The audio codec field of a format that offers a choice, or nullptr where the codec is fixed.
SettingsField AudioCodecFieldOf(OutputFormat format);
// The video codec field of a format that offers a choice (AVI, ASF), or nullptr.
SettingsField VideoCodecFieldOf(OutputFormat format);
