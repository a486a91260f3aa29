// Cascadio play in the window: taps on the well and the four buttons handed to the game, the
// messages it gives, and the slide of an accepted word's tiles animated frame by frame.
#include "games/cascadio/CascadioWnd.h"

#include "dictionary/Dictionary.h"
#include "framework/Clock.h"

namespace {

struct CButton {
    int nLeft;
    void (CCascadioWnd::*pfnAction)();
};

} // namespace

void CCascadioWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_game.IsRunning() || m_game.IsGameOver() || IsHeld())
        return;
    int c = 0, r = 0;
    if (HitTest(point, c, r) && m_game.TapCell(c, r))
        DrawCell(c, r, TRUE);
    static const CButton s_aButtons[] = {
        {49, &CCascadioWnd::SubmitWord},
        {89, &CCascadioWnd::TakeBackLetter},
        {129, &CCascadioWnd::Pause},
        {169, &CCascadioWnd::NewLetters},
    };
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

void CCascadioWnd::SubmitWord()
{
    const bool bDictionary = m_pDictionary != nullptr && m_pDictionary->IsLoaded();
    const CCascadioSubmitResult result = m_game.SubmitWord(bDictionary ? &m_wordCheck : nullptr);
    if (!result.strNotice.isEmpty())
        ShowMessage(result.strNotice);
    if (result.eOutcome == ECascadioSubmit::Accepted) {
        ShowRemoval(result.removal);
        DrawScore();
    } else if (result.eOutcome == ECascadioSubmit::Refused) {
        DrawBoard();
    }
}

// The word's cells go black, the tiles above slide down in ten frames, and the touched columns are
// drawn again as the game now holds them.
void CCascadioWnd::ShowRemoval(const CCascadioRemoval& removal)
{
    if (!GetSafeHwnd()) {
        if (removal.bEnded)
            ShowGameOver(nullptr);
        return;
    }
    CClientDC dc(this);
    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = CASC_ROWS - 1; r >= 1; --r)
            if (removal.abErased[CascCell(c, r)])
                EraseCell(c, r, &dc);
    AnimateSlides(&dc, removal.aSlides);
    PrepareText(&dc);
    RedrawColumns(removal.anLowest, &dc);
    if (removal.bEnded)
        ShowGameOver(&dc);
}

void CCascadioWnd::AnimateSlides(CDC* pDC, std::vector<CCascadioSlide> aSlides)
{
    // Ten frames, each shown at once and held at least 10 ms. The wait sleeps between looks at the
    // clock and gives up after a bounded number of them, so a stopped clock cannot hang the game.
    BOOL bAgain = !aSlides.empty();
    while (bAgain) {
        const DWORD dwDeadline = GetTickCount() + 10;
        bAgain = FALSE;
        for (CCascadioSlide& slide : aSlides) {
            if (slide.nRemaining <= 0)
                continue;
            const CRect rcClip = slide.rc;
            CRect rcUncovered;
            pDC->ScrollDC(0, slide.nStep, &slide.rc, &rcClip, nullptr, &rcUncovered);
            slide.nRemaining -= slide.nStep;
            slide.rc.OffsetRect(0, slide.nStep);
            pDC->FillRect(&rcUncovered, &m_brushTile);
            if (slide.nRemaining > 0)
                bAgain = TRUE;
        }
        UpdateWindow();
        if (bAgain) {
            for (int nWait = 0; nWait < 50 && qint32(GetTickCount() - dwDeadline) <= 0; ++nWait)
                Sleep(1);
        }
    }
}

void CCascadioWnd::TakeBackLetter()
{
    int c = 0, r = 0;
    // Without its critter: the next tick draws the picture again.
    if (m_game.TakeBackLetter(c, r))
        DrawCell(c, r, FALSE);
}

void CCascadioWnd::Pause()
{
    // The box holds the game still until it is answered.
    ShowMessage(m_game.Pause());
}

void CCascadioWnd::NewLetters()
{
    const BOOL bCharged = m_game.NewLetters();
    DrawBoard();
    if (bCharged)
        DrawScore();
}
