// Small dictionary files for tests, written with the same writer as quillotrix-dct build.
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "dictionary/DictionaryWriter.h"
#include "tests/support/TestEnv.h"

// Writes data to a file under the test root and returns its path.
inline QString WriteTestFile(const QString& strName, const QByteArray& data)
{
    const QString dir = TestRootFolder() + QStringLiteral("dct/");
    QDir().mkpath(dir);
    QFile file(dir + strName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return QString();
    return dir + strName;
}

// A .dct image of the words (sorted and made distinct here) in the given number of blocks.
inline QByteArray MakeDictionaryImage(std::vector<std::string> aWords, int nBlocks = 128)
{
    std::sort(aWords.begin(), aWords.end());
    aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
    return BuildDictionaryImage(aWords, nBlocks);
}

inline QString MakeDictionaryFile(const QString& strName, const std::vector<std::string>& aWords, int nBlocks = 128)
{
    return WriteTestFile(strName, MakeDictionaryImage(aWords, nBlocks));
}

// n made-up distinct words of two to six letters ("ba", "bb", ...), in ascending order.
inline std::vector<std::string> MakeWords(size_t n)
{
    std::vector<std::string> aWords;
    for (size_t i = 26; aWords.size() < n; ++i) { // from 26: the numbers that spell two letters or more
        std::string w;
        for (size_t x = i; x; x /= 26)
            w.insert(w.begin(), char('a' + x % 26));
        aWords.push_back(w);
    }
    std::sort(aWords.begin(), aWords.end());
    return aWords;
}

inline const char* ShippedComprehensive() { return QX_BIN_DIR "/data/English Comprehensive07.dct"; }
inline const char* ShippedCommon() { return QX_BIN_DIR "/data/English Common.dct"; }
inline const char* ShippedBritish() { return QX_BIN_DIR "/data/English British.dct"; }

// The SCOWL word lists (Debian's scowl) of the given categories up to a size, as the build takes them.
inline QStringList ScowlWordLists(const QStringList& astrCategories, int nMaxSize)
{
    QStringList astrFiles;
    for (const QString& strCategory : astrCategories)
        for (int nSize : {10, 20, 35, 40, 50, 55, 60, 70, 80, 95})
            if (nSize <= nMaxSize && QFile::exists(QStringLiteral("/usr/share/dict/scowl/%1-words.%2").arg(strCategory).arg(nSize)))
                astrFiles << QStringLiteral("/usr/share/dict/scowl/%1-words.%2").arg(strCategory).arg(nSize);
    return astrFiles;
}

// The lists' text joined, one word a line (empty when a list cannot be read).
inline QByteArray ReadWordLists(const QStringList& astrFiles)
{
    QByteArray text;
    for (const QString& strFile : astrFiles) {
        QFile file(strFile);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        text += file.readAll();
        if (!text.endsWith('\n'))
            text += '\n';
    }
    return text;
}

// The common list's words (American and shared English up to size 50), filtered as the writer does.
inline std::vector<std::string> CommonListWords()
{
    return FilterWordList(ReadWordLists(ScowlWordLists({QStringLiteral("english"), QStringLiteral("american")}, 50)));
}
