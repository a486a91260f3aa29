// Show All Words on Tessaryl's model: ending a game for the review, and the review of a known
// cube: every word with its path, the player's words marked, counts by length and the share.
#include <QThread>
#include <atomic>
#include <thread>

#include "framework/Clock.h"
#include "tests/models/TessarylModelSupport.h"

namespace {
// The words the list check accepts and the dictionary holds.
const std::vector<std::string> kWords{"abs", "absolute", "boat", "dog", "hose", "house", "houseboat", "quiz", "sol", "use"};

// ABSOLUTE round the top face, HOUSEBOAT down the left face and on to the right one (nine cells,
// beyond the search's deepest pass), QUIZ on the right face; X everywhere else. On it, by hand:
// ABS 0-1-2 (and again 24-14-16, found later), SOL 2-5-8, USE 15-16-13, BOAT 14-17-24-25,
// HOSE 9-12-16-13, QUIZ 18-19-20, HOUSE 9-12-15-16-13, ABSOLUTE; never DOG.
std::vector<QString> ReviewBoard()
{
    return MakeModelBoard({{"ABSOLUTE", {0, 1, 2, 5, 8, 7, 4, 3}},
                           {"HOUSEBOAT", {9, 12, 15, 16, 13, 14, 17, 24, 25}},
                           {"qIZ", {18, 19, 20}}});
}
} // namespace

class TessarylGameReview : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const std::string& str : kWords)
            m_check.words.insert(QString::fromStdString(str).toUpper());
        m_game.SetWordCheck(&m_check);
        m_game.SetDictionary(m_pDictionary.get());
        const std::vector<QString> board = ReviewBoard();
        m_game.SetBoard(board.data());
    }
    void TearDown() override
    {
        m_game.StopWorker();
        SetGiveWay({});
    }
    void Play(const std::vector<int>& anCells)
    {
        for (int n : anCells)
            m_game.TapCell(n);
        m_game.Submit();
    }

    std::unique_ptr<CDictionary> m_pDictionary = MakeModelDictionary(kWords);
    CListWordCheck m_check;
    CTessarylGame m_game;
};

TEST_F(TessarylGameReview, EndingForTheReviewKeepsTheCubeWordsAndScoreAndStopsPlay)
{
    Play({9, 12, 15, 16, 13});
    m_game.TapCell(0);
    m_game.StartWorker(TRUE);
    ASSERT_TRUE(m_game.HasCube());
    const CTessarylChange change = m_game.EndForReview();
    EXPECT_EQ(change.anCells, std::vector<int>{0}) << "the chain in progress is drawn unselected";
    EXPECT_FALSE(m_game.m_bGameRunning);
    EXPECT_FALSE(m_game.IsWorkerAlive());
    EXPECT_EQ(m_game.m_nSelCount, 0);
    EXPECT_EQ(m_game.m_astrCells[9], QStringLiteral("H"));
    EXPECT_EQ(m_game.m_astrUsedWords, QStringList{"House"});
    EXPECT_EQ(m_game.m_nScore, 500);
    EXPECT_TRUE(m_game.HasCube());

    // An ended game takes no taps, letters or submits, and ends only once.
    EXPECT_TRUE(m_game.TapCell(1).anCells.empty());
    EXPECT_TRUE(m_game.TypeLetter(QChar('a')).anCells.empty());
    m_game.Submit();
    EXPECT_EQ(m_game.m_nScore, 500);
    EXPECT_TRUE(m_game.EndForReview().anCells.empty());

    m_game.QuitGame();
    EXPECT_TRUE(m_game.HasCube()) << "Quit Game has nothing to end once the review ended the game";
    m_game.NewGame();
    EXPECT_TRUE(m_game.m_bGameRunning);
}

TEST_F(TessarylGameReview, TheReviewListsEveryWordWithItsPathWhateverTheBackgroundSearchDid)
{
    Play({9, 12, 15, 16, 13});                     // HOUSE, 500
    Play({9, 12, 15, 16, 13, 14, 17, 24, 25});     // HOUSEBOAT, 1350
    Play({24, 14, 16});                            // ABS on its second path, 225
    ASSERT_EQ(m_game.m_astrUsedWords.size(), 3);
    ASSERT_EQ(m_game.m_nScore, 2075);

    // The background search crawls (a long pause a step) and is far from done when the review
    // is asked for; and any pause taken on this thread would mean the review's search gave way.
    const std::thread::id idTest = std::this_thread::get_id();
    std::atomic<int> nPausesHere{0};
    SetGiveWay([&] {
        if (std::this_thread::get_id() == idTest)
            ++nPausesHere;
        else
            QThread::msleep(20);
    });
    m_game.StartWorker(TRUE);
    ASSERT_TRUE(m_game.IsWorkerAlive());
    m_game.EndForReview();
    m_game.Finder().ClearWordList(); // as the preferences leave it

    const CWordReview review = m_game.ReviewWords();
    EXPECT_EQ(nPausesHere.load(), 0);
    QStringList astrOrder;
    for (const CReviewWord& w : review.aWords)
        astrOrder << w.strWord + (w.bFound ? "*" : "");
    EXPECT_EQ(astrOrder, (QStringList{"ABS*", "SOL", "USE", "BOAT", "HOSE", "QUIZ", "HOUSE*", "ABSOLUTE", "HOUSEBOAT*"}));

    // Every path spells its word along touching cells; the first path found is the one kept.
    for (const CReviewWord& w : review.aWords) {
        ASSERT_FALSE(w.anPath.isEmpty()) << qPrintable(w.strWord);
        for (qsizetype i = 1; i < w.anPath.size(); ++i)
            EXPECT_TRUE(IsCellNeighbour(w.anPath[i - 1], w.anPath[i])) << qPrintable(w.strWord);
        EXPECT_EQ(m_game.WordAlongPath(w.anPath.constData(), int(w.anPath.size())), w.strWord);
    }
    EXPECT_EQ(review.aWords[0].anPath, (QList<int>{0, 1, 2}));
    EXPECT_EQ(review.aWords[5].anPath, (QList<int>{18, 19, 20}));
    EXPECT_EQ(review.aWords[8].anPath, (QList<int>{9, 12, 15, 16, 13, 14, 17, 24, 25}))
        << "the player's nine-letter word, beyond the search, traced on the cube";

    EXPECT_EQ(review.mapByLength.value(3), qMakePair(1, 3));
    EXPECT_EQ(review.mapByLength.value(4), qMakePair(0, 3));
    EXPECT_EQ(review.mapByLength.value(5), qMakePair(1, 1));
    EXPECT_EQ(review.mapByLength.value(8), qMakePair(0, 1));
    EXPECT_EQ(review.mapByLength.value(9), qMakePair(1, 1));
    EXPECT_EQ(review.mapByLength.size(), 5);
    EXPECT_EQ(review.nFound, 3);
    // 3 x 225 + 3 x 300 + 500 + 8 x 150 + 9 x 150.
    EXPECT_EQ(review.nFullScore, 4625);
    EXPECT_EQ(review.nPlayerScore, 2075);
    EXPECT_EQ(review.Percent(), 45); // 2075 / 4625 = 44.9 %
}

TEST_F(TessarylGameReview, WithoutADictionaryOnlyThePlayersWordsAreListed)
{
    Play({0, 1, 2});
    m_game.SetDictionary(nullptr);
    m_game.EndForReview();
    const CWordReview review = m_game.ReviewWords();
    ASSERT_EQ(review.aWords.size(), 1);
    EXPECT_EQ(review.aWords[0].strWord, QStringLiteral("ABS"));
    EXPECT_EQ(review.aWords[0].anPath, (QList<int>{0, 1, 2}));
    EXPECT_EQ(review.Percent(), 100);
}

TEST_F(TessarylGameReview, AHandMadeListOfWordsIsReviewedWithoutHoldingUp)
{
    // A saved text may list any words; the review traces only so many beyond the search and
    // skips empty ones.
    const std::vector<QString> astrA(TESS_CELLS, QStringLiteral("A"));
    m_game.SetDictionary(nullptr);
    m_game.SetBoard(astrA.data());
    for (bool bTracedFirst : {true, false}) {
        QStringList astrUsed;
        for (int i = 0; i < 100; ++i)
            astrUsed << QStringLiteral("Z%1").arg(i); // never on the cube
        astrUsed.insert(bTracedFirst ? 0 : astrUsed.size(), QStringLiteral("Aaaa"));
        astrUsed << QString() << QString(60, QChar('a'));
        m_game.m_astrUsedWords = astrUsed;
        const CWordReview review = m_game.ReviewWords();
        EXPECT_EQ(review.aWords.size(), 102) << "the empty word is no word";
        EXPECT_EQ(review.aWords[0].strWord, QStringLiteral("Z0"));
        const CReviewWord& aaaa = review.aWords[review.aWords.size() - 2];
        ASSERT_EQ(aaaa.strWord, QStringLiteral("AAAA"));
        EXPECT_EQ(aaaa.anPath.size(), bTracedFirst ? 4 : 0) << "traced only within the first hundred";
        EXPECT_TRUE(review.aWords.back().anPath.isEmpty()) << "longer than any chain";
    }
}
