// The word review panel.
#include "dialogs/WordReviewPanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

CWordReviewPanel::CWordReviewPanel(QWidget* pParent) : QWidget(pParent)
{
    auto* pLayout = new QVBoxLayout(this);
    m_pSummary = new QLabel(this);
    m_pSummary->setWordWrap(true);
    m_pSummary->setTextFormat(Qt::PlainText);
    pLayout->addWidget(m_pSummary);

    m_pCounts = new QTreeWidget(this);
    m_pCounts->setRootIsDecorated(false);
    m_pCounts->setHeaderLabels({QStringLiteral("Letters"), QStringLiteral("Found"), QStringLiteral("On the cube")});
    m_pCounts->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pCounts->header()->setStretchLastSection(false);
    m_pCounts->setSelectionMode(QAbstractItemView::NoSelection);
    m_pCounts->setFocusPolicy(Qt::NoFocus);
    pLayout->addWidget(m_pCounts);

    auto* pHint = new QLabel(QStringLiteral("Your words are ticked.  Choose a word to see it on the cube."), this);
    pHint->setWordWrap(true);
    pLayout->addWidget(pHint);
    m_pWords = new QListWidget(this);
    // Columns that fill the panel's width, read down then across like a word list on paper.
    m_pWords->setFlow(QListView::TopToBottom);
    m_pWords->setWrapping(true);
    m_pWords->setResizeMode(QListView::Adjust);
    m_pWords->setSpacing(2);
    pLayout->addWidget(m_pWords, 1);

    m_pClose = new QPushButton(QStringLiteral("Close"), this);
    m_pClose->setAutoDefault(false);
    pLayout->addWidget(m_pClose, 0, Qt::AlignRight);
    auto fnClose = [this] {
        if (m_fnClose)
            m_fnClose();
    };
    connect(m_pClose, &QPushButton::clicked, this, fnClose);
    auto* pEscape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    pEscape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(pEscape, &QShortcut::activated, this, fnClose);
    connect(m_pWords, &QListWidget::currentRowChanged, this, [this](int nRow) {
        if (m_fnShowPath)
            m_fnShowPath(nRow >= 0 && nRow < m_review.aWords.size() ? m_review.aWords[nRow].anPath : QList<int>());
    });
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("On the cube")) * 3);
}

void CWordReviewPanel::SetReview(const CWordReview& review)
{
    m_review = review;
    const QLocale locale;
    m_pSummary->setText(QStringLiteral("You found %1 of %2 words.  Your score %3 is %4% of the cube's %5.")
                            .arg(review.nFound)
                            .arg(review.aWords.size())
                            .arg(locale.toString(review.nPlayerScore))
                            .arg(review.Percent())
                            .arg(locale.toString(review.nFullScore)));
    m_pCounts->clear();
    for (auto it = review.mapByLength.begin(); it != review.mapByLength.end(); ++it) {
        auto* pItem = new QTreeWidgetItem(
            {QString::number(it.key()), QString::number(it.value().first), QString::number(it.value().second)});
        for (int c = 0; c < 3; ++c)
            pItem->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        m_pCounts->addTopLevelItem(pItem);
    }
    // Every row shows without a scroll bar and without room to spare.
    const int nRowHeight = m_pCounts->topLevelItemCount() > 0 ? m_pCounts->sizeHintForRow(0) : m_pCounts->fontMetrics().height();
    m_pCounts->setFixedHeight(m_pCounts->header()->sizeHint().height() +
                              std::max(1, m_pCounts->topLevelItemCount()) * nRowHeight + 2 * m_pCounts->frameWidth() + 2);
    m_pWords->blockSignals(true);
    m_pWords->clear();
    for (const CReviewWord& w : review.aWords) {
        auto* pItem = new QListWidgetItem(QStringLiteral("%1 %2  %3").arg(w.bFound ? QStringLiteral("\u2713") : QStringLiteral("  "),
                                                                            w.strWord, QString::number(w.nPoints)));
        if (w.bFound) {
            QFont font = pItem->font();
            font.setBold(true);
            pItem->setFont(font);
        }
        if (w.anPath.isEmpty())
            pItem->setToolTip(QStringLiteral("Beyond what the search looks for on this cube."));
        m_pWords->addItem(pItem);
    }
    m_pWords->blockSignals(false);
}
