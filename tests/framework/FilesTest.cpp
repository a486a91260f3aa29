// Case-blind look-up and replace-by-rename writing.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

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
