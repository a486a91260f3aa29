// Lookups on a worker thread while the interface thread adds personal words.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DctTestFiles.h"

TEST(DictConcurrency, LookupsWhileWordsAreAdded)
{
    const auto words = MakeWords(3000);
    CDictionary dict;
    ASSERT_TRUE(dict.LoadDictionary(MakeDictionaryFile("threads.dct", words, 64)));
    constexpr int kAdded = 2000;

    std::atomic<bool> bStop {false};
    std::atomic<int> nWrong {0};
    std::thread finder([&] {
        size_t i = 0;
        while (!bStop.load()) {
            const std::string& w = words[i++ % words.size()];
            const QString q = QString::fromStdString(w);
            BOOL bWord = FALSE;
            if (!dict.Contains(q) || !dict.HasPrefix(q) || !dict.LookupPrefix(q, bWord) || !bWord)
                ++nWrong;
            // Personal words come and go from the finder's view only by being added.
            dict.Contains(QStringLiteral("personal%1").arg(i % kAdded));
            dict.HasPrefix(QStringLiteral("personal%1").arg(i % kAdded));
        }
    });
    for (int i = 0; i < kAdded; ++i)
        dict.AddPersonalWord(QStringLiteral("Personal%1").arg(i));
    bStop = true;
    finder.join();

    EXPECT_EQ(nWrong.load(), 0);
    for (int i = 0; i < kAdded; ++i)
        ASSERT_TRUE(dict.Contains(QStringLiteral("PERSONAL%1").arg(i)));
    EXPECT_EQ(dict.GetPersonalWords().size(), kAdded);
    dict.LoadPersonalList(QString()); // nothing to save at the end
}
