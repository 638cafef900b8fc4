#pragma once
// printf-style formatting into a std::string, for the fixed option fragments and message texts.

#include <string>

#if defined(__GNUC__)
#define CORVANE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define CORVANE_PRINTF(fmt, args)
#endif

std::string FormatText(const char* format, ...) CORVANE_PRINTF(1, 2);
