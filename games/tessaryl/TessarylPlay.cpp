// Tessaryl input: taps and drags on the cells, the three buttons, and the keyboard's letters and
// commands, each handed to the game.
#include "games/tessaryl/TessarylWnd.h"

#include <cmath>

#include "games/WordScore.h"

namespace {
// The buttons down the left edge, from the bottom: hint, take back, submit; 20 pixels each.
constexpr int BUTTON_SIZE = 20;
} // namespace

void CTessarylWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    m_nDragCell = -1;
    if (!m_game.m_bGameRunning)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBottom = rcClient.bottom;
    if (point.x < BUTTON_SIZE && point.y > nBottom - 3 * BUTTON_SIZE) {
        switch ((nBottom - point.y) / BUTTON_SIZE) {
        case 2: SubmitWord(); break;
        case 1: ShowChange(m_game.Back()); break;
        case 0: ShowChange(m_game.GiveHint()); break;
        }
        return;
    }
    const int nCell = HitCell(point);
    if (nCell >= 0) {
        ShowChange(m_game.TapCell(nCell));
        m_nDragCell = nCell;
    }
}

void CTessarylWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON) || m_nDragCell < 0 || !m_game.m_bGameRunning)
        return;
    // Only the middle of a cell counts, so that a diagonal stroke does not clip the cells beside it.
    const int nCell = HitCellMiddle(point);
    if (nCell < 0 || nCell == m_nDragCell)
        return;
    const int nCount = m_game.m_nSelCount;
    if (nCount >= 2 && m_game.m_anSelection[nCount - 2] == nCell) {
        // Back over the cell before: the stroke takes its last cell back.
        ShowChange(m_game.Back());
        m_nDragCell = nCell;
    } else if (!m_game.IsSelected(nCell) && (nCount == 0 || IsCellNeighbour(m_game.m_anSelection[nCount - 1], nCell))) {
        ShowChange(m_game.TapCell(nCell));
        m_nDragCell = nCell;
    }
}

void CTessarylWnd::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) { m_nDragCell = -1; }

int CTessarylWnd::HitCellMiddle(CPoint point) const
{
    const int nCell = HitCell(point);
    if (nCell < 0)
        return -1;
    // The point, pushed away from the cell's centre, must still be in the cell: the middle 70 %.
    const CPoint* p = m_aptCell[nCell];
    const double cx = (p[0].x + p[1].x + p[2].x + p[3].x) / 4.0, cy = (p[0].y + p[1].y + p[2].y + p[3].y) / 4.0;
    const CPoint ptOut(int(std::lround(cx + (point.x - cx) / 0.7)), int(std::lround(cy + (point.y - cy) / 0.7)));
    return HitCell(ptOut) == nCell ? nCell : -1;
}

void CTessarylWnd::SubmitWord()
{
    const CTessarylChange change = m_game.Submit();
    if (change.bWordAdded) {
        const QString& strWord = m_game.m_astrUsedWords.front();
        m_strResultLine = WordWithPoints(strWord);
    } else if (!change.strNotice.isEmpty()) {
        m_strResultLine = change.strNotice;
    }
    ShowChange(change);
}

BOOL CTessarylWnd::HasCommand(EGameCommand eCommand) const
{
    return eCommand == GAMECMD_SUBMIT || eCommand == GAMECMD_TAKEBACK || eCommand == GAMECMD_CLEARWORD
        || eCommand == GAMECMD_HINT;
}

void CTessarylWnd::DoCommand(EGameCommand eCommand)
{
    if (!TakesKeys())
        return;
    switch (eCommand) {
    case GAMECMD_SUBMIT: SubmitWord(); break;
    case GAMECMD_TAKEBACK: ShowChange(m_game.TypeBackspace()); break;
    case GAMECMD_CLEARWORD: {
        CTessarylChange change;
        change.anCells = m_game.ClearSelection();
        m_game.m_nHintLen = 0;
        ShowChange(change);
        break;
    }
    case GAMECMD_HINT: ShowChange(m_game.GiveHint()); break;
    default: break;
    }
}

BOOL CTessarylWnd::TypeLetter(QChar ch)
{
    if (!TakesKeys())
        return FALSE;
    bool bTaken = false;
    const CTessarylChange change = m_game.TypeLetter(ch, &bTaken);
    ShowChange(change);
    return bTaken;
}

QString CTessarylWnd::GetTracedLine() const
{
    if (!m_game.m_bGameRunning || m_game.m_nSelCount == 0)
        return QString();
    return WordWithPoints(m_game.WordAlongPath(m_game.m_anSelection, m_game.m_nSelCount));
}

QString CTessarylWnd::GetToolTip(CPoint point) const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (point.x >= BUTTON_SIZE || point.y <= rcClient.bottom - 3 * BUTTON_SIZE)
        return QString();
    switch ((rcClient.bottom - point.y) / BUTTON_SIZE) {
    case 2: return QStringLiteral("Submit the word (Enter)");
    case 1: return QStringLiteral("Take back a letter (Backspace)");
    case 0: return QStringLiteral("Hint: the next letter of a word (?)");
    default: return QString();
    }
}
