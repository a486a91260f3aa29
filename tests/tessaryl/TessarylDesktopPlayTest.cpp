// Tessaryl played from the desktop: typed letters and the play commands, strokes across the cells,
// the status line, notices in the status line and the buttons' tool tips.
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylDesktopPlay : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_pDictionary = Keep(MakeDictionary({"abs", "absolute", "house", "quiz", "use"}, 2));
        m_wnd.SetDictionary(m_pDictionary);
        SetBoard(MakeBoard({{"ABSOLUTE", {0, 1, 2, 5, 8, 7, 4, 3}}, {"HOUSE", {9, 12, 15, 16, 13}}, {"qIZ", {18, 19, 20}}}));
        m_settings.m_bVerifyIncorrect = FALSE;
    }
    void Type(const char* psz)
    {
        for (; *psz; ++psz)
            m_wnd.TypeLetter(QLatin1Char(*psz));
    }
    QString Traced() const
    {
        const CTessarylGame& game = m_wnd.Game();
        return game.WordAlongPath(game.m_anSelection, game.m_nSelCount).toUpper();
    }
    void Press(int nCell) { m_wnd.OnLButtonDown(MK_LBUTTON, CellCentre(nCell)); }
    void Drag(int nCell) { m_wnd.OnMouseMove(MK_LBUTTON, CellCentre(nCell)); }
    CDictionary* m_pDictionary = nullptr;
};

TEST_F(TessarylDesktopPlay, KeysSpellSubmitTakeBackAndClearAndTheStatusLineFollows)
{
    Type("hou");
    EXPECT_EQ(Selection(), (std::vector<int>{9, 12, 15}));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("HOU: 225 points"));
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('x'))) << "no X on the board";
    EXPECT_EQ(Selection().size(), 3u);

    m_wnd.DoCommand(CGameWnd::GAMECMD_TAKEBACK);
    EXPECT_EQ(Traced(), QStringLiteral("HO"));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("HO")) << "no points under three letters";
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    EXPECT_TRUE(Selection().empty());
    EXPECT_TRUE(m_wnd.GetStatusLine().isEmpty());

    // "q" alone shows the QU cell, but the next letter must then be its "u"; Enter scores the word
    // and the status line keeps its result.
    Type("q");
    EXPECT_EQ(Traced(), QStringLiteral("QU"));
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('i')));
    Type("uiz");
    EXPECT_EQ(Traced(), QStringLiteral("QUIZ"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(Score(), 300);
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("QUIZ: 300 points"));
    Type("ab");
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("AB     QUIZ: 300 points"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("AB     Words must be at least 3 letters long"));
}

TEST_F(TessarylDesktopPlay, KeysDoNothingWhileABoxIsOpenTheWindowIsAwayOrNoGameRuns)
{
    int nStatusChanges = 0;
    m_wnd.m_fnStatusChanged = [&nStatusChanges](CGameWnd*) { ++nStatusChanges; };
    Type("ab");
    EXPECT_EQ(nStatusChanges, 2);
    for (const auto& fnHold : std::vector<std::function<void(BOOL)>>{
             [this](BOOL b) { m_wnd.SetDialogOpen(b); }, [this](BOOL b) { m_wnd.SetAway(b); },
             [this](BOOL b) { Running() = !b; }}) {
        fnHold(TRUE);
        EXPECT_FALSE(m_wnd.TakesKeys());
        EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('s')));
        for (auto eCommand : {CGameWnd::GAMECMD_SUBMIT, CGameWnd::GAMECMD_TAKEBACK, CGameWnd::GAMECMD_CLEARWORD,
                              CGameWnd::GAMECMD_HINT})
            m_wnd.DoCommand(eCommand);
        fnHold(FALSE);
        EXPECT_EQ(Traced(), QStringLiteral("AB"));
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(Score(), 0);
}

TEST_F(TessarylDesktopPlay, AStrokeOverNeighboursTracesAChainAndGoingBackTakesTheLastCellBack)
{
    Press(9);
    Drag(12);
    Drag(12); // moving within a cell adds nothing
    Drag(15);
    EXPECT_EQ(Selection(), (std::vector<int>{9, 12, 15}));
    Drag(26); // not a neighbour of cell 15
    Drag(9);  // selected already, and not the cell before the last
    EXPECT_EQ(Selection(), (std::vector<int>{9, 12, 15}));
    Drag(12); // back over the cell before: 15 leaves
    EXPECT_EQ(Selection(), (std::vector<int>{9, 12}));
    Drag(15);
    Drag(16);
    Drag(13);
    m_wnd.OnLButtonUp(0, CellCentre(13));
    EXPECT_EQ(Traced(), QStringLiteral("HOUSE")) << "a release does not submit";
    EXPECT_EQ(Score(), 0);
    m_wnd.OnMouseMove(0, CellCentre(10)); // moving with the button up traces nothing
    m_wnd.OnMouseMove(MK_LBUTTON, CellCentre(10)); // nor does a stroke begun off the cells
    EXPECT_EQ(Selection().size(), 5u);
    TapSubmit();
    EXPECT_EQ(Score(), 500);

    // Only a cell's middle counts: crossing the corner between cells takes none of them.
    Press(0);
    const CPoint* p = m_wnd.GetCellCorners(1);
    m_wnd.OnMouseMove(MK_LBUTTON, CPoint(p[0].x + 1, p[0].y));
    EXPECT_EQ(Selection(), (std::vector<int>{0}));
    Drag(1);
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));
}

TEST_F(TessarylDesktopPlay, WithThePreferenceOnRoutineNoticesGoToTheStatusLineAndQuestionsStayBoxes)
{
    QStringList astrNotices;
    m_wnd.m_fnNotice = [&astrNotices](const QString& str) { astrNotices << str; };
    m_wnd.SetNoticesInStatusBar(TRUE);
    Type("ab");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    m_wnd.DoCommand(CGameWnd::GAMECMD_HINT);
    EXPECT_EQ(astrNotices, (QStringList{"Words must be at least 3 letters long",
                                        "Hints are only given when you haven't selected any letters."}));
    EXPECT_TRUE(m_boxes.boxes.empty());

    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.Answer(IDNO);
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    Type("hou");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("'HOU' not found in dictionary.  Add it?"));

    m_wnd.SetNoticesInStatusBar(FALSE);
    Type("ab");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(m_boxes.boxes.size(), 2u);
    EXPECT_EQ(astrNotices.size(), 2);
}

TEST_F(TessarylDesktopPlay, TheButtonsToolTipsNameTheirKeys)
{
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(5, 268 - 50)).contains("(Enter)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(5, 268 - 30)).contains("(Backspace)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(5, 268 - 10)).contains("(?)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CellCentre(4)).isEmpty());
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(25, 268 - 10)).isEmpty());
}
