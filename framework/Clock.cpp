// One monotonic clock for the whole program.
#include "framework/Clock.h"

#include <chrono>
#include <thread>

namespace {
std::function<DWORD()>& Source()
{
    static std::function<DWORD()> s_source;
    return s_source;
}
std::function<void()>& GiveWay()
{
    static std::function<void()> s_fn;
    return s_fn;
}
} // namespace

DWORD GetTickCount()
{
    if (Source())
        return Source()();
    // The steady clock counts from boot on Linux, so launches a few seconds apart differ widely
    // (a count from program start would seed every game alike).
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
                     .count());
}

void SetTickSource(std::function<DWORD()> source) { Source() = std::move(source); }

void Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }

void GiveWayToInterface()
{
    if (GiveWay()) {
        GiveWay()();
        return;
    }
    // The pause keeps a one-processor machine responsive; with more processors the interface
    // thread has its own, so only yield.
    static const bool s_bOneProcessor = std::thread::hardware_concurrency() <= 1;
    if (s_bOneProcessor)
        Sleep(1);
    else
        std::this_thread::yield();
}

void SetGiveWay(std::function<void()> fn) { GiveWay() = std::move(fn); }
