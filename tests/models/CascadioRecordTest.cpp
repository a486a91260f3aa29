// What a Cascadio game hands the records: the words in the order scored and the critters caught
// with them, started afresh by every new, quit or loaded game and never written to the saved text.
#include "tests/models/CascadioModelSupport.h"

namespace {
const std::vector<const char*> s_aRecordWell = {"DXXXXXX", "OXXXXXX", "GXXXXXX", "XXXXXXX",
                                                "CATXXXX", "XXXXXXX", "qIZXXXX"};
}

class CascadioRecordModel : public CCascadioModelTest {
protected:
    CCascadioSubmitResult Submit(std::initializer_list<std::pair<int, int>> aCells)
    {
        TapCells(aCells);
        return m_game.SubmitWord(&m_check);
    }
    CListWordCheck m_check{{"cat", "dog", "quiz"}};
};

TEST_F(CascadioRecordModel, WordsInOrderAndEveryCritterOnAWordsTileIsCaught)
{
    // One critter on the top row riding on D, one on the A of CAT, one left alone.
    SetWell(s_aRecordWell, {{0, 0, 5}, {1, 4, 7}, {5, 5, 3}});
    ASSERT_EQ(Submit({{0, 4}, {1, 4}, {2, 4}}).eOutcome, ECascadioSubmit::Accepted);
    EXPECT_EQ(m_game.CrittersCaught(), 1);
    // The column slid down a row: DOG now stands one lower, its critter with it.
    ASSERT_EQ(m_game.Critter(0, 1), 5);
    ASSERT_EQ(Submit({{0, 1}, {0, 2}, {0, 3}}).eOutcome, ECascadioSubmit::Accepted);
    EXPECT_EQ(m_game.CrittersCaught(), 2);
    ASSERT_EQ(Submit({{0, 6}, {1, 6}, {2, 6}}).eOutcome, ECascadioSubmit::Accepted);
    EXPECT_EQ(m_game.CrittersCaught(), 2) << "no critter on QUIZ";
    // A refused word counts nothing.
    m_check.bOffer = false;
    TapCells({{4, 0}, {5, 0}, {6, 0}});
    ASSERT_EQ(m_game.SubmitWord(&m_check).eOutcome, ECascadioSubmit::Refused);

    const CGameResult result = m_game.GetResult();
    EXPECT_EQ(result.aWords, (QStringList{"CAT", "DOG", "QUIZ"}));
    EXPECT_EQ(result.nScore, 225 + 225 + 300);
    EXPECT_EQ(result.extra.value("words").toInt(), 3);
    EXPECT_EQ(result.extra.value("critters").toInt(), 2);
    EXPECT_EQ(m_game.CritterCount(), 1) << "the critter off the words stays";
}

TEST_F(CascadioRecordModel, NewQuitAndLoadStartTheCountersAfreshAndTheSavedTextIsUnchanged)
{
    SetWell(s_aRecordWell, {{1, 4, 7}});
    Submit({{0, 4}, {1, 4}, {2, 4}});
    ASSERT_EQ(m_game.GetResult().extra.value("critters").toInt(), 1);

    // The text of a game with its counters is the text of the same position without them.
    QString strPlayed;
    m_game.SaveToText(strPlayed);
    CCascadioRun run;
    CCascadioGame fresh(run);
    fresh.Load(m_game.State());
    QString strFresh;
    fresh.SaveToText(strFresh);
    EXPECT_EQ(strPlayed, strFresh);

    // Loaded: the saved score, but no words or critters of its own yet.
    ASSERT_TRUE(m_game.LoadFromText(strPlayed));
    EXPECT_EQ(m_game.Score(), 225);
    EXPECT_TRUE(m_game.ScoredWords().isEmpty());
    EXPECT_EQ(m_game.CrittersCaught(), 0);

    // A game that ended keeps its counts until the next game or load replaces it.
    SetWell(s_aRecordWell, {{1, 4, 7}, {3, 6, 1}});
    Submit({{0, 4}, {1, 4}, {2, 4}});
    m_game.Tick();
    ASSERT_TRUE(m_game.IsGameOver());
    EXPECT_EQ(m_game.GetResult().aWords, QStringList{"CAT"});
    EXPECT_EQ(m_game.GetResult().extra.value("critters").toInt(), 1);
    ASSERT_TRUE(m_game.LoadFromText(strPlayed));
    EXPECT_EQ(m_game.CrittersCaught(), 0) << "loading over an ended game";

    Submit({{0, 4}, {1, 4}, {2, 4}});
    m_game.Quit();
    EXPECT_EQ(m_game.GetResult().nScore, 0);
    EXPECT_TRUE(m_game.GetResult().aWords.isEmpty());
    SetWell(s_aRecordWell, {{1, 4, 7}});
    Submit({{0, 4}, {1, 4}, {2, 4}});
    m_game.NewGame();
    EXPECT_TRUE(m_game.ScoredWords().isEmpty());
    EXPECT_EQ(m_game.CrittersCaught(), 0);
}
