// Exit with a Tessaryl game running in a hidden window still asks first.
#include <QFile>

#include <gtest/gtest.h>

#include "app/QuillotrixApp.h"
#include "app/ScreenHostWnd.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestEnv.h"

TEST(TessarylExit, AsksWhileAGameRunsInAHiddenWindow)
{
    const QString strPath = TestRootFolder() + QStringLiteral("exit-test.dct");
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(BuildDictionaryImage({"apple", "cat", "dog", "house", "river", "stone", "tree", "zebra"}, 2));
    file.close();

    CQuillotrixApp app;
    ASSERT_TRUE(app.m_dictionary.LoadDictionary(strPath));
    CScriptedMessageBox boxes;
    {
        CScreenHostWnd host(&app);
        ASSERT_TRUE(host.Create(static_cast<QWidget*>(nullptr), AFX_IDW_PANE_FIRST, CRect(0, 0, 240, 268)));
        int nCloses = 0;
        host.m_fnPostClose = [&nCloses] { ++nCloses; };

        host.OnCommand(ID_GAME_TESSARYL);
        host.OnCommand(ID_FILE_NEWGAME);
        ASSERT_TRUE(host.m_wndTessaryl.m_bGameRunning);
        host.OnCommand(ID_GAME_MAINSCREEN);
        ASSERT_FALSE(host.m_wndTessaryl.IsWindowVisible());

        boxes.Answer(IDNO);
        host.OnCommand(ID_FILE_EXIT);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.LastText(), QStringLiteral("You have a game running.  Are you sure you want to quit?"));
        EXPECT_EQ(boxes.boxes[0].strCaption, QStringLiteral("Confirmation"));
        EXPECT_EQ(nCloses, 0);

        boxes.Answer(IDYES);
        host.OnCommand(ID_FILE_EXIT);
        EXPECT_EQ(nCloses, 1);

        // With no game running Exit closes at once.
        boxes.Answer(IDYES);
        host.OnCommand(ID_GAME_TESSARYL);
        host.m_wndTessaryl.QuitGame();
        boxes.Clear();
        host.OnCommand(ID_FILE_EXIT);
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(nCloses, 2);
    } // the host stops the word finder before its screens go
}
