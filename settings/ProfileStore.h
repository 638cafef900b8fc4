#pragma once
// Reading and writing Windows profile (INI) files: named sections of key=value lines.

#include <string>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The stored value, or defaultText when the file, the section or the key is missing. Blanks around
    // the value and one pair of enclosing quotes are dropped; at most kMaxProfileValue characters.
    virtual std::string ReadString(const std::string& file, const std::string& section, const std::string& key,
                                   const std::string& defaultText) = 0;

    // Replaces the key's value in place, or adds the key at the end of its section, or the section at
    // the end of the file; creates the file when needed. False when the file could not be written.
    virtual bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // Makes sure everything written to file is on disk.
    virtual bool Flush(const std::string& file) = 0;

    static constexpr size_t kMaxProfileValue = 255;
};
