#include "FormatChoices.h"

namespace {

int SelectionIn(TextList items, int value) {
    return value >= 0 && value < static_cast<int>(items.size()) ? value : -1;
}

ComboChoice Editable(TextList items, int value) { return {items, SelectionIn(items, value), true}; }
ComboChoice Fixed(TextList items) { return {items, 0, false}; }
// The disc formats' size and rate follow the TV standard: shown, not chosen.
ComboChoice ByTvMode(TextList items, int tvMode) { return {items, SelectionIn(items, tvMode), false}; }

ComboChoice VideoCodec(const ConversionSettings& s, OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
            return Editable(lists::aviVideoCodecs, s.aviVideoCodec);
        case OutputFormat::Asf:
            return Editable(lists::asfVideoCodecs, s.asfVideoCodec);
        case OutputFormat::DivX:
            return Fixed(lists::divxVideo);
        case OutputFormat::Xvid:
            return Fixed(lists::xvidVideo);
        case OutputFormat::Mpeg1:
        case OutputFormat::VcdMpeg1:
            return Fixed(lists::mpeg1Video);
        case OutputFormat::Wmv:
            return Fixed(lists::wmv8Video);
        default:
            return Fixed(lists::mpeg2Video);
    }
}

ComboChoice AudioCodec(const ConversionSettings& s, OutputFormat format) {
    const SettingsField field = AudioCodecFieldOf(format);
    if (field == nullptr) {
        return Fixed(lists::mp2Audio);
    }
    switch (format) {
        case OutputFormat::DvdMpeg2:
            return Editable(lists::dvdAudioCodecs, s.*field);
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            return Editable(lists::wmaCodecs, s.*field);
        default:
            return Editable(lists::mp3Ac3Codecs, s.*field);
    }
}

ComboChoice Resolution(const ConversionSettings& s, OutputFormat format) {
    switch (format) {
        case OutputFormat::VcdMpeg1:
            return ByTvMode(lists::vcdSizes, s.tvMode);
        case OutputFormat::SvcdMpeg2:
            return ByTvMode(lists::svcdSizes, s.tvMode);
        case OutputFormat::DvdMpeg2:
            return ByTvMode(lists::dvdSizes, s.tvMode);
        default:
            return GroupOf(format) == FormatGroup::Mpeg ? Editable(lists::mpegResolution, s.mpegResolution)
                                                        : Editable(lists::aviResolution, s.aviResolution);
    }
}

ComboChoice FrameRate(const ConversionSettings& s, OutputFormat format) {
    switch (GroupOf(format)) {
        case FormatGroup::Avi:
            return Editable(lists::aviFrameRate, s.aviFrameRate);
        case FormatGroup::Mpeg:
            return Editable(lists::mpegFrameRate, s.mpegFrameRate);
        case FormatGroup::Disc:
            return ByTvMode(format == OutputFormat::VcdMpeg1 ? lists::vcdRates : lists::svcdDvdRates, s.tvMode);
        case FormatGroup::WindowsMedia:
            break;
    }
    return Fixed(lists::auto_);
}

ComboChoice Aspect(const ConversionSettings& s, FormatGroup group) {
    switch (group) {
        case FormatGroup::Mpeg:
            return Editable(lists::mpegAspect, s.mpegAspectRatio);
        case FormatGroup::Disc:
            return Editable(lists::discAspect, s.dvdAspectRatio);
        default:
            return Fixed(lists::none);
    }
}

}  // namespace

ComboChoice DialogChoice(const ConversionSettings& s, SettingsCombo combo) {
    const OutputFormat format = EffectiveFormat(s.outputFormat);
    const FormatGroup group = GroupOf(format);
    switch (combo) {
        case SettingsCombo::Quality:
            return Editable(QualityListOf(format), s.*QualityFieldOf(format));
        case SettingsCombo::VideoCodec:
            return VideoCodec(s, format);
        case SettingsCombo::AudioCodec:
            return AudioCodec(s, format);
        case SettingsCombo::TvMode:
            return group == FormatGroup::Disc ? Editable(lists::tvModes, s.tvMode) : Fixed(lists::none);
        case SettingsCombo::Resolution:
            return Resolution(s, format);
        case SettingsCombo::FrameRate:
            return FrameRate(s, format);
        case SettingsCombo::Aspect:
            return Aspect(s, group);
    }
    return {};
}

void ApplyDialogSelection(ConversionSettings& s, SettingsCombo combo, int position) {
    if (position < 0) {
        return;  // no selection: nothing chosen
    }
    const OutputFormat format = EffectiveFormat(s.outputFormat);
    const bool mpeg = GroupOf(format) == FormatGroup::Mpeg;
    SettingsField field = nullptr;
    switch (combo) {
        case SettingsCombo::Quality:
            field = QualityFieldOf(format);
            break;
        case SettingsCombo::VideoCodec:
            field = VideoCodecFieldOf(format);
            break;
        case SettingsCombo::AudioCodec:
            field = AudioCodecFieldOf(format);
            break;
        case SettingsCombo::TvMode:
            field = GroupOf(format) == FormatGroup::Disc ? &ConversionSettings::tvMode : nullptr;
            break;
        case SettingsCombo::Resolution:
            field = mpeg ? &ConversionSettings::mpegResolution : &ConversionSettings::aviResolution;
            break;
        case SettingsCombo::FrameRate:
            field = mpeg ? &ConversionSettings::mpegFrameRate : &ConversionSettings::aviFrameRate;
            break;
        case SettingsCombo::Aspect:
            field = mpeg ? &ConversionSettings::mpegAspectRatio : &ConversionSettings::dvdAspectRatio;
            break;
    }
    if (field != nullptr) {
        s.*field = position;
    }
}

ComboChoice QuickTvModeChoice(const ConversionSettings& s) {
    return {lists::tvModes, SelectionIn(lists::tvModes, s.tvMode), GroupOf(s.outputFormat) == FormatGroup::Disc};
}

ComboChoice QuickAspectChoice(const ConversionSettings& s) {
    const FormatGroup group = GroupOf(s.outputFormat);
    if (group == FormatGroup::Mpeg) {
        return Editable(lists::mpegAspect, s.mpegAspectRatio);
    }
    // Outside the disc group it stays disabled but still shows the disc aspect, not "None".
    return {lists::discAspect, SelectionIn(lists::discAspect, s.dvdAspectRatio), group == FormatGroup::Disc};
}

void ApplyQuickAspect(ConversionSettings& s, int position) {
    if (position < 0) {
        return;
    }
    (GroupOf(s.outputFormat) == FormatGroup::Mpeg ? s.mpegAspectRatio : s.dvdAspectRatio) = position;
}
