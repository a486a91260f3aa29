// The saved-game chooser: its listing and dates, the two modes, and the names it refuses.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/SelectFileDlg.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
QStringList Column(const CSelectFileDlg& dlg, int nColumn)
{
    QStringList a;
    for (int i = 0; i < dlg.m_pList->topLevelItemCount(); ++i)
        a << dlg.m_pList->topLevelItem(i)->text(nColumn);
    return a;
}
} // namespace

class SelectFileDlg : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        m_strFolder = TestRootFolder() + "chooser/";
        QDir(m_strFolder).removeRecursively();
        QDir().mkpath(m_strFolder);
    }
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
            return d.result() == IDOK ? IDOK : IDCANCEL;
        });
        return dlg.DoModal();
    }

    QString m_strFolder;
};

TEST_F(SelectFileDlg, ListsTheFolderByExtensionWithNamesRecasedAndCut)
{
    for (const char* psz : {"alpha.wcg", "NOTES.old.wcg", ".hidden.wcg", "Upper.WCG", "other.wdg", "wcg", "x.wcg.tmp"})
        MakeFile(psz, QDateTime(QDate(2003, 3, 7), QTime(21, 5)));
    QDir().mkpath(m_strFolder + "folder.wcg");
    CSelectFileDlg dlg(TRUE);
    Run(dlg, [](CSelectFileDlg&) {});
    QStringList astrNames = Column(dlg, 0);
    astrNames.sort();
    EXPECT_EQ(astrNames, (QStringList{".hidden", "Alpha", "Notes", "Upper"}));
    EXPECT_EQ(Column(dlg, 1), QStringList(4, "3/7/03 9:05 P"));
    EXPECT_EQ(CSelectFileDlg::ListedName(".wcg"), ".wcg");
    EXPECT_EQ(dlg.windowTitle(), "Select File");
}

TEST_F(SelectFileDlg, TheClockRunsFromTwelveAToTwelveP)
{
    const struct {
        int nMonth, nDay, nHour, nMinute;
        const char* pszText;
    } aCases[] = {{1, 2, 0, 0, "1/2/00 12:00 A"},   {1, 2, 0, 59, "1/2/00 12:59 A"}, {1, 2, 11, 59, "1/2/00 11:59 A"},
                  {1, 2, 12, 0, "1/2/00 12:00 P"},  {1, 2, 13, 0, "1/2/00 1:00 P"},  {1, 2, 23, 59, "1/2/00 11:59 P"},
                  {12, 31, 9, 7, "12/31/00 9:07 A"}};
    for (const auto& c : aCases)
        EXPECT_EQ(CSelectFileDlg::FormatFileTime(QDateTime(QDate(2000, c.nMonth, c.nDay), QTime(c.nHour, c.nMinute))), c.pszText);
    EXPECT_EQ(CSelectFileDlg::FormatFileTime(QDateTime(QDate(2109, 1, 2), QTime(1, 5))), "1/2/09 1:05 A");
}

TEST_F(SelectFileDlg, SaveModeTakesATypedNameButNoneThatLeavesTheFolder)
{
    const char* pszSlash = "A filename cannot contain '/' or '\\'.  Please enter another name.";
    const struct {
        const char* pszName;
        const char* pszMessage; // nullptr: accepted
    } aCases[] = {
        {"", "Please enter a filename to save as"}, {"../escape", pszSlash}, {"a/b", pszSlash}, {"a\\b", pszSlash},
        {".", "'.' cannot be used as a filename.  Please enter another name."},
        {"..", "'..' cannot be used as a filename.  Please enter another name."},
        {"game.wcg", nullptr}, {"..x", nullptr},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.pszName);
        boxes.Clear();
        CSelectFileDlg dlg(TRUE);
        dlg.m_strTitle = "Save game";
        const int nResult = Run(dlg, [&](CSelectFileDlg& d) {
            d.m_pEdit->setText(c.pszName);
            d.m_pSelect->click();
        });
        EXPECT_EQ(dlg.windowTitle(), "Save game");
        EXPECT_FALSE(dlg.m_pEdit->isHidden());
        EXPECT_EQ(dlg.m_pListLabel->text(), "or select from list:");
        EXPECT_EQ(nResult, c.pszMessage ? IDCANCEL : IDOK);
        EXPECT_EQ(boxes.LastText(), c.pszMessage ? c.pszMessage : "");
        // The extension is always added, even to a name that has it already.
        EXPECT_EQ(dlg.m_strPath, c.pszMessage ? QString() : m_strFolder + c.pszName + ".wcg");
    }
}

TEST_F(SelectFileDlg, OpenModeTakesAListedNameByTapOrDoubleTap)
{
    MakeFile("first.wcg");
    MakeFile("second.wcg");
    for (bool bDouble : {false, true}) {
        CSelectFileDlg dlg(FALSE);
        const int nResult = Run(dlg, [&](CSelectFileDlg& d) {
            EXPECT_TRUE(d.m_pEdit->isHidden() && d.m_pPrompt->isHidden());
            EXPECT_EQ(d.m_pListLabel->text(), "Select from list:");
            d.m_pSelect->click();
            EXPECT_EQ(boxes.LastText(), "Please select a filename to open");
            EXPECT_NE(d.result(), IDOK);
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
    // Cancel and Escape leave the path empty; a folder that is not there lists nothing.
    m_strFolder += "missing/";
    for (bool bEscape : {false, true}) {
        CSelectFileDlg dlg(FALSE);
        EXPECT_EQ(Run(dlg, [&](CSelectFileDlg& d) { bEscape ? d.reject() : d.m_pCancel->click(); }), IDCANCEL);
        EXPECT_TRUE(dlg.m_strPath.isEmpty());
        EXPECT_EQ(dlg.m_pList->topLevelItemCount(), 0);
    }
}

TEST_F(SelectFileDlg, FromTheKeyboardEnterTakesTheHighlightedNameOfTheList)
{
    MakeFile("first.wcg");
    MakeFile("second.wcg");
    CSelectFileDlg dlg(FALSE);
    const int nResult = Run(dlg, [&](CSelectFileDlg& d) {
        QTreeWidgetItem* pItem = d.m_pList->findItems("Second", Qt::MatchExactly, 0).value(0);
        ASSERT_NE(pItem, nullptr);
        // Highlighted by the arrow keys, not selected: elsewhere than the list it is no choice.
        d.m_pList->setCurrentItem(pItem, 0, QItemSelectionModel::NoUpdate);
        d.m_pSelect->setFocus();
        d.m_pSelect->click();
        EXPECT_EQ(boxes.LastText(), "Please select a filename to open");
        d.m_pList->setFocus();
        d.m_pSelect->click();
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(dlg.m_strPath, m_strFolder + "Second.wcg");
}
