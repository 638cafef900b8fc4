// The output settings and the main window's quick combos, which write through at once.
#include "ConversionSettings.h"
#include "ConverterDlg.h"
#include "FormatChoices.h"
#include "OutputSettingsDlg.h"

void CConverterDlg::ShowOutputSettings() {
    COutputSettingsDlg settingsDlg;
    if (settingsDlg.DoModal() != IDOK) {
        return;
    }
    SelectOrClear(formatCombo, TheSettings().outputFormat);
    RefreshTvModeCombo();
    RefreshAspectCombo();
}

void CConverterDlg::OnFormatChosen() {
    const int position = formatCombo.GetCurSel();
    if (position < 0) {
        return;
    }
    TheSettings().outputFormat = position;
    RefreshTvModeCombo();
    RefreshAspectCombo();
}

void CConverterDlg::OnTvModeChosen() {
    const int position = tvModeCombo.GetCurSel();
    if (position >= 0) {
        TheSettings().tvMode = position;
    }
}

void CConverterDlg::OnAspectRatioChosen() {
    ApplyQuickAspect(TheSettings(), aspectCombo.GetCurSel());
}

// Its items, "NTSC" and "PAL", are the template's; only the selection and the state follow the format.
void CConverterDlg::RefreshTvModeCombo() {
    const ComboChoice choice = QuickTvModeChoice(TheSettings());
    tvModeCombo.SetCurSel(choice.selection);
    tvModeCombo.EnableWindow(choice.enabled);
}

void CConverterDlg::RefreshAspectCombo() {
    const ComboChoice choice = QuickAspectChoice(TheSettings());
    aspectCombo.ResetContent();
    aspectCombo.AddStrings(choice.items);
    aspectCombo.SetCurSel(choice.selection);
    aspectCombo.EnableWindow(choice.enabled);
}
