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
const auto s_start = std::chrono::steady_clock::now();
} // namespace

DWORD GetTickCount()
{
    if (Source())
        return Source()();
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - s_start).count());
}

void SetTickSource(std::function<DWORD()> source) { Source() = std::move(source); }

void Sleep(DWORD dwMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds)); }
