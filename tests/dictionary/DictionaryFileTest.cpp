// Dictionary files: bit layout, loading, block heads and damaged files.
#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <cstring>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {

// A file from a raw block table and hand-written codes.
QByteArray Image(const std::vector<uint32_t>& aStarts, const CDctBitWriter& writer)
{
    return ComposeDictionaryImage(aStarts, writer.Bytes());
}

void PutCodes(CDctBitWriter& w, std::initializer_list<unsigned> codes)
{
    for (unsigned c : codes)
        w.PutCode(c);
}

// Every lookup kind once, so that damage anywhere is read by something.
void ExerciseAll(const CDictionary& dict)
{
    char sz[128];
    for (const char* w : {"a", "m", "then", "zzz", "nation", "qqqqqqqqqqqqqqqqqqqq"}) {
        dict.Contains(w);
        dict.HasPrefix(w);
        BOOL b;
        dict.LookupPrefix(w, b);
    }
    for (int i = 0; i < 50; ++i) {
        dict.RandomWord(sz, 0, 0);
        EXPECT_LT(std::strlen(sz), 128u);
        dict.RandomWord(sz, 4, 16);
    }
    for (int b = 0; b < dict.GetBlockCount(); ++b)
        dict.EnumBlockWords(b, [](const char* w) { return std::strlen(w) < 128; });
}

} // namespace

TEST(DictFormat, CodesDecodeMostSignificantBitFirstFromLowBitsUp)
{
    CDctBitWriter w;
    PutCodes(w, {2, 9, 18, 0});
    w.PutBit(true); // the skipped bit carries no meaning
    PutCodes(w, {18, 5, 3, 0});
    w.PutBit(false);
    PutCodes(w, {0});
    // By hand: code 2 (00010) fills stream bits 0-4 and code 9 (01001) bits 5-9, so byte 0 has
    // bits 3 and 6 set and byte 1 bit 1.
    ASSERT_EQ(w.Bytes()[0], 0x48);
    ASSERT_EQ(w.Bytes()[1] & 0x03, 0x02);

    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionaryFromData(Image({0}, w)));
    char sz[128];
    EXPECT_EQ(dict.DecodeWord(0, sz), 20u);
    EXPECT_STREQ(sz, "then"); // 4 codes + the skipped bit: the next word at 21
    EXPECT_EQ(dict.DecodeWord(21, sz), 41u);
    EXPECT_STREQ(sz, "nation");
    EXPECT_EQ(dict.DecodeWord(42, sz), 47u);
    EXPECT_STREQ(sz, "");
}

TEST(DictFormat, WriterUsesLetterGroupsLongestFirst)
{
    CDctBitWriter grouped, plain;
    grouped.PutWord("nationchia");
    plain.PutWord("nationchia", false);
    EXPECT_EQ(grouped.BitCount(), 5u * 5 + 6); // n a tion ch ia, end, skipped bit
    EXPECT_EQ(plain.BitCount(), 5u * 10 + 6);
    CDictionary a, b;
    ASSERT_TRUE(a.LoadDictionaryFromData(Image({0}, grouped)));
    ASSERT_TRUE(b.LoadDictionaryFromData(Image({0}, plain)));
    EXPECT_EQ(a.GetBlockHead(0), "nationchia");
    EXPECT_EQ(b.GetBlockHead(0), "nationchia");
}

TEST(DictHeads, OneHeadAndAllHeadsAndIgnoredEntries)
{
    // Entry 0 only: one head.
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("one.dct", {"cat", "dog"}, 1)));
    EXPECT_EQ(dict.GetBlockCount(), 1);
    EXPECT_EQ(dict.GetBlockHead(0), "cat");

    // 128 blocks give 128 heads, each the first word of its block.
    const auto words = MakeWords(128 * 3);
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("full.dct", words)));
    ASSERT_EQ(dict.GetBlockCount(), 128);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ(dict.GetBlockHead(i).toStdString(), words[size_t(i) * 3]);

    // After the first zero entry, later entries are ignored even when they are not zero.
    QByteArray image = MakeDictionaryImage({"ant", "bee", "cow", "doe"}, 4);
    const quint32 third = qFromLittleEndian<quint32>(image.constData() + 8);
    qToLittleEndian<quint32>(0, image.data() + 8);
    qToLittleEndian<quint32>(third, image.data() + 20);
    ASSERT_TRUE(dict.LoadDictionary(WriteTestFile("gap.dct", image)));
    EXPECT_EQ(dict.GetBlockCount(), 2);
    EXPECT_TRUE(dict.Contains("doe")); // block 1 runs to the end of the data
}

TEST(DictHeads, ASecondLoadReplacesTheFirstEvenWhenItFails)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("first.dct", {"apple", "pear"}, 2)));
    EXPECT_TRUE(dict.Contains("pear"));
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("second.dct", {"plum", "sloe"}, 2)));
    EXPECT_FALSE(dict.Contains("pear"));
    EXPECT_EQ(dict.GetBlockHead(0), "plum");

    EXPECT_FALSE(dict.LoadDictionary(TestRootFolder() + "dct/missing.dct"));
    EXPECT_FALSE(dict.IsLoaded());
    EXPECT_EQ(dict.GetBlockCount(), 0);
    EXPECT_FALSE(dict.Contains("plum"));
    EXPECT_EQ(dict.GetBlockStart(1), 0u);
    dict.UnloadDictionary(); // twice is harmless
    EXPECT_FALSE(dict.IsLoaded());
}

TEST(DictHeads, FileNameIsFoundWhateverItsCase)
{
    MakeDictionaryFile("Mixed Case.DCT", {"owl"}, 1);
    CDictionary dict;
    EXPECT_TRUE(dict.LoadDictionary(TestRootFolder() + "dct/mixed case.dct"));
    EXPECT_TRUE(dict.Contains("OWL"));
}

TEST(DictDamaged, RefusedFilesHoldNothing)
{
    const QByteArray good = MakeDictionaryImage(MakeWords(300), 8);
    std::vector<std::pair<const char*, QByteArray>> cases;
    cases.push_back({"empty", QByteArray()});
    cases.push_back({"short", good.left(511)});
    QByteArray entry0 = good;
    entry0[1] = 1; // first four bytes not all zero
    cases.push_back({"entry0", entry0});
    QByteArray descending = good;
    qToLittleEndian<quint32>(qFromLittleEndian<quint32>(good.constData() + 8) - 1, descending.data() + 12);
    cases.push_back({"descending", descending});
    QByteArray equal = good;
    qToLittleEndian<quint32>(qFromLittleEndian<quint32>(good.constData() + 8), equal.data() + 12);
    cases.push_back({"equal", equal});
    QByteArray past = good;
    qToLittleEndian<quint32>(quint32((good.size() - 512) * 8), past.data() + 28);
    cases.push_back({"past the data", past});
    QByteArray huge = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, huge.data() + 28);
    cases.push_back({"far past", huge});
    QByteArray overlap = good;
    qToLittleEndian<quint32>(3, overlap.data() + 4);
    cases.push_back({"block starts inside the head before", overlap});

    CDctBitWriter code31;
    PutCodes(code31, {5, 31, 5, 0});
    code31.PutBit(false);
    cases.push_back({"code 31 head", Image({0}, code31)});

    CDctBitWriter longHead;
    for (int i = 0; i < 128; ++i)
        longHead.PutCode(5);
    longHead.PutCode(0);
    cases.push_back({"128 letters", Image({0}, longHead)});

    CDctBitWriter cut;
    PutCodes(cut, {5, 6, 7}); // no terminating code: the data ends inside the word
    cases.push_back({"cut head", Image({0}, cut)});

    CDictionary dict;
    for (const auto& [name, image] : cases) {
        ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("ok.dct", {"ok"}, 1)));
        EXPECT_FALSE(dict.LoadDictionary(WriteTestFile("damaged.dct", image))) << name;
        EXPECT_FALSE(dict.IsLoaded()) << name;
        EXPECT_EQ(dict.GetBlockCount(), 0) << name;
        EXPECT_FALSE(dict.Contains("ok")) << name;
        EXPECT_FALSE(dict.LoadDictionaryFromData(image)) << name;
        ExerciseAll(dict);
    }
}

TEST(DictDamaged, DamageInsideABlockStaysBounded)
{
    // Well-formed heads, but inside the block: code 31, a 200-letter word, then the data ends
    // in the middle of a word.
    CDctBitWriter w;
    w.PutWord("abc");
    PutCodes(w, {6, 31, 6, 0}); // "bb" with a stray 31
    w.PutBit(false);
    for (int i = 0; i < 200; ++i)
        w.PutCode(7);
    w.PutCode(0);
    w.PutBit(false);
    const uint32_t second = uint32_t(w.BitCount());
    w.PutWord("dog");
    w.PutWord("eel");
    PutCodes(w, {10, 10}); // "ff..." never terminated: the last byte is filled with ones
    while (w.BitCount() % 8)
        w.PutBit(true);
    const QByteArray image = Image({0, second}, w);

    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionaryFromData(image));
    EXPECT_TRUE(dict.HasWords());
    std::vector<std::string> listed;
    for (int b = 0; b < dict.GetBlockCount(); ++b)
        dict.EnumBlockWords(b, [&](const char* s) {
            listed.emplace_back(s);
            return true;
        });
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[1], "bb");
    EXPECT_EQ(listed[2], std::string(127, 'c')); // cut to what a buffer of 128 holds
    EXPECT_EQ(listed[4], "eel");
    EXPECT_TRUE(dict.Contains("eel"));
    EXPECT_FALSE(dict.Contains("ff"));
    EXPECT_FALSE(dict.Contains("zebra"));
    EXPECT_FALSE(dict.HasPrefix("f"));
    char sz[128];
    EXPECT_EQ(dict.DecodeWord(DWORD((image.size() - 512) * 8 - 3), sz), DWORD((image.size() - 512) * 8));
    ExerciseAll(dict);

    ASSERT_TRUE(dict.LoadDictionary(WriteTestFile("inner.dct", image)));
    EXPECT_TRUE(dict.Contains("dog"));
    ExerciseAll(dict);
}

TEST(DictDamaged, AFileWithoutWordsLoadsAndAnswersNothing)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(WriteTestFile("nowords.dct", QByteArray(512, '\0'))));
    EXPECT_TRUE(dict.IsLoaded());
    EXPECT_FALSE(dict.HasWords());
    EXPECT_EQ(dict.GetBlockCount(), 1);
    EXPECT_FALSE(dict.Contains("a"));
    EXPECT_FALSE(dict.HasPrefix(""));
    char sz[128] = "junk";
    dict.RandomWord(sz, 0, 0);
    EXPECT_STREQ(sz, "");
    dict.RandomWord(sz, 4, 16);
    EXPECT_STREQ(sz, "");
}
