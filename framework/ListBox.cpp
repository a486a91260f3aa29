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

QListWidget* CListBox::List() const
{
    return static_cast<QListWidget*>(m_pList.data());
}

QWidget* CListBox::GetSafeHwnd() const
{
    return List();
}

CListBox::~CListBox()
{
    DestroyWindow();
    if (m_pParent)
        std::erase(m_pParent->m_apControls, this);
}

BOOL CListBox::Create(DWORD dwStyle, const CRect& rect, CWnd* pParent, UINT nID)
{
    if (m_pList || pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    m_nID = nID;
    m_dwStyle = dwStyle;
    if (m_pParent != pParent) {
        if (m_pParent)
            std::erase(m_pParent->m_apControls, this);
        m_pParent = pParent;
        m_pParent->m_apControls.push_back(this);
    }
    QListWidget* pList = new QListWidget(pParent->GetSafeHwnd());
    m_pList = pList;
    pList->setObjectName(QStringLiteral("listbox%1").arg(nID));
    pList->setFrameShape((dwStyle & LBS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    pList->setSelectionMode(QAbstractItemView::SingleSelection);
    pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pList->setUniformItemSizes(true);
    if (dwStyle & LBS_MULTICOLUMN) {
        // Items run down a column and on into the next; the list scrolls sideways.
        pList->setFlow(QListView::TopToBottom);
        pList->setWrapping(true);
        pList->setResizeMode(QListView::Adjust);
        pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    pList->setHorizontalScrollBarPolicy((dwStyle & LBS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    MoveWindow(rect);
    pList->setVisible((dwStyle & LBS_VISIBLE) != 0);
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
    return m_pList ? List()->count() : 0;
}

int CListBox::InsertString(int nIndex, const QString& str)
{
    if (!m_pList || nIndex > List()->count())
        return LB_ERR;
    if (nIndex < 0)
        nIndex = List()->count();
    List()->insertItem(nIndex, str);
    return nIndex;
}

int CListBox::DeleteString(int nIndex)
{
    if (!m_pList || nIndex < 0 || nIndex >= List()->count())
        return LB_ERR;
    delete List()->takeItem(nIndex);
    return List()->count();
}

void CListBox::ResetContent()
{
    if (m_pList)
        List()->clear();
}

QString CListBox::GetText(int nIndex) const
{
    if (!m_pList || nIndex < 0 || nIndex >= List()->count())
        return QString();
    return List()->item(nIndex)->text();
}

int CListBox::FindStringExact(int nStartAfter, const QString& str) const
{
    const int nCount = GetCount();
    for (int i = std::max(nStartAfter + 1, 0); i < nCount; ++i) {
        if (EqualNoCaseAZ(List()->item(i)->text(), str))
            return i;
    }
    return LB_ERR;
}

void CListBox::SetColumnWidth(int cx)
{
    m_nColumnWidth = cx;
    ApplyGeometry();
}

void CListBox::MoveWindow(const CRect& rect)
{
    m_rcLogical = rect;
    ApplyGeometry();
}

void CListBox::ApplyGeometry()
{
    if (!m_pList || !m_pParent)
        return;
    const qreal s = m_pParent->GetDisplayScale();
    QListWidget* pList = List();
    pList->setGeometry(m_pParent->LogicalToWidget(m_rcLogical));
    // Three rows of 11-pixel Arial fit a 62-pixel list with its scroll bar; both grow with the screen.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(std::lround(11 * s))));
    if (pList->font() != font)
        pList->setFont(font);
    if (m_nColumnWidth > 0) {
        const int nRow = QFontMetrics(font).height();
        pList->setGridSize(QSize(std::max(1, int(std::lround(m_nColumnWidth * s))), nRow));
    }
}
