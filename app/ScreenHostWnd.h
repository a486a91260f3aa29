// CScreenHostWnd: owns the four screens, shows one at a time and carries out the menu commands.
#pragma once
#include <QPointer>
#include <QString>
#include <array>
#include <functional>

#include "app/MainScreenWnd.h"
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
    };
    std::array<GameEntry, 3> GetGameTable()
    {
        return {{{&m_wndTessaryl, ID_GAME_TESSARYL}, {&m_wndSpanwright, ID_GAME_SPANWRIGHT}, {&m_wndCascadio, ID_GAME_CASCADIO}}};
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
    void OnNewGame();
    void OnQuitGame();
    void OnSaveGame();
    void OnOpenGame();
    void OnExit();
    void OnResetHighScores();
    void OnPreferences();
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
    // Made at the first Show All Words; a child widget, so Qt may delete it with the host.
    QPointer<CWordReviewPanel> m_pWordReview;
};
