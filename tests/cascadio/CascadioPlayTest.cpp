// Cascadio play: the chain rules, each submission message, scores and the high score, removal with
// the slide and refill, new letters, pause, and what the window shows.
#include "tests/cascadio/CascadioTestSupport.h"

namespace {
const std::vector<const char*> s_aWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "qIZXXXX"};
}

class CascadioPlay : public CCascadioFixture {
protected:
    void SetUp() override
    {
        CCascadioFixture::SetUp();
        m_bClockRuns = true;
        m_pDictionary = MakeDictionary({"cat", "dog", "quiz"});
        m_wnd.SetDictionary(m_pDictionary.get());
        m_settings.m_bVerifyIncorrect = FALSE;
        SetWell(s_aWell);
    }
    void Submit(std::initializer_list<std::pair<int, int>> aCells)
    {
        TapCells(aCells);
        TapSubmit();
    }
    std::vector<CPoint> Path() const { return std::vector<CPoint>(m_wnd.m_aPath, m_wnd.m_aPath + m_wnd.m_nPathLen); }
    bool WellIsFull() const
    {
        return std::none_of(std::begin(m_wnd.m_strLetters), std::end(m_wnd.m_strLetters),
                            [](const QString& s) { return s.isEmpty(); });
    }
    std::unique_ptr<CDictionary> m_pDictionary;
};

TEST_F(CascadioPlay, ChainRules)
{
    TapCells({{0, 4}, {1, 4}});
    TapCell(5, 0); // not next to the last cell
    TapCell(0, 4); // an earlier cell of the chain
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}, {1, 4}}));
    TapCell(1, 4); // the last one again: taken out
    TapCell(1, 5); // diagonal neighbours count
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}, {1, 5}}));
    EXPECT_TRUE(m_wnd.m_abSelected[CascCell(1, 5)] && !m_wnd.m_abSelected[CascCell(1, 4)]);
    TapBack();
    EXPECT_EQ(Path(), (std::vector<CPoint>{{0, 4}}));
    EXPECT_EQ(m_wnd.m_abSelected[CascCell(1, 5)], 0);

    // While a box is open or after the end, taps do nothing, buttons included.
    for (BOOL* pbFlag : {&m_wnd.m_bDialogOpen, &m_wnd.m_bGameOver}) {
        *pbFlag = TRUE;
        TapCell(1, 4);
        TapPause();
        *pbFlag = FALSE;
    }
    EXPECT_EQ(m_wnd.m_nPathLen, 1);
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(CascadioPlay, SubmissionMessages)
{
    const std::tuple<BOOL, int, const char*, const char*, int> aCases[] = {
        {FALSE, IDNO, "'XXX' is not a valid word.", "Quillotrix", 0},
        {TRUE, IDNO, "'XXX' not found in dictionary.  Add it?", "Unknown word", 0},
        {TRUE, IDYES, "'XXX' not found in dictionary.  Add it?", "Unknown word", 225},
    };
    for (const auto& [bVerify, nAnswer, pszText, pszCaption, nScore] : aCases) {
        m_boxes.Clear();
        m_settings.m_bVerifyIncorrect = bVerify;
        m_boxes.nDefaultAnswer = nAnswer;
        Submit({{4, 0}, {5, 0}, {6, 0}});
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << pszText;
        EXPECT_EQ(m_boxes.LastText(), QString::fromLatin1(pszText));
        EXPECT_EQ(m_boxes.boxes[0].strCaption, QString::fromLatin1(pszCaption));
        EXPECT_TRUE(m_wnd.m_nScore == nScore && m_wnd.m_nPathLen == 0 && !m_wnd.m_bDialogOpen) << pszText;
    }
    EXPECT_TRUE(m_pDictionary->Contains(QStringLiteral("XXX")));

    // Two cells spelling three letters through "Qu" are too short; the chain stays.
    m_boxes.Clear();
    Submit({{0, 6}, {1, 6}});
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(m_wnd.m_nPathLen, 2);

    // Without a loaded dictionary a submission does nothing at all.
    TapCell(2, 6);
    m_boxes.Clear();
    m_wnd.SetDictionary(nullptr);
    TapSubmit();
    EXPECT_TRUE(m_boxes.boxes.empty() && m_wnd.m_nPathLen == 3 && m_wnd.m_nScore == 225);
}

TEST_F(CascadioPlay, ScoresAndHighScoreOnlyWhenExceeded)
{
    m_settings.m_nDropHiScore = 525;
    Submit({{0, 4}, {1, 4}, {2, 4}}); // CAT
    EXPECT_EQ(std::pair(m_wnd.m_nScore, m_settings.m_nDropHiScore), std::pair(225, 525));
    m_settings.m_nDropHiScore = 526;
    Submit({{0, 6}, {1, 6}, {2, 6}}); // QU-I-Z: four characters from three cells
    EXPECT_EQ(std::pair(m_wnd.m_nScore, m_settings.m_nDropHiScore), std::pair(525, 526));
    Submit({{0, 2}, {0, 3}, {0, 4}}); // DOG has fallen two rows by now
    EXPECT_EQ(std::pair(m_wnd.m_nScore, m_settings.m_nDropHiScore), std::pair(750, 750));
    EXPECT_TRUE(m_boxes.boxes.empty() && WellIsFull());
}

TEST_F(CascadioPlay, SlideAndRefillEqualACompaction)
{
    SetWell({"ABXXXXX", "BCXXXXX", "CDXXXXX", "DEXXXXX", "EFXXXXX", "FGXXXXX", "GHXXXXX"});
    m_wnd.m_anCritter[CascCell(0, 1)] = 5; // rides down with its B
    m_wnd.m_anCritter[CascCell(0, 0)] = 3; // rides down with its A
    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.nDefaultAnswer = IDYES;
    Submit({{0, 2}, {1, 3}, {0, 4}}); // column 0 loses rows 2 and 4, column 1 row 3
    EXPECT_EQ(m_wnd.m_nScore, 225);
    EXPECT_EQ(Row(2).left(2) + Row(3).left(2) + Row(4).left(2) + Row(5).left(2) + Row(6).left(2),
              QStringLiteral("ACBDDFFGGH"));
    EXPECT_EQ(Row(1).mid(1, 1), QStringLiteral("B"));
    EXPECT_EQ(std::tuple(m_wnd.m_anCritter[CascCell(0, 3)], m_wnd.m_anCritter[CascCell(0, 2)], CritterCount()),
              std::tuple(5, 3, 2));
    EXPECT_TRUE(WellIsFull() && m_wnd.m_nPathLen == 0 && m_wnd.m_bRunning);
    EXPECT_TRUE(std::none_of(std::begin(m_wnd.m_abSelected), std::end(m_wnd.m_abSelected), [](signed char b) { return b; }));

    // A critter carried into the bottom row ends the game at once, after the word is scored.
    m_wnd.m_anCritter[CascCell(2, 5)] = 4;
    Submit({{1, 6}, {2, 6}, {3, 6}});
    EXPECT_EQ(m_wnd.m_nScore, 450);
    EXPECT_NE(m_wnd.m_anCritter[CascCell(2, 6)], 0);
    EXPECT_TRUE(m_wnd.m_bGameOver && !m_wnd.m_bRunning && m_wnd.m_nTimerId == 0 && WellIsFull());
}

TEST_F(CascadioPlay, CritterInTheWordRaisesDifficultyOnlyBelowTheTopRow)
{
    SetWell({"CATXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX"});
    m_wnd.m_anCritter[CascCell(1, 0)] = 9;
    Submit({{0, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(std::pair(m_wnd.m_nMaxCritters, CritterCount()), std::pair(1, 0));
    int nRaised = 0;
    for (int nRun = 0; nRun < 20; ++nRun) {
        SetWell({"XXXXXXX", "XXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX"});
        m_wnd.m_anCritter[CascCell(1, 3)] = 9;
        srand(100 + nRun);
        Submit({{0, 3}, {1, 3}, {2, 3}});
        EXPECT_EQ(CritterCount(), 0);
        nRaised += m_wnd.m_nMaxCritters > 1 || m_wnd.m_nSpawnInterval < 15000;
    }
    EXPECT_TRUE(nRaised > 6 && nRaised < 20) << nRaised; // by chance, not always
}

TEST_F(CascadioPlay, NewLettersAndPause)
{
    for (const auto& [nScore, nAfter] : {std::pair{24, 24}, std::pair{25, 0}, std::pair{100, 75}}) {
        SetWell(s_aWell);
        m_wnd.m_nScore = nScore;
        m_wnd.m_anCritter[CascCell(3, 3)] = 8;
        TapCells({{0, 4}, {1, 4}});
        TapNewLetters();
        EXPECT_TRUE(m_wnd.m_nScore == nAfter && m_wnd.m_nPathLen == 0) << nScore;
        EXPECT_TRUE(m_wnd.m_nMaxCritters == 2 || m_wnd.m_nSpawnInterval == 12000);
        EXPECT_EQ(CritterCount(), 1);
        EXPECT_NE(Row(0) + Row(1) + Row(2) + Row(4), QStringLiteral("DXXXXXXOXXXXXXGXXXXXXCATXXXX"));
        EXPECT_TRUE(WellIsFull());
    }

    for (int i = 0; i < 6; ++i)
        TapPause();
    ASSERT_EQ(m_boxes.boxes.size(), 6u);
    EXPECT_EQ(m_boxes.boxes[4].strText, QStringLiteral("Game paused.  Press OK to resume."));
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Game paused (against my better judgement).  Press OK to resume."));
    m_wnd.NewGame();
    TapPause();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Game paused.  Press OK to resume."));
}

TEST_F(CascadioPlay, ScoreDigitsAndCritterFrames)
{
    // A million or more shows as 999999 rather than reading past the digit strip.
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        m_wnd.m_nScore = nScore;
        m_wnd.DrawScore();
        EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, pszDigits)) << nScore;
    }
    EXPECT_FALSE(ShowsDigits(LogicalSurface(m_wnd), 89, "234567")); // not wrapped either
    // A stray negative count still picks a frame of the strip.
    const std::pair<int, int> aFrames[] = {{0, 0}, {2, 10}, {4, 20}, {6, 30}, {7, 0}, {12, 0}, {13, 30}, {-5, 0}};
    for (const auto& [nValue, nX] : aFrames)
        EXPECT_EQ(CCascadioWnd::CritterFrameX(nValue), nX) << nValue;
}
