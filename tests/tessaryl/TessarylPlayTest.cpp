// Tessaryl play: the chain rules, submitting, scoring, the used-word list and the high score.
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylPlay : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_pDictionary = Keep(MakeDictionary({"abs", "absolute", "house", "quiz", "use"}, 2));
        m_wnd.SetDictionary(m_pDictionary);
        SetBoard(MakeBoard({{"ABSOLUTE", {0, 1, 2, 5, 8, 7, 4, 3}}, {"HOUSE", {9, 12, 15, 16, 13}}, {"qIZ", {18, 19, 20}}}));
        m_settings.m_nCubeHiScore = 0;
        m_settings.m_bVerifyIncorrect = FALSE;
    }
    CDictionary* m_pDictionary = nullptr;
};

TEST_F(TessarylPlay, ChainRules)
{
    using CellList = std::vector<int>;
    TapCells({0, 1});
    TapCell(26); // does not touch cell 1
    TapCell(0);  // selected earlier in the chain: nothing
    EXPECT_EQ(Selection(), (CellList{0, 1}));
    TapCell(1); // the last one again: dropped
    EXPECT_EQ(Selection(), (CellList{0}));
    TapCells({1, 2});
    TapBack();
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(16, 6)); // in the cube rectangle, on no cell
    EXPECT_EQ(Selection(), (CellList{0, 1}));

    // The selection holds each cell once and never more than 32.
    SelCount() = 0;
    for (int n = 0; n < 2 * TESS_CELLS; ++n)
        Game().SelectCell(n % TESS_CELLS);
    EXPECT_EQ(SelCount(), 27);
    SelCount() = TESS_MAX_PATH;
    Game().SelectCell(0); // a 33rd cell
    EXPECT_EQ(SelCount(), TESS_MAX_PATH);
    SelCount() = 0;
    Running() = FALSE; // no game running: taps are ignored
    TapCell(0);
    EXPECT_TRUE(Selection().empty());
}

TEST_F(TessarylPlay, ScoresListAndHighScore)
{
    // The high score is raised only once it is exceeded, not while it is merely reached.
    m_settings.m_nCubeHiScore = 525;
    const struct {
        std::vector<int> anCells;
        int nScore, nHiScore;
    } aSteps[] = {
        {{0, 1, 2}, 225, 525},                   // ABS
        {{18, 19, 20}, 525, 525},                // QU-I-Z: four characters from three cells; equals the high score
        {{9, 12, 15, 16, 13}, 1025, 1025},       // HOUSE: exceeds it
        {{0, 1, 2, 5, 8, 7, 4, 3}, 2225, 2225},  // ABSOLUTE
    };
    for (const auto& step : aSteps) {
        TapCells(step.anCells);
        TapSubmit();
        EXPECT_EQ(Score(), step.nScore);
        EXPECT_EQ(m_settings.m_nCubeHiScore, step.nHiScore);
        EXPECT_TRUE(Selection().empty());
    }
    EXPECT_TRUE(m_boxes.boxes.empty());
    // Newest on top, first character kept, the rest lower case.
    QStringList astrList;
    for (int i = 0; i < UsedWords().size(); ++i)
        astrList << UsedWords().at(i);
    EXPECT_EQ(astrList, (QStringList{"Absolute", "House", "Quiz", "Abs"}));
}

TEST_F(TessarylPlay, RefusedSubmissionsAndTheAddWordQuestion)
{
    TapCells({0, 1});
    TapSubmit();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1})) << "the letters stay selected";
    TapCell(2);
    TapSubmit();
    TapCells({0, 1, 2});
    TapSubmit();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("You have already used that word"));
    EXPECT_EQ(Selection().size(), 3u);
    Game().ClearSelection();
    TapCells({9, 12, 15}); // HOU: not a word, word check off
    TapSubmit();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("'HOU' is not a valid word."));
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(Score(), 225);

    // With the word check on, the player is asked; only a yes adds the word and scores it.
    m_settings.m_bVerifyIncorrect = TRUE;
    for (int nAnswer : {IDNO, IDYES}) {
        m_boxes.Answer(nAnswer);
        TapCells({9, 12, 15});
        TapSubmit();
        EXPECT_EQ(m_boxes.LastText(), QStringLiteral("'HOU' not found in dictionary.  Add it?"));
        EXPECT_EQ(m_boxes.boxes.back().strCaption, QStringLiteral("Unknown word"));
        EXPECT_EQ(m_boxes.boxes.back().nType & 0x0F, MB_YESNO);
        EXPECT_TRUE(Selection().empty());
        EXPECT_EQ(Score(), nAnswer == IDYES ? 450 : 225);
        EXPECT_EQ(bool(m_pDictionary->Contains(QStringLiteral("hou"))), nAnswer == IDYES);
    }
    EXPECT_EQ(UsedWords().at(0), QStringLiteral("Hou"));
}
