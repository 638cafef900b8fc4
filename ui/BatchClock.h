#pragma once
// The millisecond clock that batch times are measured with. Tests put a clock of their own here to
// check the progress texts.

#include <cstdint>

using TickSource = std::uint32_t (*)();
extern TickSource batchClock;  // GetTickCount unless replaced
