// Spanwright played from the desktop: typed letters take the first free tile that shows them, the
// play commands, the status line with the completed level, and the buttons' tool tips.
#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightDesktopPlay : public CSpanwrightFixture {
protected:
    void SetUp() override
    {
        CSpanwrightFixture::SetUp();
        m_pDictionary = Keep(MakeDictionary({"cat", "cats", "coats", "coast", "dog", "dogs", "god", "scat", "tot", "cog"}));
        m_wnd.SetDictionary(m_pDictionary);
        m_settings.m_bVerifyIncorrect = FALSE;
        StartWith("CATSTOG");
    }
    void Type(const char* psz)
    {
        for (; *psz; ++psz)
            m_wnd.TypeLetter(QLatin1Char(*psz));
    }
    std::vector<int> Order() const
    {
        std::vector<int> a;
        for (int i = 0; i < SPAN_TILES; ++i)
            a.push_back(Game().Order(i));
        return a;
    }
    CDictionary* m_pDictionary = nullptr;
};

TEST_F(SpanwrightDesktopPlay, ALetterTakesTheFirstFreeTileThatShowsItAndCommandsAct)
{
    using V = std::vector<int>;
    Type("tot");
    EXPECT_EQ(Order(), (V{-1, -1, 0, -1, 2, 1, -1})) << "the second T is the next free one";
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('t'))) << "both Ts are up";
    EXPECT_FALSE(m_wnd.TypeLetter(QLatin1Char('z')));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1     TOT: 225 points"));
    m_wnd.DoCommand(CGameWnd::GAMECMD_TAKEBACK);
    EXPECT_EQ(Order(), (V{-1, -1, 0, -1, -1, 1, -1}));
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    EXPECT_EQ(Order(), (V(SPAN_TILES, -1)));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1"));

    Type("cats");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(Game().Score(), 300);
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1     CATS: 300 points"));
    Type("cats");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("You have already used that word"));
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1     You have already used that word"));

    // Held or over: nothing.
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    m_wnd.SetDialogOpen(TRUE);
    Type("cat");
    m_wnd.DoCommand(CGameWnd::GAMECMD_NEWLETTERS);
    m_wnd.SetDialogOpen(FALSE);
    EXPECT_EQ(Order(), (V(SPAN_TILES, -1)));
    EXPECT_EQ(Game().Score(), 300);
}

TEST_F(SpanwrightDesktopPlay, TheStatusLineSaysWhenALevelIsComplete)
{
    StartWith("CATSDOG");
    // 3 + 4 + 5 + 5 + 3 + 4 + 3 + 4 letters: the bridge reaches across with the last word.
    for (const char* psz : {"cat", "cats", "coats", "coast", "dog", "dogs", "god"}) {
        Type(psz);
        m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
        ASSERT_FALSE(Game().IsLevelDone()) << psz;
    }
    Type("sca");
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1     SCA: 225 points     GOD: 225 points"));
    Type("t");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    ASSERT_TRUE(Game().IsLevelDone());
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 1 complete!     SCAT: 300 points"));
    Type("do");
    m_wnd.DoCommand(CGameWnd::GAMECMD_CLEARWORD);
    Type("cog");
    m_wnd.DoCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_EQ(m_wnd.GetStatusLine(), QStringLiteral("Level 2     COG: 225 points")) << "the next word begins level 2";
}

TEST_F(SpanwrightDesktopPlay, TheButtonsToolTipsNameTheirKeysAndTheListTakesNoKeys)
{
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(10, 140)).contains("(Enter)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(10, 190)).contains("(Backspace)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(10, 268 - 42)).contains("(F5)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(10, 268 - 10)).contains("(Ctrl+P)"));
    EXPECT_TRUE(m_wnd.GetToolTip(CPoint(35, 190)).isEmpty());
    const QListWidget* pList = m_wnd.GetSafeHwnd()->findChild<QListWidget*>();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->focusPolicy(), Qt::NoFocus);
}
