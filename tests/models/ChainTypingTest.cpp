// Typed letters choosing chains on small boards of touching cells.
#include <gtest/gtest.h>

#include "games/ChainTyping.h"

namespace {
// A board of nCols columns, given row by row, where cells touch in all eight directions.
CChainTyping Board(const QStringList& aCells, int nCols, int nMax = 32)
{
    return CChainTyping(aCells, [nCols](int a, int b) {
        const int dx = a % nCols - b % nCols;
        const int dy = a / nCols - b / nCols;
        return a != b && dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
    }, nMax);
}
bool TypeAll(CChainTyping& t, const QString& str)
{
    for (QChar ch : str)
        if (!t.TypeLetter(ch))
            return false;
    return true;
}
} // namespace

TEST(ChainTyping, ExtendsTheChainAndReChoosesWhenItCannot)
{
    // c a t
    // x x a
    // x x t      "cat" is typed on the top row; "cata" extends it downwards.
    CChainTyping t = Board({"c", "a", "t", "x", "x", "a", "x", "x", "t"}, 3);
    ASSERT_TRUE(TypeAll(t, "cat"));
    EXPECT_EQ(t.GetChain(), (QList<int>{0, 1, 2}));
    ASSERT_TRUE(t.TypeLetter('A'));
    EXPECT_EQ(t.GetChain(), (QList<int>{0, 1, 2, 5}));
    EXPECT_EQ(t.GetTyped(), "cata");

    // "a" first takes the top "a" (cell 1); "at" extends to (2); "ata" extends to (5);
    // "atat" extends to (8).
    t.Clear();
    ASSERT_TRUE(TypeAll(t, "atat"));
    EXPECT_EQ(t.GetChain(), (QList<int>{1, 2, 5, 8}));
}

TEST(ChainTyping, ReChoosesTheWholeChainClosestToThePreviousOne)
{
    // Two g's, only the second touches a u.
    // g x x
    // x x x
    // x g u
    CChainTyping t = Board({"g", "x", "x", "x", "x", "x", "x", "g", "u"}, 3);
    ASSERT_TRUE(t.TypeLetter('g'));
    EXPECT_EQ(t.GetChain(), (QList<int>{0}));
    ASSERT_TRUE(t.TypeLetter('u'));
    EXPECT_EQ(t.GetChain(), (QList<int>{7, 8})) << "the chain moves to the g that can go on";

    // When several chains spell the text, the one sharing the longest start with the last wins.
    // a b a
    // b c b
    // a b a
    CChainTyping u = Board({"a", "b", "a", "b", "c", "b", "a", "b", "a"}, 3);
    ASSERT_TRUE(TypeAll(u, "ab"));
    EXPECT_EQ(u.GetChain(), (QList<int>{0, 1}));
    // "abc" grows from b(1) to c(4); "abca" grows to the first a touching c: 0 is taken, so 2.
    ASSERT_TRUE(TypeAll(u, "ca"));
    EXPECT_EQ(u.GetChain(), (QList<int>{0, 1, 4, 2}));
    // "abcab": b(5) touches a(2); extends.
    ASSERT_TRUE(u.TypeLetter('b'));
    EXPECT_EQ(u.GetChain(), (QList<int>{0, 1, 4, 2, 5}));
}

TEST(ChainTyping, ALetterNoChainSpellsIsRefusedAndTheChainStays)
{
    CChainTyping t = Board({"c", "a", "t", "x", "x", "a", "x", "x", "t"}, 3);
    ASSERT_TRUE(TypeAll(t, "ca"));
    EXPECT_FALSE(t.TypeLetter('z'));
    EXPECT_FALSE(t.TypeLetter('c')) << "the only c is already in the chain";
    EXPECT_FALSE(t.TypeLetter('1'));
    EXPECT_EQ(t.GetChain(), (QList<int>{0, 1}));
    EXPECT_EQ(t.GetTyped(), "ca");
    CChainTyping shortOne = Board({"a", "b"}, 2, 1);
    ASSERT_TRUE(shortOne.TypeLetter('a'));
    EXPECT_FALSE(shortOne.TypeLetter('b')) << "no chain longer than the board allows";
}

TEST(ChainTyping, AQuCellTakesQuOrQAlone)
{
    // qu i
    // t  x
    CChainTyping t = Board({"qu", "i", "t", "x"}, 2);
    ASSERT_TRUE(t.TypeLetter('q'));
    EXPECT_EQ(t.GetChain(), (QList<int>{0})) << "q alone takes the qu cell";
    ASSERT_TRUE(t.TypeLetter('u'));
    EXPECT_EQ(t.GetChain(), (QList<int>{0})) << "the u completes it";
    ASSERT_TRUE(TypeAll(t, "it"));
    EXPECT_EQ(t.GetChain(), (QList<int>{0, 1, 2}));
    EXPECT_EQ(t.GetTyped(), "quit");
    // Backspace takes back letters one by one, the u of the qu cell on its own.
    ASSERT_TRUE(t.Backspace());
    ASSERT_TRUE(t.Backspace());
    EXPECT_EQ(t.GetChain(), (QList<int>{0}));
    ASSERT_TRUE(t.Backspace());
    EXPECT_EQ(t.GetChain(), (QList<int>{0}));
    EXPECT_EQ(t.GetTyped(), "q");
    ASSERT_TRUE(t.Backspace());
    EXPECT_TRUE(t.GetChain().isEmpty());
    EXPECT_FALSE(t.Backspace());

    // "qi" cannot be spelt: a qu cell in the middle of a word needs its u.
    EXPECT_TRUE(t.TypeLetter('q'));
    EXPECT_FALSE(t.TypeLetter('i'));
    // Searching afresh finds a qu cell spelled in full inside a word.
    CChainTyping s = Board({"s", "x", "qu", "i"}, 2);
    ASSERT_TRUE(TypeAll(s, "squi"));
    EXPECT_EQ(s.GetChain(), (QList<int>{0, 2, 3}));
}

TEST(ChainTyping, TapsHandOverTheirChainAndAWideBoardStaysBounded)
{
    CChainTyping t = Board({"c", "a", "t", "x", "x", "a", "x", "x", "t"}, 3);
    t.SetChain({2, 5});
    EXPECT_EQ(t.GetTyped(), "ta");
    ASSERT_TRUE(t.TypeLetter('t'));
    EXPECT_EQ(t.GetChain(), (QList<int>{2, 5, 8}));

    // Forty-nine e's: countless chains spell "eeeeeeeeeeee", and a letter that is nowhere would
    // have the search walk all of them; it stops at its bound instead of hanging the game.
    CChainTyping e = Board(QStringList(49, "e"), 7);
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(e.TypeLetter('e'));
    EXPECT_EQ(e.GetChain().size(), 12);
    e.SetChain({});
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(e.TypeLetter('e'));
    // A fresh search: the tapped chain cannot grow by an x.
    EXPECT_FALSE(e.TypeLetter('x'));
    EXPECT_LE(e.GetStepsTried(), CChainTyping::MAX_STEPS + 1);
    EXPECT_EQ(e.GetChain().size(), 12);
}
