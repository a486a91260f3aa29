// Tessaryl play: the chain rules, submitting, scoring, the used-word list and the high score.
#include "tests/support/ScriptedMessageBox.h"
#include "tests/tessaryl/TessarylTestSupport.h"

namespace {
// Top face 0-1-2-5-8-7-4-3 spells ABSOLUTE, left face 9-12-15-16-13 HOUSE, right face 18-19-20 QU-I-Z.
std::vector<QString> KnownBoard()
{
    std::vector<QString> a(27, QStringLiteral("X"));
    const int anTop[] = {0, 1, 2, 5, 8, 7, 4, 3};
    for (int i = 0; i < 8; ++i)
        a[anTop[i]] = QString(QChar("ABSOLUTE"[i]));
    const int anLeft[] = {9, 12, 15, 16, 13};
    for (int i = 0; i < 5; ++i)
        a[anLeft[i]] = QString(QChar("HOUSE"[i]));
    a[18] = QStringLiteral("QU");
    a[19] = QStringLiteral("I");
    a[20] = QStringLiteral("Z");
    return a;
}
} // namespace

class TessarylPlay : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        m_pDictionary = MakeDictionary({"abs", "absolute", "house", "quiz", "use"}, 2);
        m_wnd.SetDictionary(m_pDictionary.get());
        SetBoard(KnownBoard());
        m_settings.m_nCubeHiScore = 0;
        m_settings.m_bVerifyIncorrect = FALSE;
    }
    std::unique_ptr<CDictionary> m_pDictionary;
    CScriptedMessageBox m_boxes;
};

TEST_F(TessarylPlay, ChainRules)
{
    TapCells({0, 1});
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));
    TapCell(26); // does not touch cell 1
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));
    TapCell(0); // selected earlier in the chain: nothing
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));
    TapCell(1); // the last one again: dropped
    EXPECT_EQ(Selection(), (std::vector<int>{0}));
    TapCells({1, 2});
    TapBack();
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));
    m_wnd.OnLButtonDown(MK_LBUTTON, CPoint(16, 6)); // in the cube rectangle, on no cell
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1}));

    // The selection holds each cell once and never more than 32.
    m_wnd.m_nSelCount = 0;
    for (int nRound = 0; nRound < 2; ++nRound)
        for (int n = 0; n < TESS_CELLS; ++n)
            m_wnd.SelectCell(n);
    EXPECT_EQ(m_wnd.m_nSelCount, 27);
    m_wnd.m_nSelCount = TESS_MAX_PATH;
    m_wnd.SelectCell(0); // a 33rd cell
    EXPECT_EQ(m_wnd.m_nSelCount, TESS_MAX_PATH);
    m_wnd.m_nSelCount = 0;

    // No game running: taps are ignored.
    m_wnd.m_bGameRunning = FALSE;
    TapCell(0);
    EXPECT_TRUE(Selection().empty());
}

TEST_F(TessarylPlay, ScoresListAndHighScore)
{
    m_settings.m_nCubeHiScore = 300;
    TapCells({0, 1, 2}); // ABS
    TapSubmit();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(m_wnd.m_nScore, 225);
    EXPECT_EQ(m_settings.m_nCubeHiScore, 300);
    EXPECT_TRUE(Selection().empty());

    TapCells({18, 19, 20}); // QU-I-Z: four characters from three cells
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 525);
    EXPECT_EQ(m_settings.m_nCubeHiScore, 525) << "raised the moment it is exceeded";

    TapCells({9, 12, 15, 16, 13});
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 1025);
    TapCells({0, 1, 2, 5, 8, 7, 4, 3});
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 2225);
    EXPECT_EQ(m_settings.m_nCubeHiScore, 2225);
    EXPECT_TRUE(m_boxes.boxes.empty());

    // Newest on top, first character kept, the rest lower case.
    ASSERT_EQ(m_wnd.m_wndUsedWords.GetCount(), 4);
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetText(0), QStringLiteral("Absolute"));
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetText(1), QStringLiteral("House"));
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetText(2), QStringLiteral("Quiz"));
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetText(3), QStringLiteral("Abs"));
}

TEST_F(TessarylPlay, HighScoreNotReplacedWhenEqualled)
{
    m_settings.m_nCubeHiScore = 225;
    m_wnd.m_nScore = 0;
    TapCells({0, 1, 2});
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 225);
    EXPECT_EQ(m_settings.m_nCubeHiScore, 225);
    TapCells({15, 16, 13}); // USE
    TapSubmit();
    EXPECT_EQ(m_settings.m_nCubeHiScore, 450);
}

TEST_F(TessarylPlay, SubmissionMessages)
{
    TapCells({0, 1});
    TapSubmit();
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("Words must be at least 3 letters long"));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, QStringLiteral("Quillotrix"));
    EXPECT_EQ(Selection(), (std::vector<int>{0, 1})) << "the letters stay selected";

    TapCell(2);
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 225);
    TapCells({0, 1, 2});
    TapSubmit();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("You have already used that word"));
    EXPECT_EQ(m_wnd.m_nScore, 225);
    EXPECT_EQ(Selection().size(), 3u);
    m_wnd.ClearSelection();

    // Not a word, word check off.
    m_settings.m_bVerifyIncorrect = FALSE;
    TapCells({9, 12, 15}); // HOU
    TapSubmit();
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("'HOU' is not a valid word."));
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(m_wnd.m_nScore, 225);
}

TEST_F(TessarylPlay, AddWordQuestion)
{
    m_settings.m_bVerifyIncorrect = TRUE;
    m_boxes.Answer(IDNO);
    TapCells({9, 12, 15}); // HOU
    TapSubmit();
    ASSERT_EQ(m_boxes.boxes.size(), 1u);
    EXPECT_EQ(m_boxes.LastText(), QStringLiteral("'HOU' not found in dictionary.  Add it?"));
    EXPECT_EQ(m_boxes.boxes[0].strCaption, QStringLiteral("Unknown word"));
    EXPECT_EQ(m_boxes.boxes[0].nType & 0x0F, MB_YESNO);
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(m_wnd.m_nScore, 0);
    EXPECT_FALSE(m_pDictionary->Contains(QStringLiteral("hou")));

    m_boxes.Answer(IDYES);
    TapCells({9, 12, 15});
    TapSubmit();
    EXPECT_EQ(m_wnd.m_nScore, 225);
    EXPECT_TRUE(m_pDictionary->Contains(QStringLiteral("hou")));
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetText(0), QStringLiteral("Hou"));
    m_settings.m_bVerifyIncorrect = FALSE;
}
