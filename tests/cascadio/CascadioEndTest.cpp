// Cascadio tells its host once when a game ends by itself, whichever way the critter reached the
// bottom, and never for a quit; what it hands over then is the game as it ended.
#include "tests/cascadio/CascadioTestSupport.h"

namespace {
const std::vector<const char*> s_aEndWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX",
                                             "CATXXXX", "XXXXXXX", "qIZXXXX"};
}

class CascadioEnd : public CCascadioFixture {
protected:
    void SetUp() override
    {
        CCascadioFixture::SetUp();
        m_bClockRuns = true; // the slides wait on it
        m_pDictionary = MakeDictionary({"cat", "dog", "quiz"});
        m_wnd.SetDictionary(m_pDictionary.get());
        m_wnd.m_fnGameEnded = [this](CGameWnd* pGame) {
            m_apEnded.push_back(pGame);
            m_result = pGame->GetGameResult();
            m_bOverWhenTold = Game().IsGameOver() && m_wnd.GetTimerId() == 0u;
        };
    }
    std::unique_ptr<CDictionary> m_pDictionary;
    std::vector<CGameWnd*> m_apEnded;
    CGameResult m_result;
    bool m_bOverWhenTold = false;
};

TEST_F(CascadioEnd, ACritterTickingIntoTheBottomRowTellsOnce)
{
    SetWell(s_aEndWell, {{1, 4, 9}, {5, 5, 60}});
    m_settings.m_bVerifyIncorrect = FALSE;
    TapCells({{0, 4}, {1, 4}, {2, 4}});
    TapSubmit(); // CAT, and its critter
    EXPECT_TRUE(m_apEnded.empty());
    Ticks(1);
    ASSERT_EQ(m_apEnded.size(), 1u);
    EXPECT_EQ(m_apEnded[0], &m_wnd);
    EXPECT_TRUE(m_bOverWhenTold) << "told after the end, with the timer stopped";
    EXPECT_EQ(m_result.nScore, 225);
    EXPECT_EQ(m_result.aWords, QStringList{"CAT"});
    EXPECT_EQ(m_result.extra.value("critters").toInt(), 1);
    EXPECT_LE(qAbs(m_result.dtEnded.secsTo(QDateTime::currentDateTime())), 5);
    Ticks(3);
    m_wnd.QuitGame();
    EXPECT_EQ(m_apEnded.size(), 1u);
}

TEST_F(CascadioEnd, ACritterCarriedDownByAWordTellsOnceAndAQuitNever)
{
    SetWell(s_aEndWell, {{2, 5, 4}});
    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.nDefaultAnswer = IDYES; // "IZX" added
    TapCells({{1, 6}, {2, 6}, {3, 6}});
    TapSubmit();
    ASSERT_TRUE(Game().IsGameOver());
    EXPECT_EQ(m_apEnded.size(), 1u);
    EXPECT_TRUE(m_bOverWhenTold);

    SetWell(s_aEndWell);
    m_boxes.Answer(IDYES);
    m_wnd.QuitGame();
    ASSERT_FALSE(Game().IsRunning());
    EXPECT_EQ(m_apEnded.size(), 1u);
}
