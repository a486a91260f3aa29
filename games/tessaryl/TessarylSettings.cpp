// Stand-in settings record until the application object exists.
#include "games/tessaryl/TessarylSettings.h"

struct AppSettings {
    int m_nCubeHiScore = 0;
    BOOL m_bVerifyIncorrect = FALSE;
    COLORREF m_crFontNormalColor = RGB(0, 0, 0);
    COLORREF m_crFontSelectedColor = RGB(255, 255, 255);
};

AppSettings* TessarylSettings()
{
    static AppSettings s_settings;
    return &s_settings;
}
int CubeHiScore(const AppSettings* pApp) { return pApp->m_nCubeHiScore; }
void SetCubeHiScore(AppSettings* pApp, int nScore) { pApp->m_nCubeHiScore = nScore; }
BOOL VerifyIncorrect(const AppSettings* pApp) { return pApp->m_bVerifyIncorrect; }
void SetVerifyIncorrect(AppSettings* pApp, BOOL bOn) { pApp->m_bVerifyIncorrect = bOn; }
COLORREF FontNormalColor(const AppSettings* pApp) { return pApp->m_crFontNormalColor; }
COLORREF FontSelectedColor(const AppSettings* pApp) { return pApp->m_crFontSelectedColor; }
