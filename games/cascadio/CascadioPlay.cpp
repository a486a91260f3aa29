// Cascadio play in the window: taps on the well and the four buttons handed to the game, the
// messages it gives, and the slide of an accepted word's tiles animated frame by frame.
#include "games/cascadio/CascadioWnd.h"

#include "dictionary/Dictionary.h"
#include "framework/Clock.h"
#include "games/WordScore.h"

namespace {

struct CButton {
    int nLeft;
    void (CCascadioWnd::*pfnAction)();
    const char* pszToolTip;
};

// The four buttons under the well, 20 pixels square from y 248.
const CButton s_aButtons[] = {
    {49, &CCascadioWnd::SubmitWord, "Submit the word (Enter)"},
    {89, &CCascadioWnd::TakeBackLetter, "Take back a letter (Backspace)"},
    {129, &CCascadioWnd::Pause, "Pause (Ctrl+P)"},
    {169, &CCascadioWnd::NewLetters, "New letters, for 25 points (F5)"},
};

const CButton* HitButton(CPoint point)
{
    for (const CButton& button : s_aButtons) {
        if (CRect(button.nLeft, 248, button.nLeft + 20, 268).PtInRect(point))
            return &button;
    }
    return nullptr;
}

} // namespace

void CCascadioWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_game.IsRunning() || m_game.IsGameOver() || IsHeld())
        return;
    int c = 0, r = 0;
    if (HitTest(point, c, r)) {
        if (m_game.TapCell(c, r)) {
            DrawCell(c, r, TRUE);
            NotifyStatusChanged();
        }
        m_nDragCell = CascCell(c, r);
    }
    if (const CButton* pButton = HitButton(point))
        (this->*pButton->pfnAction)();
}

void CCascadioWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON) || m_nDragCell < 0 || !m_game.IsRunning() || m_game.IsGameOver() || IsHeld())
        return;
    int c = 0, r = 0;
    // Only the middle of a tile counts, so that a diagonal stroke does not clip the tiles beside it.
    if (!HitTest(point, c, r))
        return;
    const int xIn = (point.x - 15) % 30, yIn = (point.y - 30) % 30;
    if (xIn < 5 || xIn >= 25 || yIn < 5 || yIn >= 25)
        return;
    const int nCell = CascCell(c, r);
    if (nCell == m_nDragCell)
        return;
    const int nLen = m_game.PathLength();
    const CPoint ptBefore = nLen >= 2 ? m_game.PathCell(nLen - 2) : CPoint(-1, -1);
    if (ptBefore.x == c && ptBefore.y == r) {
        // Back over the tile before: the stroke takes its last tile back.
        TakeBackLetter();
        m_nDragCell = nCell;
    } else if (!m_game.IsSelected(c, r) && m_game.IsNextToLast(c, r) && m_game.TapCell(c, r)) {
        DrawCell(c, r, TRUE);
        NotifyStatusChanged();
        m_nDragCell = nCell;
    }
}

void CCascadioWnd::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) { m_nDragCell = -1; }

QString CCascadioWnd::GetToolTip(CPoint point) const
{
    const CButton* pButton = HitButton(point);
    return pButton ? QString::fromLatin1(pButton->pszToolTip) : QString();
}

BOOL CCascadioWnd::TakesKeys() const { return m_game.IsRunning() && !m_game.IsGameOver() && !IsHeld(); }

BOOL CCascadioWnd::HasCommand(EGameCommand eCommand) const { return eCommand != GAMECMD_HINT; }

void CCascadioWnd::DoCommand(EGameCommand eCommand)
{
    if (!TakesKeys())
        return;
    switch (eCommand) {
    case GAMECMD_SUBMIT: SubmitWord(); break;
    case GAMECMD_TAKEBACK: {
        bool abChanged[CASC_CELLS] = {};
        if (m_game.TypeBackspace(abChanged))
            DrawChangedCells(abChanged);
        break;
    }
    case GAMECMD_CLEARWORD:
        while (m_game.PathLength() > 0)
            TakeBackLetter();
        break;
    case GAMECMD_PAUSE: Pause(); break;
    case GAMECMD_NEWLETTERS: NewLetters(); break;
    default: break;
    }
}

BOOL CCascadioWnd::TypeLetter(QChar ch)
{
    if (!TakesKeys())
        return FALSE;
    bool abChanged[CASC_CELLS] = {};
    if (!m_game.TypeLetter(ch, abChanged))
        return FALSE;
    DrawChangedCells(abChanged);
    return TRUE;
}

void CCascadioWnd::DrawChangedCells(const bool* abChanged)
{
    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = 0; r < CASC_ROWS; ++r)
            if (abChanged[CascCell(c, r)])
                DrawCell(c, r, TRUE);
    NotifyStatusChanged();
}

QString CCascadioWnd::GetTracedLine() const
{
    if (!m_game.IsRunning() || m_game.PathLength() == 0)
        return QString();
    return WordWithPoints(m_game.ChainWord());
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
    const QString strWord = m_game.ChainWord().toUpper();
    const CCascadioSubmitResult result = m_game.SubmitWord(bDictionary ? &m_wordCheck : nullptr);
    if (result.eOutcome == ECascadioSubmit::Accepted)
        m_strResultLine = WordWithPoints(strWord);
    else if (!result.strNotice.isEmpty())
        m_strResultLine = result.strNotice;
    if (!result.strNotice.isEmpty())
        ShowNotice(result.strNotice);
    if (result.eOutcome == ECascadioSubmit::Accepted) {
        ShowRemoval(result.removal);
        DrawScore();
    } else if (result.eOutcome == ECascadioSubmit::Refused) {
        DrawBoard();
    }
    NotifyStatusChanged();
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
    if (m_game.TakeBackLetter(c, r)) {
        DrawCell(c, r, FALSE);
        NotifyStatusChanged();
    }
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
    NotifyStatusChanged();
}
