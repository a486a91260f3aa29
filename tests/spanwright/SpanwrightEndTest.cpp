// Spanwright tells its host once when the animal falls, after the fall is shown, and hands over
// the game as it ended; a quit tells nothing.
#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightEnd : public CSpanwrightFixture {
protected:
    void SetUp() override
    {
        CSpanwrightFixture::SetUp();
        m_wnd.SetDictionary(Keep(MakeDictionary({"cat", "cats", "dog"})));
        m_settings.m_bVerifyIncorrect = FALSE;
        StartWith("CATSDOG");
        m_wnd.m_fnGameEnded = [this](CGameWnd* pGame) {
            ++m_nEnded;
            m_result = pGame->GetGameResult();
            m_bOverWhenTold = Game().IsGameOver() && WalkTimerPeriod() == -1;
        };
    }
    int m_nEnded = 0;
    CGameResult m_result;
    bool m_bOverWhenTold = false;
};

TEST_F(SpanwrightEnd, TheFallTellsOnceWithTheGameAsItEndedAndAQuitNever)
{
    Submit("CATS");
    Submit("DOG");
    for (int n = 0; n < 500 && Game().IsRunning(); ++n)
        Tick();
    ASSERT_TRUE(Game().IsGameOver());
    EXPECT_EQ(m_nEnded, 1);
    EXPECT_TRUE(m_bOverWhenTold);
    EXPECT_EQ(m_result.nScore, 300 + 225);
    EXPECT_EQ(m_result.aWords, (QStringList{"CATS", "DOG"}));
    EXPECT_EQ(m_result.extra.value("level").toInt(), 1);
    EXPECT_EQ(m_result.extra.value("letters").toInt(), 7);
    Tick(5);
    EXPECT_EQ(m_nEnded, 1);

    StartWith("CATSDOG");
    Submit("CAT");
    m_boxes.Answer(IDYES);
    m_wnd.QuitGame();
    ASSERT_FALSE(Game().IsRunning());
    Tick(5);
    EXPECT_EQ(m_nEnded, 1);
}
