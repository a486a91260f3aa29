// Screen creation, switching and the game commands.
#include "app/ScreenHostWnd.h"

#include "app/QuillotrixApp.h"
#include "framework/MessageBox.h"
#include "graphics/BitmapResource.h"

namespace {
constexpr CRect SCREEN_RECT(0, 0, 240, 268);
} // namespace

CScreenHostWnd::CScreenHostWnd(CQuillotrixApp* pApp) : m_wndMainScreen(pApp), m_pApp(pApp) {}

CScreenHostWnd::~CScreenHostWnd()
{
    // The word search reads the dictionary and the board: it must end before anything goes away.
    if (m_wndTessaryl.IsWorkerRunning())
        m_wndTessaryl.StopWorker();
    // The screens are members and go in reverse order: Cascadio, Spanwright, Tessaryl, main screen.
}

int CScreenHostWnd::OnCreate()
{
    m_wndMainScreen.Create(this, IDC_MAINSCREEN, SCREEN_RECT, TRUE);

    m_wndTessaryl.SetSettings(m_pApp);
    m_wndTessaryl.m_rcCube = CRect(15, 5, 225, 195);
    m_wndTessaryl.Create(this, IDC_TESSARYL, SCREEN_RECT, FALSE);
    LoadBitmapResource(m_wndTessaryl.m_bmpSubmit, 133);
    LoadBitmapResource(m_wndTessaryl.m_bmpBack, 134);
    LoadBitmapResource(m_wndTessaryl.m_bmpHint, 132);
    LoadBitmapResource(m_wndTessaryl.m_bmpDigits, 160);
    m_wndTessaryl.SetBackground(&m_pApp->m_picBackground);
    m_wndTessaryl.SetCubeColor(m_pApp->m_crCubeColor);

    m_wndSpanwright.SetSettings(m_pApp);
    m_wndSpanwright.Create(this, IDC_SPANWRIGHT, SCREEN_RECT, FALSE);
    m_wndSpanwright.SetBackground(&m_pApp->m_picBackground);
    m_wndSpanwright.SetCubeColor(m_pApp->m_crCubeColor);

    m_wndCascadio.SetSettings(m_pApp);
    m_wndCascadio.Create(this, IDC_CASCADIO, SCREEN_RECT, FALSE);
    m_wndCascadio.SetBackground(&m_pApp->m_picBackground);
    m_wndCascadio.SetCubeColor(m_pApp->m_crCubeColor);

    if (!m_bDictionaryErrorShown && !m_pApp->m_dictionary.IsLoaded()) {
        QxMessageBox(QStringLiteral("Error loading dictionary %1").arg(m_pApp->m_strDictionary), QString(), MB_OK);
        m_bDictionaryErrorShown = TRUE;
    }
    return 0;
}

void CScreenHostWnd::OnPaint()
{
    // Only the strip beside the screens is ever seen.
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_WINDOW));
}

void CScreenHostWnd::ShowScreen(CWnd* pScreen)
{
    if (pScreen->IsWindowVisible())
        return;
    for (CWnd* p : {static_cast<CWnd*>(&m_wndMainScreen), static_cast<CWnd*>(&m_wndTessaryl),
                    static_cast<CWnd*>(&m_wndSpanwright), static_cast<CWnd*>(&m_wndCascadio)}) {
        if (p != pScreen)
            p->ShowWindow(SW_HIDE);
    }
    pScreen->ShowWindow(SW_SHOW);
}

LRESULT CScreenHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    if (message != WM_SHOWGAME)
        return 0;
    CWnd* pGame = wParam == 1 ? static_cast<CWnd*>(&m_wndTessaryl)
                : wParam == 2 ? static_cast<CWnd*>(&m_wndSpanwright)
                : wParam == 3 ? static_cast<CWnd*>(&m_wndCascadio)
                              : nullptr;
    if (!pGame)
        return 0;
    m_wndMainScreen.ShowWindow(SW_HIDE);
    m_wndTessaryl.ShowWindow(SW_HIDE);
    m_wndSpanwright.ShowWindow(SW_HIDE);
    m_wndCascadio.ShowWindow(SW_HIDE);
    pGame->ShowWindow(SW_SHOW);
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

BOOL CScreenHostWnd::OnCommand(UINT nID)
{
    switch (nID) {
    case ID_FILE_NEWGAME: OnNewGame(); return TRUE;
    case ID_FILE_QUITGAME: OnQuitGame(); return TRUE;
    case ID_FILE_EXIT: OnExit(); return TRUE;
    case ID_GAME_MAINSCREEN: ShowScreen(&m_wndMainScreen); return TRUE;
    case ID_GAME_TESSARYL: ShowScreen(&m_wndTessaryl); return TRUE;
    case ID_GAME_SPANWRIGHT: ShowScreen(&m_wndSpanwright); return TRUE;
    case ID_GAME_CASCADIO: ShowScreen(&m_wndCascadio); return TRUE;
    case ID_TOOLS_PREFERENCES: OnPreferences(); return TRUE;
    case ID_TOOLS_RESETHIGHSCORES: OnResetHighScores(); return TRUE;
    default: return FALSE;
    }
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
    if (CGameWnd* pGame = GetVisibleGame())
        pGame->NewGame();
    else if (m_wndMainScreen.IsWindowVisible())
        QxMessageBox(QStringLiteral("Please select a game from the Game menu first"));
}

void CScreenHostWnd::OnQuitGame()
{
    if (CGameWnd* pGame = GetVisibleGame())
        pGame->QuitGame();
}

void CScreenHostWnd::OnExit()
{
    BOOL bAnyRunning = FALSE;
    for (CGameWnd* pGame : GetGames())
        bAnyRunning = bAnyRunning || pGame->IsGameRunning();
    if (bAnyRunning) {
        if (QxMessageBox(QStringLiteral("You have a game running.  Are you sure you want to quit?"),
                         QStringLiteral("Confirmation"), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    if (m_fnPostClose)
        m_fnPostClose();
}

void CScreenHostWnd::OnResetHighScores()
{
    if (QxMessageBox(QStringLiteral("Are you sure you want to reset the high scores?"), QStringLiteral("Confirmation"),
                     MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_pApp->m_nCubeHiScore = 0;
    m_pApp->m_nBridgeHiScore = 0;
    m_pApp->m_nDropHiScore = 0;
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
