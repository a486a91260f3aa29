// CSortedStringArray: order, search and the index-aligned value array.
#include <gtest/gtest.h>

#include <QStringList>

#include "dictionary/SortedStringArray.h"

TEST(SortedStringArray, OrderFoldsOnlyAToZAndValuesStayBesideTheirStrings)
{
    // '_' lies between 'Z' and 'a' by code; folded to lower case, "Z" sorts after it. Equal strings go
    // in front, so "é" would go before "É" if it were folded.
    CSortedStringArray a;
    EXPECT_EQ(a.Find("x"), -1);
    int nValue = 0;
    for (const QString& s : {QString("b"), QString("a"), QString("Z"), QString("_"), QString("ab"), QString("ABC"),
                             QString("É"), QString("é"), QString("c")}) {
        const int n = a.Add(s);
        ASSERT_EQ(a.GetAt(n), s);
        a.m_aData[size_t(n)] = uintptr_t(++nValue);
    }
    EXPECT_EQ(a.Add("B"), 4); // in front of the equal "b"
    EXPECT_EQ(a.Strings(), QStringList({"_", "a", "ab", "ABC", "B", "b", "c", "Z", "É", "é"}));
    EXPECT_EQ(a.m_aData, std::vector<uintptr_t>({4, 2, 5, 6, 0, 1, 9, 3, 7, 8}));
    EXPECT_EQ(a.Find("abc"), 3);
    EXPECT_EQ(a.Find("z"), 7);
    EXPECT_EQ(a.Find("aa"), -1);
    EXPECT_EQ(a.Find(QStringLiteral("e")), -1);

    a.RemoveAt(-1);
    a.RemoveAt(10);
    a.RemoveAt(4);
    EXPECT_EQ(a.GetSize(), 9);
    EXPECT_EQ(a.m_aData[4], 1u);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty() && a.m_aData.empty());
}
