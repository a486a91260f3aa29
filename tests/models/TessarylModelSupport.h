// Helpers for the Tessaryl model tests: dictionaries built in memory, a word check over a plain
// list, known boards, and the saved games kept as files.
#pragma once
#include <QFile>
#include <QSet>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/models/ListWordCheck.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "games/tessaryl/TessarylGame.h"

// A dictionary of the given words (any order, any case), built with the shipped writer.
inline std::unique_ptr<CDictionary> MakeModelDictionary(std::vector<std::string> aWords, int nBlocks = 8)
{
    for (std::string& str : aWords)
        std::transform(str.begin(), str.end(), str.begin(), [](unsigned char ch) { return char(std::tolower(ch)); });
    std::sort(aWords.begin(), aWords.end());
    aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
    auto pDictionary = std::make_unique<CDictionary>();
    EXPECT_TRUE(pDictionary->LoadDictionaryFromData(BuildDictionaryImage(aWords, nBlocks)));
    return pDictionary;
}

// A board of X cells with each word laid along its cells; 'q' stands for a QU cell.
inline std::vector<QString> MakeModelBoard(std::initializer_list<std::pair<const char*, std::vector<int>>> aWords)
{
    std::vector<QString> a(TESS_CELLS, QStringLiteral("X"));
    for (const auto& [pszWord, anCells] : aWords)
        for (size_t i = 0; i < anCells.size(); ++i)
            a[anCells[i]] = pszWord[i] == 'q' ? QStringLiteral("QU") : QString(QChar(pszWord[i]));
    return a;
}

inline CPathBlock MakePath(std::initializer_list<int> anCells)
{
    CPathBlock path;
    path.fill(-1);
    std::copy(anCells.begin(), anCells.end(), path.begin());
    return path;
}

// A board's text as the saved game writes it.
inline QString BoardText(const std::vector<QString>& astrCells)
{
    QString str;
    for (const QString& s : astrCells)
        str += s.leftJustified(2, u' ');
    return str;
}

// The saved games kept in the source tree, written by the game before its rules left the window.
inline QByteArray ReadSavedGameFixture(const char* pszName)
{
    QFile file(QStringLiteral(QX_SOURCE_DIR "/tests/tessaryl/data/") + pszName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// Two bytes a character, low byte first, as saved-game files hold them.
inline QString SavedGameText(const QByteArray& data)
{
    QString str;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        str += QChar(char16_t(uchar(data[i]) | (uchar(data[i + 1]) << 8)));
    return str;
}
inline QByteArray SavedGameBytes(const QString& str)
{
    QByteArray data;
    for (QChar ch : str) {
        data += char(ch.unicode() & 0xFF);
        data += char(ch.unicode() >> 8);
    }
    return data;
}
