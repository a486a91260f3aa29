// Start-up with its defaults, the settings written at exit, Reset High Scores, the personal list and the seed.
#include "framework/Clock.h"
#include "tests/app/AppTestSupport.h"

TEST_F(ShellTest, FirstStartOnAnEmptySettingsStoreUsesTheDefaults)
{
    CQuillotrixApp app;
    ASSERT_TRUE(app.InitInstance(FALSE));
    EXPECT_EQ(app.m_strProgramDir, TestProgramFolder());
    EXPECT_EQ(app.m_strDictionary, TestProgramFolder() + "data/English Comprehensive07.dct");
    EXPECT_EQ(app.m_strBackground, TestProgramFolder() + "data/Blue01.jpg");
    // No dictionary in the program folder: reported once, with the path, under the program's title.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error loading dictionary " + app.m_strDictionary);
    EXPECT_EQ(boxes.boxes[0].strCaption, "Quillotrix");
}

TEST_F(ShellTest, StoredValuesAreReadAndBadOnesFallBackToTheirDefaults)
{
    {
        QSettings s("Brasswinkle", "Quillotrix");
        s.setValue("Settings/ProgramDir", "/opt/quill"); // no separator: one is added
        s.setValue("Settings/CubeHiScore", 4321);
        s.setValue("Settings/CubeColor", 255);
        s.setValue("Settings/VerifyIncorrect", 0);
        s.setValue("Settings/DropHiScore", "lots");
        s.setValue("Settings/Background", TestProgramFolder() + "data/none.jpg");
    }
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    EXPECT_EQ(app.m_strProgramDir, "/opt/quill/");
    EXPECT_EQ(app.m_strDictionary, "/opt/quill/data/English Comprehensive07.dct");
    EXPECT_EQ(app.GetPersonalListPath(), TestProgramFolder() + "data/personal.pdt") << "the player's files stay put";
    EXPECT_EQ(app.m_nCubeHiScore, 4321);
    EXPECT_EQ(app.m_crCubeColor, RGB(255, 0, 0));
    EXPECT_EQ(app.m_bVerifyIncorrect, 0);
    EXPECT_EQ(app.m_nDropHiScore, 0);
    // A missing background picture leaves the picture empty but keeps the setting.
    EXPECT_FALSE(app.m_picBackground.IsLoaded());
    EXPECT_EQ(app.m_strBackground, TestProgramFolder() + "data/none.jpg");
}

TEST_F(ShellTest, ExitWritesTheValuesAsIntegersButNeverProgramDir)
{
    {
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        app.m_nCubeHiScore = 1234;
        app.m_nDropHiScore = 1234567;
        app.m_crCubeColor = RGB(10, 20, 30);
        app.m_bVerifyIncorrect = FALSE;
        app.m_strBackground = TestProgramFolder() + "data/Sand03.gif";
        app.ExitInstance();
        EXPECT_EQ(app.GetMainWnd(), nullptr);
    }
    EXPECT_FALSE(StoredValue("ProgramDir").isValid());
    const std::pair<const char*, int> aInts[] = {{"CubeHiScore", 1234}, {"BridgeHiScore", 0}, {"DropHiScore", 1234567},
                                                 {"CubeColor", int(RGB(10, 20, 30))}, {"FontNormalColor", 0},
                                                 {"FontSelectedColor", 16777215}, {"VerifyIncorrect", 0}};
    for (const auto& [pszName, nValue] : aInts)
        EXPECT_EQ(StoredValue(pszName).toString(), QString::number(nValue)) << pszName;
    EXPECT_EQ(StoredValue("Background").toString(), TestProgramFolder() + "data/Sand03.gif");
    EXPECT_EQ(StoredValue("Dictionary").toString(), TestProgramFolder() + "data/English Comprehensive07.dct");
    // Integers are plain numbers in the settings file, not quoted text or typed variants.
    const QString text = QString::fromUtf8(ReadFileBytes(QSettings("Brasswinkle", "Quillotrix").fileName()));
    EXPECT_TRUE(text.contains("\nDropHiScore=1234567\n") && text.contains("\nCubeColor=1971210\n")) << text.toStdString();
    CQuillotrixApp again;
    again.InitInstance(FALSE);
    EXPECT_EQ(again.m_crCubeColor, RGB(10, 20, 30));
}

TEST_F(ShellTest, RaisedAndResetHighScoresShowOnTheMainScreen)
{
    {
        QSettings s("Brasswinkle", "Quillotrix"); // Tessaryl's stays 0
        s.setValue("Settings/BridgeHiScore", 600);
        s.setValue("Settings/DropHiScore", 700);
    }
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    boxes.Clear();
    CMainFrame* pFrame = app.GetMainWnd();
    CMainScreenWnd& main = pFrame->GetScreenHost().m_wndMainScreen;
    auto scoreArea = [&] { // the score's corner of button 1
        main.UpdateWindow();
        return main.GetSurface().copy(QRect(120, 18, 99, 18));
    };
    const QImage zero = scoreArea();
    pFrame->OnCommand(ID_GAME_TESSARYL);
    app.m_nCubeHiScore = 987654; // raised by the game while the main screen is hidden
    pFrame->OnCommand(ID_GAME_MAINSCREEN);
    EXPECT_NE(scoreArea(), zero) << "shown again with the new score";

    boxes.Answer(IDNO); // declining keeps the scores
    pFrame->OnCommand(ID_TOOLS_RESETHIGHSCORES);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Are you sure you want to reset the high scores?");
    EXPECT_EQ(boxes.boxes[0].strCaption, "Confirmation");
    EXPECT_EQ(boxes.boxes[0].nType & 0x0F, MB_YESNO);
    EXPECT_EQ(app.m_nBridgeHiScore, 600);

    boxes.Answer(IDYES);
    pFrame->OnCommand(ID_TOOLS_RESETHIGHSCORES);
    EXPECT_TRUE(app.m_nCubeHiScore == 0 && app.m_nBridgeHiScore == 0 && app.m_nDropHiScore == 0);
    EXPECT_EQ(scoreArea(), zero) << "repainted at once";
}

TEST_F(ShellTest, ThePersonalListIsSavedWhenAWordIsAddedAndLoadedAtTheNextStart)
{
    WriteDictionary();
    const QString path = TestProgramFolder() + "data/personal.pdt";
    {
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        ASSERT_TRUE(app.m_dictionary.AddPersonalWord("quillo"));
        EXPECT_TRUE(ReadFileBytes(path).contains("quillo")) << "written at once, not at exit";
        app.ExitInstance();
    }
    EXPECT_TRUE(ReadFileBytes(path).contains("quillo"));
    CQuillotrixApp again;
    again.InitInstance(FALSE);
    EXPECT_TRUE(again.m_dictionary.IsPersonalWord("quillo"));
}

TEST_F(ShellTest, RandomNumbersAreSeededFromTheTimeSinceTheSystemStarted)
{
    // The tick counts from boot, not from the program's start.
    const double dUptimeMs = ReadFileBytes("/proc/uptime").split(' ').value(0).toDouble() * 1000;
    EXPECT_NEAR(double(GetTickCount()), dUptimeMs, 60000.0);
    SetTickSource([] { return DWORD(424242); });
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    const int nFirst = rand();
    SetTickSource({});
    srand(424242);
    EXPECT_EQ(nFirst, rand());
}
