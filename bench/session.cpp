// A player's session: start-up to the first paint of the main screen, and resident memory while
// a Tessaryl game is under way with its word search done. The first start in the process counts
// from the process's own start (loading, fonts, dictionary); the benchmark repeats the start-up
// of the application object in a warm process. Uses the shipped dictionary beside the program.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "bench/BenchFormat.h"
#include "framework/MessageBox.h"

namespace {

// Milliseconds since this process started (the kernel notes the start in clock ticks).
double MillisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double dStartSeconds = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - dStartSeconds) * 1000.0;
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
long StatusKilobytes(const char* pszField)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(QByteArray(pszField) + ':'))
            return line.mid(int(std::strlen(pszField)) + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

void Settle(int nMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < nMilliseconds) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

struct Figures {
    double dFirstPaintMs = 0;
    long nMainScreenKb = 0;
    long nPlayingKb = 0;
    long nPeakKb = 0;
};

Figures MeasureSession()
{
    Figures f;
    CQuillotrixApp app;
    app.InitInstance(TRUE); // returns once the frame has painted
    f.dFirstPaintMs = MillisecondsSinceProcessStart();
    Settle(200);
    f.nMainScreenKb = StatusKilobytes("VmRSS");

    CMainFrame* pFrame = app.GetMainWnd();
    pFrame->OnCommand(ID_GAME_TESSARYL);
    pFrame->OnCommand(ID_FILE_NEWGAME);
    CTessarylWnd& tess = pFrame->GetScreenHost().m_wndTessaryl;
    QElapsedTimer timer;
    timer.start();
    while (tess.IsWorkerAlive() && timer.elapsed() < 60000)
        Settle(10);
    Settle(200);
    f.nPlayingKb = StatusKilobytes("VmRSS");
    f.nPeakKb = StatusKilobytes("VmHWM");
    app.ExitInstance();
    return f;
}

// Start-up of the application object up to its first paint, in a process that has started once.
void BM_StartToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        CQuillotrixApp app;
        app.InitInstance(TRUE);
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        app.ExitInstance();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    const bool bConsole = IsConsoleFormat(argc, argv);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    // A message (no dictionary, say) must not wait for a click.
    SetMessageBoxResponder([](const QString& strText, const QString&, UINT) {
        std::fprintf(stderr, "message: %s\n", qPrintable(strText));
        return IDYES;
    });

    const Figures f = MeasureSession();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // For people reading the table; machine formats get the runs alone on standard output.
    FILE* pOut = bConsole ? stdout : stderr;
    std::fprintf(pOut, "\nplatform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::fprintf(pOut, "start-up to first paint: %.0f ms from process start\n", f.dFirstPaintMs);
    std::fprintf(pOut, "resident memory: %ld kB on the main screen, %ld kB playing Tessaryl (word search done), "
                       "peak %ld kB\n",
                 f.nMainScreenKb, f.nPlayingKb, f.nPeakKb);
    return 0;
}
