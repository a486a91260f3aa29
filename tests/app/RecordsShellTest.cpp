// The records in the running program: every way a game ends counts it once, the name box, the line
// at the end, Tools › High Scores, Reset High Scores, and the records' messages.
#include <QDir>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>

#include "app/SavedGameFile.h"
#include "dialogs/RecordsDlg.h"
#include "dialogs/SelectFileDlg.h"
#include "framework/Files.h"
#include "tests/app/AppTestSupport.h"

namespace {
// Every word is a word.
class CAnyWord : public IWordCheck {
public:
    bool Contains(const QString&) override { return true; }
    bool IsAddOfferOn() const override { return false; }
    bool AskToAdd(const QString&) override { return false; }
};

// A Spanwright game as its saved text: the animal on the left bank, tiles CATSDOG, the words listed
// newest first.
QString SpanwrightText(int nScore, int nBridge, int nDelay, const QStringList& astrWords)
{
    QString str = QStringLiteral("%1\t0\t0\t%2\t%3\t").arg(nScore).arg(nBridge).arg(nDelay);
    for (const char ch : QByteArrayLiteral("CATSDOG"))
        str += QChar(ch) + QStringLiteral("\t-1\t");
    str += QString::number(astrWords.size()) + QChar(u'\t');
    for (const QString& strWord : astrWords)
        str += strWord + QChar(u'\t');
    return str;
}
} // namespace

class RecordsShell : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WriteDictionary();
        m_strData = GetWritableDataFolder();
        for (const QString& s : QDir(m_strData).entryList({"records.json*"}, QDir::Files | QDir::Hidden))
            QFile::remove(m_strData + s);
        QDir(m_strData + "records.json").removeRecursively();
        // The name box answers with the name scripted (or the one offered) and Enter; the High
        // Scores dialog is looked at and closed; the chooser picks the file scripted.
        CModalDialog::SetModalRunner([this](CModalDialog& d) {
            if (auto* pName = dynamic_cast<CRecordNameDlg*>(&d)) {
                m_astrNameBoxes << pName->findChild<QLabel*>()->text();
                m_astrOffered << pName->m_pEdit->text();
                if (!m_strTypeName.isEmpty())
                    pName->m_pEdit->setText(m_strTypeName);
                pName->show();
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(pName->m_pEdit, &enter);
                m_bHeldSeen = m_pApp && m_pApp->GetMainWnd()->GetScreenHost().m_wndCascadio.IsHeld();
                return pName->result() == IDOK ? IDOK : IDCANCEL;
            }
            if (auto* pScores = dynamic_cast<CHighScoresDlg*>(&d)) {
                m_nTabSeen = pScores->m_pTabs->currentIndex();
                m_anHighlightedSeen = pScores->m_aHighlighted;
                m_astrTabsSeen.clear();
                m_anRowsSeen.clear();
                for (int i = 0; i < pScores->m_pTabs->count(); ++i) {
                    m_astrTabsSeen << pScores->m_pTabs->tabText(i);
                    m_anRowsSeen << pScores->m_aTables[i]->rowCount();
                }
                if (m_nTabSeen >= 0 && m_anHighlightedSeen.value(m_nTabSeen, -1) >= 0) {
                    QTableWidget* pTable = pScores->m_aTables[m_nTabSeen];
                    m_strHighlightedName = pTable->item(m_anHighlightedSeen[m_nTabSeen], 2)->text();
                }
                return IDCANCEL;
            }
            if (auto* pChooser = dynamic_cast<CSelectFileDlg*>(&d)) {
                pChooser->m_strPath = m_strChoice;
                return m_strChoice.isEmpty() ? IDCANCEL : IDOK;
            }
            return IDCANCEL;
        });
    }
    void TearDown() override
    {
        CModalDialog::SetModalRunner({});
        QFile::setPermissions(m_strData, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ShellTest::TearDown();
    }

    CQuillotrixApp& Start()
    {
        m_pApp = std::make_unique<CQuillotrixApp>();
        m_pApp->InitInstance(TRUE);
        boxes.Clear();
        return *m_pApp;
    }
    CMainFrame& Frame() { return *m_pApp->GetMainWnd(); }
    CScreenHostWnd& Host() { return Frame().GetScreenHost(); }
    CRecordBook& Book() { return Host().GetRecordBook(); }
    int Played(const char* pszGame) { return Book().GetStats(pszGame).nPlayed; }

    // A Tessaryl game in play with these points and words (newest first, as its list holds them).
    void PlayTessaryl(int nScore, QStringList astrWords = {})
    {
        Frame().OnCommand(ID_GAME_TESSARYL);
        Frame().OnCommand(ID_FILE_NEWGAME);
        ASSERT_TRUE(TessarylRunning(Host().m_wndTessaryl));
        TessarylScore(Host().m_wndTessaryl) = nScore;
        TessarylUsedWords(Host().m_wndTessaryl) = std::move(astrWords);
    }
    // A Cascadio game of nScore points that scores CAT, then loses to a critter at the next tick.
    void PlayCascadioToTheEnd(int nScore)
    {
        Frame().OnCommand(ID_GAME_CASCADIO);
        Frame().OnCommand(ID_FILE_NEWGAME);
        CCascadioGame& game = Host().m_wndCascadio.Game();
        CCascadioState state = game.State();
        for (QString& str : state.astrLetters)
            str = QStringLiteral("E");
        state.astrLetters[CascCell(0, 3)] = "C";
        state.astrLetters[CascCell(1, 3)] = "A";
        state.astrLetters[CascCell(2, 3)] = "T";
        std::fill(std::begin(state.anCritter), std::end(state.anCritter), 0);
        state.anCritter[CascCell(1, 3)] = 4;                  // caught with CAT
        state.anCritter[CascCell(5, 5)] = state.nStepTicks;  // steps into the bottom row next
        state.nScore = nScore - 225;
        game.Load(state);
        CAnyWord check;
        game.TapCell(0, 3);
        game.TapCell(1, 3);
        game.TapCell(2, 3);
        ASSERT_EQ(game.SubmitWord(&check).eOutcome, ECascadioSubmit::Accepted);
        ASSERT_EQ(game.Score(), nScore);
        Host().m_wndCascadio.OnTimer(CCascadioWnd::TIMER_ID);
        ASSERT_TRUE(game.IsGameOver());
    }

    std::unique_ptr<CQuillotrixApp> m_pApp;
    QString m_strData;
    QString m_strTypeName, m_strChoice;
    QStringList m_astrNameBoxes, m_astrOffered;
    BOOL m_bHeldSeen = FALSE;
    int m_nTabSeen = -1;
    QList<int> m_anHighlightedSeen, m_anRowsSeen;
    QStringList m_astrTabsSeen;
    QString m_strHighlightedName;
};

TEST_F(RecordsShell, AGameOverCountsOnceWithTheNameGivenAndSaysSoInTheStatusLine)
{
    Start();
    m_strTypeName = "Morwenna";
    PlayCascadioToTheEnd(675);
    ASSERT_EQ(m_astrNameBoxes, QStringList{"Cascadio: 675 points, 1st place."});
    EXPECT_EQ(m_astrOffered, QStringList{GetAccountName()}) << "no name used yet: the account's";
    EXPECT_TRUE(m_bHeldSeen) << "the game holds still under the name box";
    const QList<CRecordEntry> entries = Book().GetEntries("Cascadio");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].strName, "Morwenna");
    EXPECT_EQ(entries[0].nScore, 675);
    EXPECT_EQ(entries[0].extra.value("words").toInt(), 1);
    EXPECT_EQ(entries[0].extra.value("critters").toInt(), 1);
    EXPECT_EQ(Book().GetStats("Cascadio").strBestWord, "CAT");
    EXPECT_EQ(Frame().GetStatusText(), "Game over: 675 points, 1st place. Best word: CAT (225)");
    EXPECT_FALSE(Host().m_wndCascadio.IsHeld());

    // New Game after the end counts nothing again, and does not go on showing the old end.
    Frame().OnCommand(ID_FILE_NEWGAME);
    EXPECT_EQ(Played("Cascadio"), 1);
    EXPECT_EQ(m_astrNameBoxes.size(), 1);
    EXPECT_EQ(Frame().GetStatusText(), "");

    // The next game counts again; the name offered is the last one used, and Enter takes it.
    m_strTypeName.clear();
    PlayCascadioToTheEnd(300);
    EXPECT_EQ(Played("Cascadio"), 2);
    EXPECT_EQ(m_astrOffered.value(1), "Morwenna");
    EXPECT_EQ(Book().GetEntries("Cascadio").value(1).strName, "Morwenna");
    EXPECT_EQ(Frame().GetStatusText(), "Game over: 300 points, 2nd place. Best word: CAT (225)");
    EXPECT_TRUE(boxes.boxes.empty());

    // The file holds them for the next run.
    CRecordBook again(CQuillotrixApp::GetRecordsPath());
    QString strError;
    ASSERT_TRUE(again.Reload(strError));
    EXPECT_EQ(again.GetStats("Cascadio").nPlayed, 2);
}

TEST_F(RecordsShell, TheFallEndsSpanwrightWithItsLevelAndLettersAndAGameOutsideTheTableAsksNoName)
{
    Start();
    Frame().OnCommand(ID_GAME_SPANWRIGHT);
    Frame().OnCommand(ID_FILE_NEWGAME);
    // On the third level with one letter of bridge: the animal falls within a few steps.
    ASSERT_TRUE(Host().m_wndSpanwright.LoadFromText(SpanwrightText(1200, 1, 4000, {"Dog", "Cats"})));
    for (int n = 0; n < 200 && Host().m_wndSpanwright.Game().IsRunning(); ++n)
        Host().m_wndSpanwright.OnTimer(CSpanwrightWnd::WALK_TIMER);
    ASSERT_TRUE(Host().m_wndSpanwright.Game().IsGameOver());
    ASSERT_EQ(m_astrNameBoxes.size(), 1);
    const QList<CRecordEntry> entries = Book().GetEntries("Spanwright");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].extra.value("level").toInt(), 3);
    EXPECT_EQ(entries[0].extra.value("letters").toInt(), 63);
    EXPECT_EQ(Frame().GetStatusText(), "Game over: 1,200 points, 1st place. Best word: CATS (300)");

    // A full table that a game does not enter: counted in the statistics, no name asked.
    for (int i = 0; i < CRecordBook::MAX_ENTRIES; ++i) {
        CGameResult result;
        result.nScore = 5000;
        int nPlace = 0;
        QString strError;
        Book().AddGame("Tessaryl", result, "Best", &nPlace, strError);
    }
    PlayTessaryl(400, {"Dog"});
    Frame().OnCommand(ID_FILE_NEWGAME);
    EXPECT_EQ(m_astrNameBoxes.size(), 1);
    EXPECT_EQ(Played("Tessaryl"), 11);
    EXPECT_EQ(Frame().GetStatusText(), "Last game: 400 points. Best word: DOG (225)");
}

TEST_F(RecordsShell, QuitCountsOnlyOnYesAndAGameWithoutPointsNeverCounts)
{
    Start();
    PlayTessaryl(0);
    Frame().OnCommand(ID_FILE_NEWGAME); // replaces a game of no points
    boxes.Answer(IDYES);
    Frame().OnCommand(ID_FILE_QUITGAME);
    EXPECT_EQ(Played("Tessaryl"), 0);

    PlayTessaryl(525, {"Quiz", "Abs"});
    boxes.Answer(IDNO);
    Frame().OnCommand(ID_FILE_QUITGAME);
    EXPECT_EQ(Played("Tessaryl"), 0) << "the player went on playing";
    boxes.Answer(IDYES);
    Frame().OnCommand(ID_FILE_QUITGAME);
    EXPECT_EQ(Played("Tessaryl"), 1);
    EXPECT_EQ(Book().GetEntries("Tessaryl")[0].extra.value("words").toInt(), 2);
    EXPECT_EQ(Book().GetStats("Tessaryl").strBestWord, "QUIZ");
    EXPECT_EQ(Frame().GetStatusText(), "Game ended: 525 points, 1st place. Best word: QUIZ (300)");
    // Quit again, New Game, Exit: the game is gone and counted; nothing more.
    Frame().OnCommand(ID_FILE_QUITGAME);
    Frame().OnCommand(ID_FILE_NEWGAME);
    Frame().close();
    EXPECT_EQ(Played("Tessaryl"), 1);
    EXPECT_EQ(m_astrNameBoxes.size(), 1);
}

TEST_F(RecordsShell, OpenGameReplacingAGameCountsItButACancelledOrRefusedOpenDoesNot)
{
    Start();
    const QString strSaved = m_strData + "counted.wcg";
    PlayTessaryl(300, {"Quiz"});
    QString strText;
    Host().m_wndTessaryl.SaveToText(strText);
    ASSERT_TRUE(WriteSavedGameFile(strSaved, strText));
    const QString strBad = m_strData + "bad.wcg";
    ASSERT_TRUE(WriteSavedGameFile(strBad, QStringLiteral("1234\t5")));

    m_strChoice.clear();
    Frame().OnCommand(ID_FILE_OPENGAME);
    m_strChoice = strBad;
    Frame().OnCommand(ID_FILE_OPENGAME);
    EXPECT_EQ(Played("Tessaryl"), 0);
    EXPECT_EQ(boxes.LastText(), "Error loading file " + strBad + ".");

    m_strChoice = strSaved;
    TessarylScore(Host().m_wndTessaryl) = 450;
    Frame().OnCommand(ID_FILE_OPENGAME);
    ASSERT_EQ(Played("Tessaryl"), 1);
    EXPECT_EQ(Book().GetEntries("Tessaryl")[0].nScore, 450) << "the game replaced, not the one opened";
    EXPECT_EQ(TessarylScore(Host().m_wndTessaryl), 300);
    EXPECT_EQ(Frame().GetStatusText(), "Last game: 450 points, 1st place. Best word: QUIZ (300)");
    // The game opened counts in its turn.
    Frame().OnCommand(ID_FILE_NEWGAME);
    EXPECT_EQ(Played("Tessaryl"), 2);
    EXPECT_EQ(Book().GetEntries("Tessaryl")[1].nScore, 300);
}

TEST_F(RecordsShell, ExitTheCloseBoxAndCtrlQCountEveryGameInPlayOnce)
{
    for (int nWay = 0; nWay < 3; ++nWay) {
        Start();
        PlayTessaryl(500 + nWay, {"Able"});
        // A Cascadio game with points left behind another screen counts too.
        Frame().OnCommand(ID_GAME_CASCADIO);
        Frame().OnCommand(ID_FILE_NEWGAME);
        Host().m_wndCascadio.Game().Load([&] {
            CCascadioState state = Host().m_wndCascadio.Game().State();
            state.nScore = 150;
            return state;
        }());
        Frame().OnCommand(ID_GAME_TESSARYL);
        const int nBoxes = int(m_astrNameBoxes.size());
        boxes.Answer(IDYES);
        if (nWay == 0)
            Frame().OnCommand(ID_FILE_EXIT);
        else if (nWay == 1)
            Frame().close();
        else
            for (QShortcut* pShortcut : Frame().findChildren<QShortcut*>())
                if (pShortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_Q))
                    QMetaObject::invokeMethod(pShortcut, "activated");
        Spin();
        ASSERT_FALSE(Frame().isVisible()) << nWay;
        EXPECT_EQ(Played("Tessaryl"), nWay + 1) << nWay;
        EXPECT_EQ(Played("Cascadio"), nWay + 1) << nWay;
        EXPECT_EQ(m_astrNameBoxes.size(), nBoxes + 2) << "both entered the table";
        m_pApp->ExitInstance();
        CRecordBook onDisk(CQuillotrixApp::GetRecordsPath());
        QString strError;
        ASSERT_TRUE(onDisk.Reload(strError));
        EXPECT_EQ(onDisk.GetStats("Tessaryl").nPlayed, nWay + 1) << "the exit does not count them again";
    }
}

TEST_F(RecordsShell, HighScoresOpensOnTheVisibleGamesTabWithTheNewestEntryHighlighted)
{
    Start();
    QAction* pCommand = Frame().FindCommand(ID_TOOLS_HIGHSCORES);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(pCommand->text(), "&High Scores...");

    // Two earlier games in the table, then this one between them.
    for (int nScore : {900, 100}) {
        CGameResult result;
        result.nScore = nScore;
        int nPlace = 0;
        QString strError;
        Book().AddGame("Cascadio", result, QStringLiteral("Old%1").arg(nScore), &nPlace, strError);
    }
    m_strTypeName = "Newest";
    PlayCascadioToTheEnd(500);
    pCommand->trigger();
    EXPECT_EQ(m_astrTabsSeen, (QStringList{"Tessaryl", "Spanwright", "Cascadio"}));
    EXPECT_EQ(m_nTabSeen, 2);
    EXPECT_EQ(m_anRowsSeen, (QList<int>{0, 0, 3}));
    EXPECT_EQ(m_anHighlightedSeen, (QList<int>{-1, -1, 1}));
    EXPECT_EQ(m_strHighlightedName, "Newest");

    Frame().OnCommand(ID_GAME_MAINSCREEN);
    Frame().OnCommand(ID_TOOLS_HIGHSCORES);
    EXPECT_EQ(m_nTabSeen, 0) << "the first game's tab from the main screen";
}

TEST_F(RecordsShell, ResetHighScoresClearsTheRecordsOnlyOnYes)
{
    Start();
    PlayCascadioToTheEnd(675);
    ASSERT_EQ(Played("Cascadio"), 1);
    boxes.Answer(IDNO);
    Frame().OnCommand(ID_TOOLS_RESETHIGHSCORES);
    EXPECT_EQ(Played("Cascadio"), 1);
    boxes.Answer(IDYES);
    Frame().OnCommand(ID_TOOLS_RESETHIGHSCORES);
    EXPECT_EQ(Played("Cascadio"), 0);
    EXPECT_TRUE(Book().GetEntries("Cascadio").isEmpty());
    EXPECT_EQ(ReadFileBytes(CQuillotrixApp::GetRecordsPath()).contains("Cascadio"), false);
    EXPECT_EQ(boxes.boxes.size(), 2u);
    Frame().OnCommand(ID_TOOLS_HIGHSCORES);
    EXPECT_EQ(m_anHighlightedSeen, (QList<int>{-1, -1, -1}));
}

TEST_F(RecordsShell, AFailedWriteIsSaidOnceAndItsGamesGoToDiskWithTheNextWrite)
{
    Start();
    // The disk refuses: the games still count in this window, the failure is said once.
    SetReplaceWriteHook([](const QString& strPath) { return !strPath.endsWith("records.json"); });
    for (int i = 0; i < 2; ++i) {
        PlayTessaryl(100 + i);
        Frame().OnCommand(ID_FILE_NEWGAME);
    }
    SetReplaceWriteHook({});
    EXPECT_EQ(Played("Tessaryl"), 2);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.LastText(), "Could not save the records to " + CQuillotrixApp::GetRecordsPath() + ".");
    // Both go to disk with the next write that succeeds.
    PlayTessaryl(50);
    Frame().OnCommand(ID_FILE_NEWGAME);
    CRecordBook onDisk(CQuillotrixApp::GetRecordsPath());
    QString strError;
    ASSERT_TRUE(onDisk.Reload(strError));
    EXPECT_EQ(onDisk.GetStats("Tessaryl").nPlayed, 3);
}

TEST_F(RecordsShell, TheDamagedFileIsSaidAtStart)
{
    WriteFileBytes(CQuillotrixApp::GetRecordsPath(), "[1, 2");
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.LastText().contains("was damaged")) << qPrintable(boxes.LastText());
    EXPECT_TRUE(boxes.LastText().contains(CQuillotrixApp::GetRecordsPath() + ".damaged"));
    EXPECT_EQ(ReadFileBytes(CQuillotrixApp::GetRecordsPath() + ".damaged"), "[1, 2");
}
