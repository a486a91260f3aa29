// The Cascadio window's timer: ticks held by a box or the player's absence, stopped when the screen
// is hidden or the game quit, and the end of the game shown at the bottom.
#include "tests/cascadio/CascadioTestSupport.h"
#include "tests/support/GameChecks.h"

using CascadioWell = CCascadioFixture;

TEST_F(CascadioWell, NewGameStartsTheTimerAndTicksHoldWhileHeld)
{
    srand(7);
    m_wnd.NewGame();
    EXPECT_TRUE(Game().IsRunning() && m_wnd.GetTimerId() == 1u);
    EXPECT_EQ(CritterCount(), 1);
    QString strBefore, strAfter;
    m_wnd.SaveToText(strBefore);
    m_wnd.SetDialogOpen(TRUE);
    Ticks(2);
    m_wnd.SetDialogOpen(FALSE);
    m_wnd.SetAway(TRUE);
    Ticks(2);
    m_wnd.SaveToText(strAfter);
    EXPECT_EQ(strAfter, strBefore);
    m_wnd.SetAway(FALSE);
    Ticks(1);
    m_wnd.SaveToText(strAfter);
    EXPECT_NE(strAfter, strBefore);
}

TEST_F(CascadioWell, GameOverAtTheBottom)
{
    SetWell({"ABCDEFG", "HIJKLMN", "OPqRSTU", "VWXYZAB", "CDEFGHI", "JKLMNOP", "QRSTUVW"}, {{3, 5, 60}});
    Ticks(1); // into row 6: over in the same tick
    EXPECT_TRUE(!Game().IsRunning() && Game().IsGameOver() && m_wnd.GetTimerId() == 0u);
    EXPECT_EQ(m_wnd.GetSaveRefusal(), QStringLiteral("Can't save: Game over"));

    // The label is drawn over the board, white behind black text, and stays at every repaint.
    const QImage imgTicked = LogicalSurface(m_wnd);
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    const QImage img = LogicalSurface(m_wnd);
    EXPECT_EQ(img, imgTicked);
    EXPECT_EQ(img.pixel(75, 134) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(img.copy(75, 126, 90, 16).allGray());
    // Nothing moves after the end, and a quit asks nothing and leaves the label.
    const int nValue = Game().Critter(3, 6);
    Ticks(3);
    EXPECT_EQ(Game().Critter(3, 6), nValue);
    m_wnd.QuitGame();
    EXPECT_TRUE(m_boxes.boxes.empty() && Game().IsGameOver());
}

TEST_F(CascadioWell, TimerStopsOnQuitAndHideAndComesBackWhenShown)
{
    m_wnd.NewGame();
    m_wnd.ShowWindow(SW_HIDE);
    Ticks(1);
    EXPECT_TRUE(m_wnd.GetTimerId() == 0u && Game().IsRunning());
    m_wnd.ShowWindow(SW_SHOW);
    m_wnd.UpdateWindow();
    EXPECT_EQ(m_wnd.GetTimerId(), 1u);

    ExpectQuitAsksFirst(m_wnd, m_boxes);
    EXPECT_FALSE(Game().IsGameOver() || m_wnd.GetTimerId() || CritterCount());
    EXPECT_TRUE(Game().Letter(0, 0).isEmpty());
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    EXPECT_EQ(m_wnd.GetTimerId(), 0u); // a quit game is not brought back by a repaint
}
