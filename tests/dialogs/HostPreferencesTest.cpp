// Tools > Preferences in the running program: the games hold still while the dialog is open,
// then every game and the main screen take the new choices; Cancel changes nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QThread>

#include "app/MainFrame.h"
#include "app/QuillotrixApp.h"
#include "dialogs/ColorSelectDlg.h"
#include "dialogs/PreferencesDlg.h"
#include "framework/Profile.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
// Below the cube, right of the buttons: background in every game.
constexpr int BACK_X = 236, BACK_Y = 200;
} // namespace

class HostPreferences : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        WriteDataFiles();
        WriteFileBytes(DataFolder() + "Broken.dct", QByteArray(100, 'z'));
        app.InitInstance(FALSE);
        ASSERT_TRUE(app.m_dictionary.IsLoaded());
        pFrame = app.GetMainWnd();
        pFrame->OnCommand(ID_GAME_TESSARYL);
        pFrame->OnCommand(ID_FILE_NEWGAME);
        boxes.Clear();
    }
    CScreenHostWnd& Host() { return pFrame->GetScreenHost(); }
    CTessarylWnd& Tess() { return Host().m_wndTessaryl; }
    CTessarylFinder& Finder() { return Tess().Game().Finder(); }
    CDictionary* TessDictionary() { return Tess().Game().GetDictionary(); }
    // Cell 4 of the cube's top face, away from its letter.
    CPoint TopFacePoint()
    {
        PixelAt(Host().m_wndTessaryl, 0, 0); // lays the cube out
        const CPoint* p = Tess().GetCellCorners(4);
        return CPoint((p[0].x + p[1].x + p[2].x + p[3].x) / 4, (p[0].y + p[1].y + p[2].y + p[3].y) / 4 + 8);
    }

    CQuillotrixApp app;
    CMainFrame* pFrame = nullptr;
};

TEST_F(HostPreferences, OKHandsTheChoicesToEveryGameAndTheMainScreen)
{
    std::vector<BOOL> aHeld;
    CModalDialog::SetModalRunner([&](CModalDialog& d) {
        auto* pPrefs = dynamic_cast<CPreferencesDlg*>(&d);
        if (!pPrefs) { // the colour dialog, opened from the tile swatch
            auto& c = dynamic_cast<CColorSelectDlg&>(d);
            c.m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(7 * 16 + 1, 7 * 6 + 1)); // azure (0, 64, 128)
            c.OnOK();
            return IDOK;
        }
        // While the dialog is open the timed games hold still and the word search waits.
        for (CGameWnd* pGame : Host().GetGames())
            aHeld.push_back(pGame->SetDialogOpen(TRUE));
        EXPECT_FALSE(Finder().IsWorkerRunning());
        pPrefs->m_cbDictionary->setCurrentIndex(pPrefs->m_cbDictionary->findText("English common"));
        pPrefs->m_cbBackground->setCurrentIndex(pPrefs->m_cbBackground->findText("Sand03.gif"));
        pPrefs->m_wndCubeSwatch.OnLButtonUp(0, CPoint(1, 1));
        pPrefs->OnOK();
        return IDOK;
    });
    pFrame->FindCommand(ID_TOOLS_PREFERENCES)->trigger();
    EXPECT_EQ(aHeld, (std::vector<BOOL>{TRUE, TRUE, TRUE})) << "every game is held, so none takes input under a box";
    for (CGameWnd* pGame : Host().GetGames()) {
        EXPECT_FALSE(pGame->SetDialogOpen(FALSE)) << "each goes on afterwards";
        EXPECT_EQ(PixelAt(*pGame, BACK_X, BACK_Y), 0xC8B400u) << qPrintable(pGame->GetHelpAnchor());
    }
    // Tessaryl: the new tile colour and the new dictionary.
    const CPoint pt = TopFacePoint();
    EXPECT_EQ(PixelAt(Host().m_wndTessaryl, pt.x, pt.y), ToRgb(RGB(0, 64, 128)));
    EXPECT_EQ(TessDictionary(), &app.m_dictionary);
    EXPECT_TRUE(app.m_dictionary.Contains("bridge"));
    // The main screen: new background and button colour.
    const CRect rcButton = CMainScreenWnd::GetButtonRect(1, 268);
    EXPECT_EQ(PixelAt(Host().m_wndMainScreen, 1, 1), 0xC8B400u);
    EXPECT_EQ(PixelAt(Host().m_wndMainScreen, rcButton.left + 3, rcButton.bottom - 3), ToRgb(RGB(0, 64, 128)));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HostPreferences, CancelChangesNothingButEmptiesTessarylsWordList)
{
    for (int i = 0; i < 20000 && Tess().IsWorkerAlive(); ++i)
        QThread::msleep(1);
    ASSERT_GT(Finder().GetHintCount(), 0) << "the placed word at least";
    const CPoint pt = TopFacePoint();
    CModalDialog::SetModalRunner([](CModalDialog& d) {
        auto& prefs = dynamic_cast<CPreferencesDlg&>(d);
        prefs.m_cbBackground->setCurrentIndex(0);
        prefs.m_crCube = RGB(255, 0, 0);
        prefs.OnCancel();
        return IDCANCEL;
    });
    pFrame->OnCommand(ID_TOOLS_PREFERENCES);
    EXPECT_EQ(Finder().GetHintCount(), 0);
    EXPECT_TRUE(Tess().IsGameRunning());
    EXPECT_EQ(PixelAt(Host().m_wndTessaryl, pt.x, pt.y), 0x0000C0u);
    for (CGameWnd* pGame : Host().GetGames()) {
        EXPECT_EQ(PixelAt(*pGame, BACK_X, BACK_Y), 0x0000FFu);
        EXPECT_FALSE(pGame->SetDialogOpen(FALSE));
    }
}

TEST_F(HostPreferences, ADictionaryThatFailsIsReportedAndTheGamesKeepTheirs)
{
    CModalDialog::SetModalRunner([](CModalDialog& d) {
        auto& prefs = dynamic_cast<CPreferencesDlg&>(d);
        prefs.m_cbDictionary->setCurrentIndex(prefs.m_cbDictionary->findText("Broken"));
        prefs.OnOK();
        return IDOK;
    });
    pFrame->OnCommand(ID_TOOLS_PREFERENCES);
    EXPECT_EQ(boxes.LastText(), DataFolder() + "Broken.dct");
    EXPECT_EQ(app.m_strDictionary, DataFolder() + "English Comprehensive07.dct");
    EXPECT_TRUE(app.m_dictionary.Contains("cube"));
    boxes.Clear();
    pFrame->OnCommand(ID_FILE_NEWGAME);
    EXPECT_TRUE(boxes.boxes.empty()) << "a new game starts at once";
}

TEST_F(HostPreferences, NoticesInTheStatusBarAreStoredAndTakeTheGamesRoutineBoxes)
{
    Tess().Game().SelectCell(0);
    Host().DoGameCommand(CGameWnd::GAMECMD_SUBMIT);
    ASSERT_EQ(boxes.boxes.size(), 1u) << "off by default: a box";
    boxes.Clear();

    CModalDialog::SetModalRunner([&](CModalDialog& d) {
        auto& prefs = dynamic_cast<CPreferencesDlg&>(d);
        EXPECT_FALSE(prefs.m_pNoticesInStatusBar->isChecked());
        prefs.m_pNoticesInStatusBar->setChecked(true);
        prefs.OnOK();
        return IDOK;
    });
    pFrame->FindCommand(ID_TOOLS_PREFERENCES)->trigger();
    EXPECT_TRUE(app.m_bNoticesInStatusBar);
    EXPECT_EQ(GetProfileInt("Settings", "NoticesInStatusBar", 0), 1);

    Host().DoGameCommand(CGameWnd::GAMECMD_SUBMIT);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(pFrame->GetNotice(), QStringLiteral("Words must be at least 3 letters long"));
    // The pause still holds the game with its box.
    pFrame->OnCommand(ID_GAME_CASCADIO);
    pFrame->OnCommand(ID_FILE_NEWGAME);
    Host().DoGameCommand(CGameWnd::GAMECMD_PAUSE);
    EXPECT_EQ(boxes.boxes.size(), 1u);
}
