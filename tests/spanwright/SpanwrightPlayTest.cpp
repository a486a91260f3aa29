// Spanwright play in the window: taps reach the right tile or button, messages are shown with the
// game held, the walking timer follows the game, the fall ends it on screen, pausing and quitting.
#include "tests/spanwright/SpanwrightTestSupport.h"
#include "tests/support/GameChecks.h"

class SpanwrightPlay : public CSpanwrightFixture {
protected:
    void SetUp() override
    {
        CSpanwrightFixture::SetUp();
        m_pDictionary = Keep(MakeDictionary({"cat", "cats", "coats", "coast", "dog", "dogs", "god", "scat"}));
        m_wnd.SetDictionary(m_pDictionary);
        m_settings.m_bVerifyIncorrect = FALSE;
        StartWith("CATSDOG");
    }
    std::vector<int> Order() const
    {
        std::vector<int> a;
        for (int i = 0; i < SPAN_TILES; ++i)
            a.push_back(Game().Order(i));
        return a;
    }
    std::pair<int, int> Walker() const { return {Game().WalkerX(), Game().WalkerFrame()}; }
    CDictionary* m_pDictionary = nullptr;
};

TEST_F(SpanwrightPlay, TapsReachTilesPlacesAndButtons)
{
    using V = std::vector<int>;
    TapTile(3);
    TapTile(0);
    TapTile(5);
    // The edges of a tile: its left and top belong to it, its right and bottom to the next.
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(140, 175)); // tile 4's top-left corner
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, 3, 2, -1}));
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(139, 154)); // the bottom-right pixel of place 3
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, 2, -1}));
    TapSlot(0); // not the last letter: nothing
    TapBack();
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, -1, -1}));
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(19, 140)); // just right of the submit button: nothing
    EXPECT_TRUE(m_boxes.boxes.empty());
    TapSubmit(); // "SC": too short
    EXPECT_EQ(m_boxes.LastText(), "Words must be at least 3 letters long");
    EXPECT_EQ(Order(), (V(7, -1)));

    // After Quit there is no game: taps do nothing.
    m_boxes.Answer(IDYES);
    m_wnd.QuitGame();
    TapTile(0);
    TapPause();
    EXPECT_EQ(Game().Selected(), 0);
    EXPECT_EQ(m_boxes.LastText(), "Are you sure you want to quit?");
}

TEST_F(SpanwrightPlay, WordsScoreIntoTheListAndMessagesHoldTheGame)
{
    m_settings.m_nBridgeHiScore = 400;
    Submit("CATS");
    EXPECT_EQ(std::tuple(Game().Score(), Game().BridgeLen(), m_settings.m_nBridgeHiScore), std::tuple(300, 4, 400));
    Submit("DOGS");
    EXPECT_EQ(m_settings.m_nBridgeHiScore, 600);
    EXPECT_EQ(UsedWords(), (QStringList{"Dogs", "Cats"}));
    EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, "000600"));
    EXPECT_TRUE(m_boxes.boxes.empty());

    // Refused words: the message with the application's caption; the hold is put back after.
    const std::tuple<const char*, BOOL, int, const char*, const char*> aCases[] = {
        {"CATS", FALSE, 0, "You have already used that word", "Quillotrix"},
        {"TAC", FALSE, 0, "'TAC' is not a valid word.", "Quillotrix"},
        {"TAC", TRUE, IDNO, "'TAC' not found in dictionary.  Add it?", "Unknown word"},
    };
    for (const auto& [pszWord, bVerify, nAnswer, pszText, pszCaption] : aCases) {
        m_boxes.Clear();
        m_settings.m_bVerifyIncorrect = bVerify;
        if (nAnswer)
            m_boxes.Answer(nAnswer);
        Submit(pszWord);
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << pszWord;
        EXPECT_EQ(m_boxes.LastText(), pszText);
        EXPECT_EQ(m_boxes.boxes.back().strCaption, pszCaption);
        EXPECT_EQ(std::tuple(Game().Score(), Game().Selected()), std::tuple(600, 0)) << pszWord;
        EXPECT_FALSE(m_wnd.IsHeld());
    }
    // Yes adds the word to the program's dictionary.
    m_boxes.Clear();
    m_boxes.Answer(IDYES);
    Submit("TAC");
    EXPECT_EQ(Game().Score(), 825);
    EXPECT_TRUE(m_pDictionary->Contains(QStringLiteral("TAC")));

    // New letters: the list empties on screen too.
    TapNewLetters();
    EXPECT_EQ(std::pair(Game().Score(), UsedWords().size()), std::pair(800, qsizetype(0)));
}

TEST_F(SpanwrightPlay, TheWalkingTimerFollowsTheGameAndHolds)
{
    EXPECT_EQ(WalkTimerPeriod(), -1);
    Tick(); // a stray tick before the first word moves nothing
    EXPECT_EQ(Walker(), std::pair(0, 0));
    Submit("CATS");
    EXPECT_EQ(WalkTimerPeriod(), 5000);
    EXPECT_EQ(WalkTimerPeriod(), 5000);
    Tick();
    EXPECT_EQ(WalkTimerPeriod(), 200);
    Tick(6);
    EXPECT_EQ(Walker(), std::pair(11, 0));
    EXPECT_EQ(WalkTimerPeriod(), 5000);
    Tick();

    // A message box, the shell's chooser, the preferences, the player away: the walk holds.
    m_wnd.SetDialogOpen(TRUE);
    Tick(5);
    m_wnd.SetDialogOpen(FALSE);
    m_wnd.PauseForDialog();
    Tick(5);
    m_wnd.ResumeAfterDialog();
    m_wnd.SetAway(TRUE);
    Tick(5);
    m_wnd.SetAway(FALSE);
    EXPECT_EQ(Walker(), std::pair(11, 1));
    EXPECT_FALSE(m_wnd.IsHeld());
    // A hidden window stops the timer; shown again, the walk goes on at a step's pace.
    m_wnd.ShowWindow(SW_HIDE);
    Tick(3);
    EXPECT_EQ(WalkTimerPeriod(), -1);
    EXPECT_EQ(Walker(), std::pair(11, 1));
    m_wnd.ShowWindow(SW_SHOW);
    m_wnd.UpdateWindow();
    EXPECT_EQ(WalkTimerPeriod(), 200);

    // A new game stops the walk; the animal stands on the left bank until the next word.
    m_wnd.NewGame();
    EXPECT_EQ(WalkTimerPeriod(), -1);
    EXPECT_EQ(Walker(), std::pair(0, 0));
}

TEST_F(SpanwrightPlay, TheFallEndsTheGameOnScreen)
{
    Submit("CAT");
    for (int nTicks = 0; Game().IsRunning() && nTicks < 100; ++nTicks)
        Tick();
    EXPECT_TRUE(Game().IsGameOver());
    EXPECT_EQ(WalkTimerPeriod(), -1);
    EXPECT_EQ(m_wnd.GetSaveRefusal(), "Can't save: Game over");
    // The label is drawn at once over the scene, and again by a repaint; the animal is gone.
    for (bool bRepaint : {false, true}) {
        if (bRepaint) {
            m_wnd.Invalidate();
            m_wnd.UpdateWindow();
        }
        const QImage img = LogicalSurface(m_wnd);
        EXPECT_GT(CountPixels(img, CRect(4, 29, 232, 50), qRgb(255, 255, 255)), 100);
        EXPECT_EQ(CountPixels(img, CRect(20, 52, 60, 78), qRgb(0, 0, 255)), 40 * 26);
    }
    TapTile(0); // over: taps do nothing
    EXPECT_EQ(Game().Selected(), 0);
}

TEST_F(SpanwrightPlay, PauseAndQuit)
{
    for (int k = 1; k <= 6; ++k) {
        TapPause();
        EXPECT_EQ(m_boxes.LastText(), k <= 5 ? "Game Paused.  Press OK to resume."
                                             : "Game Paused (against my better judgement).  Press OK to resume.");
    }
    Submit("CATS");
    Tick(2);
    ExpectQuitAsksFirst(m_wnd, m_boxes);
    EXPECT_EQ(WalkTimerPeriod(), -1);
    EXPECT_TRUE(UsedWords().isEmpty());
    EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, "000000"));
}
