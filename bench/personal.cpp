// Personal word list speed: reading a long list written in no particular order (909,000 words,
// about the size of a large English word list), and adding one word to it, which writes it.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"

namespace {

constexpr int kWords = 909000;

// Distinct made-up words of five or six letters, shuffled, as a list file.
const QString& GetListPath()
{
    static QTemporaryDir s_dir;
    static const QString s_path = [] {
        std::mt19937 rng(17);
        std::vector<std::string> aWords;
        aWords.reserve(kWords);
        for (int i = 0; i < kWords; ++i) {
            std::string word;
            for (unsigned n = unsigned(i); n > 0 || word.size() < 4; n /= 26)
                word += char('a' + n % 26);
            word += char('a' + rng() % 26);
            aWords.push_back(word);
        }
        std::shuffle(aWords.begin(), aWords.end(), rng);
        QByteArray data = ";Personal Word List (lowercase only!)\n";
        for (const std::string& word : aWords)
            data.append(word.data(), qsizetype(word.size())).append('\n');
        const QString path = s_dir.path() + QStringLiteral("/personal.pdt");
        if (!WriteFileReplacing(path, data)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        return path;
    }();
    return s_path;
}

void BM_LoadUnsortedList(benchmark::State& state)
{
    const QString& path = GetListPath();
    for (auto _ : state) {
        CDictionary dict;
        dict.LoadPersonalList(path);
        if (dict.GetPersonalWords().size() != kWords)
            state.SkipWithError("words missing");
        dict.LoadPersonalList(QString()); // nothing to write at the end
    }
    state.counters["words"] = kWords;
}
BENCHMARK(BM_LoadUnsortedList)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AddWordWritesMergedList(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/personal.pdt");
    QFile::copy(GetListPath(), path);
    CDictionary dict;
    dict.LoadPersonalList(path);
    int n = 0;
    for (auto _ : state)
        dict.AddPersonalWord(QStringLiteral("zzadded%1").arg(n++));
    dict.LoadPersonalList(QString());
}
BENCHMARK(BM_AddWordWritesMergedList)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
