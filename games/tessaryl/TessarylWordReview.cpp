// Tessaryl's side of Show All Words: ending a game for the review, and every word on its cube.
#include "games/tessaryl/TessarylGame.h"

#include <QSet>

#include "games/ChainTyping.h"

namespace {
// How many of the player's words beyond the search are traced on the cube.
constexpr int MAX_TRACED_WORDS = 100;
} // namespace

CTessarylChange CTessarylGame::EndForReview()
{
    CTessarylChange change;
    if (!m_bGameRunning)
        return change;
    StopWorker();
    change.anCells = ClearSelection();
    m_nHintLen = 0;
    m_bGameRunning = FALSE;
    return change;
}

CWordReview CTessarylGame::ReviewWords() const
{
    // A finder of its own on this thread: the game's thread may be gone, stopped half way or
    // paused, and its list loses the words hints have used up.
    CTessarylFinder finder;
    finder.SetDictionary(m_pDictionary);
    finder.SetBoard(m_astrCells);
    finder.SetPaced(FALSE);
    finder.RunWordSearch();
    QStringList astrWords;
    std::vector<CPathBlock> aBlocks;
    finder.GetHints(astrWords, aBlocks);

    QList<QList<int>> aPaths;
    QSet<QString> setListed;
    for (qsizetype i = 0; i < astrWords.size(); ++i) {
        QList<int> anPath;
        for (int nCell : aBlocks[size_t(i)]) {
            if (nCell < 0)
                break;
            anPath.append(nCell);
        }
        aPaths.append(anPath);
        setListed.insert(astrWords[i].toUpper());
    }

    // The player's words the search does not reach (longer than its deepest pass, or accepted
    // without the dictionary) are traced as typing them would trace them. A played game has few
    // such words; a saved text made by hand may list thousands, which are shown without a path
    // rather than hold the review up.
    QStringList astrCells;
    for (const QString& str : m_astrCells)
        astrCells << str.toLower();
    int nTraced = 0;
    for (const QString& strUsed : m_astrUsedWords) {
        const QString strWord = strUsed.toUpper();
        if (strWord.isEmpty() || setListed.contains(strWord))
            continue;
        setListed.insert(strWord);
        CChainTyping typing(astrCells, IsCellNeighbour, TESS_MAX_PATH);
        bool bTraced = strWord.size() <= 2 * TESS_CELLS && nTraced++ < MAX_TRACED_WORDS;
        for (QChar ch : strWord)
            bTraced = bTraced && typing.TypeLetter(ch);
        QList<int> anPath = bTraced ? typing.GetChain() : QList<int>();
        // A QU cell may take the q alone; such a chain spells another word and is no path of this one.
        if (WordAlongPath(anPath.constData(), int(anPath.size())).toUpper() != strWord)
            anPath.clear();
        astrWords.append(strWord);
        aPaths.append(anPath);
    }
    return MakeWordReview(astrWords, aPaths, m_astrUsedWords, m_nScore);
}
