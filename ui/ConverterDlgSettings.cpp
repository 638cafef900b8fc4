// The output settings and the main window's quick combos.
#include "ConversionSettings.h"
#include "ConverterDlg.h"
#include "SettingsLists.h"

void CConverterDlg::ShowOutputSettings() {
    // The Output Settings dialog is not there yet.
}

void CConverterDlg::OnFormatChosen() {}

void CConverterDlg::OnTvModeChosen() {}

void CConverterDlg::OnAspectRatioChosen() {}

void CConverterDlg::RefreshTvModeCombo() {
    const ConversionSettings& settings = TheSettings();
    tvModeCombo.SetCurSel(settings.tvMode);
    tvModeCombo.EnableWindow(GroupOf(settings.outputFormat) == FormatGroup::Disc);
}

void CConverterDlg::RefreshAspectCombo() {
    const ConversionSettings& settings = TheSettings();
    const FormatGroup group = GroupOf(settings.outputFormat);
    aspectCombo.ResetContent();
    if (group == FormatGroup::Mpeg) {
        aspectCombo.AddStrings(lists::mpegAspect);
        aspectCombo.SetCurSel(settings.mpegAspectRatio);
        aspectCombo.EnableWindow(TRUE);
        return;
    }
    // AVI and Windows Media keep showing the disc choice, disabled.
    aspectCombo.AddStrings(lists::discAspect);
    aspectCombo.SetCurSel(settings.dvdAspectRatio);
    aspectCombo.EnableWindow(group == FormatGroup::Disc);
}
