#include "PictureGeometry.h"

#include <array>
#include <cstdint>
#include <span>

namespace {

constexpr std::array<PictureSize, 20> kAviSizes = {{{0, 0},     {80, 60},   {96, 72},   {128, 96},  {160, 120},
                                                    {176, 120}, {176, 144}, {192, 144}, {240, 180}, {320, 200},
                                                    {320, 240}, {352, 240}, {352, 288}, {480, 272}, {480, 480},
                                                    {480, 576}, {624, 352}, {640, 480}, {720, 480}, {720, 576}}};

constexpr std::array<PictureSize, 18> kMpegSizes = {{{0, 0},     {80, 60},   {96, 72},   {128, 96},  {160, 120},
                                                     {176, 120}, {176, 144}, {192, 144}, {240, 180}, {320, 200},
                                                     {320, 240}, {352, 240}, {352, 288}, {480, 480}, {480, 576},
                                                     {640, 480}, {720, 480}, {720, 576}}};

// Index 0 ("Original") and any index outside the table keep the source size.
PictureSize Listed(std::span<const PictureSize> table, int index) {
    if (index < 0 || index >= static_cast<int>(table.size())) {
        return {};
    }
    return table[static_cast<size_t>(index)];
}

PictureSize ByTvMode(const ConversionSettings& s, PictureSize ntsc, PictureSize pal) {
    return s.tvMode == 0 ? ntsc : pal;
}

}  // namespace

PictureSize SelectTargetSize(const ConversionSettings& s) {
    switch (EffectiveFormat(s.outputFormat)) {
        case OutputFormat::Mpeg1:
        case OutputFormat::Mpeg2:
            return Listed(kMpegSizes, s.mpegResolution);
        case OutputFormat::VcdMpeg1:
            return ByTvMode(s, {352, 240}, {352, 288});
        case OutputFormat::SvcdMpeg2:
            return ByTvMode(s, {480, 480}, {480, 576});
        case OutputFormat::DvdMpeg2:
            return ByTvMode(s, {720, 480}, {720, 576});
        default:
            return Listed(kAviSizes, s.aviResolution);
    }
}

Borders ComputeBorders(const ConversionSettings& s, PictureSize target, int sourceWidth, int sourceHeight) {
    if (s.letterbox == 0 || target.width == 0 || target.height == 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return {};
    }
    // 64-bit products: a probed size can be anything an encoder reports.
    const std::int64_t w = sourceWidth, h = sourceHeight, W = target.width, H = target.height;
    return {static_cast<int>(W - (w * H) / h), static_cast<int>(H - (h * W) / w)};
}
