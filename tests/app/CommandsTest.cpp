// Menu commands through the frame: screens and help, Exit, the close box, Ctrl+Q and About.
#include <QKeyEvent>
#include <functional>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QSet>
#include <QShortcut>
#include <functional>

#include "app/AboutDlg.h"
#include "tests/app/AppTestSupport.h"

namespace {
QShortcut* FindShortcut(QWidget* w, const QKeySequence& key)
{
    for (QShortcut* s : w->findChildren<QShortcut*>())
        if (s->key() == key)
            return s;
    return nullptr;
}
void Trigger(QShortcut* pShortcut) { QMetaObject::invokeMethod(pShortcut, "activated"); }

void PressKey(QWidget* w, int key)
{
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST_F(ShellTest, TheGameMenuAndTheMainScreenSwitchScreensAndHelpOpensTheVisibleScreensAnchor)
{
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    CMainFrame* pFrame = app.GetMainWnd();
    CScreenHostWnd& host = pFrame->GetScreenHost();
    QShortcut* pF1 = FindShortcut(pFrame, QKeySequence(Qt::Key_F1));
    ASSERT_NE(pF1, nullptr);
    auto visible = [&] {
        return QString("%1%2%3%4").arg(host.m_wndMainScreen.IsWindowVisible()).arg(host.m_wndTessaryl.IsWindowVisible())
            .arg(host.m_wndSpanwright.IsWindowVisible()).arg(host.m_wndCascadio.IsWindowVisible());
    };
    EXPECT_EQ(visible(), "1000") << "the main screen first";
    const struct {
        UINT nCommand; // 0: a tap on the first game button, through WM_SHOWGAME
        const char *pszVisible, *pszAnchor;
    } aSteps[] = {{ID_GAME_MAINSCREEN, "1000", "Main_Contents"}, {ID_GAME_CASCADIO, "0001", "Cascadio"},
                  {ID_GAME_SPANWRIGHT, "0010", "Spanwright"}, {ID_GAME_MAINSCREEN, "1000", "Main_Contents"},
                  {0, "0100", "Tessaryl"}};
    for (const auto& step : aSteps) {
        if (step.nCommand)
            pFrame->OnCommand(step.nCommand);
        else
            host.m_wndMainScreen.OnLButtonDown(MK_LBUTTON, CPoint(100, 18));
        EXPECT_EQ(visible(), step.pszVisible);
        helpLines.clear();
        Trigger(pF1);
        EXPECT_EQ(helpLines, QStringList{QString("file:Quillotrix.htm#") + step.pszAnchor});
    }
    EXPECT_EQ(host.SendMessage(WM_SHOWGAME, 3, 0), 0);
    host.SendMessage(WM_SHOWGAME, 9, 0); // no such game: nothing changes
    EXPECT_EQ(visible(), "0001");
}

TEST_F(ShellTest, ExitAndTheCloseBoxAskOnceWhileAnyGameRunsEvenInAHiddenWindow)
{
    WriteDictionary();
    CQuillotrixApp app;
    app.InitInstance(TRUE);
    boxes.Clear();
    CMainFrame* pFrame = app.GetMainWnd();
    CScreenHostWnd& host = pFrame->GetScreenHost();
    // A real Tessaryl game, its word finder running, left behind the main screen.
    pFrame->OnCommand(ID_GAME_TESSARYL);
    pFrame->OnCommand(ID_FILE_NEWGAME);
    ASSERT_TRUE(TessarylRunning(host.m_wndTessaryl));
    pFrame->OnCommand(ID_GAME_MAINSCREEN);
    // Spanwright's and Cascadio's running flags are their models': a game started and quit.
    const std::function<void(BOOL)> aSetRunning[] = {
        [&](BOOL b) { TessarylRunning(host.m_wndTessaryl) = b; },
        [&](BOOL b) { b ? host.m_wndSpanwright.NewGame() : host.m_wndSpanwright.Game().QuitGame(); },
        [&](BOOL b) { b ? host.m_wndCascadio.NewGame() : host.m_wndCascadio.QuitGame(TRUE); },
    };
    for (const auto& fnSetRunning : aSetRunning) {
        fnSetRunning(TRUE);
        boxes.Answer(IDNO);
        pFrame->OnCommand(ID_FILE_EXIT);
        boxes.Answer(IDNO);
        EXPECT_FALSE(pFrame->close());
        Spin();
        ASSERT_EQ(boxes.boxes.size(), 2u);
        for (const RecordedBox& box : boxes.boxes) {
            EXPECT_EQ(box.strText, "You have a game running.  Are you sure you want to quit?");
            EXPECT_EQ(box.strCaption, "Confirmation");
            EXPECT_EQ(box.nType & 0x0F, MB_YESNO);
        }
        EXPECT_TRUE(pFrame->isVisible());
        fnSetRunning(FALSE);
        boxes.Clear();
    }
    TessarylRunning(host.m_wndTessaryl) = TRUE;
    boxes.Answer(IDYES);
    pFrame->OnCommand(ID_FILE_EXIT);
    Spin();
    EXPECT_EQ(boxes.boxes.size(), 1u) << "the close that Exit asks for does not ask again";
    EXPECT_FALSE(pFrame->isVisible());
} // the host stops the word finder before its screens go

TEST_F(ShellTest, ExitWithoutAGameAndCtrlQCloseWithoutTheQuestion)
{
    for (bool bCtrlQ : {false, true}) {
        CQuillotrixApp app;
        app.InitInstance(TRUE);
        boxes.Clear();
        if (bCtrlQ) { // even with a game running
            TessarylRunning(app.GetMainWnd()->GetScreenHost().m_wndTessaryl) = TRUE;
            QShortcut* pQuit = FindShortcut(app.GetMainWnd(), QKeySequence(Qt::CTRL | Qt::Key_Q));
            ASSERT_NE(pQuit, nullptr);
            Trigger(pQuit);
        } else {
            app.GetMainWnd()->OnCommand(ID_FILE_EXIT);
        }
        Spin();
        EXPECT_TRUE(boxes.boxes.empty()) << bCtrlQ;
        EXPECT_FALSE(app.GetMainWnd()->isVisible()) << bCtrlQ;
    }
}

TEST_F(ShellTest, TheAboutBoxStartsHelpWithAndWithoutThePrefixAndClosesOnEnter)
{
    QWidget parent;
    parent.setGeometry(100, 100, 400, 400);
    parent.show();
    CAboutDlg dlg(&parent);
    dlg.show();
    EXPECT_FALSE(dlg.m_pPicture->pixmap().isNull());
    EXPECT_LE((dlg.frameGeometry().center() - parent.frameGeometry().center()).manhattanLength(), 1) << "centred on its parent";

    dlg.m_pHelp->click();
    PressKey(&dlg, Qt::Key_F1);
    EXPECT_EQ(helpLines, (QStringList{"file:Quillotrix.htm#Main_Contents", "quillotrix.htm#Main_Contents"}));
    EXPECT_TRUE(dlg.isVisible());

    // Enter closes the box rather than pressing Help, even with Help focused.
    dlg.m_pHelp->setFocus();
    PressKey(&dlg, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(helpLines.size(), 2);
}

TEST_F(ShellTest, MenusHaveAccessKeysAndTheDesktopsShortcutsAndAHelpMenu)
{
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    CMainFrame* pFrame = app.GetMainWnd();
    EXPECT_EQ(pFrame->FindCommand(ID_FILE_NEWGAME)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(pFrame->FindCommand(ID_FILE_OPENGAME)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(pFrame->FindCommand(ID_FILE_SAVEGAME)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));

    // Every menu and item has an access key, and no two in one menu share one.
    const auto fnKey = [](const QString& strText) {
        const qsizetype n = strText.indexOf(u'&');
        return n >= 0 && n + 1 < strText.size() ? strText[n + 1].toLower() : QChar();
    };
    QMenuBar* pBar = pFrame->menuBar();
    QSet<QChar> setMenus;
    QAction* pContents = nullptr;
    for (QAction* pMenuAction : pBar->actions()) {
        const QChar chMenu = fnKey(pMenuAction->text());
        EXPECT_FALSE(chMenu.isNull()) << qPrintable(pMenuAction->text());
        EXPECT_FALSE(setMenus.contains(chMenu)) << qPrintable(pMenuAction->text());
        setMenus.insert(chMenu);
        QSet<QChar> setItems;
        for (QAction* pItem : pMenuAction->menu()->actions()) {
            if (pItem->isSeparator())
                continue;
            const QChar ch = fnKey(pItem->text());
            EXPECT_FALSE(ch.isNull()) << qPrintable(pItem->text());
            EXPECT_FALSE(setItems.contains(ch)) << qPrintable(pItem->text());
            setItems.insert(ch);
            if (pItem->text().startsWith("&Contents"))
                pContents = pItem;
        }
    }
    EXPECT_EQ(setMenus, (QSet<QChar>{'f', 'g', 't', 'h'}));

    // Help › Contents opens the help at the visible screen, as F1 does.
    ASSERT_NE(pContents, nullptr);
    helpLines.clear();
    pContents->trigger();
    EXPECT_EQ(helpLines, QStringList{"file:Quillotrix.htm#Main_Contents"});
}
