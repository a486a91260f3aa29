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
        return;
    }
    pool.truncate(SPAN_TILES + 1);
    for (QString& strLetter : m_strLetters) {
        const int k = std::rand() % int(pool.size());
        strLetter = QString(QChar::fromLatin1(pool[k])).toUpper();
        pool.remove(k, 1);
    }
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
