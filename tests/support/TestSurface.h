// Reading what a game window drew: its surface in logical pixels, colours counted, the score digits.
#pragma once
#include <QImage>

#include "framework/Wnd.h"
#include "graphics/BitmapResource.h"

inline QImage LogicalSurface(const CWnd& wnd)
{
    const QImage& img = wnd.GetSurface();
    return img.scaled(img.size() / img.devicePixelRatio()).convertToFormat(QImage::Format_RGB32);
}

inline QRgb ToRgb(COLORREF cr) { return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }

// Pixels of the rectangle that have the colour.
inline int CountPixels(const QImage& img, const CRect& rc, QRgb rgb)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += img.pixel(x, y) == rgb;
    return n;
}

// The top row of the image from x on shows these digits, each a 10 by 13 cell of the digit strip.
inline bool ShowsDigits(const QImage& img, int x, const char* pszDigits)
{
    CBitmap bmp;
    if (!LoadBitmapResource(bmp, 160))
        return false;
    const QImage digits = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; pszDigits[k]; ++k)
        for (int dy = 0; dy < 13; ++dy)
            for (int dx = 0; dx < 10; ++dx)
                if (img.pixel(x + 10 * k + dx, dy) != digits.pixel(10 * (pszDigits[k] - '0') + dx, dy))
                    return false;
    return true;
}
