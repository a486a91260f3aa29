// Tessaryl's saved text: the exact fields written, round trips through the window, and the
// lenient but bounded reading of damaged or crafted texts.
#include "games/tessaryl/TessarylSavedText.h"
#include "tests/tessaryl/TessarylTestSupport.h"


class TessarylSave : public CTessarylFixture {
protected:
    void SetUp() override
    {
        CTessarylFixture::SetUp();
        SetBoard(m_board);
    }
    std::vector<QString> CellList() { return std::vector<QString>(Cells(), Cells() + TESS_CELLS); }
    QStringList Hints()
    {
        QStringList astrHints;
        std::vector<CPathBlock> aPaths;
        Finder().GetHints(astrHints, aPaths);
        return astrHints;
    }
    const std::vector<QString> m_board = MakeBoard({{"qIT", {0, 1, 2}}, {"CAT", {9, 12, 15}}});
};

TEST_F(TessarylSave, WritesEachFieldWithItsTabsAndReadsItAllBack)
{
    Score() = 1275;
    UsedWords().prepend(QStringLiteral("Cat"));
    UsedWords().prepend(QStringLiteral("Quit"));
    Finder().AddHint(QStringLiteral("TAC"), MakePath({15, 12, 9}));
    Finder().AddHint(QStringLiteral("QUIT"), MakePath({0, 1, 2}));
    QString strText;
    m_wnd.SaveToText(strText);
    EXPECT_EQ(strText, BoardText(m_board) + "\t1275\t2\tQuit\tCat\t2\tQUIT\t0\t1\t2\t-1\tTAC\t15\t12\t9\t-1\t");

    // Another game in its place, with a selection and a hint in progress; the text brings the first back.
    SetBoard(MakeBoard({{"DOG", {3, 4, 5}}}));
    UsedWords().clear();
    Finder().ClearWordList();
    TapCells({3, 4});
    HintLen() = 2;
    Running() = FALSE;
    ASSERT_TRUE(m_wnd.LoadFromText(strText));
    EXPECT_EQ(CellList(), m_board);
    EXPECT_EQ(Score(), 1275);
    EXPECT_TRUE(SelCount() == 0 && HintLen() == 0 && Running());
    for (int i = 0; i < TESS_CELLS; ++i)
        EXPECT_EQ(Finder().m_astrFinderCells[i], m_board[size_t(i)]);
    QString strAgain;
    m_wnd.SaveToText(strAgain);
    EXPECT_EQ(strAgain, strText);

    // Only the first 25 hints in list order are written.
    for (int i = 29; i >= 0; --i)
        Finder().AddHint(QString(i % 2 ? "w%1" : "W%1").arg(i, 2, 10, QChar('0')), MakePath({i % 27}));
    m_wnd.SaveToText(strText);
    CTessarylSavedGame game;
    ASSERT_TRUE(ParseTessarylText(strText, game));
    ASSERT_EQ(game.m_astrHintWords.size(), 25);
    EXPECT_EQ(game.m_astrHintWords.front(), QStringLiteral("QUIT"));
    EXPECT_EQ(game.m_astrHintWords.back(), QStringLiteral("W22"));
    EXPECT_EQ(game.m_aHintPaths[3], MakePath({1}));
}

TEST_F(TessarylSave, LoadedHintsAreGivenAtOnceAndKeptWhenTheFinderStartsAgain)
{
    // No dictionary: no finder runs, so only the loaded hint can answer.
    const QString strText = BoardText(m_board) + "\t100\t0\t1\tTAC\t15\t12\t9\t-1\t";
    ASSERT_TRUE(m_wnd.LoadFromText(strText));
    EXPECT_FALSE(m_wnd.IsWorkerAlive());
    TapHint();
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(Selection(), std::vector<int>{15});
    EXPECT_EQ(Score(), 75);

    // TAC is no word: the finder would never find it, so its presence shows the list was kept.
    m_wnd.SetDictionary(Keep(MakeDictionary({"cat", "quit"}, 2)));
    ASSERT_TRUE(m_wnd.LoadFromText(strText));
    WaitForFinder();
    EXPECT_EQ(Hints(), (QStringList{"CAT", "QUIT", "TAC"}));
}

TEST_F(TessarylSave, ATextThatCannotBeAGameIsRefusedAndTheGameStaysAsItWas)
{
    Score() = 300;
    UsedWords().append(QStringLiteral("Cat"));
    Finder().AddHint(QStringLiteral("CAT"), MakePath({9, 12, 15}));
    for (const QString& strText : {QString(), QString("\t5\t0\t0\t"), QString("12345678\t5\t0\t0\t"),
                                   QString("A B C ?D\t5\t"), QString("\x01\x02\x03"),
                                   BoardText(m_board) + "\t-1\t0\t0\t", BoardText(m_board) + "\t1000000000\t0\t0\t",
                                   BoardText(m_board) + "\t99999999999999\t0\t0\t"}) {
        EXPECT_FALSE(m_wnd.LoadFromText(strText)) << strText.toStdString();
        EXPECT_EQ(CellList(), m_board);
        EXPECT_TRUE(Score() == 300 && UsedWords().size() == 1 && Finder().GetHintCount() == 1);
    }

    // A short board keeps the letters it does not reach, but only where there are letters to keep.
    ASSERT_TRUE(m_wnd.LoadFromText("ZYX\t7\t"));
    EXPECT_EQ(CellList()[0] + CellList()[1] + CellList()[2], QStringLiteral("ZYXT"));
    EXPECT_TRUE(Score() == 7 && UsedWords().size() == 0);
    m_boxes.Answer(IDYES);
    m_wnd.QuitGame();
    EXPECT_FALSE(m_wnd.LoadFromText("ZYX\t7\t"));
    EXPECT_FALSE(Running());
}

// The reader alone: what a damaged or crafted text gives.
TEST(TessarylSavedText, ReadsLenientlyButNeverPastTheTextOrTheBoard)
{
    const QString strBoard = QString("A ").repeated(27);
    QString strLong;
    CPathBlock pathLong = MakePath({});
    for (int i = 0; i < 40; ++i)
        strLong += QString::number(i % 27) + "\t";
    for (int i = 0; i < 31; ++i)
        pathLong[i] = i % 27;
    const struct {
        const char* pszName;
        QString strRest; // after the board and its tab
        int nScore;
        QStringList astrUsed, astrHints;
        std::vector<CPathBlock> aPaths;
    } aCases[] = {
        {"nothing after the board", "", 0, {}, {}, {}},
        {"all tabs after score and count, one after each word", "12\t\t\t2\t\tAb\tCd\t0\t", 12, {"Ab", "Cd"}, {}, {}},
        {"an empty word between two tabs is not listed", "1\t3\tAb\t\tCd\t0\t", 1, {"Ab", "Cd"}, {}, {}},
        {"numbers as the C library reads them", " +40x\tz\t", 40, {}, {}, {}},
        {"a count past the end of the text", "5\t2000000000\tAb\tCd", 5, {"Ab", "Cd"}, {}, {}},
        {"a hint count past the end", "0\t0\t2000000000\tAB\t1\t2\t-1\t\t\tCD\t3\t", 0, {}, {"AB", "CD"},
         {MakePath({1, 2}), MakePath({3})}},
        {"a hint off the board is dropped", "0\t0\t3\tAB\t1\t27\t-1\tCD\t-7\t-1\tEF\t26\t-1\t", 0, {}, {"EF"},
         {MakePath({26})}},
        {"a hint without cells is dropped", "0\t0\t2\tAB\t-1\tCD\t4\t-1\t", 0, {}, {"CD"}, {MakePath({4})}},
        {"a long path keeps 31 cells and its end", "0\t0\t2\tAB\t" + strLong + "-1\tCD\t5\t-1\t", 0, {}, {"AB", "CD"},
         {pathLong, MakePath({5})}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.pszName);
        CTessarylSavedGame game;
        ASSERT_TRUE(ParseTessarylText(strBoard + "\t" + c.strRest, game));
        EXPECT_EQ(game.m_astrCells[26], QStringLiteral("A"));
        EXPECT_EQ(game.m_nScore, c.nScore);
        EXPECT_EQ(game.m_astrUsedWords, c.astrUsed);
        EXPECT_EQ(game.m_astrHintWords, c.astrHints);
        EXPECT_EQ(game.m_aHintPaths, c.aPaths);
    }

    // More pairs than cells: the first 27 are the board; an odd last character is a cell alone.
    CTessarylSavedGame game;
    ASSERT_TRUE(ParseTessarylText(QString("BC").repeated(30) + "D\t9\t", game));
    EXPECT_EQ(game.m_astrCells[26], QStringLiteral("BC"));
    EXPECT_EQ(game.m_nScore, 9);
    ASSERT_TRUE(ParseTessarylText("QUA B", game));
    EXPECT_EQ(game.m_astrCells[0] + "|" + game.m_astrCells[1] + "|" + game.m_astrCells[2], QStringLiteral("QU|A|B"));
    EXPECT_TRUE(game.m_astrCells[3].isEmpty());

    // However many words a text lists, no more are kept than a list box fills without stalling.
    ASSERT_TRUE(ParseTessarylText(strBoard + "\t0\t6000\t" + QString("Ab\t").repeated(6000) + "0\t", game));
    EXPECT_EQ(game.m_astrUsedWords.size(), TESS_MAX_USED_WORDS);
}

// The used words belong to the game: a window never shown saves them, and its list shows them
// from the first paint on, newest first.
TEST(TessarylUsedWords, AWindowNeverPaintedSavesThemAndItsListShowsTheGamesList)
{
    AppSettings settings;
    CScriptedMessageBox boxes;
    CTessarylWnd wnd;
    wnd.SetSettings(&settings);
    const std::vector<QString> board = MakeBoard({{"CAT", {0, 1, 2}}, {"DOG", {9, 12, 15}}});
    wnd.Game().SetBoard(board.data());
    for (int n : {0, 1, 2})
        wnd.Game().TapCell(n);
    wnd.Game().Submit(); // no dictionary: every word is played
    QString strText;
    wnd.SaveToText(strText);
    EXPECT_EQ(strText.section('\t', 1, 4), QStringLiteral("225\t1\tCat\t0"));

    ASSERT_TRUE(wnd.Create(static_cast<QWidget*>(nullptr), 1201, CRect(0, 0, 240, 268), TRUE));
    wnd.UpdateWindow();
    auto listed = [&wnd] {
        QStringList astr;
        for (int i = 0; i < wnd.GetUsedWordBox().GetCount(); ++i)
            astr << wnd.GetUsedWordBox().GetText(i);
        return astr;
    };
    EXPECT_EQ(listed(), QStringList{"Cat"});
    for (int n : {9, 12, 15}) {
        const CPoint* p = wnd.GetCellCorners(n);
        wnd.OnLButtonDown(MK_LBUTTON, CPoint((p[0].x + p[2].x) / 2, (p[0].y + p[2].y) / 2));
    }
    wnd.OnLButtonDown(MK_LBUTTON, CPoint(5, 268 - 50));
    EXPECT_EQ(listed(), (QStringList{"Dog", "Cat"}));
    ASSERT_TRUE(wnd.LoadFromText(strText));
    EXPECT_EQ(listed(), QStringList{"Cat"});
    EXPECT_TRUE(boxes.boxes.empty());
}
