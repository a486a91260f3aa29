// The dictionaries the build ships: whole words only, the common words the games' tests play, and
// the British list spelling the British way.
#include <gtest/gtest.h>

#include <QDir>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {
const char* const kAbbreviations[] = {"abl", "alg", "guar", "ult", "abs", "approx", "misc", "etc", "mr"};
const char* const kCommonWords[] = {"able", "act", "apple", "bridge", "cat", "cats", "cube", "dog", "drop",
                                    "house", "pear", "tax", "tile", "water", "word", "words"};
} // namespace

TEST(ShippedDictionaries, AreTheThreeListsAndRefuseAbbreviations)
{
    const QStringList astrFiles = QDir(QStringLiteral(QX_BIN_DIR "/data")).entryList({QStringLiteral("*.dct")}, QDir::Files, QDir::Name);
    EXPECT_EQ(astrFiles, (QStringList {"English British.dct", "English Common.dct", "English Comprehensive07.dct"}));
    for (const char* pszPath : {ShippedComprehensive(), ShippedCommon(), ShippedBritish()}) {
        CDictionary dict;
        ASSERT_TRUE(dict.LoadDictionary(QString::fromUtf8(pszPath))) << pszPath;
        for (const char* pszWord : kAbbreviations)
            EXPECT_FALSE(dict.Contains(QString::fromLatin1(pszWord))) << pszPath << ": " << pszWord;
        for (const char* pszWord : kCommonWords)
            EXPECT_TRUE(dict.Contains(QString::fromLatin1(pszWord))) << pszPath << ": " << pszWord;
        // Names stay out too (these are SCOWL's proper names and upper-case words only).
        for (const char* pszWord : {"aaron", "alabama", "amsterdam", "africa", "american"})
            EXPECT_FALSE(dict.Contains(QString::fromLatin1(pszWord))) << pszPath << ": " << pszWord;
    }
}

TEST(ShippedDictionaries, SizesAndSpellingsDiffer)
{
    CDictionary comprehensive, common, british;
    ASSERT_TRUE(comprehensive.LoadDictionary(ShippedComprehensive()));
    ASSERT_TRUE(common.LoadDictionary(ShippedCommon()));
    ASSERT_TRUE(british.LoadDictionary(ShippedBritish()));
    for (const char* pszWord : {"colour", "honour", "centre", "cheque", "organise"}) {
        EXPECT_TRUE(british.Contains(QString::fromLatin1(pszWord))) << pszWord;
        EXPECT_FALSE(comprehensive.Contains(QString::fromLatin1(pszWord))) << pszWord;
    }
    for (const char* pszWord : {"color", "honor", "center", "organize"}) {
        EXPECT_TRUE(comprehensive.Contains(QString::fromLatin1(pszWord))) << pszWord;
        EXPECT_TRUE(common.Contains(QString::fromLatin1(pszWord))) << pszWord;
    }
    // Words of the larger sizes only: in the comprehensive list, not the common one.
    for (const char* pszWord : {"abseil", "academe", "airbag"}) {
        EXPECT_TRUE(comprehensive.Contains(QString::fromLatin1(pszWord))) << pszWord;
        EXPECT_FALSE(common.Contains(QString::fromLatin1(pszWord))) << pszWord;
    }
}
