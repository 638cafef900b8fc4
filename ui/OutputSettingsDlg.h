#pragma once
// The Output Settings dialog: every conversion setting but the output folder, edited on a working copy
// that only OK commits. Its combos are views of the format table in FormatChoices.h.

#include "Button.h"
#include "ComboBox.h"
#include "ConversionSettings.h"
#include "Dialog.h"
#include "FormatChoices.h"
#include "SliderCtrl.h"
#include "Static.h"

// Controls of template 166.
enum OutputSettingsControl : int {
    IDC_SET_FORMAT = 1066,
    IDC_SET_QUALITY = 1067,
    IDC_SET_VIDEO_CODEC = 1068,
    IDC_SET_AUDIO_CODEC = 1069,
    IDC_SET_RESOLUTION = 1070,
    IDC_SET_FRAME_RATE = 1071,
    IDC_SET_LETTERBOX = 1072,
    IDC_SET_VOLUME = 1073,
    IDC_SET_VOLUME_LABEL = 1074,
    IDC_SET_TV_MODE = 1077,
    IDC_SET_ASPECT = 1078,
};

class COutputSettingsDlg : public CDialog {
  public:
    explicit COutputSettingsDlg(CWnd* parent = nullptr);

    // The working copy: the 23 fields the dialog edits (letterbox and outputFolder are not used here).
    const ConversionSettings& Working() const { return working; }

    CButton letterboxCheck;
    CStatic volumeLabel;
    CSliderCtrl volumeSlider;
    CComboBox formatCombo;
    CComboBox qualityCombo;
    CComboBox videoCodecCombo;
    CComboBox audioCodecCombo;
    CComboBox resolutionCombo;
    CComboBox frameRateCombo;
    CComboBox tvModeCombo;
    CComboBox aspectCombo;

  protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnOK() override;

  private:
    void FillQualityList();
    void FillCodecLists();
    void FillTvModeList();
    void FillResolutionList();
    void FillFrameRateList();
    void FillAspectList();
    void ShowVolume();
    void ShowVolumeLabel();
    // Empties the combo and shows what the format table offers for the working copy.
    void ShowChoice(CComboBox& combo, SettingsCombo which);
    // The user's pick in a combo goes to the field the working format names for it.
    void TakeSelection(const CComboBox& combo, SettingsCombo which);

    void OnFormatChosen();
    void OnQualityChosen();
    void OnVideoCodecChosen();
    void OnAudioCodecChosen();
    void OnTvModeChosen();
    void OnResolutionChosen();
    void OnFrameRateChosen();
    void OnAspectChosen();
    LRESULT OnHScroll(WPARAM code, LPARAM control);

    ConversionSettings working;
};

// Selects a position, or clears the selection when the list lacks it: a stored value outside its list
// shows no selection (Wine's combo would keep the previous one).
void SelectOrClear(CComboBox& combo, int position);

// "+0db", "-20db", "+20db": the gain of a volume position, its sign always written.
std::string VolumeLabelText(int volume);
