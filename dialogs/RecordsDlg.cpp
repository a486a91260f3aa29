// The name box and the High Scores dialog. Neither comes from the handheld, so both are laid out
// the desktop's way, with layouts that let every text take the room it needs.
#include "dialogs/RecordsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

QString OrdinalPlace(int nPlace)
{
    const int n100 = nPlace % 100;
    const int n10 = nPlace % 10;
    const char* pszSuffix = "th";
    if (n100 < 11 || n100 > 13) {
        if (n10 == 1)
            pszSuffix = "st";
        else if (n10 == 2)
            pszSuffix = "nd";
        else if (n10 == 3)
            pszSuffix = "rd";
    }
    return QString::number(nPlace) + QLatin1String(pszSuffix);
}

CRecordNameDlg::CRecordNameDlg(const QString& strWhat, const QString& strDefaultName, QWidget* pParent)
    : CModalDialog(pParent), m_strName(strDefaultName), m_strDefault(strDefaultName)
{
    setWindowTitle(QStringLiteral("New Record"));
    setFont(QFont());
    auto* pLayout = new QVBoxLayout(this);
    auto* pWhat = new QLabel(strWhat, this);
    pWhat->setTextFormat(Qt::PlainText);
    pLayout->addWidget(pWhat);
    auto* pForm = new QFormLayout;
    m_pEdit = new QLineEdit(strDefaultName, this);
    m_pEdit->setMaxLength(40);
    m_pEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    pForm->addRow(QStringLiteral("Your name:"), m_pEdit);
    pLayout->addLayout(pForm);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pButtons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(pButtons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    pLayout->addWidget(pButtons);
}

BOOL CRecordNameDlg::OnInitDialog()
{
    m_pEdit->selectAll();
    m_pEdit->setFocus();
    return TRUE;
}

void CRecordNameDlg::OnOK()
{
    // Line breaks or control characters would only spoil the table.
    QString strName;
    for (const QChar ch : m_pEdit->text())
        if (ch.isPrint())
            strName += ch;
    strName = strName.simplified();
    m_strName = strName.isEmpty() ? m_strDefault : strName;
    CModalDialog::OnOK();
}

CHighScoresDlg::CHighScoresDlg(QList<CGameTab> aTabs, int nCurrentTab, QWidget* pParent)
    : CModalDialog(pParent), m_aTabData(std::move(aTabs)), m_nCurrentTab(nCurrentTab)
{
    setWindowTitle(QStringLiteral("High Scores"));
    setFont(QFont());
    auto* pLayout = new QVBoxLayout(this);
    m_pTabs = new QTabWidget(this);
    for (const CGameTab& tab : m_aTabData) {
        QTableWidget* pTable = nullptr;
        int nHighlighted = -1;
        m_pTabs->addTab(CreateTab(tab, pTable, nHighlighted), tab.strTitle);
        m_aTables.append(pTable);
        m_aHighlighted.append(nHighlighted);
    }
    pLayout->addWidget(m_pTabs);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(pButtons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    pLayout->addWidget(pButtons);
}

QWidget* CHighScoresDlg::CreateTab(const CGameTab& tab, QTableWidget*& pTable, int& nHighlighted)
{
    auto* pPage = new QWidget;
    auto* pLayout = new QVBoxLayout(pPage);
    const QLocale locale;

    QStringList aHeaders{QStringLiteral("Place"), QStringLiteral("Score"), QStringLiteral("Name"),
                         QStringLiteral("Date")};
    for (const CColumn& column : tab.aColumns)
        aHeaders << column.strTitle;
    pTable = new QTableWidget(int(tab.aEntries.size()), int(aHeaders.size()), pPage);
    pTable->setHorizontalHeaderLabels(aHeaders);
    pTable->verticalHeader()->hide();
    pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pTable->setSelectionMode(QAbstractItemView::NoSelection);
    pTable->setFocusPolicy(Qt::NoFocus);
    nHighlighted = -1;
    for (int r = 0; r < tab.aEntries.size(); ++r) {
        const CRecordEntry& e = tab.aEntries[r];
        QStringList aCells{OrdinalPlace(r + 1), locale.toString(e.nScore), e.strName,
                           locale.toString(e.dtEnded, QLocale::ShortFormat)};
        for (const CColumn& column : tab.aColumns)
            aCells << locale.toString(e.extra.value(column.strKey).toInteger());
        const bool bNewest = !tab.strNewestId.isEmpty() && e.strId == tab.strNewestId;
        if (bNewest)
            nHighlighted = r;
        for (int c = 0; c < aCells.size(); ++c) {
            auto* pItem = new QTableWidgetItem(aCells[c]);
            pItem->setTextAlignment((c == 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (bNewest) {
                QFont font = pItem->font();
                font.setBold(true);
                pItem->setFont(font);
                pItem->setBackground(palette().highlight());
                pItem->setForeground(palette().highlightedText());
            }
            pTable->setItem(r, c, pItem);
        }
    }
    pTable->resizeColumnsToContents();
    pTable->horizontalHeader()->setStretchLastSection(true);
    int nWidth = pTable->verticalHeader()->width() + 4 + pTable->frameWidth() * 2;
    for (int c = 0; c < pTable->columnCount(); ++c)
        nWidth += pTable->columnWidth(c);
    pTable->setMinimumWidth(nWidth + 24);
    pTable->setMinimumHeight(pTable->horizontalHeader()->height() + 10 * pTable->verticalHeader()->defaultSectionSize() + 6);
    pLayout->addWidget(pTable);
    if (tab.aEntries.isEmpty()) {
        auto* pNone = new QLabel(QStringLiteral("No games yet."), pPage);
        pLayout->addWidget(pNone);
    }

    const CGameStats& s = tab.stats;
    auto* pForm = new QFormLayout;
    const auto fnWord = [&](const QString& strWord, int nPoints) {
        if (strWord.isEmpty())
            return QStringLiteral("—");
        return nPoints > 0 ? QStringLiteral("%1 (%2 points)").arg(strWord, locale.toString(nPoints)) : strWord;
    };
    pForm->addRow(QStringLiteral("Games played:"), new QLabel(locale.toString(s.nPlayed), pPage));
    pForm->addRow(QStringLiteral("Average score:"), new QLabel(locale.toString(s.AverageScore()), pPage));
    pForm->addRow(QStringLiteral("Best score:"), new QLabel(locale.toString(s.nBestScore), pPage));
    pForm->addRow(QStringLiteral("Best word:"), new QLabel(fnWord(s.strBestWord, s.nBestWordScore), pPage));
    pForm->addRow(QStringLiteral("Longest word:"), new QLabel(fnWord(s.strLongestWord, 0), pPage));
    pForm->addRow(QStringLiteral("Words in all:"), new QLabel(locale.toString(s.nTotalWords), pPage));
    pLayout->addLayout(pForm);
    return pPage;
}

BOOL CHighScoresDlg::OnInitDialog()
{
    m_pTabs->setCurrentIndex(std::clamp(m_nCurrentTab, 0, int(m_pTabs->count()) - 1));
    return TRUE;
}
