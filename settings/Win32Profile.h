#pragma once
// The platform's own profile calls (GetPrivateProfileStringA / WritePrivateProfileStringA).

#include "ProfileStore.h"

class Win32Profile final : public ProfileStore {
public:
    std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& defaultText) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Flush(const std::string& file) override;
};
