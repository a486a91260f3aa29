// The Cascadio well as a model: letter generation, the run-long values, a new game, critters
// creeping, arriving and ending the game, and the difficulty steps.
#include "tests/models/CascadioModelSupport.h"

namespace {
// The table index of a tile's letter.
int LetterIndex(const QString& strLetter)
{
    static const QString s_strTable = QStringLiteral("ETAOINUSRHLYDCMFPGWBVKXJQZ");
    return int(s_strTable.indexOf(strLetter == QStringLiteral("Qu") ? QStringLiteral("Q") : strLetter));
}

// Its own sequence, counted: the game must draw through it and nowhere else.
class CCascadioCountingRandom : public CGameRandom {
public:
    int Rand() override
    {
        ++nCalls;
        m_n = m_n * 1103515245u + 12345u;
        return int((m_n >> 16) & 0x7FFF);
    }
    int nCalls = 0;

private:
    unsigned m_n = 7;
};
} // namespace

using CascadioWellModel = CCascadioModelTest;

TEST_F(CascadioWellModel, GenerationOverManySeeds)
{
    int anBand[6] = {};
    for (unsigned nSeed = 1; nSeed <= 400; ++nSeed) {
        srand(nSeed);
        m_game.FillBoard();
        // Row by row from the top the offset walks 0..4 from 0, so cell i of that order holds a
        // letter of its band at position i % 5, or z.
        for (int i = 0; i < CASC_CELLS; ++i) {
            const QString& str = m_game.Letter(i % 7, i / 7);
            const int n = LetterIndex(str);
            ASSERT_TRUE(n >= 0 && (str.size() == 1 || str == QStringLiteral("Qu"))) << qPrintable(str);
            ASSERT_TRUE(n == 25 || n % 5 == i % 5) << "seed " << nSeed << " cell " << i;
            ++anBand[n == 25 ? 5 : n / 5];
        }
    }
    // 45 %, 24.75 %, 13.6 %, 7.5 %, 6.4 %, 2.7 % of 19600 letters.
    const double adExpected[6] = {0.45, 0.2475, 0.136125, 0.07486875, 0.064054375, 0.027451875};
    for (int b = 0; b < 6; ++b)
        EXPECT_NEAR(anBand[b] / 19600.0, adExpected[b], 0.015) << "band " << b;
}

TEST_F(CascadioWellModel, RunLongValuesCarryOverFromGameToGame)
{
    // The refill offset walks on across letters and games; FillBoard never moves it.
    CGameRandom& random = DefaultGameRandom();
    for (int i = 0; i < 12; ++i) {
        const int nExpected = m_run.LetterOffset();
        const int n = LetterIndex(m_run.RandomLetter(random));
        EXPECT_TRUE(n == 25 || n % 5 == nExpected) << i;
        if (i == 5)
            m_game.NewGame();
    }
    EXPECT_EQ(m_run.LetterOffset(), 12 % 5);

    // The alternation too: a second game on the same run starts its steps where the first left off,
    // one on a fresh run from the beginning.
    m_game.NewGame();
    m_game.IncreaseDifficulty(FALSE); // critters 2
    m_game.NewGame();
    m_game.IncreaseDifficulty(FALSE);
    EXPECT_EQ(std::pair(m_game.MaxCritters(), m_game.SpawnInterval()), std::pair(1, 12000));
    CCascadioRun run;
    CCascadioGame game(run);
    game.NewGame();
    game.IncreaseDifficulty(FALSE);
    EXPECT_EQ(std::pair(game.MaxCritters(), game.SpawnInterval()), std::pair(2, 15000));
}

TEST_F(CascadioWellModel, DrawsOnlyFromItsRandomSource)
{
    CCascadioCountingRandom random;
    CCascadioGame game(m_run, random);
    srand(5);
    const int nFirst = rand();
    srand(5);
    game.NewGame();
    // 49 letters take at least one number each, the first critter one more.
    EXPECT_GE(random.nCalls, CASC_CELLS + 1);
    EXPECT_TRUE(game.NewLetters() == FALSE && game.CritterCount() == 1);
    EXPECT_EQ(rand(), nFirst);
}

TEST_F(CascadioWellModel, NewGameAndFirstArrivals)
{
    srand(7);
    m_game.NewGame();
    EXPECT_TRUE(m_game.IsRunning() && !m_game.IsGameOver() && WellIsFull());
    EXPECT_EQ(m_game.CritterCount(), 1);
    int nTop = 0;
    for (int c = 0; c < 7; ++c)
        nTop += m_game.Critter(c, 0);
    EXPECT_EQ(nTop, 1);
    EXPECT_EQ(std::tuple(m_game.MaxCritters(), m_game.SpawnInterval(), m_game.StepTicks(), m_game.NextSpawn()),
              std::tuple(1, 15000, 60, m_dwNow + 15000));

    // One allowed: nothing more arrives, however long it takes.
    m_dwNow += 20000;
    Ticks(3);
    EXPECT_EQ(m_game.CritterCount(), 1);

    // Two allowed: not before 15 s after the start (counted from the last change), then at once.
    m_game.NewGame();
    m_game.IncreaseDifficulty(FALSE);
    ASSERT_EQ(m_game.MaxCritters(), 2);
    m_dwNow += 15000;
    Ticks(1);
    EXPECT_EQ(m_game.CritterCount(), 1);
    m_dwNow += 1;
    Ticks(1);
    EXPECT_EQ(m_game.CritterCount(), 2);
    EXPECT_EQ(m_game.NextSpawn(), m_dwNow + 15000);

    // With all seven top cells taken, arrival fails quietly and is tried again at the next tick.
    CCascadioState state = m_game.State();
    state.nMaxCritters = 10;
    state.nSpawnInterval = 0;
    std::fill(std::begin(state.anCritter), std::end(state.anCritter), 0);
    for (int c = 0; c < 7; ++c)
        state.anCritter[CascCell(c, 0)] = 1;
    m_game.Load(state);
    m_dwNow += 1;
    srand(5);
    Ticks(1);
    EXPECT_EQ(m_game.CritterCount(), 7);
    state = m_game.State();
    state.anCritter[CascCell(4, 0)] = 0;
    m_game.Load(state);
    m_dwNow += 1;
    Ticks(1);
    EXPECT_EQ(m_game.Critter(4, 0), 1);
}

TEST_F(CascadioWellModel, CreepMergeAndGameOverAtTheBottom)
{
    m_game.NewGame();
    PutCritters({{3, 0, 1}});
    // The first row takes 60 ticks, every later one 59: the critter is in row r after 60 + 59 (r - 1).
    Ticks(60);
    EXPECT_EQ(std::pair(m_game.Critter(3, 0), m_game.Critter(3, 1)), std::pair(0, 2));
    Ticks(59 * 4 - 1);
    EXPECT_NE(m_game.Critter(3, 4), 0);

    // A critter creeping onto another merges with it: one critter, its count started again.
    PutCritters({{3, 5, 30}}, false);
    Ticks(1);
    EXPECT_EQ(std::pair(m_game.Critter(3, 4), m_game.Critter(3, 5)), std::pair(0, 2));
    EXPECT_EQ(m_game.CritterCount(), 1);

    Ticks(58);
    EXPECT_TRUE(m_game.IsRunning());
    // Into row 6: over in the same tick, and the tick names every cell a critter was or is on.
    const CCascadioTick tick = m_game.Tick();
    EXPECT_NE(m_game.Critter(3, 6), 0);
    EXPECT_TRUE(tick.bEnded && !m_game.IsRunning() && m_game.IsGameOver());
    EXPECT_TRUE(tick.abChanged[CascCell(3, 5)] && tick.abChanged[CascCell(3, 6)] && !tick.abChanged[CascCell(3, 4)]);
    // Nothing moves after the end.
    const int nValue = m_game.Critter(3, 6);
    Ticks(3);
    EXPECT_EQ(m_game.Critter(3, 6), nValue);
    // A loaded critter already at the bottom ends the game at the first tick.
    PutCritters({{0, 6, 1}});
    EXPECT_TRUE(m_game.IsRunning());
    EXPECT_TRUE(m_game.Tick().bEnded);
}

TEST_F(CascadioWellModel, DifficultySteps)
{
    m_game.NewGame();
    const int anExpected[][3] = {
        {2, 15000, 60}, {2, 12000, 60}, {3, 12000, 60}, {3, 9000, 60}, {4, 9000, 60}, {4, 6000, 60},
        {5, 6000, 60},  {5, 3000, 60},  {6, 3000, 60},  {6, 0, 60},    {7, 0, 60},    {8, 0, 60},
        {9, 0, 60},     {10, 0, 60},    {10, 0, 50},    {10, 0, 40},   {10, 0, 30},   {10, 0, 20},
        {10, 0, 10},    {10, 0, 10},
    };
    for (const auto& step : anExpected) {
        m_dwNow += 7;
        m_game.IncreaseDifficulty(FALSE);
        EXPECT_EQ(std::tuple(m_game.MaxCritters(), m_game.SpawnInterval(), m_game.StepTicks()),
                  std::tuple(step[0], step[1], step[2]));
        EXPECT_EQ(m_game.NextSpawn(), m_dwNow + DWORD(step[1]));
    }
    // By chance: three times in ten nothing changes, not even the due time.
    int nUnchanged = 0;
    for (unsigned nSeed = 1; nSeed <= 200; ++nSeed) {
        m_game.NewGame();
        srand(nSeed);
        m_dwNow += 3;
        m_game.IncreaseDifficulty(TRUE);
        nUnchanged += m_game.NextSpawn() == m_dwNow - 3 + 15000 && m_game.MaxCritters() == 1 &&
                      m_game.SpawnInterval() == 15000;
    }
    EXPECT_NEAR(nUnchanged / 200.0, 0.3, 0.1);
}
