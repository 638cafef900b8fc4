#pragma once
// Target picture size from the settings, and the bars that keep the source's shape inside it.

#include "ConversionSettings.h"

struct PictureSize {
    int width = 0;  // 0 x 0: the source's own size
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

struct Borders {
    int padWidth = 0;   // > 0: bars at the sides (pillarbox)
    int padHeight = 0;  // > 0: bars above and below (letterbox)
    bool operator==(const Borders&) const = default;
};

PictureSize SelectTargetSize(const ConversionSettings& settings);

// Compares the target's shape with a source of sourceWidth x sourceHeight. A source size of 0 (never
// reported) needs no bars.
Borders ComputeBorders(const ConversionSettings& settings, PictureSize target, int sourceWidth, int sourceHeight);
