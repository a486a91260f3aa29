// The review's list, counts and percentage for a known set of words.
#include <gtest/gtest.h>

#include "games/WordReview.h"

TEST(WordReview, ListCountsAndShareOfTheFullScore)
{
    const QStringList aWords{"tide", "CAT", "quite", "act", "cat", "tides"};
    const QList<QList<int>> aPaths{{1, 2, 3, 4}, {5, 6, 7}, {8, 9, 10, 11}, {6, 5, 7}, {7, 6, 5}, {1, 2, 3, 4, 0}};
    // The player found "cat", "Tides" and "xylem" (longer than the search reaches, say).
    const CWordReview r = MakeWordReview(aWords, aPaths, {"Cat", "Tides", "XYLEM"}, 1250);

    QStringList aOrder;
    for (const CReviewWord& w : r.aWords)
        aOrder << w.strWord + (w.bFound ? "*" : "");
    EXPECT_EQ(aOrder, (QStringList{"ACT", "CAT*", "TIDE", "QUITE", "TIDES*", "XYLEM*"}));
    EXPECT_EQ(r.aWords[1].anPath, (QList<int>{5, 6, 7})) << "a word listed twice keeps its first path";
    EXPECT_TRUE(r.aWords[5].anPath.isEmpty());
    EXPECT_EQ(r.aWords[3].nPoints, 500) << "the qu cell's two letters count";

    // 3 letters: 1 of 2; 4: 0 of 1; 5: 2 of 3.
    EXPECT_EQ(r.mapByLength.value(3), qMakePair(1, 2));
    EXPECT_EQ(r.mapByLength.value(4), qMakePair(0, 1));
    EXPECT_EQ(r.mapByLength.value(5), qMakePair(2, 3));
    EXPECT_EQ(r.nFound, 3);
    // 225 + 225 + 300 + 500 + 500 + 500.
    EXPECT_EQ(r.nFullScore, 2250);
    EXPECT_EQ(r.Percent(), 56);

    const CWordReview none = MakeWordReview({}, {}, {}, 0);
    EXPECT_EQ(none.Percent(), 0);
    EXPECT_TRUE(none.aWords.isEmpty());
}
