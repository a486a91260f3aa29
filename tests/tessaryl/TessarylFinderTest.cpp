// Tessaryl word finder: what the search finds, pruning against the full walk, the thread handshakes.
#include "tests/tessaryl/TessarylFullWalk.h"
#include "tests/tessaryl/TessarylTestSupport.h"

namespace {
struct SearchResult {
    QStringList astrWords; // the list, sorted
    std::vector<CPathBlock> aPaths;
};

SearchResult Search(CDictionary* pDictionary, const std::vector<QString>& astrCells)
{
    CTessarylFinder finder;
    finder.SetDictionary(pDictionary);
    finder.SetBoard(astrCells.data());
    SetGiveWay([] {});
    finder.RunWordSearch();
    SetGiveWay({});
    SearchResult result;
    finder.GetHints(result.astrWords, result.aPaths);
    return result;
}

// A board as a new game makes it.
std::vector<QString> GeneratedBoard(CDictionary* pDictionary, unsigned nSeed)
{
    CTessarylGame game;
    game.SetDictionary(pDictionary);
    srand(nSeed);
    game.GenerateBoard();
    return std::vector<QString>(game.m_astrCells, game.m_astrCells + TESS_CELLS);
}
} // namespace

TEST(TessarylFinder, FindsEachWordOnceWithTheFirstPath)
{
    auto pDictionary = MakeDictionary({"cat", "cats", "act", "tac", "tax", "scat", "abcdefghi", "abcdefgh"}, 2);
    const SearchResult r = Search(pDictionary.get(), MakeBoard({{"CAT", {0, 1, 2}}, {"AS", {3, 6}},
                                                                {"ABCDEFGHI", {9, 12, 15, 16, 13, 10, 11, 14, 17}}}));
    // ACT, CATS and SCAT have no chain of touching cells; nine cells are more than any pass walks.
    EXPECT_EQ(r.astrWords, (QStringList{"ABCDEFGH", "CAT", "TAC", "TAX"}));
    // TAX can end in cell 4 or 5; cell 1 lists 4 first.
    EXPECT_EQ(r.aPaths[3][2], 4);
}

TEST(TessarylFinder, PrunedSearchFindsWhatTheFullWalkFinds)
{
    const std::vector<std::string> aWords = SystemWords(20000);
    if (aWords.empty())
        GTEST_SKIP() << "no system word list";
    auto pDictionary = MakeDictionary(aWords, 128);
    // A personal word whose letters begin no main-dictionary word must not be pruned away.
    pDictionary->AddPersonalWord(QStringLiteral("xquzv"));
    for (unsigned nSeed : {5u, 77u}) {
        std::vector<QString> a = GeneratedBoard(pDictionary.get(), nSeed);
        if (nSeed == 77u)
            a[22] = "X", a[23] = "QU", a[26] = "Z", a[25] = "V";
        const SearchResult pruned = Search(pDictionary.get(), a);
        const CFullWalk full(*pDictionary, a.data());
        EXPECT_GT(full.astrWords.size(), 10) << "seed " << nSeed;
        EXPECT_EQ(pruned.astrWords, full.astrWords) << "seed " << nSeed;
        EXPECT_TRUE(pruned.aPaths == full.aPaths) << "the first path of each word";
        EXPECT_EQ(pruned.astrWords.contains(QStringLiteral("XQUZV")), nSeed == 77u);
    }
}

TEST(TessarylFinder, ThreadHandshakes)
{
    auto pDictionary = MakeDictionary(SystemWords(5000), 64);
    auto pOther = MakeDictionary({"cat", "dog"}, 2);
    const std::vector<QString> a = GeneratedBoard(pDictionary.get(), 9);
    CTessarylFinder finder;
    finder.SetDictionary(pDictionary.get());
    finder.SetBoard(a.data());
    SetGiveWay([] { Sleep(1); }); // slow enough to catch in every state
    finder.StartWorker(TRUE);
    EXPECT_TRUE(finder.IsWorkerRunning());
    finder.PauseWorker();
    EXPECT_TRUE(!finder.IsWorkerRunning() && finder.IsWorkerAlive()) << "paused, not ended";
    const int nWhilePaused = finder.GetHintCount();
    QThread::msleep(30);
    EXPECT_EQ(finder.GetHintCount(), nWhilePaused) << "a paused search finds nothing";
    finder.ResumeWorker();
    EXPECT_TRUE(finder.IsWorkerRunning());
    // Swapping the dictionary waits for the thread (which then soon ends: nothing begins a word).
    finder.SetDictionary(pOther.get());
    EXPECT_EQ(finder.GetDictionary(), pOther.get());
    // Stopping a paused thread ends it; resuming afterwards does not wait for it.
    finder.PauseWorker();
    finder.StopWorker();
    EXPECT_FALSE(finder.IsWorkerAlive());
    finder.ResumeWorker();
    finder.PauseWorker();
    EXPECT_FALSE(finder.IsWorkerAlive());
    SetGiveWay({});
}

// The shipped dictionaries' hints: whole words, never the abbreviations a board spells.
TEST(TessarylFinder, ShippedDictionariesHintNoAbbreviations)
{
    // Face one: A B L / S G E / U L T; face two: G U A / X L R.
    const std::vector<QString> astrCells = MakeBoard({{"ABLE", {0, 1, 2, 5}}, {"ABS", {0, 1, 3}}, {"ULT", {6, 7, 8}},
                                                       {"GUAR", {9, 10, 11, 14}}, {"ALG", {11, 13, 9}}, {"G", {4}}});
    const QStringList astrAbbreviations {"ABL", "ABS", "ALG", "GUAR", "ULT"};
    auto pSpells = MakeDictionary({"abl", "abs", "alg", "guar", "ult", "able"});
    QStringList astrAll = astrAbbreviations;
    astrAll << "ABLE";
    astrAll.sort();
    ASSERT_EQ(Search(pSpells.get(), astrCells).astrWords, astrAll) << "the board spells every one";

    for (const char* pszPath : {ShippedComprehensive(), ShippedCommon(), ShippedBritish()}) {
        CDictionary dict;
        ASSERT_TRUE(dict.LoadDictionary(QString::fromUtf8(pszPath)));
        const QStringList astrHints = Search(&dict, astrCells).astrWords;
        EXPECT_TRUE(astrHints.contains(QStringLiteral("ABLE"))) << pszPath;
        for (const QString& strWord : astrAbbreviations)
            EXPECT_FALSE(astrHints.contains(strWord)) << pszPath << ": " << strWord.toStdString();
        for (const QString& strWord : astrHints)
            EXPECT_TRUE(dict.Contains(strWord.toLower())) << pszPath << ": " << strWord.toStdString();
    }
}
