// The colour area: painting the grid and picking from it.
#include "dialogs/ColorAreaCtrl.h"

#include "dialogs/ModalDialog.h"

BOOL CColorAreaCtrl::GetCellColor(int k, int j, COLORREF& cr)
{
    if (k < 0 || k >= COLUMNS || j < 0 || j >= ROWS)
        return FALSE;
    const int L = 8 * k >= 256 ? 255 : 8 * k;
    const int c = (4 * k) & 0xFF;
    static constexpr struct {
        // Per channel: 0 none, 1 the full level L, 2 the half level c.
        int r, g, b;
    } s_aRows[ROWS] = {{1, 0, 0}, {1, 2, 0}, {1, 1, 0}, {2, 1, 0}, {0, 1, 0}, {0, 1, 2}, {0, 1, 1},
                       {0, 2, 1}, {0, 0, 1}, {2, 0, 1}, {1, 0, 1}, {1, 0, 2}, {1, 2, 1}, {1, 1, 1}};
    auto level = [L, c](int n) { return n == 1 ? L : n == 2 ? c : 0; };
    cr = RGB(level(s_aRows[j].r), level(s_aRows[j].g), level(s_aRows[j].b));
    return TRUE;
}

BOOL CColorAreaCtrl::ColorAtPoint(CPoint point, int cx, int cy, COLORREF& cr)
{
    const int w = cx / COLUMNS;
    const int h = cy / ROWS;
    // A dragged pen keeps reporting beyond the area; a tiny area has no cells at all.
    if (w <= 0 || h <= 0 || point.x < 0 || point.y < 0)
        return FALSE;
    return GetCellColor(point.x / w, point.y / h, cr);
}

void CColorAreaCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    const int w = rc.Width() / COLUMNS;
    const int h = rc.Height() / ROWS;
    if (w <= 0 || h <= 0)
        return;
    for (int k = 0; k < COLUMNS; ++k) {
        for (int j = 0; j < ROWS; ++j) {
            COLORREF cr = 0;
            GetCellColor(k, j, cr);
            dc.FillSolidRect(k * w, j * h, w, h, cr);
        }
    }
}

void CColorAreaCtrl::Pick(CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    COLORREF cr = 0;
    if (ColorAtPoint(point, rc.Width(), rc.Height(), cr))
        SendMessageToParent(this, WM_COLORPICKED, WPARAM(cr), 0);
}

void CColorAreaCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point) { Pick(point); }

void CColorAreaCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (nFlags & MK_LBUTTON)
        Pick(point);
}
