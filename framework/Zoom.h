// The integer zoom the program's window opens at on a desktop screen.
#pragma once
#include <QByteArray>

// About 2x on a screen 1080 pixels tall, 3x from about 1600, never below 1.
int ChooseZoom(int nScreenHeight);

// The zoom to apply before the application object exists: QUILLOTRIX_ZOOM when set to a whole
// number of 1 or more, else measured from the primary screen. 0 when QT_SCALE_FACTOR is set,
// which the user's choice wins over ours.
int StartupZoom(int argc, char** argv);
