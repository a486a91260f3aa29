// Show All Words in the Tessaryl window: the question only while a game runs, the game counted
// as ended once, the chosen word's path drawn in the selected colour, and what ends the review.
#include "tests/tessaryl/TessarylTestSupport.h"

namespace {
const char kQuestion[] = "This ends the game.  Show all the words on this cube?";
} // namespace

class TessarylReview : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_wnd.SetDictionary(Keep(MakeDictionary({"cat", "dog", "god", "tide", "tides"})));
        SetBoard(MakeBoard({{"CAT", {0, 1, 2}}, {"DOG", {9, 12, 15}}, {"TIDES", {18, 19, 20, 23, 26}}}));
        m_wnd.m_fnGameEnded = [this](CGameWnd*) { ++m_nEnded; };
        m_wnd.m_fnReviewEnded = [this] { ++m_nReviewEnded; };
    }
    // How many pixels of the cell's letter rectangle are in the selected colour (white).
    int SelectedInk(int nCell) const
    {
        const QImage img = Surface();
        const CRect rc = CellTextRect(nCell);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
        return n;
    }
    std::vector<int> LitCells() const
    {
        std::vector<int> an;
        for (int n = 0; n < TESS_CELLS; ++n)
            if (SelectedInk(n) > 5)
                an.push_back(n);
        return an;
    }
    QList<int> PathOf(const CWordReview& review, const QString& strWord) const
    {
        for (const CReviewWord& w : review.aWords)
            if (w.strWord == strWord)
                return w.anPath;
        return {};
    }

    int m_nEnded = 0;
    int m_nReviewEnded = 0;
};

TEST_F(TessarylReview, TheQuestionComesOnlyWhileAGameRunsAndTheGameEndsOnce)
{
    TapCells({0, 1, 2});
    TapSubmit();
    ASSERT_EQ(Score(), 225);
    TapCells({9, 12});

    CWordReview review;
    m_boxes.Answer(IDNO);
    EXPECT_FALSE(m_wnd.ShowAllWords(review));
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.boxes[0].strText, kQuestion);
    EXPECT_EQ(m_boxes.boxes[0].strCaption, "Confirmation");
    EXPECT_EQ(m_boxes.boxes[0].nType & 0x0F, UINT(MB_YESNO));
    EXPECT_TRUE(Running() && !m_wnd.IsReviewing()) << "No leaves the game as it was";
    EXPECT_EQ(Selection(), (std::vector<int>{9, 12}));
    EXPECT_EQ(m_nEnded, 0);
    EXPECT_TRUE(review.aWords.isEmpty());

    m_boxes.Answer(IDYES);
    EXPECT_TRUE(m_wnd.ShowAllWords(review));
    EXPECT_EQ(m_boxes.boxes.size(), 2u);
    EXPECT_FALSE(Running());
    EXPECT_TRUE(m_wnd.IsReviewing());
    EXPECT_EQ(m_nEnded, 1);
    EXPECT_EQ(Score(), 225) << "the score stays on show";
    EXPECT_EQ(LitCells(), std::vector<int>{}) << "the chain in progress was dropped";
    QStringList astrWords;
    for (const CReviewWord& w : review.aWords)
        astrWords << w.strWord + (w.bFound ? "*" : "");
    EXPECT_EQ(astrWords, (QStringList{"CAT*", "DOG", "GOD", "TIDE", "TIDES"}));
    EXPECT_EQ(review.Percent(), 15) << "225 of 3 x 225 + 300 + 500 = 1475 is 15.3 %";
    EXPECT_EQ(m_wnd.GetSaveRefusal(), QStringLiteral("Can't save: Game over"));

    // Asked again, with or without the review open: no question, and the game is not counted again.
    EXPECT_TRUE(m_wnd.ShowAllWords(review));
    m_wnd.EndReview();
    EXPECT_TRUE(m_wnd.ShowAllWords(review));
    EXPECT_EQ(m_boxes.boxes.size(), 2u);
    EXPECT_EQ(m_nEnded, 1);
    EXPECT_EQ(review.aWords.size(), 5);
}

TEST_F(TessarylReview, TheChosenWordsPathIsDrawnInTheSelectedColourAndTapsChangeNothing)
{
    m_boxes.Answer(IDYES);
    CWordReview review;
    ASSERT_TRUE(m_wnd.ShowAllWords(review));
    const QList<int> anTides = PathOf(review, "TIDES"), anGod = PathOf(review, "GOD");
    ASSERT_EQ(anTides, (QList<int>{18, 19, 20, 23, 26}));
    ASSERT_EQ(anGod, (QList<int>{15, 12, 9}));
    EXPECT_EQ(LitCells(), std::vector<int>{});

    m_wnd.ShowReviewPath(anTides);
    EXPECT_EQ(LitCells(), (std::vector<int>{18, 19, 20, 23, 26}));
    m_wnd.ShowReviewPath(anGod);
    EXPECT_EQ(LitCells(), (std::vector<int>{9, 12, 15})) << "the last word's cells go back to the normal colour";
    // A repaint draws the same.
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    EXPECT_EQ(LitCells(), (std::vector<int>{9, 12, 15}));

    // Taps on cells and buttons change neither the cube nor the game.
    const QImage before = Surface();
    TapCells({0, 1, 2});
    TapSubmit();
    TapHint();
    TapBack();
    EXPECT_EQ(Surface(), before);
    EXPECT_EQ(SelCount(), 0);
    EXPECT_EQ(Score(), 0);

    m_wnd.EndReview();
    EXPECT_EQ(m_nReviewEnded, 1);
    EXPECT_EQ(LitCells(), std::vector<int>{});
    m_wnd.ShowReviewPath(anGod);
    EXPECT_EQ(LitCells(), std::vector<int>{}) << "no path is lit once the review is closed";
}

TEST_F(TessarylReview, ANewOrOpenedGameEndsTheReview)
{
    m_boxes.nDefaultAnswer = IDYES;
    CWordReview review;
    ASSERT_TRUE(m_wnd.ShowAllWords(review));
    QString strText;
    m_wnd.SaveToText(strText); // the saved text of the same cube, as if from a file

    m_wnd.ShowReviewPath(PathOf(review, "CAT"));
    m_wnd.NewGame();
    EXPECT_EQ(m_nReviewEnded, 1);
    EXPECT_FALSE(m_wnd.IsReviewing());
    EXPECT_TRUE(Running());
    EXPECT_EQ(LitCells(), std::vector<int>{});

    ASSERT_TRUE(m_wnd.ShowAllWords(review));
    EXPECT_EQ(m_nEnded, 2) << "the new game was ended and counted too";
    EXPECT_FALSE(m_wnd.LoadFromText(QStringLiteral("\t5\t0\t0\t")));
    EXPECT_TRUE(m_wnd.IsReviewing()) << "a text refused leaves the review open";
    ASSERT_TRUE(m_wnd.LoadFromText(strText));
    EXPECT_EQ(m_nReviewEnded, 2);
    EXPECT_FALSE(m_wnd.IsReviewing());
    EXPECT_EQ(m_wnd.GetSaveRefusal(), QString());

    // With no cube there is nothing to review and nothing to ask.
    m_boxes.Clear();
    m_wnd.QuitGame();
    m_boxes.Clear();
    EXPECT_FALSE(m_wnd.ShowAllWords(review));
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_FALSE(m_wnd.IsReviewing());
}
