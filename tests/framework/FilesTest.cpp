// Case-blind look-up and replace-by-rename writing.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "framework/Files.h"
#include "tests/support/TestEnv.h"

TEST(Files, FindsNamesThatDifferOnlyInCase)
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

    QByteArray data;
    EXPECT_TRUE(ReadWholeFile(asked, data));
    EXPECT_EQ(data, QByteArray("x"));
    EXPECT_TRUE(DeleteFileCaseBlind(asked));
    EXPECT_FALSE(QFile::exists(real));
    EXPECT_FALSE(DeleteFileCaseBlind(asked));
}

TEST(Files, ReplacingWritesOverTheExistingCasingAndFailsCleanlyWithoutAFolder)
{
    const QString dir = TestRootFolder() + "Replace/";
    QDir().mkpath(dir);
    ASSERT_TRUE(WriteFileReplacing(dir + "Personal.PDT", "old"));
    ASSERT_TRUE(WriteFileReplacing(dir + "personal.pdt", "new contents"));
    QByteArray data;
    ASSERT_TRUE(ReadWholeFile(dir + "Personal.PDT", data));
    EXPECT_EQ(data, QByteArray("new contents"));
    EXPECT_FALSE(QFile::exists(dir + "personal.pdt"));

    EXPECT_FALSE(WriteFileReplacing(TestRootFolder() + "no/such/folder/file.txt", "data"));
    EXPECT_FALSE(QFile::exists(TestRootFolder() + "no"));
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
