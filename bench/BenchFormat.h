// Whether a benchmark run reports to the console table (the default) or in a machine format.
#pragma once
#include <cstdlib>
#include <cstring>
#include <string>

// Read before benchmark::Initialize takes the flags away: the last --benchmark_format=... wins,
// then the BENCHMARK_FORMAT variable the library also honours.
inline bool IsConsoleFormat(int argc, char** argv)
{
    const char kFlag[] = "--benchmark_format=";
    std::string strFormat;
    if (const char* psz = std::getenv("BENCHMARK_FORMAT"))
        strFormat = psz;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kFlag, sizeof(kFlag) - 1) == 0)
            strFormat = argv[i] + sizeof(kFlag) - 1;
    return strFormat.empty() || strFormat == "console";
}
