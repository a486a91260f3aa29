// CWnd: a window over a QWidget with a retained surface, pen handlers, timers and the
// program's own messages; CClientDC and CPaintDC: the window's own device context.
#pragma once
#include <QImage>
#include <QPointer>
#include <map>
#include <vector>

#include "framework/Gdi.h"

class QWidget;
class CWndWidget;
class CListBox;

typedef uintptr_t UINT_PTR;

// Flags of pen messages.
constexpr UINT MK_LBUTTON = 0x0001;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window as a child of pParent (or of a plain Qt widget) at rect, in the parent's
    // coordinates. Fails when the window exists already or OnCreate returns -1.
    BOOL Create(CWnd* pParent, UINT nID, const CRect& rect, BOOL bVisible = TRUE);
    BOOL Create(QWidget* pParentWidget, UINT nID, const CRect& rect, BOOL bVisible = TRUE);
    BOOL DestroyWindow();
    QWidget* GetSafeHwnd() const;

    // Returns whether the window was shown before. Showing a hidden window repaints it.
    BOOL ShowWindow(int nCmdShow);
    // The window's own shown state (its parents are not consulted).
    BOOL IsWindowVisible() const;
    // In the window's logical pixels, whatever size it is shown at.
    void GetClientRect(CRect* lpRect) const;
    // rect is in the parent's logical pixels; the window keeps its own scale.
    void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
    // Shows the window's logical pixels s times larger (any factor above 0); its child controls
    // follow. Windows never scaled take their logical size from their widget.
    void SetDisplayScale(qreal s);
    qreal GetDisplayScale() const { return m_scale; }
    // Logical pixels to the widget's pixels and back; a position anywhere inside a shown logical
    // pixel maps to that pixel.
    QRect LogicalToWidget(const CRect& rect) const;
    CPoint WidgetToLogical(QPointF pos) const;
    // Asks for a full repaint by OnPaint at the next paint; the surface is never erased first.
    void Invalidate(BOOL bErase = TRUE);
    // OnPaint redraws the whole surface, so a part asks for the same full repaint.
    void InvalidateRect(const CRect* /*lpRect*/, BOOL bErase = TRUE) { Invalidate(bErase); }
    // Repaints now when a repaint is pending, then shows the surface at once.
    void UpdateWindow();
    void SetFocus();

    // The window's own device context; release it with ReleaseDC (or use CClientDC).
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Re-arms the timer when one with this id runs already. Returns nIDEvent, 0 without a window.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Delivers one of the program's own messages synchronously to WindowProc.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    CWnd* GetParent() const { return m_pParent; }
    int GetDlgCtrlID() const { return int(m_nID); }

    // The retained surface (device pixels, with the device pixel ratio set).
    const QImage& GetSurface() const { return m_surface; }

    virtual void OnPaint();
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The tool tip for a point in logical pixels, or empty for none.
    virtual QString GetToolTip(CPoint point) const
    {
        (void)point;
        return QString();
    }

protected:
    // Called once the window exists; -1 makes Create fail.
    virtual int OnCreate() { return 0; }
    // Called before the window goes away.
    virtual void OnDestroy() {}
    // Called by ShowWindow when the window is shown or hidden (not when it already was).
    virtual void OnShowWindow(BOOL bShow) { (void)bShow; }
    // Called when the widget's size changes, with the new logical size.
    virtual void OnSize(UINT nType, int cx, int cy) { (void)nType, (void)cx, (void)cy; }

private:
    friend class CWndWidget;
    friend class CDC;
    friend class CListBox;
    void ApplyGeometry();
    void EnsureSurface();
    void PaintIfNeeded();
    void ScheduleShow();
    void TimerFired(int nQtTimerId);

    QPointer<CWndWidget> m_pWidget;
    CWnd* m_pParent = nullptr;
    UINT m_nID = 0;
    QImage m_surface;
    bool m_bNeedPaint = true;
    bool m_bInPaint = false;
    std::map<UINT_PTR, int> m_timers; // program id -> Qt timer id
    qreal m_scale = 1.0;
    bool m_bScaled = false;
    CRect m_rcLogical;                 // in the parent's logical pixels
    std::vector<CListBox*> m_apControls; // placed over the surface, scaled with it
};

// The window's own device context for the lifetime of the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd) { AttachWindow(pWnd); }
};

// The context OnPaint draws with; the same surface as CClientDC.
class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* pWnd) : CClientDC(pWnd) {}
};
