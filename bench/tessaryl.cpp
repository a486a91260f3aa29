// Tessaryl word finder speed: the full three-pass search of seeded boards on the shipped
// comprehensive dictionary without the pause, pruned and memoised against the full walk.
#include <benchmark/benchmark.h>

#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "dictionary/Dictionary.h"
#include "framework/Clock.h"
#include "games/tessaryl/TessarylGame.h"
#include "bench/BenchFormat.h"
#include "tests/tessaryl/TessarylFullWalk.h"

namespace {

const QString kDictPath = QStringLiteral(QX_BIN_DIR "/data/English Comprehensive07.dct");
constexpr int kBoards = 20;
constexpr int kFullWalkBoards = 3;

CDictionary& Dictionary()
{
    static CDictionary* s_pDictionary = [] {
        auto* p = new CDictionary;
        if (!p->LoadDictionary(kDictPath)) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(kDictPath));
            std::exit(1);
        }
        return p;
    }();
    return *s_pDictionary;
}

// Boards from seeds 1..kBoards, generated as a new game does.
const std::vector<std::vector<QString>>& Boards()
{
    static const std::vector<std::vector<QString>> s_aBoards = [] {
        std::vector<std::vector<QString>> a;
        CTessarylGame game;
        game.SetDictionary(&Dictionary());
        for (int nSeed = 1; nSeed <= kBoards; ++nSeed) {
            srand(unsigned(nSeed));
            game.GenerateBoard();
            a.emplace_back(game.m_astrCells, game.m_astrCells + TESS_CELLS);
        }
        return a;
    }();
    return s_aBoards;
}

struct Outcome {
    double dMilliseconds = 0;
    long long nPaths = 0; // counted by the full walk only
    int nWords = 0;
};

// The shipped search on the calling thread without the pauses, or the full walk.
Outcome Search(int nBoard, BOOL bPrune)
{
    const QString* astrCells = Boards()[size_t(nBoard)].data();
    if (!bPrune) {
        const auto t0 = std::chrono::steady_clock::now();
        const CFullWalk walk(Dictionary(), astrCells);
        const auto t1 = std::chrono::steady_clock::now();
        return {std::chrono::duration<double, std::milli>(t1 - t0).count(), walk.nPaths, int(walk.astrWords.size())};
    }
    CTessarylFinder finder;
    finder.SetDictionary(&Dictionary());
    finder.SetBoard(astrCells);
    const auto t0 = std::chrono::steady_clock::now();
    finder.RunWordSearch();
    const auto t1 = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(t1 - t0).count(), 0, finder.GetHintCount()};
}

// One body for both walks, so the two figures are measured alike.
void BM_Search(benchmark::State& state, BOOL bPrune)
{
    const int nBoard = int(state.range(0));
    Outcome outcome;
    for (auto _ : state)
        outcome = Search(nBoard, bPrune);
    if (!bPrune)
        state.counters["paths"] = double(outcome.nPaths);
    state.counters["words"] = outcome.nWords;
}
void BM_PrunedSearch(benchmark::State& state) { BM_Search(state, TRUE); }
void BM_FullWalk(benchmark::State& state) { BM_Search(state, FALSE); }
BENCHMARK(BM_PrunedSearch)->DenseRange(0, kBoards - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWalk)->DenseRange(0, kFullWalkBoards - 1)->Iterations(1)->Unit(benchmark::kMillisecond);

double Median(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    return a.size() % 2 ? a[a.size() / 2] : (a[a.size() / 2 - 1] + a[a.size() / 2]) / 2;
}

// The figures the target is stated in: the median over the boards, and pruned against full.
void PrintSummary()
{
    std::vector<double> aPruned;
    for (int n = 0; n < kBoards; ++n) {
        std::vector<double> aRuns;
        for (int r = 0; r < 3; ++r)
            aRuns.push_back(Search(n, TRUE).dMilliseconds);
        aPruned.push_back(Median(aRuns));
    }
    double dFull = 0, dPrunedSame = 0;
    long long nFullPaths = 0;
    for (int n = 0; n < kFullWalkBoards; ++n) {
        const Outcome full = Search(n, FALSE);
        const Outcome pruned = Search(n, TRUE);
        if (full.nWords != pruned.nWords)
            std::printf("board %d: full walk found %d words, pruned %d\n", n, full.nWords, pruned.nWords);
        dFull += full.dMilliseconds;
        nFullPaths += full.nPaths;
        dPrunedSame += aPruned[size_t(n)];
    }
    std::printf("\npruned three-pass search: median %.2f ms per board over %d boards (min %.2f, max %.2f)\n",
                Median(aPruned), kBoards, *std::min_element(aPruned.begin(), aPruned.end()),
                *std::max_element(aPruned.begin(), aPruned.end()));
    std::printf("full walk: %.0f ms per board over %d boards, %lld paths per board; full / pruned = %.0f\n",
                dFull / kFullWalkBoards, kFullWalkBoards, nFullPaths / kFullWalkBoards, dFull / dPrunedSame);
}

} // namespace

int main(int argc, char** argv)
{
    const bool bConsole = IsConsoleFormat(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SetGiveWay([] {}); // searches run on this thread: nothing to give way to
    benchmark::RunSpecifiedBenchmarks();
    // The summary is for people reading the table; machine formats get the runs alone.
    if (bConsole)
        PrintSummary();
    benchmark::Shutdown();
    return 0;
}
