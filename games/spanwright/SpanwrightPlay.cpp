// Spanwright play in the window: taps on tiles and buttons handed to the game, and what it returns
// drawn, shown or timed: submissions, new letters, pauses, the walk, the fall, new game and quit.
#include "games/spanwright/SpanwrightWnd.h"

#include "games/WordScore.h"

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
            if (m_game.TapTile(i)) {
                DrawTiles();
                NotifyStatusChanged();
            }
            return;
        }
        if (m_rcSlot[i].PtInRect(point)) {
            m_game.TapSlot(i);
            DrawTiles();
            NotifyStatusChanged();
            return;
        }
    }
    switch (HitButton(point, b)) {
    case GAMECMD_SUBMIT: SubmitWord(); break;
    case GAMECMD_TAKEBACK: TakeBackLetter(); break;
    case GAMECMD_NEWLETTERS: DealNewLetters(); break;
    case GAMECMD_PAUSE: PauseGame(); break;
    default: break;
    }
}

int CSpanwrightWnd::HitButton(CPoint point, int nBottom)
{
    if (CRect(0, 130, 19, 150).PtInRect(point))
        return GAMECMD_SUBMIT;
    if (CRect(0, 179, 19, 199).PtInRect(point))
        return GAMECMD_TAKEBACK;
    if (CRect(0, nBottom - 52, 19, nBottom - 32).PtInRect(point))
        return GAMECMD_NEWLETTERS;
    if (CRect(0, nBottom - 20, 19, nBottom).PtInRect(point))
        return GAMECMD_PAUSE;
    return -1;
}

QString CSpanwrightWnd::GetToolTip(CPoint point) const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    switch (HitButton(point, rcClient.bottom)) {
    case GAMECMD_SUBMIT: return QStringLiteral("Submit the word (Enter)");
    case GAMECMD_TAKEBACK: return QStringLiteral("Take back a letter (Backspace)");
    case GAMECMD_NEWLETTERS: return QStringLiteral("New letters, for 25 points (F5)");
    case GAMECMD_PAUSE: return QStringLiteral("Pause (Ctrl+P)");
    default: return QString();
    }
}

void CSpanwrightWnd::TakeBackLetter()
{
    if (m_game.TakeBackLetter()) {
        DrawTiles();
        NotifyStatusChanged();
    }
}

BOOL CSpanwrightWnd::TakesKeys() const { return m_game.IsRunning() && !m_game.IsGameOver() && !IsHeld(); }

BOOL CSpanwrightWnd::HasCommand(EGameCommand eCommand) const { return eCommand != GAMECMD_HINT; }

void CSpanwrightWnd::DoCommand(EGameCommand eCommand)
{
    if (!TakesKeys())
        return;
    switch (eCommand) {
    case GAMECMD_SUBMIT: SubmitWord(); break;
    case GAMECMD_TAKEBACK: TakeBackLetter(); break;
    case GAMECMD_CLEARWORD:
        while (m_game.TakeBackLetter()) {
        }
        DrawTiles();
        NotifyStatusChanged();
        break;
    case GAMECMD_PAUSE: PauseGame(); break;
    case GAMECMD_NEWLETTERS: DealNewLetters(); break;
    default: break;
    }
}

BOOL CSpanwrightWnd::TypeLetter(QChar ch)
{
    if (!TakesKeys() || m_game.TypeLetter(ch) < 0)
        return FALSE;
    DrawTiles();
    NotifyStatusChanged();
    return TRUE;
}

QString CSpanwrightWnd::GetTracedLine() const
{
    if (!m_game.IsRunning())
        return QString();
    // A completed level names the level just done; the next begins with the next word.
    QString strLine = m_game.IsLevelDone() ? QStringLiteral("Level %1 complete!").arg(m_game.Level() - 1)
                                           : QStringLiteral("Level %1").arg(m_game.Level());
    const QString strWord = m_game.BuildWord();
    if (!strWord.isEmpty())
        strLine += QStringLiteral("     ") + WordWithPoints(strWord);
    return strLine;
}

void CSpanwrightWnd::SubmitWord()
{
    const QString strWord = m_game.BuildWord();
    const SpanwrightSubmit result = m_game.SubmitWord();
    if (!result.bAccepted) {
        if (!result.strNotice.isEmpty()) {
            m_strResultLine = result.strNotice;
            ShowNotice(result.strNotice);
        }
        DrawTiles();
        NotifyStatusChanged();
        return;
    }
    m_strResultLine = WordWithPoints(strWord);
    NotifyStatusChanged();
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
    NotifyStatusChanged();
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
