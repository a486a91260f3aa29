// Start-up in its fixed order and the exit that writes the settings back.
#include "app/QuillotrixApp.h"

#include <cstdlib>

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "framework/Clock.h"
#include "framework/Files.h"
#include "framework/Profile.h"

CQuillotrixApp::CQuillotrixApp() = default;

CQuillotrixApp::~CQuillotrixApp()
{
    // The frame's screens point into this object, so they go first.
    m_pMainWnd.reset();
}

QString CQuillotrixApp::GetPersonalListPath()
{
    return GetWritableDataFolder() + QStringLiteral("personal.pdt");
}

void CQuillotrixApp::ReadSettings()
{
    SetRegistryKey(QStringLiteral("Brasswinkle"));
    // Installed, the help file and data/ live apart from the executable; that folder plays the
    // program folder.
    const QString strExeFolder = GetProgramFilesFolder();
    const QString& s = SETTINGS_SECTION;
    m_bVerifyIncorrect = GetProfileInt(s, QStringLiteral("VerifyIncorrect"), 1);
    m_nCubeHiScore = GetProfileInt(s, QStringLiteral("CubeHiScore"), 0);
    m_nBridgeHiScore = GetProfileInt(s, QStringLiteral("BridgeHiScore"), 0);
    m_nDropHiScore = GetProfileInt(s, QStringLiteral("DropHiScore"), 0);
    m_strProgramDir = GetProfileString(s, QStringLiteral("ProgramDir"), strExeFolder);
    if (!m_strProgramDir.endsWith(QLatin1Char('/')))
        m_strProgramDir += QLatin1Char('/');
    m_strDictionary = GetProfileString(s, QStringLiteral("Dictionary"),
                                       m_strProgramDir + QStringLiteral("data/English Comprehensive07.dct"));
    m_strBackground = GetProfileString(s, QStringLiteral("Background"), m_strProgramDir + QStringLiteral("data/Blue01.jpg"));
    m_crCubeColor = COLORREF(GetProfileInt(s, QStringLiteral("CubeColor"), int(RGB(0, 0, 192))));
    m_crFontNormalColor = COLORREF(GetProfileInt(s, QStringLiteral("FontNormalColor"), 0));
    m_crFontSelectedColor = COLORREF(GetProfileInt(s, QStringLiteral("FontSelectedColor"), int(RGB(255, 255, 255))));
}

BOOL CQuillotrixApp::InitInstance(BOOL bShow)
{
    ReadSettings();
    LoadImageDecoder();
    m_picBackground.LoadFromFile(nullptr, m_strBackground);
    m_dictionary.LoadPersonalList(GetPersonalListPath());
    m_dictionary.LoadDictionary(m_strDictionary);

    m_pMainWnd = std::make_unique<CMainFrame>(this);
    m_pMainWnd->Create();

    srand(GetTickCount());

    if (bShow)
        m_pMainWnd->ShowAndPaint();
    return TRUE;
}

void CQuillotrixApp::WriteSettings()
{
    // "ProgramDir" is only ever read.
    const QString& s = SETTINGS_SECTION;
    WriteProfileString(s, QStringLiteral("Dictionary"), m_strDictionary);
    WriteProfileString(s, QStringLiteral("Background"), m_strBackground);
    WriteProfileInt(s, QStringLiteral("CubeColor"), int(m_crCubeColor));
    WriteProfileInt(s, QStringLiteral("FontNormalColor"), int(m_crFontNormalColor));
    WriteProfileInt(s, QStringLiteral("FontSelectedColor"), int(m_crFontSelectedColor));
    WriteProfileInt(s, QStringLiteral("CubeHiScore"), m_nCubeHiScore);
    WriteProfileInt(s, QStringLiteral("BridgeHiScore"), m_nBridgeHiScore);
    WriteProfileInt(s, QStringLiteral("DropHiScore"), m_nDropHiScore);
    WriteProfileInt(s, QStringLiteral("VerifyIncorrect"), m_bVerifyIncorrect);
}

int CQuillotrixApp::ExitInstance()
{
    m_pMainWnd.reset();
    WriteSettings();
    return 0;
}

void CQuillotrixApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainWnd.get());
    dlg.exec();
}
