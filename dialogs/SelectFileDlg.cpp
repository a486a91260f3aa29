// The saved-game chooser, laid out in the handheld's dialog units.
#include "dialogs/SelectFileDlg.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "framework/MessageBox.h"

CSelectFileDlg::CSelectFileDlg(BOOL bSave, QWidget* pParent) : CModalDialog(pParent), m_bSave(bSave)
{
    setWindowTitle(QStringLiteral("Select File"));
    // The dialog's own 8-point font, so that a date fits its half of the list.
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    setFixedSize(Dlu(0, 0, 136, 134).size());

    m_pPrompt = new QLabel(QStringLiteral("Enter filename:"), this);
    m_pPrompt->setObjectName(QStringLiteral("1027"));
    PlaceLabel(m_pPrompt, Dlu(7, 7, 50, 8));

    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QStringLiteral("1025"));
    m_pEdit->setGeometry(Dlu(7, 17, 122, 14));

    m_pListLabel = new QLabel(QStringLiteral("or select from list:"), this);
    m_pListLabel->setObjectName(QStringLiteral("1028"));
    PlaceLabel(m_pListLabel, Dlu(7, 35, 58, 8));

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("1026"));
    m_pList->setGeometry(Dlu(7, 45, 122, 66));
    m_pList->setRootIsDecorated(false);
    m_pList->setItemsExpandable(false);
    m_pList->setSortingEnabled(false);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows); // full-row select
    m_pList->setFrameShape(QFrame::StyledPanel);

    CreateOkCancel(m_pSelect, Dlu(7, 113, 50, 14), m_pCancel, Dlu(79, 113, 50, 14), QStringLiteral("Select"));
    m_pSelect->setObjectName(QStringLiteral("1"));
    m_pCancel->setObjectName(QStringLiteral("2"));

    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CSelectFileDlg::OnSelectionChanged);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

BOOL CSelectFileDlg::OnInitDialog()
{
    if (!m_strTitle.isEmpty())
        setWindowTitle(m_strTitle);
    if (!m_bSave) {
        m_pEdit->hide();
        m_pPrompt->hide();
        m_pListLabel->setText(QStringLiteral("Select from list:"));
        PlaceLabel(m_pListLabel, Dlu(7, 35, 58, 8));
    }

    m_pList->clear();
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Date")});
    for (int i = 0; i < 2; ++i)
        m_pList->headerItem()->setTextAlignment(i, Qt::AlignLeft | Qt::AlignVCenter);
    // The date column is as wide as the widest date needs; the name column takes the rest of the
    // client width (inside the border, room kept for a scroll bar) and shows a cut name whole in
    // its tool tip.
    m_pList->header()->setStretchLastSection(false);
    const int cxClient = m_pList->width() - 2 * m_pList->frameWidth() - m_pList->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int cxDate = std::min(cxClient / 2, GetDateColumnWidth());
    m_pList->setColumnWidth(0, cxClient - cxDate);
    m_pList->setColumnWidth(1, cxDate);

    // The handheld's file system ignores case, so ".WCG" is listed with ".wcg"; the order is the
    // folder's own.
    QDir dir(m_strFolder);
    dir.setNameFilters({QStringLiteral("*") + m_strExtension});
    dir.setFilter(QDir::Files | QDir::Hidden);
    dir.setSorting(QDir::Unsorted);
    for (const QFileInfo& fi : dir.entryInfoList()) {
        auto* pItem = new QTreeWidgetItem(m_pList);
        pItem->setText(0, ListedName(fi.fileName()));
        pItem->setToolTip(0, pItem->text(0));
        pItem->setText(1, FormatFileTime(fi.lastModified().toLocalTime()));
    }
    return TRUE;
}

int CSelectFileDlg::GetDateColumnWidth() const
{
    // The longest date there is (two-digit month, day, hour and minute), with the cell's margins.
    const QFontMetrics fm(m_pList->font());
    const QString strWidest = FormatFileTime(QDateTime(QDate(2088, 12, 28), QTime(22, 58)));
    return fm.horizontalAdvance(strWidest) + 2 * m_pList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + fm.averageCharWidth() * 2;
}

QString CSelectFileDlg::ListedName(const QString& strFileName)
{
    QString str = strFileName;
    const qsizetype nDot = str.indexOf(u'.', 1);
    if (nDot > 0)
        str.truncate(nDot);
    str = str.toLower();
    if (!str.isEmpty())
        str[0] = str[0].toUpper();
    return str;
}

QString CSelectFileDlg::FormatFileTime(const QDateTime& dtLocal)
{
    const QDate d = dtLocal.date();
    const QTime t = dtLocal.time();
    // A conventional 12-hour clock: midnight is 12 A, noon 12 P.
    const int nHour = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    const QString strSuffix = t.hour() < 12 ? QStringLiteral("A") : QStringLiteral("P");
    return QStringLiteral("%1/%2/%3 %4:%5 %6")
        .arg(d.month())
        .arg(d.day())
        .arg(d.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(nHour)
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(strSuffix);
}

void CSelectFileDlg::OnSelectionChanged()
{
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_pList->topLevelItem(i);
        if (pItem->isSelected()) {
            m_pEdit->setText(pItem->text(0));
            return;
        }
    }
}

void CSelectFileDlg::OnOK()
{
    // From the keyboard the list's highlighted entry is the choice, though no click selected it.
    if (m_pEdit->text().isEmpty() && focusWidget() == m_pList && m_pList->currentItem())
        m_pList->currentItem()->setSelected(true);
    const QString strName = m_pEdit->text();
    if (strName.isEmpty()) {
        QxMessageBox(m_bSave ? QStringLiteral("Please enter a filename to save as")
                             : QStringLiteral("Please select a filename to open"));
        return;
    }
    // The name is put straight after the folder: a separator or a bare "." or ".." would lead
    // somewhere else.
    if (strName.contains(u'/') || strName.contains(u'\\')) {
        QxMessageBox(QStringLiteral("A filename cannot contain '/' or '\\'.  Please enter another name."));
        return;
    }
    if (strName == QStringLiteral(".") || strName == QStringLiteral("..")) {
        QxMessageBox(QStringLiteral("'%1' cannot be used as a filename.  Please enter another name.").arg(strName));
        return;
    }
    m_strPath = m_strFolder + strName + m_strExtension;
    EndDialog(IDOK);
}

void CSelectFileDlg::showEvent(QShowEvent* e)
{
    CModalDialog::showEvent(e);
    CentreOnParentWindow(this);
}
