// The cube's neighbour table and the letter generation that fills a new board.
#include "games/tessaryl/TessarylBoard.h"

#include <cstdlib>
#include <string>

#include "dictionary/Dictionary.h"
#include "games/tessaryl/TessarylWnd.h"

const int g_anCellNeighbours[TESS_CELLS][TESS_NEIGHBOURS] = {
    {1, 4, 3, 9, 10, -1, -1, -1},        // 0
    {0, 2, 3, 4, 5, -1, -1, -1},         // 1
    {1, 4, 5, -1, -1, -1, -1, -1},       // 2
    {0, 1, 4, 7, 6, 11, 10, 9},          // 3
    {0, 1, 2, 3, 5, 6, 7, 8},            // 4
    {1, 2, 4, 7, 8, -1, -1, -1},         // 5
    {3, 4, 7, 19, 18, 11, 10, -1},       // 6
    {3, 4, 5, 6, 8, 18, 19, 20},         // 7
    {4, 5, 7, 19, 20, -1, -1, -1},       // 8
    {0, 3, 10, 12, 13, -1, -1, -1},      // 9
    {0, 3, 6, 11, 14, 13, 12, 9},        // 10
    {3, 6, 18, 21, 14, 13, 10, -1},      // 11
    {9, 10, 13, 15, 16, -1, -1, -1},     // 12
    {9, 10, 11, 12, 14, 15, 16, 17},     // 13
    {10, 11, 18, 13, 21, 16, 17, 24},    // 14
    {12, 13, 16, -1, -1, -1, -1, -1},    // 15
    {15, 12, 13, 14, 17, -1, -1, -1},    // 16
    {13, 14, 21, 16, 24, -1, -1, -1},    // 17
    {11, 6, 7, 19, 22, 21, 14, -1},      // 18
    {6, 7, 8, 18, 20, 21, 22, 23},       // 19
    {7, 8, 19, 22, 23, -1, -1, -1},      // 20
    {11, 18, 19, 22, 25, 24, 17, 14},    // 21
    {21, 18, 19, 20, 23, 26, 25, 24},    // 22
    {20, 19, 22, 25, 26, -1, -1, -1},    // 23
    {14, 21, 22, 25, 17, -1, -1, -1},    // 24
    {21, 22, 23, 24, 26, -1, -1, -1},    // 25
    {22, 23, 25, -1, -1, -1, -1, -1},    // 26
};

bool IsCellNeighbour(int nCell, int nOther)
{
    if (nCell < 0 || nCell >= TESS_CELLS)
        return false;
    for (int nSlot = 0; nSlot < TESS_NEIGHBOURS; ++nSlot) {
        if (g_anCellNeighbours[nCell][nSlot] < 0)
            break;
        if (g_anCellNeighbours[nCell][nSlot] == nOther)
            return true;
    }
    return false;
}

// Letter generation: dictionary words laid as snakes through touching cells.

void CTessarylWnd::PlaceRandomWord()
{
    char szWord[128] = {};
    if (m_pDictionary != nullptr && m_pDictionary->HasWords())
        m_pDictionary->RandomWord(szWord, 0, 0);

    const int nStart = rand() % 26;
    int nCell = -1;
    for (int nTry = 0; nTry < 28 && nCell < 0; ++nTry) {
        if (m_astrCells[(nStart + nTry) % TESS_CELLS].isEmpty())
            nCell = (nStart + nTry) % TESS_CELLS;
    }
    if (nCell < 0)
        return;

    // Only a-z make letters. A dictionary that yields nothing still gets a random letter, so
    // that filling the board always ends.
    std::string strLetters;
    for (const char* p = szWord; *p; ++p) {
        if (*p >= 'a' && *p <= 'z')
            strLetters += *p;
    }
    if (strLetters.empty())
        strLetters = char('a' + rand() % 26);

    for (size_t i = 0; i < strLetters.size(); ++i) {
        // A q always travels with its u: a lone Q would spell almost nothing.
        QString strText;
        if (strLetters[i] == 'q') {
            strText = QStringLiteral("QU");
            if (i + 1 < strLetters.size() && strLetters[i + 1] == 'u')
                ++i;
        } else {
            strText = QChar(strLetters[i] - 'a' + 'A');
        }
        m_astrCells[nCell] = strText;

        int nNext = -1;
        for (int nSlot = 0; nSlot < 7 && nNext < 0; ++nSlot) {
            const int nNeighbour = g_anCellNeighbours[nCell][nSlot];
            if (nNeighbour >= 0 && m_astrCells[nNeighbour].isEmpty())
                nNext = nNeighbour;
        }
        if (nNext < 0)
            return; // dead end: the rest of the word is dropped
        nCell = nNext;
    }
}

void CTessarylWnd::GenerateBoard()
{
    for (QString& str : m_astrCells)
        str.clear();
    for (;;) {
        PlaceRandomWord();
        bool bFull = true;
        for (const QString& str : m_astrCells)
            bFull = bFull && !str.isEmpty();
        if (bFull)
            break;
    }
    // The finder is stopped whenever the board changes, so its copy is written unlocked.
    m_finder.SetBoard(m_astrCells);
}
