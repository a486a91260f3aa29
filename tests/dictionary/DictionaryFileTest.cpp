// Dictionary files: bit layout, loading, block heads and damaged files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QtEndian>
#include <cstring>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {

void PutCodes(CDctBitWriter& w, std::initializer_list<unsigned> codes)
{
    for (unsigned c : codes)
        w.PutCode(c);
}

quint32 Entry(const QByteArray& image, int nEntry) { return qFromLittleEndian<quint32>(image.constData() + 4 * nEntry); }

// Every lookup kind once, so that damage anywhere is read by something.
void ExerciseAll(const CDictionary& dict)
{
    char sz[128];
    BOOL b;
    for (const char* w : {"a", "m", "then", "zzz", "nation", "qqqqqqqqqqqqqqqqqqqq"}) {
        dict.Contains(w);
        dict.HasPrefix(w);
        dict.LookupPrefix(w, b);
    }
    for (int i = 0; i < 50; ++i) {
        dict.RandomWord(sz, 0, 0);
        EXPECT_LT(std::strlen(sz), 128u);
        dict.RandomWord(sz, 4, 16);
    }
    for (int n = 0; n < dict.GetBlockCount(); ++n)
        dict.EnumBlockWords(n, [](const char* w) { return std::strlen(w) < 128; });
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
    ASSERT_TRUE(dict.LoadDictionaryFromData(ComposeDictionaryImage({0}, w.Bytes())));
    char sz[128];
    EXPECT_EQ(dict.DecodeWord(0, sz), 20u);
    EXPECT_STREQ(sz, "then"); // 4 codes + the skipped bit: the next word at 21
    EXPECT_EQ(dict.DecodeWord(21, sz), 41u);
    EXPECT_STREQ(sz, "nation");
    EXPECT_EQ(dict.DecodeWord(42, sz), 47u);
    EXPECT_STREQ(sz, "");
}

TEST(DictHeads, ALoadReplacesTheLastEvenWhenItFailsAndIgnoresNameCase)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("first.dct", {"apple", "pear"}, 2)));
    MakeDictionaryFile("Mixed Case.DCT", {"plum", "sloe"}, 2);
    ASSERT_TRUE(dict.LoadDictionary(TestRootFolder() + "dct/mixed case.dct"));
    EXPECT_FALSE(dict.Contains("pear"));
    EXPECT_TRUE(dict.Contains("SLOE"));
    EXPECT_EQ(dict.GetBlockHead(0), "plum");

    EXPECT_FALSE(dict.LoadDictionary(TestRootFolder() + "dct/missing.dct"));
    EXPECT_FALSE(dict.IsLoaded() || dict.GetBlockCount() || dict.Contains("plum") || dict.GetBlockStart(1));
    dict.UnloadDictionary(); // twice is harmless
}

TEST(DictHeads, ALoadedDictionaryIgnoresLaterWritesToItsFile)
{
    const std::vector<std::string> aWords = MakeWords(3000);
    const QString path = MakeDictionaryFile("rewritten.dct", aWords, 16);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(path));
    // Another program rewrites the file in place: first with other bytes, then cut short.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_EQ(file.write(QByteArray(file.size(), '\xff')), file.size());
    file.flush();
    EXPECT_TRUE(dict.Contains(QString::fromStdString(aWords.back())));
    ASSERT_TRUE(file.resize(0));
    file.close();
    EXPECT_TRUE(dict.Contains(QString::fromStdString(aWords[777])));
    EXPECT_EQ(dict.GetBlockHead(15), QString::fromStdString(aWords[aWords.size() * 15 / 16]));
}

TEST(DictDamaged, RefusedFilesHoldNothing)
{
    const QByteArray good = MakeDictionaryImage(MakeWords(300), 8);
    auto patched = [&](int nEntry, quint32 value) {
        QByteArray image = good;
        qToLittleEndian<quint32>(value, image.data() + 4 * nEntry);
        return image;
    };
    CDctBitWriter code31, longHead, cut, inside;
    inside.PutWord("ab", false); // from bit 5 the head reads "b", a well-formed word above "ab"
    inside.PutWord("ac", false);
    PutCodes(code31, {5, 31, 5, 0});
    code31.PutBit(false);
    for (int i = 0; i < 128; ++i)
        longHead.PutCode(5);
    longHead.PutCode(0);
    PutCodes(cut, {5, 6, 7}); // no terminating code: the data ends inside the word

    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"short", good.left(511)},
        {"entry 0 not zero", patched(0, 0x100)},
        {"descending", patched(3, Entry(good, 2) - 1)},
        {"equal", patched(3, Entry(good, 2))},
        {"past the data", patched(7, quint32((good.size() - 512) * 8))},
        {"far past", patched(7, 0xFFFFFFF0u)},
        {"block starts inside the first head", patched(1, 3)},
        {"code 31 head", ComposeDictionaryImage({0}, code31.Bytes())},
        {"128 letters", ComposeDictionaryImage({0}, longHead.Bytes())},
        {"cut head", ComposeDictionaryImage({0}, cut.Bytes())},
        {"block starts inside the head before it", ComposeDictionaryImage({0, 5}, inside.Bytes())},
    };
    CDictionary dict;
    for (const auto& [name, image] : cases) {
        ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("ok.dct", {"ok"}, 1)));
        EXPECT_FALSE(dict.LoadDictionary(WriteTestFile("damaged.dct", image))) << name;
        EXPECT_FALSE(dict.IsLoaded() || dict.GetBlockCount() || dict.Contains("ok")) << name;
        EXPECT_FALSE(dict.LoadDictionaryFromData(image)) << name;
        ExerciseAll(dict);
    }
}

TEST(DictDamaged, PipesAndDevicesAreRefusedWithoutWaiting)
{
    const QString fifo = TestRootFolder() + "dictionary.fifo";
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    CDictionary dict;
    // Opened as a file, the pipe would wait for a writer for ever; /dev/zero would never end.
    for (const QString& path : {fifo, QString("/dev/zero"), QString("/dev/null"), TestRootFolder()}) {
        ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("ok.dct", {"ok"}, 1)));
        EXPECT_FALSE(dict.LoadDictionary(path)) << path.toStdString();
        EXPECT_FALSE(dict.IsLoaded()) << path.toStdString();
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
    const QByteArray image = ComposeDictionaryImage({0, second}, w.Bytes());

    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(WriteTestFile("inner.dct", image)));
    std::vector<std::string> listed;
    for (int b = 0; b < dict.GetBlockCount(); ++b)
        dict.EnumBlockWords(b, [&](const char* s) { return listed.emplace_back(s), true; });
    EXPECT_EQ(listed, std::vector<std::string>({"abc", "bb", std::string(127, 'c'), "dog", "eel"})); // cut to 127
    EXPECT_TRUE(dict.Contains("eel") && dict.Contains("dog"));
    EXPECT_FALSE(dict.Contains("ff") || dict.Contains("zebra") || dict.HasPrefix("f"));
    char sz[128];
    const DWORD dwEnd = DWORD((image.size() - 512) * 8);
    EXPECT_EQ(dict.DecodeWord(dwEnd - 3, sz), dwEnd);
    ExerciseAll(dict);
}

TEST(DictDamaged, AFileWithoutWordsLoadsAndAnswersNothing)
{
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(WriteTestFile("nowords.dct", QByteArray(512, '\0'))));
    EXPECT_TRUE(dict.IsLoaded() && !dict.HasWords() && dict.GetBlockCount() == 1);
    EXPECT_FALSE(dict.Contains("a") || dict.HasPrefix(""));
    char sz[128] = "junk";
    dict.RandomWord(sz, 4, 16);
    EXPECT_STREQ(sz, "");
}
