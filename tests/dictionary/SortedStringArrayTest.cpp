// CSortedStringArray: order, search and the index-aligned value array.
#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "dictionary/SortedStringArray.h"

TEST(SortedStringArray, AddKeepsOrderAndValuesAlignedAndFindFoldsOnlyAToZ)
{
    EXPECT_EQ(CompareNoCaseAZ("Zebra", "zEBRA"), 0);
    EXPECT_LT(CompareNoCaseAZ("ab", "ABC"), 0);
    // '_' lies between 'Z' and 'a' by code; folded to lower case, "Z" sorts after it.
    EXPECT_LT(CompareNoCaseAZ("_", "Z"), 0);
    EXPECT_NE(CompareNoCaseAZ(QStringLiteral("é"), QStringLiteral("É")), 0);

    static const QString letters = QStringLiteral("aAbBzZ_`[é");
    std::mt19937 rng(7);
    CSortedStringArray a;
    QStringList added;
    for (int i = 0; i < 400; ++i) {
        QString s;
        for (int n = int(rng() % 4); n > 0; --n)
            s += letters[int(rng() % letters.size())];
        const int n = a.Add(s);
        ASSERT_EQ(a.GetAt(n), s);
        a.m_aData[size_t(n)] = uintptr_t(i + 1);
        added << s;
    }
    ASSERT_EQ(a.m_aData.size(), 400u);
    for (int i = 0; i < a.GetSize(); ++i) {
        EXPECT_TRUE(i == 0 || CompareNoCaseAZ(a[i - 1], a[i]) <= 0) << i;
        EXPECT_EQ(a[i], added[int(a.m_aData[size_t(i)]) - 1]) << "each value beside its string";
    }
    // Every element is found upper-cased (some equal element); absent texts give -1.
    for (QString s : added) {
        for (QChar& c : s)
            c = c >= 'a' && c <= 'z' ? QChar(c.unicode() - 32) : c;
        const int n = a.Find(s);
        ASSERT_GE(n, 0) << s.toStdString();
        EXPECT_EQ(CompareNoCaseAZ(a[n], s), 0);
    }
    EXPECT_EQ(a.Find(QStringLiteral("aaaaa")), -1);
    EXPECT_EQ(a.Find(QStringLiteral("~")), -1);
}

TEST(SortedStringArray, DuplicatesGoInFrontAndBadIndexesAreIgnored)
{
    CSortedStringArray a;
    EXPECT_EQ(a.Find("x"), -1);
    EXPECT_EQ(a.Add("b"), 0);
    EXPECT_EQ(a.Add("a"), 0);
    EXPECT_EQ(a.Add("c"), 2);
    a.m_aData[1] = 42;
    EXPECT_EQ(a.Add("B"), 1); // in front of the equal "b"
    EXPECT_EQ(a.Strings(), QStringList({"a", "B", "b", "c"}));
    EXPECT_EQ(a.m_aData, std::vector<uintptr_t>({0, 0, 42, 0}));
    a.RemoveAt(-1);
    a.RemoveAt(4);
    a.RemoveAt(1);
    EXPECT_EQ(a.Strings(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(a.m_aData, std::vector<uintptr_t>({0, 42, 0}));
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_TRUE(a.m_aData.empty());
}
