// Fuzzer: plays Tessaryl through its rules. The input up to its first zero byte is a saved text
// (one character a byte), the rest a script of taps, submits, hints, new games, quits, word
// searches and save-and-load round trips. After every step the game must hold together: a running
// board fully lettered, the chain a path of touching cells, the score within its limits; and a
// game saved, read back and saved again gives the same text. At the end Show All Words: the game
// ends, and every word of the review lies on the cube along its path.
#include <QByteArray>
#include <QSet>
#include <QString>
#include <algorithm>
#include <cstdint>

#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/SortedStringArray.h"
#include "framework/Clock.h"
#include "games/tessaryl/TessarylGame.h"
#include "games/tessaryl/TessarylSavedText.h"

namespace {

void Check(bool bCondition)
{
    if (!bCondition)
        __builtin_trap();
}

const char* const s_apszWords[] = {"ace", "act", "ant", "ape", "arc", "are", "art", "ate", "bat", "bee", "cat",
                                   "dog", "ear", "eat", "era", "eta", "net", "nit", "not", "oat", "ore", "quit",
                                   "quite", "rat", "rot", "sat", "sea", "set", "sit", "tan", "tar", "tea", "ten",
                                   "tie", "tin", "toe", "ton", "tea", "rate", "tear", "stone", "notes", "onset"};

// The same few words as a dictionary for the word search and as the word check.
CDictionary& Words()
{
    static CDictionary* s_pDictionary = [] {
        std::vector<std::string> aWords(std::begin(s_apszWords), std::end(s_apszWords));
        std::sort(aWords.begin(), aWords.end());
        aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
        auto* p = new CDictionary;
        Check(p->LoadDictionaryFromData(BuildDictionaryImage(aWords, 2)));
        SetGiveWay([] {}); // the search runs on this thread
        return p;
    }();
    return *s_pDictionary;
}

class CFuzzWordCheck : public IWordCheck {
public:
    bool Contains(const QString& strWord) override { return m_added.contains(strWord.toUpper()) || Words().Contains(strWord); }
    bool IsAddOfferOn() const override { return m_bOffer; }
    bool AskToAdd(const QString& strWord) override
    {
        if (m_bAnswer)
            m_added.insert(strWord.toUpper());
        return m_bAnswer;
    }
    bool m_bOffer = false;
    bool m_bAnswer = false;
    QSet<QString> m_added;
};

// A fixed sequence per input, so that a finding replays.
class CFuzzRandom : public CGameRandom {
public:
    explicit CFuzzRandom(uint32_t nSeed) : m_n(nSeed) {}
    int Rand() override
    {
        m_n = m_n * 1103515245u + 12345u;
        return int((m_n >> 16) & 0x7FFF);
    }

private:
    uint32_t m_n;
};

struct CHintEntry {
    QString strWord;
    CPathBlock path;
    bool operator<(const CHintEntry& o) const
    {
        const int n = CompareNoCaseAZ(strWord, o.strWord);
        return n != 0 ? n < 0 : (strWord != o.strWord ? strWord < o.strWord : o.path > path);
    }
    bool operator==(const CHintEntry& o) const { return strWord == o.strWord && path == o.path; }
};

void CheckGame(const CTessarylGame& game, bool bChainFromHint)
{
    if (game.m_bGameRunning) {
        for (const QString& strCell : game.m_astrCells)
            Check(!strCell.isEmpty() && strCell.size() <= 2);
    }
    Check(game.m_nScore >= 0 && game.m_nScore <= TESS_MAX_SCORE);
    Check(game.m_nSelCount >= 0 && game.m_nSelCount <= TESS_MAX_PATH);
    for (int i = 0; i < game.m_nSelCount; ++i) {
        const int nCell = game.m_anSelection[i];
        Check(nCell >= 0 && nCell < TESS_CELLS);
        for (int j = 0; j < i; ++j)
            Check(game.m_anSelection[j] != nCell);
        // Hint letters follow their word's path; every tapped chain touches cell to cell.
        if (i > 0 && !bChainFromHint)
            Check(IsCellNeighbour(game.m_anSelection[i - 1], nCell));
    }
    Check(game.m_nHintLen >= 0 && game.m_nHintLen <= TESS_MAX_PATH);
    if (game.m_nHintLen > 0)
        Check(game.m_nHintShown >= 0 && game.m_nHintShown <= game.m_nHintLen);
}

// The same game once written and read back, when both texts are compared: equal words may change
// places (each is added in front of an equal one), everything else stays exactly.
void CheckSameGame(const QString& strFirst, const QString& strSecond)
{
    CTessarylSavedGame a, b;
    Check(ParseTessarylText(strFirst, a) && ParseTessarylText(strSecond, b));
    for (int i = 0; i < TESS_CELLS; ++i)
        Check(a.m_astrCells[i] == b.m_astrCells[i]);
    Check(a.m_nScore == b.m_nScore && a.m_astrUsedWords == b.m_astrUsedWords);
    Check(a.m_astrHintWords.size() == b.m_astrHintWords.size());
    std::vector<CHintEntry> aa, bb;
    for (qsizetype i = 0; i < a.m_astrHintWords.size(); ++i) {
        aa.push_back({a.m_astrHintWords[i], a.m_aHintPaths[size_t(i)]});
        bb.push_back({b.m_astrHintWords[i], b.m_aHintPaths[size_t(i)]});
        Check(CompareNoCaseAZ(a.m_astrHintWords[i], b.m_astrHintWords[i]) == 0);
    }
    std::sort(aa.begin(), aa.end());
    std::sort(bb.begin(), bb.end());
    Check(aa == bb);
}

void RoundTrip(CTessarylGame& game)
{
    if (game.m_astrCells[0].isEmpty())
        return; // an unstarted game is never saved
    QString strText;
    game.SaveToText(strText);
    CTessarylGame again;
    Check(again.LoadFromText(strText));
    QString strAgain;
    again.SaveToText(strAgain);
    CheckSameGame(strText, strAgain);
    // The saved game replaces this one, as Open Game would.
    Check(game.LoadFromText(strAgain));
}

void CheckReview(const CTessarylGame& game, const CWordReview& review)
{
    QSet<QString> setPlayer, setWords;
    for (const QString& str : game.m_astrUsedWords)
        if (!str.isEmpty())
            setPlayer.insert(str.toUpper());
    qint64 nFullScore = 0;
    int nFound = 0, nCounted = 0;
    for (qsizetype i = 0; i < review.aWords.size(); ++i) {
        const CReviewWord& w = review.aWords[i];
        Check(!w.strWord.isEmpty() && !setWords.contains(w.strWord));
        setWords.insert(w.strWord);
        if (i > 0) {
            const QString& strBefore = review.aWords[i - 1].strWord;
            Check(strBefore.size() < w.strWord.size() || (strBefore.size() == w.strWord.size() && strBefore < w.strWord));
        }
        Check(w.bFound == setPlayer.contains(w.strWord));
        nFound += w.bFound;
        nFullScore += w.nPoints;
        // A word the search found always has its path; only the player's may lack one.
        Check(!w.anPath.isEmpty() || w.bFound);
        for (qsizetype k = 0; k < w.anPath.size(); ++k) {
            Check(w.anPath[k] >= 0 && w.anPath[k] < TESS_CELLS && !w.anPath.mid(0, k).contains(w.anPath[k]));
            if (k > 0)
                Check(IsCellNeighbour(w.anPath[k - 1], w.anPath[k]));
        }
        if (!w.anPath.isEmpty())
            Check(game.WordAlongPath(w.anPath.constData(), int(w.anPath.size())).toUpper() == w.strWord);
    }
    for (auto it = review.mapByLength.begin(); it != review.mapByLength.end(); ++it) {
        Check(it.value().first >= 0 && it.value().first <= it.value().second);
        nCounted += it.value().second;
    }
    Check(setPlayer.size() == nFound && review.nFound == nFound);
    Check(nCounted == review.aWords.size() && review.nFullScore == nFullScore);
    Check(review.Percent() >= 0 && (review.nPlayerScore > review.nFullScore || review.Percent() <= 100));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    Words();
    const uint8_t* pEnd = pData + nSize;
    const uint8_t* pZero = std::find(pData, pEnd, uint8_t(0));
    QString strText;
    for (const uint8_t* p = pData; p < pZero; ++p)
        strText += QChar(char16_t(*p));
    const uint8_t* pScript = pZero < pEnd ? pZero + 1 : pEnd;

    CFuzzRandom random(uint32_t(nSize) * 2654435761u);
    CFuzzWordCheck check;
    int nHiScore = 0;
    CTessarylGame game(random);
    game.SetWordCheck(&check);
    game.SetHighScore(&nHiScore);
    if (!game.LoadFromText(strText))
        game.NewGame();
    bool bChainFromHint = false;
    CheckGame(game, bChainFromHint);

    // The search and the round trip cost far more than a tap: a few of each per input.
    int nSteps = 0, nSearches = 0, nRoundTrips = 0;
    for (const uint8_t* p = pScript; p < pEnd && nSteps < 300; ++p, ++nSteps) {
        const int nOp = *p & 7, nArg = *p >> 3;
        switch (nOp) {
        case 0: case 1: case 2: case 3:
            game.TapCell(nArg % TESS_CELLS);
            break;
        case 4:
            game.Back();
            break;
        case 5:
            check.m_bOffer = nArg & 1;
            check.m_bAnswer = nArg & 2;
            // A played word raises the high score to the score the moment it passes it.
            if (game.Submit().bWordAdded)
                Check(nHiScore >= game.m_nScore);
            break;
        case 6: {
            const bool bBefore = game.m_nSelCount == 0;
            const CTessarylChange change = game.GiveHint();
            if (change.bAllCells && bBefore)
                bChainFromHint = true;
            break;
        }
        default:
            switch (nArg & 3) {
            case 0:
                game.NewGame();
                break;
            case 1:
                game.QuitGame();
                break;
            case 2: // the finder's search, run here instead of on its thread
                if (nSearches++ > 0)
                    break;
                game.Finder().SetDictionary(&Words());
                game.Finder().RunWordSearch();
                game.Finder().SetDictionary(nullptr);
                break;
            default:
                if (nRoundTrips++ < 2)
                    RoundTrip(game);
                break;
            }
            break;
        }
        if (game.m_nSelCount == 0)
            bChainFromHint = false;
        CheckGame(game, bChainFromHint);
    }
    RoundTrip(game);
    CheckGame(game, false);
    if (game.HasCube()) {
        game.EndForReview();
        Check(!game.m_bGameRunning && game.m_nSelCount == 0 && game.HasCube());
        game.SetDictionary(&Words());
        const CWordReview review = game.ReviewWords();
        game.SetDictionary(nullptr);
        CheckReview(game, review);
    }
    Check(!game.IsWorkerAlive());
    return 0;
}
