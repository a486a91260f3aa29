// Cascadio play in the window: taps and buttons reaching the game, held taps, each submission
// message, the high score in the settings, and what the screen shows after a word and new letters.
#include "tests/cascadio/CascadioTestSupport.h"

namespace {
const std::vector<const char*> s_aWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "qIZXXXX"};
} // namespace

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
    // Pixels of the selected letter colour in cell (c, r).
    int SelectedPixels(int c, int r) const
    {
        return CountPixels(LogicalSurface(m_wnd), CRect(15 + 30 * c, 30 + 30 * r, 45 + 30 * c, 60 + 30 * r),
                           ToRgb(m_settings.m_crFontSelectedColor));
    }
    // The screen after a repaint equals what the last operation left.
    void ExpectScreenAsRepainted(const char* pszWhat)
    {
        const QImage img = LogicalSurface(m_wnd);
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
        EXPECT_EQ(WellDifferences(img, LogicalSurface(m_wnd)), 0) << pszWhat;
        EXPECT_EQ(img.copy(0, 0, 240, 30), LogicalSurface(m_wnd).copy(0, 0, 240, 30)) << pszWhat;
    }
    std::unique_ptr<CDictionary> m_pDictionary;
};

TEST_F(CascadioPlay, TapsBuildTheChainAndRedrawTheirTiles)
{
    TapCells({{0, 4}, {1, 4}});
    TapCell(5, 0); // not next to the last cell
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(14, 45)); // left of the well
    EXPECT_EQ(Game().PathLength(), 2);
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("CA"));
    EXPECT_GT(SelectedPixels(1, 4), 10);
    EXPECT_EQ(SelectedPixels(5, 0), 0);
    TapBack();
    EXPECT_EQ(std::pair(Game().PathLength(), SelectedPixels(1, 4)), std::pair(1, 0));
    TapCell(0, 4); // the last one again: out
    EXPECT_EQ(std::pair(Game().PathLength(), SelectedPixels(0, 4)), std::pair(0, 0));
    TapCell(0, 4);

    // While a box is open, while the player is away, and after the end, taps do nothing, buttons
    // included.
    m_wnd.SetDialogOpen(TRUE);
    TapCell(1, 4);
    TapPause();
    m_wnd.SetDialogOpen(FALSE);
    m_wnd.SetAway(TRUE);
    TapCell(1, 4);
    TapPause();
    m_wnd.SetAway(FALSE);
    EXPECT_EQ(Game().PathLength(), 1);
    EXPECT_TRUE(m_boxes.boxes.empty());
    SetWell(s_aWell, {{0, 6, 1}});
    Ticks(1);
    ASSERT_TRUE(Game().IsGameOver());
    TapCell(0, 0);
    TapPause();
    EXPECT_TRUE(Game().PathLength() == 0 && m_boxes.boxes.empty());
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
        EXPECT_TRUE(Game().Score() == nScore && Game().PathLength() == 0 && !m_wnd.IsHeld()) << pszText;
        ExpectScreenAsRepainted(pszText);
    }
    EXPECT_TRUE(m_pDictionary->Contains(QStringLiteral("XXX")));

    // Two cells spelling three letters through "Qu" are too short; the chain stays.
    m_boxes.Clear();
    Submit({{0, 6}, {1, 6}});
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(Game().PathLength(), 2);

    // Without a loaded dictionary a submission does nothing at all.
    TapCell(2, 6);
    m_boxes.Clear();
    m_wnd.SetDictionary(nullptr);
    TapSubmit();
    EXPECT_TRUE(m_boxes.boxes.empty() && Game().PathLength() == 3 && Game().Score() == 225);
}

TEST_F(CascadioPlay, AWordRaisesTheHighScoreAndSlidesIntoWhatARepaintShows)
{
    m_settings.m_nDropHiScore = 300;
    SetWell(s_aWell, {{1, 1, 5}, {5, 5, 12}});
    Submit({{0, 4}, {1, 4}, {2, 4}}); // CAT, across three columns
    EXPECT_EQ(std::pair(Game().Score(), m_settings.m_nDropHiScore), std::pair(225, 300)); // not passed
    EXPECT_EQ(Game().Critter(1, 2), 5); // carried down with its letter
    Submit({{0, 1}, {0, 2}, {0, 3}}); // DOG, fallen one row, down column 0
    EXPECT_EQ(std::pair(Game().Score(), m_settings.m_nDropHiScore), std::pair(450, 450));
    EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, "000450"));
    ExpectScreenAsRepainted("after the slide");

    // A critter carried into the bottom row ends the game at once: the timer stops, the label shows.
    SetWell(s_aWell, {{2, 5, 4}});
    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.nDefaultAnswer = IDYES; // "IZX" added
    Submit({{1, 6}, {2, 6}, {3, 6}});
    EXPECT_TRUE(Game().IsGameOver() && m_wnd.GetTimerId() == 0u);
    const QImage img = LogicalSurface(m_wnd);
    EXPECT_EQ(img.pixel(75, 134) & 0xFFFFFF, 0xFFFFFFu);
    ExpectScreenAsRepainted("at the end");
}

TEST_F(CascadioPlay, NewLettersAndPauseButtons)
{
    CCascadioState state = Game().State();
    state.nScore = 100;
    LoadState(state);
    TapCells({{0, 4}, {1, 4}});
    TapNewLetters();
    EXPECT_TRUE(Game().Score() == 75 && Game().PathLength() == 0 && Game().CritterCount() == 1);
    EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, "000075"));
    ExpectScreenAsRepainted("new letters");

    for (int i = 0; i < 6; ++i)
        TapPause();
    ASSERT_EQ(m_boxes.boxes.size(), 6u);
    EXPECT_EQ(m_boxes.boxes[4].strText, QStringLiteral("Game paused.  Press OK to resume."));
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Game paused (against my better judgement).  Press OK to resume."));
    EXPECT_FALSE(m_wnd.IsHeld());
    m_wnd.NewGame();
    TapPause();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Game paused.  Press OK to resume."));
}

TEST_F(CascadioPlay, ScoreDigitsAndCritterFrames)
{
    // A million or more shows as 999999 rather than reading past the digit strip.
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        CCascadioState state = Game().State();
        state.nScore = nScore;
        LoadState(state);
        EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, pszDigits)) << nScore;
    }
    EXPECT_FALSE(ShowsDigits(LogicalSurface(m_wnd), 89, "234567")); // not wrapped either
    // A stray negative count still picks a frame of the strip.
    const std::pair<int, int> aFrames[] = {{0, 0}, {2, 10}, {4, 20}, {6, 30}, {7, 0}, {12, 0}, {13, 30}, {-5, 0}};
    for (const auto& [nValue, nX] : aFrames)
        EXPECT_EQ(CCascadioWnd::CritterFrameX(nValue), nX) << nValue;
}
