// quillotrix-dct: build and list round trips, check, info, random and exit codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

namespace {

struct ToolRun {
    int nExit = -1;
    QByteArray out, err;
};

ToolRun RunTool(const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(QX_DCT_TOOL), args);
    EXPECT_TRUE(process.waitForStarted());
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

} // namespace

// build then list gives the filtered lists back, and so does each dictionary the build shipped.
TEST(ToolRoundTrip, BuildThenListGivesTheFilteredListBack)
{
    const QStringList astrAmerican {"english", "american"}, astrBritish {"english", "british"};
    const std::pair<QStringList, QString> lists[] = {{ScowlWordLists(astrAmerican, 70), ShippedComprehensive()},
                                                     {ScowlWordLists(astrAmerican, 50), ShippedCommon()},
                                                     {ScowlWordLists(astrBritish, 70), ShippedBritish()}};
    const QString out = TestRootFolder() + "roundtrip.dct";
    for (const auto& [astrLists, strShipped] : lists) {
        ASSERT_GT(astrLists.size(), 4) << "the scowl package's word lists";
        const ToolRun build = RunTool(QStringList {"build"} + astrLists + QStringList {out});
        ASSERT_EQ(build.nExit, 0) << build.err.constData();
        EXPECT_TRUE(build.out.contains("blocks: 128")) << build.out.constData();
        // The filter, written out plainly: lines of a-z only over all the lists, sorted byte-wise, each once.
        std::set<QByteArray> words;
        for (const QString& strList : astrLists) {
            QFile f(strList);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            for (const QByteArray& line : f.readAll().split('\n'))
                if (!line.isEmpty() && std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
                    words.insert(line);
        }
        QByteArray expected;
        for (const QByteArray& w : words)
            expected += w + '\n';
        for (const QString& dct : {out, strShipped}) {
            const ToolRun list = RunTool({"list", dct});
            ASSERT_EQ(list.nExit, 0);
            EXPECT_TRUE(list.out == expected) << qPrintable(dct) << ": " << list.out.size() << " bytes, " << expected.size() << " expected";
        }
    }
}

// Several lists make one dictionary; a list without a final line feed does not run into the next.
TEST(ToolBuild, JoinsSeveralLists)
{
    const QString first = WriteTestFile("first.txt", "pear\nfig"), second = WriteTestFile("second.txt", "apple\nfig\n");
    const QString out = TestRootFolder() + "joined.dct";
    const ToolRun run = RunTool({"build", first, second, out});
    ASSERT_EQ(run.nExit, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("words kept: 3") && run.out.contains("duplicates dropped: 1")) << run.out.constData();
    EXPECT_EQ(RunTool({"list", out}).out, QByteArray("apple\nfig\npear\n"));
    const ToolRun missing = RunTool({"build", first, TestRootFolder() + "nope.txt", out});
    EXPECT_EQ(missing.nExit, 1);
    EXPECT_TRUE(missing.err.contains("nope.txt")) << missing.err.constData();
    EXPECT_EQ(RunTool({"list", out}).out, QByteArray("apple\nfig\npear\n")) << "a failed build leaves the old file";
}

TEST(ToolBuild, FiltersCountsAndBlocks)
{
    const QString list = WriteTestFile("list.txt", "pear\r\nApple\napple\nfig\n\nnaïve\nfig\nkiwi's\nbanana");
    const QString out = TestRootFolder() + "small.dct";
    const ToolRun run = RunTool({"build", "--blocks", "2", list, out});
    ASSERT_EQ(run.nExit, 0) << run.err.constData();
    for (const char* line : {"words kept: 4", "lines skipped: 4", "blocks: 2"})
        EXPECT_TRUE(run.out.contains(line)) << run.out.constData();
    EXPECT_EQ(RunTool({"list", out}).out, QByteArray("apple\nbanana\nfig\npear\n"));
    const ToolRun info = RunTool({"info", out});
    EXPECT_EQ(info.out, QByteArray("blocks: 2\nwords: 4\nbytes: " + QByteArray::number(QFile(out).size())
                                   + "\nblock 0: apple (2 words)\nblock 1: fig (2 words)\n"));
    ASSERT_EQ(RunTool({"build", list, out}).nExit, 0);
    EXPECT_TRUE(RunTool({"info", out}).out.startsWith("blocks: 4\nwords: 4\n")) << "fewer words than blocks: one block a word";
}

TEST(ToolBuild, ReplacesItsOutputWholeInsteadOfWritingIntoIt)
{
    // A program that has the old dictionary open keeps reading the old dictionary.
    const QString out = MakeDictionaryFile("replaced.dct", {"old", "words"}, 1);
    QFile reader(out);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    const QByteArray before = MakeDictionaryImage({"old", "words"}, 1);
    const QString list = WriteTestFile("replacing.txt", "new\nlist\nof\nwords\n");
    ASSERT_EQ(RunTool({"build", list, out}).nExit, 0);
    EXPECT_EQ(reader.readAll(), before);
    EXPECT_EQ(RunTool({"list", out}).out, QByteArray("list\nnew\nof\nwords\n"));
    // An output that cannot be made leaves nothing behind.
    EXPECT_EQ(RunTool({"build", list, TestRootFolder() + "no/such/folder/x.dct"}).nExit, 1);
}

TEST(ToolCheck, AnswersAsContainsDoes)
{
    const QString dict = MakeDictionaryFile("check.dct", {"cat", "dog", "zzzzzzzzz"}, 1);
    const QString personal = WriteTestFile("check.pdt", ";Personal Word List (lowercase only!)\nemu\n");
    const ToolRun run = RunTool({"check", dict, "--personal", personal, "Cat", "cow", "EMU", "zzzzzzzzz"});
    ASSERT_EQ(run.nExit, 0);
    EXPECT_EQ(run.out, QByteArray("Cat\tyes\ncow\tno\nEMU\tyes\nzzzzzzzzz\tno\n"));
    EXPECT_EQ(RunTool({"check", dict}, "dog\r\nemu\n\nDOG\n").out, QByteArray("dog\tyes\nemu\tno\nDOG\tyes\n"));
}

TEST(ToolRandom, SameDrawsAsTheDictionary)
{
    const QString path = MakeDictionaryFile("random.dct", MakeWords(2000), 32);
    const ToolRun run = RunTool({"random", path, "--seed", "77", "--min", "4", "--max", "16", "--count", "50"});
    ASSERT_EQ(run.nExit, 0);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(path));
    srand(77);
    char sz[128];
    QByteArray expected;
    for (int i = 0; i < 50; ++i) {
        dict.RandomWord(sz, 4, 16);
        expected += QByteArray(sz) + '\n';
    }
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(RunTool({"random", path, "--seed", "5"}).out.count('\n'), 1);
}

// A file as another writer might make it: no letter groups, blocks of unequal size, no end marker,
// a stray table entry after the first zero (ignored: the last block runs to the end of the data)
// and a whole spare byte of zero padding.
TEST(ToolForeignFiles, AnyValidEncodingIsRead)
{
    CDctBitWriter w;
    std::vector<uint32_t> starts;
    const std::vector<std::vector<std::string>> blocks = {{"chat", "nation"}, {"theia"}, {"tiara", "zebra", "zoo"}};
    for (const auto& block : blocks) {
        starts.push_back(uint32_t(w.BitCount()));
        for (const auto& word : block)
            w.PutWord(word, false);
    }
    std::vector<uint8_t> data = w.Bytes();
    data.push_back(0);
    starts.push_back(0);
    starts.push_back(5); // ignored: after the first zero
    const QString path = WriteTestFile("foreign.dct", ComposeDictionaryImage(starts, data));

    EXPECT_EQ(RunTool({"list", path}).out, QByteArray("chat\nnation\ntheia\ntiara\nzebra\nzoo\n"));
    EXPECT_EQ(RunTool({"check", path, "theia", "zoo", "zoos", "tion"}).out,
              QByteArray("theia\tyes\nzoo\tyes\nzoos\tno\ntion\tno\n"));
    EXPECT_TRUE(RunTool({"info", path}).out.startsWith("blocks: 3\nwords: 6\n"));
}

TEST(ToolErrors, ExitCodes)
{
    const QString dict = MakeDictionaryFile("errors.dct", {"ok"}, 1);
    const QString damaged = WriteTestFile("errors-damaged.dct", QByteArray(100, '\x01'));
    for (const QStringList& args : {QStringList {}, QStringList {"frobnicate"}, QStringList {"list"},
                                    QStringList {"random", dict}, QStringList {"random", dict, "--seed", "x"},
                                    QStringList {"build", "--blocks", "0", "a", "b"}, QStringList {"build", "--blocks", "129", "a", "b"},
                                    QStringList {"info", dict, "--bogus", "1"}, QStringList {"build", "onlyone"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.nExit, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage:")) << args.join(' ').toStdString();
    }
    for (const QStringList& args : {QStringList {"list", TestRootFolder() + "nope.dct"}, QStringList {"info", damaged},
                                    QStringList {"check", damaged, "ok"}, QStringList {"random", damaged, "--seed", "1"},
                                    QStringList {"check", dict, "--personal", TestRootFolder() + "nope.pdt"},
                                    QStringList {"build", TestRootFolder() + "nope.txt", TestRootFolder() + "x.dct"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.nExit, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
