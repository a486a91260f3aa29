// CScreenHostWnd: owns the four screens, shows one at a time and carries out the menu commands.
#pragma once
#include <QHash>
#include <QSet>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>

#include "app/MainScreenWnd.h"
#include "app/Records.h"
#include "games/cascadio/CascadioWnd.h"
#include "games/spanwright/SpanwrightWnd.h"
#include "games/tessaryl/TessarylWnd.h"

class CQuillotrixApp;
class CWordReviewPanel;

// Command numbers of the menu and the tool bar.
constexpr UINT ID_FILE_NEWGAME = 32776;
constexpr UINT ID_FILE_SAVEGAME = 32777;
constexpr UINT ID_FILE_OPENGAME = 32778;
constexpr UINT ID_FILE_QUITGAME = 32791;
constexpr UINT ID_FILE_EXIT = 32774;
constexpr UINT ID_GAME_MAINSCREEN = 32790;
constexpr UINT ID_GAME_TESSARYL = 32784;
constexpr UINT ID_GAME_SPANWRIGHT = 32785;
constexpr UINT ID_GAME_CASCADIO = 32788;
constexpr UINT ID_GAME_SHOWALLWORDS = 32810;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_TOOLS_PREFERENCES = 32786;
constexpr UINT ID_TOOLS_RESETHIGHSCORES = 32792;
constexpr UINT ID_TOOLS_HIGHSCORES = 32793;

// Child ids.
constexpr UINT AFX_IDW_PANE_FIRST = 59648;
constexpr UINT IDC_MAINSCREEN = 1200;
constexpr UINT IDC_TESSARYL = 1201;
constexpr UINT IDC_SPANWRIGHT = 1202;
constexpr UINT IDC_CASCADIO = 1203;

class CScreenHostWnd : public CWnd {
public:
    explicit CScreenHostWnd(CQuillotrixApp* pApp);
    ~CScreenHostWnd() override;

    // FALSE for commands the host does not handle (the frame or the application then may).
    BOOL OnCommand(UINT nID);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // FALSE when a game runs and the player does not confirm leaving it.
    BOOL ConfirmQuitWhileRunning();
    // "file:Quillotrix.htm#..." for the first visible screen.
    QString GetHelpCommandLine() const;
    // Shows the screen unless it is shown already, hiding the other three.
    void ShowScreen(CWnd* pScreen);
    // The player is away (window minimised or another program in front): the games hold their
    // clocks until the player is back.
    void SetAway(BOOL bAway);
    // Where the screens are shown and how large: centred, as large as the host allows.
    qreal GetScreenScale() const { return m_wndMainScreen.GetDisplayScale(); }

    // The games in the host's order, each with the Game menu command that shows it. A new game
    // is a member below and a line here.
    struct GameEntry {
        CGameWnd* pWnd;
        UINT nShowCommand;
        // The game's name in the records file and on its High Scores tab.
        const char* pszName;
    };
    std::array<GameEntry, 3> GetGameTable()
    {
        return {{{&m_wndTessaryl, ID_GAME_TESSARYL, "Tessaryl"},
                 {&m_wndSpanwright, ID_GAME_SPANWRIGHT, "Spanwright"},
                 {&m_wndCascadio, ID_GAME_CASCADIO, "Cascadio"}}};
    }
    std::array<CGameWnd*, 3> GetGames()
    {
        const auto aTable = GetGameTable();
        std::array<CGameWnd*, 3> apGames{};
        for (size_t i = 0; i < aTable.size(); ++i)
            apGames[i] = aTable[i].pWnd;
        return apGames;
    }
    // The visible game, or nullptr while the main screen is shown.
    CGameWnd* GetVisibleGame();

    // The play commands and letter keys go to the visible game. TypeLetter is FALSE when the key
    // was refused (no game, or no way to spell it).
    void DoGameCommand(CGameWnd::EGameCommand eCommand);
    BOOL TypeLetter(QChar ch);

    // The frame's status line: the lasting text (the visible game's status) and short notices.
    std::function<void(const QString& strText)> m_fnStatusText;
    std::function<void(const QString& strText)> m_fnNotice;
    // Shows the visible game's status line, or clears it on the main screen.
    void UpdateStatusLine();

    // Show All Words: Tessaryl is on screen with a cube on it.
    BOOL CanShowAllWords();
    // The review beside the cube, while it is open (else nullptr).
    CWordReviewPanel* GetOpenWordReview() const;
    // Told when what the menu offers may have changed (the screen shown, the review opened or closed).
    std::function<void()> m_fnCommandsChanged;

    // How Exit asks the frame to close (queued, as a posted close request).
    std::function<void()> m_fnPostClose;

    // The records of all three games; the file lives beside the personal word list.
    CRecordBook& GetRecordBook() { return m_records; }
    // The program is closing: every game still in play with points counts now (at most once). The
    // name box is asked only when bAskName (never at the end of a session, with no one to answer).
    void CountGamesInPlay(BOOL bAskName);
    // The game's name in the records ("Cascadio"); empty for a window that is no game of the host.
    QString GetRecordName(const CGameWnd* pGame);

    // The four screens, in this order: destroyed in reverse.
    CMainScreenWnd m_wndMainScreen;
    CTessarylWnd m_wndTessaryl;
    CSpanwrightWnd m_wndSpanwright;
    CCascadioWnd m_wndCascadio;

protected:
    int OnCreate() override;
    void OnPaint() override;
    void OnSize(UINT nType, int cx, int cy) override;

private:
    BOOL DoCommand(UINT nID);
    void OnNewGame();
    void OnQuitGame();
    void OnSaveGame();
    void OnOpenGame();
    void OnExit();
    void OnResetHighScores();
    void OnPreferences();
    void OnHighScores();
    // Counts a game that ended (or is being replaced or left) once, when it has points: asks the
    // name when it enters the table and bAskName, and writes the records. Returns the status line
    // to show for it ("Game over: 214 points, 2nd place. ..."), empty when nothing was counted.
    QString CountGame(CGameWnd* pGame, const CGameResult& result, BOOL bAskName, const QString& strHow);
    // After a game is replaced: the status line of the game counted, or no stale end line.
    void ShowEndLine(CGameWnd* pGame, const QString& strLine);
    // The records' messages, each shown at most once a run.
    void ShowRecordsError(const QString& strError);
    void HandDictionaryToGames();
    void LayOutScreens();
    void OnShowAllWords();
    void CloseWordReview();
    void NotifyCommandsChanged()
    {
        if (m_fnCommandsChanged)
            m_fnCommandsChanged();
    }

    BOOL m_bDictionaryErrorShown = FALSE;
    CQuillotrixApp* m_pApp;
    CRecordBook m_records;
    QSet<QString> m_setRecordErrorsShown;
    // The end line last shown for each game, so that a later game does not inherit it.
    QHash<const CGameWnd*, QString> m_mapEndLines;
    // Made at the first Show All Words; a child widget, so Qt may delete it with the host.
    QPointer<CWordReviewPanel> m_pWordReview;
};
