// Dictionary speed on a shipped dictionary (the comprehensive one, or the file named by
// QX_BENCH_DICTIONARY): lookups, prefix lookups and loading, with std::unordered_set lookups of the
// same words as the reference.
#include <benchmark/benchmark.h>

#include "bench/BenchFormat.h"

#include <QString>
#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

#include "dictionary/Dictionary.h"

namespace {

const QString kDictPath = qEnvironmentVariableIsEmpty("QX_BENCH_DICTIONARY")
    ? QStringLiteral(QX_BIN_DIR "/data/English Comprehensive07.dct")
    : qEnvironmentVariable("QX_BENCH_DICTIONARY");
constexpr size_t kSampleSize = 4096;

struct Sample {
    std::vector<std::string> aAll;
    std::vector<std::string> aHits;
    std::vector<std::string> aMisses;
    std::vector<std::string> aPrefixes;
    std::vector<QString> aHitsW;
    std::vector<QString> aMissesW;
    std::vector<QString> aPrefixesW;
    std::unordered_set<std::string> set;
};

// A fixed sample: every n-th word, the same words with one letter changed (when that is no word),
// and their first few letters.
const Sample& GetSample()
{
    static const Sample sample = [] {
        Sample s;
        CDictionary dict;
        if (!dict.LoadDictionary(kDictPath)) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(kDictPath));
            std::exit(1);
        }
        for (int b = 0; b < dict.GetBlockCount(); ++b)
            dict.EnumBlockWords(b, [&](const char* w) {
                s.aAll.emplace_back(w);
                return true;
            });
        s.set.insert(s.aAll.begin(), s.aAll.end());
        const size_t nStep = s.aAll.size() / kSampleSize;
        for (size_t i = 0; i < kSampleSize; ++i) {
            const std::string& w = s.aAll[i * nStep + nStep / 2];
            s.aHits.push_back(w);
            std::string miss = w;
            miss[miss.size() / 2] = char('a' + (miss[miss.size() / 2] - 'a' + 7) % 26);
            if (!s.set.count(miss))
                s.aMisses.push_back(miss);
            s.aPrefixes.push_back(w.substr(0, std::min<size_t>(w.size(), 1 + i % 5)));
        }
        for (const auto& w : s.aHits)
            s.aHitsW.push_back(QString::fromLatin1(w.c_str()));
        for (const auto& w : s.aMisses)
            s.aMissesW.push_back(QString::fromLatin1(w.c_str()));
        for (const auto& w : s.aPrefixes)
            s.aPrefixesW.push_back(QString::fromLatin1(w.c_str()));
        return s;
    }();
    return sample;
}

CDictionary& LoadedDictionary()
{
    static CDictionary* pDict = [] {
        auto* p = new CDictionary;
        p->LoadDictionary(kDictPath);
        return p;
    }();
    return *pDict;
}

void RunContains(benchmark::State& state, const std::vector<QString>& aWords, bool bExpected)
{
    const CDictionary& dict = LoadedDictionary();
    size_t i = 0;
    size_t nWrong = 0;
    for (auto _ : state) {
        const BOOL b = dict.Contains(aWords[i]);
        nWrong += (b != 0) != bExpected;
        benchmark::DoNotOptimize(b);
        if (++i == aWords.size())
            i = 0;
    }
    if (nWrong)
        state.SkipWithError("a lookup gave the wrong answer");
    state.SetItemsProcessed(int64_t(state.iterations()));
}

void BM_ContainsHits(benchmark::State& state) { RunContains(state, GetSample().aHitsW, true); }
void BM_ContainsMisses(benchmark::State& state) { RunContains(state, GetSample().aMissesW, false); }

void BM_HasPrefix(benchmark::State& state)
{
    const CDictionary& dict = LoadedDictionary();
    const auto& aWords = GetSample().aPrefixesW;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dict.HasPrefix(aWords[i]));
        if (++i == aWords.size())
            i = 0;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}

void BM_LookupPrefix(benchmark::State& state)
{
    const CDictionary& dict = LoadedDictionary();
    const auto& aWords = GetSample().aPrefixesW;
    size_t i = 0;
    for (auto _ : state) {
        BOOL bIsWord = FALSE;
        benchmark::DoNotOptimize(dict.LookupPrefix(aWords[i], bIsWord));
        benchmark::DoNotOptimize(bIsWord);
        if (++i == aWords.size())
            i = 0;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}

// The first lookup in a block after loading also notes that block's sample words.
void BM_ContainsFirstInBlock(benchmark::State& state)
{
    CDictionary dict;
    const auto& aWords = GetSample().aHitsW;
    size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dict.LoadDictionary(kDictPath);
        state.ResumeTiming();
        benchmark::DoNotOptimize(dict.Contains(aWords[i]));
        if (++i == aWords.size())
            i = 0;
    }
}

void BM_LoadDictionary(benchmark::State& state)
{
    CDictionary dict;
    for (auto _ : state) {
        if (!dict.LoadDictionary(kDictPath))
            state.SkipWithError("load failed");
    }
}

void RunHashSet(benchmark::State& state, const std::vector<std::string>& aWords)
{
    const auto& set = GetSample().set;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set.count(aWords[i]));
        if (++i == aWords.size())
            i = 0;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}

void BM_HashSetHits(benchmark::State& state) { RunHashSet(state, GetSample().aHits); }
void BM_HashSetMisses(benchmark::State& state) { RunHashSet(state, GetSample().aMisses); }

BENCHMARK(BM_ContainsHits);
BENCHMARK(BM_ContainsMisses);
BENCHMARK(BM_HasPrefix);
BENCHMARK(BM_LookupPrefix);
BENCHMARK(BM_ContainsFirstInBlock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HashSetHits);
BENCHMARK(BM_HashSetMisses);

// Prints how many times slower than the hash set the dictionary answers, from the runs above.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& aRuns) override
    {
        ConsoleReporter::ReportRuns(aRuns);
        for (const Run& run : aRuns)
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ratio = [&](const char* a, const char* b) {
            if (m_times.count(a) && m_times.count(b) && m_times[b] > 0)
                std::printf("%s / %s: %.1fx\n", a, b, m_times[a] / m_times[b]);
        };
        ratio("BM_ContainsHits", "BM_HashSetHits");
        ratio("BM_ContainsMisses", "BM_HashSetMisses");
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    const bool bConsole = IsConsoleFormat(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The ratios are for people reading the table; other formats get the library's own reporter.
    CRatioReporter reporter;
    if (bConsole)
        benchmark::RunSpecifiedBenchmarks(&reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
