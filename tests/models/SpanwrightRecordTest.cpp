// What a Spanwright game hands the records: the level reached, the letters laid on bridges and the
// words in the order scored, through new letters and levels; and what a loaded game starts with.
#include "tests/models/SpanwrightModelSupport.h"

class SpanwrightRecordModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_game.SetWordCheck(&m_check);
        m_game.NewGame();
        ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG")));
    }
    CListWordCheck m_check{{"cats", "dog", "god", "cat", "cod"}};
    CSpanwrightGame m_game;
};

TEST_F(SpanwrightRecordModel, LevelLettersAndWordsFollowThePlay)
{
    EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(1, 0));
    ASSERT_TRUE(Submit(m_game, "CATS").bAccepted);
    ASSERT_FALSE(Submit(m_game, "CATS").bAccepted) << "used already";
    ASSERT_FALSE(Submit(m_game, "DOGS").bAccepted) << "not a word";
    ASSERT_TRUE(Submit(m_game, "DOG").bAccepted);
    EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(1, 7));
    // New letters empty the list but not the game's words.
    m_game.DealNewLetters(true);
    ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", m_game.Score(), 28)));
    // A loaded game on level 1 with 28 letters standing: the letters before it are not known.
    EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(1, 28));
    ASSERT_TRUE(Submit(m_game, "GOD").bLevelDone);
    EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(2, 31));
    ASSERT_TRUE(Submit(m_game, "CAT").bAccepted);
    EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(2, 34));

    const CGameResult result = m_game.GetResult();
    EXPECT_EQ(result.aWords, (QStringList{"GOD", "CAT"}));
    EXPECT_EQ(result.nScore, m_game.Score());
    EXPECT_EQ(result.extra.value("level").toInt(), 2);
    EXPECT_EQ(result.extra.value("letters").toInt(), 34);

    m_game.NewGame();
    EXPECT_EQ(std::tuple(m_game.Level(), m_game.LettersBridged(), m_game.ScoredWords().size()), std::tuple(1, 0, 0));
    ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 300, 5)));
    Submit(m_game, "COD");
    m_game.QuitGame();
    EXPECT_EQ(std::tuple(m_game.Level(), m_game.LettersBridged(), m_game.ScoredWords().size()), std::tuple(1, 0, 0));
}

TEST_F(SpanwrightRecordModel, ALoadedGameTakesItsLevelFromTheRestAndItsWordsFromTheList)
{
    const struct {
        int nDelay, nBridge, nLevel, nLetters;
    } aCases[] = {
        {5000, 0, 1, 0}, {4500, 3, 2, 34}, {4000, 30, 3, 92}, {1000, 10, 9, 258},
        // Rests no game of these rules reaches tell nothing.
        {7000, 4, 1, 4}, {600, 4, 1, 4}, {4999, 0, 1, 0},
    };
    for (const auto& c : aCases) {
        ASSERT_TRUE(m_game.LoadFromText(GameText("CATSDOG", 500, c.nBridge, c.nDelay, {"God", "Cats"}))) << c.nDelay;
        EXPECT_EQ(std::pair(m_game.Level(), m_game.LettersBridged()), std::pair(c.nLevel, c.nLetters)) << c.nDelay;
        EXPECT_EQ(m_game.ScoredWords(), (QStringList{"CATS", "GOD"})) << "oldest first";
    }
    // The saved text is as it was: nothing of the counters goes into it.
    QString strText;
    m_game.SaveToText(strText);
    EXPECT_EQ(strText, GameText("CATSDOG", 500, 0, 4999, {"God", "Cats"}));
}
