// Spanwright's board: the letter tables, dealing seven letters and starting a game.
#include "games/spanwright/SpanwrightWnd.h"

#include <cstdlib>
#include <cstring>

#include "dictionary/Dictionary.h"

const char* const g_apszSpanAlphabet[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",  "J", "K", "L", "M",
                                            "N", "O", "P", "Qu", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
const int g_anSpanVowels[6] = {0, 4, 8, 14, 20, 24};
const char g_szSpanRareLetters[] = "QJXZKWVF";

namespace {
// Draws of dictionary words before the deal gives up on the dictionary. A dictionary with usable
// words fills the pool in a handful; one without any would otherwise draw for ever.
constexpr int MAX_WORD_DRAWS = 1000;
// Deals tried before one that spells no word is kept. Dropping the eighth letter can break the only
// word a pool spells (RHYTHM without its Y); a fresh deal nearly always mends that at once.
constexpr int MAX_DEALS = 20;

// Some word of three letters or more can be spelled from the tiles; nUsed has a bit per tile taken.
bool SpellsAWord(const CDictionary& dict, const QString* astrLetters, const QString& strSoFar = {}, int nUsed = 0)
{
    BOOL bWord = FALSE;
    if (strSoFar.size() >= 3 && (!dict.LookupPrefix(strSoFar, bWord) || bWord))
        return bWord;
    for (int i = 0; i < SPAN_TILES; ++i)
        if (!(nUsed & 1 << i) && SpellsAWord(dict, astrLetters, strSoFar + astrLetters[i], nUsed | 1 << i))
            return true;
    return false;
}
} // namespace

QString DealLetterWithoutDictionary()
{
    for (;;) {
        int a = std::rand() % 26;
        if (std::rand() % 9 < 2)
            a = g_anSpanVowels[std::rand() % 6];
        const char* pszLetter = g_apszSpanAlphabet[a];
        if (std::strchr(g_szSpanRareLetters, pszLetter[0]) == nullptr)
            return QString::fromLatin1(pszLetter);
    }
}

bool IsDealableWord(const char* pszWord)
{
    if (pszWord[0] == '\0')
        return false;
    for (const char* p = pszWord; *p; ++p) {
        if (*p < 'a' || *p > 'z' || std::strchr("qjxzkwf", *p) != nullptr)
            return false;
    }
    return true;
}

void CSpanwrightWnd::DealLetters()
{
    for (int nDeal = 0; nDeal < MAX_DEALS; ++nDeal)
        if (!DealFromDictionary() || SpellsAWord(*m_pDictionary, m_strLetters))
            return;
}

BOOL CSpanwrightWnd::DealFromDictionary()
{
    QByteArray pool;
    if (m_pDictionary && m_pDictionary->HasWords()) {
        char szWord[128];
        for (int nDraw = 0; nDraw < MAX_WORD_DRAWS && pool.size() < SPAN_TILES; ++nDraw) {
            m_pDictionary->RandomWord(szWord, 4, 16);
            if (IsDealableWord(szWord))
                pool.append(szWord);
        }
    }
    if (pool.size() < SPAN_TILES) {
        // No dictionary, or none that gives letters: the deal of a game without a dictionary.
        for (QString& strLetter : m_strLetters)
            strLetter = DealLetterWithoutDictionary();
        return FALSE;
    }
    pool.truncate(SPAN_TILES + 1);
    for (QString& strLetter : m_strLetters) {
        const int k = std::rand() % int(pool.size());
        strLetter = QString(QChar::fromLatin1(pool[k])).toUpper();
        pool.remove(k, 1);
    }
    return TRUE;
}

void CSpanwrightWnd::NewGame()
{
    m_nScore = 0;
    m_nPauseCount = 0;
    m_bGameOver = FALSE;
    m_bTimerStarted = FALSE;
    m_bLevelDone = FALSE;
    StopWalkTimer();
    m_nStepDelay = 5000;
    m_nSelected = 0;
    for (int& n : m_anOrder)
        n = -1;
    m_nBridgeLen = 0;
    m_nWalkerFrame = 0;
    m_nWalkerX = 0;
    m_listWords.ResetContent();
    DealLetters();
    DrawPlayArea();
    m_bRunning = TRUE;
}
