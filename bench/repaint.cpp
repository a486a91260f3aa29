// Drawing at the window's size: a full repaint of each game screen and one frame of Cascadio's tile
// slide, with the screen host filling a 3840 x 2160 window and at the handheld's own 1x for comparison.
// Runs offscreen with its own settings folder; uses the shipped dictionary beside the program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "framework/MessageBox.h"

namespace {

std::unique_ptr<CQuillotrixApp> g_pApp;

CMainFrame* Frame() { return g_pApp->GetMainWnd(); }

// The frame at a window size; 0 leaves the host at exactly 1x.
void SizeWindow(int cx, int cy)
{
    CMainFrame* pFrame = Frame();
    if (cx > 0) {
        pFrame->resize(cx, cy);
    } else {
        // The host alone at the handheld's size: the window is whatever that makes it.
        QWidget* pHost = pFrame->GetScreenHost().GetSafeHwnd();
        pFrame->resize(pFrame->size() - pHost->size() + QSize(240, 268));
    }
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

CGameWnd* ShowGame(int nGame)
{
    CScreenHostWnd& host = Frame()->GetScreenHost();
    CGameWnd* pGame = host.GetGames()[size_t(nGame)];
    host.ShowScreen(pGame);
    QApplication::processEvents();
    return pGame;
}

void BM_FullRepaint(benchmark::State& state)
{
    SizeWindow(int(state.range(1)), int(state.range(2)));
    CGameWnd* pGame = ShowGame(int(state.range(0)));
    for (auto _ : state) {
        pGame->Invalidate();
        pGame->UpdateWindow();
    }
    state.counters["scale"] = Frame()->GetScreenHost().GetScreenScale();
    state.SetLabel(pGame->GetHelpAnchor().toStdString());
}

// One frame of the slide after a word: every column moves its tiles down by a step, the uncovered
// strip is filled, and the frame is shown at once, as the game's own loop does.
void BM_CascadioSlideFrame(benchmark::State& state)
{
    SizeWindow(int(state.range(0)), int(state.range(1)));
    CGameWnd* pGame = ShowGame(2);
    pGame->UpdateWindow();
    CBrush brush(RGB(0, 0, 192));
    for (auto _ : state) {
        CClientDC dc(pGame);
        for (int c = 0; c < 7; ++c) {
            const CRect rc(15 + 30 * c, 30, 45 + 30 * c, 180);
            CRect rcUncovered;
            dc.ScrollDC(0, 3, &rc, &rc, nullptr, &rcUncovered);
            dc.FillRect(&rcUncovered, &brush);
        }
        pGame->UpdateWindow();
    }
    state.counters["scale"] = Frame()->GetScreenHost().GetScreenScale();
}

void Register()
{
    for (int nGame = 0; nGame < 3; ++nGame) {
        benchmark::RegisterBenchmark("BM_FullRepaint/1x", BM_FullRepaint)->Args({nGame, 0, 0})->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_FullRepaint/3840x2160", BM_FullRepaint)->Args({nGame, 3840, 2160})->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_CascadioSlideFrame/1x", BM_CascadioSlideFrame)->Args({0, 0})->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_CascadioSlideFrame/3840x2160", BM_CascadioSlideFrame)->Args({3840, 2160})->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's own settings are never read or written here.
    QTemporaryDir dirSettings;
    qputenv("XDG_CONFIG_HOME", dirSettings.path().toLocal8Bit());
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    SetMessageBoxResponder([](const QString& strText, const QString&, UINT) {
        std::fprintf(stderr, "message: %s\n", qPrintable(strText));
        return IDYES;
    });
    g_pApp = std::make_unique<CQuillotrixApp>();
    g_pApp->InitInstance(TRUE);
    // A game under way on each screen, so every tile, letter and bitmap is drawn.
    for (int nGame = 0; nGame < 3; ++nGame) {
        ShowGame(nGame);
        Frame()->OnCommand(ID_FILE_NEWGAME);
    }
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (CGameWnd* pGame : Frame()->GetScreenHost().GetGames())
        pGame->EndBackgroundWork();
    g_pApp->ExitInstance();
    g_pApp.reset();
    return 0;
}
