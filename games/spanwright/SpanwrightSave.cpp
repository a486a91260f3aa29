// Spanwright saved games: the window's state to and from its saved text.
#include "games/spanwright/SpanwrightWnd.h"

#include "games/spanwright/SpanwrightText.h"

void CSpanwrightWnd::SaveToText(QString& strText)
{
    SpanwrightSavedGame game;
    game.nScore = m_nScore;
    game.nWalkerX = m_nWalkerX;
    game.nWalkerFrame = m_nWalkerFrame;
    game.nBridgeLen = m_nBridgeLen;
    game.nStepDelay = m_nStepDelay;
    for (int i = 0; i < SPAN_TILES; ++i) {
        game.astrLetters[i] = m_strLetters[i];
        game.anOrder[i] = m_anOrder[i];
    }
    for (int k = 0; k < m_listWords.GetCount(); ++k)
        game.astrWords.append(m_listWords.GetText(k));
    strText = FormatSpanwrightText(game);
}

BOOL CSpanwrightWnd::LoadFromText(const QString& strText)
{
    SpanwrightSavedGame game;
    if (!ParseSpanwrightText(strText, game))
        return FALSE; // the game on screen goes on untouched
    ApplySavedGame(game);
    return TRUE;
}

void CSpanwrightWnd::ApplySavedGame(const SpanwrightSavedGame& game)
{
    StopWalkTimer();
    m_nPauseCount = 0;
    m_bGameOver = FALSE;
    m_nScore = game.nScore;
    m_nWalkerX = game.nWalkerX;
    m_nWalkerFrame = game.nWalkerFrame;
    m_nBridgeLen = game.nBridgeLen;
    m_nStepDelay = game.nStepDelay;
    for (int i = 0; i < SPAN_TILES; ++i)
        m_strLetters[i] = game.astrLetters[i];
    m_listWords.ResetContent();
    for (const QString& strWord : game.astrWords)
        m_listWords.AddString(strWord);
    // A loaded game starts with every letter back in the letter row.
    ClearSelection();

    // The walk goes on as it was saved: an animal with a bridge under it walks on (after its rest
    // when it was resting); with no bridge, before the first word or after a completed level, it
    // waits for the next accepted word.
    m_bLevelDone = m_nBridgeLen == 0 && m_nScore > 0;
    m_bTimerStarted = m_nBridgeLen > 0;
    if (m_bTimerStarted)
        StartWalkTimer(m_nWalkerFrame == 0 ? m_nStepDelay : int(STEP_PERIOD));
    m_bRunning = TRUE;
    Invalidate(FALSE);
}
