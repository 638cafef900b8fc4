#pragma once
// Handing queued messages to their windows outside the modal loops: the encoder wait dispatches one
// message between its short waits so the windows stay alive.

#include <windows.h>

// PreTranslateMessage of every window of ours from the message's target up to its top-level window.
// True when one of them consumed the message (a dialog's keyboard navigation, for instance).
bool PreTranslateThreadMessage(MSG* msg);

// Dispatches at most one pending message of this thread. False when there was none.
bool PumpOneMessage();
