// Show All Words through the frame: the Game menu item and its shortcut, when it is offered, the
// review panel beside the cube and what closes it.
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "dialogs/WordReviewPanel.h"
#include "tests/app/AppTestSupport.h"

class ShowAllWords : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WriteDictionary();
        m_app.InitInstance(FALSE);
        m_pFrame = m_app.GetMainWnd();
        m_pFrame->show(); // hidden widgets put off their resize events
        boxes.Clear();
    }
    CScreenHostWnd& Host() { return m_pFrame->GetScreenHost(); }
    CTessarylWnd& Tessaryl() { return Host().m_wndTessaryl; }
    QAction* Item() { return m_pFrame->FindCommand(ID_GAME_SHOWALLWORDS); }
    // A Tessaryl game on a known cube: CUBE, TILE and WORD laid out, as if just started.
    void StartKnownGame()
    {
        m_pFrame->OnCommand(ID_GAME_TESSARYL);
        m_pFrame->OnCommand(ID_FILE_NEWGAME);
        std::vector<QString> astrCells(TESS_CELLS, QStringLiteral("X"));
        const std::pair<const char*, std::vector<int>> aWords[] = {
            {"CUBE", {0, 1, 2, 5}}, {"TILE", {9, 12, 15, 16}}, {"WORD", {18, 19, 20, 23}}};
        for (const auto& [psz, anCells] : aWords)
            for (size_t i = 0; i < anCells.size(); ++i)
                astrCells[size_t(anCells[i])] = QString(QChar(psz[i]));
        Tessaryl().SetBoard(astrCells.data());
    }
    void OpenReview()
    {
        boxes.Answer(IDYES);
        m_pFrame->OnCommand(ID_GAME_SHOWALLWORDS);
    }
    QRect ScreenRect() { return Tessaryl().GetSafeHwnd()->geometry(); }

    CQuillotrixApp m_app;
    CMainFrame* m_pFrame = nullptr;
};

TEST_F(ShowAllWords, TheGameMenuOffersItWithCtrlROnlyWhileTessarylShowsACube)
{
    ASSERT_NE(Item(), nullptr);
    EXPECT_EQ(Item()->text(), QStringLiteral("Show &All Words"));
    EXPECT_EQ(Item()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    // In the Game menu, after a separator.
    QMenu* pGame = nullptr;
    for (QAction* pMenu : m_pFrame->menuBar()->actions())
        if (pMenu->text() == QStringLiteral("&Game"))
            pGame = pMenu->menu();
    ASSERT_NE(pGame, nullptr);
    const QList<QAction*> aItems = pGame->actions();
    const qsizetype nAt = aItems.indexOf(Item());
    ASSERT_GT(nAt, 0);
    EXPECT_TRUE(aItems[nAt - 1]->isSeparator());

    EXPECT_FALSE(Item()->isEnabled()) << "the main screen";
    m_pFrame->OnCommand(ID_GAME_TESSARYL);
    EXPECT_FALSE(Item()->isEnabled()) << "Tessaryl with no cube yet";
    m_pFrame->OnCommand(ID_FILE_NEWGAME);
    EXPECT_TRUE(Item()->isEnabled());
    m_pFrame->OnCommand(ID_GAME_CASCADIO);
    EXPECT_FALSE(Item()->isEnabled()) << "another game";
    m_pFrame->OnCommand(ID_GAME_MAINSCREEN);
    EXPECT_FALSE(Item()->isEnabled());
    Host().m_wndMainScreen.OnLButtonDown(MK_LBUTTON, CPoint(100, 18)); // the Tessaryl button, not a command
    ASSERT_TRUE(Tessaryl().IsWindowVisible());
    EXPECT_TRUE(Item()->isEnabled());

    // Not offered where it cannot run, the command does nothing and asks nothing.
    m_pFrame->OnCommand(ID_GAME_SPANWRIGHT);
    m_pFrame->OnCommand(ID_GAME_SHOWALLWORDS);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Host().GetOpenWordReview(), nullptr);
    EXPECT_TRUE(TessarylRunning(Tessaryl()));
}

TEST_F(ShowAllWords, TheReviewOpensBesideTheCubeAndLightsTheChosenWord)
{
    StartKnownGame();
    Host().GetSafeHwnd()->resize(1000, 600);
    const QRect rcAlone = ScreenRect();
    boxes.Answer(IDNO);
    m_pFrame->OnCommand(ID_GAME_SHOWALLWORDS);
    EXPECT_EQ(boxes.LastText(), QStringLiteral("This ends the game.  Show all the words on this cube?"));
    EXPECT_EQ(Host().GetOpenWordReview(), nullptr) << "No: no review";
    EXPECT_TRUE(TessarylRunning(Tessaryl()));

    OpenReview();
    CWordReviewPanel* pPanel = Host().GetOpenWordReview();
    ASSERT_NE(pPanel, nullptr);
    EXPECT_FALSE(TessarylRunning(Tessaryl()));
    QStringList astrWords;
    for (const CReviewWord& w : pPanel->GetReview().aWords)
        astrWords << w.strWord;
    EXPECT_EQ(astrWords, (QStringList{"CUBE", "TILE", "WORD"}));
    EXPECT_EQ(pPanel->m_pWords->count(), 3);
    EXPECT_TRUE(pPanel->m_pSummary->text().contains(QStringLiteral("0 of 3 words"))) << qPrintable(pPanel->m_pSummary->text());
    EXPECT_EQ(pPanel->window()->focusWidget(), pPanel->m_pWords) << "the list takes the keys at once";

    // Beside the screen, as tall as it, together centred; a window wide enough keeps the screen's size.
    const QRect rcScreen = ScreenRect(), rcPanel = pPanel->geometry();
    EXPECT_EQ(rcScreen.size(), rcAlone.size());
    EXPECT_EQ(rcPanel.left(), rcScreen.right() + 1);
    EXPECT_EQ(rcPanel.top(), rcScreen.top());
    EXPECT_EQ(rcPanel.height(), rcScreen.height());
    EXPECT_EQ(rcPanel.width(), int(std::ceil(180 * Host().GetScreenScale() - 1e-6)));
    EXPECT_LE(std::abs(rcScreen.left() - (1000 - rcPanel.right() - 1)), 1) << "centred across";

    EXPECT_EQ(pPanel->m_pWords->currentRow(), 0);
    EXPECT_EQ(Tessaryl().GetReviewPath(), (QList<int>{0, 1, 2, 5})) << "the first word is chosen and lit";
    // Choosing a word lights its path on the cube.
    pPanel->m_pWords->setCurrentRow(1);
    EXPECT_EQ(Tessaryl().GetReviewPath(), (QList<int>{9, 12, 15, 16}));
    pPanel->m_pWords->setCurrentRow(2);
    EXPECT_EQ(Tessaryl().GetReviewPath(), (QList<int>{18, 19, 20, 23}));

    // A narrow window shrinks both, the panel never below what its texts need.
    Host().GetSafeHwnd()->resize(500, 600);
    EXPECT_GE(pPanel->width(), pPanel->minimumWidth());
    EXPECT_LE(pPanel->geometry().right(), 499);
    EXPECT_EQ(pPanel->geometry().left(), ScreenRect().right() + 1);
    EXPECT_LT(ScreenRect().width(), rcAlone.width());

    Host().GetSafeHwnd()->resize(pPanel->minimumWidth() - 10, 600);
    EXPECT_DOUBLE_EQ(Host().GetScreenScale(), 0.5) << "no room at all: the smallest screen, not the largest";

    // At scale 1 the screen is the handheld's 240 by 268 pixels, the panel beside it.
    const int cxPanel = std::max(pPanel->minimumWidth(), 180);
    Host().GetSafeHwnd()->resize(240 + cxPanel, 268);
    EXPECT_DOUBLE_EQ(Host().GetScreenScale(), 1.0);
    EXPECT_EQ(ScreenRect(), QRect(0, 0, 240, 268));
    EXPECT_EQ(pPanel->geometry(), QRect(240, 0, cxPanel, 268));
}

TEST_F(ShowAllWords, TheReviewClosesOnCloseEscapeANewGameAnOpenedGameOrLeavingTessaryl)
{
    StartKnownGame();
    QString strSaved;
    Tessaryl().SaveToText(strSaved);
    const std::function<void(CWordReviewPanel*)> aClosers[] = {
        [](CWordReviewPanel* p) { p->m_pClose->click(); },
        [](CWordReviewPanel* p) {
            for (QShortcut* pShortcut : p->findChildren<QShortcut*>())
                if (pShortcut->key() == QKeySequence(Qt::Key_Escape))
                    QMetaObject::invokeMethod(pShortcut, "activated");
        },
        [this](CWordReviewPanel*) { m_pFrame->OnCommand(ID_FILE_NEWGAME); },
        [&](CWordReviewPanel*) { Tessaryl().LoadFromText(strSaved); }, // what Open Game hands over
        [this](CWordReviewPanel*) { m_pFrame->OnCommand(ID_GAME_MAINSCREEN); },
    };
    int nStep = 0;
    for (const auto& fnClose : aClosers) {
        m_pFrame->OnCommand(ID_GAME_TESSARYL);
        if (!Tessaryl().Game().HasCube())
            m_pFrame->OnCommand(ID_FILE_NEWGAME);
        OpenReview();
        CWordReviewPanel* pPanel = Host().GetOpenWordReview();
        ASSERT_NE(pPanel, nullptr) << nStep;
        pPanel->m_pWords->setCurrentRow(0);
        ASSERT_FALSE(Tessaryl().GetReviewPath().isEmpty()) << nStep;
        fnClose(pPanel);
        EXPECT_EQ(Host().GetOpenWordReview(), nullptr) << nStep;
        EXPECT_FALSE(Tessaryl().IsReviewing()) << nStep;
        EXPECT_TRUE(Tessaryl().GetReviewPath().isEmpty()) << nStep;
        ++nStep;
    }
    // Once closed, the screen has the whole width again.
    m_pFrame->OnCommand(ID_GAME_TESSARYL);
    Host().GetSafeHwnd()->resize(1000, 600);
    EXPECT_LE(std::abs(ScreenRect().left() - (1000 - ScreenRect().right() - 1)), 1);
}

TEST_F(ShowAllWords, WhileTheReviewIsOpenItAloneTakesEscapeAndThePlayKeys)
{
    // Two shortcuts on one key cancel each other out: the play commands must stand aside.
    const auto fnEnabledWith = [this](const QKeySequence& key) {
        QStringList astrItems;
        for (QAction* pMenu : m_pFrame->menuBar()->actions())
            for (QAction* pItem : pMenu->menu()->actions())
                if (pItem->isEnabled() && pItem->shortcuts().contains(key))
                    astrItems << pItem->text();
        return astrItems;
    };
    StartKnownGame();
    EXPECT_EQ(fnEnabledWith(QKeySequence(Qt::Key_Escape)), QStringList{"Cl&ear the Word"});
    OpenReview();
    ASSERT_NE(Host().GetOpenWordReview(), nullptr);
    for (int nKey : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Backspace})
        EXPECT_TRUE(fnEnabledWith(QKeySequence(nKey)).isEmpty()) << nKey;
    Host().GetOpenWordReview()->m_pClose->click();
    ASSERT_EQ(Host().GetOpenWordReview(), nullptr);
    EXPECT_EQ(fnEnabledWith(QKeySequence(Qt::Key_Escape)), QStringList{"Cl&ear the Word"});
}
