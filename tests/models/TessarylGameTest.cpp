// Tessaryl's rules on the model alone: the chain, submitting and scoring, hints, new game and
// quit, and the saved text (including games saved before the rules left the window).
#include "games/tessaryl/TessarylSavedText.h"
#include "tests/models/TessarylModelSupport.h"

namespace {
// Hands out the numbers it is given, then zeros; counts the draws.
class CScriptedRandom : public CGameRandom {
public:
    int Rand() override
    {
        ++m_nDraws;
        if (m_anNext.empty())
            return 0;
        const int n = m_anNext.front();
        m_anNext.erase(m_anNext.begin());
        return n;
    }
    std::vector<int> m_anNext;
    int m_nDraws = 0;
};

std::vector<int> Selection(const CTessarylGame& game)
{
    return std::vector<int>(game.m_anSelection, game.m_anSelection + game.m_nSelCount);
}
} // namespace

class TessarylGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_check.words = {"ABS", "ABSOLUTE", "HOUSE", "QUIZ", "USE"};
        m_game.SetWordCheck(&m_check);
        m_game.SetHighScore(&m_nHiScore);
        const std::vector<QString> board =
            MakeModelBoard({{"ABSOLUTE", {0, 1, 2, 5, 8, 7, 4, 3}}, {"HOUSE", {9, 12, 15, 16, 13}}, {"qIZ", {18, 19, 20}}});
        m_game.SetBoard(board.data());
    }
    void Tap(const std::vector<int>& anCells)
    {
        for (int n : anCells)
            m_game.TapCell(n);
    }

    CListWordCheck m_check;
    int m_nHiScore = 0;
    CScriptedRandom m_random;
    CTessarylGame m_game{m_random};
};

TEST_F(TessarylGame, ChainRulesAndWhatEachTapRedraws)
{
    using CellList = std::vector<int>;
    EXPECT_EQ(m_game.TapCell(0).anCells, CellList{0});
    m_game.TapCell(1);
    EXPECT_TRUE(m_game.TapCell(26).anCells.empty()) << "does not touch cell 1";
    EXPECT_EQ(m_game.TapCell(0).anCells, CellList{0}) << "selected earlier in the chain: redrawn, unchanged";
    EXPECT_EQ(Selection(m_game), (CellList{0, 1}));
    EXPECT_EQ(m_game.TapCell(1).anCells, CellList{1}) << "the last one again: dropped";
    Tap({1, 2});
    m_game.m_nHintLen = 3;
    EXPECT_EQ(m_game.Back().anCells, CellList{2});
    EXPECT_EQ(m_game.m_nHintLen, 0) << "the back arrow abandons a hint";
    EXPECT_EQ(Selection(m_game), (CellList{0, 1}));
    EXPECT_EQ(m_game.ClearSelection(), (CellList{0, 1}));
    EXPECT_TRUE(m_game.Back().anCells.empty());

    // Each cell once, never more than 32.
    for (int n = 0; n < 2 * TESS_CELLS; ++n)
        m_game.SelectCell(n % TESS_CELLS);
    EXPECT_EQ(m_game.m_nSelCount, TESS_CELLS);
    m_game.m_nSelCount = TESS_MAX_PATH;
    m_game.SelectCell(0);
    EXPECT_EQ(m_game.m_nSelCount, TESS_MAX_PATH);
    m_game.m_nSelCount = 0;
    m_game.m_bGameRunning = FALSE;
    m_game.TapCell(0);
    EXPECT_TRUE(Selection(m_game).empty()) << "no game running";
}

TEST_F(TessarylGame, SubmitScoresListsTheWordAndRaisesTheHighScoreOnceExceeded)
{
    m_nHiScore = 525;
    const struct {
        std::vector<int> anCells;
        int nScore, nHiScore;
    } aSteps[] = {
        {{0, 1, 2}, 225, 525},                  // ABS
        {{18, 19, 20}, 525, 525},               // QU-I-Z: four characters from three cells; equals it
        {{9, 12, 15, 16, 13}, 1025, 1025},      // HOUSE: exceeds it
        {{0, 1, 2, 5, 8, 7, 4, 3}, 2225, 2225}, // ABSOLUTE
    };
    for (const auto& step : aSteps) {
        Tap(step.anCells);
        const CTessarylChange change = m_game.Submit();
        EXPECT_TRUE(change.strNotice.isEmpty() && change.bScore && change.bWordAdded);
        EXPECT_EQ(change.anCells, step.anCells) << "the chain is redrawn unselected";
        EXPECT_EQ(m_game.m_nScore, step.nScore);
        EXPECT_EQ(m_nHiScore, step.nHiScore);
        EXPECT_TRUE(Selection(m_game).empty());
    }
    EXPECT_EQ(m_game.m_astrUsedWords, (QStringList{"Absolute", "House", "Quiz", "Abs"}));
}

TEST_F(TessarylGame, RefusedWordsAndTheAddWordOffer)
{
    Tap({0, 1});
    EXPECT_EQ(m_game.Submit().strNotice, QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(Selection(m_game), (std::vector<int>{0, 1}));
    Tap({2});
    m_game.Submit();
    m_game.m_astrUsedWords[0] = QStringLiteral("aBS"); // however it is written
    Tap({0, 1, 2});
    EXPECT_EQ(m_game.Submit().strNotice, QStringLiteral("You have already used that word"));
    EXPECT_EQ(Selection(m_game).size(), 3u);
    m_game.ClearSelection();

    Tap({9, 12, 15}); // HOU, the offer off
    CTessarylChange change = m_game.Submit();
    EXPECT_EQ(change.strNotice, QStringLiteral("'HOU' is not a valid word."));
    EXPECT_EQ(change.anCells, (std::vector<int>{9, 12, 15}));
    EXPECT_TRUE(Selection(m_game).empty());
    EXPECT_EQ(m_game.m_nScore, 225);

    m_check.bOffer = true;
    for (bool bYes : {false, true}) {
        m_check.bYes = bYes;
        Tap({9, 12, 15});
        change = m_game.Submit();
        EXPECT_TRUE(change.strNotice.isEmpty()) << "the question was the message";
        EXPECT_EQ(m_check.astrAsked.back(), QStringLiteral("HOU"));
        EXPECT_TRUE(Selection(m_game).empty());
        EXPECT_EQ(m_game.m_nScore, bYes ? 450 : 225);
    }
    EXPECT_EQ(m_game.m_astrUsedWords.front(), QStringLiteral("Hou"));
}

TEST_F(TessarylGame, HintsRevealOneLetterAPressThroughTheGivenRandomSource)
{
    // Loaded hints, no dictionary: no finder runs, so the loaded ones are all there is.
    const std::vector<QString> board = MakeModelBoard({{"CAT", {0, 1, 2}}, {"DOG", {9, 12, 15}}});
    ASSERT_TRUE(m_game.LoadFromText(BoardText(board) + "\t30\t0\t2\tCAT\t0\t1\t2\t-1\tDOG\t9\t12\t15\t-1\t"));
    m_random.m_anNext = {3}; // 3 mod 2: the second entry, DOG
    m_random.m_nDraws = 0;
    CTessarylChange change = m_game.GiveHint();
    EXPECT_EQ(m_random.m_nDraws, 1);
    EXPECT_TRUE(change.bAllCells && change.bScore && change.strNotice.isEmpty());
    EXPECT_EQ(Selection(m_game), std::vector<int>{9});
    EXPECT_EQ(m_game.m_nScore, 5);
    m_game.GiveHint();
    EXPECT_EQ(m_game.m_nScore, 5) << "too few points to pay: the letter comes free";
    m_game.GiveHint();
    EXPECT_EQ(m_game.GiveHint().strNotice, QStringLiteral("That's the entire word!"));
    m_check.words.insert("DOG");
    m_game.Submit();
    EXPECT_EQ(m_game.m_astrUsedWords, QStringList{"Dog"});

    // DOG is used: picking it removes it and draws again, and CAT is the one left.
    m_random.m_anNext = {1, 0};
    m_game.GiveHint();
    EXPECT_EQ(Selection(m_game), std::vector<int>{0});
    EXPECT_EQ(m_game.Finder().GetHintCount(), 1);
    m_game.TapCell(1);
    EXPECT_EQ(m_game.m_nHintLen, 0) << "a tap abandons the hint";
    EXPECT_EQ(m_game.GiveHint().strNotice, QStringLiteral("Hints are only given when you haven't selected any letters."));
    m_game.ClearSelection();
    m_game.Finder().ClearWordList();
    EXPECT_EQ(m_game.GiveHint().strNotice, QStringLiteral("No hints available"));
}

TEST_F(TessarylGame, NewGameDrawsTodaysBoardsAndQuitEmptiesEverything)
{
    // A fixed word list, so the boards depend on the seed and the deal's calls alone: a change in
    // what the deal draws, or in which order, shows here before it reaches a player's boards.
    CDictionary dictionary;
    ASSERT_TRUE(dictionary.LoadDictionaryFromData(
        BuildDictionaryImage({"bridge", "cascade", "lattice", "orbit", "quantum", "spanner", "tessellate", "zephyr"}, 2)));
    CTessarylGame game; // the C library's rand(), as the window's game
    game.SetDictionary(&dictionary);
    for (unsigned nSeed : {7u, 21u}) {
        srand(nSeed);
        game.GenerateBoard();
        std::vector<QString> astrCells(game.m_astrCells, game.m_astrCells + TESS_CELLS);
        EXPECT_EQ(BoardText(astrCells), nSeed == 7 ? "T T T I A I I L C C T B A S A D E B B E L R R A C O O "
                                                   : "A T T C I B T E R R L I O B I B R D D I A E G L G E O ")
            << nSeed;
    }

    game.SetDictionary(nullptr);
    game.SetWordCheck(&m_check);
    const CTessarylChange change = game.NewGame();
    EXPECT_TRUE(change.bAllCells && change.bScore && change.bUsedWordsReset && game.m_bGameRunning);
    game.m_nScore = 450;
    game.m_astrUsedWords << "Cat";
    game.SelectCell(4);
    game.QuitGame();
    EXPECT_FALSE(game.m_bGameRunning || game.m_nScore || game.m_nSelCount || game.m_astrUsedWords.size());
    EXPECT_TRUE(std::all_of(std::begin(game.m_astrCells), std::end(game.m_astrCells), std::mem_fn(&QString::isEmpty)));
}

TEST(TessarylSavedText, GamesSavedBeforeOpenAndSaveByteIdentically)
{
    for (const char* pszFile : {"running.wcg", "fresh.wcg", "quboard.wcg"}) {
        SCOPED_TRACE(pszFile);
        const QByteArray data = ReadSavedGameFixture(pszFile);
        ASSERT_GT(data.size(), 200);
        CTessarylGame game;
        ASSERT_TRUE(game.LoadFromText(SavedGameText(data)));
        EXPECT_TRUE(game.m_bGameRunning && game.m_nSelCount == 0);
        QString strText;
        game.SaveToText(strText);
        EXPECT_EQ(SavedGameBytes(strText), data);
    }
}

// A number after a line feed (or any white space) reads as the C library reads it, not as 0.
TEST(TessarylSavedText, NumbersAfterALineFeedReadAsTheCLibraryReadsThem)
{
    const QString strBoard = QString("A ").repeated(TESS_CELLS);
    CTessarylSavedGame game;
    ASSERT_TRUE(ParseTessarylText(strBoard + "\t\n1275\t\r\n2\tAb\tCd\t \n1\tCAT\t\n9\t\v12\t15\t\n-1\t", game));
    EXPECT_EQ(game.m_nScore, 1275);
    EXPECT_EQ(game.m_astrUsedWords, (QStringList{"Ab", "Cd"}));
    ASSERT_EQ(game.m_astrHintWords, QStringList{"CAT"});
    EXPECT_EQ(game.m_aHintPaths[0], MakePath({9, 12, 15}));
}

// Loading adds each hint as the list adds any string: a word listed twice stays twice, the later
// one in front of the earlier, each with its own path.
TEST(TessarylSavedText, LoadingKeepsAHintListedTwiceEachWithItsPath)
{
    const std::vector<QString> board = MakeModelBoard({{"CAT", {0, 1, 2}}, {"CAT", {9, 12, 15}}});
    CTessarylGame game;
    ASSERT_TRUE(game.LoadFromText(BoardText(board) + "\t0\t0\t3\tCAT\t0\t1\t2\t-1\tAXE\t3\t4\t5\t-1\tcat\t9\t12\t15\t-1\t"));
    QStringList astrWords;
    std::vector<CPathBlock> aPaths;
    game.Finder().GetHints(astrWords, aPaths);
    EXPECT_EQ(astrWords, (QStringList{"AXE", "cat", "CAT"}));
    EXPECT_EQ(aPaths, (std::vector<CPathBlock>{MakePath({3, 4, 5}), MakePath({9, 12, 15}), MakePath({0, 1, 2})}));
    QString strText;
    game.SaveToText(strText);
    EXPECT_TRUE(strText.endsWith("\t3\tAXE\t3\t4\t5\t-1\tcat\t9\t12\t15\t-1\tCAT\t0\t1\t2\t-1\t"));
}

TEST_F(TessarylGame, TypedLettersSelectAChainThatSpellsThem)
{
    m_game.m_bGameRunning = TRUE;
    bool bTaken = false;
    for (QChar ch : QStringLiteral("House"))
        m_game.TypeLetter(ch, &bTaken);
    ASSERT_TRUE(bTaken);
    const std::vector<int> anHouse = Selection(m_game);
    QString strSpelled;
    for (size_t i = 0; i < anHouse.size(); ++i) {
        strSpelled += m_game.m_astrCells[anHouse[i]];
        if (i > 0) {
            EXPECT_TRUE(IsCellNeighbour(anHouse[i - 1], anHouse[i])) << "a chain of touching cells";
        }
    }
    EXPECT_EQ(strSpelled, "HOUSE");
    const CTessarylChange change = m_game.TypeLetter('k', &bTaken);
    EXPECT_FALSE(bTaken) << "no K on the board";
    EXPECT_TRUE(change.anCells.empty());
    EXPECT_EQ(Selection(m_game), anHouse);

    // The QU cell takes "q" alone, then its "u"; Backspace gives the letters back one by one.
    m_game.ClearSelection();
    for (QChar ch : QStringLiteral("quiz"))
        m_game.TypeLetter(ch);
    EXPECT_EQ(Selection(m_game), (std::vector<int>{18, 19, 20}));
    EXPECT_EQ(m_game.GetTyped(), "quiz");
    m_game.TypeBackspace();
    m_game.TypeBackspace();
    EXPECT_EQ(Selection(m_game), (std::vector<int>{18}));
    m_game.TypeBackspace();
    EXPECT_EQ(m_game.GetTyped(), "q");
    EXPECT_EQ(Selection(m_game), (std::vector<int>{18}));
    const CTessarylChange last = m_game.TypeBackspace();
    EXPECT_TRUE(Selection(m_game).empty());
    EXPECT_EQ(last.anCells, (std::vector<int>{18})) << "the cell let go is drawn again";

    // Typing goes on from a tapped chain; no game, no typing.
    m_game.TapCell(0);
    m_game.TypeLetter('b', &bTaken);
    EXPECT_EQ(Selection(m_game), (std::vector<int>{0, 1}));
    m_game.m_bGameRunning = FALSE;
    m_game.TypeLetter('s', &bTaken);
    EXPECT_FALSE(bTaken);
    EXPECT_EQ(Selection(m_game), (std::vector<int>{0, 1}));
}
