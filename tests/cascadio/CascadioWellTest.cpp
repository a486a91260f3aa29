// The Cascadio well: letter generation, a new game, critters creeping, arriving and ending the game,
// the difficulty steps and the timer's life.
#include "tests/cascadio/CascadioTestSupport.h"
#include "tests/support/GameChecks.h"

namespace {
// The table index of a tile's letter.
int LetterIndex(const QString& strLetter)
{
    static const QString s_strTable = QStringLiteral("ETAOINUSRHLYDCMFPGWBVKXJQZ");
    return int(s_strTable.indexOf(strLetter == QStringLiteral("Qu") ? QStringLiteral("Q") : strLetter));
}
} // namespace

using CascadioWell = CCascadioFixture;

TEST_F(CascadioWell, GenerationOverManySeeds)
{
    int anBand[6] = {};
    for (unsigned nSeed = 1; nSeed <= 400; ++nSeed) {
        srand(nSeed);
        m_wnd.FillBoard();
        // Row by row from the top the offset walks 0..4 from 0, so cell i of that order holds a
        // letter of its band at position i % 5, or z.
        for (int i = 0; i < CASC_CELLS; ++i) {
            const QString& str = m_wnd.m_strLetters[CascCell(i % 7, i / 7)];
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

    // The refill offset carries on across calls and games; FillBoard never moves it.
    for (int i = 0; i < 12; ++i) {
        const int nExpected = CCascadioWnd::s_nLetterOffset;
        const int n = LetterIndex(CCascadioWnd::RandomLetter());
        EXPECT_TRUE(n == 25 || n % 5 == nExpected) << i;
        if (i == 5)
            m_wnd.NewGame();
    }
    EXPECT_EQ(CCascadioWnd::s_nLetterOffset, 12 % 5);
}

TEST_F(CascadioWell, NewGameAndFirstArrivals)
{
    srand(7);
    m_wnd.NewGame();
    EXPECT_TRUE(m_wnd.m_bRunning && m_wnd.m_nTimerId == 1u);
    EXPECT_EQ(CritterCount(), 1);
    int nTop = 0;
    for (int c = 0; c < 7; ++c)
        nTop += m_wnd.m_anCritter[CascCell(c, 0)];
    EXPECT_EQ(nTop, 1);

    // One allowed: nothing more arrives, however long it takes.
    m_dwNow += 20000;
    Ticks(3);
    EXPECT_EQ(CritterCount(), 1);

    // Two allowed: not before 15 s after the start (counted from the last change), then at once.
    m_wnd.NewGame();
    m_wnd.m_nMaxCritters = 2;
    m_dwNow += 15000;
    Ticks(1);
    EXPECT_EQ(CritterCount(), 1);
    m_dwNow += 1;
    Ticks(1);
    EXPECT_EQ(CritterCount(), 2);

    // With all seven top cells taken, arrival fails quietly and is tried again at the next tick.
    m_wnd.m_nMaxCritters = 10;
    m_wnd.m_nSpawnInterval = 0;
    m_wnd.m_dwNextSpawn = m_dwNow - 1;
    srand(5);
    std::fill(std::begin(m_wnd.m_anCritter), std::end(m_wnd.m_anCritter), 0);
    for (int c = 0; c < 7; ++c)
        m_wnd.m_anCritter[CascCell(c, 0)] = 1;
    Ticks(1);
    EXPECT_EQ(CritterCount(), 7);
    m_wnd.m_anCritter[CascCell(4, 0)] = 0;
    Ticks(1);
    EXPECT_EQ(m_wnd.m_anCritter[CascCell(4, 0)], 1);
}

TEST_F(CascadioWell, CreepMergeAndGameOverAtTheBottom)
{
    m_wnd.NewGame();
    std::fill(std::begin(m_wnd.m_anCritter), std::end(m_wnd.m_anCritter), 0);
    m_wnd.m_anCritter[CascCell(3, 0)] = 1;
    // The first row takes 60 ticks, every later one 59: the critter is in row r after 60 + 59 (r - 1).
    Ticks(60);
    EXPECT_EQ(std::pair(m_wnd.m_anCritter[CascCell(3, 0)], m_wnd.m_anCritter[CascCell(3, 1)]), std::pair(0, 2));
    Ticks(59 * 4 - 1);
    EXPECT_NE(m_wnd.m_anCritter[CascCell(3, 4)], 0);

    // A critter creeping onto another merges with it: one critter, its count started again.
    m_wnd.m_anCritter[CascCell(3, 5)] = 30;
    Ticks(1);
    EXPECT_EQ(std::pair(m_wnd.m_anCritter[CascCell(3, 4)], m_wnd.m_anCritter[CascCell(3, 5)]), std::pair(0, 2));

    Ticks(58);
    EXPECT_TRUE(m_wnd.m_bRunning);
    Ticks(1); // into row 6: over in the same tick
    EXPECT_NE(m_wnd.m_anCritter[CascCell(3, 6)], 0);
    EXPECT_TRUE(!m_wnd.m_bRunning && m_wnd.m_bGameOver && m_wnd.m_nTimerId == 0u);

    // The label is drawn over the board, white behind black text, and stays at every repaint.
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    const QImage img = LogicalSurface(m_wnd);
    EXPECT_EQ(img.pixel(75, 134) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(img.copy(75, 126, 90, 16).allGray());
    // Nothing moves after the end.
    const int nValue = m_wnd.m_anCritter[CascCell(3, 6)];
    Ticks(3);
    EXPECT_EQ(m_wnd.m_anCritter[CascCell(3, 6)], nValue);
}

TEST_F(CascadioWell, DifficultySteps)
{
    m_wnd.NewGame();
    const int anExpected[][3] = {
        {2, 15000, 60}, {2, 12000, 60}, {3, 12000, 60}, {3, 9000, 60}, {4, 9000, 60}, {4, 6000, 60},
        {5, 6000, 60},  {5, 3000, 60},  {6, 3000, 60},  {6, 0, 60},    {7, 0, 60},    {8, 0, 60},
        {9, 0, 60},     {10, 0, 60},    {10, 0, 50},    {10, 0, 40},   {10, 0, 30},   {10, 0, 20},
        {10, 0, 10},    {10, 0, 10},
    };
    for (const auto& step : anExpected) {
        m_dwNow += 7;
        m_wnd.IncreaseDifficulty(FALSE);
        EXPECT_EQ(std::tuple(m_wnd.m_nMaxCritters, m_wnd.m_nSpawnInterval, m_wnd.m_nStepTicks),
                  std::tuple(step[0], step[1], step[2]));
        EXPECT_EQ(m_wnd.m_dwNextSpawn, m_dwNow + DWORD(step[1]));
    }
}

TEST_F(CascadioWell, TimerStopsOnQuitAndHideAndComesBackWhenShown)
{
    m_wnd.NewGame();
    m_wnd.ShowWindow(SW_HIDE);
    Ticks(1);
    EXPECT_TRUE(m_wnd.m_nTimerId == 0u && m_wnd.m_bRunning);
    m_wnd.ShowWindow(SW_SHOW);
    m_wnd.UpdateWindow();
    EXPECT_EQ(m_wnd.m_nTimerId, 1u);

    ExpectQuitAsksFirst(m_wnd, m_boxes);
    EXPECT_FALSE(m_wnd.m_bGameOver || m_wnd.m_nTimerId || CritterCount());
    EXPECT_TRUE(m_wnd.m_strLetters[0].isEmpty());
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    EXPECT_EQ(m_wnd.m_nTimerId, 0u); // a quit game is not brought back by a repaint
}
