#pragma once
// What each settings combo offers for an output format: its items, the field it shows and writes, and
// whether the user may change it. The Output Settings dialog and the main window's quick combos are thin
// views of this table.

#include "ConversionSettings.h"
#include "SettingsLists.h"

enum class SettingsCombo { Quality, VideoCodec, AudioCodec, TvMode, Resolution, FrameRate, Aspect };

struct ComboChoice {
    TextList items;
    int selection = -1;    // -1: the stored value has no item (a hand-edited option.ini); nothing is selected
    bool enabled = false;  // a single possible item is shown selected and disabled
};

// The combo of the Output Settings dialog for the working copy's format.
ComboChoice DialogChoice(const ConversionSettings& working, SettingsCombo combo);

// A new selection in that combo: writes the field the format's entry names (nothing where none does).
void ApplyDialogSelection(ConversionSettings& working, SettingsCombo combo, int position);

// The main window's TV mode and aspect ratio combos, which follow the format at once.
ComboChoice QuickTvModeChoice(const ConversionSettings& settings);
ComboChoice QuickAspectChoice(const ConversionSettings& settings);
void ApplyQuickAspect(ConversionSettings& settings, int position);
