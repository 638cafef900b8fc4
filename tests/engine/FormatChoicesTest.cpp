#include "FormatChoices.h"

#include <gtest/gtest.h>

#include <array>

#include "DistinctSettings.h"

namespace {


struct Expect {
    TextList items;
    int selection;
    bool enabled;
};

struct FormatRow {
    OutputFormat format;
    std::array<Expect, 7> combos;  // quality, video, audio, TV mode, resolution, frame rate, aspect
};

using namespace lists;
const FormatRow kRows[] = {
    {OutputFormat::Avi,
     {{{aviQuality, 8, true}, {aviVideoCodecs, 1, true}, {mp3Ac3Codecs, 1, true}, {none, 0, false},
       {aviResolution, 13, true}, {aviFrameRate, 6, true}, {none, 0, false}}}},
    {OutputFormat::Mpeg1,
     {{{mpeg1Quality, 1, true}, {mpeg1Video, 0, false}, {mp2Audio, 0, false}, {none, 0, false},
       {mpegResolution, 15, true}, {mpegFrameRate, 2, true}, {mpegAspect, 3, true}}}},
    {OutputFormat::Mpeg2,
     {{{mpeg2Quality, 2, true}, {mpeg2Video, 0, false}, {mp2Audio, 0, false}, {none, 0, false},
       {mpegResolution, 15, true}, {mpegFrameRate, 2, true}, {mpegAspect, 3, true}}}},
    {OutputFormat::DivX,
     {{{aviQuality, 8, true}, {divxVideo, 0, false}, {mp3Ac3Codecs, 1, true}, {none, 0, false},
       {aviResolution, 13, true}, {aviFrameRate, 6, true}, {none, 0, false}}}},
    {OutputFormat::Xvid,
     {{{aviQuality, 8, true}, {xvidVideo, 0, false}, {mp3Ac3Codecs, 1, true}, {none, 0, false},
       {aviResolution, 13, true}, {aviFrameRate, 6, true}, {none, 0, false}}}},
    {OutputFormat::VcdMpeg1,
     {{{mpeg1Quality, 1, true}, {mpeg1Video, 0, false}, {mp2Audio, 0, false}, {tvModes, 1, true},
       {vcdSizes, 1, false}, {vcdRates, 1, false}, {discAspect, 0, true}}}},
    {OutputFormat::SvcdMpeg2,
     {{{svcdQuality, 0, true}, {mpeg2Video, 0, false}, {mp2Audio, 0, false}, {tvModes, 1, true},
       {svcdSizes, 1, false}, {svcdDvdRates, 1, false}, {discAspect, 0, true}}}},
    {OutputFormat::DvdMpeg2,
     {{{dvdQuality, 3, true}, {mpeg2Video, 0, false}, {dvdAudioCodecs, 1, true}, {tvModes, 1, true},
       {dvdSizes, 1, false}, {svcdDvdRates, 1, false}, {discAspect, 0, true}}}},
    {OutputFormat::Wmv,
     {{{wmvQuality, 7, true}, {wmv8Video, 0, false}, {wmaCodecs, 0, true}, {none, 0, false},
       {aviResolution, 13, true}, {auto_, 0, false}, {none, 0, false}}}},
    {OutputFormat::Asf,
     {{{wmvQuality, 7, true}, {asfVideoCodecs, 0, true}, {wmaCodecs, 0, true}, {none, 0, false},
       {aviResolution, 13, true}, {auto_, 0, false}, {none, 0, false}}}},
};

constexpr std::array kCombos = {SettingsCombo::Quality,    SettingsCombo::VideoCodec, SettingsCombo::AudioCodec,
                                SettingsCombo::TvMode,     SettingsCombo::Resolution, SettingsCombo::FrameRate,
                                SettingsCombo::Aspect};

TEST(FormatChoices, EveryFormatShowsItsListsSelectionsAndStates) {
    for (const FormatRow& row : kRows) {
        const ConversionSettings working = DistinctSettings(row.format);
        for (size_t c = 0; c < kCombos.size(); ++c) {
            const ComboChoice choice = DialogChoice(working, kCombos[c]);
            const Expect& expected = row.combos[c];
            SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(row.format) << " combo " << c);
            EXPECT_EQ(choice.items.data(), expected.items.data());
            EXPECT_EQ(choice.items.size(), expected.items.size());
            EXPECT_EQ(choice.selection, expected.selection);
            EXPECT_EQ(choice.enabled, expected.enabled);
        }
    }
}

TEST(FormatChoices, SelectionsWriteTheFormatsOwnField) {
    ConversionSettings s = DistinctSettings(OutputFormat::Asf);
    ApplyDialogSelection(s, SettingsCombo::AudioCodec, 1);
    EXPECT_EQ(s.asfAudioCodec, 1);
    EXPECT_EQ(s.wmvAudioCodec, 0);  // WMV keeps its own choice

    s = DistinctSettings(OutputFormat::VcdMpeg1);
    ApplyDialogSelection(s, SettingsCombo::Quality, 4);
    EXPECT_EQ(s.mpeg1Quality, 4);  // shared with MPEG1

    s = DistinctSettings(OutputFormat::Mpeg2);
    ApplyDialogSelection(s, SettingsCombo::Resolution, 3);
    ApplyDialogSelection(s, SettingsCombo::Aspect, 0);
    ApplyDialogSelection(s, SettingsCombo::VideoCodec, 0);  // fixed: writes nothing
    EXPECT_EQ(s.mpegResolution, 3);
    EXPECT_EQ(s.mpegAspectRatio, 0);
    EXPECT_EQ(s, [] {
        ConversionSettings expected = DistinctSettings(OutputFormat::Mpeg2);
        expected.mpegResolution = 3;
        expected.mpegAspectRatio = 0;
        return expected;
    }());

    s = DistinctSettings(OutputFormat::SvcdMpeg2);
    ApplyDialogSelection(s, SettingsCombo::TvMode, 0);
    EXPECT_EQ(DialogChoice(s, SettingsCombo::Resolution).selection, 0);  // the size follows the standard
    EXPECT_EQ(DialogChoice(s, SettingsCombo::FrameRate).selection, 0);
}

TEST(FormatChoices, StoredValuesOutsideTheListSelectNothing) {
    ConversionSettings s = DistinctSettings(OutputFormat::Avi);
    s.aviQuality = 42;
    s.aviResolution = -1;
    EXPECT_EQ(DialogChoice(s, SettingsCombo::Quality).selection, -1);
    EXPECT_EQ(DialogChoice(s, SettingsCombo::Resolution).selection, -1);
    ApplyDialogSelection(s, SettingsCombo::Quality, -1);
    EXPECT_EQ(s.aviQuality, 42);  // written back unchanged
}

TEST(FormatChoices, QuickCombosFollowTheFormat) {
    ConversionSettings s = DistinctSettings(OutputFormat::Wmv);
    const ComboChoice wmvAspect = QuickAspectChoice(s);
    EXPECT_EQ(wmvAspect.items.data(), lists::discAspect.data());
    EXPECT_EQ(wmvAspect.selection, 0);
    EXPECT_FALSE(wmvAspect.enabled);
    EXPECT_FALSE(QuickTvModeChoice(s).enabled);

    s.outputFormat = static_cast<int>(OutputFormat::Mpeg2);
    const ComboChoice mpegAspect = QuickAspectChoice(s);
    EXPECT_EQ(mpegAspect.items.size(), 4u);
    EXPECT_EQ(mpegAspect.selection, 3);
    EXPECT_TRUE(mpegAspect.enabled);
    ApplyQuickAspect(s, 1);
    EXPECT_EQ(s.mpegAspectRatio, 1);
    EXPECT_EQ(s.dvdAspectRatio, 0);

    s.outputFormat = static_cast<int>(OutputFormat::DvdMpeg2);
    EXPECT_TRUE(QuickTvModeChoice(s).enabled);
    EXPECT_EQ(QuickTvModeChoice(s).selection, 1);
    ApplyQuickAspect(s, 1);
    EXPECT_EQ(s.dvdAspectRatio, 1);
}

}  // namespace
