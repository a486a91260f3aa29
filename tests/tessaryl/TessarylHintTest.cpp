// Tessaryl hints: revealing a found word letter by letter at 25 points a letter.
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylHint : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_wnd.SetDictionary(Keep(MakeDictionary({"cat", "dog", "zebra"}, 2)));
        SetBoard(MakeBoard({{"CAT", {0, 1, 2}}, {"DOG", {9, 12, 15}}})); // only CAT and DOG can be spelled
        m_wnd.StartWorker(TRUE);
        WaitForFinder();
    }
};

TEST_F(TessarylHint, RevealsLettersChargesAndIsAbandonedByATap)
{
    ASSERT_EQ(Finder().GetHintCount(), 2);
    Score() = 30;
    TapHint();
    EXPECT_EQ(Score(), 5);
    ASSERT_EQ(SelCount(), 1);
    EXPECT_TRUE(Selection()[0] == 0 || Selection()[0] == 9);

    Score() = 10; // too few points to pay: the letter comes free
    TapHint();
    EXPECT_EQ(Score(), 10);
    TapHint();
    ASSERT_EQ(SelCount(), 3);
    EXPECT_TRUE(m_boxes.boxes.empty());
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("That's the entire word!"));
    EXPECT_EQ(SelCount(), 3);

    // The hinted word submits like any other.
    TapSubmit();
    EXPECT_EQ(Score(), 235);
    EXPECT_EQ(UsedWords().size(), 1);

    // The other word's hint, left for a tapped letter: no more hint letters while letters are selected.
    TapHint();
    ASSERT_EQ(HintLen(), 3);
    TapCell(Selection()[0] == 0 ? 1 : 12);
    EXPECT_EQ(HintLen(), 0);
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Hints are only given when you haven't selected any letters."));
}

TEST_F(TessarylHint, NoHintsYetWhileTheSearchRunsAndNoneOnceEveryWordIsUsed)
{
    TapCells({0, 1, 2});
    TapSubmit();
    TapCells({9, 12, 15});
    TapSubmit();
    ASSERT_EQ(UsedWords().size(), 2);
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available"));
    EXPECT_EQ(SelCount(), 0);

    // Right after a new game, with the search still running and nothing found yet.
    m_wnd.SetDictionary(Keep(MakeDictionary({"zebra", "yak"}, 2)));
    SetGiveWay([] { Sleep(1); }); // a search of many seconds
    srand(11);
    m_wnd.NewGame();
    m_wnd.PauseWorker();
    m_wnd.ClearWordList(); // whatever it found so far
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available (yet)"));
    EXPECT_EQ(SelCount(), 0);
    EXPECT_TRUE(m_wnd.IsWorkerAlive());
    m_wnd.StopWorker();
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available"));
}
