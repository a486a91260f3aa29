// quillotrix-dct: builds .dct dictionaries from word lists and inspects them through CDictionary.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "framework/Files.h"
#include "framework/MessageBox.h"

namespace {

const char kUsage[] =
    "usage: quillotrix-dct build [--blocks N] WORDLIST... OUTPUT.dct\n"
    "       quillotrix-dct check DICT [--personal FILE] [WORD...]\n"
    "       quillotrix-dct list DICT\n"
    "       quillotrix-dct info DICT\n"
    "       quillotrix-dct random DICT --seed S [--min A] [--max B] [--count K]\n";

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Usage(const std::string& strWhy)
{
    std::fprintf(stderr, "quillotrix-dct: %s\n%s", strWhy.c_str(), kUsage);
    return kExitUsage;
}

int Fail(const std::string& strWhy)
{
    std::fprintf(stderr, "quillotrix-dct: %s\n", strWhy.c_str());
    return kExitFailure;
}

// A command's arguments split into options (each taking one value) and the rest, in order.
struct Args {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
};

bool ParseArgs(int argc, char** argv, const std::vector<std::string>& aOptions, Args& args, std::string& strError)
{
    bool bOptionsEnded = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!bOptionsEnded && arg == "--") {
            bOptionsEnded = true;
            continue;
        }
        if (!bOptionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (std::find(aOptions.begin(), aOptions.end(), arg) == aOptions.end()) {
                strError = "unknown option " + arg;
                return false;
            }
            if (i + 1 >= argc) {
                strError = "option " + arg + " needs a value";
                return false;
            }
            args.options[arg] = argv[++i];
            continue;
        }
        args.positional.push_back(arg);
    }
    return true;
}

bool ParseUnsigned(const std::string& str, unsigned long long nMax, unsigned long long& nValue)
{
    if (str.empty() || str.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    char* pEnd = nullptr;
    nValue = std::strtoull(str.c_str(), &pEnd, 10);
    return errno == 0 && *pEnd == 0 && nValue <= nMax;
}

// Options with a numeric value: false (with the reason) when present but not a number in range.
bool NumberOption(const Args& args, const std::string& strName, unsigned long long nMax, unsigned long long& nValue,
                  std::string& strError)
{
    const auto it = args.options.find(strName);
    if (it == args.options.end())
        return true;
    if (!ParseUnsigned(it->second, nMax, nValue)) {
        strError = strName + " needs a whole number up to " + std::to_string(nMax);
        return false;
    }
    return true;
}

QString PathArg(const std::string& str) { return QString::fromLocal8Bit(str.c_str()); }

int OpenDictionary(CDictionary& dict, const std::string& strPath)
{
    if (dict.LoadDictionary(PathArg(strPath)))
        return 0;
    if (!QFileInfo(PathArg(strPath)).isFile())
        return Fail("cannot open dictionary " + strPath);
    return Fail("not a valid dictionary file: " + strPath);
}

int Build(int argc, char** argv)
{
    Args args;
    std::string strError;
    if (!ParseArgs(argc, argv, {"--blocks"}, args, strError))
        return Usage(strError);
    if (args.positional.size() < 2)
        return Usage("build takes one or more word lists and an output file");
    unsigned long long nBlocks = dct::kBlockCount;
    if (!NumberOption(args, "--blocks", dct::kBlockCount, nBlocks, strError))
        return Usage(strError);
    if (nBlocks < 1)
        return Usage("--blocks needs a number from 1 to 128");

    // Several lists make one dictionary (a word list kept in parts by size, say): read as one text.
    const std::string strOutput = args.positional.back();
    args.positional.pop_back();
    QByteArray text;
    for (const std::string& strList : args.positional) {
        QFile in(PathArg(strList));
        if (!in.open(QIODevice::ReadOnly))
            return Fail("cannot read word list " + strList);
        text += in.readAll();
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += '\n';
    }
    DctWordListStats listStats;
    const std::vector<std::string> aWords = FilterWordList(text, &listStats);
    if (aWords.empty())
        return Fail(args.positional.size() == 1 ? "no words made only of a-z in " + args.positional[0]
                                                : std::string("no words made only of a-z in the word lists"));

    DctImageStats imageStats;
    const QByteArray image = BuildDictionaryImage(aWords, int(nBlocks), &imageStats);
    // A new file renamed over the old: a running game that holds the old one is left alone.
    if (!WriteFileReplacing(PathArg(strOutput), image))
        return Fail("cannot write " + strOutput);

    const double dBitsPerLetter = imageStats.nLetters ? double(imageStats.nDataBits) / double(imageStats.nLetters) : 0.0;
    std::printf("words kept: %d\nlines skipped: %d\nduplicates dropped: %d\nblocks: %d\nbytes: %lld\nbits per letter: %.2f\n",
                listStats.nKept, listStats.nSkipped, listStats.nDuplicates, imageStats.nBlocks,
                static_cast<long long>(image.size()), dBitsPerLetter);
    return 0;
}

int Check(int argc, char** argv)
{
    Args args;
    std::string strError;
    if (!ParseArgs(argc, argv, {"--personal"}, args, strError))
        return Usage(strError);
    if (args.positional.empty())
        return Usage("check needs a dictionary");

    CDictionary dict;
    const auto itPersonal = args.options.find("--personal");
    if (itPersonal != args.options.end()) {
        if (!QFileInfo(PathArg(itPersonal->second)).isFile())
            return Fail("cannot open personal list " + itPersonal->second);
        dict.LoadPersonalList(PathArg(itPersonal->second));
    }
    if (const int nExit = OpenDictionary(dict, args.positional[0]))
        return nExit;

    const auto answer = [&](const std::string& strWord) {
        const bool bYes = dict.Contains(QString::fromLocal8Bit(strWord.c_str()));
        std::printf("%s\t%s\n", strWord.c_str(), bYes ? "yes" : "no");
    };
    if (args.positional.size() > 1) {
        for (size_t i = 1; i < args.positional.size(); ++i)
            answer(args.positional[i]);
    } else {
        std::string strLine;
        while (std::getline(std::cin, strLine)) {
            if (!strLine.empty() && strLine.back() == '\r')
                strLine.pop_back();
            if (!strLine.empty())
                answer(strLine);
        }
    }
    return 0;
}

int List(int argc, char** argv)
{
    Args args;
    std::string strError;
    if (!ParseArgs(argc, argv, {}, args, strError))
        return Usage(strError);
    if (args.positional.size() != 1)
        return Usage("list takes one dictionary");
    CDictionary dict;
    if (const int nExit = OpenDictionary(dict, args.positional[0]))
        return nExit;
    for (int b = 0; b < dict.GetBlockCount(); ++b) {
        dict.EnumBlockWords(b, [](const char* pszWord) {
            std::fputs(pszWord, stdout);
            std::fputc('\n', stdout);
            return true;
        });
    }
    return 0;
}

int Info(int argc, char** argv)
{
    Args args;
    std::string strError;
    if (!ParseArgs(argc, argv, {}, args, strError))
        return Usage(strError);
    if (args.positional.size() != 1)
        return Usage("info takes one dictionary");
    CDictionary dict;
    if (const int nExit = OpenDictionary(dict, args.positional[0]))
        return nExit;
    std::vector<int> aCounts;
    long long nWords = 0;
    for (int b = 0; b < dict.GetBlockCount(); ++b) {
        aCounts.push_back(dict.EnumBlockWords(b, [](const char*) { return true; }));
        nWords += aCounts.back();
    }
    std::printf("blocks: %d\nwords: %lld\nbytes: %lu\n", dict.GetBlockCount(), nWords,
                static_cast<unsigned long>(dict.GetFileSize()));
    for (int b = 0; b < dict.GetBlockCount(); ++b)
        std::printf("block %d: %s (%d words)\n", b, dict.GetBlockHead(b).toLatin1().constData(), aCounts[size_t(b)]);
    return 0;
}

int Random(int argc, char** argv)
{
    Args args;
    std::string strError;
    if (!ParseArgs(argc, argv, {"--seed", "--min", "--max", "--count"}, args, strError))
        return Usage(strError);
    if (args.positional.size() != 1)
        return Usage("random takes one dictionary");
    if (!args.options.count("--seed"))
        return Usage("random needs --seed");
    unsigned long long nSeed = 0, nMin = 0, nMax = 0, nCount = 1;
    if (!NumberOption(args, "--seed", 0xFFFFFFFFull, nSeed, strError) || !NumberOption(args, "--min", 0xFFFFFFFFull, nMin, strError)
        || !NumberOption(args, "--max", 0xFFFFFFFFull, nMax, strError)
        || !NumberOption(args, "--count", 0x7FFFFFFFull, nCount, strError))
        return Usage(strError);
    CDictionary dict;
    if (const int nExit = OpenDictionary(dict, args.positional[0]))
        return nExit;
    std::srand(unsigned(nSeed));
    char szWord[dct::kMaxWordChars + 1];
    for (unsigned long long i = 0; i < nCount; ++i) {
        dict.RandomWord(szWord, UINT(nMin), UINT(nMax));
        std::printf("%s\n", szWord);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // No window here: the dictionary's messages go to standard error.
    SetMessageBoxResponder([](const QString& strText, const QString&, UINT) {
        std::fprintf(stderr, "quillotrix-dct: %s\n", strText.toLocal8Bit().constData());
        return IDOK;
    });
    if (argc < 2)
        return Usage("no command given");
    const std::string strCommand = argv[1];
    if (strCommand == "build")
        return Build(argc, argv);
    if (strCommand == "check")
        return Check(argc, argv);
    if (strCommand == "list")
        return List(argc, argv);
    if (strCommand == "info")
        return Info(argc, argv);
    if (strCommand == "random")
        return Random(argc, argv);
    return Usage("unknown command " + strCommand);
}
