// Word lookup, prefix lookup and random words.
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <set>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {

// The distinct words of n draws.
std::set<std::string> Draws(const CDictionary& dict, int n, UINT nMin = 0, UINT nMax = 0)
{
    std::set<std::string> seen;
    char sz[128];
    for (int i = 0; i < n; ++i) {
        dict.RandomWord(sz, nMin, nMax);
        seen.insert(sz);
    }
    return seen;
}

} // namespace

TEST(DictLookup, HeadsFirstAndLastWordsAndLetterCase)
{
    const auto words = MakeWords(1000);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("lookup.dct", words, 10)));
    ASSERT_EQ(dict.GetBlockCount(), 10);
    for (int b = 0; b < 10; ++b)
        EXPECT_EQ(dict.GetBlockHead(b).toStdString(), words[size_t(b) * 100]);
    // Every word, whether a head or inside a block, first of all or last of all.
    for (const auto& w : words)
        ASSERT_TRUE(dict.Contains(QString::fromStdString(w))) << w;
    // Letter case folds for A to Z only.
    EXPECT_TRUE(dict.Contains("BA") && dict.Contains("bA") && dict.HasPrefix("Zz"));
    EXPECT_FALSE(dict.Contains(QStringLiteral("b\u00C0")) || dict.Contains(QStringLiteral("\u0130b")));
    // Before the first word, after the last, between words, longer than words, not 8-bit text
    // ('?' never matches), and a zero inside (compared whole, not cut at the zero).
    const QString withZero = QString::fromStdString(words[0]) + QChar(0) + "b";
    for (const QString& w : {QString("a"), QString("aa"), QString("zzzzzzzzzzzz"), QString::fromStdString(words.back() + "a"),
                             QString::fromStdString(words[500] + "zz"), QString(), QString(200, 'b'),
                             QStringLiteral("b\u0100"), withZero})
        EXPECT_FALSE(dict.Contains(w)) << w.toStdString();
    EXPECT_FALSE(dict.HasPrefix(withZero));
}

TEST(DictLookup, EndMarkerIsNoWordUnlessPersonal)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("sentinel.dct", {"zoo", "zzz"}, 1)));
    EXPECT_EQ(dict.GetBlockCount(), 1);
    EXPECT_EQ(dict.GetBlockHead(0), "zoo");
    EXPECT_FALSE(dict.Contains("zzzzzzzzz"));
    EXPECT_TRUE(dict.Contains("ZZZZZZZZZ")); // upper case is looked up like any word: the file holds it
    EXPECT_TRUE(dict.Contains("zzz") && dict.HasPrefix("zz"));
    EXPECT_FALSE(dict.HasPrefix("zzzz")); // only the marker begins so
    EXPECT_EQ(Draws(dict, 200), std::set<std::string>({"zoo", "zzz"}));
    dict.AddPersonalWord("zzzzzzzzz");
    EXPECT_TRUE(dict.Contains("zzzzzzzzz") && dict.HasPrefix("zzzz"));
}

// Contains, HasPrefix and LookupPrefix agree with a plain search over every word of a shipped list.
TEST(DictLookup, PrefixesAgreeWithTheWordList)
{
    const auto words = CommonListWords();
    ASSERT_GT(words.size(), 50000u);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(ShippedCommon()));
    const std::set<std::string> all(words.begin(), words.end());
    std::set<std::string> prefixes;
    for (const auto& w : words)
        for (size_t n = 1; n <= w.size(); ++n)
            prefixes.insert(w.substr(0, n));

    for (size_t i = 0; i < words.size(); i += 7) {
        const std::string& w = words[i];
        // The word, its prefixes, and neighbours that may or may not be words or prefixes.
        for (const auto& p : {w, w.substr(0, (w.size() + 1) / 2), w + "s", w + "q", w.substr(0, w.size() - 1) + "x"}) {
            const QString q = QString::fromStdString(p);
            const bool bWord = all.count(p) > 0, bPrefix = prefixes.count(p) > 0;
            ASSERT_EQ(bool(dict.Contains(q)), bWord) << p;
            ASSERT_EQ(bool(dict.HasPrefix(q)), bPrefix) << p;
            BOOL bIsWord = FALSE;
            ASSERT_EQ(bool(dict.LookupPrefix(q.toUpper(), bIsWord)), bPrefix) << p;
            ASSERT_EQ(bool(bIsWord), bWord) << p;
        }
    }
}

TEST(DictRandom, BlockWeightingTwiceForBlockZeroNeverTheLast)
{
    // 128 blocks of 4 words: a word's place in the sorted list tells its block.
    const auto words = MakeWords(512);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("weights.dct", words, 128)));
    ASSERT_EQ(dict.GetBlockCount(), 128);
    srand(12345);
    std::vector<int> counts(128, 0);
    char sz[128];
    for (int i = 0; i < 128 * 400; ++i) {
        dict.RandomWord(sz, 0, 0);
        const auto it = std::lower_bound(words.begin(), words.end(), std::string(sz));
        ASSERT_TRUE(it != words.end() && *it == sz) << sz;
        ++counts[size_t(it - words.begin()) / 4];
    }
    EXPECT_EQ(counts[127], 0);
    // Expected 800 for block 0 and 400 for each other block; a wide margin against chance.
    EXPECT_NEAR(counts[0], 800, 160);
    for (int b = 1; b < 127; ++b)
        EXPECT_NEAR(counts[size_t(b)], 400, 120) << b;
}

TEST(DictRandom, BoundsAreTriedOnceThenTheBlocksLastWord)
{
    CDictionary dict;
    srand(1);
    // Only block 0 is ever drawn from; "aa" and "ab" both miss 4 to 16 letters: its last word every time.
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("bounds.dct", {"aa", "ab", "abcde", "ant", "zebra"}, 2)));
    EXPECT_EQ(Draws(dict, 200, 4, 16), std::set<std::string>({"ab"}));
    // "abcdef" when drawn, else "bat", the short last word of block 0.
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("bounds2.dct", {"abcdef", "bat", "xylophone", "zoo"}, 2)));
    EXPECT_EQ(Draws(dict, 200, 4, 16), std::set<std::string>({"abcdef", "bat"}));
    // A single block is drawn from, last word included.
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("single.dct", {"elk", "emu", "ewe"}, 1)));
    EXPECT_EQ(Draws(dict, 100), std::set<std::string>({"elk", "emu", "ewe"}));
}
