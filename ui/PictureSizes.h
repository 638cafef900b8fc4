#pragma once
// The picture sizes the main window may start with before any conversion has computed one.

#include <array>

#include "PictureGeometry.h"

inline constexpr std::array<PictureSize, 18> kPictureSizes = {{
    {160, 80},
    {160, 120},
    {288, 256},
    {320, 160},
    {320, 180},
    {320, 240},
    {480, 240},
    {480, 360},
    {480, 480},
    {576, 400},
    {592, 384},
    {624, 368},
    {640, 272},
    {640, 352},
    {672, 336},
    {720, 320},
    {752, 304},
    {784, 288},
}};

// 320 x 240: the common small size, and the one any index outside the table gives.
inline constexpr int kStartPictureSizeIndex = 5;

constexpr PictureSize PictureSizeAt(int index) {
    return index >= 0 && index < static_cast<int>(kPictureSizes.size())
               ? kPictureSizes[static_cast<size_t>(index)]
               : PictureSize{320, 240};
}
