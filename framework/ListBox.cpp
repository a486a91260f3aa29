// CListBox over QListWidget.
#include "framework/ListBox.h"

#include <QFontMetrics>
#include <QListWidget>
#include <algorithm>

#include "framework/Wnd.h"

namespace {
// Equal ignoring case of A-Z only, as the handheld's list box compared.
bool EqualNoCaseAZ(const QString& a, const QString& b)
{
    if (a.length() != b.length())
        return false;
    for (qsizetype i = 0; i < a.length(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return false;
    }
    return true;
}
} // namespace

CListBox::CListBox() = default;

CListBox::~CListBox()
{
    DestroyWindow();
}

BOOL CListBox::Create(DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID)
{
    if (m_pList || pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    m_nID = nID;
    m_dwStyle = dwStyle;
    m_pList = new QListWidget(pParent->GetSafeHwnd());
    m_pList->setObjectName(QStringLiteral("listbox%1").arg(nID));
    m_pList->setFrameShape((dwStyle & LBS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setUniformItemSizes(true);
    if (dwStyle & LBS_MULTICOLUMN) {
        // Items run down a column and on into the next; the list scrolls sideways.
        m_pList->setFlow(QListView::TopToBottom);
        m_pList->setWrapping(true);
        m_pList->setResizeMode(QListView::Adjust);
        m_pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    m_pList->setHorizontalScrollBarPolicy((dwStyle & LBS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    m_pList->setFont(font);
    MoveWindow(rect);
    m_pList->setVisible((dwStyle & LBS_VISIBLE) != 0);
    return TRUE;
}

BOOL CListBox::DestroyWindow()
{
    if (!m_pList)
        return FALSE;
    delete m_pList.data();
    return TRUE;
}

int CListBox::GetCount() const
{
    return m_pList ? m_pList->count() : 0;
}

int CListBox::InsertString(int nIndex, const QString& str)
{
    if (!m_pList || nIndex > m_pList->count())
        return LB_ERR;
    if (nIndex < 0)
        nIndex = m_pList->count();
    m_pList->insertItem(nIndex, str);
    return nIndex;
}

int CListBox::DeleteString(int nIndex)
{
    if (!m_pList || nIndex < 0 || nIndex >= m_pList->count())
        return LB_ERR;
    delete m_pList->takeItem(nIndex);
    return m_pList->count();
}

void CListBox::ResetContent()
{
    if (m_pList)
        m_pList->clear();
}

QString CListBox::GetText(int nIndex) const
{
    if (!m_pList || nIndex < 0 || nIndex >= m_pList->count())
        return QString();
    return m_pList->item(nIndex)->text();
}

int CListBox::FindStringExact(int nStartAfter, const QString& str) const
{
    const int nCount = GetCount();
    for (int i = std::max(nStartAfter + 1, 0); i < nCount; ++i) {
        if (EqualNoCaseAZ(m_pList->item(i)->text(), str))
            return i;
    }
    return LB_ERR;
}

void CListBox::SetColumnWidth(int cx)
{
    m_nColumnWidth = cx;
    if (!m_pList || cx <= 0)
        return;
    const int nRow = QFontMetrics(m_pList->font()).height() + 1;
    m_pList->setGridSize(QSize(cx, nRow));
}

void CListBox::MoveWindow(const CRect& rect)
{
    if (m_pList)
        m_pList->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}
