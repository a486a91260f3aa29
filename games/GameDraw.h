// Drawing pieces the three games share: bitmap strips and the six score digits.
#pragma once
#include <algorithm>

#include "framework/Gdi.h"
#include "framework/Wnd.h"

// A tile's colours: its face, and the bevel that lights its top and left edges and shades its
// bottom and right ones.
struct CTileColors {
    COLORREF crFace = 0;
    COLORREF crLight = 0;
    COLORREF crDark = 0;

    void SetFace(COLORREF cr)
    {
        crFace = cr;
        crLight = ShadeColor(cr, 32);
        crDark = ShadeColor(cr, -32);
    }
};

// Copies a cx × cy piece of a bitmap, from (xSrc, ySrc), to (x, y) through the game's memory
// context; a bitmap that failed to load draws nothing.
inline void CopyBitmapPiece(CDC* pDC, CDC& dcMem, CBitmap& bitmap, int x, int y, int cx, int cy, int xSrc,
                            int ySrc = 0)
{
    if (!bitmap.GetSafeHandle())
        return;
    if (!dcMem.GetSafeHdc())
        dcMem.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    pDC->BitBlt(x, y, cx, cy, &dcMem, xSrc, ySrc, SRCCOPY);
    dcMem.SelectObject(pOld);
}

// The score in six 10 × 13 digits from the digit strip, the leftmost at (x, 0). The strip has
// six places; a larger score shows as 999999 rather than reading past it.
inline void DrawScoreDigits(CDC* pDC, CDC& dcMem, CBitmap& bmpDigits, int x, int nScore)
{
    int nShown = std::clamp(nScore, 0, 999999);
    for (int k = 5; k >= 0; --k) {
        CopyBitmapPiece(pDC, dcMem, bmpDigits, x + 10 * k, 0, 10, 13, 10 * (nShown % 10));
        nShown /= 10;
    }
}

// Draws with the window's own device context: what a drawing operation given none does. Before
// the window exists there is nothing to draw on.
template <class TWnd>
void DrawInOwnDC(TWnd* pWnd, void (TWnd::*pfnDraw)(CDC*))
{
    if (!pWnd->GetSafeHwnd())
        return;
    CClientDC dc(pWnd);
    (pWnd->*pfnDraw)(&dc);
}
