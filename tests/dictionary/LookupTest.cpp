// Word lookup, prefix lookup and random words.
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <map>
#include <set>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {

std::vector<std::string> ReadShippedWords(const char* pszList)
{
    QFile f(pszList);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << pszList;
    return FilterWordList(f.readAll());
}

} // namespace

TEST(DictLookup, HeadsFirstAndLastWords)
{
    const auto words = MakeWords(1000);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("lookup.dct", words, 10)));
    // Every word, whether a head or inside a block, first of all or last of all.
    for (const auto& w : words)
        ASSERT_TRUE(dict.Contains(QString::fromStdString(w))) << w;
    EXPECT_TRUE(dict.Contains(QString::fromStdString(words.front())));
    EXPECT_TRUE(dict.Contains(QString::fromStdString(words.back())));
    // Before the first word, after the last, between words and longer than words.
    EXPECT_FALSE(dict.Contains("a"));
    EXPECT_FALSE(dict.Contains("aa"));
    EXPECT_FALSE(dict.Contains("zzzzzzzzzzzz"));
    EXPECT_FALSE(dict.Contains(QString::fromStdString(words.back() + "a")));
    EXPECT_FALSE(dict.Contains(QString::fromStdString(words[500] + "zz")));
    EXPECT_FALSE(dict.Contains(""));
    EXPECT_FALSE(dict.Contains(QString(200, 'b')));
    EXPECT_FALSE(dict.Contains(QStringLiteral("b\u0100"))); // no 8-bit form: '?' never matches
    const QString withZero = QString::fromStdString(words[0]) + QChar(0) + "b";
    EXPECT_FALSE(dict.Contains(withZero)); // compared whole, not cut at the zero
    EXPECT_FALSE(dict.HasPrefix(withZero));
}

TEST(DictLookup, LetterCaseFoldsAToZOnly)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("case.dct", {"quiz", "theory", "nation"}, 2)));
    for (const char* w : {"theory", "THEORY", "ThEoRy", "Nation", "QUIZ"})
        EXPECT_TRUE(dict.Contains(w)) << w;
    EXPECT_FALSE(dict.Contains(QStringLiteral("quİz")));
}

TEST(DictLookup, EndMarkerIsNoWordUnlessPersonal)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("sentinel.dct", {"zoo", "zzz"}, 1)));
    EXPECT_FALSE(dict.Contains("zzzzzzzzz"));
    EXPECT_TRUE(dict.Contains("ZZZZZZZZZ")); // upper case is looked up like any word: the file holds it
    EXPECT_TRUE(dict.Contains("zzz"));
    EXPECT_TRUE(dict.HasPrefix("zz"));
    EXPECT_FALSE(dict.HasPrefix("zzzz")); // only the marker begins so
    char sz[128];
    for (int i = 0; i < 200; ++i) {
        dict.RandomWord(sz, 0, 0);
        EXPECT_STRNE(sz, "zzzzzzzzz");
    }
    dict.AddPersonalWord("zzzzzzzzz");
    EXPECT_TRUE(dict.Contains("zzzzzzzzz"));
    EXPECT_TRUE(dict.HasPrefix("zzzz"));
}

TEST(DictLookup, PersonalWordsWithoutMainDictionary)
{
    CDictionary dict;
    EXPECT_FALSE(dict.IsLoaded());
    dict.AddPersonalWord("Quillotrix");
    EXPECT_TRUE(dict.Contains("quillotrix"));
    EXPECT_TRUE(dict.Contains("QUILLOTRIX"));
    EXPECT_TRUE(dict.HasPrefix("QuIl"));
    EXPECT_FALSE(dict.Contains("quill"));
    EXPECT_FALSE(dict.HasPrefix("x"));
    BOOL bWord = TRUE;
    EXPECT_TRUE(dict.LookupPrefix("quill", bWord));
    EXPECT_FALSE(bWord);
}

// HasPrefix and LookupPrefix agree with a plain search over every word of a shipped list.
TEST(DictLookup, PrefixesAgreeWithTheWordList)
{
    const auto words = ReadShippedWords("/usr/share/dict/american-english");
    ASSERT_GT(words.size(), 50000u);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(ShippedCommon()));
    const std::set<std::string> all(words.begin(), words.end());
    std::set<std::string> prefixes;
    for (const auto& w : words)
        for (size_t n = 1; n <= w.size(); ++n)
            prefixes.insert(w.substr(0, n));

    size_t nChecked = 0;
    for (size_t i = 0; i < words.size(); i += 7) {
        const std::string& w = words[i];
        // The word, its prefixes, and neighbours that may or may not be words or prefixes.
        std::vector<std::string> probes = {w, w.substr(0, (w.size() + 1) / 2), w + "s", w + "q", w.substr(0, w.size() - 1) + "x"};
        for (const auto& p : probes) {
            const QString q = QString::fromStdString(p);
            const bool bWord = all.count(p) > 0;
            const bool bPrefix = prefixes.count(p) > 0;
            ASSERT_EQ(bool(dict.Contains(q)), bWord) << p;
            ASSERT_EQ(bool(dict.HasPrefix(q)), bPrefix) << p;
            BOOL bIsWord = FALSE;
            ASSERT_EQ(bool(dict.LookupPrefix(q.toUpper(), bIsWord)), bPrefix) << p;
            ASSERT_EQ(bool(bIsWord), bWord) << p;
            ++nChecked;
        }
    }
    EXPECT_GT(nChecked, 40000u);
}

TEST(DictRandom, BlockWeightingTwiceForBlockZeroNeverTheLast)
{
    // 128 blocks of 4 words: each word says which block it came from.
    const auto words = MakeWords(512);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("weights.dct", words, 128)));
    std::map<std::string, int> blockOf;
    for (size_t i = 0; i < words.size(); ++i)
        blockOf[words[i]] = int(i / 4);

    srand(12345);
    std::vector<int> counts(128, 0);
    const int nDraws = 128 * 400;
    char sz[128];
    for (int i = 0; i < nDraws; ++i) {
        dict.RandomWord(sz, 0, 0);
        ASSERT_TRUE(blockOf.count(sz)) << sz;
        ++counts[size_t(blockOf[sz])];
    }
    EXPECT_EQ(counts[127], 0);
    double dOthers = 0;
    for (int b = 1; b < 127; ++b)
        dOthers += counts[size_t(b)];
    dOthers /= 126;
    // Expected 800 for block 0 and 400 for each other block; a wide margin against chance.
    EXPECT_NEAR(counts[0] / dOthers, 2.0, 0.3);
    for (int b = 1; b < 127; ++b)
        EXPECT_NEAR(counts[size_t(b)], 400, 120) << b;
}

TEST(DictRandom, BoundsAreTriedOnceThenTheBlocksLastWord)
{
    // Two blocks; only block 0 is ever drawn from, and it holds "aa" and "ab", none of 4 to 16 letters.
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("bounds.dct", {"aa", "ab", "abcde", "ant", "zebra"}, 2)));
    srand(1);
    char sz[128];
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        dict.RandomWord(sz, 4, 16);
        seen.insert(sz);
    }
    // No draw meets the bounds: the block's last word comes back every time.
    EXPECT_EQ(seen, std::set<std::string>({"ab"}));

    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("bounds2.dct", {"abcdef", "bat", "xylophone", "zoo"}, 2)));
    seen.clear();
    for (int i = 0; i < 200; ++i) {
        dict.RandomWord(sz, 4, 16);
        seen.insert(sz);
    }
    // "abcdef" when drawn, else "bat", the short last word of block 0.
    EXPECT_EQ(seen, std::set<std::string>({"abcdef", "bat"}));
}

TEST(DictRandom, OneBlockDrawsFromIt)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("single.dct", {"elk", "emu", "ewe"}, 1)));
    srand(3);
    std::set<std::string> seen;
    char sz[128];
    for (int i = 0; i < 100; ++i) {
        dict.RandomWord(sz, 0, 0);
        seen.insert(sz);
    }
    EXPECT_EQ(seen, std::set<std::string>({"elk", "emu", "ewe"}));
}

TEST(DictRandom, ShippedDictionaryGivesWordsItContains)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(ShippedComprehensive()));
    srand(99);
    char sz[128];
    for (int i = 0; i < 300; ++i) {
        dict.RandomWord(sz, i % 2 ? 4 : 0, 16);
        ASSERT_GT(std::strlen(sz), 0u);
        EXPECT_TRUE(dict.Contains(QString::fromLatin1(sz))) << sz;
    }
}
