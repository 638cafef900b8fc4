// The slider and its label, the letter box, how the dialog ends, and stored values outside the lists.
#include <windows.h>

// after windows.h, whose types it uses
#include <commctrl.h>
#include <gtest/gtest.h>

#include "OutputSettingsDlg.h"
#include "SettingsDialogDriver.h"

using namespace uitest;
using settingsdlg::ComboState;

TEST(VolumeLabel, WritesTheGainWithItsSign) {
    const std::pair<int, const char*> cases[] = {
        {0, "-20db"}, {19, "-1db"}, {20, "+0db"}, {21, "+1db"}, {40, "+20db"}};
    for (const auto& [volume, text] : cases) {
        EXPECT_EQ(VolumeLabelText(volume), text) << volume;
    }
}

TEST_F(SettingsDialogFixture, SliderLabelFollowsKeysAndDragsAndOkStoresTheEnd) {
    std::vector<std::string> labels;
    std::vector<int> positions;
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        HWND slider = GetDlgItem(settings, 1073);
        HWND label = GetDlgItem(settings, 1074);
        auto look = [&] {
            labels.push_back(WindowText(label));
            positions.push_back(static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)));
        };
        look();
        settingsdlg::PressKey(slider, VK_END);
        look();
        settingsdlg::PressKey(slider, VK_LEFT);
        look();
        // A drag: the trackbar moves its thumb and reports each position while it is held.
        SendMessageA(slider, TBM_SETPOS, TRUE, 25);
        SendMessageA(settings, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 25), reinterpret_cast<LPARAM>(slider));
        look();
        settingsdlg::PressKey(slider, VK_HOME);
        look();
    }));
    EXPECT_EQ(labels, (std::vector<std::string>{"+0db", "+20db", "+19db", "+5db", "-20db"}));
    EXPECT_EQ(positions, (std::vector<int>{20, 40, 39, 25, 0}));
    EXPECT_EQ(TheSettings().volume, 0);
}

TEST_F(SettingsDialogFixture, SliderMovedThenCancelledKeepsTheVolume) {
    TheSettings().volume = 33;
    std::string opened;
    ASSERT_TRUE(EditSettings(
        [&](HWND settings) {
            opened = WindowText(GetDlgItem(settings, 1074));
            settingsdlg::PressKey(GetDlgItem(settings, 1073), VK_HOME);
        },
        IDCANCEL));
    EXPECT_EQ(opened, "+13db");
    EXPECT_EQ(TheSettings().volume, 33);
}

TEST_F(SettingsDialogFixture, LetterBoxIsTakenOnlyWithOk) {
    bool checkedWhenOpened = false;
    ASSERT_TRUE(EditSettings(
        [&](HWND settings) {
            checkedWhenOpened = IsDlgButtonChecked(settings, 1072) == BST_CHECKED;
            settingsdlg::Click(GetDlgItem(settings, 1072));
        },
        IDCANCEL));
    EXPECT_TRUE(checkedWhenOpened);
    EXPECT_EQ(TheSettings().letterbox, 1);

    ASSERT_TRUE(EditSettings([&](HWND settings) { settingsdlg::Click(GetDlgItem(settings, 1072)); }));
    EXPECT_EQ(TheSettings().letterbox, 0);

    ASSERT_TRUE(EditSettings([&](HWND settings) {
        checkedWhenOpened = IsDlgButtonChecked(settings, 1072) == BST_CHECKED;
        settingsdlg::Click(GetDlgItem(settings, 1072));
    }));
    EXPECT_FALSE(checkedWhenOpened);
    EXPECT_EQ(TheSettings().letterbox, 1);
}

TEST_F(SettingsDialogFixture, EscapeAndTheCloseBoxCancelEnterConfirms) {
    const ConversionSettings before = TheSettings();
    auto pickWmvThen = [](std::function<void(HWND)> end) {
        return [end](HWND settings) {
            settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Wmv));
            settingsdlg::Choose(settings, 1067, 0);
            end(settings);
        };
    };
    // Keys go through the dialog's own loop, as typed keys do.
    auto typeKey = [](UINT key) {
        return [key](HWND settings) {
            HWND focus = GetDlgItem(settings, 1067);
            SetFocus(focus);
            PostMessageA(focus, WM_KEYDOWN, key, 1);
        };
    };
    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS, pickWmvThen(typeKey(VK_ESCAPE))));
    EXPECT_EQ(TheSettings(), before);
    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS, pickWmvThen([](HWND settings) {
                                       SendMessageA(settings, WM_SYSCOMMAND, SC_CLOSE, 0);
                                   })));
    EXPECT_EQ(TheSettings(), before);
    ASSERT_TRUE(WithSettingsDialog(IDC_SETTINGS, pickWmvThen(typeKey(VK_RETURN))));
    EXPECT_EQ(TheSettings().outputFormat, static_cast<int>(OutputFormat::Wmv));
    EXPECT_EQ(TheSettings().wmvQuality, 0);
}

TEST_F(SettingsDialogFixture, OkCommitsEveryEditedFieldButNotTheOutputFolder) {
    TheSettings().outputFolder = "D:\\films\\";
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Asf));
        settingsdlg::Choose(settings, 1068, 0);
        settingsdlg::Choose(settings, 1069, 0);
        settingsdlg::PressKey(GetDlgItem(settings, 1073), VK_END);
    }));
    ConversionSettings expected;
    expected.outputFolder = "D:\\films\\";
    expected.outputFormat = static_cast<int>(OutputFormat::Asf);
    expected.asfVideoCodec = 0;
    expected.asfAudioCodec = 0;
    expected.volume = 40;
    EXPECT_EQ(TheSettings(), expected);
}

// A hand-edited option.ini may hold numbers no list has: nothing is selected and nothing is corrected.
TEST_F(SettingsDialogFixture, ValuesOutsideTheListsShowNoSelectionAndAreWrittenBackUnchanged) {
    ConversionSettings odd;
    odd.outputFormat = static_cast<int>(OutputFormat::Avi);
    odd.aviQuality = 42;
    odd.aviVideoCodec = -3;
    odd.aviAudioCodec = 7;
    odd.aviResolution = 99;
    odd.aviFrameRate = 8;
    odd.mpegAspectRatio = 9;
    odd.tvMode = 5;
    odd.volume = 55;
    TheSettings() = odd;
    std::vector<int> selections;
    std::vector<int> mpegSelections;
    std::vector<int> dvdSelections;
    std::string volumeLabel;
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        for (int id : {1067, 1068, 1069, 1070, 1071}) {
            selections.push_back(settingsdlg::ReadCombo(GetDlgItem(settings, id)).selection);
        }
        volumeLabel = WindowText(GetDlgItem(settings, 1074));
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Mpeg2));
        mpegSelections.push_back(settingsdlg::ReadCombo(GetDlgItem(settings, 1078)).selection);
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::DvdMpeg2));
        for (int id : {1077, 1070, 1071}) {
            dvdSelections.push_back(settingsdlg::ReadCombo(GetDlgItem(settings, id)).selection);
        }
        settingsdlg::Choose(settings, 1066, static_cast<int>(OutputFormat::Avi));
    }));
    EXPECT_EQ(selections, (std::vector<int>{-1, -1, -1, -1, -1}));
    EXPECT_EQ(mpegSelections, (std::vector<int>{-1}));
    EXPECT_EQ(dvdSelections, (std::vector<int>{-1, -1, -1}));
    EXPECT_EQ(volumeLabel, "+35db");  // the gain a conversion will apply, though the slider ends at 40
    EXPECT_EQ(TheSettings(), odd);
}

TEST_F(SettingsDialogFixture, AnUnknownFormatShowsNoFormatAndTheAviListsAndStays) {
    ConversionSettings odd;
    odd.outputFormat = 12;
    TheSettings() = odd;
    ComboState format, quality;
    ASSERT_TRUE(EditSettings([&](HWND settings) {
        format = settingsdlg::ReadCombo(GetDlgItem(settings, 1066));
        quality = settingsdlg::ReadCombo(GetDlgItem(settings, 1067));
        settingsdlg::Choose(settings, 1067, 0);
    }));
    EXPECT_EQ(format.selection, -1);
    EXPECT_EQ(quality.items.size(), 9u);  // converted as AVI, so the AVI lists
    EXPECT_EQ(TheSettings().outputFormat, 12);
    EXPECT_EQ(TheSettings().aviQuality, 0);
    EXPECT_EQ(dialog->formatCombo.GetCurSel(), -1);
}
