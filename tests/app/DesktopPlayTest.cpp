// Playing from the keyboard in the running program: letters reach the visible game, the play
// commands sit in the Game menu with keys that never spell, and the status line shows the word.
#include <QKeyEvent>
#include <QMenu>

#include "tests/app/AppTestSupport.h"

namespace {
void SendLetter(QWidget* pWidget, char ch, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_A + (ch - 'a'), modifiers, QString(QLatin1Char(ch)));
    QApplication::sendEvent(pWidget, &e);
}

QAction* FindByShortcut(CMainFrame* pFrame, const QKeySequence& key)
{
    for (QAction* pMenu : pFrame->menuBar()->actions())
        for (QAction* pItem : pMenu->menu()->actions())
            if (pItem->shortcuts().contains(key))
                return pItem;
    return nullptr;
}
} // namespace

TEST_F(ShellTest, LettersAndThePlayCommandsReachTheVisibleGameAndTheStatusLineShowsTheWord)
{
    WriteDictionary();
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    CMainFrame* pFrame = app.GetMainWnd();
    CScreenHostWnd& host = pFrame->GetScreenHost();

    // On the main screen letters go nowhere.
    SendLetter(pFrame, 'c');
    EXPECT_TRUE(boxes.boxes.empty());

    pFrame->OnCommand(ID_GAME_TESSARYL);
    QString astrCells[TESS_CELLS];
    for (QString& str : astrCells)
        str = QStringLiteral("X");
    // Cells 0, 1, 2 and 5 touch in a chain.
    astrCells[0] = "C", astrCells[1] = "U", astrCells[2] = "B", astrCells[5] = "E";
    host.m_wndTessaryl.SetBoard(astrCells);
    for (char ch : {'c', 'u', 'b', 'e'})
        SendLetter(pFrame, ch);
    EXPECT_EQ(pFrame->GetStatusText(), QStringLiteral("CUBE: 300 points"));
    SendLetter(pFrame, 'x', Qt::ControlModifier); // a shortcut, never a letter
    EXPECT_EQ(host.m_wndTessaryl.Game().m_nSelCount, 4);
    SendLetter(pFrame, 'z');
    EXPECT_EQ(pFrame->GetNotice(), QStringLiteral("No free \"Z\" fits the word"));
    EXPECT_EQ(host.m_wndTessaryl.Game().m_nSelCount, 4);

    QAction* pSubmit = FindByShortcut(pFrame, QKeySequence(Qt::Key_Return));
    ASSERT_NE(pSubmit, nullptr);
    EXPECT_TRUE(pSubmit->shortcuts().contains(QKeySequence(Qt::Key_Enter)));
    pSubmit->trigger();
    EXPECT_EQ(TessarylScore(host.m_wndTessaryl), 300);
    EXPECT_EQ(pFrame->GetStatusText(), QStringLiteral("CUBE: 300 points"));
    EXPECT_TRUE(boxes.boxes.empty());

    // Every play command has a key that is not a plain letter; Ctrl+H stays for the high scores.
    const QList<QKeySequence> aKeys = {QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Escape),
                                       QKeySequence(Qt::Key_Question), QKeySequence(Qt::CTRL | Qt::Key_P),
                                       QKeySequence(Qt::Key_F5)};
    for (const QKeySequence& key : aKeys)
        EXPECT_NE(FindByShortcut(pFrame, key), nullptr) << qPrintable(key.toString());
    EXPECT_EQ(FindByShortcut(pFrame, QKeySequence(Qt::CTRL | Qt::Key_H)) == nullptr
                  || !FindByShortcut(pFrame, QKeySequence(Qt::CTRL | Qt::Key_H))->text().contains("Hint"),
              true);

    // Only what the visible game has is enabled: Tessaryl hints, Cascadio pauses.
    QAction* pHint = FindByShortcut(pFrame, QKeySequence(Qt::Key_Question));
    QAction* pPause = FindByShortcut(pFrame, QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(pHint->isEnabled());
    EXPECT_FALSE(pPause->isEnabled());
    pFrame->OnCommand(ID_GAME_CASCADIO);
    EXPECT_FALSE(pHint->isEnabled());
    EXPECT_TRUE(pPause->isEnabled());
    EXPECT_TRUE(pFrame->GetStatusText().isEmpty()) << "no Cascadio game: nothing traced";
    pFrame->OnCommand(ID_GAME_MAINSCREEN);
    EXPECT_FALSE(pSubmit->isEnabled());
}
