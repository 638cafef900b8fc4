// The seven format-dependent lists of the dialog, for every output format: items, selection, state.
#include <gtest/gtest.h>

#include <array>

#include "DistinctSettings.h"
#include "OutputSettingsDlg.h"
#include "SettingsDialogDriver.h"
#include "SettingsLists.h"

using settingsdlg::ComboState;
using Texts = std::vector<std::string>;

namespace {

Texts Of(TextList list) {
    return Texts(list.begin(), list.end());
}


// The combos in the table's column order.
constexpr std::array kComboIds = {1067, 1068, 1069, 1077, 1070, 1071, 1078};

struct FormatRow {
    OutputFormat format;
    std::array<ComboState, 7> combos;  // quality, video, audio, TV mode, resolution, frame rate, aspect
};

const Texts kNone = {"None"};
const Texts kMp3Ac3 = {"MP3", "AC3"};
const Texts kWma = {"WMAv1", "WMAv2"};
const Texts kTv = {"NTSC", "PAL"};
const Texts kAspectB = {"4:3    (Standard TV)", "16:9   (Wide screen TV)"};
const Texts kAspectA = {"1:1    (PC VAG)", "4:3    (Standard TV)", "16:9   (Wide screen TV)",
                        "2.21:1 (CinemaScope movie)"};

std::vector<FormatRow> Rows() {
    using namespace lists;
    return {
        {OutputFormat::Avi,
         {{{Of(aviQuality), 8, true},
           {{"Divx", "Xvid"}, 1, true},
           {kMp3Ac3, 1, true},
           {kNone, 0, false},
           {Of(aviResolution), 13, true},
           {Of(aviFrameRate), 6, true},
           {kNone, 0, false}}}},
        {OutputFormat::Mpeg1,
         {{{Of(mpeg1Quality), 1, true},
           {{"MPEG1"}, 0, false},
           {{"MP2"}, 0, false},
           {kNone, 0, false},
           {Of(mpegResolution), 15, true},
           {Of(mpegFrameRate), 2, true},
           {kAspectA, 3, true}}}},
        {OutputFormat::Mpeg2,
         {{{Of(mpeg2Quality), 2, true},
           {{"MPEG2"}, 0, false},
           {{"MP2"}, 0, false},
           {kNone, 0, false},
           {Of(mpegResolution), 15, true},
           {Of(mpegFrameRate), 2, true},
           {kAspectA, 3, true}}}},
        {OutputFormat::DivX,
         {{{Of(aviQuality), 8, true},
           {{"Divx"}, 0, false},
           {kMp3Ac3, 1, true},
           {kNone, 0, false},
           {Of(aviResolution), 13, true},
           {Of(aviFrameRate), 6, true},
           {kNone, 0, false}}}},
        {OutputFormat::Xvid,
         {{{Of(aviQuality), 8, true},
           {{"Xvid"}, 0, false},
           {kMp3Ac3, 1, true},
           {kNone, 0, false},
           {Of(aviResolution), 13, true},
           {Of(aviFrameRate), 6, true},
           {kNone, 0, false}}}},
        {OutputFormat::VcdMpeg1,
         {{{Of(mpeg1Quality), 1, true},
           {{"MPEG1"}, 0, false},
           {{"MP2"}, 0, false},
           {kTv, 1, true},
           {{"352 x 240", "352 x 288"}, 1, false},
           {{"23.976 fps", "25.0 fps"}, 1, false},
           {kAspectB, 0, true}}}},
        {OutputFormat::SvcdMpeg2,
         {{{Of(svcdQuality), 0, true},
           {{"MPEG2"}, 0, false},
           {{"MP2"}, 0, false},
           {kTv, 1, true},
           {{"480 x 480", "480 x 576"}, 1, false},
           {{"29.97 fps", "25.0 fps"}, 1, false},
           {kAspectB, 0, true}}}},
        {OutputFormat::DvdMpeg2,
         {{{Of(dvdQuality), 3, true},
           {{"MPEG2"}, 0, false},
           {{"AC3", "MP2"}, 1, true},
           {kTv, 1, true},
           {{"720 x 480", "720 x 576"}, 1, false},
           {{"29.97 fps", "25.0 fps"}, 1, false},
           {kAspectB, 0, true}}}},
        {OutputFormat::Wmv,
         {{{Of(wmvQuality), 7, true},
           {{"WMV8"}, 0, false},
           {kWma, 0, true},
           {kNone, 0, false},
           {Of(aviResolution), 13, true},
           {{"Auto"}, 0, false},
           {kNone, 0, false}}}},
        {OutputFormat::Asf,
         {{{Of(wmvQuality), 7, true},
           {{"msmpeg4", "msmpeg4v2", "WMV8"}, 0, true},
           {kWma, 0, true},
           {kNone, 0, false},
           {Of(aviResolution), 13, true},
           {{"Auto"}, 0, false},
           {kNone, 0, false}}}},
    };
}

void ExpectRow(HWND settings, const FormatRow& row) {
    for (size_t c = 0; c < kComboIds.size(); ++c) {
        SCOPED_TRACE(testing::Message()
                     << "format " << static_cast<int>(row.format) << " combo " << kComboIds[c]);
        const ComboState shown = settingsdlg::ReadCombo(GetDlgItem(settings, kComboIds[c]));
        EXPECT_EQ(shown.items, row.combos[c].items);
        EXPECT_EQ(shown.selection, row.combos[c].selection);
        EXPECT_EQ(shown.enabled, row.combos[c].enabled);
    }
}

}  // namespace

TEST_F(SettingsDialogFixture, EveryFormatOpensWithItsListsSelectionsAndStates) {
    for (const FormatRow& row : Rows()) {
        TheSettings() = DistinctSettings(row.format);
        ASSERT_TRUE(EditSettings([&](HWND settings) { ExpectRow(settings, row); }, IDCANCEL));
    }
}

TEST_F(SettingsDialogFixture, ChoosingEachFormatRefillsTheListsFromTheWorkingCopy) {
    TheSettings() = DistinctSettings(OutputFormat::Avi);
    ASSERT_TRUE(EditSettings(
        [&](HWND settings) {
            for (const FormatRow& row : Rows()) {
                settingsdlg::Choose(settings, 1066, static_cast<int>(row.format));
                ExpectRow(settings, row);
            }
        },
        IDCANCEL));
}

TEST_F(SettingsDialogFixture, SwitchingFormatsAndBackKeepsTheChoicesAndCancelKeepsEverything) {
    const ConversionSettings before = TheSettings();
    std::array<ComboState, 7> aviAgain{};
    std::array<ComboState, 7> dvd{};
    ASSERT_TRUE(EditSettings(
        [&](HWND settings) {
            settingsdlg::Choose(settings, 1067, 7);  // AVI quality "8.High"
            settingsdlg::Choose(settings, 1068, 1);  // Xvid
            settingsdlg::Choose(settings, 1069, 1);  // AC3
            settingsdlg::Choose(settings, 1070, 13);
            settingsdlg::Choose(settings, 1071, 3);
            settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::DvdMpeg2));
            for (size_t c = 0; c < kComboIds.size(); ++c) {
                dvd[c] = settingsdlg::ReadCombo(GetDlgItem(settings, kComboIds[c]));
            }
            settingsdlg::Choose(settings, 1067, 0);  // a DVD choice on the way
            settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Avi));
            for (size_t c = 0; c < kComboIds.size(); ++c) {
                aviAgain[c] = settingsdlg::ReadCombo(GetDlgItem(settings, kComboIds[c]));
            }
        },
        IDCANCEL));
    EXPECT_EQ(dvd[0].items, Of(lists::dvdQuality));
    EXPECT_EQ(dvd[0].selection, before.dvdQuality);
    EXPECT_EQ(dvd[2].items, (Texts{"AC3", "MP2"}));
    EXPECT_EQ(aviAgain[0].selection, 7);
    EXPECT_EQ(aviAgain[1].selection, 1);
    EXPECT_EQ(aviAgain[2].selection, 1);
    EXPECT_EQ(aviAgain[4].selection, 13);
    EXPECT_EQ(aviAgain[5].selection, 3);
    EXPECT_EQ(TheSettings(), before);  // Cancel: not even the format changed

    // The same choices with OK are all taken.
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        settingsdlg::Choose(settings, 1067, 7);
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::DvdMpeg2));
        settingsdlg::Choose(settings, 1067, 0);
    }));
    EXPECT_EQ(TheSettings().outputFormat, static_cast<int>(OutputFormat::DvdMpeg2));
    EXPECT_EQ(TheSettings().aviQuality, 7);
    EXPECT_EQ(TheSettings().dvdQuality, 0);
}

TEST_F(SettingsDialogFixture, SvcdTvModeMovesTheDisabledSizeAndRateAtOnce) {
    TheSettings().outputFormat = static_cast<int>(OutputFormat::SvcdMpeg2);
    ComboState sizeNtsc, rateNtsc, sizePal, ratePal;
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        sizeNtsc = settingsdlg::ReadCombo(GetDlgItem(settings, 1070));
        rateNtsc = settingsdlg::ReadCombo(GetDlgItem(settings, 1071));
        settingsdlg::Choose(settings, 1077, 1);  // PAL
        sizePal = settingsdlg::ReadCombo(GetDlgItem(settings, 1070));
        ratePal = settingsdlg::ReadCombo(GetDlgItem(settings, 1071));
    }));
    const Texts sizes = {"480 x 480", "480 x 576"};
    const Texts rates = {"29.97 fps", "25.0 fps"};
    EXPECT_EQ(sizeNtsc, (ComboState{sizes, 0, false}));
    EXPECT_EQ(rateNtsc, (ComboState{rates, 0, false}));
    EXPECT_EQ(sizePal, (ComboState{sizes, 1, false}));
    EXPECT_EQ(ratePal, (ComboState{rates, 1, false}));
    EXPECT_EQ(TheSettings().tvMode, 1);
    // Only the TV standard moved: the AVI and MPEG sizes and rates stay.
    EXPECT_EQ(TheSettings().aviResolution, 0);
    EXPECT_EQ(TheSettings().mpegResolution, 0);
    EXPECT_EQ(TheSettings().aviFrameRate, 0);
    EXPECT_EQ(TheSettings().mpegFrameRate, 0);
}

TEST_F(SettingsDialogFixture, EachFormatWritesOnlyTheFieldsItsChoicesName) {
    struct Case {
        OutputFormat format;
        int comboId;
        int position;
        SettingsField field;  // the one field the pick may change
    };
    const Case cases[] = {
        {OutputFormat::Asf, 1069, 0, &ConversionSettings::asfAudioCodec},  // WMV keeps its own audio
        {OutputFormat::Wmv, 1069, 0, &ConversionSettings::wmvAudioCodec},
        {OutputFormat::Asf, 1068, 1, &ConversionSettings::asfVideoCodec},
        {OutputFormat::Avi, 1068, 1, &ConversionSettings::aviVideoCodec},
        {OutputFormat::DivX, 1069, 1, &ConversionSettings::divxAudioCodec},
        {OutputFormat::Xvid, 1069, 1, &ConversionSettings::xvidAudioCodec},
        {OutputFormat::DvdMpeg2, 1069, 1, &ConversionSettings::dvdAudioCodec},
        {OutputFormat::VcdMpeg1, 1067, 0, &ConversionSettings::mpeg1Quality},  // shared with MPEG1
        {OutputFormat::Asf, 1067, 0, &ConversionSettings::wmvQuality},         // shared with WMV
        {OutputFormat::SvcdMpeg2, 1067, 1, &ConversionSettings::svcdQuality},
        {OutputFormat::Mpeg2, 1067, 0, &ConversionSettings::mpeg2Quality},
        {OutputFormat::Mpeg1, 1070, 13, &ConversionSettings::mpegResolution},
        {OutputFormat::Wmv, 1070, 13, &ConversionSettings::aviResolution},
        {OutputFormat::Mpeg2, 1071, 4, &ConversionSettings::mpegFrameRate},
        {OutputFormat::Xvid, 1071, 4, &ConversionSettings::aviFrameRate},
        {OutputFormat::Mpeg1, 1078, 0, &ConversionSettings::mpegAspectRatio},
        {OutputFormat::DvdMpeg2, 1078, 0, &ConversionSettings::dvdAspectRatio},
        {OutputFormat::VcdMpeg1, 1077, 1, &ConversionSettings::tvMode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(c.format) << " combo " << c.comboId);
        ConversionSettings expected;
        expected.outputFormat = static_cast<int>(c.format);
        TheSettings() = expected;
        ASSERT_TRUE(
            EditSettings([&](HWND settings) { settingsdlg::Choose(settings, c.comboId, c.position); }));
        expected.*c.field = c.position;
        EXPECT_EQ(TheSettings(), expected);
    }
}
