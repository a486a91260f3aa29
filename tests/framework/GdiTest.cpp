// Drawing rules of the device context: exclusive edges, frames, text, copies, keys and scrolling.
#include <QImage>
#include <gtest/gtest.h>

#include "framework/Gdi.h"

namespace {
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// A memory context drawing on a bitmap of the given size and device pixel ratio.
struct Canvas {
    Canvas(int cx, int cy, qreal dpr = 1.0)
    {
        QImage img(int(cx * dpr), int(cy * dpr), QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setDevicePixelRatio(dpr);
        bmp.Attach(img);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bmp);
    }
    CBitmap bmp;
    CDC dc;
};

// Number of pixels of a colour in an area.
int Count(CDC& dc, const CRect& rc, COLORREF cr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += dc.GetPixel(x, y) == cr;
    return n;
}
} // namespace

TEST(Geometry, RectanglesIncludeLeftTopAndExcludeRightBottom)
{
    const CRect rc(15, 18, 219, 71);
    EXPECT_TRUE(rc.PtInRect(CPoint(15, 18)));
    EXPECT_TRUE(rc.PtInRect(CPoint(218, 70)));
    EXPECT_FALSE(rc.PtInRect(CPoint(219, 30)));
    EXPECT_FALSE(rc.PtInRect(CPoint(30, 71)));
    EXPECT_FALSE(rc.PtInRect(CPoint(14, 30)));
    CRect r;
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(r.IsRectEmpty());
}

TEST(Gdi, ShadeColorClampsEachChannel)
{
    EXPECT_EQ(ShadeColor(RGB(0, 0, 192), 32), RGB(32, 32, 224));
    EXPECT_EQ(ShadeColor(RGB(0, 0, 192), -32), RGB(0, 0, 160));
    EXPECT_EQ(ShadeColor(RGB(240, 10, 255), 32), RGB(255, 42, 255));
    EXPECT_EQ(ShadeColor(RGB(240, 10, 255), -300), RGB(0, 0, 0));
}

TEST(Gdi, FillsCoverExactlyTheRectangleWithoutRightAndBottomEdges)
{
    Canvas c(40, 40);
    CRect rc(10, 10, 20, 20);
    CBrush br(RED);
    c.dc.FillRect(&rc, &br);
    EXPECT_EQ(c.dc.GetPixel(10, 10), RED);
    EXPECT_EQ(c.dc.GetPixel(19, 19), RED);
    EXPECT_EQ(c.dc.GetPixel(20, 19), WHITE);
    EXPECT_EQ(c.dc.GetPixel(19, 20), WHITE);
    EXPECT_EQ(c.dc.GetPixel(9, 10), WHITE);
    EXPECT_EQ(Count(c.dc, CRect(0, 0, 40, 40), RED), 100);

    // Negative sizes are normalized; a null brush paints nothing.
    c.dc.FillSolidRect(30, 30, -5, -5, BLUE);
    EXPECT_EQ(Count(c.dc, CRect(0, 0, 40, 40), BLUE), 25);
    EXPECT_EQ(c.dc.GetPixel(25, 25), BLUE);
    EXPECT_EQ(c.dc.GetPixel(30, 30), WHITE);
    CBrush none;
    c.dc.FillRect(&rc, &none);
    EXPECT_EQ(c.dc.GetPixel(12, 12), RED);
}

TEST(Gdi, Draw3dRectPutsTheDarkEdgeOnTheLastColumnAndRow)
{
    Canvas c(30, 30);
    c.dc.Draw3dRect(5, 5, 10, 8, RED, BLUE);
    EXPECT_EQ(c.dc.GetPixel(5, 5), RED);    // top-left corner
    EXPECT_EQ(c.dc.GetPixel(13, 5), RED);   // top edge up to the column before the right edge
    EXPECT_EQ(c.dc.GetPixel(14, 5), BLUE);  // right edge on x + cx - 1
    EXPECT_EQ(c.dc.GetPixel(5, 11), RED);   // left edge
    EXPECT_EQ(c.dc.GetPixel(5, 12), BLUE);  // bottom edge on y + cy - 1
    EXPECT_EQ(c.dc.GetPixel(15, 5), WHITE);
    EXPECT_EQ(c.dc.GetPixel(5, 13), WHITE);
    EXPECT_EQ(c.dc.GetPixel(8, 8), WHITE);  // the inside is left alone
    EXPECT_EQ(Count(c.dc, CRect(0, 0, 30, 30), RED) + Count(c.dc, CRect(0, 0, 30, 30), BLUE), 2 * 10 + 2 * 8 - 4);
}

TEST(Gdi, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Canvas c(30, 30);
    CPen pen(PS_SOLID, 1, BLACK);
    CBrush brush(GREEN);
    CPen* pOldPen = c.dc.SelectObject(&pen);
    CBrush* pOldBrush = c.dc.SelectObject(&brush);
    ASSERT_NE(pOldPen, nullptr);
    ASSERT_NE(pOldBrush, nullptr);
    c.dc.Rectangle(2, 2, 12, 10);
    EXPECT_EQ(c.dc.GetPixel(2, 2), BLACK);
    EXPECT_EQ(c.dc.GetPixel(11, 9), BLACK);
    EXPECT_EQ(c.dc.GetPixel(12, 9), WHITE);
    EXPECT_EQ(c.dc.GetPixel(11, 10), WHITE);
    EXPECT_EQ(c.dc.GetPixel(3, 3), GREEN);
    EXPECT_EQ(c.dc.GetPixel(10, 8), GREEN);

    // Selecting returns what was there, so restoring brings back the white stock brush.
    EXPECT_EQ(c.dc.SelectObject(pOldBrush), &brush);
    EXPECT_EQ(c.dc.SelectObject(pOldPen), &pen);
    c.dc.Rectangle(15, 15, 20, 20);
    EXPECT_EQ(c.dc.GetPixel(17, 17), WHITE);
    EXPECT_EQ(c.dc.GetPixel(15, 15), BLACK);

    // No outline: the fill stops one pixel short on the right and bottom.
    c.dc.SelectObject(&brush);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.Rectangle(20, 20, 25, 25);
    EXPECT_EQ(c.dc.GetPixel(20, 20), GREEN);
    EXPECT_EQ(c.dc.GetPixel(23, 23), GREEN);
    EXPECT_EQ(c.dc.GetPixel(24, 24), WHITE);
}

TEST(Gdi, LinesLeaveOutTheirEndPoint)
{
    Canvas c(30, 30);
    c.dc.MoveTo(2, 5);
    c.dc.LineTo(10, 5);
    EXPECT_EQ(c.dc.GetPixel(2, 5), BLACK);
    EXPECT_EQ(c.dc.GetPixel(9, 5), BLACK);
    EXPECT_EQ(c.dc.GetPixel(10, 5), WHITE);
    // The current position moved on, so the next line starts at the last end point.
    c.dc.LineTo(10, 1);
    EXPECT_EQ(c.dc.GetPixel(10, 5), BLACK);
    EXPECT_EQ(c.dc.GetPixel(10, 2), BLACK);
    EXPECT_EQ(c.dc.GetPixel(10, 1), WHITE);
}

TEST(Gdi, PolygonFillsWithTheBrushAndOutlinesWithThePen)
{
    Canvas c(40, 40);
    CBrush brush(BLUE);
    CPen pen(PS_SOLID, 1, RED);
    c.dc.SelectObject(&brush);
    c.dc.SelectObject(&pen);
    const CPoint diamond[4] = {CPoint(5, 20), CPoint(20, 5), CPoint(35, 20), CPoint(20, 35)};
    c.dc.Polygon(diamond, 4);
    EXPECT_EQ(c.dc.GetPixel(20, 20), BLUE);
    EXPECT_EQ(c.dc.GetPixel(5, 20), RED);
    EXPECT_EQ(c.dc.GetPixel(6, 6), WHITE);
    EXPECT_EQ(c.dc.GetPixel(34, 34), WHITE);
}

TEST(Gdi, DrawTextAlignsAndHonoursTheBackgroundMode)
{
    Canvas c(200, 40);
    CFont font;
    font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    c.dc.SelectObject(&font);
    c.dc.SetTextColor(BLACK);
    c.dc.SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 200, 40);
    c.dc.DrawText("High: 001234 ", &rc, DT_RIGHT | DT_TOP | DT_SINGLELINE);
    // Right-aligned at the top: ink in the right half of the top 20 rows only.
    EXPECT_GT(200 * 20 - Count(c.dc, CRect(100, 0, 200, 20), WHITE), 0);
    EXPECT_EQ(Count(c.dc, CRect(0, 0, 100, 40), WHITE), 100 * 40);
    EXPECT_EQ(Count(c.dc, CRect(100, 22, 200, 40), WHITE), 100 * 18);

    // Opaque text paints its background colour; transparent text does not.
    Canvas o(200, 40);
    o.dc.SelectObject(&font);
    o.dc.SetBkMode(OPAQUE);
    o.dc.SetBkColor(GREEN);
    CRect rcLeft(0, 0, 200, 40);
    o.dc.DrawText("Tessaryl", &rcLeft, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_GT(Count(o.dc, CRect(0, 0, 100, 40), GREEN), 0);
    EXPECT_EQ(Count(o.dc, CRect(0, 0, 200, 10), GREEN), 0); // centred vertically: the top rows stay clear
    EXPECT_EQ(Count(o.dc, CRect(150, 0, 200, 40), GREEN), 0);

    // Text is clipped to its rectangle unless told otherwise.
    Canvas k(200, 40);
    k.dc.SelectObject(&font);
    k.dc.SetBkMode(TRANSPARENT);
    CRect rcSmall(0, 0, 20, 40);
    k.dc.DrawText("WWWWWWWW", &rcSmall, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(Count(k.dc, CRect(20, 0, 200, 40), WHITE), 180 * 40);

    CRect rcCalc(0, 0, 0, 0);
    k.dc.DrawText("WWWW", &rcCalc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rcCalc.Width(), k.dc.GetTextExtent("WWWW").cx);
    EXPECT_GE(rcCalc.Height(), 14);
    EXPECT_LE(rcCalc.Height(), 18); // a positive height is the whole character cell
}

TEST(Gdi, BitBltCopiesFromAMemoryContextAndClipsAtTheSourceEdge)
{
    Canvas src(10, 10);
    src.dc.FillSolidRect(0, 0, 10, 10, RED);
    src.dc.FillSolidRect(5, 5, 5, 5, BLUE);
    Canvas dst(30, 30);
    EXPECT_TRUE(dst.dc.BitBlt(3, 4, 10, 10, &src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(dst.dc.GetPixel(3, 4), RED);
    EXPECT_EQ(dst.dc.GetPixel(12, 13), BLUE);
    EXPECT_EQ(dst.dc.GetPixel(13, 13), WHITE);
    EXPECT_EQ(dst.dc.GetPixel(2, 4), WHITE);

    // Asking for more than the source holds copies only what is there.
    Canvas dst2(30, 30);
    dst2.dc.BitBlt(0, 0, 20, 20, &src.dc, 5, 5, SRCCOPY);
    EXPECT_EQ(Count(dst2.dc, CRect(0, 0, 30, 30), BLUE), 25);
    EXPECT_EQ(Count(dst2.dc, CRect(0, 0, 30, 30), WHITE), 900 - 25);

    // A memory context without a bitmap draws and copies nothing.
    CDC empty;
    empty.CreateCompatibleDC(nullptr);
    EXPECT_FALSE(dst2.dc.BitBlt(0, 0, 5, 5, &empty, 0, 0, SRCCOPY));
    empty.FillSolidRect(0, 0, 5, 5, RED);
    EXPECT_EQ(empty.GetPixel(0, 0), CDC::CLR_INVALID);
}

TEST(Gdi, BitmapsScaleToAZoomedSurfaceWithoutBlending)
{
    // A one-pixel checkerboard copied onto a surface at twice the device pixel ratio.
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    CBitmap bmp;
    bmp.Attach(checker);
    CDC src;
    src.CreateCompatibleDC(nullptr);
    src.SelectObject(&bmp);

    Canvas zoomed(10, 10, 2.0);
    EXPECT_EQ(zoomed.dc.GetDevicePixelRatio(), 2.0);
    zoomed.dc.BitBlt(1, 1, 4, 4, &src, 0, 0, SRCCOPY);
    const QImage& out = zoomed.bmp.GetImage();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const QRgb expected = ((x / 2) + (y / 2)) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            ASSERT_EQ(out.pixel(2 + x, 2 + y), expected) << x << "," << y;
        }
    EXPECT_EQ(bmp.GetSize(), CSize(4, 4));
    EXPECT_EQ(zoomed.bmp.GetSize(), CSize(10, 10));
}

TEST(Gdi, TransparentImageLeavesTheKeyColourOut)
{
    // A 4 x 2 strip: red key everywhere but one blue and one almost-red pixel.
    QImage strip(4, 2, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 0));
    strip.setPixel(1, 0, qRgb(0, 0, 255));
    strip.setPixel(2, 1, qRgb(254, 0, 0));
    CBitmap bmp;
    bmp.Attach(strip);
    CDC src;
    src.CreateCompatibleDC(nullptr);
    src.SelectObject(&bmp);

    Canvas dst(20, 20);
    dst.dc.FillSolidRect(0, 0, 20, 20, GREEN);
    EXPECT_TRUE(dst.dc.TransparentImage(5, 5, 4, 2, &src, 0, 0, 4, 2, RED));
    EXPECT_EQ(dst.dc.GetPixel(5, 5), GREEN);
    EXPECT_EQ(dst.dc.GetPixel(6, 5), BLUE);
    EXPECT_EQ(dst.dc.GetPixel(7, 6), RGB(254, 0, 0));
    EXPECT_EQ(Count(dst.dc, CRect(0, 0, 20, 20), GREEN), 400 - 2);

    // Stretched to twice the size from a cell of the strip, straight from the bitmap.
    dst.dc.FillSolidRect(0, 0, 20, 20, GREEN);
    EXPECT_TRUE(dst.dc.TransparentImage(0, 0, 4, 4, &bmp, 1, 0, 2, 2, RED));
    EXPECT_EQ(dst.dc.GetPixel(0, 0), BLUE);
    EXPECT_EQ(dst.dc.GetPixel(1, 1), BLUE);
    EXPECT_EQ(dst.dc.GetPixel(2, 0), GREEN);
    EXPECT_EQ(dst.dc.GetPixel(2, 2), RGB(254, 0, 0));
    EXPECT_EQ(dst.dc.GetPixel(0, 2), GREEN);
}

TEST(Gdi, ScrollDCMovesPixelsInsideTheClipAndReportsTheUncoveredStrip)
{
    Canvas c(20, 20);
    for (int y = 0; y < 20; ++y)
        c.dc.FillSolidRect(0, y, 20, 1, RGB(0, y * 10, 0));
    const CRect rcScroll(0, 5, 20, 15);
    CRect rcUpdate;
    EXPECT_TRUE(c.dc.ScrollDC(0, -3, &rcScroll, &rcScroll, nullptr, &rcUpdate));
    EXPECT_EQ(c.dc.GetPixel(0, 5), RGB(0, 80, 0));  // row 8 moved up to 5
    EXPECT_EQ(c.dc.GetPixel(0, 11), RGB(0, 140, 0)); // row 14 moved up to 11
    EXPECT_EQ(c.dc.GetPixel(0, 4), RGB(0, 40, 0));   // outside the clip: untouched
    EXPECT_EQ(c.dc.GetPixel(0, 12), RGB(0, 120, 0)); // uncovered rows keep their old pixels
    EXPECT_EQ(rcUpdate, CRect(0, 12, 20, 15));

    CRect rcRight;
    c.dc.ScrollDC(4, 0, nullptr, nullptr, nullptr, &rcRight);
    EXPECT_EQ(rcRight, CRect(0, 0, 4, 20));
    EXPECT_EQ(c.dc.GetPixel(4, 0), RGB(0, 0, 0));
}

TEST(Gdi, DeletingASelectedBitmapLeavesTheContextSafe)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    {
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&dc, 5, 5);
        dc.SelectObject(&bmp);
        dc.FillSolidRect(0, 0, 5, 5, RED);
        EXPECT_EQ(dc.GetPixel(4, 4), RED);
    }
    dc.FillSolidRect(0, 0, 5, 5, RED);
    EXPECT_EQ(dc.GetPixel(0, 0), CDC::CLR_INVALID);
}
