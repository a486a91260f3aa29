// Case-blind look-up and replace-by-rename writing.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "framework/Files.h"
#include "tests/support/TestEnv.h"

TEST(Files, FindsReplacesAndDeletesNamesThatDifferOnlyInCase)
{
    const QString dir = TestRootFolder() + "CaseBlind/Data/";
    const QString real = dir + "English Comprehensive07.dct";
    QDir().mkpath(dir);
    ASSERT_TRUE(WriteFileReplacing(real, "x"));

    const QString asked = TestRootFolder() + "caseblind/data/english comprehensive07.DCT";
    EXPECT_EQ(FindFileCaseBlind(asked), real);
    // An exact name and a name that matches nothing come back unchanged.
    EXPECT_EQ(FindFileCaseBlind(real), real);
    EXPECT_EQ(FindFileCaseBlind(dir + "missing.dct"), dir + "missing.dct");

    // Replacing writes over the existing casing instead of making a second file.
    ASSERT_TRUE(WriteFileReplacing(asked, "new contents"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"English Comprehensive07.dct"}));
    QByteArray data;
    EXPECT_TRUE(ReadWholeFile(asked, data));
    EXPECT_EQ(data, QByteArray("new contents"));
    EXPECT_TRUE(DeleteFileCaseBlind(asked));
    EXPECT_FALSE(QFile::exists(real));
    EXPECT_FALSE(DeleteFileCaseBlind(asked));
}

TEST(Files, DataFoldersBesideTheProgramOrUnderTheInstallPrefix)
{
    // Run from the build: everything in data/ beside the program.
    EXPECT_EQ(GetProgramFilesFolder(), TestProgramFolder());
    EXPECT_EQ(GetReadOnlyDataFolder(), TestProgramFolder() + "data/");
    EXPECT_EQ(GetWritableDataFolder(), TestProgramFolder() + "data/");

    // Installed: shipped files under the prefix, the player's in their own data folder, made on demand.
    const QString prefix = TestRootFolder() + "prefix/";
    QDir().mkpath(prefix + "bin");
    QDir().mkpath(prefix + "share/quillotrix/data");
    const QString strPlayer = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
    ASSERT_TRUE(strPlayer.startsWith(TestRootFolder())) << "never the user's own folder";
    ASSERT_FALSE(QFileInfo::exists(strPlayer));
    SetProgramFolderOverride(prefix + "bin");
    EXPECT_EQ(GetProgramFilesFolder(), prefix + "share/quillotrix/");
    EXPECT_EQ(GetReadOnlyDataFolder(), prefix + "share/quillotrix/data/");
    EXPECT_EQ(GetWritableDataFolder(), strPlayer);
    EXPECT_TRUE(QFileInfo(strPlayer).isDir());
    SetProgramFolderOverride(TestProgramFolder());
}

TEST(Files, RegularFilesAreReadUpToTheLimitAndNothingElseIsOpened)
{
    const QString dir = TestRootFolder() + "regular/";
    QDir().mkpath(dir);
    QByteArray data = "stale";
    ASSERT_TRUE(WriteFileReplacing(dir + "Ten.txt", "0123456789"));
    EXPECT_EQ(ReadRegularFile(dir + "ten.TXT", 10, data), ReadResult::Ok) << "found case-blind";
    EXPECT_EQ(data, "0123456789");
    EXPECT_EQ(ReadRegularFile(dir + "ten.txt", 9, data), ReadResult::TooLarge);
    EXPECT_TRUE(data.isEmpty());
    EXPECT_EQ(ReadRegularFile(dir + "none.txt", 9, data), ReadResult::Missing);
    EXPECT_EQ(ReadRegularFile(dir + "ten.txt/below", 9, data), ReadResult::Missing);
    EXPECT_EQ(ReadRegularFile(dir, 9, data), ReadResult::NotRegular);
    // Neither waits nor reads on: a pipe with no writer, and devices that claim size 0.
    ASSERT_EQ(mkfifo((dir + "pipe").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(ReadRegularFile(dir + "pipe", 9, data), ReadResult::NotRegular);
    EXPECT_EQ(ReadRegularFile("/dev/zero", 9, data), ReadResult::NotRegular);
    // A link to a regular file is that file.
    ASSERT_TRUE(QFile::link(dir + "Ten.txt", dir + "link.txt"));
    EXPECT_EQ(ReadRegularFile(dir + "link.txt", 10, data), ReadResult::Ok);
    EXPECT_EQ(data, "0123456789");
}
