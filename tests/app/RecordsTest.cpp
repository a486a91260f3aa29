// The records file: the table's order and length, statistics, the name offered, two writers,
// a damaged file, a failed write and Reset.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/Records.h"
#include "framework/Files.h"

namespace {

CGameResult Result(int nScore, QStringList aWords = {}, int nMinute = 0)
{
    CGameResult r;
    r.nScore = nScore;
    r.aWords = std::move(aWords);
    r.dtEnded = QDateTime(QDate(2026, 12, 1), QTime(10, nMinute));
    return r;
}

QList<int> Scores(const CRecordBook& book, const QString& strGame)
{
    QList<int> a;
    for (const CRecordEntry& e : book.GetEntries(strGame))
        a << e.nScore;
    return a;
}

class Records : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString Path() const { return m_dir.filePath("records.json"); }
};

} // namespace

TEST_F(Records, TheTableKeepsTheTenBestAndTiesKeepTheEarlierGameAhead)
{
    CRecordBook book(Path());
    QString strError;
    int nPlace = -1;
    const int anScores[] = {500, 900, 300, 900, 700, 100, 800, 600, 400, 200};
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(book.AddGame("Cascadio", Result(anScores[i], {}, i), QStringLiteral("P%1").arg(i), &nPlace, strError))
            << qPrintable(strError);
    }
    EXPECT_EQ(Scores(book, "Cascadio"), (QList<int>{900, 900, 800, 700, 600, 500, 400, 300, 200, 100}));
    EXPECT_EQ(book.GetEntries("Cascadio")[0].strName, "P1") << "the first 900 stays ahead of the later one";
    EXPECT_EQ(book.GetEntries("Cascadio")[1].strName, "P3");

    // A game equal to the last entry would go below it: the table is full, so it does not enter.
    EXPECT_EQ(book.PlaceFor("Cascadio", 100), 0);
    ASSERT_TRUE(book.AddGame("Cascadio", Result(100, {}, 30), "Late", &nPlace, strError));
    EXPECT_EQ(nPlace, 0);
    EXPECT_EQ(Scores(book, "Cascadio").size(), 10);
    EXPECT_EQ(book.GetEntries("Cascadio").back().strName, "P5");

    // The 11th best drops out when a better game comes.
    EXPECT_EQ(book.PlaceFor("Cascadio", 850), 3);
    ASSERT_TRUE(book.AddGame("Cascadio", Result(850, {}, 31), "New", &nPlace, strError));
    EXPECT_EQ(nPlace, 3);
    EXPECT_EQ(book.GetNewestId("Cascadio"), book.GetEntries("Cascadio")[2].strId);
    EXPECT_EQ(Scores(book, "Cascadio"), (QList<int>{900, 900, 850, 800, 700, 600, 500, 400, 300, 200}));

    // Another game's table is its own, and a fresh book reads the same from disk.
    EXPECT_TRUE(book.GetEntries("Tessaryl").isEmpty());
    CRecordBook again(Path());
    ASSERT_TRUE(again.Reload(strError));
    EXPECT_EQ(Scores(again, "Cascadio"), Scores(book, "Cascadio"));
    EXPECT_EQ(again.GetEntries("Cascadio")[2].strName, "New");
    EXPECT_EQ(again.GetEntries("Cascadio")[2].dtEnded, QDateTime(QDate(2026, 12, 1), QTime(10, 31)));
}

TEST_F(Records, StatisticsOfAKnownSequence)
{
    CRecordBook book(Path());
    QString strError;
    // WordScore: 3 letters 225, 5 letters 500, 8 letters 1200.
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(725, {"CAT", "BRIDGE"}), "A", nullptr, strError));
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(1200, {"TRIANGLE"}), "A", nullptr, strError));
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(300, {"DOG", "EMU", "QUA"}), "A", nullptr, strError));
    const CGameStats s = book.GetStats("Tessaryl");
    EXPECT_EQ(s.nPlayed, 3);
    EXPECT_EQ(s.nTotalScore, 2225);
    EXPECT_EQ(s.AverageScore(), 742);
    EXPECT_EQ(s.nBestScore, 1200);
    EXPECT_EQ(s.strBestWord, "TRIANGLE");
    EXPECT_EQ(s.nBestWordScore, 1200);
    EXPECT_EQ(s.strLongestWord, "TRIANGLE");
    EXPECT_EQ(s.nTotalWords, 6);

    // A longer word that scores the same as the best keeps the best; the longest takes it.
    ASSERT_TRUE(book.AddGame("Spanwright", Result(500, {"BRIDGE", "TILES"}), "A", nullptr, strError));
    EXPECT_EQ(book.GetStats("Spanwright").strBestWord, "BRIDGE");
    EXPECT_EQ(book.GetStats("Spanwright").strLongestWord, "BRIDGE");
    EXPECT_EQ(book.GetStats("Cascadio").nPlayed, 0);
}

TEST_F(Records, TheNameOfferedIsTheLastUsedElseTheAccounts)
{
    CRecordBook book(Path());
    QString strError;
    EXPECT_FALSE(GetAccountName().isEmpty());
    EXPECT_EQ(book.GetDefaultName(), GetAccountName());
    ASSERT_TRUE(book.AddGame("Spanwright", Result(300), "Morwenna", nullptr, strError));
    EXPECT_EQ(book.GetDefaultName(), "Morwenna");
    CRecordBook again(Path());
    ASSERT_TRUE(again.Reload(strError));
    EXPECT_EQ(again.GetDefaultName(), "Morwenna");
}

TEST_F(Records, TwoProcessesWritingAtOnceKeepEveryGame)
{
    // Each process adds its games one by one, reading and merging the other's each time.
    const int nEach = 15;
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    const bool bChild = pid == 0;
    {
        CRecordBook book(Path());
        QString strError;
        for (int i = 0; i < nEach; ++i) {
            const bool bOk = book.AddGame("Tessaryl", Result(bChild ? 1000 + i : 2000 + i, {"WORD"}),
                                          bChild ? "child" : "parent", nullptr, strError);
            if (bChild && !bOk)
                _exit(3);
            if (!bChild) {
                EXPECT_TRUE(bOk) << qPrintable(strError);
            }
        }
    }
    if (bChild)
        _exit(0);
    int nStatus = 0;
    ASSERT_EQ(waitpid(pid, &nStatus, 0), pid);
    ASSERT_TRUE(WIFEXITED(nStatus));
    ASSERT_EQ(WEXITSTATUS(nStatus), 0);

    CRecordBook book(Path());
    QString strError;
    ASSERT_TRUE(book.Reload(strError));
    EXPECT_EQ(book.GetStats("Tessaryl").nPlayed, 2 * nEach) << "no game of either window is lost";
    EXPECT_EQ(book.GetStats("Tessaryl").nTotalWords, 2 * nEach);
    EXPECT_EQ(Scores(book, "Tessaryl"), (QList<int>{2014, 2013, 2012, 2011, 2010, 2009, 2008, 2007, 2006, 2005}));
}

TEST_F(Records, ADamagedFileIsKeptAsideAndUnknownFieldsAreKept)
{
    WriteFileReplacing(Path(), "{\"games\": {\"Tessaryl\": {\"records\": [ {\"score\": \"lots\"} ]}}}");
    CRecordBook book(Path());
    QString strError;
    EXPECT_FALSE(book.Reload(strError));
    EXPECT_TRUE(strError.contains("records.json.damaged")) << qPrintable(strError);
    QByteArray kept;
    ASSERT_TRUE(ReadWholeFile(Path() + ".damaged", kept));
    EXPECT_TRUE(kept.contains("\"lots\"")) << "the damaged file is kept as it was";
    EXPECT_FALSE(QFile::exists(Path()));

    // A file damaged after loading is kept aside too when the next game is written.
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(400), "A", nullptr, strError));
    EXPECT_TRUE(strError.isEmpty());
    WriteFileReplacing(Path(), "not json at all");
    EXPECT_TRUE(book.AddGame("Tessaryl", Result(500), "A", nullptr, strError));
    EXPECT_TRUE(strError.contains("records.json.damaged-2")) << qPrintable(strError);
    EXPECT_TRUE(QFile::exists(Path() + ".damaged-2"));

    // Fields a newer program wrote survive a write.
    QJsonObject root = book.GetRoot();
    root["theme"] = "later";
    QJsonObject games = root["games"].toObject();
    QJsonObject t = games["Tessaryl"].toObject();
    QJsonArray recs = t["records"].toArray();
    QJsonObject first = recs[0].toObject();
    first["replay"] = "abc";
    recs[0] = first;
    t["records"] = recs;
    games["Tessaryl"] = t;
    root["games"] = games;
    WriteFileReplacing(Path(), QJsonDocument(root).toJson());
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(100), "A", nullptr, strError));
    QByteArray after;
    ASSERT_TRUE(ReadWholeFile(Path(), after));
    EXPECT_TRUE(after.contains("\"theme\": \"later\""));
    EXPECT_TRUE(after.contains("\"replay\": \"abc\""));

    // A pipe where the file should be is refused without blocking, and never written over.
    QFile::remove(Path());
    ASSERT_EQ(mkfifo(Path().toLocal8Bit().constData(), 0600), 0);
    CRecordBook piped(Path());
    EXPECT_FALSE(piped.Reload(strError));
}

TEST_F(Records, AGameThatCannotBeWrittenStillCountsAndIsWrittenNextTime)
{
    const QString strFolder = m_dir.filePath("sub");
    ASSERT_TRUE(QDir().mkpath(strFolder));
    const QString strPath = strFolder + "/records.json";
    CRecordBook book(strPath);
    QString strError;
    // A regular file where the folder should be makes every write fail, even for root.
    ASSERT_TRUE(QDir(strFolder).removeRecursively());
    ASSERT_TRUE(WriteFileReplacing(strFolder, "blocker"));
    EXPECT_FALSE(book.AddGame("Cascadio", Result(300), "A", nullptr, strError));
    // No other window holds the lock: the folder cannot take the lock file, and the message says
    // nothing of a window.
    EXPECT_EQ(strError, "Could not save the records to " + strPath + ".");
    EXPECT_EQ(book.GetStats("Cascadio").nPlayed, 1) << "the game counts in this window";

    ASSERT_TRUE(QFile::remove(strFolder));
    ASSERT_TRUE(QDir().mkpath(strFolder));
    ASSERT_TRUE(book.AddGame("Cascadio", Result(200), "A", nullptr, strError)) << qPrintable(strError);
    CRecordBook again(strPath);
    ASSERT_TRUE(again.Reload(strError));
    EXPECT_EQ(again.GetStats("Cascadio").nPlayed, 2) << "the earlier game went to disk with the next";
    EXPECT_EQ(Scores(again, "Cascadio"), (QList<int>{300, 200}));
}

TEST_F(Records, ResetClearsTablesAndStatisticsOnDisk)
{
    CRecordBook book(Path());
    QString strError;
    ASSERT_TRUE(book.AddGame("Tessaryl", Result(400, {"CUBE"}), "A", nullptr, strError));
    ASSERT_TRUE(book.AddGame("Spanwright", Result(900, {"BRIDGE"}), "A", nullptr, strError));
    ASSERT_TRUE(book.Reset(strError));
    EXPECT_TRUE(book.GetEntries("Tessaryl").isEmpty());
    EXPECT_EQ(book.GetStats("Spanwright").nPlayed, 0);
    EXPECT_TRUE(book.GetNewestId("Tessaryl").isEmpty());
    CRecordBook again(Path());
    ASSERT_TRUE(again.Reload(strError));
    EXPECT_TRUE(again.GetEntries("Spanwright").isEmpty());
    EXPECT_EQ(again.GetStats("Tessaryl").nPlayed, 0);
}
