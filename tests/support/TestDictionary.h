// Small dictionaries for the game tests, written with the shipped writer into the test's own folder.
#pragma once
#include <QFile>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/support/TestEnv.h"

// A dictionary of the given words (any order, any case).
inline std::unique_ptr<CDictionary> MakeDictionary(std::vector<std::string> aWords, int nBlocks = 4)
{
    static int s_nFile = 0;
    for (std::string& str : aWords)
        std::transform(str.begin(), str.end(), str.begin(), [](unsigned char ch) { return char(std::tolower(ch)); });
    std::sort(aWords.begin(), aWords.end());
    aWords.erase(std::unique(aWords.begin(), aWords.end()), aWords.end());
    const QString strPath = TestRootFolder() + QStringLiteral("words%1.dct").arg(++s_nFile);
    QFile file(strPath);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(BuildDictionaryImage(aWords, nBlocks)) > 0);
    file.close();
    auto pDictionary = std::make_unique<CDictionary>();
    EXPECT_TRUE(pDictionary->LoadDictionary(strPath));
    return pDictionary;
}
