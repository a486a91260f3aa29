// The settings record every screen and dialog reads through the one application object, with the
// defaults of a first start. Header-only, so game libraries and their tests can use it directly.
#pragma once
#include <QString>

#include "dictionary/Dictionary.h"
#include "framework/Types.h"
#include "graphics/Picture.h"

struct AppSettings {
    AppSettings() { Current() = this; }
    virtual ~AppSettings()
    {
        if (Current() == this)
            Current() = nullptr;
    }
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // The most recently made record (the application's, or a test's).
    static AppSettings*& Current()
    {
        static AppSettings* s_pCurrent = nullptr;
        return s_pCurrent;
    }

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
};

// The application's settings record; games keep this pointer from their construction.
inline AppSettings* GetAppSettings() { return AppSettings::Current(); }
