// Cascadio play: taps and the word chain, the four buttons, checking and scoring words, and the
// removal of a word's tiles with the slide and the refill.
#include "games/cascadio/CascadioWnd.h"

#include <algorithm>
#include <cstdlib>

#include "games/AppSettings.h"
#include "games/WordCheck.h"
#include "dictionary/Dictionary.h"
#include "framework/Clock.h"
#include "framework/MessageBox.h"
#include "games/WordScore.h"

namespace {

struct CButton {
    int nLeft;
    void (CCascadioWnd::*pfnAction)();
};
const CButton s_aButtons[] = {
    {49, &CCascadioWnd::SubmitWord},
    {89, &CCascadioWnd::TakeBackLetter},
    {129, &CCascadioWnd::Pause},
    {169, &CCascadioWnd::NewLetters},
};

struct CSlide {
    CRect rc;
    int nRemaining;
    int nStep;
};

} // namespace

void CCascadioWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_bRunning || m_bGameOver || m_bDialogOpen)
        return;
    int c = 0, r = 0;
    if (HitTest(point, c, r)) {
        const int n = CascCell(c, r);
        if (m_abSelected[n]) {
            const CPoint& last = m_aPath[m_nPathLen - 1];
            if (last.x == c && last.y == r) {
                m_abSelected[n] = 0;
                --m_nPathLen;
                DrawCell(c, r, TRUE);
            }
        } else if (IsNextToLast(c, r) && m_nPathLen < int(std::size(m_aPath))) {
            m_abSelected[n] = 1;
            DrawCell(c, r, TRUE);
            m_aPath[m_nPathLen++] = CPoint(c, r);
        }
    }
    for (const CButton& button : s_aButtons) {
        if (CRect(button.nLeft, 248, button.nLeft + 20, 268).PtInRect(point)) {
            (this->*button.pfnAction)();
            break;
        }
    }
}

BOOL CCascadioWnd::HitTest(CPoint point, int& c, int& r) const
{
    if (point.y < 30 || point.y >= 240 || point.x < 15 || point.x >= 225)
        return FALSE;
    c = (point.x - 15) / 30;
    r = (point.y - 30) / 30;
    return TRUE;
}

BOOL CCascadioWnd::IsNextToLast(int c, int r) const
{
    if (m_nPathLen == 0)
        return TRUE;
    const CPoint& last = m_aPath[m_nPathLen - 1];
    return std::abs(r - last.y) <= 1 && std::abs(c - last.x) <= 1;
}

void CCascadioWnd::SubmitWord()
{
    if (m_nPathLen < 3) {
        ShowMessage(QStringLiteral("Words must be at least 3 letters long"), QString(), MB_OK);
        return;
    }
    QString strWord;
    for (int i = 0; i < m_nPathLen; ++i)
        strWord += m_strLetters[CascCell(m_aPath[i].x, m_aPath[i].y)];
    if (m_pDictionary == nullptr || !m_pDictionary->IsLoaded())
        return;
    if (CheckWord(strWord)) {
        m_nScore = std::min(m_nScore + WordScore(strWord), CASC_MAX_SCORE);
        if (m_pApp && m_nScore > m_pApp->m_nDropHiScore)
            m_pApp->m_nDropHiScore = m_nScore;
        RemoveWord();
        DrawScore();
    } else {
        ClearChain();
        DrawBoard();
    }
}

BOOL CCascadioWnd::CheckWord(const QString& strWord)
{
    return CheckWordOrOfferToAdd(m_pDictionary, m_pApp, strWord,
                                 [this](const QString& strText, const QString& strCaption, UINT nType) {
                                     return ShowMessage(strText, strCaption, nType);
                                 });
}

void CCascadioWnd::RemoveWord()
{
    const BOOL bWindow = GetSafeHwnd() != nullptr;
    CClientDC dc(this);
    CSlide aSlides[64];
    int nSlides = 0;
    int anLowest[CASC_COLUMNS];
    int nCritterSum = 0;

    for (int c = 0; c < CASC_COLUMNS; ++c) {
        int nFall = 0;
        anLowest[c] = -1;
        const int nFirstSlide = nSlides;
        for (int r = CASC_ROWS - 1; r >= 1; --r) {
            const int n = CascCell(c, r);
            if (!m_abSelected[n])
                continue;
            if (bWindow)
                EraseCell(c, r, &dc);
            nCritterSum += m_anCritter[n];
            m_anCritter[n] = 0;
            nFall += 30;
            if (!m_abSelected[n - 1] && nSlides < int(std::size(aSlides)))
                aSlides[nSlides++] = {CRect(15 + 30 * c, 30 * r, 45 + 30 * c, 30 * r + 30), nFall, 0};
            if (anLowest[c] < 0)
                anLowest[c] = r;
        }
        if (m_abSelected[CascCell(c, 0)] && anLowest[c] < 0)
            anLowest[c] = 0;
        // The topmost gap carries the whole column above it down.
        if (nFall > 0 && nSlides > nFirstSlide)
            aSlides[nSlides - 1].rc.top = 30;
    }
    for (int i = 0; i < nSlides; ++i)
        aSlides[i].nStep = aSlides[i].nRemaining / 10;

    if (nCritterSum > 0)
        IncreaseDifficulty(TRUE);

    std::sort(aSlides, aSlides + nSlides, [](const CSlide& a, const CSlide& b) {
        if (a.rc.left != b.rc.left)
            return a.rc.left > b.rc.left;
        return a.rc.bottom > b.rc.bottom;
    });

    // Ten frames, each shown at once and held at least 10 ms. The wait sleeps between looks at the
    // clock and gives up after a bounded number of them, so a stopped clock cannot hang the game.
    BOOL bAgain = bWindow && nSlides > 0;
    while (bAgain) {
        const DWORD dwDeadline = GetTickCount() + 10;
        bAgain = FALSE;
        for (int i = 0; i < nSlides; ++i) {
            CSlide& slide = aSlides[i];
            if (slide.nRemaining <= 0)
                continue;
            const CRect rcClip = slide.rc;
            CRect rcUncovered;
            dc.ScrollDC(0, slide.nStep, &slide.rc, &rcClip, nullptr, &rcUncovered);
            slide.nRemaining -= slide.nStep;
            slide.rc.OffsetRect(0, slide.nStep);
            dc.FillRect(&rcUncovered, &m_brushTile);
            if (slide.nRemaining > 0)
                bAgain = TRUE;
        }
        UpdateWindow();
        if (bAgain) {
            for (int nWait = 0; nWait < 50 && qint32(GetTickCount() - dwDeadline) <= 0; ++nWait)
                Sleep(1);
        }
    }

    PrepareText(&dc);
    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = CASC_ROWS - 1; r >= 0; --r)
            while (m_abSelected[CascCell(c, r)])
                CollapseColumn(c, r);
    for (int r = CASC_ROWS - 1; r >= 0; --r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            if (m_strLetters[CascCell(c, r)].isEmpty())
                m_strLetters[CascCell(c, r)] = RandomLetter();

    BOOL bOver = FALSE;
    for (int c = 0; c < CASC_COLUMNS; ++c)
        bOver = bOver || m_anCritter[CascCell(c, CASC_ROWS - 1)] != 0;
    if (bWindow)
        RedrawColumns(anLowest, &dc);
    ClearChain();
    if (bOver)
        EndGame(bWindow ? &dc : nullptr);
}

void CCascadioWnd::CollapseColumn(int c, int r)
{
    int d = r;
    for (int s = r - 1; s >= 0; --s) {
        const int nFrom = CascCell(c, s);
        if (m_abSelected[nFrom])
            continue;
        const int nTo = CascCell(c, d);
        m_strLetters[nTo] = m_strLetters[nFrom];
        m_anCritter[nTo] = m_anCritter[nFrom];
        m_abSelected[nTo] = 0;
        --d;
    }
    for (int s = 0; s <= d; ++s) {
        const int n = CascCell(c, s);
        m_strLetters[n].clear();
        m_anCritter[n] = 0;
        m_abSelected[n] = 0;
    }
}

void CCascadioWnd::TakeBackLetter()
{
    if (m_nPathLen == 0)
        return;
    const CPoint last = m_aPath[--m_nPathLen];
    m_abSelected[CascCell(last.x, last.y)] = 0;
    DrawCell(last.x, last.y, FALSE);
}

void CCascadioWnd::Pause()
{
    const int n = m_nPauseCount++;
    ShowMessage(n <= 4 ? QStringLiteral("Game paused.  Press OK to resume.")
                       : QStringLiteral("Game paused (against my better judgement).  Press OK to resume."),
                QString(), MB_OK);
}

void CCascadioWnd::NewLetters()
{
    IncreaseDifficulty(FALSE);
    FillBoard();
    for (int& n : m_anCritter)
        n = 0;
    PutFirstCritter();
    ClearChain();
    DrawBoard();
    if (m_nScore >= 25) {
        m_nScore -= 25;
        DrawScore();
    }
}
