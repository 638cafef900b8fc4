#include "OutputSettingsDlg.h"

#include <array>

#include "MessageMap.h"
#include "SettingsLists.h"
#include "TextFormat.h"
#include "resource.h"

namespace {

// What the dialog edits and OK commits: every field but letterbox (the check box holds it) and the
// output folder (the main window's).
constexpr std::array<SettingsField, 23> kWorkingFields = {
    &ConversionSettings::outputFormat,    &ConversionSettings::tvMode,
    &ConversionSettings::mpegAspectRatio, &ConversionSettings::dvdAspectRatio,
    &ConversionSettings::aviQuality,      &ConversionSettings::mpeg1Quality,
    &ConversionSettings::mpeg2Quality,    &ConversionSettings::svcdQuality,
    &ConversionSettings::dvdQuality,      &ConversionSettings::wmvQuality,
    &ConversionSettings::aviVideoCodec,   &ConversionSettings::asfVideoCodec,
    &ConversionSettings::aviAudioCodec,   &ConversionSettings::divxAudioCodec,
    &ConversionSettings::xvidAudioCodec,  &ConversionSettings::dvdAudioCodec,
    &ConversionSettings::wmvAudioCodec,   &ConversionSettings::asfAudioCodec,
    &ConversionSettings::aviResolution,   &ConversionSettings::mpegResolution,
    &ConversionSettings::aviFrameRate,    &ConversionSettings::mpegFrameRate,
    &ConversionSettings::volume,
};

void CopyWorkingFields(const ConversionSettings& from, ConversionSettings& to) {
    for (SettingsField field : kWorkingFields) {
        to.*field = from.*field;
    }
}

constexpr int kVolumeMin = 0;
constexpr int kVolumeMax = 40;
constexpr int kVolumeUnchanged = 20;

}  // namespace

std::string VolumeLabelText(int volume) {
    return volume >= kVolumeUnchanged ? FormatText("+%ddb", volume - kVolumeUnchanged)
                                      : FormatText("-%ddb", kVolumeUnchanged - volume);
}

void SelectOrClear(CComboBox& combo, int position) {
    combo.SetCurSel(position >= 0 && position < combo.GetCount() ? position : -1);
}

COutputSettingsDlg::COutputSettingsDlg(CWnd* parent) : CDialog(IDD_OUTPUT_SETTINGS, parent) {}

void COutputSettingsDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_SET_LETTERBOX, letterboxCheck);
    DDX_Control(exchange, IDC_SET_VOLUME_LABEL, volumeLabel);
    DDX_Control(exchange, IDC_SET_VOLUME, volumeSlider);
    DDX_Control(exchange, IDC_SET_FORMAT, formatCombo);
    DDX_Control(exchange, IDC_SET_QUALITY, qualityCombo);
    DDX_Control(exchange, IDC_SET_VIDEO_CODEC, videoCodecCombo);
    DDX_Control(exchange, IDC_SET_AUDIO_CODEC, audioCodecCombo);
    DDX_Control(exchange, IDC_SET_RESOLUTION, resolutionCombo);
    DDX_Control(exchange, IDC_SET_FRAME_RATE, frameRateCombo);
    DDX_Control(exchange, IDC_SET_TV_MODE, tvModeCombo);
    DDX_Control(exchange, IDC_SET_ASPECT, aspectCombo);
}

bool COutputSettingsDlg::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static const Binding<COutputSettingsDlg> bindings[] = {
        OnControl(CBN_SELCHANGE, IDC_SET_FORMAT, &COutputSettingsDlg::OnFormatChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_QUALITY, &COutputSettingsDlg::OnQualityChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_VIDEO_CODEC, &COutputSettingsDlg::OnVideoCodecChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_AUDIO_CODEC, &COutputSettingsDlg::OnAudioCodecChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_TV_MODE, &COutputSettingsDlg::OnTvModeChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_RESOLUTION, &COutputSettingsDlg::OnResolutionChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_FRAME_RATE, &COutputSettingsDlg::OnFrameRateChosen),
        OnControl(CBN_SELCHANGE, IDC_SET_ASPECT, &COutputSettingsDlg::OnAspectChosen),
        OnMessage(WM_HSCROLL, &COutputSettingsDlg::OnHScroll),
    };
    return RunBindings(bindings, *this, msg, wParam, lParam, result) ||
           CDialog::OnWndMsg(msg, wParam, lParam, result);
}

BOOL COutputSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CopyWorkingFields(TheSettings(), working);
    formatCombo.AddStrings(lists::outputFormats);
    SelectOrClear(formatCombo, working.outputFormat);
    letterboxCheck.SetCheck(TheSettings().letterbox == 1 ? BST_CHECKED : BST_UNCHECKED);
    FillQualityList();
    FillCodecLists();
    FillTvModeList();
    FillResolutionList();
    FillFrameRateList();
    FillAspectList();
    ShowVolume();
    return TRUE;  // the framework sets the focus
}

void COutputSettingsDlg::ShowChoice(CComboBox& combo, SettingsCombo which) {
    const ComboChoice choice = DialogChoice(working, which);
    combo.ResetContent();
    combo.AddStrings(choice.items);
    combo.SetCurSel(choice.selection);  // -1 for a stored value outside the list: none
    combo.EnableWindow(choice.enabled);
}

void COutputSettingsDlg::FillQualityList() {
    ShowChoice(qualityCombo, SettingsCombo::Quality);
}

void COutputSettingsDlg::FillCodecLists() {
    ShowChoice(videoCodecCombo, SettingsCombo::VideoCodec);
    ShowChoice(audioCodecCombo, SettingsCombo::AudioCodec);
}

void COutputSettingsDlg::FillTvModeList() {
    ShowChoice(tvModeCombo, SettingsCombo::TvMode);
}

void COutputSettingsDlg::FillResolutionList() {
    ShowChoice(resolutionCombo, SettingsCombo::Resolution);
}

void COutputSettingsDlg::FillFrameRateList() {
    ShowChoice(frameRateCombo, SettingsCombo::FrameRate);
}

void COutputSettingsDlg::FillAspectList() {
    ShowChoice(aspectCombo, SettingsCombo::Aspect);
}

void COutputSettingsDlg::ShowVolume() {
    volumeSlider.SetRange(kVolumeMin, kVolumeMax, FALSE);
    volumeSlider.SetPos(working.volume);
    ShowVolumeLabel();
}

// From the working value rather than the slider, so that a stored volume beyond the slider's ends shows
// the gain a conversion will really apply.
void COutputSettingsDlg::ShowVolumeLabel() {
    volumeLabel.SetWindowText(VolumeLabelText(working.volume));
}

void COutputSettingsDlg::TakeSelection(const CComboBox& combo, SettingsCombo which) {
    ApplyDialogSelection(working, which, combo.GetCurSel());
}

void COutputSettingsDlg::OnFormatChosen() {
    const int position = formatCombo.GetCurSel();
    if (position < 0) {
        return;
    }
    working.outputFormat = position;
    FillQualityList();
    FillCodecLists();
    FillTvModeList();
    FillResolutionList();
    FillFrameRateList();
    FillAspectList();
}

void COutputSettingsDlg::OnQualityChosen() {
    TakeSelection(qualityCombo, SettingsCombo::Quality);
}

void COutputSettingsDlg::OnVideoCodecChosen() {
    TakeSelection(videoCodecCombo, SettingsCombo::VideoCodec);
}

void COutputSettingsDlg::OnAudioCodecChosen() {
    TakeSelection(audioCodecCombo, SettingsCombo::AudioCodec);
}

// The disc formats' size and rate are the TV standard's, so they follow it at once.
void COutputSettingsDlg::OnTvModeChosen() {
    TakeSelection(tvModeCombo, SettingsCombo::TvMode);
    FillResolutionList();
    FillFrameRateList();
}

void COutputSettingsDlg::OnResolutionChosen() {
    TakeSelection(resolutionCombo, SettingsCombo::Resolution);
}

void COutputSettingsDlg::OnFrameRateChosen() {
    TakeSelection(frameRateCombo, SettingsCombo::FrameRate);
}

void COutputSettingsDlg::OnAspectChosen() {
    TakeSelection(aspectCombo, SettingsCombo::Aspect);
}

// The label follows drags and keys; the trackbar itself still gets the default handling.
LRESULT COutputSettingsDlg::OnHScroll(WPARAM, LPARAM control) {
    if (reinterpret_cast<HWND>(control) == volumeSlider.m_hWnd && volumeSlider.m_hWnd != nullptr) {
        working.volume = volumeSlider.GetPos();
        ShowVolumeLabel();
    }
    SetMsgHandled(false);
    return 0;
}

void COutputSettingsDlg::OnOK() {
    ConversionSettings& settings = TheSettings();
    CopyWorkingFields(working, settings);
    settings.letterbox = letterboxCheck.GetCheck() == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}
