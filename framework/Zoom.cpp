// Zoom choice: measured once on a short-lived application object before the real one is made,
// since the scale factor must be in the environment when Qt starts.
#include "framework/Zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

int ChooseZoom(int nScreenHeight) { return std::clamp(nScreenHeight / 520, 1, 8); }

int StartupZoom(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        return 0;
    bool bOk = false;
    const int nForced = qEnvironmentVariableIntValue("QUILLOTRIX_ZOOM", &bOk);
    if (bOk && nForced >= 1)
        return std::min(nForced, 8);
    // The probe may take Qt's own options out of its arguments; the real application needs them too.
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    int nArgs = argc;
    QGuiApplication probe(nArgs, args.data());
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? ChooseZoom(pScreen->geometry().height()) : 1;
}
