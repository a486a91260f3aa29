// The monotonic millisecond tick and Sleep, replaceable in tests.
#pragma once
#include <functional>
#include "framework/Types.h"

// Milliseconds since the clock started (the handheld counted from boot).
DWORD GetTickCount();
void SetTickSource(std::function<DWORD()> source); // empty restores the real clock

void Sleep(DWORD dwMilliseconds);
