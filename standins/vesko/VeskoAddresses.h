#pragma once
// The web addresses that our companion library hands out by index. Each fits the smallest buffer a
// caller passes (64 characters with the terminating zero).

#include <cstddef>
#include <string_view>

inline constexpr std::size_t kSmallestCallerBuffer = 64;

inline constexpr int kHomePageIndex = 0;
inline constexpr int kSupportIndex = 2;

// The address for an index; an empty text for an index that stands for none.
constexpr std::string_view AddressForIndex(int index) {
    switch (index) {
        case kHomePageIndex:
            return "https://www.corvane.example.com/";
        case kSupportIndex:
            return "https://www.corvane.example.com/support/";
        default:
            return "";
    }
}

static_assert(AddressForIndex(kHomePageIndex).size() < kSmallestCallerBuffer);
static_assert(AddressForIndex(kSupportIndex).size() < kSmallestCallerBuffer);
