// Screen creation, switching and the game commands.
#include "app/ScreenHostWnd.h"

#include <cmath>

#include "app/QuillotrixApp.h"
#include "dialogs/WordReviewPanel.h"
#include "framework/MessageBox.h"
#include "framework/Scale.h"

namespace {
constexpr CRect SCREEN_RECT(0, 0, 240, 268);
// Below this the letters could no longer be read.
constexpr qreal MIN_SCREEN_SCALE = 0.5;
// The word review beside the screen: three quarters of the screen's width, as wide as its own
// texts need at the least. Wide windows keep the screen as large as without the review.
constexpr int REVIEW_WIDTH = 180;
int GetReviewWidth(qreal s, int cxMin) { return std::max(cxMin, int(std::ceil(REVIEW_WIDTH * s - 1e-6))); }
qreal FitScaleBesideReview(QSize space, int cxMin)
{
    const qreal s = FitScale(space, SCREEN_RECT.Width() + REVIEW_WIDTH, SCREEN_RECT.Height());
    if (REVIEW_WIDTH * s >= cxMin)
        return s;
    if (space.width() <= cxMin)
        return 0; // no room beside the panel: the smallest screen
    return FitScale(QSize(space.width() - cxMin, space.height()), SCREEN_RECT.Width(), SCREEN_RECT.Height());
}
} // namespace

CScreenHostWnd::CScreenHostWnd(CQuillotrixApp* pApp)
    : m_wndMainScreen(pApp), m_pApp(pApp), m_records(CQuillotrixApp::GetRecordsPath())
{
    static_assert(HIGH_SCORE_COUNT == std::tuple_size_v<decltype(GetGameTable())>,
                  "one high score for each game, in the games' order");
}

CScreenHostWnd::~CScreenHostWnd()
{
    // The review panel calls into Tessaryl's window: it goes before the screens.
    delete m_pWordReview.data();
    // Tessaryl's word search reads the dictionary and the board: it must end before anything goes.
    for (CGameWnd* pGame : GetGames())
        pGame->EndBackgroundWork();
    // The screens are members and go in reverse order: Cascadio, Spanwright, Tessaryl, main screen.
}

int CScreenHostWnd::OnCreate()
{
    m_wndMainScreen.Create(this, IDC_MAINSCREEN, SCREEN_RECT, TRUE);

    UINT nID = IDC_TESSARYL; // then IDC_SPANWRIGHT, IDC_CASCADIO: the games' order
    for (CGameWnd* pGame : GetGames()) {
        pGame->SetSettings(m_pApp);
        pGame->Create(this, nID++, SCREEN_RECT, FALSE);
        pGame->SetBackground(&m_pApp->m_picBackground);
        pGame->SetCubeColor(m_pApp->m_crCubeColor);
        pGame->SetNoticesInStatusBar(m_pApp->m_bNoticesInStatusBar);
        pGame->m_fnStatusChanged = [this](CGameWnd* pChanged) {
            if (pChanged->IsWindowVisible())
                UpdateStatusLine();
        };
        pGame->m_fnNotice = [this](const QString& strText) {
            if (m_fnNotice)
                m_fnNotice(strText);
        };
        pGame->m_fnGameEnded = [this](CGameWnd* pEnded) {
            const QString strLine = CountGame(pEnded, pEnded->GetGameResult(), TRUE, QStringLiteral("Game over"));
            if (!strLine.isEmpty())
                ShowEndLine(pEnded, strLine);
        };
    }

    if (!m_bDictionaryErrorShown && !m_pApp->m_dictionary.IsLoaded()) {
        QxMessageBox(QStringLiteral("Error loading dictionary %1").arg(m_pApp->m_strDictionary), QString(), MB_OK);
        m_bDictionaryErrorShown = TRUE;
    }
    QString strRecordsError;
    m_records.Reload(strRecordsError);
    ShowRecordsError(strRecordsError);
    LayOutScreens();
    return 0;
}

void CScreenHostWnd::OnPaint()
{
    // Only the margins beside the screens are ever seen.
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
}

void CScreenHostWnd::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/) { LayOutScreens(); }

void CScreenHostWnd::LayOutScreens()
{
    if (!GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(&rc);
    CWordReviewPanel* pReview = GetOpenWordReview();
    qreal s = std::max(MIN_SCREEN_SCALE, FitScale(QSize(rc.Width(), rc.Height()), SCREEN_RECT.Width(), SCREEN_RECT.Height()));
    if (pReview)
        s = std::max(MIN_SCREEN_SCALE, FitScaleBesideReview(QSize(rc.Width(), rc.Height()), pReview->minimumWidth()));
    const int cx = int(std::ceil(SCREEN_RECT.Width() * s - 1e-6)), cy = int(std::ceil(SCREEN_RECT.Height() * s - 1e-6));
    const int cxReview = pReview ? GetReviewWidth(s, pReview->minimumWidth()) : 0;
    CRect rcScreen = SCREEN_RECT;
    rcScreen.OffsetRect(std::max(0, (rc.Width() - cx - cxReview) / 2), std::max(0, (rc.Height() - cy) / 2));
    if (pReview)
        pReview->setGeometry(rcScreen.left + cx, rcScreen.top, cxReview, cy);
    std::array<CWnd*, 4> apScreens{&m_wndMainScreen, &m_wndTessaryl, &m_wndSpanwright, &m_wndCascadio};
    for (CWnd* pScreen : apScreens) {
        if (!pScreen->GetSafeHwnd())
            continue;
        pScreen->SetDisplayScale(s);
        pScreen->MoveWindow(rcScreen, FALSE);
    }
}

void CScreenHostWnd::SetAway(BOOL bAway)
{
    for (CGameWnd* pGame : GetGames())
        pGame->SetAway(bAway);
}

void CScreenHostWnd::ShowScreen(CWnd* pScreen)
{
    if (pScreen->IsWindowVisible())
        return;
    if (pScreen != &m_wndTessaryl)
        m_wndTessaryl.EndReview(); // leaving Tessaryl closes its review
    if (pScreen != &m_wndMainScreen)
        m_wndMainScreen.ShowWindow(SW_HIDE);
    for (CGameWnd* pGame : GetGames()) {
        if (pGame != pScreen)
            pGame->ShowWindow(SW_HIDE);
    }
    pScreen->ShowWindow(SW_SHOW);
    UpdateStatusLine();
    NotifyCommandsChanged();
}

void CScreenHostWnd::UpdateStatusLine()
{
    if (!m_fnStatusText)
        return;
    const CGameWnd* pGame = GetVisibleGame();
    m_fnStatusText(pGame ? pGame->GetStatusLine() : QString());
}

LRESULT CScreenHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    // wParam 1 to 3 names a game in the games' order: Tessaryl, Spanwright, Cascadio.
    if (message == WM_SHOWGAME && wParam >= 1 && wParam <= GetGames().size())
        ShowScreen(GetGames()[wParam - 1]);
    return 0;
}

CGameWnd* CScreenHostWnd::GetVisibleGame()
{
    for (CGameWnd* pGame : GetGames()) {
        if (pGame->IsWindowVisible())
            return pGame;
    }
    return nullptr;
}

void CScreenHostWnd::DoGameCommand(CGameWnd::EGameCommand eCommand)
{
    CGameWnd* pGame = GetVisibleGame();
    if (pGame && pGame->HasCommand(eCommand))
        pGame->DoCommand(eCommand);
}

BOOL CScreenHostWnd::TypeLetter(QChar ch)
{
    CGameWnd* pGame = GetVisibleGame();
    return pGame && pGame->TypeLetter(ch);
}

BOOL CScreenHostWnd::OnCommand(UINT nID)
{
    // Whatever a command did to the visible game shows in the status line and the menu afterwards.
    const BOOL bDone = DoCommand(nID);
    UpdateStatusLine();
    NotifyCommandsChanged();
    return bDone;
}

BOOL CScreenHostWnd::DoCommand(UINT nID)
{
    switch (nID) {
    case ID_FILE_NEWGAME: OnNewGame(); return TRUE;
    case ID_FILE_SAVEGAME: OnSaveGame(); return TRUE;
    case ID_FILE_OPENGAME: OnOpenGame(); return TRUE;
    case ID_FILE_QUITGAME: OnQuitGame(); return TRUE;
    case ID_FILE_EXIT: OnExit(); return TRUE;
    case ID_GAME_MAINSCREEN: ShowScreen(&m_wndMainScreen); return TRUE;
    case ID_GAME_SHOWALLWORDS: OnShowAllWords(); return TRUE;
    case ID_TOOLS_PREFERENCES: OnPreferences(); return TRUE;
    case ID_TOOLS_RESETHIGHSCORES: OnResetHighScores(); return TRUE;
    case ID_TOOLS_HIGHSCORES: OnHighScores(); return TRUE;
    default: break;
    }
    for (const GameEntry& game : GetGameTable()) {
        if (game.nShowCommand == nID) {
            ShowScreen(game.pWnd);
            return TRUE;
        }
    }
    return FALSE;
}

void CScreenHostWnd::HandDictionaryToGames()
{
    for (CGameWnd* pGame : GetGames())
        pGame->SetDictionary(&m_pApp->m_dictionary);
}

void CScreenHostWnd::OnNewGame()
{
    if (!m_pApp->m_dictionary.IsLoaded()) {
        QxMessageBox(QStringLiteral("Dictionary not loaded.  Please select a dictionary in the Tools/Preferences menu."));
        return;
    }
    HandDictionaryToGames();
    // A game replaced takes its score with it: the record it set is written now.
    m_pApp->SaveHighScores();
    if (CGameWnd* pGame = GetVisibleGame()) {
        // The game replaced counts as ended; the new one counts when it ends.
        const QString strLine = CountGame(pGame, pGame->GetGameResult(), TRUE, QStringLiteral("Last game"));
        pGame->NewGame();
        pGame->SetResultCounted(FALSE);
        ShowEndLine(pGame, strLine);
    } else if (m_wndMainScreen.IsWindowVisible())
        QxMessageBox(QStringLiteral("Please select a game from the Game menu first"));
}

void CScreenHostWnd::OnQuitGame()
{
    if (CGameWnd* pGame = GetVisibleGame()) {
        // What the game made is known only before the quit clears it; it counts once the player
        // has said yes.
        const BOOL bWasRunning = pGame->IsGameRunning();
        const CGameResult result = pGame->GetGameResult();
        pGame->QuitGame();
        if (bWasRunning && !pGame->IsGameRunning())
            ShowEndLine(pGame, CountGame(pGame, result, TRUE, QStringLiteral("Game ended")));
        m_pApp->SaveHighScores();
    }
}

BOOL CScreenHostWnd::ConfirmQuitWhileRunning()
{
    BOOL bAnyRunning = FALSE;
    for (CGameWnd* pGame : GetGames())
        bAnyRunning = bAnyRunning || pGame->IsGameRunning();
    return !bAnyRunning
        || QxMessageBox(QStringLiteral("You have a game running.  Are you sure you want to quit?"),
                        QStringLiteral("Confirmation"), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CScreenHostWnd::OnExit()
{
    if (!ConfirmQuitWhileRunning())
        return;
    m_pApp->SaveHighScores();
    if (m_fnPostClose)
        m_fnPostClose();
}

void CScreenHostWnd::OnResetHighScores()
{
    if (QxMessageBox(QStringLiteral("Are you sure you want to reset the high scores?"), QStringLiteral("Confirmation"),
                     MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_pApp->ResetHighScores();
    QString strError;
    m_records.Reset(strError);
    ShowRecordsError(strError);
    m_wndMainScreen.Invalidate(FALSE);
}

QString CScreenHostWnd::GetHelpCommandLine() const
{
    if (m_wndMainScreen.IsWindowVisible())
        return QStringLiteral("file:Quillotrix.htm#Main_Contents");
    for (CGameWnd* pGame : const_cast<CScreenHostWnd*>(this)->GetGames()) {
        if (pGame->IsWindowVisible())
            return QStringLiteral("file:Quillotrix.htm#") + pGame->GetHelpAnchor();
    }
    return QStringLiteral("file:Quillotrix.htm#Main_Contents");
}
