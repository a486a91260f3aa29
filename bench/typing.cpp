// How long choosing a chain for typed letters takes: a word typed letter by letter on a 7 × 7
// board, and the worst case, a board of one letter and a key that fits no chain, which searches
// until the bound.
#include <benchmark/benchmark.h>

#include "games/ChainTyping.h"

namespace {
CChainTyping Board(const QStringList& aCells, int nCols)
{
    return CChainTyping(aCells, [nCols](int a, int b) {
        const int dx = a % nCols - b % nCols;
        const int dy = a / nCols - b / nCols;
        return a != b && dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
    }, 32);
}

void BM_TypeWordOnWell(benchmark::State& state)
{
    // Rows of a well in which "streams" has several spellings.
    const QStringList aCells = QString("sxsaertmstrexaeamsrtsxstreamsxaqutesrtmaesrtxstre").split(QString(), Qt::SkipEmptyParts);
    int nTried = 0;
    for (auto _ : state) {
        CChainTyping t = Board(aCells, 7);
        for (QChar ch : QStringLiteral("streams"))
            t.TypeLetter(ch);
        nTried = std::max(nTried, t.GetStepsTried());
        benchmark::DoNotOptimize(t.GetChain());
    }
    state.counters["steps"] = nTried;
}
BENCHMARK(BM_TypeWordOnWell)->Unit(benchmark::kMicrosecond);

void BM_TypeOnBoardOfOneLetter(benchmark::State& state)
{
    const QStringList aCells(49, QStringLiteral("e"));
    for (auto _ : state) {
        CChainTyping t = Board(aCells, 7);
        // Ten e's grow one by one; then a letter found nowhere makes a full search, which walks
        // until its bound.
        for (int i = 0; i < 10; ++i)
            t.TypeLetter('e');
        t.TypeLetter('x');
        benchmark::DoNotOptimize(t.GetChain());
    }
}
BENCHMARK(BM_TypeOnBoardOfOneLetter)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
