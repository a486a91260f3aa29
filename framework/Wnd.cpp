// CWnd over a QWidget: the surface is redrawn by OnPaint when invalidated and otherwise shown
// as the program's direct drawing left it.
#include "framework/Wnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QToolTip>
#include <QWidget>
#include <cmath>

#include "framework/ListBox.h"
#include "framework/MessageBox.h"

namespace {
// Every program with windows links this file, so the real message box is the default before any
// window exists (the dispatch itself lives in the core library, which knows no widgets).
const bool s_bQtMessageBox = (InstallQtMessageBox(), true);
} // namespace

// The Qt side of a CWnd: forwards paint, pen and timer events.
class CWndWidget : public QWidget {
public:
    CWndWidget(CWnd* pWnd, QWidget* pParent) : QWidget(pParent), m_pWnd(pWnd)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    void Detach() { m_pWnd = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_pWnd)
            return;
        m_pWnd->PaintIfNeeded();
        // The surface is drawn at the displayed size: shown pixel for pixel.
        const QImage& surface = m_pWnd->m_surface;
        const qreal dpr = devicePixelRatioF();
        QPainter p(this);
        p.drawImage(QRectF(0, 0, surface.width() / dpr, surface.height() / dpr), surface,
                    QRectF(0, 0, surface.width(), surface.height()));
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (!m_pWnd)
            return;
        CRect rc;
        m_pWnd->GetClientRect(&rc);
        m_pWnd->OnSize(0, rc.Width(), rc.Height());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (m_pWnd && e->button() == Qt::LeftButton)
            m_pWnd->OnLButtonDown(MK_LBUTTON, ToPoint(e));
    }
    // Quick taps must each count as a pen-down, so a double click is one more press.
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (m_pWnd && e->button() == Qt::LeftButton)
            m_pWnd->OnLButtonUp(0, ToPoint(e));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (m_pWnd)
            m_pWnd->OnMouseMove((e->buttons() & Qt::LeftButton) ? MK_LBUTTON : 0, ToPoint(e));
    }
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip && m_pWnd) {
            auto* pHelp = static_cast<QHelpEvent*>(e);
            const QString strTip = m_pWnd->GetToolTip(m_pWnd->WidgetToLogical(pHelp->pos()));
            if (strTip.isEmpty()) {
                QToolTip::hideText();
                e->ignore();
            } else {
                QToolTip::showText(pHelp->globalPos(), strTip, this);
            }
            return true;
        }
        return QWidget::event(e);
    }
    void timerEvent(QTimerEvent* e) override
    {
        if (m_pWnd)
            m_pWnd->TimerFired(e->timerId());
    }

private:
    CPoint ToPoint(QMouseEvent* e) const { return m_pWnd->WidgetToLogical(e->position()); }
    CWnd* m_pWnd;
};

CWnd::CWnd() = default;

CWnd::~CWnd() { DestroyWindow(); }

BOOL CWnd::Create(CWnd* pParent, UINT nID, const CRect& rect, BOOL bVisible)
{
    if (m_pWidget || (pParent && !pParent->m_pWidget))
        return FALSE;
    m_pParent = pParent;
    return Create(pParent ? pParent->GetSafeHwnd() : nullptr, nID, rect, bVisible);
}

BOOL CWnd::Create(QWidget* pParentWidget, UINT nID, const CRect& rect, BOOL bVisible)
{
    if (m_pWidget)
        return FALSE;
    m_nID = nID;
    m_pWidget = new CWndWidget(this, pParentWidget);
    m_rcLogical = rect;
    ApplyGeometry();
    m_bNeedPaint = true;
    if (OnCreate() == -1) {
        DestroyWindow();
        return FALSE;
    }
    m_pWidget->setVisible(bVisible != FALSE);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_pWidget)
        return FALSE;
    OnDestroy();
    for (const auto& [id, qtId] : m_timers)
        m_pWidget->killTimer(qtId);
    m_timers.clear();
    CWndWidget* pWidget = m_pWidget;
    m_pWidget = nullptr;
    pWidget->Detach();
    delete pWidget;
    return TRUE;
}

QWidget* CWnd::GetSafeHwnd() const { return m_pWidget.data(); }

BOOL CWnd::ShowWindow(int nCmdShow)
{
    if (!m_pWidget)
        return FALSE;
    const BOOL bWasVisible = IsWindowVisible();
    const bool bShow = nCmdShow != SW_HIDE;
    if (bShow && !bWasVisible)
        m_bNeedPaint = true;
    m_pWidget->setVisible(bShow);
    if (bool(bWasVisible) != bShow)
        OnShowWindow(bShow ? TRUE : FALSE);
    return bWasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_pWidget && !m_pWidget->isHidden(); }

void CWnd::GetClientRect(CRect* lpRect) const
{
    if (!lpRect)
        return;
    if (!m_pWidget) {
        lpRect->SetRectEmpty();
        return;
    }
    if (m_bScaled)
        lpRect->SetRect(0, 0, m_rcLogical.Width(), m_rcLogical.Height());
    else
        lpRect->SetRect(0, 0, m_pWidget->width(), m_pWidget->height());
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint)
{
    if (!m_pWidget)
        return;
    m_rcLogical = rect;
    ApplyGeometry();
    if (bRepaint)
        Invalidate();
}

void CWnd::SetDisplayScale(qreal s)
{
    if (!(s > 0))
        return;
    if (!m_bScaled && m_pWidget)
        m_rcLogical.SetRect(m_rcLogical.left, m_rcLogical.top, m_rcLogical.left + m_pWidget->width(),
                            m_rcLogical.top + m_pWidget->height());
    m_bScaled = true;
    if (s == m_scale)
        return;
    m_scale = s;
    ApplyGeometry();
    Invalidate();
}

void CWnd::ApplyGeometry()
{
    if (!m_pWidget)
        return;
    const qreal parentScale = m_pParent ? m_pParent->m_scale : 1.0;
    const int x = ToDevicePixel(m_rcLogical.left, parentScale), y = ToDevicePixel(m_rcLogical.top, parentScale);
    m_pWidget->setGeometry(x, y, std::max(0, int(std::ceil(m_rcLogical.Width() * m_scale - 1e-6))),
                           std::max(0, int(std::ceil(m_rcLogical.Height() * m_scale - 1e-6))));
    for (CListBox* pControl : m_apControls)
        pControl->ApplyGeometry();
}

QRect CWnd::LogicalToWidget(const CRect& rect) const
{
    return ToDeviceRect(rect.left, rect.top, rect.Width(), rect.Height(), m_scale);
}

CPoint CWnd::WidgetToLogical(QPointF pos) const
{
    // Through the device pixel pressed, with the rounding the surface was drawn with.
    const qreal dpr = m_pWidget ? m_pWidget->devicePixelRatioF() : 1.0;
    const qreal f = m_scale * dpr;
    return CPoint(ToLogicalPixel(int(std::floor(pos.x() * dpr)), f), ToLogicalPixel(int(std::floor(pos.y() * dpr)), f));
}

void CWnd::Invalidate(BOOL /*bErase*/)
{
    m_bNeedPaint = true;
    if (m_pWidget)
        m_pWidget->update();
}

void CWnd::UpdateWindow()
{
    if (!m_pWidget)
        return;
    PaintIfNeeded();
    if (!m_bInPaint && m_pWidget->isVisible())
        m_pWidget->repaint();
}

void CWnd::SetFocus()
{
    if (m_pWidget)
        m_pWidget->setFocus(Qt::OtherFocusReason);
}

CDC* CWnd::GetDC()
{
    if (!m_pWidget)
        return nullptr;
    return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* pDC)
{
    if (!pDC)
        return 0;
    delete pDC;
    return 1;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse)
{
    if (!m_pWidget)
        return 0;
    KillTimer(nIDEvent);
    const int qtId = m_pWidget->startTimer(std::max<UINT>(nElapse, 1), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    m_timers[nIDEvent] = qtId;
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    const auto it = m_timers.find(nIDEvent);
    if (it == m_timers.end())
        return FALSE;
    if (m_pWidget)
        m_pWidget->killTimer(it->second);
    m_timers.erase(it);
    return TRUE;
}

void CWnd::TimerFired(int nQtTimerId)
{
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == nQtTimerId) {
            OnTimer(id);
            return;
        }
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }

void CWnd::EnsureSurface()
{
    if (!m_pWidget)
        return;
    const qreal dpr = m_pWidget->devicePixelRatioF() * m_scale;
    CRect rc;
    GetClientRect(&rc);
    const QSize size(std::max(1, int(std::ceil(rc.Width() * dpr - 1e-6))),
                     std::max(1, int(std::ceil(rc.Height() * dpr - 1e-6))));
    if (!m_surface.isNull() && m_surface.size() == size && m_surface.devicePixelRatio() == dpr)
        return;
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(QColor(GetRValue(GetSysColor(COLOR_BTNFACE)), GetGValue(GetSysColor(COLOR_BTNFACE)),
                        GetBValue(GetSysColor(COLOR_BTNFACE))));
    surface.setDevicePixelRatio(dpr);
    m_surface = surface;
    m_bNeedPaint = true;
}

void CWnd::PaintIfNeeded()
{
    EnsureSurface();
    if (!m_bNeedPaint || m_bInPaint)
        return;
    m_bNeedPaint = false;
    m_bInPaint = true;
    OnPaint();
    m_bInPaint = false;
}

void CWnd::ScheduleShow()
{
    if (m_pWidget && !m_bInPaint)
        m_pWidget->update();
}

void CWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
}

void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
void CWnd::OnTimer(UINT_PTR) {}
LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) { return 0; }
