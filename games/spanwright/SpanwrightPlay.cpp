// Spanwright play: taps on tiles and buttons, submitting and checking words, scoring, the walk,
// levels, the fall, pausing and quitting.
#include "games/spanwright/SpanwrightWnd.h"

#include <algorithm>
#include <climits>

#include "games/AppSettings.h"
#include "games/WordCheck.h"
#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/WordScore.h"

void CSpanwrightWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_bRunning || m_bGameOver)
        return;
    EnsureLayout();
    const int b = m_rcClient.bottom;

    for (int i = 0; i < SPAN_TILES; ++i) {
        if (m_rcTile[i].PtInRect(point)) {
            if (m_anOrder[i] != -1)
                return;
            m_anOrder[i] = m_nSelected++;
            DrawTiles();
            return;
        }
        if (m_rcSlot[i].PtInRect(point)) {
            // Only the last letter of the word goes back this way.
            if (i == m_nSelected - 1) {
                for (int& n : m_anOrder) {
                    if (n == i)
                        n = -1;
                }
                --m_nSelected;
            }
            DrawTiles();
            return;
        }
    }
    if (CRect(0, 130, 19, 150).PtInRect(point))
        SubmitWord();
    else if (CRect(0, 179, 19, 199).PtInRect(point))
        TakeBackLetter();
    else if (CRect(0, b - 52, 19, b - 32).PtInRect(point))
        DealNewLetters();
    else if (CRect(0, b - 20, 19, b).PtInRect(point))
        PauseGame();
}

QString CSpanwrightWnd::BuildWord() const
{
    QChar achWord[SPAN_TILES + 1] = {};
    for (int i = 0; i < SPAN_TILES; ++i) {
        const int n = m_anOrder[i];
        if (n >= 0 && n < SPAN_TILES && !m_strLetters[i].isEmpty())
            achWord[n] = m_strLetters[i][0];
    }
    QString str;
    for (int k = 0; k < SPAN_TILES && achWord[k] != QChar(); ++k)
        str += achWord[k];
    return str.toUpper();
}

void CSpanwrightWnd::ClearSelection()
{
    m_nSelected = 0;
    for (int& n : m_anOrder)
        n = -1;
}

void CSpanwrightWnd::TakeBackLetter()
{
    if (m_nSelected == 0)
        return;
    for (int& n : m_anOrder) {
        if (n == m_nSelected - 1)
            n = -1;
    }
    --m_nSelected;
    DrawTiles();
}

void CSpanwrightWnd::SubmitWord()
{
    const QString strWord = BuildWord();
    BOOL bAccepted = FALSE;
    if (m_listWords.FindStringExact(-1, strWord) != LB_ERR)
        ShowMessage(QStringLiteral("You have already used that word"));
    else if (strWord.length() < 3)
        ShowMessage(QStringLiteral("Words must be at least 3 letters long"));
    else
        bAccepted = CheckWord(strWord);
    if (!bAccepted) {
        ClearSelection();
        DrawTiles();
        return;
    }

    const int n = int(strWord.length());
    m_bLevelDone = FALSE;
    m_nBridgeLen += n;
    m_listWords.InsertString(0, strWord.left(1) + strWord.mid(1).toLower());
    // A loaded score may sit near the top of the range: it stops there rather than wrapping.
    m_nScore = int(std::min<long long>(INT_MAX, (long long)m_nScore + WordScore(strWord)));
    if (m_pApp && m_nScore > m_pApp->m_nBridgeHiScore)
        m_pApp->m_nBridgeHiScore = m_nScore;
    if (!m_bTimerStarted) {
        m_bTimerStarted = TRUE;
        StartWalkTimer(m_nStepDelay);
    }
    if (m_nBridgeLen >= SPAN_LEVEL_LETTERS) {
        // Level complete: the bridge goes, the animal is back on the left bank and waits for the
        // next word, and it will rest less between steps.
        m_nBridgeLen = 0;
        m_bLevelDone = TRUE;
        m_nWalkerX = 0;
        m_nWalkerFrame = 0;
        DrawScene();
        DrawWalker();
        if (m_nStepDelay > 1000) // written so that no delay a file holds can overflow
            m_nStepDelay -= 500;
    }
    ClearSelection();
    DrawScore();
    DrawTiles();
    DrawBridge();
}

BOOL CSpanwrightWnd::CheckWord(const QString& strWord)
{
    return CheckWordOrOfferToAdd(m_pDictionary, m_pApp, strWord,
                                 [this](const QString& strText, const QString& strCaption, UINT nType) {
                                     return ShowMessage(strText, strCaption, nType);
                                 });
}

void CSpanwrightWnd::DealNewLetters()
{
    if (!m_bDialogOpen && !m_bLevelDone && m_nScore > 25)
        m_nScore -= 25;
    ClearSelection();
    DealLetters();
    DrawTiles();
    DrawScore();
    m_listWords.ResetContent();
}

void CSpanwrightWnd::PauseGame()
{
    const int nBefore = m_nPauseCount++;
    ShowMessage(nBefore > 4 ? QStringLiteral("Game Paused (against my better judgement).  Press OK to resume.")
                            : QStringLiteral("Game Paused.  Press OK to resume."));
}

void CSpanwrightWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != WALK_TIMER)
        return;
    if (!m_bRunning || m_bGameOver || !m_bTimerStarted) {
        StopWalkTimer(); // no walk under way
        return;
    }
    if (!IsWindowVisible()) {
        // Another screen is shown: the animal stands still and the timer stops until it shows again.
        KillTimer(WALK_TIMER);
        m_nTimerId = 0;
        m_bWalkSuspended = TRUE;
        return;
    }
    if (m_bDialogOpen || m_bLevelDone)
        return;

    // The animal's centre is past the last segment: it falls.
    if (m_nWalkerX + 18 > (m_nBridgeLen + 4) * SPAN_SEGMENT) {
        StopWalkTimer();
        AnimateFall();
        m_bGameOver = TRUE;
        m_bRunning = FALSE;
        CClientDC dc(this);
        DrawScene(&dc);
        DrawBridge(&dc);
        return;
    }
    if (m_nWalkerFrame == 0) {
        m_nWalkerFrame = 1;
        StartWalkTimer(int(STEP_PERIOD));
    } else {
        const int f = m_nWalkerFrame;
        m_nWalkerFrame = f + 1;
        if (f < 6) {
            m_nWalkerX += 2;
        } else {
            m_nWalkerX += 1;
            if (m_nStepDelay >= 0) {
                StartWalkTimer(m_nStepDelay);
                m_nWalkerFrame = 0;
            } else {
                m_nWalkerFrame = 1;
            }
        }
    }
    DrawWalker();
}

void CSpanwrightWnd::QuitGame()
{
    if (!m_bRunning)
        return;
    if (ShowMessage(QStringLiteral("Are you sure you want to quit?"), QStringLiteral("Confirmation"),
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_nScore = 0;
    m_bGameOver = FALSE;
    m_bTimerStarted = FALSE;
    m_bLevelDone = FALSE;
    StopWalkTimer();
    ClearSelection();
    m_nBridgeLen = 0;
    m_nWalkerFrame = 0;
    m_nWalkerX = 0;
    m_listWords.ResetContent();
    for (QString& str : m_strLetters)
        str.clear();
    DrawPlayArea();
    m_bRunning = FALSE;
}
