// What a Tessaryl game hands the records: its score and the words found in the order found, also
// for a loaded game, and nothing once quit.
#include "games/tessaryl/TessarylSavedText.h"
#include "tests/models/TessarylModelSupport.h"

class TessarylRecordModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_check.words = {"ABS", "HOUSE", "QUIZ", "USE"};
        m_game.SetWordCheck(&m_check);
        const std::vector<QString> board =
            MakeModelBoard({{"ABS", {0, 1, 2}}, {"HOUSE", {9, 12, 15, 16, 13}}, {"qIZ", {18, 19, 20}}});
        m_game.SetBoard(board.data());
    }
    void Play(std::initializer_list<int> anCells)
    {
        for (int n : anCells)
            m_game.TapCell(n);
        m_game.Submit();
    }
    CListWordCheck m_check;
    CGameRandom m_random;
    CTessarylGame m_game{m_random};
};

TEST_F(TessarylRecordModel, WordsInTheOrderFoundAndTheirCount)
{
    Play({18, 19, 20});
    Play({0, 1, 2});
    Play({18, 19, 20}); // used already: not again
    m_game.ClearSelection();
    Play({9, 12, 15, 16, 13});
    const CGameResult result = m_game.GetResult();
    EXPECT_EQ(result.aWords, (QStringList{"QUIZ", "ABS", "HOUSE"}));
    EXPECT_EQ(result.extra.value("words").toInt(), 3);
    EXPECT_EQ(result.nScore, 300 + 225 + 500);

    // Saved and loaded, the game keeps its words; quit, it has none and no score.
    QString strText;
    m_game.SaveToText(strText);
    m_game.QuitGame();
    EXPECT_EQ(m_game.GetResult().nScore, 0);
    EXPECT_TRUE(m_game.GetResult().aWords.isEmpty());
    ASSERT_TRUE(m_game.LoadFromText(strText));
    m_game.StopWorker();
    EXPECT_EQ(m_game.GetResult().aWords, (QStringList{"QUIZ", "ABS", "HOUSE"}));
    EXPECT_EQ(m_game.GetResult().nScore, 1025);
}
