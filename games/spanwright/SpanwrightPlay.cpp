// Spanwright play in the window: taps on tiles and buttons handed to the game, and what it returns
// drawn, shown or timed: submissions, new letters, pauses, the walk, the fall, new game and quit.
#include "games/spanwright/SpanwrightWnd.h"

void CSpanwrightWnd::NewGame()
{
    StopWalkTimer();
    m_game.NewGame();
    m_listWords.ResetContent();
    DrawPlayArea();
}

void CSpanwrightWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_game.IsRunning() || m_game.IsGameOver())
        return;
    EnsureLayout();
    const int b = m_rcClient.bottom;

    for (int i = 0; i < SPAN_TILES; ++i) {
        if (m_rcTile[i].PtInRect(point)) {
            if (m_game.TapTile(i))
                DrawTiles();
            return;
        }
        if (m_rcSlot[i].PtInRect(point)) {
            m_game.TapSlot(i);
            DrawTiles();
            return;
        }
    }
    if (CRect(0, 130, 19, 150).PtInRect(point)) {
        SubmitWord();
    } else if (CRect(0, 179, 19, 199).PtInRect(point)) {
        if (m_game.TakeBackLetter())
            DrawTiles();
    } else if (CRect(0, b - 52, 19, b - 32).PtInRect(point)) {
        DealNewLetters();
    } else if (CRect(0, b - 20, 19, b).PtInRect(point)) {
        PauseGame();
    }
}

void CSpanwrightWnd::SubmitWord()
{
    const SpanwrightSubmit result = m_game.SubmitWord();
    if (!result.bAccepted) {
        if (!result.strNotice.isEmpty())
            ShowMessage(result.strNotice);
        DrawTiles();
        return;
    }
    m_listWords.InsertString(0, m_game.UsedWords().first());
    ApplyTimer(result.eTimer, result.nPeriod);
    if (result.bLevelDone) {
        DrawScene();
        DrawWalker();
    }
    DrawScore();
    DrawTiles();
    DrawBridge();
}

void CSpanwrightWnd::DealNewLetters()
{
    // Letters dealt while a box is open (the shell's chooser) cost nothing.
    m_game.DealNewLetters(m_bDialogOpen);
    DrawTiles();
    DrawScore();
    m_listWords.ResetContent();
}

void CSpanwrightWnd::PauseGame()
{
    ShowMessage(m_game.PauseGame());
}

void CSpanwrightWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != WALK_TIMER)
        return;
    if (!m_game.IsWalkUnderWay()) {
        StopWalkTimer();
        return;
    }
    if (!IsWindowVisible()) {
        // Another screen is shown: the animal stands still and the timer stops until it shows again.
        KillTimer(WALK_TIMER);
        m_nTimerId = 0;
        m_bWalkSuspended = TRUE;
        return;
    }
    if (IsHeld())
        return;

    const SpanwrightTick tick = m_game.Tick();
    ApplyTimer(tick.eTimer, tick.nPeriod);
    if (tick.eWhat == SpanwrightTick::Fell) {
        AnimateFall();
        {
            CClientDC dc(this);
            DrawScene(&dc);
            DrawBridge(&dc);
        }
        // The end is on screen before the records ask anything.
        NotifyGameEnded();
    } else if (tick.eWhat == SpanwrightTick::Moved) {
        DrawWalker();
    }
}

void CSpanwrightWnd::QuitGame()
{
    if (!m_game.IsRunning() || !ConfirmQuit())
        return;
    m_game.QuitGame();
    StopWalkTimer();
    m_listWords.ResetContent();
    DrawPlayArea();
}
