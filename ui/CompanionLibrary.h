#pragma once
// The maker's companion library, vesko.dll: web addresses by index, loaded for each use.

#include <cstddef>
#include <optional>
#include <string>

inline constexpr int kHomePageAddress = 0;
inline constexpr int kSupportAddress = 2;

// The address decrypt_data gives for the index, into a buffer of bufferSize characters; nothing when
// the library or its export is missing, or the address is empty.
std::optional<std::string> CompanionAddress(int index, std::size_t bufferSize);
