// The personal word list: reading, adding, saving and its failure messages.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include "dictionary/Dictionary.h"
#include "framework/Files.h"
#include "tests/dictionary/DctTestFiles.h"
#include "tests/support/FullDisk.h"
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

const QString kKeptForNow = "\n\nThe words you added are kept for now and saved again with the next word you add and when you exit.";


TEST(PersonalList, UncreatableFileShowsItsMessageOnceAndKeepsTheWords)
{
    CScriptedMessageBox boxes;
    CDictionary dict;
    dict.LoadPersonalList(TestRootFolder() + "no/such/folder/personal.pdt");
    dict.AddPersonalWord("word"); // written at once: the message comes with the word
    dict.AddPersonalWord("other");
    EXPECT_EQ(dict.SavePersonalList(), 1);
    ASSERT_EQ(boxes.boxes.size(), 1u) << "told once, not at every try";
    EXPECT_EQ(boxes.boxes[0].strText, "Error: unable to save personal dictionary" + kKeptForNow);
    EXPECT_EQ(boxes.boxes[0].nType & 0x0F, MB_OK);
    EXPECT_TRUE(dict.IsPersonalDirty());
    EXPECT_EQ(dict.GetPersonalWords(), QStringList({"other", "word"}));
    dict.LoadPersonalList(QString()); // no path: the destructor saves nothing
}

TEST(PersonalList, AFailedWriteKeepsTheWordsAndTheOldFileAndTheNextAddWritesThemAll)
{
    CScriptedMessageBox boxes;
    const QString path = PersonalPath("full");
    const QByteArray original = kHeader + "old\n";
    ASSERT_TRUE(WriteFileReplacing(path, original));
    CDictionary dict;
    dict.LoadPersonalList(path);
    {
        CFullDisk full(40); // not even the header and one word fit
        for (int i = 0; i < 200; ++i)
            dict.AddPersonalWord(QStringLiteral("word%1").arg(i));
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error writing persnal dictionary file" + kKeptForNow);
    EXPECT_TRUE(dict.IsPersonalDirty());
    EXPECT_EQ(dict.GetPersonalWords().size(), 201) << "the words stay in memory";
    EXPECT_EQ(ReadAll(path), original) << "the old list is never cut short";
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList({"personal.pdt"}));

    // Room again: the next word writes them all.
    dict.AddPersonalWord("last");
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_FALSE(dict.IsPersonalDirty());
    CDictionary again;
    again.LoadPersonalList(path);
    EXPECT_EQ(again.GetPersonalWords().size(), 202);
    EXPECT_TRUE(again.IsPersonalWord("word199") && again.IsPersonalWord("old") && again.IsPersonalWord("last"));
}

TEST(PersonalList, AtTheLastChanceAFailureSaysSoWithoutTheKeptNote)
{
    CScriptedMessageBox boxes;
    const QString path = PersonalPath("lastchance");
    ASSERT_TRUE(WriteFileReplacing(path, kHeader + "old\n"));
    {
        CFullDisk full(16); // lifted only after the dictionary has gone
        CDictionary dict;
        dict.LoadPersonalList(path);
        dict.AddPersonalWord("gone");
    } // the destructor's save fails too, and is reported again: the word is lost now
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].strText, "Error writing persnal dictionary file");
}

TEST(PersonalList, WordsAreWrittenWhenAddedAndMergedWithWhatAnotherCopyWrote)
{
    CScriptedMessageBox boxes;
    const QString path = PersonalPath("merge");
    ASSERT_TRUE(WriteFileReplacing(path, kHeader + "base\n"));
    CDictionary first, second;
    first.LoadPersonalList(path);
    second.LoadPersonalList(path);
    first.AddPersonalWord("Alpha");
    EXPECT_EQ(ReadAll(path), kHeader + "alpha\nbase\n") << "written at once, before any exit";
    second.AddPersonalWord("beta");
    EXPECT_EQ(ReadAll(path), kHeader + "alpha\nbase\nbeta\n") << "the union, not the second copy's memory";
    EXPECT_TRUE(second.IsPersonalWord("alpha")) << "the other copy's word is known here too";
    first.AddPersonalWord("gamma");
    EXPECT_EQ(ReadAll(path), kHeader + "alpha\nbase\nbeta\ngamma\n");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(PersonalList, AnUnsortedListWithAByteOrderMarkReadsSortedWithoutTheMark)
{
    const QString path = WriteTestFile("bom.pdt", "\xEF\xBB\xBFzebra\nApple\nmango\n\xEF\xBB\xBFodd\napple\n");
    CDictionary dict;
    dict.LoadPersonalList(path);
    const QStringList words = dict.GetPersonalWords();
    // Only the mark at the very start goes; one further on is part of its line, as any byte.
    ASSERT_EQ(words.size(), 5);
    EXPECT_EQ(words.mid(0, 4), QStringList({"Apple", "apple", "mango", "zebra"}));
    EXPECT_TRUE(dict.IsPersonalWord("ZEBRA") && dict.IsPersonalWord("apple"));
    for (qsizetype i = 1; i < words.size(); ++i)
        EXPECT_LE(CompareNoCaseAZ(words[i - 1], words[i]), 0);
}

TEST(PersonalList, PipesDevicesAndOversizedFilesAreRefusedWithoutWaitingOrReading)
{
    CScriptedMessageBox boxes;
    const QString fifo = TestRootFolder() + "personal.fifo";
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    CDictionary dict;
    dict.LoadPersonalList(fifo); // would wait for a writer for ever if opened as a file
    EXPECT_TRUE(dict.GetPersonalWords().isEmpty());
    EXPECT_TRUE(boxes.boxes.empty());
    // What is there but cannot be read is never written over: it may be someone's words.
    dict.AddPersonalWord("kept");
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo::exists(fifo));
    EXPECT_TRUE(dict.IsPersonalDirty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error: unable to save personal dictionary" + kKeptForNow);
    dict.LoadPersonalList(QString());

    boxes.Clear();
    CDictionary zero;
    zero.LoadPersonalList("/dev/zero");
    EXPECT_TRUE(zero.GetPersonalWords().isEmpty());
    zero.LoadPersonalList(QString());

    // A list over the limit is refused whole with the out-of-memory message, as before.
    const QString big = PersonalPath("big");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(CDictionary::kMaxPersonalFileBytes + 1)); // sparse: costs no disk
    }
    CDictionary large;
    large.LoadPersonalList(big);
    EXPECT_TRUE(large.GetPersonalWords().isEmpty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].strText, "Error: Out of memory loading personal dictionary");
    large.LoadPersonalList(QString());
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
    // The superuser may make files anywhere, so the add (which saves) runs as an ordinary user then.
    const bool bRoot = geteuid() == 0;
    ASSERT_TRUE(!bRoot || seteuid(65534) == 0);
    dict.AddPersonalWord("new");
    ASSERT_TRUE(!bRoot || seteuid(0) == 0);
    QFile::setPermissions(dir, rx | QFileDevice::WriteOwner);

    EXPECT_TRUE(boxes.boxes.empty()) << boxes.LastText().toStdString();
    EXPECT_EQ(ReadAll(path), kHeader + "new\nold\n");
    EXPECT_FALSE(dict.IsPersonalDirty());
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"personal.pdt"}));
}
