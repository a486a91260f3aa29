// Spanwright play: tiles and buttons, submission messages, scores and the bridge, the walk, levels,
// the fall, pausing and quitting.
#include "tests/spanwright/SpanwrightTestSupport.h"
#include "tests/support/GameChecks.h"

class SpanwrightPlay : public CSpanwrightFixture {
protected:
    void SetUp() override
    {
        CSpanwrightFixture::SetUp();
        m_pDictionary = Keep(MakeDictionary({"cat", "cats", "coats", "coast", "ascot", "tacos", "acts", "dog", "dogs",
                                             "god", "gods", "cod", "cot", "doc", "goad", "toga", "togas", "scat"}));
        m_wnd.SetDictionary(m_pDictionary);
        m_settings.m_bVerifyIncorrect = FALSE;
        StartWith("CATSDOG");
    }
    std::vector<int> Order() const { return std::vector<int>(m_wnd.m_anOrder, m_wnd.m_anOrder + SPAN_TILES); }
    std::pair<int, int> Walker() const { return {m_wnd.m_nWalkerX, m_wnd.m_nWalkerFrame}; }
    CDictionary* m_pDictionary = nullptr;
};

TEST_F(SpanwrightPlay, TilesGoUpAndComeBack)
{
    using V = std::vector<int>;
    TapTile(3);
    TapTile(0);
    TapTile(3); // already in the word: nothing
    TapTile(5);
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, 2, -1}));
    EXPECT_EQ(m_wnd.BuildWord(), "SCO");
    TapSlot(0); // not the last letter: nothing
    TapSlot(6); // an empty place: nothing
    EXPECT_EQ(m_wnd.m_nSelected, 3);
    TapSlot(2); // the last one goes back
    EXPECT_EQ(Order(), (V{1, -1, -1, 0, -1, -1, -1}));
    TapBack();
    TapBack();
    TapBack(); // nothing left to take back
    EXPECT_EQ(Order(), (V(7, -1)));

    // No game, or a game over: taps do nothing.
    for (BOOL* pbFlag : {&m_wnd.m_bRunning, &m_wnd.m_bGameOver}) {
        *pbFlag = !*pbFlag;
        TapTile(0);
        *pbFlag = !*pbFlag;
    }
    EXPECT_EQ(m_wnd.m_nSelected, 0);
}

TEST_F(SpanwrightPlay, ScoresBridgeUsedWordsAndHighScore)
{
    // The high score (before, after) moves only when a score goes past it.
    const std::tuple<const char*, int, int, int, int> aSteps[] = {
        {"CAT", 225, 3, 226, 226}, {"CATS", 525, 7, 525, 525}, {"COAST", 1025, 12, 600, 1025},
        {"TOGAS", 1525, 17, 1526, 1526}, {"DOGS", 1825, 21, 1824, 1825},
    };
    for (const auto& [pszWord, nScore, nBridge, nHighBefore, nHigh] : aSteps) {
        m_settings.m_nBridgeHiScore = nHighBefore;
        Submit(pszWord);
        EXPECT_EQ(std::tuple(m_wnd.m_nScore, m_wnd.m_nBridgeLen, m_settings.m_nBridgeHiScore, m_wnd.m_nSelected),
                  std::tuple(nScore, nBridge, nHigh, 0)) << pszWord;
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(UsedWords(), (QStringList{"Dogs", "Togas", "Coast", "Cats", "Cat"}));

    // Six and seven letters: 600 and 700 points.
    m_wnd.SetDictionary(Keep(MakeDictionary({"catdogs", "catdog"})));
    Submit("CATDOG");
    EXPECT_EQ(m_wnd.m_nScore, 2425);
    m_wnd.m_nBridgeLen = 0;
    Submit("CATDOGS");
    EXPECT_EQ(std::pair(m_wnd.m_nScore, m_wnd.m_nBridgeLen), std::pair(3125, 7));
}

TEST_F(SpanwrightPlay, RejectedWordsChangeNothing)
{
    Submit("CAT");
    m_boxes.Clear();
    const std::tuple<const char*, BOOL, int, const char*, const char*> aCases[] = {
        {"", FALSE, 0, "Words must be at least 3 letters long", "Quillotrix"},
        {"CA", FALSE, 0, "Words must be at least 3 letters long", "Quillotrix"},
        {"CAT", FALSE, 0, "You have already used that word", "Quillotrix"},
        {"TAC", FALSE, 0, "'TAC' is not a valid word.", "Quillotrix"},
        {"TAC", TRUE, IDNO, "'TAC' not found in dictionary.  Add it?", "Unknown word"},
    };
    for (const auto& [pszWord, bVerify, nAnswer, pszText, pszCaption] : aCases) {
        m_settings.m_bVerifyIncorrect = bVerify;
        if (nAnswer)
            m_boxes.Answer(nAnswer);
        Submit(pszWord);
        ASSERT_EQ(m_boxes.boxes.size(), 1u) << pszWord;
        EXPECT_EQ(m_boxes.LastText(), pszText);
        EXPECT_EQ(m_boxes.boxes.back().strCaption, pszCaption);
        EXPECT_EQ(std::tuple(m_wnd.m_nScore, m_wnd.m_nBridgeLen, m_wnd.m_nSelected), std::tuple(225, 3, 0)) << pszWord;
        EXPECT_FALSE(m_wnd.m_bDialogOpen) << "the message box put the flag back";
        m_boxes.Clear();
    }
    // The same word in another letter case is still the same word.
    m_wnd.m_listWords.InsertString(0, QStringLiteral("dOG"));
    Submit("DOG");
    EXPECT_EQ(m_boxes.LastText(), "You have already used that word");

    // A word added to the dictionary scores, and is not asked about again once it may be used again.
    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.Clear();
    m_boxes.Answer(IDYES);
    Submit("TAC");
    EXPECT_EQ(m_wnd.m_nScore, 450);
    EXPECT_TRUE(m_pDictionary->Contains(QStringLiteral("TAC")));
    m_wnd.m_listWords.ResetContent();
    Submit("TAC");
    EXPECT_EQ(std::pair(m_boxes.boxes.size(), m_wnd.m_nScore), std::pair(size_t(1), 675));
}

TEST_F(SpanwrightPlay, NewLettersCostAndEmptyTheList)
{
    for (const auto& [nScore, nAfter] : {std::pair{26, 1}, std::pair{25, 25}, std::pair{0, 0}, std::pair{600, 575}}) {
        m_wnd.m_nScore = nScore;
        TapTile(0);
        m_wnd.m_listWords.AddString(QStringLiteral("Cat"));
        TapNewLetters();
        EXPECT_EQ(std::tuple(m_wnd.m_nScore, m_wnd.m_nSelected, m_wnd.m_listWords.GetCount()), std::tuple(nAfter, 0, 0));
    }
}

TEST_F(SpanwrightPlay, WalkStepsRestsAndHolds)
{
    EXPECT_FALSE(m_wnd.m_bTimerStarted);
    Submit("CATS");
    EXPECT_TRUE(m_wnd.m_bTimerStarted && m_wnd.m_nTimerId == CSpanwrightWnd::WALK_TIMER);
    // One step: rest over, then frames 1 to 6 moving 2, 2, 2, 2, 2, 1 pixels, then rest on frame 0.
    const std::pair<int, int> aWalker[] = {{0, 1}, {2, 2}, {4, 3}, {6, 4}, {8, 5}, {10, 6}, {11, 0}, {11, 1}, {13, 2}};
    for (const auto& walker : aWalker) {
        Tick();
        EXPECT_EQ(Walker(), walker) << walker.first;
    }
    // A message box, the shell's chooser, the preferences or a hidden window hold the walk.
    m_wnd.SetDialogOpen(TRUE);
    Tick(5);
    EXPECT_EQ(m_wnd.m_nWalkerX, 13);
    EXPECT_TRUE(m_wnd.SetDialogOpen(FALSE));
    m_wnd.PauseForDialog();
    Tick(5);
    EXPECT_EQ(m_wnd.m_nWalkerX, 13);
    m_wnd.ResumeAfterDialog();
    EXPECT_FALSE(m_wnd.m_bDialogOpen);
    m_wnd.ShowWindow(SW_HIDE);
    Tick(3);
    EXPECT_TRUE(m_wnd.m_nWalkerX == 13 && m_wnd.m_nTimerId == 0u);
    m_wnd.ShowWindow(SW_SHOW);
    m_wnd.UpdateWindow();
    EXPECT_EQ(m_wnd.m_nTimerId, CSpanwrightWnd::WALK_TIMER);

    // A negative rest (a loaded game's) walks on without resting.
    m_wnd.m_nStepDelay = -1;
    Tick(5);
    EXPECT_EQ(Walker(), std::pair(22, 1));
}

TEST_F(SpanwrightPlay, FallsExactlyPastTheEnd)
{
    // Bridge of 3: the fall comes at the first tick once the walker is past (3 + 4) * 6 - 18 = 24.
    Submit("CAT");
    for (int nTicks = 0; m_wnd.m_bRunning && nTicks < 100; ++nTicks) {
        ASSERT_LE(m_wnd.m_nWalkerX, 26);
        Tick();
    }
    EXPECT_EQ(Walker(), std::pair(26, 3)); // during its third step
    EXPECT_TRUE(m_wnd.m_bGameOver && !m_wnd.m_bRunning && m_wnd.m_nTimerId == 0u);
    EXPECT_EQ(m_wnd.GetSaveRefusal(), "Can't save: Game over");
    Tick(); // over: the animal is gone for good
    EXPECT_EQ(m_wnd.m_nWalkerX, 26);
}

TEST_F(SpanwrightPlay, LevelsShortenTheRest)
{
    m_wnd.SetDictionary(nullptr); // every word is taken
    Submit("CATS");
    Tick(3);
    m_wnd.m_nBridgeLen = 24;
    m_wnd.m_nScore = 100;
    Submit("CATSDOG"); // 31 letters reach across: the level is complete
    EXPECT_EQ(std::tuple(m_wnd.m_nBridgeLen, m_wnd.m_nWalkerX, m_wnd.m_nWalkerFrame), std::tuple(0, 0, 0));
    EXPECT_EQ(std::pair(m_wnd.m_nStepDelay, m_wnd.m_nScore), std::pair(4500, 800));
    // The animal waits on the left bank and new letters are free until the next word.
    Tick(10);
    EXPECT_EQ(m_wnd.m_nWalkerFrame, 0);
    TapNewLetters();
    EXPECT_EQ(m_wnd.m_nScore, 800);
    StartWith("CATSDOG");
    m_wnd.m_bTimerStarted = TRUE; // still the same game's walk
    m_wnd.m_nStepDelay = 4500;
    m_wnd.m_bLevelDone = TRUE;
    Submit("DOG");
    Tick();
    EXPECT_EQ(m_wnd.m_nWalkerFrame, 1);

    // Each level rests 500 ms less, down to 1000; letters beyond a level are lost.
    for (int nDelay : {4000, 3500, 3000, 2500, 2000, 1500, 1000, 1000}) {
        m_wnd.m_nBridgeLen = 30;
        m_wnd.m_listWords.ResetContent();
        Submit("CAT");
        EXPECT_EQ(m_wnd.m_nStepDelay, nDelay);
    }
}

TEST_F(SpanwrightPlay, PauseAndQuit)
{
    for (int k = 1; k <= 7; ++k) {
        TapPause();
        EXPECT_EQ(m_boxes.LastText(), k <= 5 ? "Game Paused.  Press OK to resume."
                                             : "Game Paused (against my better judgement).  Press OK to resume.");
    }
    StartWith("CATSDOG"); // a new game
    TapPause();
    EXPECT_EQ(m_boxes.LastText(), "Game Paused.  Press OK to resume.");

    Submit("CATS");
    Tick(2);
    ExpectQuitAsksFirst(m_wnd, m_boxes);
    EXPECT_FALSE(m_wnd.m_bGameOver || m_wnd.m_bTimerStarted || m_wnd.m_nTimerId);
    EXPECT_EQ(m_wnd.m_nScore + m_wnd.m_nBridgeLen + m_wnd.m_nWalkerX + m_wnd.m_listWords.GetCount(), 0);
    EXPECT_TRUE(m_wnd.m_strLetters[0].isEmpty());
}
