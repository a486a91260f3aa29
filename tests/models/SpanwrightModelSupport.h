// Helpers for the Spanwright model tests: a word check from a plain list, dictionaries held in
// memory, a counting random source, and a game with known letters.
#pragma once
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/models/ListWordCheck.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "games/spanwright/SpanwrightGame.h"

// The C library's sequence, counted.
class CSpanwrightCountingRandom : public CGameRandom {
public:
    int Rand() override
    {
        ++nCalls;
        return CGameRandom::Rand();
    }
    int nCalls = 0;
};

// A dictionary of the given words (any order, lower case) written by the project's writer and
// loaded from memory.
inline std::unique_ptr<CDictionary> MakeModelDictionary(std::vector<std::string> aWords, int nBlocks = 4)
{
    std::sort(aWords.begin(), aWords.end());
    aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
    auto pDictionary = std::make_unique<CDictionary>();
    EXPECT_TRUE(pDictionary->LoadDictionaryFromData(BuildDictionaryImage(aWords, nBlocks)));
    return pDictionary;
}

// The saved text of a game with these seven letters, all in the letter row.
inline QString GameText(const char* pszLetters, int nScore = 0, int nBridgeLen = 0, int nStepDelay = 5000,
                        const QStringList& astrWords = {})
{
    QString str = QStringLiteral("%1\t0\t0\t%2\t%3\t").arg(nScore).arg(nBridgeLen).arg(nStepDelay);
    for (int i = 0; i < SPAN_TILES; ++i)
        str += QChar(pszLetters[i]) + QStringLiteral("\t-1\t");
    str += QString::number(astrWords.size()) + QChar(u'\t');
    for (const QString& strWord : astrWords)
        str += strWord + QChar(u'\t');
    return str;
}

// The tiles' letters sorted, as one text ("AEPRST" for PASTER).
inline std::string SortedLetters(const CSpanwrightGame& game)
{
    std::string str;
    for (int i = 0; i < SPAN_TILES; ++i)
        str += game.Letter(i).toStdString();
    std::sort(str.begin(), str.end());
    return str;
}

// Taps, for each letter of the word, the first free tile that holds it.
inline void Spell(CSpanwrightGame& game, const char* pszWord)
{
    for (const char* p = pszWord; *p; ++p) {
        int i = 0;
        while (i < SPAN_TILES && !(game.Order(i) == -1 && game.Letter(i) == QChar(*p)))
            ++i;
        ASSERT_LT(i, SPAN_TILES) << "no free tile " << *p;
        game.TapTile(i);
    }
}

inline SpanwrightSubmit Submit(CSpanwrightGame& game, const char* pszWord)
{
    Spell(game, pszWord);
    return game.SubmitWord();
}
