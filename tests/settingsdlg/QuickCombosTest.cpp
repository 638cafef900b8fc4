// The main window's format, TV mode and aspect combos: they write through at once and follow the
// format, whether it is chosen there or in the Output Settings dialog.
#include <gtest/gtest.h>

#include "SettingsDialogDriver.h"
#include "SettingsLists.h"

using settingsdlg::ComboState;
using Texts = std::vector<std::string>;

namespace {

const Texts kAspectA = {"1:1    (PC VAG)", "4:3    (Standard TV)", "16:9   (Wide screen TV)",
                        "2.21:1 (CinemaScope movie)"};
const Texts kAspectB = {"4:3    (Standard TV)", "16:9   (Wide screen TV)"};
const Texts kTv = {"NTSC", "PAL"};

}  // namespace

TEST_F(SettingsDialogFixture, QuickFormatComboWritesThroughAndTheOtherCombosFollow) {
    struct Case {
        OutputFormat format;
        ComboState tvMode;
        ComboState aspect;
    };
    TheSettings().tvMode = 1;
    TheSettings().dvdAspectRatio = 0;
    TheSettings().mpegAspectRatio = 3;
    const Case cases[] = {
        // WMV: both disabled, the aspect combo still showing the disc entry rather than "None".
        {OutputFormat::Wmv, {kTv, 1, false}, {kAspectB, 0, false}},
        {OutputFormat::Mpeg2, {kTv, 1, false}, {kAspectA, 3, true}},
        {OutputFormat::DvdMpeg2, {kTv, 1, true}, {kAspectB, 0, true}},
        {OutputFormat::Avi, {kTv, 1, false}, {kAspectB, 0, false}},
        {OutputFormat::Mpeg1, {kTv, 1, false}, {kAspectA, 3, true}},
        {OutputFormat::VcdMpeg1, {kTv, 1, true}, {kAspectB, 0, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.format));
        settingsdlg::Choose(dialog->m_hWnd, IDC_OUTPUT_FORMAT, static_cast<int>(c.format));
        EXPECT_EQ(TheSettings().outputFormat, static_cast<int>(c.format));
        EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_TV_MODE)), c.tvMode);
        EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)), c.aspect);
    }
}

TEST_F(SettingsDialogFixture, QuickAspectAndTvModeWriteTheFieldOfTheFormat) {
    ConversionSettings expected = TheSettings();
    settingsdlg::Choose(dialog->m_hWnd, IDC_OUTPUT_FORMAT, static_cast<int>(OutputFormat::Mpeg2));
    settingsdlg::Choose(dialog->m_hWnd, IDC_ASPECT_RATIO, 0);
    expected.outputFormat = static_cast<int>(OutputFormat::Mpeg2);
    expected.mpegAspectRatio = 0;
    EXPECT_EQ(TheSettings(), expected);

    settingsdlg::Choose(dialog->m_hWnd, IDC_OUTPUT_FORMAT, static_cast<int>(OutputFormat::SvcdMpeg2));
    settingsdlg::Choose(dialog->m_hWnd, IDC_ASPECT_RATIO, 0);
    settingsdlg::Choose(dialog->m_hWnd, IDC_TV_MODE, 1);
    expected.outputFormat = static_cast<int>(OutputFormat::SvcdMpeg2);
    expected.dvdAspectRatio = 0;
    expected.tvMode = 1;
    EXPECT_EQ(TheSettings(), expected);

    // Back to MPEG2: its own aspect choice comes back.
    settingsdlg::Choose(dialog->m_hWnd, IDC_OUTPUT_FORMAT, static_cast<int>(OutputFormat::Mpeg2));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)).selection, 0);
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)).items.size(), 4u);
}

TEST_F(SettingsDialogFixture, MainWindowFollowsTheFormatTakenWithOkButNotWithCancel) {
    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS, [](HWND settings) {
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Mpeg1));
        settingsdlg::Click(GetDlgItem(settings, IDCANCEL));
    }));
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), static_cast<int>(OutputFormat::Avi));
    EXPECT_FALSE(dialog->aspectCombo.IsWindowEnabled());

    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS, [](HWND settings) {
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::DvdMpeg2));
        settingsdlg::Choose(settings, 1077, 1);
        settingsdlg::Choose(settings, 1078, 0);
        settingsdlg::Click(GetDlgItem(settings, IDOK));
    }));
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), static_cast<int>(OutputFormat::DvdMpeg2));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_TV_MODE)), (ComboState{kTv, 1, true}));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)), (ComboState{kAspectB, 0, true}));

    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS_PLAIN, [](HWND settings) {
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Mpeg2));
        settingsdlg::Choose(settings, 1078, 3);
        settingsdlg::Click(GetDlgItem(settings, IDOK));
    }));
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), static_cast<int>(OutputFormat::Mpeg2));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_TV_MODE)), (ComboState{kTv, 1, false}));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)), (ComboState{kAspectA, 3, true}));
}

TEST_F(SettingsDialogFixture, QuickCombosLeaveValuesOutsideTheirListsUnselected) {
    dialog->DestroyWindow();
    ConversionSettings odd;
    odd.outputFormat = static_cast<int>(OutputFormat::VcdMpeg1);
    odd.tvMode = 4;
    odd.dvdAspectRatio = 6;
    TheSettings() = odd;
    dialog = std::make_unique<CConverterDlg>();
    TheSettings() = odd;  // the constructor loaded the (missing) option file
    ASSERT_TRUE(dialog->Create(IDD_CORVANE_DIALOG));
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), static_cast<int>(OutputFormat::VcdMpeg1));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_TV_MODE)), (ComboState{kTv, -1, true}));
    EXPECT_EQ(settingsdlg::ReadCombo(Item(IDC_ASPECT_RATIO)), (ComboState{kAspectB, -1, true}));
    EXPECT_EQ(TheSettings(), odd);
}
