// Cascadio play as a model: the chain rules, the outcomes of a submission, scores and the high score,
// removal with the slide and refill, new letters and pause.
#include "tests/models/CascadioModelSupport.h"

namespace {
const std::vector<const char*> s_aWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "qIZXXXX"};
}

class CascadioPlayModel : public CCascadioModelTest {
protected:
    void SetUp() override
    {
        CCascadioModelTest::SetUp();
        SetWell(s_aWell);
    }
    CCascadioSubmitResult Submit(std::initializer_list<std::pair<int, int>> aCells)
    {
        TapCells(aCells);
        return m_game.SubmitWord(&m_check);
    }
    CListWordCheck m_check{{"cat", "dog", "quiz"}};
};

TEST_F(CascadioPlayModel, ChainRules)
{
    TapCells({{0, 4}, {1, 4}});
    EXPECT_FALSE(m_game.TapCell(5, 0)); // not next to the last cell
    EXPECT_FALSE(m_game.TapCell(0, 4)); // an earlier cell of the chain
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}, {1, 4}}));
    EXPECT_TRUE(m_game.TapCell(1, 4)); // the last one again: taken out
    EXPECT_TRUE(m_game.TapCell(1, 5)); // diagonal neighbours count
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}, {1, 5}}));
    EXPECT_TRUE(m_game.IsSelected(1, 5) && !m_game.IsSelected(1, 4));
    EXPECT_EQ(m_game.ChainWord(), QStringLiteral("CX"));
    int c = -1, r = -1;
    EXPECT_TRUE(m_game.TakeBackLetter(c, r));
    EXPECT_EQ(std::pair(c, r), std::pair(1, 5));
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}}));
    EXPECT_FALSE(m_game.IsSelected(1, 5));
    EXPECT_TRUE(m_game.TakeBackLetter(c, r));
    EXPECT_FALSE(m_game.TakeBackLetter(c, r));
    EXPECT_FALSE(m_game.TapCell(7, 0) || m_game.TapCell(0, -1)); // off the well

    // No game, no chain.
    m_game.Quit();
    EXPECT_FALSE(m_game.TapCell(0, 0));
    EXPECT_EQ(m_game.PathLength(), 0);
}

TEST_F(CascadioPlayModel, SubmissionOutcomes)
{
    // Unknown words: refused with the notice, or offered for adding; the chain goes either way.
    struct Case {
        bool bOffer, bYes;
        ECascadioSubmit eOutcome;
        const char* pszNotice;
        int nScore;
    } const aCases[] = {
        {false, false, ECascadioSubmit::Refused, "'XXX' is not a valid word.", 0},
        {true, false, ECascadioSubmit::Refused, "", 0},
        {true, true, ECascadioSubmit::Accepted, "", 225},
    };
    for (const Case& test : aCases) {
        m_check.bOffer = test.bOffer;
        m_check.bYes = test.bYes;
        const CCascadioSubmitResult result = Submit({{4, 0}, {5, 0}, {6, 0}});
        EXPECT_EQ(result.eOutcome, test.eOutcome) << test.pszNotice;
        EXPECT_EQ(result.strNotice, QString::fromLatin1(test.pszNotice));
        EXPECT_TRUE(m_game.Score() == test.nScore && m_game.PathLength() == 0) << test.pszNotice;
    }
    EXPECT_EQ(m_check.astrAsked, (QStringList{"XXX", "XXX"}));

    // Two cells spelling three letters through "Qu" are too short; the chain stays.
    CCascadioSubmitResult result = Submit({{0, 6}, {1, 6}});
    EXPECT_EQ(result.eOutcome, ECascadioSubmit::TooShort);
    EXPECT_EQ(result.strNotice, QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(m_game.PathLength(), 2);

    // Without a dictionary a submission does nothing at all.
    m_game.TapCell(2, 6);
    result = m_game.SubmitWord(nullptr);
    EXPECT_TRUE(result.eOutcome == ECascadioSubmit::NoDictionary && result.strNotice.isEmpty());
    EXPECT_TRUE(m_game.PathLength() == 3 && m_game.Score() == 225);
}

TEST_F(CascadioPlayModel, ScoresAndHighScoreOnlyWhenExceeded)
{
    int nHigh = 525;
    m_game.SetHighScore(&nHigh);
    Submit({{0, 4}, {1, 4}, {2, 4}}); // CAT
    EXPECT_EQ(std::pair(m_game.Score(), nHigh), std::pair(225, 525));
    nHigh = 526;
    Submit({{0, 6}, {1, 6}, {2, 6}}); // QU-I-Z: four characters from three cells
    EXPECT_EQ(std::pair(m_game.Score(), nHigh), std::pair(525, 526));
    Submit({{0, 2}, {0, 3}, {0, 4}}); // DOG has fallen two rows by now
    EXPECT_EQ(std::pair(m_game.Score(), nHigh), std::pair(750, 750));
    EXPECT_TRUE(WellIsFull());
}

TEST_F(CascadioPlayModel, RemovalSlidesAndRefillEqualACompaction)
{
    SetWell({"ABXXXXX", "BCXXXXX", "CDXXXXX", "DEXXXXX", "EFXXXXX", "FGXXXXX", "GHXXXXX"}, {{0, 1, 5}, {0, 0, 3}});
    m_check.bOffer = m_check.bYes = true;
    const CCascadioSubmitResult result = Submit({{0, 2}, {1, 3}, {0, 4}}); // column 0 loses rows 2 and 4, column 1 row 3
    ASSERT_EQ(result.eOutcome, ECascadioSubmit::Accepted);
    EXPECT_EQ(m_game.Score(), 225);
    EXPECT_EQ(Row(2).left(2) + Row(3).left(2) + Row(4).left(2) + Row(5).left(2) + Row(6).left(2),
              QStringLiteral("ACBDDFFGGH"));
    EXPECT_EQ(Row(1).mid(1, 1), QStringLiteral("B"));
    // The critters rode down with their letters.
    EXPECT_EQ(std::tuple(m_game.Critter(0, 3), m_game.Critter(0, 2), m_game.CritterCount()), std::tuple(5, 3, 2));
    EXPECT_TRUE(WellIsFull() && m_game.PathLength() == 0 && m_game.IsRunning());
    for (int i = 0; i < CASC_CELLS; ++i)
        EXPECT_FALSE(m_game.IsSelected(i / 7, i % 7));

    // What the window animates: the erased cells, the lowest row per column, and the strips,
    // right-hand column first, each from the bottom up, the topmost reaching the top of the well.
    const CCascadioRemoval& removal = result.removal;
    for (int i = 0; i < CASC_CELLS; ++i)
        EXPECT_EQ(removal.abErased[i], i == CascCell(0, 2) || i == CascCell(1, 3) || i == CascCell(0, 4)) << i;
    EXPECT_EQ(std::vector<int>(removal.anLowest, removal.anLowest + 7), (std::vector<int>{4, 3, -1, -1, -1, -1, -1}));
    ASSERT_EQ(removal.aSlides.size(), 3u);
    const CCascadioSlide& a = removal.aSlides[0];
    const CCascadioSlide& b = removal.aSlides[1];
    const CCascadioSlide& d = removal.aSlides[2];
    EXPECT_TRUE(a.rc == CRect(45, 30, 75, 120) && a.nRemaining == 30 && a.nStep == 3);
    EXPECT_TRUE(b.rc == CRect(15, 120, 45, 150) && b.nRemaining == 30 && b.nStep == 3);
    EXPECT_TRUE(d.rc == CRect(15, 30, 45, 90) && d.nRemaining == 60 && d.nStep == 6);
    EXPECT_FALSE(removal.bEnded);

    // A critter carried into the bottom row ends the game at once, after the word is scored.
    PutCritters({{2, 5, 4}});
    const CCascadioSubmitResult ended = Submit({{1, 6}, {2, 6}, {3, 6}});
    EXPECT_EQ(m_game.Score(), 450);
    EXPECT_NE(m_game.Critter(2, 6), 0);
    EXPECT_TRUE(ended.removal.bEnded && m_game.IsGameOver() && !m_game.IsRunning() && WellIsFull());
    EXPECT_FALSE(m_game.TapCell(0, 0));
}

TEST_F(CascadioPlayModel, CritterInTheWordRaisesDifficultyOnlyBelowTheTopRow)
{
    SetWell({"CATXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX"}, {{1, 0, 9}});
    Submit({{0, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(std::pair(m_game.MaxCritters(), m_game.CritterCount()), std::pair(1, 0));
    int nRaised = 0;
    for (int nRun = 0; nRun < 20; ++nRun) {
        SetWell({"XXXXXXX", "XXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX"}, {{1, 3, 9}});
        srand(100 + nRun);
        Submit({{0, 3}, {1, 3}, {2, 3}});
        EXPECT_EQ(m_game.CritterCount(), 0);
        nRaised += m_game.MaxCritters() > 1 || m_game.SpawnInterval() < 15000;
    }
    EXPECT_TRUE(nRaised > 6 && nRaised < 20) << nRaised; // by chance, not always
}

TEST_F(CascadioPlayModel, NewLettersAndPause)
{
    for (const auto& [nScore, nAfter] : {std::pair{24, 24}, std::pair{25, 0}, std::pair{100, 75}}) {
        SetWell(s_aWell, {{3, 3, 8}});
        CCascadioState state = m_game.State();
        state.nScore = nScore;
        m_game.Load(state);
        TapCells({{0, 4}, {1, 4}});
        EXPECT_EQ(m_game.NewLetters(), nScore >= 25);
        EXPECT_TRUE(m_game.Score() == nAfter && m_game.PathLength() == 0) << nScore;
        EXPECT_TRUE(m_game.MaxCritters() == 2 || m_game.SpawnInterval() == 12000);
        EXPECT_EQ(m_game.CritterCount(), 1);
        EXPECT_NE(Row(0) + Row(1) + Row(2) + Row(4), QStringLiteral("DXXXXXXOXXXXXXGXXXXXXCATXXXX"));
        EXPECT_TRUE(WellIsFull());
    }

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_game.Pause(), QStringLiteral("Game paused.  Press OK to resume.")) << i;
    EXPECT_EQ(m_game.Pause(), QStringLiteral("Game paused (against my better judgement).  Press OK to resume."));
    EXPECT_EQ(m_game.PauseCount(), 6);
    m_game.NewGame();
    EXPECT_EQ(m_game.Pause(), QStringLiteral("Game paused.  Press OK to resume."));
}

TEST_F(CascadioPlayModel, QuitEmptiesTheWellOnlyWhileRunning)
{
    TapCells({{0, 4}});
    EXPECT_TRUE(m_game.Quit());
    EXPECT_TRUE(!m_game.IsRunning() && !m_game.IsGameOver() && m_game.Score() == 0 && m_game.PathLength() == 0);
    EXPECT_TRUE(m_game.Letter(0, 0).isEmpty() && m_game.CritterCount() == 0 && m_game.MaxCritters() == 1);
    EXPECT_FALSE(m_game.Quit());
    // After the end a quit leaves the well as it stands.
    SetWell(s_aWell, {{0, 6, 1}});
    m_game.Tick();
    ASSERT_TRUE(m_game.IsGameOver());
    EXPECT_FALSE(m_game.Quit());
    EXPECT_TRUE(m_game.IsGameOver() && m_game.Letter(0, 0) == QStringLiteral("D"));
}

TEST_F(CascadioPlayModel, TypedLettersSelectAChainThatSpellsThem)
{
    const auto fnDropChain = [this] {
        int c = 0, r = 0;
        while (m_game.TakeBackLetter(c, r)) {
        }
    };
    bool abChanged[CASC_CELLS] = {};
    for (QChar ch : QStringLiteral("dOg"))
        EXPECT_TRUE(m_game.TypeLetter(ch, abChanged));
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 0}, {0, 1}, {0, 2}}));
    EXPECT_TRUE(abChanged[CascCell(0, 0)] && abChanged[CascCell(0, 2)] && !abChanged[CascCell(1, 1)]);
    bool abNone[CASC_CELLS] = {};
    EXPECT_FALSE(m_game.TypeLetter('k', abNone)) << "no K in the well";
    EXPECT_TRUE(std::none_of(std::begin(abNone), std::end(abNone), [](bool b) { return b; }));
    EXPECT_EQ(m_game.ChainWord(), QStringLiteral("DOG"));

    // A tapped chain is typed on: the Qu tile was tapped, so "qu" is typed already.
    fnDropChain();
    TapCells({{0, 6}});
    EXPECT_EQ(m_game.GetTyped(), "qu");
    bool abQuiz[CASC_CELLS] = {};
    for (QChar ch : QStringLiteral("iz"))
        EXPECT_TRUE(m_game.TypeLetter(ch, abQuiz));
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 6}, {1, 6}, {2, 6}}));
    EXPECT_EQ(m_game.SubmitWord(&m_check).eOutcome, ECascadioSubmit::Accepted);

    // Typed from nothing, "q" alone takes the Qu tile; Backspace gives letters back one by one.
    SetWell(s_aWell);
    bool abBack[CASC_CELLS] = {};
    EXPECT_FALSE(m_game.TypeBackspace(abBack)) << "nothing typed";
    EXPECT_TRUE(m_game.TypeLetter('q', abBack));
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 6}}));
    EXPECT_TRUE(m_game.TypeLetter('u', abBack));
    EXPECT_TRUE(m_game.TypeBackspace(abBack));
    EXPECT_EQ(m_game.GetTyped(), "q");
    EXPECT_TRUE(m_game.TypeBackspace(abBack));
    EXPECT_EQ(m_game.PathLength(), 0);
}
