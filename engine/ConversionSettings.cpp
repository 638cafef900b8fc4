#include "ConversionSettings.h"

OutputFormat EffectiveFormat(std::int32_t storedFormat) {
    if (storedFormat < 0 || storedFormat >= kOutputFormatCount) {
        return OutputFormat::Avi;
    }
    return static_cast<OutputFormat>(storedFormat);
}

FormatGroup GroupOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
        case OutputFormat::DivX:
        case OutputFormat::Xvid:
            return FormatGroup::Avi;
        case OutputFormat::Mpeg1:
        case OutputFormat::Mpeg2:
            return FormatGroup::Mpeg;
        case OutputFormat::VcdMpeg1:
        case OutputFormat::SvcdMpeg2:
        case OutputFormat::DvdMpeg2:
            return FormatGroup::Disc;
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            return FormatGroup::WindowsMedia;
    }
    return FormatGroup::Avi;
}

ConversionSettings& TheSettings() {
    static ConversionSettings settings;
    return settings;
}

SettingsField QualityFieldOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
        case OutputFormat::DivX:
        case OutputFormat::Xvid:
            return &ConversionSettings::aviQuality;
        case OutputFormat::Mpeg1:
        case OutputFormat::VcdMpeg1:
            return &ConversionSettings::mpeg1Quality;
        case OutputFormat::Mpeg2:
            return &ConversionSettings::mpeg2Quality;
        case OutputFormat::SvcdMpeg2:
            return &ConversionSettings::svcdQuality;
        case OutputFormat::DvdMpeg2:
            return &ConversionSettings::dvdQuality;
        case OutputFormat::Wmv:
        case OutputFormat::Asf:
            return &ConversionSettings::wmvQuality;
    }
    return &ConversionSettings::aviQuality;
}

SettingsField AudioCodecFieldOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
            return &ConversionSettings::aviAudioCodec;
        case OutputFormat::DivX:
            return &ConversionSettings::divxAudioCodec;
        case OutputFormat::Xvid:
            return &ConversionSettings::xvidAudioCodec;
        case OutputFormat::DvdMpeg2:
            return &ConversionSettings::dvdAudioCodec;
        case OutputFormat::Wmv:
            return &ConversionSettings::wmvAudioCodec;
        case OutputFormat::Asf:
            return &ConversionSettings::asfAudioCodec;
        default:
            return nullptr;
    }
}

SettingsField VideoCodecFieldOf(OutputFormat format) {
    switch (format) {
        case OutputFormat::Avi:
            return &ConversionSettings::aviVideoCodec;
        case OutputFormat::Asf:
            return &ConversionSettings::asfVideoCodec;
        default:
            return nullptr;
    }
}
