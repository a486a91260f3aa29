// The name box and the High Scores dialog: the name taken, the rows shown and the one highlighted.
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

#include "dialogs/RecordsDlg.h"
#include "tests/dialogs/DialogTestSupport.h"

TEST(RecordsDlg, PlacesAreSaidAsOrdinals)
{
    EXPECT_EQ(OrdinalPlace(1), "1st");
    EXPECT_EQ(OrdinalPlace(2), "2nd");
    EXPECT_EQ(OrdinalPlace(3), "3rd");
    EXPECT_EQ(OrdinalPlace(4), "4th");
    EXPECT_EQ(OrdinalPlace(11), "11th");
    EXPECT_EQ(OrdinalPlace(12), "12th");
    EXPECT_EQ(OrdinalPlace(22), "22nd");
}

TEST(RecordsDlg, TheNameBoxOffersTheDefaultAndEnterAcceptsIt)
{
    {
        CRecordNameDlg dlg("Tessaryl: 900 points, 1st place.", "Morwenna");
        dlg.InitDialog();
        EXPECT_EQ(dlg.m_pEdit->text(), "Morwenna");
        EXPECT_EQ(dlg.m_pEdit->selectedText(), "Morwenna") << "typing replaces the offered name";
        dlg.show();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dlg.m_pEdit, &enter);
        EXPECT_EQ(dlg.result(), IDOK);
        EXPECT_EQ(dlg.m_strName, "Morwenna");
    }
    {
        CRecordNameDlg dlg("x", "Morwenna");
        dlg.InitDialog();
        dlg.m_pEdit->setText("  Ann\tMarie \n");
        dlg.OnOK();
        EXPECT_EQ(dlg.m_strName, "AnnMarie") << "control characters go, spaces fold";
        dlg.m_pEdit->setText("   ");
        dlg.OnOK();
        EXPECT_EQ(dlg.m_strName, "Morwenna") << "an empty name keeps the default";
    }
}

TEST(RecordsDlg, HighScoresShowEachTableWithTheNewestHighlighted)
{
    CHighScoresDlg::CGameTab tess;
    tess.strTitle = "Tessaryl";
    tess.aColumns = {{"Words", "words"}};
    for (int i = 0; i < 3; ++i) {
        CRecordEntry e;
        e.nScore = 3000 - 1000 * i;
        e.strName = QStringLiteral("N%1").arg(i);
        e.dtEnded = QDateTime(QDate(2026, 12, 1 + i), QTime(9, 0));
        e.extra["words"] = 5 + i;
        e.strId = QStringLiteral("id%1").arg(i);
        tess.aEntries << e;
    }
    tess.strNewestId = "id1";
    tess.stats.nPlayed = 7;
    CHighScoresDlg::CGameTab casc;
    casc.strTitle = "Cascadio";
    casc.aColumns = {{"Words", "words"}, {"Critters", "critters"}};

    CHighScoresDlg dlg({tess, casc}, 1);
    dlg.InitDialog();
    EXPECT_EQ(dlg.m_pTabs->count(), 2);
    EXPECT_EQ(dlg.m_pTabs->currentIndex(), 1);
    QTableWidget* pTable = dlg.m_aTables[0];
    ASSERT_EQ(pTable->rowCount(), 3);
    EXPECT_EQ(pTable->columnCount(), 5);
    EXPECT_EQ(pTable->item(0, 0)->text(), "1st");
    EXPECT_EQ(pTable->item(1, 2)->text(), "N1");
    EXPECT_EQ(pTable->item(2, 4)->text(), "7");
    EXPECT_EQ(dlg.m_aHighlighted, (QList<int>{1, -1}));
    EXPECT_TRUE(pTable->item(1, 1)->font().bold());
    EXPECT_FALSE(pTable->item(0, 1)->font().bold());
    EXPECT_EQ(dlg.m_aTables[1]->rowCount(), 0);
    EXPECT_EQ(dlg.m_aTables[1]->columnCount(), 6);
}
