// The records dialogs: the name box a game asks when it enters the table, and the High Scores
// dialog with a tab for each game's table and statistics.
#pragma once
#include <QList>
#include <QString>

#include "app/Records.h"
#include "dialogs/ModalDialog.h"

class QLineEdit;
class QTabWidget;
class QTableWidget;

class CRecordNameDlg : public CModalDialog {
    Q_OBJECT
public:
    // strWhat says what was achieved ("Cascadio: 1,250 points, 3rd place.").
    CRecordNameDlg(const QString& strWhat, const QString& strDefaultName, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The name entered, trimmed; the default when left empty.
    QString m_strName;
    QLineEdit* m_pEdit = nullptr;

private:
    QString m_strDefault;
};

class CHighScoresDlg : public CModalDialog {
    Q_OBJECT
public:
    // One column of what a game adds to its table: the title and the key in the entry's extra.
    struct CColumn {
        QString strTitle;
        QString strKey;
    };
    struct CGameTab {
        QString strTitle;
        QList<CRecordEntry> aEntries;
        CGameStats stats;
        QList<CColumn> aColumns;
        // The entry to highlight (the game just played), or empty.
        QString strNewestId;
    };

    CHighScoresDlg(QList<CGameTab> aTabs, int nCurrentTab, QWidget* pParent = nullptr);

    BOOL OnInitDialog() override;

    QTabWidget* m_pTabs = nullptr;
    QList<QTableWidget*> m_aTables;
    // The row highlighted in each tab, or -1.
    QList<int> m_aHighlighted;

private:
    QWidget* CreateTab(const CGameTab& tab, QTableWidget*& pTable, int& nHighlighted);

    QList<CGameTab> m_aTabData;
    int m_nCurrentTab = 0;
};

// "1st", "2nd", "3rd", "4th" … as the table and the status line say places.
QString OrdinalPlace(int nPlace);
