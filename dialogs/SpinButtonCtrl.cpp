// The up-down control over two tool buttons.
#include "dialogs/SpinButtonCtrl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <climits>

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* pParent) : QWidget(pParent)
{
    m_pUp = new QToolButton(this);
    m_pUp->setArrowType(Qt::UpArrow);
    m_pUp->setAutoRepeat(true);
    m_pUp->setFocusPolicy(Qt::NoFocus);
    m_pDown = new QToolButton(this);
    m_pDown->setArrowType(Qt::DownArrow);
    m_pDown->setAutoRepeat(true);
    m_pDown->setFocusPolicy(Qt::NoFocus);
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CSpinButtonCtrl::resizeEvent(QResizeEvent*)
{
    const int h = height() / 2;
    m_pUp->setGeometry(0, 0, width(), h);
    m_pDown->setGeometry(0, h, width(), height() - h);
}

void CSpinButtonCtrl::SetBuddy(QLineEdit* pBuddy)
{
    if (m_pBuddy)
        m_pBuddy->removeEventFilter(this);
    m_pBuddy = pBuddy;
    if (m_pBuddy)
        m_pBuddy->installEventFilter(this);
}

void CSpinButtonCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = std::min(nLower, nUpper);
    m_nUpper = std::max(nLower, nUpper);
}

void CSpinButtonCtrl::SetPos(int nPos)
{
    if (QLineEdit* pBuddy = GetBuddy())
        pBuddy->setText(QString::number(std::clamp(nPos, m_nLower, m_nUpper)));
}

int CSpinButtonCtrl::GetPos() const
{
    const QLineEdit* pBuddy = GetBuddy();
    const long n = pBuddy ? WideToLong(pBuddy->text()) : 0;
    return int(std::clamp<long>(n, m_nLower, m_nUpper));
}

void CSpinButtonCtrl::Step(int nDelta) { SetPos(GetPos() + (nDelta > 0 ? 1 : nDelta < 0 ? -1 : 0)); }

// The arrow keys in the buddy step it, as the handheld's up-down did.
bool CSpinButtonCtrl::eventFilter(QObject* pObject, QEvent* e)
{
    if (pObject == m_pBuddy && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(pObject, e);
}

long WideToLong(const QString& str)
{
    qsizetype i = 0;
    while (i < str.size() && (str[i] == QLatin1Char(' ') || str[i] == QLatin1Char('\t')))
        ++i;
    bool bNegative = false;
    if (i < str.size() && (str[i] == QLatin1Char('+') || str[i] == QLatin1Char('-')))
        bNegative = str[i++] == QLatin1Char('-');
    // Kept in 64 bits and stopped at the 32-bit limit, so no length of digits overflows.
    long long n = 0;
    for (; i < str.size() && str[i] >= QLatin1Char('0') && str[i] <= QLatin1Char('9'); ++i) {
        n = n * 10 + (str[i].unicode() - '0');
        if (n > INT_MAX) {
            n = bNegative ? -(long long)INT_MIN : INT_MAX;
            break;
        }
    }
    return long(bNegative ? -n : n);
}
