// Tessaryl play: taps, the chain of selected cells, submitting and checking words, hints.
#include "games/tessaryl/TessarylWnd.h"

#include <algorithm>
#include <cstdlib>

#include "dictionary/Dictionary.h"
#include "framework/MessageBox.h"
#include "games/WordScore.h"
#include "games/AppSettings.h"
#include "games/WordCheck.h"
#include "games/tessaryl/TessarylSavedText.h"

void CTessarylWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    if (!m_bGameRunning)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBottom = rcClient.bottom;
    if (point.x < 20 && point.y > nBottom - 60) {
        switch ((nBottom - point.y) / 20) {
        case 2:
            SubmitWord();
            break;
        case 1:
            if (m_nSelCount > 0) {
                m_nHintLen = 0;
                UnselectCell(-1);
            }
            break;
        case 0:
            GiveHint();
            break;
        }
        return;
    }

    const int nCell = HitCell(point);
    if (nCell < 0)
        return;
    m_nHintLen = 0;
    if (m_nSelCount > 0) {
        const int nLast = m_anSelection[m_nSelCount - 1];
        if (nCell == nLast) {
            UnselectCell(nCell);
            return;
        }
        if (!IsCellNeighbour(nLast, nCell))
            return;
    }
    SelectCell(nCell);
    DrawCell(nCell);
}

void CTessarylWnd::SelectCell(int nCell)
{
    if (nCell < 0 || nCell >= TESS_CELLS || IsSelected(nCell) || m_nSelCount >= TESS_MAX_PATH)
        return;
    m_anSelection[m_nSelCount++] = nCell;
}

void CTessarylWnd::UnselectCell(int nCell)
{
    if (m_nSelCount == 0)
        return;
    if (nCell == -1) {
        DrawCell(m_anSelection[--m_nSelCount]);
        return;
    }
    for (int i = 0; i < m_nSelCount; ++i) {
        if (m_anSelection[i] != nCell)
            continue;
        for (int j = i; j + 1 < m_nSelCount; ++j)
            m_anSelection[j] = m_anSelection[j + 1];
        --m_nSelCount;
        DrawCell(nCell);
        return;
    }
}

void CTessarylWnd::ClearSelection()
{
    for (int i = 0; i < m_nSelCount; ++i)
        DrawCell(m_anSelection[i], nullptr, TRUE);
    m_nSelCount = 0;
}

BOOL CTessarylWnd::IsSelected(int nCell) const
{
    for (int i = 0; i < m_nSelCount; ++i) {
        if (m_anSelection[i] == nCell)
            return TRUE;
    }
    return FALSE;
}

void CTessarylWnd::BuildWord()
{
    m_strWord = WordAlongPath(m_anSelection, m_nSelCount);
}

QString CTessarylWnd::WordAlongPath(const int* anPath, int nMax) const
{
    QString str;
    for (int i = 0; i < nMax && anPath[i] >= 0 && anPath[i] < TESS_CELLS; ++i)
        str += m_astrCells[anPath[i]];
    return str;
}

void CTessarylWnd::SubmitWord()
{
    BuildWord();
    if (m_strWord.length() < 3) {
        QxMessageBox(QStringLiteral("Words must be at least 3 letters long"));
        return;
    }
    if (m_wndUsedWords.FindStringExact(-1, m_strWord) != LB_ERR) {
        QxMessageBox(QStringLiteral("You have already used that word"));
        return;
    }
    if (!CheckWord(m_strWord)) {
        ClearSelection();
        m_nHintLen = 0;
        return;
    }
    m_nScore = std::min(m_nScore + WordScore(m_strWord), TESS_MAX_SCORE);
    if (m_pApp && m_nScore > m_pApp->m_nCubeHiScore) // equalling it does not replace it
        m_pApp->m_nCubeHiScore = m_nScore;
    DrawScore();
    ClearSelection();
    m_nHintLen = 0;
    m_wndUsedWords.InsertString(0, m_strWord.left(1) + m_strWord.mid(1).toLower());
}

BOOL CTessarylWnd::CheckWord(const QString& strWord)
{
    return CheckWordOrOfferToAdd(m_pDictionary, m_pApp, strWord, QxMessageBox);
}

void CTessarylWnd::GiveHint()
{
    if (m_nHintLen != 0 && m_nHintShown >= m_nHintLen) {
        QxMessageBox(QStringLiteral("That's the entire word!"));
        return;
    }
    if (m_nHintLen == 0 && m_nSelCount > 0) {
        QxMessageBox(QStringLiteral("Hints are only given when you haven't selected any letters."));
        return;
    }
    if (m_nHintLen == 0) {
        CPathBlock path;
        // Words the player has found already are of no use as hints and leave the list.
        const BOOL bFound = m_finder.PickHint(
            [this](const CPathBlock& aPath) {
                return m_wndUsedWords.FindStringExact(-1, WordAlongPath(aPath.data(), TESS_MAX_PATH)) != LB_ERR;
            },
            path);
        if (bFound) {
            m_nHintLen = 0;
            while (m_nHintLen < TESS_MAX_PATH && path[m_nHintLen] >= 0)
                ++m_nHintLen;
            for (int i = 0; i < TESS_MAX_PATH; ++i)
                m_anHintPath[i] = path[i];
            m_nHintShown = 0;
        }
    }
    if (m_nHintLen == 0) {
        QxMessageBox(IsWorkerAlive() ? QStringLiteral("No hints available (yet)") : QStringLiteral("No hints available"));
        return;
    }
    SelectCell(m_anHintPath[m_nHintShown]);
    ++m_nHintShown;
    if (m_nScore >= 25)
        m_nScore -= 25;
    DrawAllCells();
    DrawScore();
}
