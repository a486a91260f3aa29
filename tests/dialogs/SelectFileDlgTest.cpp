// The saved-game chooser: its listing and dates, the two modes, and the names it refuses.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "dialogs/SelectFileDlg.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TestEnv.h"

namespace {
QStringList Column(const CSelectFileDlg& dlg, int nColumn)
{
    QStringList a;
    for (int i = 0; i < dlg.m_pList->topLevelItemCount(); ++i)
        a << dlg.m_pList->topLevelItem(i)->text(nColumn);
    return a;
}
} // namespace

class SelectFileDlg : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strFolder = TestRootFolder() + "chooser/";
        QDir(m_strFolder).removeRecursively();
        QDir().mkpath(m_strFolder);
    }
    void TearDown() override { CModalDialog::SetModalRunner({}); }

    void MakeFile(const QString& strName, const QDateTime& dt = QDateTime::currentDateTime())
    {
        QFile f(m_strFolder + strName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush(); // else closing would stamp the file again
        ASSERT_TRUE(f.setFileTime(dt, QFileDevice::FileModificationTime));
    }
    // Runs the dialog with fnAct doing what the player does; returns DoModal's result.
    int Run(CSelectFileDlg& dlg, const std::function<void(CSelectFileDlg&)>& fnAct)
    {
        dlg.m_strFolder = m_strFolder;
        dlg.m_strExtension = ".wcg";
        CModalDialog::SetModalRunner([&](CModalDialog& d) {
            fnAct(dynamic_cast<CSelectFileDlg&>(d));
            return d.result() == QDialog::Accepted ? IDOK : IDCANCEL;
        });
        return dlg.DoModal();
    }

    QString m_strFolder;
    CScriptedMessageBox m_boxes;
};

TEST_F(SelectFileDlg, ListsTheFolderByExtensionWithNamesRecasedAndCut)
{
    const QDateTime dt(QDate(2003, 3, 7), QTime(21, 5));
    for (const char* psz : {"alpha.wcg", "NOTES.old.wcg", ".hidden.wcg", "Upper.WCG", "other.wdg", "wcg", "x.wcg.tmp"})
        MakeFile(psz, dt);
    QDir().mkpath(m_strFolder + "folder.wcg");
    CSelectFileDlg dlg(TRUE);
    Run(dlg, [](CSelectFileDlg&) {});
    QStringList astrNames = Column(dlg, 0);
    astrNames.sort();
    EXPECT_EQ(astrNames, (QStringList{".hidden", "Alpha", "Notes", "Upper"}));
    EXPECT_EQ(Column(dlg, 1), QStringList(4, "3/7/03 9:05 P"));
    EXPECT_EQ(dlg.m_pList->headerItem()->text(0), "File");
    EXPECT_EQ(dlg.m_pList->headerItem()->text(1), "Date");
    EXPECT_EQ(dlg.m_pList->columnWidth(0), dlg.m_pList->columnWidth(1));
    EXPECT_EQ(CSelectFileDlg::ListedName(".wcg"), ".wcg");
    EXPECT_EQ(dlg.windowTitle(), "Select File");
}

TEST_F(SelectFileDlg, TheClockRunsFromTwelveAToTwelveP)
{
    const struct {
        int nHour, nMinute;
        const char* pszText;
    } aCases[] = {{0, 0, "1/2/00 12:00 A"}, {0, 59, "1/2/00 12:59 A"}, {1, 5, "1/2/00 1:05 A"},  {11, 59, "1/2/00 11:59 A"},
                  {12, 0, "1/2/00 12:00 P"}, {12, 30, "1/2/00 12:30 P"}, {13, 0, "1/2/00 1:00 P"}, {23, 59, "1/2/00 11:59 P"}};
    for (const auto& c : aCases)
        EXPECT_EQ(CSelectFileDlg::FormatFileTime(QDateTime(QDate(2000, 1, 2), QTime(c.nHour, c.nMinute))), c.pszText);
    EXPECT_EQ(CSelectFileDlg::FormatFileTime(QDateTime(QDate(2009, 12, 31), QTime(9, 7))), "12/31/09 9:07 A");
}

TEST_F(SelectFileDlg, SaveModeTakesATypedNameButNoneThatLeavesTheFolder)
{
    const struct {
        const char* pszName;
        const char* pszMessage; // nullptr: accepted
    } aCases[] = {
        {"", "Please enter a filename to save as"},
        {"../escape", "A filename cannot contain '/' or '\\'.  Please enter another name."},
        {"a/b", "A filename cannot contain '/' or '\\'.  Please enter another name."},
        {"a\\b", "A filename cannot contain '/' or '\\'.  Please enter another name."},
        {".", "'.' cannot be used as a filename.  Please enter another name."},
        {"..", "'..' cannot be used as a filename.  Please enter another name."},
        {"game.wcg", nullptr},
        {"..x", nullptr},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.pszName);
        m_boxes.Clear();
        CSelectFileDlg dlg(TRUE);
        dlg.m_strTitle = "Save game";
        const int nResult = Run(dlg, [&](CSelectFileDlg& d) {
            d.m_pEdit->setText(c.pszName);
            d.m_pSelect->click();
        });
        EXPECT_EQ(dlg.windowTitle(), "Save game");
        EXPECT_FALSE(dlg.m_pEdit->isHidden());
        EXPECT_EQ(dlg.m_pListLabel->text(), "or select from list:");
        if (c.pszMessage) {
            EXPECT_EQ(nResult, IDCANCEL);
            EXPECT_EQ(m_boxes.LastText(), c.pszMessage);
            EXPECT_TRUE(dlg.m_strPath.isEmpty());
        } else {
            EXPECT_EQ(nResult, IDOK);
            EXPECT_TRUE(m_boxes.boxes.empty());
            // The extension is always added, even to a name that has it already.
            EXPECT_EQ(dlg.m_strPath, m_strFolder + c.pszName + ".wcg");
        }
    }
}

TEST_F(SelectFileDlg, OpenModeTakesAListedNameByTapOrDoubleTap)
{
    MakeFile("first.wcg");
    MakeFile("second.wcg");
    for (bool bDouble : {false, true}) {
        CSelectFileDlg dlg(FALSE);
        const int nResult = Run(dlg, [&](CSelectFileDlg& d) {
            EXPECT_TRUE(d.m_pEdit->isHidden());
            EXPECT_TRUE(d.m_pPrompt->isHidden());
            EXPECT_EQ(d.m_pListLabel->text(), "Select from list:");
            d.m_pSelect->click();
            EXPECT_EQ(m_boxes.LastText(), "Please select a filename to open");
            EXPECT_NE(d.result(), QDialog::Accepted);
            QTreeWidgetItem* pItem = d.m_pList->findItems("Second", Qt::MatchExactly, 0).value(0);
            ASSERT_NE(pItem, nullptr);
            pItem->setSelected(true);
            EXPECT_EQ(d.m_pEdit->text(), "Second");
            if (bDouble)
                emit d.m_pList->itemDoubleClicked(pItem, 0);
            else
                d.m_pSelect->click();
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(dlg.m_strPath, m_strFolder + "Second.wcg");
    }
    // Cancel leaves the path empty; a folder that is not there lists nothing.
    CSelectFileDlg dlg(FALSE);
    m_strFolder += "missing/";
    EXPECT_EQ(Run(dlg, [](CSelectFileDlg& d) { d.m_pCancel->click(); }), IDCANCEL);
    EXPECT_TRUE(dlg.m_strPath.isEmpty());
    EXPECT_EQ(dlg.m_pList->topLevelItemCount(), 0);
}
