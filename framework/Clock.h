// The monotonic millisecond tick and Sleep, replaceable in tests.
#pragma once
#include <functional>
#include "framework/Types.h"

// Milliseconds since the system started, as the handheld counted them (wraps after 49.7 days).
DWORD GetTickCount();
void SetTickSource(std::function<DWORD()> source); // empty restores the real clock

void Sleep(DWORD dwMilliseconds);

// How a background thread gives way to the interface thread between two small steps: 1 ms on a
// one-processor machine, else a plain yield. Tests and benchmarks may replace it while no such
// thread runs; empty restores the real one.
void GiveWayToInterface();
void SetGiveWay(std::function<void()> fn);
