// quillotrix: opens the program's window and runs it. The screens scale themselves with the window;
// Qt's own QT_SCALE_FACTOR, when the player sets it, still scales everything.
#include <QApplication>

#include "app/AppSession.h"
#include "app/QuillotrixApp.h"

int main(int argc, char** argv)
{
    // Fractional desktop scales (1.25, 1.5) are used as they are, so the screens fill their space exactly.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.brasswinkle.Quillotrix"));

    CQuillotrixApp theApp;
    return RunQuillotrix(theApp);
}
