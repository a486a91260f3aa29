// CCascadioWnd: construction, the operations the shell drives, starting and ending games, the
// saved text, and the critter timer.
#include "games/cascadio/CascadioWnd.h"

#include "games/AppSettings.h"
#include "graphics/BitmapResource.h"
#include "graphics/Picture.h"

CCascadioWnd::CCascadioWnd()
{
    LoadBitmapResource(m_bmpSubmit, 133);
    LoadBitmapResource(m_bmpPause, 147);
    LoadBitmapResource(m_bmpBack, 134);
    LoadBitmapResource(m_bmpNewLetters, 146);
    LoadBitmapResource(m_bmpDigits, 160);
    LoadBitmapResource(m_bmpCritter, 157);
    SetCubeColor(RGB(0x80, 0x80, 0xC0));
    // The add-word question holds the critters like every other box.
    m_wordCheck.SetShow([this](const QString& strText, const QString& strCaption, UINT nType) {
        return ShowMessage(strText, strCaption, nType);
    });
}

CCascadioWnd::~CCascadioWnd()
{
    DestroyWindow();
}

int CCascadioWnd::OnCreate()
{
    m_dcMem.CreateCompatibleDC(nullptr);
    m_fontLetters.CreateFont(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             QStringLiteral("Arial"));
    return 0;
}

void CCascadioWnd::SetBackground(CPicture* pPicture)
{
    m_pBackground = pPicture;
    Invalidate(FALSE);
}

void CCascadioWnd::SetCubeColor(COLORREF cr)
{
    m_brushTile.DeleteObject();
    m_brushTile.CreateSolidBrush(cr);
    m_tile.SetFace(cr);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CCascadioWnd::SetSettings(AppSettings* pApp)
{
    m_pApp = pApp;
    m_wordCheck.SetSettings(pApp);
    m_game.SetHighScore(pApp ? &pApp->m_nDropHiScore : nullptr);
}

void CCascadioWnd::SetDictionary(CDictionary* pDictionary)
{
    m_pDictionary = pDictionary;
    m_wordCheck.SetDictionary(pDictionary);
}

QString CCascadioWnd::GetSaveRefusal() const
{
    if (m_game.IsGameOver())
        return QStringLiteral("Can't save: Game over");
    if (!m_game.IsRunning())
        return QStringLiteral("Can't save: Game not started");
    return QString();
}

void CCascadioWnd::StartTimer()
{
    m_nTimerId = SetTimer(TIMER_ID, TIMER_PERIOD);
}

void CCascadioWnd::StopTimer()
{
    KillTimer(TIMER_ID);
    m_nTimerId = 0;
}

void CCascadioWnd::DrawAll(CDC* pDC)
{
    DrawBoard(pDC);
    DrawScore(pDC);
    DrawCritters(pDC);
}

void CCascadioWnd::NewGame()
{
    m_bDialogOpen = FALSE;
    m_game.NewGame();
    if (GetSafeHwnd()) {
        CClientDC dc(this);
        DrawAll(&dc);
    }
    StartTimer();
}

void CCascadioWnd::QuitGame(BOOL bQuiet)
{
    if (!m_game.IsRunning())
        return;
    if (!bQuiet && !ConfirmQuit())
        return;
    m_bDialogOpen = FALSE;
    m_game.Quit();
    if (GetSafeHwnd()) {
        CClientDC dc(this);
        DrawAll(&dc);
    }
    StopTimer();
}

void CCascadioWnd::ShowGameOver(CDC* pDC)
{
    StopTimer();
    if (pDC) {
        DrawBoard(pDC);
        DrawCritters(pDC);
        // The end is on screen before the records ask anything.
        UpdateWindow();
    }
    NotifyGameEnded();
}

BOOL CCascadioWnd::LoadFromText(const QString& strText)
{
    // Read everything first: a text that cannot be a game leaves the running one untouched.
    CCascadioState state;
    if (!ParseCascadioText(strText, state))
        return FALSE;
    QuitGame(TRUE);
    m_bDialogOpen = FALSE;
    m_game.Load(state);
    StartTimer();
    // Shown at once rather than at some later repaint.
    Invalidate(FALSE);
    return TRUE;
}

void CCascadioWnd::OnShowWindow(BOOL bShow)
{
    if (bShow && m_game.IsRunning() && m_nTimerId == 0)
        StartTimer();
}

void CCascadioWnd::OnTimer(UINT_PTR /*nIDEvent*/)
{
    if (!m_game.IsRunning()) {
        StopTimer();
        return;
    }
    // A box is open or the player is away: the critters hold still.
    if (IsHeld())
        return;
    if (!IsWindowVisible()) {
        // Hidden, the game stands still until the screen is shown again.
        StopTimer();
        return;
    }
    const CCascadioTick tick = m_game.Tick();
    CClientDC dc(this);
    PrepareText(&dc);
    if (tick.bEnded) {
        ShowGameOver(&dc);
        return;
    }
    // Every critter's tile is drawn again under its new frame: the frames differ in outline, so a
    // frame copied over the last would leave bits of both.
    for (int r = 0; r < CASC_ROWS; ++r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            if (tick.abChanged[CascCell(c, r)])
                RepaintCell(c, r, &dc);
}
