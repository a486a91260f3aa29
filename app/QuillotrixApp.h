// CQuillotrixApp: the application object: settings with their defaults, start-up and exit.
#pragma once
#include <memory>

#include "games/AppSettings.h"

class CMainFrame;

// Registry section and value names.
inline const QString SETTINGS_SECTION = QStringLiteral("Settings");

class CQuillotrixApp : public AppSettings {
public:
    CQuillotrixApp();
    ~CQuillotrixApp() override;

    // The start-up sequence; always TRUE. Tests may leave the frame unshown.
    BOOL InitInstance(BOOL bShow = TRUE);
    // Closes what is left of the frame, then writes the settings back.
    int ExitInstance();
    // Menu command 57664 and the tool bar button.
    void OnAppAbout();

    CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }
    // The personal word list lives with the player's files, whatever the storage card setting.
    static QString GetPersonalListPath();

private:
    void ReadSettings();
    void WriteSettings();

    std::unique_ptr<CMainFrame> m_pMainWnd;
};

