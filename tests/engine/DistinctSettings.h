#pragma once
// Settings whose every field differs from its default, so that what a combo shows or a conversion uses
// tells which field it came from.

#include "ConversionSettings.h"

inline ConversionSettings DistinctSettings(OutputFormat format) {
    ConversionSettings s;
    s.outputFormat = static_cast<int>(format);
    s.tvMode = 1;
    s.mpegAspectRatio = 3;
    s.dvdAspectRatio = 0;
    s.aviQuality = 8;
    s.mpeg1Quality = 1;
    s.mpeg2Quality = 2;
    s.svcdQuality = 0;
    s.dvdQuality = 3;
    s.wmvQuality = 7;
    s.aviVideoCodec = 1;
    s.asfVideoCodec = 0;
    s.aviAudioCodec = 1;
    s.divxAudioCodec = 1;
    s.xvidAudioCodec = 1;
    s.dvdAudioCodec = 1;
    s.wmvAudioCodec = 0;
    s.asfAudioCodec = 0;
    s.aviResolution = 13;
    s.mpegResolution = 15;
    s.aviFrameRate = 6;
    s.mpegFrameRate = 2;
    return s;
}
