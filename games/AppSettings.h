// The settings record: paths, colours, the word check, the three high scores, the dictionary and
// the background picture, with the defaults of a first start. The application object is one; the
// shell hands it to every screen, and tests make their own.
#pragma once
#include <QString>

#include "dictionary/Dictionary.h"
#include "framework/Types.h"
#include "graphics/Picture.h"

struct AppSettings {
    AppSettings() = default;
    virtual ~AppSettings() = default;
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // Ends in '/'.
    QString m_strProgramDir;
    int m_nCubeHiScore = 0;
    int m_nBridgeHiScore = 0;
    int m_nDropHiScore = 0;
    QString m_strDictionary;
    QString m_strBackground;
    COLORREF m_crCubeColor = RGB(0, 0, 192);
    COLORREF m_crFontNormalColor = RGB(0, 0, 0);
    COLORREF m_crFontSelectedColor = RGB(255, 255, 255);
    // Destroyed after the picture, so the personal word list is saved last.
    CDictionary m_dictionary;
    CPicture m_picBackground;
    BOOL m_bVerifyIncorrect = TRUE;
    // Routine notices in the status line instead of boxes; off unless the player chose it.
    BOOL m_bNoticesInStatusBar = FALSE;
};
