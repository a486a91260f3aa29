// CQuillotrixApp: the application object: settings with their defaults, start-up and exit, and
// the settings and high scores written when they change.
#pragma once
#include <QHash>
#include <QVariant>
#include <memory>

#include "app/HighScoreTable.h"
#include "games/AppSettings.h"

class CMainFrame;
class QTimer;

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
    // The records of the games, beside the personal word list.
    static QString GetRecordsPath();

    // Writes the high scores that changed since they were last written. Each written is the larger
    // of the program's and the one in the file (another copy may have written a better one, which
    // the program then takes up), except right after ResetHighScores, whose zeros win.
    void SaveHighScores();
    // Reset High Scores once confirmed: all to 0, written at once.
    void ResetHighScores();
    // Writes every setting the program changed since it read or last wrote it, and the high scores.
    void SaveSettings();

    // The session ends (a logout, a hang-up, Ctrl+C in the terminal): leave as Exit does, but
    // without the running-game question or any other box, as no one may be there to answer.
    void EndSession();
    BOOL IsSessionEnding() const { return m_bSessionEnding; }

private:
    void ReadSettings();
    // The preferences as they are to be stored, by value name.
    QHash<QString, QVariant> GetPreferenceValues() const;

    std::unique_ptr<CMainFrame> m_pMainWnd;
    // Each preference as last read or written here: only what the program changed is written, so
    // another copy's choices are not undone.
    QHash<QString, QVariant> m_mapStored;
    // The high scores as last written (or read); -1 for one never read.
    int m_anHiScoreStored[HIGH_SCORE_COUNT];
    BOOL m_bResetPending = FALSE;
    BOOL m_bSessionEnding = FALSE;
    std::unique_ptr<QTimer> m_pHiScoreTimer;
};
