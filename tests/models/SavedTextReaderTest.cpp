// The saved-text reader the three games share, and the shared word check.
#include <gtest/gtest.h>

#include <QSet>

#include "games/GameModel.h"
#include "tests/models/ListWordCheck.h"

TEST(SavedTextReader, NumbersReadAsTheCLibraryDoes)
{
    struct Case {
        QString str;
        int n;
    } const cases[] = {
        {QStringLiteral("42\t"), 42},
        {QStringLiteral("\n42"), 42},          // a line feed before the number is white space
        {QStringLiteral(" \t\r\v\f-7x"), -7},  // a tab too, when the reader stands on it
        {QString(QChar(0x3000)) + "5", 5},     // a wide space
        {QStringLiteral("+15"), 15},
        {QStringLiteral("- 3"), 0},            // a sign must touch its digits
        {QStringLiteral("abc"), 0},
        {QString(), 0},
        {QStringLiteral("99999999999999999999999"), INT_MAX},
        {QStringLiteral("-99999999999999999999999"), INT_MIN},
    };
    for (const Case& c : cases) {
        CSavedTextReader reader(c.str);
        EXPECT_EQ(reader.Number(), c.n) << c.str.toStdString();
        EXPECT_EQ(reader.Pos(), 0) << "reading a number leaves the cursor";
    }
}

TEST(SavedTextReader, FieldsAndTheEndOfTheText)
{
    const QString str = QStringLiteral("12\t\t34\t5") + QChar(u'\0') + QStringLiteral("\t99");
    CSavedTextReader reader(str);
    EXPECT_EQ(reader.Length(), 8) << "the text ends at its zero";
    EXPECT_EQ(reader.Number(), 12);
    reader.NextField();
    EXPECT_EQ(reader.Number(), 34);
    reader.SkipField();
    reader.SkipOneTab();
    EXPECT_EQ(reader.Number(), 5);
    reader.NextField();
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.Current(), QChar()) << "nothing after the zero is read";
    reader.Advance(100);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(WordCheck, KnownAskedAndRefusedWords)
{
    CListWordCheck check;
    check.bOffer = true;
    check.words = {QStringLiteral("CAT")};
    QString strNotice = QStringLiteral("stale");
    EXPECT_TRUE(CheckWordWithOffer(&check, QStringLiteral("CAT"), strNotice));
    EXPECT_TRUE(strNotice.isEmpty());
    EXPECT_TRUE(check.astrAsked.isEmpty());

    EXPECT_FALSE(CheckWordWithOffer(&check, QStringLiteral("RLS"), strNotice));
    EXPECT_EQ(check.astrAsked, QStringList{QStringLiteral("RLS")});
    EXPECT_TRUE(strNotice.isEmpty()) << "a No needs no further message";

    check.bYes = true;
    EXPECT_TRUE(CheckWordWithOffer(&check, QStringLiteral("QAT"), strNotice));
    EXPECT_TRUE(check.Contains(QStringLiteral("qat")));

    check.bOffer = false;
    EXPECT_FALSE(CheckWordWithOffer(&check, QStringLiteral("ZZQ"), strNotice));
    EXPECT_EQ(strNotice, QStringLiteral("'ZZQ' is not a valid word."));

    EXPECT_TRUE(CheckWordWithOffer(nullptr, QStringLiteral("ANY"), strNotice)) << "no dictionary plays every word";
}
