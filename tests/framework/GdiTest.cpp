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

// A memory context drawing on a bitmap: a white one of the given size and device pixel ratio, or a given image.
struct Canvas {
    Canvas(int cx, int cy, qreal dpr = 1.0) : Canvas(White(cx, cy, dpr)) {}
    explicit Canvas(const QImage& img)
    {
        bmp.Attach(img);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bmp);
    }
    static QImage White(int cx, int cy, qreal dpr)
    {
        QImage img(int(cx * dpr), int(cy * dpr), QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setDevicePixelRatio(dpr);
        return img;
    }
    int Count(const CRect& rc, COLORREF cr) // pixels of a colour in an area
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += dc.GetPixel(x, y) == cr;
        return n;
    }
    void Expect(std::initializer_list<std::tuple<int, int, COLORREF>> aPixels) // each listed pixel has its colour
    {
        for (const auto& [x, y, cr] : aPixels)
            EXPECT_EQ(dc.GetPixel(x, y), cr) << x << "," << y;
    }
    CBitmap bmp;
    CDC dc;
};
} // namespace

TEST(Gdi, RectanglesFillsAndLinesLeaveOutTheRightAndBottomEdges)
{
    const CRect rc(10, 10, 20, 20);
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 10)) && rc.PtInRect(CPoint(19, 19)));
    EXPECT_FALSE(rc.PtInRect(CPoint(20, 15)) || rc.PtInRect(CPoint(15, 20)) || rc.PtInRect(CPoint(9, 15)));

    Canvas f(40, 40);
    CBrush br(RED), none;
    f.dc.FillRect(&rc, &br);
    EXPECT_EQ(f.Count(CRect(0, 0, 40, 40), RED), 100);
    f.Expect({{10, 10, RED}, {19, 19, RED}, {20, 19, WHITE}, {19, 20, WHITE}});
    // Negative sizes are normalized; a null brush paints nothing.
    f.dc.FillSolidRect(30, 30, -5, -5, BLUE);
    EXPECT_EQ(f.Count(CRect(25, 25, 30, 30), BLUE), 25);
    f.dc.FillRect(&rc, &none);
    EXPECT_EQ(f.dc.GetPixel(12, 12), RED);

    // Rectangles outline with the pen and fill with the brush; selecting returns what was there.
    Canvas c(40, 40);
    CPen pen(PS_SOLID, 1, BLACK);
    CBrush brush(GREEN);
    CPen* pOldPen = c.dc.SelectObject(&pen);
    CBrush* pOldBrush = c.dc.SelectObject(&brush);
    c.dc.Rectangle(2, 2, 12, 10);
    c.Expect({{2, 2, BLACK}, {11, 9, BLACK}, {12, 9, WHITE}, {11, 10, WHITE}, {3, 3, GREEN}, {10, 8, GREEN}});
    EXPECT_EQ(c.dc.SelectObject(pOldBrush), &brush);
    EXPECT_EQ(c.dc.SelectObject(pOldPen), &pen);
    c.dc.Rectangle(15, 15, 20, 20);
    c.Expect({{17, 17, WHITE}, {15, 15, BLACK}});
    // No outline: the fill stops one pixel short on the right and bottom.
    c.dc.SelectObject(&brush);
    c.dc.SelectStockObject(NULL_PEN);
    c.dc.Rectangle(20, 20, 25, 25);
    c.Expect({{20, 20, GREEN}, {23, 23, GREEN}, {24, 24, WHITE}});

    // Lines leave out their end point, and the next one starts there.
    Canvas l(30, 30);
    l.dc.MoveTo(2, 5);
    l.dc.LineTo(10, 5);
    l.Expect({{2, 5, BLACK}, {9, 5, BLACK}, {10, 5, WHITE}});
    l.dc.LineTo(10, 1);
    l.Expect({{10, 5, BLACK}, {10, 2, BLACK}, {10, 1, WHITE}});
}

TEST(Gdi, DrawTextClipsMeasuresAndHonoursTheBackgroundMode)
{
    CFont font;
    font.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    Canvas c(200, 40);
    c.dc.SelectObject(&font);
    c.dc.SetTextColor(BLACK);
    c.dc.SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 200, 40), rcSmall(0, 0, 20, 40), rcCalc(0, 0, 0, 0);
    // Text is clipped to its rectangle; a positive height measures the whole character cell.
    // (Alignment is seen on the main screen's buttons.)
    c.dc.DrawText("WWWWWWWW", &rcSmall, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(c.Count(CRect(20, 0, 200, 40), WHITE), 180 * 40);
    c.dc.DrawText("WWWW", &rcCalc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rcCalc.Width(), c.dc.GetTextExtent("WWWW").cx);
    EXPECT_TRUE(rcCalc.Height() >= 14 && rcCalc.Height() <= 18) << rcCalc.Height();

    // Opaque text paints its background colour, centred vertically and only under the text.
    c.dc.SetBkMode(OPAQUE);
    c.dc.SetBkColor(GREEN);
    c.dc.DrawText("Tessaryl", &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    EXPECT_GT(c.Count(CRect(0, 0, 100, 40), GREEN), 0);
    EXPECT_EQ(c.Count(CRect(0, 0, 200, 10), GREEN) + c.Count(CRect(150, 0, 200, 40), GREEN), 0);
}

TEST(Gdi, BitBltCopiesFromAMemoryContextAndClipsAtTheSourceEdge)
{
    Canvas src(10, 10);
    src.dc.FillSolidRect(0, 0, 10, 10, RED);
    src.dc.FillSolidRect(5, 5, 5, 5, BLUE);
    // Asking for more than the source holds copies only what is there.
    Canvas dst2(30, 30);
    EXPECT_TRUE(dst2.dc.BitBlt(0, 0, 20, 20, &src.dc, 5, 5, SRCCOPY));
    EXPECT_EQ(dst2.Count(CRect(0, 0, 5, 5), BLUE) + dst2.Count(CRect(0, 0, 30, 30), WHITE), 900);

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
    auto checker = [](int x, int y) { return (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255); };
    QImage img(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, checker(x, y));
    Canvas src(img);
    Canvas zoomed(10, 10, 2.0);
    zoomed.dc.BitBlt(1, 1, 4, 4, &src.dc, 0, 0, SRCCOPY);
    const QImage& out = zoomed.bmp.GetImage();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(out.pixel(2 + x, 2 + y), checker(x / 2, y / 2)) << x << "," << y;
    EXPECT_EQ(zoomed.bmp.GetSize(), CSize(10, 10));
}

TEST(Gdi, TransparentImageLeavesTheKeyColourOut)
{
    // A 4 x 2 strip: red key everywhere but one blue and one almost-red pixel.
    QImage strip(4, 2, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 0));
    strip.setPixel(1, 0, qRgb(0, 0, 255));
    strip.setPixel(2, 1, qRgb(254, 0, 0));
    Canvas src(strip);

    Canvas dst(20, 20);
    dst.dc.FillSolidRect(0, 0, 20, 20, GREEN);
    EXPECT_TRUE(dst.dc.TransparentImage(5, 5, 4, 2, &src.dc, 0, 0, 4, 2, RED));
    dst.Expect({{5, 5, GREEN}, {6, 5, BLUE}, {7, 6, RGB(254, 0, 0)}});
    EXPECT_EQ(dst.Count(CRect(0, 0, 20, 20), GREEN), 400 - 2);

    // Stretched to twice the size from a cell of the strip, straight from the bitmap.
    dst.dc.FillSolidRect(0, 0, 20, 20, GREEN);
    EXPECT_TRUE(dst.dc.TransparentImage(0, 0, 4, 4, &src.bmp, 1, 0, 2, 2, RED));
    dst.Expect({{0, 0, BLUE}, {1, 1, BLUE}, {2, 0, GREEN}, {2, 2, RGB(254, 0, 0)}, {0, 2, GREEN}});
}

TEST(Gdi, ScrollDCMovesPixelsInsideTheClipAndReportsTheUncoveredStrip)
{
    Canvas c(20, 20);
    for (int y = 0; y < 20; ++y)
        c.dc.FillSolidRect(0, y, 20, 1, RGB(0, y * 10, 0));
    const CRect rcScroll(0, 5, 20, 15);
    CRect rcUpdate;
    EXPECT_TRUE(c.dc.ScrollDC(0, -3, &rcScroll, &rcScroll, nullptr, &rcUpdate));
    // Rows 8 and 14 moved up to 5 and 11; row 4 is outside the clip; uncovered rows keep their pixels.
    c.Expect({{0, 5, RGB(0, 80, 0)}, {0, 11, RGB(0, 140, 0)}, {0, 4, RGB(0, 40, 0)}, {0, 12, RGB(0, 120, 0)}});
    EXPECT_EQ(rcUpdate, CRect(0, 12, 20, 15));

    c.dc.ScrollDC(4, 0, nullptr, nullptr, nullptr, &rcUpdate);
    EXPECT_EQ(rcUpdate, CRect(0, 0, 4, 20));
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
    dc.FillSolidRect(0, 0, 5, 5, RED); // must not touch the freed bitmap
    EXPECT_EQ(dc.GetPixel(0, 0), CDC::CLR_INVALID);
}
