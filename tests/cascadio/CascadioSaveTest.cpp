// Cascadio saved text: the exact form, round trips, the lenient reading kept, and texts refused with
// the running game left as it was.
#include "tests/cascadio/CascadioTestSupport.h"

#include <QStringList>

using CascadioSave = CCascadioFixture;

namespace {
// A text of a well full of E with the given numbers after the letters.
QString TextWithNumbers(const QString& strNumbers)
{
    return QString(98, u' ').replace(QStringLiteral("  "), QStringLiteral("E ")) + u'\t' + strNumbers;
}
// The 53 numbers all 0 but those given, each tab-ended.
QString Numbers(std::initializer_list<std::pair<int, int>> aSet)
{
    int an[53] = {};
    for (const auto& [i, n] : aSet)
        an[i] = n;
    QString str;
    for (int n : an)
        str += QString::number(n) + u'\t';
    return str;
}
} // namespace

TEST_F(CascadioSave, FormOfAFreshGameAndRoundTrip)
{
    srand(11);
    m_wnd.NewGame();
    m_wnd.m_strLetters[CascCell(2, 0)] = QStringLiteral("Qu");
    m_wnd.m_anCritter[CascCell(4, 5)] = 37;
    m_wnd.m_nScore = 12345;
    for (int i = 0; i < 3; ++i)
        m_wnd.IncreaseDifficulty(FALSE);

    QString str;
    m_wnd.SaveToText(str);
    // 98 characters of letters, row by row from the top, then 53 tab-ended numbers.
    EXPECT_EQ(str.mid(4, 2), QStringLiteral("Qu"));
    EXPECT_EQ(str.mid(2 * 4, 1), m_wnd.m_strLetters[CascCell(4, 0)]);
    EXPECT_EQ(str.mid(2 * (7 * 5 + 4), 1), m_wnd.m_strLetters[CascCell(4, 5)]);
    EXPECT_TRUE(str[98] == u'\t' && str.endsWith(u'\t'));
    const QStringList aNumbers = str.mid(99).split(u'\t');
    ASSERT_EQ(aNumbers.size(), 54); // the last is the empty piece after the final tab
    EXPECT_EQ(aNumbers[7 * 5 + 4], QStringLiteral("37"));
    EXPECT_EQ(aNumbers.mid(49, 4), (QStringList{"12345", "12000", "3", "60"}));

    // Into a window in the middle of another game, with a chain traced and pauses taken.
    CCascadioWnd wnd;
    ASSERT_TRUE(wnd.Create(static_cast<QWidget*>(nullptr), 1203, CRect(0, 0, 240, 268), TRUE));
    srand(12);
    wnd.NewGame();
    wnd.OnLButtonDown(MK_LBUTTON, CPoint(30, 45));
    wnd.m_nPauseCount = 4;
    m_dwNow += 1000;
    ASSERT_TRUE(wnd.LoadFromText(str));
    for (int i = 0; i < CASC_CELLS; ++i) {
        EXPECT_EQ(wnd.m_strLetters[i], m_wnd.m_strLetters[i]);
        EXPECT_EQ(wnd.m_anCritter[i], m_wnd.m_anCritter[i]);
        EXPECT_EQ(wnd.m_abSelected[i], 0);
    }
    EXPECT_TRUE(wnd.m_nPathLen == 0 && wnd.m_nPauseCount == 0 && wnd.m_bRunning && wnd.m_nTimerId == 1);
    EXPECT_EQ(wnd.m_dwNextSpawn, m_dwNow + 12000);
    EXPECT_TRUE(m_boxes.boxes.empty()); // replaced without a question
    QString strAgain;
    wnd.SaveToText(strAgain);
    EXPECT_EQ(strAgain, str);
}

TEST_F(CascadioSave, LenientReadingKept)
{
    // Numbers missing at the end read as 0; extra blanks and tabs between numbers are skipped;
    // anything after the last field is ignored; the text ends at a zero character.
    CCascadioState state;
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(QStringLiteral("5\t\t\t 7xyz\t")), state));
    EXPECT_EQ(std::tuple(state.anCritter[CascCell(0, 0)], state.anCritter[CascCell(1, 0)],
                         state.anCritter[CascCell(2, 0)], state.nStepTicks), std::tuple(5, 7, 0, 0));
    EXPECT_EQ(state.astrLetters[0], QStringLiteral("E"));
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(Numbers({{49, 900}})) + QStringLiteral("trailing words\r\n"), state));
    EXPECT_EQ(state.nScore, 900);
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(QStringLiteral("3\t")) + QChar(0) + QStringLiteral("4\t"), state));
    EXPECT_EQ(state.anCritter[CascCell(1, 0)], 0);

    // A loaded critter in the bottom row ends the game at the first tick.
    ASSERT_TRUE(m_wnd.LoadFromText(TextWithNumbers(Numbers({{7 * 6 + 3, 1}, {51, 1}}))));
    EXPECT_TRUE(m_wnd.m_bRunning);
    Ticks(1);
    EXPECT_TRUE(m_wnd.m_bGameOver);
}

TEST_F(CascadioSave, TextsThatCannotBeAGameAreRefused)
{
    srand(21);
    m_wnd.NewGame();
    TapCells({{0, 0}, {1, 1}});
    m_wnd.m_nScore = 400;
    QString strBefore;
    m_wnd.SaveToText(strBefore);

    const QString strLetters = TextWithNumbers(QString()).left(98);
    const QString aBad[] = {
        QString(),
        strLetters.left(97),
        strLetters.left(40) + QChar(0) + strLetters.mid(41),
        QStringLiteral("  ") + strLetters.mid(2),   // a cell without a letter
        strLetters.left(60) + QStringLiteral("\t\t") + strLetters.mid(62),
        strLetters.left(10) + QStringLiteral("E5") + strLetters.mid(12),
        TextWithNumbers(QStringLiteral("-1\t")),    // a critter count below zero
        TextWithNumbers(QStringLiteral("99999999999999999999999\t")),
        TextWithNumbers(Numbers({{49, -25}})),
        TextWithNumbers(Numbers({{51, 50}})),
    };
    for (const QString& str : aBad) {
        EXPECT_FALSE(m_wnd.LoadFromText(str)) << qPrintable(str.left(120));
        QString strNow;
        m_wnd.SaveToText(strNow);
        EXPECT_EQ(strNow, strBefore);
    }
    EXPECT_TRUE(m_wnd.m_bRunning && m_wnd.m_nPathLen == 2 && m_wnd.m_nTimerId == 1u);
}
