#pragma once
// Turns the settings, one source and its target into the argument string of veskoenc.exe.

#include <string>

#include "ConversionSettings.h"
#include "EncoderInterface.h"

struct CommandLineRequest {
    std::string sourcePath;
    std::string targetPath;
    int targetWidth = 0;  // 0 x 0: keep the source size
    int targetHeight = 0;
    int padWidth = 0;  // >= 1: pillarbox to the target size
    int padHeight = 0;  // >= 1: letterbox to the target size
    double sourceFrameRate = 0.0;  // used where a rate setting says "Original"
    EncoderMode mode = EncoderMode::Convert;
    long long windowHandle = 0;
};

struct EncoderCommandLine {
    std::string arguments;
    int videoBitrate = 0;  // kbit/s
    int audioBitrate = 0;  // kbit/s
};

// Never fails. Quality and aspect indexes outside their lists (only a hand-edited option.ini has them)
// are clamped to the nearest entry, and an unknown output format converts as AVI, so the string stays
// well formed and the encoder gets options it knows.
EncoderCommandLine BuildCommandLine(const ConversionSettings& settings, const CommandLineRequest& request);

// The pieces, exposed for the dialogs and for tests.
double OutputFrameRate(const ConversionSettings& settings, double sourceFrameRate);
std::string FrameRatePart(double outputFrameRate);
std::string VolumeText(int volume);
