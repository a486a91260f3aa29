// Case-blind look-up and replace-by-rename writing.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "framework/Files.h"
#include "tests/support/TestEnv.h"

namespace {
void Touch(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}
} // namespace

TEST(Files, FindsNamesThatDifferOnlyInCase)
{
    const QString dir = TestRootFolder() + "CaseBlind/Data/";
    QDir().mkpath(dir);
    Touch(dir + "English Comprehensive07.dct", "x");

    const QString asked = TestRootFolder() + "caseblind/data/english comprehensive07.DCT";
    EXPECT_EQ(FindFileCaseBlind(asked), dir + "English Comprehensive07.dct");
    // An exact name and a name that matches nothing come back unchanged.
    EXPECT_EQ(FindFileCaseBlind(dir + "English Comprehensive07.dct"), dir + "English Comprehensive07.dct");
    EXPECT_EQ(FindFileCaseBlind(dir + "missing.dct"), dir + "missing.dct");

    QByteArray data;
    EXPECT_TRUE(ReadWholeFile(asked, data));
    EXPECT_EQ(data, QByteArray("x"));
    EXPECT_TRUE(DeleteFileCaseBlind(asked));
    EXPECT_FALSE(QFile::exists(dir + "English Comprehensive07.dct"));
    EXPECT_FALSE(DeleteFileCaseBlind(asked));
}

TEST(Files, ReplacingWritesOverTheExistingCasing)
{
    const QString dir = TestRootFolder() + "Replace/";
    QDir().mkpath(dir);
    Touch(dir + "Personal.PDT", "old");
    ASSERT_TRUE(WriteFileReplacing(dir + "personal.pdt", "new contents"));
    QByteArray data;
    ASSERT_TRUE(ReadWholeFile(dir + "Personal.PDT", data));
    EXPECT_EQ(data, QByteArray("new contents"));
    EXPECT_FALSE(QFile::exists(dir + "personal.pdt"));
}

TEST(Files, ReplacingIntoAMissingFolderFailsAndLeavesNothing)
{
    EXPECT_FALSE(WriteFileReplacing(TestRootFolder() + "no/such/folder/file.txt", "data"));
}

TEST(Files, StorageCardComesFromTheEnvironment)
{
    EXPECT_EQ(GetStorageCardRoot(), TestStorageCard());
    EXPECT_EQ(GetProgramFolder(), TestProgramFolder());
}
