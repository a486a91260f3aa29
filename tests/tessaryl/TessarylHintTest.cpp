// Tessaryl hints: revealing a found word letter by letter at 25 points a letter.
#include "tests/support/ScriptedMessageBox.h"
#include "tests/tessaryl/TessarylTestSupport.h"

namespace {
// Only CAT (0-1-2) and DOG (9-12-15) can be spelled with the test dictionary.
std::vector<QString> HintBoard()
{
    std::vector<QString> a(27, QStringLiteral("X"));
    a[0] = QStringLiteral("C");
    a[1] = QStringLiteral("A");
    a[2] = QStringLiteral("T");
    a[9] = QStringLiteral("D");
    a[12] = QStringLiteral("O");
    a[15] = QStringLiteral("G");
    return a;
}
} // namespace

class TessarylHint : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_pDictionary = MakeDictionary({"cat", "dog", "zebra"}, 2);
        m_wnd.SetDictionary(m_pDictionary.get());
        SetBoard(HintBoard());
    }
    void SearchToTheEnd()
    {
        m_wnd.StartWorker(TRUE);
        WaitForFinder();
    }
    std::unique_ptr<CDictionary> m_pDictionary;
    CScriptedMessageBox m_boxes;
};

TEST_F(TessarylHint, RevealsLettersAndCharges)
{
    SearchToTheEnd();
    ASSERT_EQ(m_wnd.m_finder.GetHintCount(), 2);

    m_wnd.m_nScore = 30;
    TapHint();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(m_wnd.m_nScore, 5);
    ASSERT_EQ(m_wnd.m_nSelCount, 1);
    const int nFirst = m_wnd.m_anSelection[0];
    EXPECT_TRUE(nFirst == 0 || nFirst == 9);

    m_wnd.m_nScore = 10; // too few points to pay: the letter comes free
    TapHint();
    EXPECT_EQ(m_wnd.m_nScore, 10);
    TapHint();
    ASSERT_EQ(m_wnd.m_nSelCount, 3);
    EXPECT_TRUE(m_boxes.boxes.empty());
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("That's the entire word!"));
    EXPECT_EQ(m_wnd.m_nSelCount, 3);

    // The hinted word submits like any other.
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 235);
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetCount(), 1);
}

TEST_F(TessarylHint, TapOnACellAbandonsTheHint)
{
    SearchToTheEnd();
    TapHint();
    ASSERT_EQ(m_wnd.m_nHintLen, 3);
    const int nFirst = m_wnd.m_anSelection[0];
    TapCell(nFirst == 0 ? 1 : 12);
    EXPECT_EQ(m_wnd.m_nHintLen, 0);
    m_boxes.Clear();
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Hints are only given when you haven't selected any letters."));
}

TEST_F(TessarylHint, NoHintsYetWhileTheSearchRuns)
{
    CDictionary* pNoWords = Keep(MakeDictionary({"zebra", "yak"}, 2));
    m_wnd.SetDictionary(pNoWords);
    m_wnd.m_finder.m_ePause = CTessarylFinder::PauseSleep; // a search of many seconds
    srand(11);
    m_wnd.NewGame();
    m_wnd.PauseWorker();
    m_wnd.ClearWordList(); // whatever it found so far
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available (yet)"));
    EXPECT_EQ(m_wnd.m_nSelCount, 0);
    EXPECT_TRUE(m_wnd.IsWorkerRunning());
    m_wnd.StopWorker();
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available"));
}

TEST_F(TessarylHint, UsedWordsLeaveTheListAndThenNoHints)
{
    SearchToTheEnd();
    TapCells({0, 1, 2});
    TapSubmit();
    TapCells({9, 12, 15});
    TapSubmit();
    ASSERT_EQ(m_wnd.m_wndUsedWords.GetCount(), 2);
    m_boxes.Clear();
    TapHint();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("No hints available"));
    EXPECT_EQ(m_wnd.m_finder.GetHintCount(), 0);
    EXPECT_EQ(m_wnd.m_nSelCount, 0);
}
