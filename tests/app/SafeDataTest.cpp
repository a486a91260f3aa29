// Nothing lost: two copies of the program, the session's end signals, a settings file that cannot
// be written, pipes and devices named in the settings, and the high scores written as they change.
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

#include "app/AppSession.h"
#include "framework/Profile.h"
#include "app/Records.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/FullDisk.h"

namespace {

// One copy of the program's own code in a process of its own (tests/helper).
class CHelper {
public:
    explicit CHelper(const QStringList& args, const QString& strRuntimeName = "run")
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString strRuntime = TestRootFolder() + strRuntimeName;
        QDir().mkpath(strRuntime);
        QFile::setPermissions(strRuntime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.insert("XDG_RUNTIME_DIR", strRuntime);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(QX_APP_HELPER), args);
        m_process.waitForStarted(10000);
    }
    ~CHelper()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // The next line the helper prints, or an empty text after the time is up.
    QString ReadLine(int nMs = 15000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_process.canReadLine() && timer.elapsed() < nMs)
            if (!m_process.waitForReadyRead(int(nMs - timer.elapsed())))
                break;
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }
    void Go() { m_process.write("go\n"); }
    // The exit code, or -1 when it did not end normally in time (killed by a signal included).
    int Finish(int nMs = 15000)
    {
        if (!m_process.waitForFinished(nMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }
    QString ErrorText() { return QString::fromUtf8(m_process.readAllStandardError()); }
    qint64 Pid() const { return m_process.processId(); }

private:
    QProcess m_process;
};

class SafeDataTest : public ShellTest {
protected:
    static QString SettingsText() { return QString::fromUtf8(ReadFileBytes(GetProfileFileName())); }
};

} // namespace

TEST_F(SafeDataTest, ASecondStartBringsTheFirstWindowToTheFrontAndLeaves)
{
    WriteDictionary();
    CHelper first({"run", TestProgramFolder()});
    ASSERT_EQ(first.ReadLine(), "ready");
    {
        CHelper second({"run", TestProgramFolder()});
        EXPECT_EQ(second.Finish(), 0);
        EXPECT_EQ(second.ReadLine(1000), "") << "the second copy never opened a window";
    }
    EXPECT_EQ(first.ReadLine(), "activated");
    kill(pid_t(first.Pid()), SIGTERM);
    EXPECT_EQ(first.Finish(), 0);

    // Once the first has gone, the next start is the first again.
    CHelper third({"run", TestProgramFolder()});
    EXPECT_EQ(third.ReadLine(), "ready");
    kill(pid_t(third.Pid()), SIGTERM);
    EXPECT_EQ(third.Finish(), 0);
}

TEST_F(SafeDataTest, SigtermMidGameLeavesAsExitDoesWithoutTheQuestionAndWritesEverything)
{
    WriteDictionary();
    for (int nSignal : {SIGTERM, SIGHUP, SIGINT}) {
        ClearSettings();
        QFile::remove(TestProgramFolder() + "data/personal.pdt");
        QFile::remove(TestProgramFolder() + "data/records.json");
        CHelper program({"run", TestProgramFolder(), "play"});
        ASSERT_EQ(program.ReadLine(), "playing");
        ASSERT_EQ(program.ReadLine(), "ready");
        kill(pid_t(program.Pid()), nSignal);
        // A question would wait for ever under the offscreen platform: the exit would not come.
        EXPECT_EQ(program.Finish(), 0) << "signal " << nSignal;
        EXPECT_FALSE(program.ErrorText().contains("game running"));
        // The colour is written only as at Exit; the record and the word as they happened.
        const QString text = SettingsText();
        EXPECT_TRUE(text.contains("\nCubeColor=197121\n")) << nSignal << text.toStdString();
        EXPECT_TRUE(text.contains("\nCubeHiScore=777\n")) << nSignal << text.toStdString();
        EXPECT_TRUE(ReadFileBytes(TestProgramFolder() + "data/personal.pdt").contains("\nsignalled\n"));
        // The game in play counts, under the name last used (none yet: the account's), no one asked.
        CRecordBook records(TestProgramFolder() + "data/records.json");
        QString strError;
        ASSERT_TRUE(records.Reload(strError)) << qPrintable(strError);
        const QList<CRecordEntry> entries = records.GetEntries("Tessaryl");
        ASSERT_EQ(entries.size(), 1) << nSignal;
        EXPECT_EQ(entries[0].nScore, 300);
        EXPECT_EQ(entries[0].strName, GetAccountName());
        EXPECT_EQ(records.GetStats("Tessaryl").strBestWord, "CUBE");
    }
}

TEST_F(SafeDataTest, ASignalWhileAStartUpMessageIsOpenStillEndsTheProgram)
{
    // No dictionary: the start stops at "Error loading dictionary ...", a real box that no one
    // answers, before the main loop runs.
    CHelper program({"run", TestProgramFolder()}, "run-startbox");
    const QDir runtime(TestRootFolder() + "run-startbox");
    QElapsedTimer timer;
    timer.start();
    while (runtime.entryList({"*.socket"}, QDir::System).isEmpty() && timer.elapsed() < 10000)
        QThread::msleep(50);
    QThread::msleep(500); // past the claim: the signals are taken from there on
    kill(pid_t(program.Pid()), SIGTERM);
    EXPECT_EQ(program.Finish(), 0);
    EXPECT_EQ(program.ReadLine(100), "ready") << "the start finished, then the program left";
}

TEST_F(SafeDataTest, TwoCopiesWritingScoresKeepTheLargerAndEachOnesPreferences)
{
    WriteDictionary();
    CHelper a({"scores", TestProgramFolder(), "500", QString::number(RGB(9, 9, 9))});
    CHelper b({"scores", TestProgramFolder(), "100"});
    ASSERT_EQ(a.ReadLine(), "loaded");
    ASSERT_EQ(b.ReadLine(), "loaded");
    a.Go();
    EXPECT_EQ(a.ReadLine(), "500");
    b.Go();
    EXPECT_EQ(b.ReadLine(), "500") << "the better score on disk is taken up, not overwritten";
    a.Go();
    EXPECT_EQ(a.Finish(), 0);
    b.Go(); // b exits last and changed no preference: a's colour stays
    EXPECT_EQ(b.Finish(), 0);
    EXPECT_EQ(StoredValue("CubeHiScore").toInt(), 500);
    EXPECT_EQ(StoredValue("CubeColor").toInt(), int(RGB(9, 9, 9)));

    // Reset High Scores wins over the file; afterwards the larger rule holds again.
    CHelper reset({"scores", TestProgramFolder(), "reset"});
    ASSERT_EQ(reset.ReadLine(), "loaded");
    reset.Go();
    EXPECT_EQ(reset.ReadLine(), "0");
    reset.Go();
    EXPECT_EQ(reset.Finish(), 0);
    EXPECT_EQ(StoredValue("CubeHiScore").toInt(), 0);
}

TEST_F(SafeDataTest, TwoCopiesAddingWordsKeepTheWordsOfBoth)
{
    const QString path = TestProgramFolder() + "data/personal.pdt";
    WriteFileBytes(path, ";Personal Word List (lowercase only!)\nold\n");
    CHelper a({"personal", path, "alpha"});
    CHelper b({"personal", path, "beta"});
    ASSERT_EQ(a.ReadLine(), "loaded");
    ASSERT_EQ(b.ReadLine(), "loaded"); // both read the list before either writes
    a.Go();
    EXPECT_EQ(a.ReadLine(), "saved");
    b.Go();
    EXPECT_EQ(b.ReadLine(), "saved");
    EXPECT_EQ(a.Finish(), 0);
    EXPECT_EQ(b.Finish(), 0);
    EXPECT_EQ(ReadFileBytes(path), ";Personal Word List (lowercase only!)\nalpha\nbeta\nold\n");
}

TEST_F(SafeDataTest, NewHighScoresAreWrittenWithinASecondAndWhenTheGameIsReplaced)
{
    WriteDictionary();
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    app.m_nDropHiScore = 1234; // as Cascadio does when its score passes the record
    QElapsedTimer timer;
    timer.start();
    while (StoredValue("DropHiScore").toInt() != 1234 && timer.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(StoredValue("DropHiScore").toInt(), 1234) << "no exit needed";
    EXPECT_LT(timer.elapsed(), 1600);

    // New Game, Quit Game and Open Game write at once what the game set.
    CScreenHostWnd& host = app.GetMainWnd()->GetScreenHost();
    host.OnCommand(ID_GAME_SPANWRIGHT);
    app.m_nBridgeHiScore = 4321;
    host.OnCommand(ID_FILE_NEWGAME);
    EXPECT_EQ(StoredValue("BridgeHiScore").toInt(), 4321);
    app.m_nBridgeHiScore = 4400;
    boxes.Answer(IDYES);
    host.OnCommand(ID_FILE_QUITGAME);
    EXPECT_EQ(StoredValue("BridgeHiScore").toInt(), 4400);

    // Reset writes its zeros at once too.
    boxes.Answer(IDYES);
    host.OnCommand(ID_TOOLS_RESETHIGHSCORES);
    EXPECT_EQ(StoredValue("BridgeHiScore").toInt(), 0);
    EXPECT_EQ(StoredValue("DropHiScore").toInt(), 0);
    app.ExitInstance();
}

TEST_F(SafeDataTest, ASettingsFileThatCannotBeWrittenIsReportedOnceByName)
{
    WriteDictionary();
    CQuillotrixApp app;
    app.InitInstance(FALSE);
    boxes.Clear();
    const QString strMessage = "Error: unable to save the settings and high scores to " + GetProfileFileName();
    {
        CFullDisk full(8);
        app.m_nCubeHiScore = 900;
        app.SaveHighScores();
        app.m_nCubeHiScore = 950;
        app.SaveHighScores();
        app.m_crCubeColor = RGB(7, 7, 7);
        app.SaveSettings();
    }
    ASSERT_EQ(boxes.boxes.size(), 1u) << "told once";
    EXPECT_EQ(boxes.boxes[0].strText, strMessage);
    EXPECT_EQ(boxes.boxes[0].nType & 0x0F, MB_OK);
    EXPECT_NE(StoredValue("CubeHiScore").toInt(), 950);

    // Room again: Exit writes what could not be written before.
    app.ExitInstance();
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(StoredValue("CubeHiScore").toInt(), 950);
    EXPECT_EQ(StoredValue("CubeColor").toInt(), int(RGB(7, 7, 7)));
}

TEST_F(SafeDataTest, PipesAndDevicesNamedInTheSettingsAreRefusedAtStartWithoutHanging)
{
    const QString fifo = TestRootFolder() + "named.fifo";
    QFile::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString personal = TestProgramFolder() + "data/personal.pdt";
    ASSERT_EQ(mkfifo(personal.toLocal8Bit().constData(), 0600), 0);
    for (const QString& strBackground : {fifo, QString("/dev/zero")}) {
        ClearSettings();
        {
            QSettings s("Brasswinkle", "Quillotrix");
            s.setValue("Settings/Dictionary", fifo);
            s.setValue("Settings/Background", strBackground);
        }
        boxes.Clear();
        CQuillotrixApp app;
        app.InitInstance(FALSE);
        EXPECT_FALSE(app.m_dictionary.IsLoaded());
        EXPECT_FALSE(app.m_picBackground.IsLoaded());
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].strText, "Error loading dictionary " + fifo);
        app.ExitInstance();
    }
    QFile::remove(personal);
    QFile::remove(fifo);
}
