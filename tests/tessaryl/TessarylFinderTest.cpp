// Tessaryl word finder: what the search finds, pruning against the full walk, the thread handshakes.
#include "tests/tessaryl/TessarylTestSupport.h"

namespace {
struct SearchResult {
    std::vector<QString> aOrder; // words in the order found
    QStringList astrWords;       // the list, sorted
    std::vector<CPathBlock> aPaths;
    long long nPaths = 0;
};

SearchResult Search(CTessarylFinder& finder, const std::vector<QString>& astrCells, BOOL bPrune, BOOL bMemo)
{
    SearchResult result;
    for (int i = 0; i < TESS_CELLS; ++i)
        finder.m_astrFinderCells[i] = astrCells[i];
    finder.ClearWordList();
    finder.m_bPrune = bPrune;
    finder.m_bMemo = bMemo;
    finder.m_ePause = CTessarylFinder::PauseNone;
    finder.m_pFoundLog = &result.aOrder;
    finder.RunWordSearch();
    finder.m_pFoundLog = nullptr;
    finder.GetHints(result.astrWords, result.aPaths);
    result.nPaths = finder.m_nPathsVisited;
    return result;
}

} // namespace

TEST(TessarylFinder, FindsEachWordOnceWithTheFirstPath)
{
    auto pDictionary = MakeDictionary({"cat", "cats", "act", "tac", "tax", "scat", "abcdefghi", "abcdefgh"}, 2);
    CTessarylFinder finder;
    finder.SetDictionary(pDictionary.get());
    const SearchResult r = Search(finder,
                                  MakeBoard({{"CAT", {0, 1, 2}}, {"AS", {3, 6}},
                                             {"ABCDEFGHI", {9, 12, 15, 16, 13, 10, 11, 14, 17}}}),
                                  TRUE, TRUE);

    // ACT, CATS and SCAT have no chain of touching cells; nine cells are more than any pass walks.
    EXPECT_EQ(r.astrWords, (QStringList{"ABCDEFGH", "CAT", "TAC", "TAX"}));
    auto path = [&r](const char* pszWord) {
        const CPathBlock& block = r.aPaths[r.astrWords.indexOf(pszWord)];
        std::vector<int> an;
        for (auto it = std::begin(block); it != std::end(block) && *it >= 0; ++it)
            an.push_back(*it);
        return an;
    };
    EXPECT_EQ(path("CAT"), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(path("TAX"), (std::vector<int>{2, 1, 4})) << "TAX can end in cell 4 or 5; cell 1 lists 4 first";
    EXPECT_EQ(path("ABCDEFGH"), (std::vector<int>{9, 12, 15, 16, 13, 10, 11, 14}));
    EXPECT_EQ(r.aOrder, (std::vector<QString>{"CAT", "TAC", "TAX", "ABCDEFGH"})) << "short words come first";
}

TEST(TessarylFinder, PrunedSearchFindsWhatTheFullWalkFinds)
{
    const std::vector<std::string> aWords = SystemWords(20000);
    if (aWords.empty())
        GTEST_SKIP() << "no system word list";
    auto pDictionary = MakeDictionary(aWords, 128);
    // A personal word whose letters begin no main-dictionary word must not be pruned away.
    pDictionary->AddPersonalWord(QStringLiteral("xquzv"));

    CTessarylWnd wnd; // for its board generation only
    wnd.SetDictionary(pDictionary.get());
    for (unsigned nSeed : {5u, 77u}) {
        srand(nSeed);
        wnd.GenerateBoard();
        std::vector<QString> a(std::begin(wnd.m_astrCells), std::end(wnd.m_astrCells));
        if (nSeed == 77u)
            a[22] = "X", a[23] = "QU", a[26] = "Z", a[25] = "V";
        CTessarylFinder finder;
        finder.SetDictionary(pDictionary.get());
        const SearchResult full = Search(finder, a, FALSE, FALSE);
        const SearchResult pruned = Search(finder, a, TRUE, TRUE);
        const SearchResult prunedOnly = Search(finder, a, TRUE, FALSE);
        EXPECT_GT(full.aOrder.size(), 10u) << "seed " << nSeed;
        EXPECT_EQ(pruned.aOrder, full.aOrder) << "seed " << nSeed;
        EXPECT_EQ(pruned.astrWords, full.astrWords);
        EXPECT_TRUE(pruned.aPaths == full.aPaths);
        EXPECT_EQ(prunedOnly.aOrder, full.aOrder);
        EXPECT_LT(pruned.nPaths * 20, full.nPaths) << "pruning walks a small fraction of the paths";
        EXPECT_EQ(pruned.astrWords.contains(QStringLiteral("XQUZV")), nSeed == 77u);
    }
}

TEST(TessarylFinder, ThreadHandshakes)
{
    auto pDictionary = MakeDictionary(SystemWords(5000), 64);
    auto pOther = MakeDictionary({"cat", "dog"}, 2);
    CTessarylWnd wnd;
    wnd.SetDictionary(pDictionary.get());
    wnd.m_finder.m_ePause = CTessarylFinder::PauseSleep; // slow enough to catch in every state
    srand(9);
    wnd.NewGame();
    EXPECT_TRUE(wnd.m_finder.IsWorkerRunning());
    wnd.PauseWorker();
    EXPECT_FALSE(wnd.m_finder.IsWorkerRunning());
    EXPECT_TRUE(wnd.IsWorkerRunning()) << "paused, not ended";
    const int nWhilePaused = wnd.m_finder.GetHintCount();
    QThread::msleep(30);
    EXPECT_EQ(wnd.m_finder.GetHintCount(), nWhilePaused) << "a paused search finds nothing";
    wnd.ResumeWorker();
    EXPECT_TRUE(wnd.m_finder.IsWorkerRunning());

    // Swapping the dictionary waits for the thread (which then soon ends: nothing begins a word).
    wnd.SetDictionary(pOther.get());
    EXPECT_EQ(wnd.m_finder.GetDictionary(), pOther.get());

    // Stopping a paused thread ends it; resuming afterwards does not wait for it.
    wnd.PauseWorker();
    wnd.StopWorker();
    EXPECT_FALSE(wnd.IsWorkerRunning());
    wnd.ResumeWorker();
    wnd.PauseWorker();
    EXPECT_FALSE(wnd.IsWorkerRunning());
}
