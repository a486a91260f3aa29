// Spanwright's rules on the model alone: spelling, submitting and scoring, new letters, the walk on
// ticks, levels, the fall, pauses, new game and quit.
#include <climits>

#include "tests/models/SpanwrightModelSupport.h"

class SpanwrightGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_game.SetWordCheck(&m_check);
        m_game.SetHighScore(&m_nHigh);
        StartWith("CATSDOG");
    }
    void StartWith(const char* pszLetters, int nScore = 0, int nBridgeLen = 0)
    {
        m_game.NewGame();
        ASSERT_TRUE(m_game.LoadFromText(GameText(pszLetters, nScore, nBridgeLen)));
    }
    std::vector<int> Order() const
    {
        std::vector<int> a;
        for (int i = 0; i < SPAN_TILES; ++i)
            a.push_back(m_game.Order(i));
        return a;
    }
    void Ticks(int n)
    {
        for (int k = 0; k < n; ++k)
            m_game.Tick();
    }
    std::pair<int, int> Walker() const { return {m_game.WalkerX(), m_game.WalkerFrame()}; }
    // Ticks until the animal has walked the pixels (or the game ended); the number of ticks.
    int WalkTo(int nX)
    {
        int n = 0;
        while (m_game.IsRunning() && m_game.WalkerX() < nX && n < 10000) {
            m_game.Tick();
            ++n;
        }
        return n;
    }

    CListWordCheck m_check{{"cat", "cats", "coats", "coast", "ascot", "tacos", "acts", "dog", "dogs", "god", "gods",
                            "cod", "cot", "doc", "goad", "toga", "togas", "scat", "catdog", "catdogs"}};
    int m_nHigh = 0;
    CSpanwrightGame m_game;
};

TEST_F(SpanwrightGame, TilesGoUpAndComeBack)
{
    using V = std::vector<int>;
    EXPECT_TRUE(m_game.TapTile(3));
    EXPECT_TRUE(m_game.TapTile(0));
    EXPECT_FALSE(m_game.TapTile(3)); // already in the word
    EXPECT_TRUE(m_game.TapTile(5));
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, 2, -1}));
    EXPECT_EQ(m_game.BuildWord(), "SCO");
    m_game.TapSlot(0); // not the last letter: nothing
    m_game.TapSlot(6); // an empty place: nothing
    EXPECT_EQ(m_game.Selected(), 3);
    m_game.TapSlot(2); // the last one goes back
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, -1, -1}));
    EXPECT_TRUE(m_game.TakeBackLetter());
    EXPECT_TRUE(m_game.TakeBackLetter());
    EXPECT_FALSE(m_game.TakeBackLetter()); // nothing left to take back
    EXPECT_EQ(Order(), V(7, -1));
    EXPECT_EQ(m_game.BuildWord(), "");
}

TEST_F(SpanwrightGame, ScoresBridgeUsedWordsAndHighScore)
{
    // The high score (before, after) moves only when a score goes past it.
    const std::tuple<const char*, int, int, int, int> aSteps[] = {
        {"CAT", 225, 3, 226, 226}, {"CATS", 525, 7, 525, 525}, {"COAST", 1025, 12, 600, 1025},
        {"TOGAS", 1525, 17, 1526, 1526}, {"DOGS", 1825, 21, 1824, 1825}, {"CATDOG", 2425, 27, 0, 2425},
    };
    for (const auto& [pszWord, nScore, nBridge, nHighBefore, nHigh] : aSteps) {
        m_nHigh = nHighBefore;
        const SpanwrightSubmit result = Submit(m_game, pszWord);
        EXPECT_TRUE(result.bAccepted && result.strNotice.isEmpty() && !result.bLevelDone) << pszWord;
        EXPECT_EQ(std::tuple(m_game.Score(), m_game.BridgeLen(), m_nHigh, m_game.Selected()),
                  std::tuple(nScore, nBridge, nHigh, 0)) << pszWord;
    }
    EXPECT_EQ(m_game.UsedWords(), (QStringList{"Catdog", "Dogs", "Togas", "Coast", "Cats", "Cat"}));
    // Seven letters: 700 points, and a score near the top of the range stops there.
    StartWith("CATSDOG", INT_MAX - 100);
    Submit(m_game, "CATDOGS");
    EXPECT_EQ(m_game.Score(), INT_MAX);
    EXPECT_EQ(m_nHigh, INT_MAX);
}

TEST_F(SpanwrightGame, RefusedWordsChangeNothingButTheSelection)
{
    Submit(m_game, "CAT");
    const std::tuple<const char*, bool, bool, const char*> aCases[] = {
        {"", false, false, "Words must be at least 3 letters long"}, // the used-word test comes first
        {"CA", false, false, "Words must be at least 3 letters long"},
        {"CAT", false, false, "You have already used that word"},
        {"TAC", false, false, "'TAC' is not a valid word."},
        {"TAC", true, false, ""}, // asked, and the player said No
    };
    for (const auto& [pszWord, bOffer, bYes, pszNotice] : aCases) {
        m_check.bOffer = bOffer;
        m_check.bYes = bYes;
        const SpanwrightSubmit result = Submit(m_game, pszWord);
        EXPECT_FALSE(result.bAccepted) << pszWord;
        EXPECT_EQ(result.strNotice, pszNotice) << pszWord;
        EXPECT_EQ(result.eTimer, ESpanTimer::Keep);
        EXPECT_EQ(std::tuple(m_game.Score(), m_game.BridgeLen(), m_game.Selected(), m_game.UsedWords().size()),
                  std::tuple(225, 3, 0, qsizetype(1))) << pszWord;
    }
    EXPECT_EQ(m_check.astrAsked, QStringList{"TAC"});
    // The same word in another letter case is still the same word.
    ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 0, 0, 5000, {"dOG"})));
    EXPECT_EQ(Submit(m_game, "DOG").strNotice, "You have already used that word");

    // Yes: the word is played, and from then on known without a question.
    m_check.bOffer = true;
    m_check.bYes = true;
    EXPECT_TRUE(Submit(m_game, "TAC").bAccepted);
    m_game.DealNewLetters(true);
    ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 225)));
    EXPECT_TRUE(Submit(m_game, "TAC").bAccepted);
    EXPECT_EQ(m_check.astrAsked.size(), 2);

    // With no word check every word is played.
    m_game.SetWordCheck(nullptr);
    EXPECT_TRUE(Submit(m_game, "GOT").bAccepted);
}

TEST_F(SpanwrightGame, NewLettersCostAndEmptyTheList)
{
    // 25 points unless the score is 25 or less, or the letters are free (a box open, a level done).
    const std::tuple<int, bool, int> aCases[] = {{26, false, 1}, {25, false, 25}, {0, false, 0}, {600, false, 575},
                                                 {600, true, 600}};
    for (const auto& [nScore, bFree, nAfter] : aCases) {
        ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", nScore, 3, 5000, {"Cat"})));
        m_game.TapTile(0);
        m_game.DealNewLetters(bFree);
        EXPECT_EQ(std::tuple(m_game.Score(), m_game.Selected(), m_game.UsedWords().size()),
                  std::tuple(nAfter, 0, qsizetype(0))) << nScore;
        EXPECT_NE(SortedLetters(m_game), "ACDGOST");
    }
}

TEST_F(SpanwrightGame, WalkStepsAndRestsOnTicks)
{
    // Before the first word no walk is under way: a stray tick stops the timer and moves nothing.
    EXPECT_FALSE(m_game.IsWalkUnderWay());
    EXPECT_EQ(m_game.Tick().eTimer, ESpanTimer::Stop);
    const SpanwrightSubmit first = Submit(m_game, "CATS");
    EXPECT_EQ(std::pair(first.eTimer, first.nPeriod), std::pair(ESpanTimer::Start, 5000));
    EXPECT_EQ(Submit(m_game, "DOG").eTimer, ESpanTimer::Keep); // already walking
    // One step: rest over, frames 1 to 6 moving 2, 2, 2, 2, 2, 1 pixels, then rest on frame 0.
    const std::tuple<int, int, ESpanTimer, int> aTicks[] = {
        {0, 1, ESpanTimer::Start, 200}, {2, 2, ESpanTimer::Keep, 0}, {4, 3, ESpanTimer::Keep, 0},
        {6, 4, ESpanTimer::Keep, 0},    {8, 5, ESpanTimer::Keep, 0}, {10, 6, ESpanTimer::Keep, 0},
        {11, 0, ESpanTimer::Start, 5000}, {11, 1, ESpanTimer::Start, 200},
    };
    for (const auto& [nX, nFrame, eTimer, nPeriod] : aTicks) {
        const SpanwrightTick tick = m_game.Tick();
        EXPECT_EQ(tick.eWhat, SpanwrightTick::Moved);
        EXPECT_EQ(std::tuple(m_game.WalkerX(), m_game.WalkerFrame(), tick.eTimer), std::tuple(nX, nFrame, eTimer)) << nX;
        if (eTimer == ESpanTimer::Start) {
            EXPECT_EQ(tick.nPeriod, nPeriod);
        }
        EXPECT_EQ(m_game.WalkPeriod(), nFrame == 0 ? 5000 : 200);
    }
    // A negative rest (a loaded game's) walks on without resting.
    ASSERT_TRUE(m_game.LoadFromText(QStringLiteral("0\t11\t5\t20\t-1\tC\t0\tA\t0\tT\t0\tS\t0\tD\t0\tO\t0\tG\t0\t0\t")));
    m_game.Tick();
    const SpanwrightTick tick = m_game.Tick();
    EXPECT_EQ(std::pair(tick.eTimer, Walker()), std::pair(ESpanTimer::Keep, std::pair(14, 1)));
}

TEST_F(SpanwrightGame, FallsExactlyPastTheEnd)
{
    // Bridge of 3: the fall comes at the first tick once the walker is past (3 + 4) * 6 - 18 = 24.
    Submit(m_game, "CAT");
    SpanwrightTick tick;
    for (int nTicks = 0; m_game.IsRunning() && nTicks < 100; ++nTicks) {
        ASSERT_LE(m_game.WalkerX(), 26);
        tick = m_game.Tick();
    }
    EXPECT_EQ(std::pair(tick.eWhat, tick.eTimer), std::pair(SpanwrightTick::Fell, ESpanTimer::Stop));
    EXPECT_EQ(Walker(), std::pair(26, 3)); // during its third step
    EXPECT_TRUE(m_game.IsGameOver() && !m_game.IsRunning() && !m_game.IsWalkUnderWay());
    // Over: the animal is gone for good, and a late tick stops the timer.
    tick = m_game.Tick();
    EXPECT_EQ(std::pair(tick.eWhat, tick.eTimer), std::pair(SpanwrightTick::Nothing, ESpanTimer::Stop));
    EXPECT_EQ(m_game.WalkerX(), 26);
    // A longer bridge holds out longer: with 10 letters the fall waits for x past 66.
    StartWith("CATSDOG", 0, 0);
    Submit(m_game, "CATDOGS");
    Submit(m_game, "GOD");
    ASSERT_EQ(m_game.BridgeLen(), 10);
    WalkTo(66);
    EXPECT_TRUE(m_game.IsRunning());
    WalkTo(67);
    m_game.Tick();
    EXPECT_TRUE(m_game.IsGameOver());
    EXPECT_LE(m_game.WalkerX(), 68);
}

TEST_F(SpanwrightGame, LevelsWaitAndShortenTheRest)
{
    m_game.SetWordCheck(nullptr); // every word is played
    Submit(m_game, "CATS");
    Ticks(3);
    StartWith("CATSDOG", 100, 24);
    ASSERT_TRUE(m_game.IsTimerStarted());
    const SpanwrightSubmit result = Submit(m_game, "CATSDOG"); // 31 letters reach across
    EXPECT_TRUE(result.bLevelDone);
    EXPECT_EQ(std::tuple(m_game.BridgeLen(), m_game.WalkerX(), m_game.WalkerFrame()), std::tuple(0, 0, 0));
    EXPECT_EQ(std::pair(m_game.StepDelay(), m_game.Score()), std::pair(4500, 800));
    // The animal waits on the left bank, the timer running on, and new letters are free.
    for (int k = 0; k < 10; ++k) {
        const SpanwrightTick tick = m_game.Tick();
        EXPECT_EQ(std::pair(tick.eWhat, tick.eTimer), std::pair(SpanwrightTick::Nothing, ESpanTimer::Keep));
    }
    m_game.DealNewLetters(false);
    EXPECT_EQ(m_game.Score(), 800);
    ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 800))); // the level done, letters known
    EXPECT_TRUE(m_game.IsLevelDone());
    // The next word ends the wait.
    EXPECT_FALSE(Submit(m_game, "DOG").bLevelDone);
    EXPECT_FALSE(m_game.IsLevelDone());
    EXPECT_EQ(m_game.Tick().eWhat, SpanwrightTick::Moved);

    // Each level rests 500 ms less, down to 1000; letters beyond a level are lost.
    for (int nDelay : {4500, 4000, 3500, 3000, 2500, 2000, 1500, 1000, 1000}) {
        ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 800, 30, m_game.StepDelay())));
        EXPECT_TRUE(Submit(m_game, "CATS").bLevelDone);
        EXPECT_EQ(std::pair(m_game.StepDelay(), m_game.BridgeLen()), std::pair(nDelay, 0));
    }
}

TEST_F(SpanwrightGame, PausesNewGameAndQuit)
{
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(m_game.PauseGame(), k <= 5 ? "Game Paused.  Press OK to resume."
                                             : "Game Paused (against my better judgement).  Press OK to resume.");
    EXPECT_EQ(m_game.PauseCount(), 7);

    Submit(m_game, "CATS");
    Ticks(3);
    m_game.NewGame(); // deals from the alphabet: no dictionary
    EXPECT_TRUE(m_game.IsRunning() && !m_game.IsGameOver() && !m_game.IsTimerStarted() && !m_game.IsWalkUnderWay());
    EXPECT_EQ(std::pair(m_game.StepDelay(), m_game.PauseCount()), std::pair(5000, 0));
    EXPECT_EQ(m_game.Score() + m_game.BridgeLen() + m_game.WalkerX() + m_game.WalkerFrame() + m_game.Selected(), 0);
    EXPECT_TRUE(m_game.UsedWords().isEmpty());
    EXPECT_EQ(SortedLetters(m_game).size(), 7u);
    EXPECT_EQ(m_game.PauseGame(), "Game Paused.  Press OK to resume.");

    StartWith("CATSDOG");
    Submit(m_game, "CATS");
    Ticks(3);
    m_game.QuitGame();
    EXPECT_FALSE(m_game.IsRunning() || m_game.IsGameOver() || m_game.IsTimerStarted());
    EXPECT_EQ(m_game.Score() + m_game.BridgeLen() + m_game.WalkerX() + m_game.UsedWords().size(), 0);
    EXPECT_EQ(SortedLetters(m_game), "");
}

TEST_F(SpanwrightGame, TypedLettersTakeTheFirstFreeTileThatShowsThem)
{
    StartWith("TATSDOT");
    EXPECT_EQ(m_game.TypeLetter('t'), 0);
    EXPECT_EQ(m_game.TypeLetter('T'), 2) << "the next free T, whatever the case typed";
    EXPECT_EQ(m_game.TypeLetter('a'), 1);
    EXPECT_EQ(Order(), (std::vector<int>{0, 2, 1, -1, -1, -1, -1}));
    EXPECT_EQ(m_game.TypeLetter('a'), -1) << "no free tile shows a second A";
    EXPECT_EQ(m_game.TypeLetter('z'), -1);
    EXPECT_EQ(m_game.TypeLetter('1'), -1);
    EXPECT_EQ(m_game.Selected(), 3);
    EXPECT_EQ(m_game.TypeLetter('t'), 6);
    ASSERT_TRUE(m_game.TakeBackLetter());
    EXPECT_EQ(m_game.TypeLetter('t'), 6) << "a tile taken back is free again";
}
