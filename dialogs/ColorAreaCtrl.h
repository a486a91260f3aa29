// CColorAreaCtrl: 33 columns by 14 rows of colour cells, each row running from black to a full
// colour; a tap or a drag reports the colour under the pen to the parent.
#pragma once
#include "framework/Wnd.h"

// Sent to the parent on pen-down and pen moves: wParam the picked colour.
constexpr UINT WM_COLORPICKED = WM_USER;

class CColorAreaCtrl : public CWnd {
public:
    static constexpr int COLUMNS = 33;
    static constexpr int ROWS = 14;

    // The colour of cell (k, j); FALSE outside the grid.
    static BOOL GetCellColor(int k, int j, COLORREF& cr);
    // The colour under the point for a client area of cx by cy; FALSE when the point is in no
    // cell (outside the grid, or an area too small to hold one pixel per cell).
    static BOOL ColorAtPoint(CPoint point, int cx, int cy, COLORREF& cr);

    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;

private:
    void Pick(CPoint point);
};
