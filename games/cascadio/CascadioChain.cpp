// CCascadioGame play: the word chain, the four buttons' rules, checking and scoring a word, and the
// removal of its tiles: the slide the window animates, the collapse and the refill.
#include "games/cascadio/CascadioGame.h"

#include <algorithm>
#include <cstdlib>

#include "games/WordScore.h"

BOOL CCascadioGame::TapCell(int c, int r)
{
    if (!m_bRunning || m_bGameOver || c < 0 || c >= CASC_COLUMNS || r < 0 || r >= CASC_ROWS)
        return FALSE;
    const int n = CascCell(c, r);
    if (m_abSelected[n]) {
        // Only the last cell of the chain can be taken out again.
        const CPoint& last = m_aPath[m_nPathLen - 1];
        if (last.x != c || last.y != r)
            return FALSE;
        m_abSelected[n] = 0;
        --m_nPathLen;
        return TRUE;
    }
    if (!IsNextToLast(c, r) || m_nPathLen >= int(std::size(m_aPath)))
        return FALSE;
    m_abSelected[n] = 1;
    m_aPath[m_nPathLen++] = CPoint(c, r);
    return TRUE;
}

CChainTyping& CCascadioGame::SyncTyping()
{
    QStringList aCells;
    for (const QString& str : m_strLetters)
        aCells << str.toLower();
    QList<int> anChain;
    for (int i = 0; i < m_nPathLen; ++i)
        anChain << CascCell(m_aPath[i].x, m_aPath[i].y);
    if (!m_pTyping || m_pTyping->GetCells() != aCells) {
        const auto fnTouches = [](int a, int b) {
            return std::abs(a / CASC_ROWS - b / CASC_ROWS) <= 1 && std::abs(a % CASC_ROWS - b % CASC_ROWS) <= 1;
        };
        m_pTyping = std::make_unique<CChainTyping>(aCells, fnTouches, int(std::size(m_aPath)));
    }
    if (m_pTyping->GetChain() != anChain)
        m_pTyping->SetChain(anChain);
    return *m_pTyping;
}

void CCascadioGame::SelectTypedChain(bool abChanged[CASC_CELLS])
{
    for (int i = 0; i < m_nPathLen; ++i)
        abChanged[CascCell(m_aPath[i].x, m_aPath[i].y)] = true;
    ClearChain();
    for (int n : m_pTyping->GetChain()) {
        m_abSelected[n] = 1;
        m_aPath[m_nPathLen++] = CPoint(n / CASC_ROWS, n % CASC_ROWS);
        abChanged[n] = true;
    }
}

BOOL CCascadioGame::TypeLetter(QChar ch, bool abChanged[CASC_CELLS])
{
    if (!m_bRunning || m_bGameOver || !SyncTyping().TypeLetter(ch))
        return FALSE;
    SelectTypedChain(abChanged);
    return TRUE;
}

BOOL CCascadioGame::TypeBackspace(bool abChanged[CASC_CELLS])
{
    if (!m_bRunning || m_bGameOver || !SyncTyping().Backspace())
        return FALSE;
    SelectTypedChain(abChanged);
    return TRUE;
}

QString CCascadioGame::GetTyped() { return SyncTyping().GetTyped(); }

BOOL CCascadioGame::IsNextToLast(int c, int r) const
{
    if (m_nPathLen == 0)
        return TRUE;
    const CPoint& last = m_aPath[m_nPathLen - 1];
    return std::abs(r - last.y) <= 1 && std::abs(c - last.x) <= 1;
}

QString CCascadioGame::ChainWord() const
{
    QString strWord;
    for (int i = 0; i < m_nPathLen; ++i)
        strWord += m_strLetters[CascCell(m_aPath[i].x, m_aPath[i].y)];
    return strWord;
}

void CCascadioGame::RaiseHighScore()
{
    if (m_pnHiScore && m_nScore > *m_pnHiScore)
        *m_pnHiScore = m_nScore;
}

CCascadioSubmitResult CCascadioGame::SubmitWord(IWordCheck* pCheck)
{
    CCascadioSubmitResult result;
    if (!m_bRunning)
        return result;
    // The limit counts cells, not characters.
    if (m_nPathLen < 3) {
        result.strNotice = QStringLiteral("Words must be at least 3 letters long");
        return result;
    }
    const QString strWord = ChainWord();
    if (pCheck == nullptr) {
        result.eOutcome = ECascadioSubmit::NoDictionary;
        return result;
    }
    if (CheckWordWithOffer(pCheck, strWord, result.strNotice)) {
        result.eOutcome = ECascadioSubmit::Accepted;
        m_nScore = std::min(m_nScore + WordScore(strWord), CASC_MAX_SCORE);
        RaiseHighScore();
        m_aScoredWords.append(strWord.toUpper());
        result.removal = RemoveWord();
    } else {
        result.eOutcome = ECascadioSubmit::Refused;
        ClearChain();
    }
    return result;
}

CCascadioRemoval CCascadioGame::RemoveWord()
{
    CCascadioRemoval removal;
    std::vector<CCascadioSlide>& aSlides = removal.aSlides;
    int nCritterSum = 0;

    // Every critter on a tile of the word goes with it, one on the top row too.
    for (int n = 0; n < CASC_CELLS; ++n)
        if (m_abSelected[n] && m_anCritter[n] != 0)
            ++m_nCrittersCaught;

    for (int c = 0; c < CASC_COLUMNS; ++c) {
        int nFall = 0;
        const size_t nFirstSlide = aSlides.size();
        for (int r = CASC_ROWS - 1; r >= 1; --r) {
            const int n = CascCell(c, r);
            if (!m_abSelected[n])
                continue;
            removal.abErased[n] = true;
            nCritterSum += m_anCritter[n];
            m_anCritter[n] = 0;
            nFall += 30;
            if (!m_abSelected[n - 1])
                aSlides.push_back({CRect(15 + 30 * c, 30 * r, 45 + 30 * c, 30 * r + 30), nFall, 0});
            if (removal.anLowest[c] < 0)
                removal.anLowest[c] = r;
        }
        if (m_abSelected[CascCell(c, 0)] && removal.anLowest[c] < 0)
            removal.anLowest[c] = 0;
        // The topmost gap carries the whole column above it down.
        if (nFall > 0 && aSlides.size() > nFirstSlide)
            aSlides.back().rc.top = 30;
    }
    // Every strip moves in ten equal steps.
    for (CCascadioSlide& slide : aSlides)
        slide.nStep = slide.nRemaining / 10;

    // A critter taken with the word (below the top row) may make the game harder.
    if (nCritterSum > 0)
        IncreaseDifficulty(TRUE);

    std::sort(aSlides.begin(), aSlides.end(), [](const CCascadioSlide& a, const CCascadioSlide& b) {
        if (a.rc.left != b.rc.left)
            return a.rc.left > b.rc.left;
        return a.rc.bottom > b.rc.bottom;
    });

    for (int c = 0; c < CASC_COLUMNS; ++c)
        for (int r = CASC_ROWS - 1; r >= 0; --r)
            while (m_abSelected[CascCell(c, r)])
                CollapseColumn(c, r);
    for (int r = CASC_ROWS - 1; r >= 0; --r)
        for (int c = 0; c < CASC_COLUMNS; ++c)
            if (m_strLetters[CascCell(c, r)].isEmpty())
                m_strLetters[CascCell(c, r)] = m_run.RandomLetter(m_random);

    for (int c = 0; c < CASC_COLUMNS; ++c)
        removal.bEnded = removal.bEnded || m_anCritter[CascCell(c, CASC_ROWS - 1)] != 0;
    ClearChain();
    if (removal.bEnded) {
        m_bRunning = FALSE;
        m_bGameOver = TRUE;
    }
    return removal;
}

void CCascadioGame::CollapseColumn(int c, int r)
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

BOOL CCascadioGame::TakeBackLetter(int& c, int& r)
{
    if (m_nPathLen == 0)
        return FALSE;
    const CPoint last = m_aPath[--m_nPathLen];
    m_abSelected[CascCell(last.x, last.y)] = 0;
    c = last.x;
    r = last.y;
    return TRUE;
}

QString CCascadioGame::Pause()
{
    const int n = m_nPauseCount++;
    return n <= 4 ? QStringLiteral("Game paused.  Press OK to resume.")
                  : QStringLiteral("Game paused (against my better judgement).  Press OK to resume.");
}

BOOL CCascadioGame::NewLetters()
{
    IncreaseDifficulty(FALSE);
    FillBoard();
    ClearCritters();
    PutFirstCritter();
    ClearChain();
    if (m_nScore < 25)
        return FALSE;
    m_nScore -= 25;
    return TRUE;
}
