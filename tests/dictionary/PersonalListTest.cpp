// The personal word list: reading, adding, saving and its failure messages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "tests/dictionary/DctTestFiles.h"
#include "tests/support/ScriptedMessageBox.h"

namespace {

const QByteArray kHeader = ";Personal Word List (lowercase only!)\n";

QString PersonalPath(const QString& strFolder)
{
    const QString dir = TestRootFolder() + strFolder + "/data/";
    QDir().mkpath(dir);
    return dir + "personal.pdt";
}

QByteArray ReadAll(const QString& path)
{
    QByteArray data;
    ReadWholeFile(path, data);
    return data;
}

} // namespace

TEST(PersonalList, LineEndingsCommentsEmptyAndOverlongLines)
{
    const QByteArray longLine(128, 'q'), longest(127, 'r');
    const QString crlf = WriteTestFile("crlf.pdt", ";comment\r\nApple\r\n\r\nbanana\r\n;x\r\n" + longLine + "\r\ncherry");
    const QString lf = WriteTestFile("lf.pdt", ";comment\n\nApple\nban\rana\n;x\ncherry\n" + longest + "\n" + longLine);
    CDictionary a, b;
    a.LoadPersonalList(crlf);
    b.LoadPersonalList(lf);
    EXPECT_EQ(a.GetPersonalWords(), QStringList({"Apple", "banana", "cherry"})); // read as they stand
    EXPECT_EQ(b.GetPersonalWords(), QStringList({"Apple", "banana", "cherry", QString(longest)}));
    EXPECT_TRUE(a.Contains("APPLE") && !a.Contains(";comment") && !a.IsPersonalDirty());
}

TEST(PersonalList, MissingFileIsAnEmptyListCreatedAtTheFirstSave)
{
    CScriptedMessageBox boxes;
    const QString path = PersonalPath("missing");
    {
        CDictionary dict;
        dict.LoadPersonalList(path);
        EXPECT_TRUE(dict.GetPersonalWords().isEmpty());
        EXPECT_TRUE(dict.AddPersonalWord("Zebra"));
        EXPECT_TRUE(dict.AddPersonalWord("apple"));
        EXPECT_TRUE(dict.AddPersonalWord("ZEBRA")); // already there
        // Text that cannot be one line of the list is refused.
        for (const QString& str : {QString(), QString("two\nlines"), QString(";comment"), QString(128, 'a')})
            EXPECT_FALSE(dict.AddPersonalWord(str)) << str.toStdString();
        EXPECT_EQ(dict.GetPersonalWords(), QStringList({"apple", "zebra"}));
        // Looked up with no main dictionary loaded.
        BOOL bWord = TRUE;
        EXPECT_TRUE(dict.Contains("zEBRA"));
        EXPECT_FALSE(dict.Contains("zeb") || dict.HasPrefix("x"));
        EXPECT_TRUE(dict.LookupPrefix("ZeB", bWord));
        EXPECT_FALSE(bWord);
    } // the destructor saves
    EXPECT_EQ(ReadAll(path), kHeader + "apple\nzebra\n");
    EXPECT_TRUE(boxes.boxes.empty());
    CDictionary again;
    again.LoadPersonalList(path);
    EXPECT_EQ(again.GetPersonalWords(), QStringList({"apple", "zebra"}));
}

TEST(PersonalList, NothingAddedMeansNoRewrite)
{
    const QString path = PersonalPath("unchanged");
    const QByteArray original = "Mixed\r\n;note\r\nwords\r\n";
    ASSERT_TRUE(WriteFileReplacing(path, original));
    {
        CDictionary dict;
        dict.LoadPersonalList(path);
        dict.AddPersonalWord("mixed"); // present already, ignoring case
        EXPECT_FALSE(dict.IsPersonalDirty());
        EXPECT_EQ(dict.SavePersonalList(), 1);
    }
    EXPECT_EQ(ReadAll(path), original);
}

TEST(PersonalList, UncreatableFileShowsItsMessageAndKeepsTheFlag)
{
    CScriptedMessageBox boxes;
    CDictionary dict;
    dict.LoadPersonalList(TestRootFolder() + "no/such/folder/personal.pdt");
    dict.AddPersonalWord("word");
    EXPECT_EQ(dict.SavePersonalList(), 1);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error: unable to save personal dictionary");
    EXPECT_EQ(boxes.boxes[0].nType & 0x0F, MB_OK);
    EXPECT_TRUE(dict.IsPersonalDirty());
    dict.LoadPersonalList(QString()); // no path: the destructor saves nothing
}

TEST(PersonalList, FailedWriteLeavesTheOldFileWhole)
{
    CScriptedMessageBox boxes;
    const QString path = PersonalPath("full");
    const QByteArray original = kHeader + "old\n";
    ASSERT_TRUE(WriteFileReplacing(path, original));
    CDictionary dict;
    dict.LoadPersonalList(path);
    for (int i = 0; i < 200; ++i)
        dict.AddPersonalWord(QStringLiteral("word%1").arg(i));

    // A file-size limit makes the writes fail part-way, as a full disk would.
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    dict.SavePersonalList();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error writing persnal dictionary file");
    EXPECT_FALSE(dict.IsPersonalDirty());
    EXPECT_EQ(ReadAll(path), original);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList({"personal.pdt"}));
}

TEST(PersonalList, AWritableListInAFolderThatTakesNoNewFileIsWrittenInPlace)
{
    CScriptedMessageBox boxes;
    QTemporaryDir root; // outside the test root, so that an unprivileged user can reach it
    const QFileDevice::Permissions rx = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    const QString dir = root.path() + "/data";
    const QString path = dir + "/personal.pdt";
    ASSERT_TRUE(QDir().mkpath(dir) && WriteFileReplacing(path, kHeader + "old\n"));
    QFile::setPermissions(root.path(), rx | QFileDevice::WriteOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther);
    QFile::setPermissions(dir, rx);
    CDictionary dict;
    dict.LoadPersonalList(path);
    dict.AddPersonalWord("new");
    // The superuser may make files anywhere, so the save runs as an ordinary user then.
    const bool bRoot = geteuid() == 0;
    ASSERT_TRUE(!bRoot || seteuid(65534) == 0);
    dict.SavePersonalList();
    ASSERT_TRUE(!bRoot || seteuid(0) == 0);
    QFile::setPermissions(dir, rx | QFileDevice::WriteOwner);

    EXPECT_TRUE(boxes.boxes.empty()) << boxes.LastText().toStdString();
    EXPECT_EQ(ReadAll(path), kHeader + "new\nold\n");
    EXPECT_FALSE(dict.IsPersonalDirty());
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"personal.pdt"}));
}
