// Spanwright saved games: the text written, reading it back leniently, refusing what no game could
// have written, and how the walk goes on after loading.
#include <climits>

#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightSave : public CSpanwrightFixture {
protected:
    // The example game: score 525, 22 pixels on, standing, 7 letters of bridge, R and O placed.
    void SetUpExample()
    {
        StartWith("ROPESTA");
        m_wnd.m_nScore = 525;
        m_wnd.m_nWalkerX = 22;
        m_wnd.m_nBridgeLen = 7;
        m_wnd.m_listWords.AddString(QStringLiteral("Pest"));
        m_wnd.m_listWords.AddString(QStringLiteral("Rat"));
        TapTile(0);
        TapTile(1);
    }
    QString Saved()
    {
        QString str = QStringLiteral("left over");
        m_wnd.SaveToText(str);
        return str;
    }
    // '|' stands for a tab, '@' for a zero character.
    static QString Tabbed(const char* psz) { return QString::fromLatin1(psz).replace(u'|', u'\t').replace(u'@', QChar(0)); }
};

TEST_F(SpanwrightSave, WritesTheFieldsAndReadsThemBack)
{
    SetUpExample();
    const QString strSaved = Saved();
    EXPECT_EQ(strSaved, Tabbed("525|22|0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|2|Pest|Rat|"));
    m_wnd.NewGame();
    ASSERT_TRUE(m_wnd.LoadFromText(strSaved));
    EXPECT_TRUE(m_wnd.m_bRunning && m_wnd.m_nSelected == 0);
    // Every letter is back in the row; the rest is saved again as it was.
    EXPECT_EQ(Saved(), QString(strSaved).replace(Tabbed("R|0|O|1|"), Tabbed("R|-1|O|-1|")));
    // The loaded words still count as used.
    m_wnd.SetDictionary(nullptr);
    Submit("RAT");
    EXPECT_EQ(m_boxes.LastText(), "You have already used that word");
    m_wnd.m_listWords.ResetContent();
    EXPECT_TRUE(Saved().endsWith(Tabbed("|A|-1|0|")));
}

TEST_F(SpanwrightSave, ReadsLeniently)
{
    const std::tuple<const char*, int, int, int, int, int, QStringList> aCases[] = {
        // Repeated tabs between the header numbers, blanks and signs before numbers.
        {"525|||22||0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|2|Pest|Rat|", 525, 22, 0, 7, 5000, {"Pest", "Rat"}},
        {" +40|x|3|  2|-1|A||5|B|0|C|0|D|0|E|0|F|0|G|0|1|Bad|", 40, 0, 3, 2, -1, {"Bad"}},
        // More words promised than the text holds: the list ends with the text.
        {"0|0|0|0|5000|A|0|B|0|C|0|D|0|E|0|F|0|G|0|2000000000|Cab|Fad", 0, 0, 0, 0, 5000, {"Cab", "Fad"}},
        {"0|0|0|0|5000|A|0|B|0|C|0|D|0|E|0|F|0|G|0|-5|Cab|", 0, 0, 0, 0, 5000, {}},
        // Words no seven tiles could spell are left out; the rest keep their order.
        {"0|0|0|0|60000|a|0|b|0|c|0|d|0|e|0|f|0|g|0|5||Ab|Toolongx|B4d|Bead|", 0, 0, 0, 0, 60000, {"Bead"}},
        // A zero character ends the text.
        {"1|0|0|0|5000|A|0|B|0|C|0|D|0|E|0|F|0|G|0|2|Cab|@Fad|", 1, 0, 0, 0, 5000, {"Cab"}},
    };
    for (const auto& [pszText, nScore, nX, nFrame, nBridge, nDelay, astrWords] : aCases) {
        ASSERT_TRUE(m_wnd.LoadFromText(Tabbed(pszText))) << pszText;
        EXPECT_EQ(std::tuple(m_wnd.m_nScore, m_wnd.m_nWalkerX, m_wnd.m_nWalkerFrame, m_wnd.m_nBridgeLen, m_wnd.m_nStepDelay),
                  std::tuple(nScore, nX, nFrame, nBridge, nDelay)) << pszText;
        EXPECT_EQ(UsedWords(), astrWords) << pszText;
        EXPECT_EQ(SortedLetters(m_wnd.m_strLetters).size(), 7u);
    }
    // Lower-case letters are taken as capitals.
    EXPECT_EQ(SortedLetters(m_wnd.m_strLetters), "ABCDEFG");
}

TEST_F(SpanwrightSave, RefusesWhatNoGameCouldHaveWritten)
{
    SetUpExample();
    const QString strBefore = Saved();
    const char* apszTexts[] = {
        "",
        "525|22|0|7|5000|",                                         // ends before the letters
        "525|22|0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|",             // six letters
        "525|22|0|7|5000|QU|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",     // two characters on a tile
        "525|22|0|7|5000|R|0|9|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",      // a digit
        "525|22|0|7|5000||R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",     // an empty tile
        "525|22|0|31|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",     // a whole level of bridge
        "525|22|0|-1|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",
        "525|22|7|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",      // the falling frame
        "525|22|-1|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",
        "-525|22|0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",
        "525|-1|0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",
        "525|205|0|7|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",     // beyond the longest bridge
        "525|22|0|7|60001|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|",     // a rest of over a minute
    };
    for (const char* psz : apszTexts) {
        EXPECT_FALSE(m_wnd.LoadFromText(Tabbed(psz))) << psz;
        // The game on screen is untouched, the placed letters included.
        EXPECT_EQ(Saved(), strBefore) << psz;
        EXPECT_EQ(m_wnd.m_nSelected, 2);
    }
    EXPECT_TRUE(m_wnd.LoadFromText(Tabbed("525|204|0|30|5000|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|")));
    // The shortest rest a file can hold still steps down without overflowing at the next level.
    EXPECT_TRUE(m_wnd.LoadFromText(Tabbed("525|22|0|7|-99999999999|R|0|O|1|P|-1|E|-1|S|-1|T|-1|A|-1|0|")));
}

TEST_F(SpanwrightSave, WalkAfterLoading)
{
    const std::tuple<const char*, BOOL, BOOL, int> aCases[] = {
        // A bridge under the animal: it walks on, resting first when it was resting.
        {"300|11|0|4|4500|A|0|B|0|C|0|D|0|E|0|F|0|G|0|0|", TRUE, FALSE, 1},
        {"300|13|2|4|4500|A|0|B|0|C|0|D|0|E|0|F|0|G|0|0|", TRUE, FALSE, 3},
        // Before the first word it waits for one; after a completed level too, with free letters.
        {"0|0|0|0|5000|A|0|B|0|C|0|D|0|E|0|F|0|G|0|0|", FALSE, FALSE, 0},
        {"2100|0|0|0|4500|A|0|B|0|C|0|D|0|E|0|F|0|G|0|0|", FALSE, TRUE, 0},
    };
    for (const auto& [pszText, bWalking, bLevelDone, nFrameAfterTick] : aCases) {
        // Whatever the game before it was doing: fallen, or waiting after a level.
        StartWith("CATSDOG");
        m_wnd.m_bGameOver = TRUE;
        m_wnd.m_bRunning = FALSE;
        m_wnd.m_bLevelDone = TRUE;
        m_wnd.m_nPauseCount = 9;
        const BOOL bWasOpen = m_wnd.SetDialogOpen(TRUE); // the shell holds the game while its chooser is open
        ASSERT_TRUE(m_wnd.LoadFromText(Tabbed(pszText)));
        m_wnd.SetDialogOpen(bWasOpen);
        EXPECT_TRUE(m_wnd.m_bRunning && !m_wnd.m_bGameOver && m_wnd.m_nPauseCount == 0) << pszText;
        EXPECT_EQ(std::tuple(m_wnd.m_bTimerStarted, m_wnd.m_nTimerId, m_wnd.m_bLevelDone),
                  std::tuple(bWalking, bWalking ? CSpanwrightWnd::WALK_TIMER : 0u, bLevelDone)) << pszText;
        Tick();
        EXPECT_EQ(m_wnd.m_nWalkerFrame, nFrameAfterTick) << pszText;
    }
    // After the level, new letters cost nothing until the next word.
    TapNewLetters();
    EXPECT_EQ(m_wnd.m_nScore, 2100);
}
