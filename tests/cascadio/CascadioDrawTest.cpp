// Cascadio drawing: what the timer's ticks leave on the screen against what a full repaint draws.
#include "tests/cascadio/CascadioTestSupport.h"

using CascadioDraw = CCascadioFixture;

TEST_F(CascadioDraw, TicksLeaveTheWellAsAFullRepaintDrawsIt)
{
    // The four critter frames have different outlines: each tick must wipe the last frame, at every
    // change of picture, when a critter creeps, and when a new one arrives.
    srand(3);
    m_wnd.NewGame();
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    int nTicks = 0;
    for (int nStop : {1, 2, 3, 4, 5, 6, 7, 13, 40, 61, 62, 75}) {
        if (nStop == 40) {
            // Two allowed, and due at once: a second critter arrives at the next tick.
            Game().IncreaseDifficulty(FALSE);
            m_dwNow += 15001;
        }
        Ticks(nStop - nTicks);
        nTicks = nStop;
        const QImage imgTicked = LogicalSurface(m_wnd);
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
        EXPECT_EQ(WellDifferences(imgTicked, LogicalSurface(m_wnd)), 0) << "after " << nTicks << " ticks";
    }
    EXPECT_EQ(CritterCount(), 2);
}
