// The word review panel: the summary, the counts by length, the list with the player's words
// ticked, the path handed on for the word chosen, and closing.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "dialogs/WordReviewPanel.h"

TEST(WordReviewPanel, ShowsTheSummaryCountsAndListAndHandsOnTheChosenPath)
{
    const CWordReview review = MakeWordReview({"TIDE", "CAT", "TIDES", "ACT"}, {{1, 2, 3, 4}, {5, 6, 7}, {1, 2, 3, 4, 0}, {6, 5, 7}},
                                              {"Cat", "Quietly"}, 1125);
    CWordReviewPanel panel;
    QList<QList<int>> aShown;
    int nClosed = 0;
    panel.m_fnShowPath = [&](const QList<int>& anPath) { aShown << anPath; };
    panel.m_fnClose = [&] { ++nClosed; };
    panel.SetReview(review);
    EXPECT_TRUE(aShown.isEmpty()) << "filling the list chooses nothing";

    // 225 + 225 + 300 + 500 + the player's 7-letter word at 700: 1,950; 1,125 of it is 58 %.
    EXPECT_EQ(panel.m_pSummary->text(),
              QStringLiteral("You found 2 of 5 words.  Your score %1 is 58% of the cube's %2.")
                  .arg(QLocale().toString(1125), QLocale().toString(1950)));
    ASSERT_EQ(panel.m_pCounts->topLevelItemCount(), 4);
    const char* apszRows[] = {"3 1 2", "4 0 1", "5 0 1", "7 1 1"};
    for (int i = 0; i < 4; ++i) {
        const QTreeWidgetItem* pRow = panel.m_pCounts->topLevelItem(i);
        EXPECT_EQ(pRow->text(0) + " " + pRow->text(1) + " " + pRow->text(2), QString(apszRows[i]));
    }

    ASSERT_EQ(panel.m_pWords->count(), 5);
    const char* apszWords[] = {"ACT", "CAT", "TIDE", "TIDES", "QUIETLY"};
    for (int i = 0; i < 5; ++i) {
        const QListWidgetItem* pItem = panel.m_pWords->item(i);
        const bool bMine = i == 1 || i == 4;
        EXPECT_TRUE(pItem->text().contains(apszWords[i])) << qPrintable(pItem->text());
        EXPECT_EQ(pItem->text().contains(QChar(0x2713)), bMine) << qPrintable(pItem->text());
        EXPECT_EQ(pItem->font().bold(), bMine) << qPrintable(pItem->text());
    }

    panel.m_pWords->setCurrentRow(3);
    panel.m_pWords->setCurrentRow(4);
    panel.m_pWords->setCurrentRow(-1);
    EXPECT_EQ(aShown, (QList<QList<int>>{{1, 2, 3, 4, 0}, {}, {}})) << "a word without a path lights nothing";

    panel.m_pClose->click();
    EXPECT_EQ(nClosed, 1);
    // A review filled again replaces the old one whole.
    panel.SetReview(MakeWordReview({"DOG"}, {{9, 12, 15}}, {}, 0));
    EXPECT_EQ(panel.m_pWords->count(), 1);
    EXPECT_EQ(panel.m_pCounts->topLevelItemCount(), 1);
}
