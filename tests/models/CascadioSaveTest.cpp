// The Cascadio saved text through the model: the exact form, round trips, the lenient reading kept,
// texts refused with the game left as it was, and games saved by earlier versions kept byte for byte.
#include "tests/models/CascadioModelSupport.h"

#include <QFile>

using CascadioSaveModel = CCascadioModelTest;

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

TEST_F(CascadioSaveModel, FormOfAGameAndRoundTrip)
{
    srand(11);
    m_game.NewGame();
    CCascadioState state = m_game.State();
    state.astrLetters[CascCell(2, 0)] = QStringLiteral("Qu");
    state.anCritter[CascCell(4, 5)] = 37;
    state.nScore = 12345;
    m_game.Load(state);
    for (int i = 0; i < 3; ++i)
        m_game.IncreaseDifficulty(FALSE);

    QString str;
    m_game.SaveToText(str);
    // 98 characters of letters, row by row from the top, then 53 tab-ended numbers.
    EXPECT_EQ(str.mid(4, 2), QStringLiteral("Qu"));
    EXPECT_EQ(str.mid(2 * 4, 1), m_game.Letter(4, 0));
    EXPECT_EQ(str.mid(2 * (7 * 5 + 4), 1), m_game.Letter(4, 5));
    EXPECT_TRUE(str[98] == u'\t' && str.endsWith(u'\t'));
    const QStringList aNumbers = str.mid(99).split(u'\t');
    ASSERT_EQ(aNumbers.size(), 54); // the last is the empty piece after the final tab
    EXPECT_EQ(aNumbers[7 * 5 + 4], QStringLiteral("37"));
    EXPECT_EQ(aNumbers.mid(49, 4), (QStringList{"12345", "12000", "3", "60"}));

    // Into another game in the middle of play, with a chain traced and pauses taken.
    CCascadioGame game(m_run);
    srand(12);
    game.NewGame();
    game.TapCell(0, 0);
    game.Pause();
    m_dwNow += 1000;
    ASSERT_TRUE(game.LoadFromText(str));
    for (int i = 0; i < CASC_CELLS; ++i) {
        EXPECT_EQ(game.Letter(i / 7, i % 7), m_game.Letter(i / 7, i % 7));
        EXPECT_EQ(game.Critter(i / 7, i % 7), m_game.Critter(i / 7, i % 7));
        EXPECT_FALSE(game.IsSelected(i / 7, i % 7));
    }
    EXPECT_TRUE(game.PathLength() == 0 && game.PauseCount() == 0 && game.IsRunning());
    EXPECT_EQ(game.NextSpawn(), m_dwNow + 12000);
    QString strAgain;
    game.SaveToText(strAgain);
    EXPECT_EQ(strAgain, str);
}

TEST_F(CascadioSaveModel, LenientReadingKept)
{
    // Numbers missing at the end read as 0; extra blanks and tabs between numbers are skipped;
    // anything after the last field is ignored; the text ends at a zero character.
    CCascadioState state;
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(QStringLiteral("5\t\t\t 7xyz\t\n9\t")), state));
    EXPECT_EQ(std::tuple(state.anCritter[CascCell(0, 0)], state.anCritter[CascCell(1, 0)],
                         state.anCritter[CascCell(2, 0)], state.anCritter[CascCell(3, 0)], state.nStepTicks),
              std::tuple(5, 7, 9, 0, 0));
    EXPECT_EQ(state.astrLetters[0], QStringLiteral("E"));
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(Numbers({{49, 900}})) + QStringLiteral("trailing words\r\n"), state));
    EXPECT_EQ(state.nScore, 900);
    ASSERT_TRUE(ParseCascadioText(TextWithNumbers(QStringLiteral("3\t")) + QChar(0) + QStringLiteral("4\t"), state));
    EXPECT_EQ(state.anCritter[CascCell(1, 0)], 0);
}

TEST_F(CascadioSaveModel, TextsThatCannotBeAGameAreRefused)
{
    srand(21);
    m_game.NewGame();
    TapCells({{0, 0}, {1, 1}});
    QString strBefore;
    m_game.SaveToText(strBefore);

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
        EXPECT_FALSE(m_game.LoadFromText(str)) << qPrintable(str.left(120));
        QString strNow;
        m_game.SaveToText(strNow);
        EXPECT_EQ(strNow, strBefore);
    }
    EXPECT_TRUE(m_game.IsRunning() && m_game.PathLength() == 2);
}

TEST_F(CascadioSaveModel, GamesSavedBeforeOpenAndSaveByteForByte)
{
    // Written by the window before the rules moved into the game: a fresh game, one played a while
    // ("Qu" included), and the hardest settings with a critter already at the bottom.
    for (const char* pszName : {"fresh.wdg", "played.wdg", "bottom.wdg"}) {
        QFile file(QStringLiteral(QX_SOURCE_DIR "/tests/cascadio/data/") + QLatin1String(pszName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << pszName;
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size() % 2, 0);
        const QString strText = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
        ASSERT_TRUE(m_game.LoadFromText(strText)) << pszName;
        QString strSaved;
        m_game.SaveToText(strSaved);
        const QByteArray saved(reinterpret_cast<const char*>(strSaved.utf16()), strSaved.size() * 2);
        EXPECT_EQ(saved, bytes) << pszName;
    }
    // The last one is over at the first tick.
    EXPECT_TRUE(m_game.Tick().bEnded);
}
