// Cascadio played from the desktop: typed letters and the play commands, strokes across the tiles,
// the status line and the buttons' tool tips.
#include "tests/cascadio/CascadioTestSupport.h"

namespace {
const std::vector<const char*> s_aWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX", "CATXXXX", "XXXXXXX", "qIZXXXX"};
} // namespace

class CascadioDesktopPlay : public CCascadioFixture {
protected:
    void SetUp() override
    {
        CCascadioFixture::SetUp();
        m_pDictionary = MakeDictionary({"cat", "dog", "quiz"});
        m_wnd.SetDictionary(m_pDictionary.get());
        m_settings.m_bVerifyIncorrect = FALSE;
        SetWell(s_aWell);
    }
    void Type(const char* psz)
    {
        for (; *psz; ++psz)
            m_wnd.TypeLetter(QLatin1Char(*psz));
    }
    CPoint Centre(int c, int r) const { return CPoint(30 + 30 * c, 45 + 30 * r); }
    std::unique_ptr<CDictionary> m_pDictionary;
};

TEST_F(CascadioDesktopPlay, KeysSpellSubmitTakeBackAndClear)
{
    Type("ca");
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("CA"));
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('d'))) << "no D touches the A";
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("CA"));
    Type("t");
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("CAT: 225 points"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_TAKEBACK);
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("CA"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    EXPECT_EQ(Game().PathLength(), 0);

    Type("quiz");
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("QuIZ"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(Game().Score(), 300);
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("QUIZ: 300 points"));
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_FALSE(m_wnd.HasCommand(CGameWnd::GAMECMD_HINT));

    // A box open, the player away, the game over: keys and commands do nothing.
    Type("do");
    m_wnd.SetDialogOpen(TRUE);
    Type("g");
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    m_wnd.SetDialogOpen(FALSE);
    m_wnd.SetAway(TRUE);
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    m_wnd.SetAway(FALSE);
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("DO"));
    SetWell(s_aWell, {{0, 6, 1}});
    Ticks(1);
    ASSERT_TRUE(Game().IsGameOver());
    EXPECT_FALSE(m_wnd.TakesKeys());
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('c')));
    m_wnd.DoCommand(CGameWnd::GAMECMD_PAUSE);
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(CascadioDesktopPlay, AStrokeOverNeighboursTracesAChain)
{
    m_wnd.OnLButtonDown(MK_LBUTTON, Centre(0, 0));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(0, 1));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(5, 5)); // not a neighbour
    m_wnd.OnMouseMove(MK_LBUTTON, CPoint(15 + 30 + 2, 30 + 60 + 2)); // the corner of tile (1, 2): outside its middle
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("DO"));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(0, 2));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(0, 1)); // back: G leaves
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("DO"));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(0, 2));
    m_wnd.OnLButtonUp(0, Centre(0, 2));
    m_wnd.OnMouseMove(MK_LBUTTON, Centre(1, 2));
    EXPECT_EQ(Game().ChainWord(), QStringLiteral("DOG")) << "the release ended the stroke without submitting";
    EXPECT_EQ(Game().Score(), 0);
}

TEST_F(CascadioDesktopPlay, TheButtonsToolTipsNameTheirKeys)
{
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(59, 258)).contains("(Enter)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(99, 258)).contains("(Backspace)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(139, 258)).contains("(Ctrl+P)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(179, 258)).contains("(F5)"));
    EXPECT_TRUE(m_wnd.GetToolTip(Centre(3, 3)).isEmpty());
}
