// Show All Words: from the command to the filled review beside the cube, in the whole program on
// the shipped comprehensive dictionary, each time with the background word search still far from
// done (it pauses a millisecond a step, as on a one-processor machine). Settings go to a temporary
// folder; the dictionary is the one beside the program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "bench/BenchFormat.h"
#include "dialogs/WordReviewPanel.h"
#include "framework/Clock.h"
#include "framework/MessageBox.h"

namespace {

constexpr int kBoards = 20;

struct Run {
    double dCommandMs = 0; // the command returned: game ended, search finished, panel filled and placed
    double dPaintedMs = 0; // and the panel painted
    int nWords = 0;
    bool bSearchUnfinished = false;
};

CQuillotrixApp* g_pApp = nullptr;

// A new game on the board of this seed, then Show All Words (the question answered Yes).
Run ShowAllWordsOnce(int nSeed)
{
    CMainFrame* pFrame = g_pApp->GetMainWnd();
    CTessarylWnd& tess = pFrame->GetScreenHost().m_wndTessaryl;
    srand(unsigned(nSeed));
    pFrame->OnCommand(ID_FILE_NEWGAME);
    Run run;
    run.bSearchUnfinished = tess.IsWorkerAlive();
    const auto t0 = std::chrono::steady_clock::now();
    pFrame->OnCommand(ID_GAME_SHOWALLWORDS);
    const auto t1 = std::chrono::steady_clock::now();
    CWordReviewPanel* pPanel = pFrame->GetScreenHost().GetOpenWordReview();
    if (pPanel)
        pPanel->grab(); // renders every child as a paint would
    const auto t2 = std::chrono::steady_clock::now();
    run.dCommandMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
    run.dPaintedMs = std::chrono::duration<double, std::milli>(t2 - t0).count();
    run.nWords = pPanel ? int(pPanel->GetReview().aWords.size()) : -1;
    return run;
}

void BM_ShowAllWords(benchmark::State& state)
{
    const int nSeed = int(state.range(0));
    Run run;
    for (auto _ : state) {
        run = ShowAllWordsOnce(nSeed);
        if (run.nWords < 0 || !run.bSearchUnfinished) {
            state.SkipWithError("no review, or the background search had finished");
            break;
        }
        state.SetIterationTime(run.dCommandMs / 1000.0);
    }
    state.counters["words"] = run.nWords;
    state.counters["painted_ms"] = run.dPaintedMs;
}
BENCHMARK(BM_ShowAllWords)->DenseRange(1, kBoards)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

double Median(std::vector<double> a)
{
    std::sort(a.begin(), a.end());
    return a.size() % 2 ? a[a.size() / 2] : (a[a.size() / 2 - 1] + a[a.size() / 2]) / 2;
}

void PrintSummary(FILE* pOut)
{
    std::vector<double> aCommand, aPainted;
    std::vector<int> aWords;
    for (int nSeed = 1; nSeed <= kBoards; ++nSeed) {
        const Run run = ShowAllWordsOnce(nSeed);
        aCommand.push_back(run.dCommandMs);
        aPainted.push_back(run.dPaintedMs);
        aWords.push_back(run.nWords);
    }
    std::fprintf(pOut, "\nShow All Words over %d boards, background search unfinished each time:\n", kBoards);
    std::fprintf(pOut, "  command to filled review: median %.2f ms, max %.2f ms (target 50 ms)\n", Median(aCommand),
                 *std::max_element(aCommand.begin(), aCommand.end()));
    std::fprintf(pOut, "  command to painted panel: median %.2f ms, max %.2f ms\n", Median(aPainted),
                 *std::max_element(aPainted.begin(), aPainted.end()));
    std::fprintf(pOut, "  words on a cube: %d to %d\n", *std::min_element(aWords.begin(), aWords.end()),
                 *std::max_element(aWords.begin(), aWords.end()));
}

} // namespace

int main(int argc, char** argv)
{
    const bool bConsole = IsConsoleFormat(argc, argv);
    // The player's own settings and records stay untouched.
    QTemporaryDir dirHome;
    qputenv("XDG_CONFIG_HOME", dirHome.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dirHome.filePath(QStringLiteral("data")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    SetMessageBoxResponder([](const QString& strText, const QString&, UINT nType) {
        if ((nType & MB_TYPEMASK) != MB_YESNO)
            std::fprintf(stderr, "message: %s\n", qPrintable(strText));
        return IDYES;
    });
    // The background search as slow as on the handheld, so that it is always unfinished.
    SetGiveWay([] { Sleep(1); });

    CQuillotrixApp app;
    if (!app.InitInstance(TRUE) || !app.m_dictionary.IsLoaded()) {
        std::fprintf(stderr, "the program or its comprehensive dictionary could not start\n");
        return 1;
    }
    g_pApp = &app;
    app.GetMainWnd()->OnCommand(ID_GAME_TESSARYL);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    PrintSummary(bConsole ? stdout : stderr);
    benchmark::Shutdown();
    app.ExitInstance();
    return 0;
}
