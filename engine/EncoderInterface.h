#pragma once
// The contract with veskoenc.exe: how it is started, what it sends back.

#include <cstdint>

// Sent synchronously by the encoder to the main window: wParam is one of the codes below, lParam a
// signed 32-bit value. WM_USER + 0x320.
inline constexpr unsigned kWmEncoderNotify = 0x0400 + 0x320;
#ifndef WM_ENCODER_NOTIFY
#define WM_ENCODER_NOTIFY kWmEncoderNotify
#endif

enum EncoderNotifyCode : unsigned {
    NOTIFY_DURATION = 1,    // source length, seconds
    NOTIFY_WIDTH = 2,       // source picture width, pixels
    NOTIFY_HEIGHT = 3,      // source picture height, pixels
    NOTIFY_FRAME_RATE = 4,  // frames per second times 10 000 000
    NOTIFY_PROGRESS = 6,    // position reached in the current source, seconds
};

inline constexpr double kFrameRateScale = 10000000.0;

// Replies to NOTIFY_PROGRESS.
inline constexpr std::intptr_t kReplyContinue = 0;
inline constexpr std::intptr_t kReplyStop = 1;

enum class EncoderMode : int { Convert = 0, Probe = 1 };

inline constexpr const char kEncoderFileName[] = "veskoenc.exe";

// Fixed words between the option set and the two trailing arguments (mode, window handle).
inline constexpr const char kEndPosition[] = " -endpos 9:0:0";
