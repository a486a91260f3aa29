// CColorSwatch: a control showing one colour with a bevel; with a notify number it tells its
// parent when the pen is lifted on it.
#pragma once
#include "framework/Wnd.h"

// Sent to the parent on pen-up: wParam the swatch's notify number. Same value as WM_SHOWGAME, but
// only dialogs receive it, so each receiver knows which one it is.
constexpr UINT WM_SWATCHCLICKED = WM_USER + 1;

class CColorSwatch : public CWnd {
public:
    void SetColor(COLORREF cr);

    void OnPaint() override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;

    int m_nNotifyId = 0;
    COLORREF m_clrColor = 0;
    int m_nRed = 0;
    int m_nGreen = 0;
    int m_nBlue = 0;
};
