// Tessaryl's saved game: the window's state to text and back.
#include <algorithm>
#include <numeric>

#include "dictionary/SortedStringArray.h"
#include "games/tessaryl/TessarylSavedText.h"
#include "games/tessaryl/TessarylWnd.h"

void CTessarylWnd::SaveToText(QString& strText)
{
    CTessarylSavedGame game;
    for (int i = 0; i < TESS_CELLS; ++i)
        game.m_astrCells[i] = m_astrCells[i];
    game.m_nScore = m_nScore;
    for (int i = 0; i < m_wndUsedWords.GetCount(); ++i)
        game.m_astrUsedWords.append(m_wndUsedWords.GetText(i));
    m_finder.GetHints(game.m_astrHintWords, game.m_aHintPaths); // under the finder's hint lock
    strText = FormatTessarylText(game);
}

BOOL CTessarylWnd::LoadFromText(const QString& strText)
{
    CTessarylSavedGame game;
    if (!ParseTessarylText(strText, game))
        return FALSE;
    // A short board keeps the letters it does not reach; a cell left without one cannot be played.
    QString astrCells[TESS_CELLS];
    for (int i = 0; i < TESS_CELLS; ++i) {
        astrCells[i] = game.m_astrCells[i].isEmpty() ? m_astrCells[i] : game.m_astrCells[i];
        if (astrCells[i].isEmpty())
            return FALSE;
    }

    StopWorker();
    for (int i = 0; i < TESS_CELLS; ++i)
        m_astrCells[i] = astrCells[i];
    m_nScore = game.m_nScore;
    m_wndUsedWords.ResetContent();
    for (const QString& strWord : game.m_astrUsedWords)
        m_wndUsedWords.AddString(strWord);

    // Added in list order, each hint lands at the end of the list: no shifting, however many.
    std::vector<int> anOrder(game.m_astrHintWords.size());
    std::iota(anOrder.begin(), anOrder.end(), 0);
    std::stable_sort(anOrder.begin(), anOrder.end(), [&game](int a, int b) {
        return CompareNoCaseAZ(game.m_astrHintWords[a], game.m_astrHintWords[b]) < 0;
    });
    m_finder.ClearWordList();
    for (int i : anOrder)
        m_finder.AddHint(game.m_astrHintWords[i], game.m_aHintPaths[size_t(i)]);
    m_finder.SetBoard(m_astrCells);

    m_nHintLen = 0;
    ClearSelection();
    m_bGameRunning = TRUE;
    DrawAllCells();
    DrawScore();
    StartWorker(FALSE);
    return TRUE;
}
