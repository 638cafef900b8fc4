#pragma once
// Starting veskoenc.exe and waiting for it while the window keeps answering.

#include <functional>
#include <string>

// Starts the encoder hidden, with no working folder of its own (it inherits the current folder), and
// returns when it has ended, calling pumpOneMessage between waits of at most a millisecond; the encoder's
// notifications arrive during those calls. Returns false at once when the encoder could not be started.
bool RunEncoderProcess(const std::string& encoderPath, const std::string& arguments,
                       const std::function<void()>& pumpOneMessage);
