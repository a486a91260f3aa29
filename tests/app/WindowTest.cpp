// The main window at any size: screens centred and scaled in the host, the size kept between runs,
// F11, and the games held while the player is away.
#include <QScreen>

#include "tests/app/AppTestSupport.h"

TEST_F(ShellTest, TheHostShowsTheScreensCentredAsLargeAsFit)
{
    CQuillotrixApp app;
    ASSERT_TRUE(app.InitInstance(FALSE));
    CScreenHostWnd& host = app.GetMainWnd()->GetScreenHost();
    app.GetMainWnd()->show(); // hidden widgets put off their resize events
    for (const QSize& size : {QSize(1000, 700), QSize(500, 1200), QSize(240, 268), QSize(731, 733)}) {
        host.GetSafeHwnd()->resize(size);
        const qreal s = std::min(size.width() / 240.0, size.height() / 268.0);
        EXPECT_DOUBLE_EQ(host.GetScreenScale(), s);
        for (CWnd* pScreen : {static_cast<CWnd*>(&host.m_wndMainScreen), static_cast<CWnd*>(&host.m_wndCascadio)}) {
            const QRect rc = pScreen->GetSafeHwnd()->geometry();
            EXPECT_EQ(rc.size(), QSize(int(std::ceil(240 * s - 1e-6)), int(std::ceil(268 * s - 1e-6))));
            EXPECT_LE(std::abs(rc.left() - (size.width() - rc.right() - 1)), 1) << "centred across";
            EXPECT_LE(std::abs(rc.top() - (size.height() - rc.bottom() - 1)), 1) << "centred down";
            CRect rcLogical;
            pScreen->GetClientRect(&rcLogical);
            EXPECT_EQ(rcLogical, CRect(0, 0, 240, 268));
        }
    }
    // The margins are the button face.
    host.GetSafeHwnd()->resize(1000, 700);
    host.UpdateWindow();
    EXPECT_EQ(host.GetSurface().pixel(2, 350), QColor(QApplication::palette().color(QPalette::Button)).rgb());
}

TEST_F(ShellTest, TheWindowOpensLargeOnAFirstStartAndRestoresItsGeometryLater)
{
    QRect rcFirst;
    {
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        CMainFrame* pFrame = app.GetMainWnd();
        pFrame->RestoreWindowGeometry();
        rcFirst = pFrame->geometry();
        const QRect rcAvailable = pFrame->screen()->availableGeometry();
        EXPECT_LE(rcFirst.height(), int(rcAvailable.height() * 0.85));
        EXPECT_GE(rcFirst.height(), int(rcAvailable.height() * 0.85) - 2);
        EXPECT_EQ(rcFirst.center(), rcAvailable.center());

        pFrame->setGeometry(QRect(30, 40, 700, 650));
        pFrame->SaveWindowGeometry();
    }
    EXPECT_TRUE(StoredValue("WindowGeometry").isValid());
    {
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        CMainFrame* pFrame = app.GetMainWnd();
        pFrame->RestoreWindowGeometry();
        EXPECT_EQ(pFrame->geometry(), QRect(30, 40, 700, 650));
        // Fullscreen is kept too (F11).
        pFrame->show();
        pFrame->ToggleFullScreen();
        EXPECT_TRUE(pFrame->windowState() & Qt::WindowFullScreen);
        pFrame->SaveWindowGeometry();
        pFrame->ToggleFullScreen();
        EXPECT_FALSE(pFrame->windowState() & Qt::WindowFullScreen);
    }
    {
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        app.GetMainWnd()->RestoreWindowGeometry();
        EXPECT_TRUE(app.GetMainWnd()->windowState() & Qt::WindowFullScreen);
    }
    // Damaged geometry falls back to the first-start size.
    QSettings("Brasswinkle", "Quillotrix").setValue("Settings/WindowGeometry", "not a geometry");
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    app.GetMainWnd()->RestoreWindowGeometry();
    EXPECT_EQ(app.GetMainWnd()->geometry().size(), rcFirst.size());
}

TEST_F(ShellTest, MinimisingOrGoingBehindAnotherProgramHoldsTheGamesUntilTheWindowIsBack)
{
    WriteDictionary();
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    CMainFrame* pFrame = app.GetMainWnd();
    CScreenHostWnd& host = pFrame->GetScreenHost();
    pFrame->show();
    pFrame->OnCommand(ID_GAME_CASCADIO);
    Spin();
    auto anyAway = [&] {
        BOOL bAny = FALSE;
        for (CGameWnd* pGame : host.GetGames())
            bAny = bAny || pGame->IsAway();
        return bAny;
    };
    auto allHeld = [&] {
        BOOL bAll = TRUE;
        for (CGameWnd* pGame : host.GetGames())
            bAll = bAll && pGame->IsAway() && pGame->IsHeld();
        return bAll;
    };
    EXPECT_FALSE(anyAway());

    pFrame->showMinimized();
    Spin();
    EXPECT_TRUE(pFrame->IsAway());
    EXPECT_TRUE(allHeld());
    pFrame->showNormal();
    Spin();
    EXPECT_FALSE(anyAway());
    EXPECT_EQ(pFrame->GetNotice(), "");

    // Another program in front: paused, and the status line says so.
    pFrame->OnApplicationStateChanged(Qt::ApplicationInactive);
    EXPECT_TRUE(allHeld());
    EXPECT_EQ(pFrame->GetNotice(), "Game paused");
    pFrame->OnApplicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(anyAway());
    EXPECT_EQ(pFrame->GetNotice(), "");

    // The status line's own text is left alone by the notice.
    pFrame->SetStatusText("TRACE");
    pFrame->OnApplicationStateChanged(Qt::ApplicationHidden);
    EXPECT_EQ(pFrame->GetStatusText(), "TRACE");
    pFrame->OnApplicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(pFrame->GetStatusText(), "TRACE");
}
