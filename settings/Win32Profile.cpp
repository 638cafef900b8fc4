#include "Win32Profile.h"

#include <windows.h>

std::string Win32Profile::ReadString(const std::string& file, const std::string& section, const std::string& key,
                                     const std::string& defaultText) {
    char buffer[kMaxProfileValue + 1] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultText.c_str(), buffer, sizeof buffer,
                             file.c_str());
    return buffer;
}

bool Win32Profile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool Win32Profile::Flush(const std::string& file) {
    // All three names null flushes the system's cached copy of the file. Its result says nothing: Wine
    // answers FALSE to this call by design, and a failed write already showed in WriteString.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return true;
}
