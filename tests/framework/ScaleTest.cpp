// Screens shown at any factor: taps land on the logical pixel under them, drawing keeps its logical
// rules on the larger surface, bitmaps take their nearest larger drawing, child controls follow.
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "framework/ListBox.h"
#include "framework/Scale.h"
#include "framework/Wnd.h"

namespace {
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF WHITE = RGB(255, 255, 255);
const qreal FACTORS[] = {1.0, 1.25, 4.0 / 3.0, 1.5, 2.0, 2.5, 2.7, 3.14159, 4.0, 7.8358};

class CTapWnd : public CWnd {
public:
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, WHITE);
    }
    void OnLButtonDown(UINT, CPoint pt) override { downs.push_back(pt); }
    std::vector<CPoint> downs;
};

QImage Surface(int cx, int cy, qreal f)
{
    QImage img(int(std::ceil(cx * f - 1e-6)), int(std::ceil(cy * f - 1e-6)), QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setDevicePixelRatio(f);
    return img;
}

struct CCanvas {
    explicit CCanvas(const QImage& img)
    {
        bmp.Attach(img);
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bmp);
    }
    CBitmap bmp;
    CDC dc;
};
} // namespace

TEST(Scale, EveryDevicePixelOfALogicalPixelMapsBackToIt)
{
    for (qreal f : FACTORS) {
        for (int n = -2; n <= 270; ++n) {
            const int first = ToDevicePixel(n, f), next = ToDevicePixel(n + 1, f);
            ASSERT_GT(next, first) << f << " " << n; // no logical pixel vanishes at 1x or more
            ASSERT_EQ(ToLogicalPixel(first, f), n) << f << " " << n;
            ASSERT_EQ(ToLogicalPixel(next - 1, f), n) << f << " " << n;
        }
    }
}

TEST(Scale, TapsAtTheCornersOfEveryLogicalPixelLandOnIt)
{
    CTapWnd wnd;
    ASSERT_TRUE(wnd.Create(static_cast<QWidget*>(nullptr), 1, CRect(0, 0, 240, 268)));
    for (qreal f : FACTORS) {
        wnd.SetDisplayScale(f);
        CRect rc;
        wnd.GetClientRect(&rc);
        EXPECT_EQ(rc, CRect(0, 0, 240, 268)) << "logical size stays at " << f;
        for (int y = 0; y < 268; ++y)
            for (int x = 0; x < 240; ++x) {
                const QRect shown = wnd.LogicalToWidget(CRect(x, y, x + 1, y + 1));
                // Inside the shown square: just past its top-left corner and just short of the far one.
                ASSERT_EQ(wnd.WidgetToLogical(QPointF(shown.left() + 0.01, shown.top() + 0.01)), CPoint(x, y)) << f;
                ASSERT_EQ(wnd.WidgetToLogical(QPointF(shown.right() + 0.99, shown.bottom() + 0.99)), CPoint(x, y)) << f;
            }
    }
    // Real pen events go the same way.
    wnd.SetDisplayScale(2.5);
    for (int x : {0, 1, 2, 117, 239}) {
        const QRect shown = wnd.LogicalToWidget(CRect(x, 100, x + 1, 101));
        const QPointF pos(shown.right() + 0.9, shown.top() + 0.1);
        QMouseEvent press(QEvent::MouseButtonPress, pos, wnd.GetSafeHwnd()->mapToGlobal(pos), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(wnd.GetSafeHwnd(), &press);
        ASSERT_FALSE(wnd.downs.empty());
        EXPECT_EQ(wnd.downs.back(), CPoint(x, 100));
    }
}

TEST(Scale, TheSurfaceIsDrawnAtTheShownSizeWithTheSameLogicalRules)
{
    CTapWnd wnd;
    ASSERT_TRUE(wnd.Create(static_cast<QWidget*>(nullptr), 1, CRect(0, 0, 240, 268)));
    wnd.SetDisplayScale(2.5);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.GetSurface().size(), QSize(600, 670));
    EXPECT_EQ(wnd.GetSafeHwnd()->size(), QSize(600, 670));

    // Neighbouring one-pixel fills meet without a gap or an overlap; the right edge stays outside.
    CClientDC dc(&wnd);
    dc.FillSolidRect(0, 0, 1, 1, RED);
    dc.FillSolidRect(1, 0, 1, 1, BLUE);
    const QImage& img = wnd.GetSurface();
    EXPECT_EQ(img.pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(3, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(4, 0), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(5, 0), qRgb(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(1, 0), BLUE);
    EXPECT_EQ(dc.GetPixel(2, 0), WHITE);
}

TEST(Scale, ScrollingAtAFractionalFactorPutsPixelsWhereDrawingThemWould)
{
    for (qreal f : {1.5, 2.5, 2.7}) {
        // A striped column scrolled down by 7 logical pixels matches the same stripes drawn 7 lower.
        CCanvas scrolled(Surface(40, 120, f)), drawn(Surface(40, 120, f));
        for (int y = 0; y < 60; y += 3) {
            scrolled.dc.FillSolidRect(10, y, 20, 1, RED);
            drawn.dc.FillSolidRect(10, y + 7, 20, 1, RED);
        }
        const CRect rcScroll(10, 0, 30, 60), rcClip(10, 0, 30, 120);
        CRect rcUncovered;
        scrolled.dc.ScrollDC(0, 7, &rcScroll, &rcClip, nullptr, &rcUncovered);
        EXPECT_EQ(rcUncovered, CRect(10, 0, 30, 7));
        scrolled.dc.FillSolidRect(&rcUncovered, WHITE);
        drawn.dc.FillSolidRect(10, 0, 20, 7, WHITE);
        EXPECT_EQ(scrolled.bmp.GetImage(), drawn.bmp.GetImage()) << f;
    }
}

TEST(Scale, BitmapsUseTheirNearestLargerDrawing)
{
    // Each drawing in its own colour, so the copy shows which one was taken.
    QImage base(4, 4, QImage::Format_RGB32);
    base.fill(qRgb(255, 0, 0));
    CBitmap bmp;
    bmp.Attach(base);
    for (int k : {2, 4}) {
        QImage variant(4 * k, 4 * k, QImage::Format_RGB32);
        variant.fill(k == 2 ? qRgb(0, 0, 255) : qRgb(0, 255, 0));
        variant.setDevicePixelRatio(k);
        bmp.AddVariant(variant);
    }
    CDC dcMem;
    dcMem.CreateCompatibleDC(nullptr);
    dcMem.SelectObject(&bmp);
    const std::pair<qreal, COLORREF> aExpected[] = {{1.0, RED}, {1.5, BLUE}, {2.0, BLUE}, {2.5, RGB(0, 255, 0)}, {6.0, RGB(0, 255, 0)}};
    for (const auto& [f, cr] : aExpected) {
        CCanvas dst(Surface(10, 10, f));
        dst.dc.BitBlt(2, 2, 4, 4, &dcMem, 0, 0, SRCCOPY);
        EXPECT_EQ(dst.dc.GetPixel(3, 3), cr) << f;
        EXPECT_EQ(dst.dc.GetPixel(6, 3), WHITE) << f;
    }
    // Drawing on the bitmap makes its larger drawings stale: the changed bitmap is scaled instead.
    dcMem.FillSolidRect(0, 0, 4, 4, RGB(9, 9, 9));
    CCanvas dst(Surface(10, 10, 2.0));
    dst.dc.BitBlt(0, 0, 4, 4, &dcMem, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.dc.GetPixel(1, 1), RGB(9, 9, 9));
}

TEST(Scale, ListBoxesArePlacedAndSizedWithTheirWindow)
{
    CTapWnd wnd;
    ASSERT_TRUE(wnd.Create(static_cast<QWidget*>(nullptr), 1, CRect(0, 0, 240, 268)));
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_VISIBLE | LBS_MULTICOLUMN, CRect(20, 206, 240, 268), &wnd, 5));
    list.SetColumnWidth(73);
    EXPECT_EQ(list.GetSafeHwnd()->geometry(), QRect(20, 206, 220, 62));
    wnd.SetDisplayScale(2.5);
    EXPECT_EQ(list.GetSafeHwnd()->geometry(), QRect(50, 515, 550, 155));
    EXPECT_EQ(list.GetSafeHwnd()->font().pixelSize(), 28);
    EXPECT_EQ(static_cast<QListWidget*>(list.GetSafeHwnd())->gridSize().width(), 183);
    // Moved later, in logical pixels, it stays scaled.
    list.MoveWindow(CRect(0, 0, 100, 40));
    EXPECT_EQ(list.GetSafeHwnd()->geometry(), QRect(0, 0, 250, 100));
}

TEST(Scale, FirstWindowFitsMostOfTheDesktopKeepingTheScreensShape)
{
    EXPECT_DOUBLE_EQ(FitScale(QSize(480, 1000), 240, 268), 2.0);
    EXPECT_DOUBLE_EQ(FitScale(QSize(1000, 536), 240, 268), 2.0);
    // 1080p desktop with a 40-pixel panel: 85 % of 1040 less 70 pixels of bars.
    const QRect rc = FirstWindowGeometry(QRect(0, 40, 1920, 1040), QSize(0, 70), 240, 268);
    EXPECT_LE(rc.height(), int(1040 * 0.85));
    EXPECT_GE(rc.height(), int(1040 * 0.85) - 2);
    EXPECT_NEAR((rc.height() - 70) / 268.0, rc.width() / 240.0, 0.01);
    EXPECT_EQ(rc.center(), QRect(0, 40, 1920, 1040).center());
    // A desktop too small for more than 1x still gets the handheld's own size.
    EXPECT_EQ(FirstWindowGeometry(QRect(0, 0, 300, 300), QSize(0, 60), 240, 268).size(), QSize(240, 328));
}
