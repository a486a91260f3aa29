// quillotrix: opens the program's window at a zoom that suits the screen and runs it.
#include <QApplication>

#include "app/AppSession.h"
#include "app/QuillotrixApp.h"
#include "framework/Zoom.h"

int main(int argc, char** argv)
{
    const int nZoom = StartupZoom(argc, argv);
    if (nZoom > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(nZoom));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillotrix"));
    QApplication::setOrganizationName(QStringLiteral("Brasswinkle"));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.brasswinkle.Quillotrix"));

    CQuillotrixApp theApp;
    return RunQuillotrix(theApp);
}
