// Tessaryl's rules: new game and quit, letter generation, the chain, submitting, hints, saving.
#include "games/tessaryl/TessarylGame.h"

#include <algorithm>
#include <string>

#include "dictionary/Dictionary.h"
#include "dictionary/SortedStringArray.h"
#include "games/WordScore.h"
#include "games/tessaryl/TessarylSavedText.h"

CTessarylGame::CTessarylGame(CGameRandom& random) : m_random(random) {}

CTessarylGame::~CTessarylGame()
{
    // The thread reads this game's finder; it must end before anything here goes.
    m_finder.StopWorker();
}

void CTessarylGame::SetDictionary(CDictionary* pDictionary)
{
    m_finder.SetDictionary(pDictionary);
    m_pDictionary = pDictionary;
}

CTessarylChange CTessarylGame::NewGame()
{
    CTessarylChange change;
    StopWorker();
    m_astrUsedWords.clear();
    change.bUsedWordsReset = TRUE;
    change.anCells = ClearSelection();
    GenerateBoard();
    m_nScore = 0;
    change.bAllCells = TRUE;
    change.bScore = TRUE;
    StartWorker(TRUE);
    m_bGameRunning = TRUE;
    return change;
}

CTessarylChange CTessarylGame::QuitGame()
{
    CTessarylChange change;
    if (!m_bGameRunning)
        return change;
    StopWorker();
    m_astrUsedWords.clear();
    change.bUsedWordsReset = TRUE;
    m_nSelCount = 0;
    m_nHintLen = 0;
    for (QString& str : m_astrCells)
        str.clear();
    m_nScore = 0;
    change.bAllCells = TRUE;
    change.bScore = TRUE;
    m_bGameRunning = FALSE;
    return change;
}

void CTessarylGame::PlaceRandomWord()
{
    char szWord[128] = {};
    if (m_pDictionary != nullptr && m_pDictionary->HasWords())
        m_pDictionary->RandomWord(szWord, 0, 0);

    const int nStart = m_random.Rand() % 26;
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
        strLetters = char('a' + m_random.Rand() % 26);

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

void CTessarylGame::GenerateBoard()
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

void CTessarylGame::SetBoard(const QString* astrCells)
{
    StopWorker();
    for (int i = 0; i < TESS_CELLS; ++i)
        m_astrCells[i] = astrCells[i];
    m_finder.SetBoard(m_astrCells);
    m_nSelCount = 0;
    m_nHintLen = 0;
    m_nScore = 0;
    m_bGameRunning = TRUE;
}

CTessarylChange CTessarylGame::TapCell(int nCell)
{
    CTessarylChange change;
    if (!m_bGameRunning || nCell < 0 || nCell >= TESS_CELLS)
        return change;
    m_nHintLen = 0;
    if (m_nSelCount > 0) {
        const int nLast = m_anSelection[m_nSelCount - 1];
        if (nCell == nLast) {
            change.anCells = UnselectCell(nCell);
            return change;
        }
        if (!IsCellNeighbour(nLast, nCell))
            return change;
    }
    SelectCell(nCell);
    change.anCells.push_back(nCell);
    return change;
}

CTessarylChange CTessarylGame::Back()
{
    CTessarylChange change;
    if (m_bGameRunning && m_nSelCount > 0) {
        m_nHintLen = 0;
        change.anCells = UnselectCell(-1);
    }
    return change;
}

CChainTyping& CTessarylGame::SyncTyping() const
{
    QStringList aCells;
    for (const QString& str : m_astrCells)
        aCells << str.toLower();
    const QList<int> anSelection(m_anSelection, m_anSelection + m_nSelCount);
    if (!m_pTyping || m_pTyping->GetCells() != aCells)
        m_pTyping = std::make_unique<CChainTyping>(aCells, IsCellNeighbour, TESS_MAX_PATH);
    if (m_pTyping->GetChain() != anSelection)
        m_pTyping->SetChain(anSelection);
    return *m_pTyping;
}

CTessarylChange CTessarylGame::SelectTypedChain(const std::vector<int>& anBefore)
{
    // Every cell that was or is now selected is drawn again, as taps would have drawn them.
    CTessarylChange change;
    m_nHintLen = 0;
    m_nSelCount = 0;
    for (int nCell : m_pTyping->GetChain())
        SelectCell(nCell);
    change.anCells = anBefore;
    for (int nCell : m_pTyping->GetChain())
        if (std::find(anBefore.begin(), anBefore.end(), nCell) == anBefore.end())
            change.anCells.push_back(nCell);
    return change;
}

CTessarylChange CTessarylGame::TypeLetter(QChar ch, bool* pbTaken)
{
    if (pbTaken)
        *pbTaken = false;
    if (!m_bGameRunning)
        return {};
    const std::vector<int> anBefore(m_anSelection, m_anSelection + m_nSelCount);
    if (!SyncTyping().TypeLetter(ch))
        return {};
    if (pbTaken)
        *pbTaken = true;
    return SelectTypedChain(anBefore);
}

CTessarylChange CTessarylGame::TypeBackspace()
{
    if (!m_bGameRunning)
        return {};
    const std::vector<int> anBefore(m_anSelection, m_anSelection + m_nSelCount);
    if (!SyncTyping().Backspace())
        return {};
    return SelectTypedChain(anBefore);
}

QString CTessarylGame::GetTyped() const { return SyncTyping().GetTyped(); }

void CTessarylGame::SelectCell(int nCell)
{
    if (nCell < 0 || nCell >= TESS_CELLS || IsSelected(nCell) || m_nSelCount >= TESS_MAX_PATH)
        return;
    m_anSelection[m_nSelCount++] = nCell;
}

std::vector<int> CTessarylGame::UnselectCell(int nCell)
{
    if (m_nSelCount == 0)
        return {};
    if (nCell == -1)
        return {m_anSelection[--m_nSelCount]};
    for (int i = 0; i < m_nSelCount; ++i) {
        if (m_anSelection[i] != nCell)
            continue;
        for (int j = i; j + 1 < m_nSelCount; ++j)
            m_anSelection[j] = m_anSelection[j + 1];
        --m_nSelCount;
        return {nCell};
    }
    return {};
}

std::vector<int> CTessarylGame::ClearSelection()
{
    std::vector<int> anCells(m_anSelection, m_anSelection + m_nSelCount);
    m_nSelCount = 0;
    return anCells;
}

BOOL CTessarylGame::IsSelected(int nCell) const
{
    return std::find(m_anSelection, m_anSelection + m_nSelCount, nCell) != m_anSelection + m_nSelCount;
}

void CTessarylGame::BuildWord()
{
    m_strWord = WordAlongPath(m_anSelection, m_nSelCount);
}

QString CTessarylGame::WordAlongPath(const int* anPath, int nMax) const
{
    QString str;
    for (int i = 0; i < nMax && anPath[i] >= 0 && anPath[i] < TESS_CELLS; ++i)
        str += m_astrCells[anPath[i]];
    return str;
}

BOOL CTessarylGame::IsWordUsed(const QString& strWord) const
{
    return std::any_of(m_astrUsedWords.begin(), m_astrUsedWords.end(),
                       [&strWord](const QString& str) { return CompareNoCaseAZ(str, strWord) == 0; });
}

CGameResult CTessarylGame::GetResult() const
{
    CGameResult result;
    result.nScore = m_nScore;
    // The list shows the newest first.
    for (const QString& strWord : m_astrUsedWords)
        result.aWords.prepend(strWord.toUpper());
    result.extra[QStringLiteral("words")] = int(result.aWords.size());
    return result;
}

CTessarylChange CTessarylGame::Submit()
{
    CTessarylChange change;
    if (!m_bGameRunning)
        return change;
    BuildWord();
    if (m_strWord.length() < 3) {
        change.strNotice = QStringLiteral("Words must be at least 3 letters long");
        return change;
    }
    if (IsWordUsed(m_strWord)) {
        change.strNotice = QStringLiteral("You have already used that word");
        return change;
    }
    if (!CheckWordWithOffer(m_pWordCheck, m_strWord, change.strNotice)) {
        change.anCells = ClearSelection();
        m_nHintLen = 0;
        return change;
    }
    m_nScore = std::min(m_nScore + WordScore(m_strWord), TESS_MAX_SCORE);
    if (m_pnHiScore && m_nScore > *m_pnHiScore) // equalling it does not replace it
        *m_pnHiScore = m_nScore;
    change.bScore = TRUE;
    change.anCells = ClearSelection();
    m_nHintLen = 0;
    m_astrUsedWords.prepend(m_strWord.left(1) + m_strWord.mid(1).toLower());
    change.bWordAdded = TRUE;
    return change;
}

CTessarylChange CTessarylGame::GiveHint()
{
    CTessarylChange change;
    if (!m_bGameRunning)
        return change;
    if (m_nHintLen != 0 && m_nHintShown >= m_nHintLen) {
        change.strNotice = QStringLiteral("That's the entire word!");
        return change;
    }
    if (m_nHintLen == 0 && m_nSelCount > 0) {
        change.strNotice = QStringLiteral("Hints are only given when you haven't selected any letters.");
        return change;
    }
    if (m_nHintLen == 0) {
        CPathBlock path;
        // Words the player has found already are of no use as hints and leave the list.
        const BOOL bFound = m_finder.PickHint(
            [this](const CPathBlock& aPath) { return IsWordUsed(WordAlongPath(aPath.data(), TESS_MAX_PATH)); }, path,
            m_random);
        if (bFound) {
            m_nHintLen = 0;
            while (m_nHintLen < TESS_MAX_PATH && path[m_nHintLen] >= 0)
                ++m_nHintLen;
            std::copy(path.begin(), path.end(), m_anHintPath);
            m_nHintShown = 0;
        }
    }
    if (m_nHintLen == 0) {
        change.strNotice = IsWorkerAlive() ? QStringLiteral("No hints available (yet)") : QStringLiteral("No hints available");
        return change;
    }
    SelectCell(m_anHintPath[m_nHintShown]);
    ++m_nHintShown;
    if (m_nScore >= 25)
        m_nScore -= 25;
    change.bAllCells = TRUE;
    change.bScore = TRUE;
    return change;
}

void CTessarylGame::StartWorker(BOOL bClear)
{
    m_nHintLen = 0;
    m_finder.StartWorker(bClear);
}

void CTessarylGame::SaveToText(QString& strText) const
{
    CTessarylSavedGame game;
    for (int i = 0; i < TESS_CELLS; ++i)
        game.m_astrCells[i] = m_astrCells[i];
    game.m_nScore = m_nScore;
    game.m_astrUsedWords = m_astrUsedWords;
    m_finder.GetHints(game.m_astrHintWords, game.m_aHintPaths); // under the finder's hint lock
    strText = FormatTessarylText(game);
}

BOOL CTessarylGame::LoadFromText(const QString& strText, CTessarylChange* pChange)
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

    CTessarylChange change;
    StopWorker();
    for (int i = 0; i < TESS_CELLS; ++i)
        m_astrCells[i] = astrCells[i];
    m_nScore = game.m_nScore;
    m_astrUsedWords = game.m_astrUsedWords;
    change.bUsedWordsReset = TRUE;
    // Each hint is added as the list adds any string: a word listed twice stays twice.
    m_finder.SetHints(game.m_astrHintWords, game.m_aHintPaths);
    m_finder.SetBoard(m_astrCells);

    m_nHintLen = 0;
    change.anCells = ClearSelection();
    m_bGameRunning = TRUE;
    change.bAllCells = TRUE;
    change.bScore = TRUE;
    StartWorker(FALSE);
    if (pChange)
        *pChange = change;
    return TRUE;
}
