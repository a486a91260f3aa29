// Spanwright saved games in the window: files written before the game had its model open to the
// same screen and save to the same bytes; a refused text leaves the screen's game alone; a loaded
// game's walk takes up its timer.
#include <QFile>

#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightSave : public CSpanwrightFixture {
protected:
    static QString DataPath(const QString& strName) { return QStringLiteral(QX_SOURCE_DIR "/tests/spanwright/data/") + strName; }
    static QByteArray ReadBytes(const QString& strName)
    {
        QFile file(DataPath(strName));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << strName.toStdString();
        return file.readAll();
    }
    // 16-bit little-endian characters, as Open Game reads a file and Save Game writes one.
    static QString Decode(const QByteArray& data)
    {
        QString str;
        for (qsizetype i = 0; i + 1 < data.size(); i += 2)
            str += QChar(char16_t(uchar(data[i]) | uchar(data[i + 1]) << 8));
        return str;
    }
    static QByteArray Encode(const QString& str)
    {
        QByteArray data;
        for (QChar ch : str) {
            data.append(char(ch.unicode() & 0xFF));
            data.append(char(ch.unicode() >> 8));
        }
        return data;
    }
    QString Saved()
    {
        QString str = QStringLiteral("left over");
        m_wnd.SaveToText(str);
        return str;
    }
};

TEST_F(SpanwrightSave, OlderFilesOpenToTheSameScreenAndSaveTheSame)
{
    m_settings.m_crFontNormalColor = RGB(255, 255, 0); // as the files' screens were taken
    // A game with letters in the word row saves them back in the letter row, as it always did.
    const std::pair<const char*, const char*> aFiles[] = {
        {"new-game", "new-game"}, {"walking-placed", "walking-placed.resaved"}, {"resting", "resting"},
        {"level-done", "level-done"}, {"second-level", "second-level"},
    };
    for (const auto& [pszName, pszResaved] : aFiles) {
        m_wnd.NewGame();
        ASSERT_TRUE(m_wnd.LoadFromText(Decode(ReadBytes(QString(pszName) + ".wbg")))) << pszName;
        EXPECT_EQ(Encode(Saved()), ReadBytes(QString(pszResaved) + ".wbg")) << pszName;
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
        const QImage imgBefore(DataPath(QString(pszName) + ".png"));
        ASSERT_FALSE(imgBefore.isNull()) << pszName;
        EXPECT_EQ(LogicalSurface(m_wnd), imgBefore.convertToFormat(QImage::Format_RGB32)) << pszName;
    }
    // The used words are listed as they were saved, most recent first.
    EXPECT_EQ(UsedWords(), QStringList{"Hni"});
}

TEST_F(SpanwrightSave, ARefusedTextLeavesTheGameOnScreen)
{
    StartWith("ROPESTA");
    Submit("ROPE");
    TapTile(0);
    const QString strBefore = Saved();
    const QImage imgBefore = LogicalSurface(m_wnd);
    EXPECT_FALSE(m_wnd.LoadFromText(QStringLiteral("525\t22\t0\t31\t5000\tR\t0\t")));
    EXPECT_EQ(Saved(), strBefore);
    EXPECT_EQ(Game().Selected(), 1);
    EXPECT_EQ(WalkTimerPeriod(), 5000);
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    EXPECT_EQ(LogicalSurface(m_wnd), imgBefore);
}

TEST_F(SpanwrightSave, ALoadedWalkTakesUpItsTimer)
{
    const std::tuple<const char*, int> aCases[] = {
        // A bridge under the animal: it walks on, resting first when it was resting.
        {"300\t11\t0\t4\t4500\tA\t0\tB\t0\tC\t0\tD\t0\tE\t0\tF\t0\tG\t0\t0\t", 4500},
        {"300\t13\t2\t4\t4500\tA\t0\tB\t0\tC\t0\tD\t0\tE\t0\tF\t0\tG\t0\t0\t", 200},
        // Before the first word, or after a completed level, it waits for the next word.
        {"0\t0\t0\t0\t5000\tA\t0\tB\t0\tC\t0\tD\t0\tE\t0\tF\t0\tG\t0\t0\t", -1},
        {"2100\t0\t0\t0\t4500\tA\t0\tB\t0\tC\t0\tD\t0\tE\t0\tF\t0\tG\t0\t0\t", -1},
    };
    for (const auto& [pszText, nPeriod] : aCases) {
        StartWith("CATSDOG");
        m_wnd.SetDictionary(nullptr);
        Submit("CAT"); // the game before walks
        // The shell holds the game while its chooser is open.
        const BOOL bWasOpen = m_wnd.SetDialogOpen(TRUE);
        ASSERT_TRUE(m_wnd.LoadFromText(QString::fromLatin1(pszText)));
        m_wnd.SetDialogOpen(bWasOpen);
        EXPECT_EQ(WalkTimerPeriod(), nPeriod) << pszText;
        EXPECT_TRUE(UsedWords().isEmpty());
    }
}
