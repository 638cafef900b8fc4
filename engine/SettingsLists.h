#pragma once
// The texts of every drop-down list that edits a ConversionSettings field, in stored order. The dialogs
// fill their combos from these tables; the position of a text is the number option.ini stores.

#include <span>
#include <string_view>

#include "ConversionSettings.h"

using TextList = std::span<const std::string_view>;

namespace lists {

extern const TextList outputFormats;  // by OutputFormat value

extern const TextList aviQuality;    // Q1
extern const TextList mpeg1Quality;  // Q2
extern const TextList mpeg2Quality;  // Q3
extern const TextList svcdQuality;   // Q4
extern const TextList dvdQuality;    // Q5
extern const TextList wmvQuality;    // Q6

extern const TextList aviResolution;   // R1
extern const TextList mpegResolution;  // R2
extern const TextList aviFrameRate;    // F1
extern const TextList mpegFrameRate;   // F2

extern const TextList mpegAspect;  // aspect list A
extern const TextList discAspect;  // aspect list B
extern const TextList tvModes;     // "NTSC", "PAL"

extern const TextList aviVideoCodecs;  // "Divx", "Xvid"
extern const TextList asfVideoCodecs;  // "msmpeg4", "msmpeg4v2", "WMV8"
extern const TextList mp3Ac3Codecs;    // AVI, DivX, Xvid audio
extern const TextList dvdAudioCodecs;  // "AC3", "MP2"
extern const TextList wmaCodecs;       // WMV, ASF audio

// Single-item lists shown disabled where a format allows no choice.
extern const TextList none;          // "None"
extern const TextList auto_;         // "Auto"
extern const TextList mpeg1Video;    // "MPEG1"
extern const TextList mpeg2Video;    // "MPEG2"
extern const TextList divxVideo;     // "Divx"
extern const TextList xvidVideo;     // "Xvid"
extern const TextList wmv8Video;     // "WMV8"
extern const TextList mp2Audio;      // "MP2"

// The disc formats' two-item size and rate lists, first NTSC then PAL.
extern const TextList vcdSizes;
extern const TextList svcdSizes;
extern const TextList dvdSizes;
extern const TextList vcdRates;
extern const TextList svcdDvdRates;

}  // namespace lists

// The quality list that the format's quality field indexes.
TextList QualityListOf(OutputFormat format);
