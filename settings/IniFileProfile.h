#pragma once
// Our own INI reader and writer, with the behaviour of the Windows profile calls, for platforms that
// have none.

#include "ProfileStore.h"

class IniFileProfile final : public ProfileStore {
public:
    std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& defaultText) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Flush(const std::string& file) override;
};
