// Spanwright's letter tables, the deal without a dictionary, and which dictionaries can deal.
#include "games/spanwright/SpanwrightBoard.h"

#include <cstring>
#include <string>

#include "dictionary/Dictionary.h"
#include "games/GameModel.h"

const char* const g_apszSpanAlphabet[26] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",  "J", "K", "L", "M",
                                            "N", "O", "P", "Qu", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
const int g_anSpanVowels[6] = {0, 4, 8, 14, 20, 24};
const char g_szSpanRareLetters[] = "QJXZKWVF";

QString DealLetterWithoutDictionary(CGameRandom& random)
{
    for (;;) {
        int a = random.Rand() % 26;
        if (random.Rand() % 9 < 2)
            a = g_anSpanVowels[random.Rand() % 6];
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

bool CanDealFromDictionary(const CDictionary& dictionary)
{
    if (!dictionary.HasWords())
        return false;
    // RandomWord's reach: it draws from block max(b - 1, 0) for b below the block count, so never
    // from the last of several blocks; within a block it aims at one of the first 512 words, and
    // when that word's length is out of bounds it gives the block's last word instead. A usable
    // word outside that reach is never drawn, and the deal must not wait for it.
    constexpr int REACHED_WORDS = 512;
    const int nBlocks = dictionary.GetBlockCount();
    const int nDrawnBlocks = nBlocks > 1 ? nBlocks - 1 : 1;
    for (int k = 0; k < nDrawnBlocks; ++k) {
        int nIndex = 0;
        bool bFound = false;
        bool bLastWordReached = false;
        std::string strLast;
        dictionary.EnumBlockWords(k, [&](const char* pszWord) {
            strLast = pszWord;
            if (nIndex++ >= REACHED_WORDS)
                return bLastWordReached; // only the last word can still come up, and only after a miss
            const size_t nLen = std::strlen(pszWord);
            if (nLen < SPAN_DEAL_MIN || nLen > SPAN_DEAL_MAX)
                bLastWordReached = true;
            else if (IsDealableWord(pszWord))
                bFound = true;
            return !bFound;
        });
        if (bFound || (bLastWordReached && IsDealableWord(strLast.c_str())))
            return true;
    }
    return false;
}
