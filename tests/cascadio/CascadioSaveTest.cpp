// Cascadio saved games through the window: a load replaces the running game at once and shows it,
// and a text that cannot be a game leaves the window as it was.
#include "tests/cascadio/CascadioTestSupport.h"
#include "tests/support/FileBytes.h"

using CascadioSave = CCascadioFixture;

namespace {
QString FixtureText(const char* pszName)
{
    const QByteArray bytes = ReadFileBytes(QStringLiteral(QX_SOURCE_DIR "/tests/cascadio/data/") + QLatin1String(pszName));
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
}
} // namespace

TEST_F(CascadioSave, LoadReplacesTheRunningGameAtOnce)
{
    const QString str = FixtureText("played.wdg");
    srand(12);
    m_wnd.NewGame();
    TapCell(0, 0);
    TapPause();
    m_dwNow += 1000;
    ASSERT_TRUE(m_wnd.LoadFromText(str));
    EXPECT_TRUE(Game().PathLength() == 0 && Game().PauseCount() == 0 && Game().IsRunning());
    EXPECT_TRUE(m_wnd.GetTimerId() == 1u && !m_wnd.IsHeld());
    EXPECT_EQ(Game().NextSpawn(), m_dwNow + 15000);
    EXPECT_EQ(m_boxes.boxes.size(), 1u); // the pause; the load asks nothing
    QString strAgain;
    m_wnd.SaveToText(strAgain);
    EXPECT_EQ(strAgain, str);

    // Shown at once: the repaint the load asks for draws the loaded well and score.
    m_wnd.UpdateWindow();
    const QImage img = LogicalSurface(m_wnd);
    EXPECT_TRUE(ShowsDigits(img, 89, "001325"));
    m_wnd.Invalidate();
    m_wnd.UpdateWindow();
    EXPECT_EQ(LogicalSurface(m_wnd), img);
}

TEST_F(CascadioSave, TextsThatCannotBeAGameLeaveTheWindowAsItWas)
{
    srand(21);
    m_wnd.NewGame();
    TapCells({{0, 0}, {1, 1}});
    QString strBefore;
    m_wnd.SaveToText(strBefore);
    for (const QString& str : {QString(), strBefore.left(97), QStringLiteral("  ") + strBefore.mid(2)}) {
        EXPECT_FALSE(m_wnd.LoadFromText(str));
        QString strNow;
        m_wnd.SaveToText(strNow);
        EXPECT_EQ(strNow, strBefore);
    }
    EXPECT_TRUE(Game().IsRunning() && Game().PathLength() == 2 && m_wnd.GetTimerId() == 1u);
}
