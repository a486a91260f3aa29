// Show All Words in the Tessaryl window: the question, the end of the game, and the chosen
// word's path lit on the cube while the review is open.
#include "games/tessaryl/TessarylWnd.h"

BOOL CTessarylWnd::ShowAllWords(CWordReview& review)
{
    if (!m_game.HasCube())
        return FALSE;
    if (m_game.m_bGameRunning) {
        if (ShowMessage(QStringLiteral("This ends the game.  Show all the words on this cube?"),
                        QStringLiteral("Confirmation"), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
        ShowChange(m_game.EndForReview());
        NotifyGameEnded();
    }
    review = m_game.ReviewWords();
    m_bReviewing = TRUE;
    return TRUE;
}

void CTessarylWnd::ShowReviewPath(const QList<int>& anPath)
{
    if (!m_bReviewing)
        return;
    const QList<int> anOld = m_anReviewPath;
    m_anReviewPath.clear();
    for (int nCell : anPath)
        if (nCell >= 0 && nCell < TESS_CELLS)
            m_anReviewPath.append(nCell);
    for (int nCell : anOld)
        DrawCell(nCell);
    for (int nCell : m_anReviewPath)
        DrawCell(nCell);
}

void CTessarylWnd::EndReview()
{
    if (!m_bReviewing)
        return;
    m_bReviewing = FALSE;
    const QList<int> anOld = m_anReviewPath;
    m_anReviewPath.clear();
    for (int nCell : anOld)
        DrawCell(nCell);
    if (m_fnReviewEnded)
        m_fnReviewEnded();
}
