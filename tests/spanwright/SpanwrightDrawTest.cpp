// Spanwright drawing: the background, the chasm, the bridge, the animal, the tiles and the score.
#include "graphics/BitmapResource.h"
#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightDraw : public CSpanwrightFixture {
protected:
    static QRgb Rgb(COLORREF cr) { return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }
    // Pixels of the rectangle that have the colour.
    static int Count(const QImage& img, const CRect& rc, QRgb rgb)
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += img.pixel(x, y) == rgb;
        return n;
    }
    void Repaint()
    {
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
    }
    const QRgb BLUE = qRgb(0, 0, 255);
};

TEST_F(SpanwrightDraw, SceneBackgroundAndButtons)
{
    Repaint();
    const QImage img = LogicalSurface(m_wnd);
    EXPECT_EQ(img.pixel(120, 110), Rgb(GetSysColor(COLOR_BTNFACE))); // no picture: the button face
    EXPECT_EQ(img.pixel(120, 60), BLUE);
    for (const CPoint pt : {CPoint(3, 20), CPoint(3, 99), CPoint(233, 99), CPoint(233, 20), CPoint(120, 20)})
        EXPECT_EQ(img.pixel(pt.x, pt.y), qRgb(0, 0, 0)) << pt.x << "," << pt.y;
    // The banks and the four buttons are their bitmaps.
    const struct {
        UINT nId;
        int x, y;
    } aBitmaps[] = {{138, 4, 78}, {139, 210, 78}, {133, 0, 130}, {134, 0, 179}, {146, 0, 216}, {147, 0, 248}};
    for (const auto& b : aBitmaps) {
        CBitmap bmp;
        ASSERT_TRUE(LoadBitmapResource(bmp, b.nId));
        const QImage src = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
        // Away from the panel's edge lines, which are drawn over the banks.
        EXPECT_EQ(img.pixel(b.x + 10, b.y + 10), src.pixel(10, 10)) << b.nId;
    }
}

TEST_F(SpanwrightDraw, BridgeWalkerAndGameOver)
{
    CBitmap bmpWalker;
    ASSERT_TRUE(LoadBitmapResource(bmpWalker, 145));
    const QImage walker = bmpWalker.GetImage().convertToFormat(QImage::Format_RGB32);
    StartWith("CATSDOG");
    m_wnd.m_nBridgeLen = 10;
    m_wnd.m_nWalkerX = 40;
    m_wnd.m_nWalkerFrame = 3;
    Repaint();
    QImage img = LogicalSurface(m_wnd);
    // Ten segments: 60 pixels from x 27; beyond them the chasm.
    EXPECT_LT(Count(img, CRect(27, 78, 87, 85), BLUE), 60 * 7 * 3 / 4);
    EXPECT_EQ(Count(img, CRect(90, 78, 200, 85), BLUE), 110 * 7);
    // Frame 3 of the strip at x 43.
    int nSame = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 36; ++x)
            nSame += img.pixel(43 + x, 29 + y) == walker.pixel(108 + x, y);
    EXPECT_GT(nSame, 36 * 50 * 9 / 10); // the bridge shows through where it is drawn after

    // After the fall the animal is gone and the label shows.
    m_wnd.m_bGameOver = TRUE;
    m_wnd.m_bRunning = FALSE;
    Repaint();
    img = LogicalSurface(m_wnd);
    EXPECT_EQ(Count(img, CRect(40, 52, 80, 78), BLUE), 40 * 26);
    EXPECT_GT(Count(img, CRect(4, 29, 232, 50), qRgb(255, 255, 255)), 100);
    EXPECT_GT(Count(img, CRect(4, 29, 232, 50), qRgb(0, 0, 0)), 20);
}

TEST_F(SpanwrightDraw, LettersInTheirRows)
{
    m_settings.m_crFontNormalColor = RGB(255, 255, 0);
    StartWith("CATSDOG");
    TapTile(6);
    TapTile(2);
    const QImage img = LogicalSurface(m_wnd);
    const QRgb text = qRgb(255, 255, 0);
    // G and T went up to word places 0 and 1; their letter-row places are blank tiles.
    for (int i = 0; i < SPAN_TILES; ++i) {
        const bool bInWord = i == 2 || i == 6;
        EXPECT_EQ(Count(img, m_wnd.m_rcTile[i], text) > 0, !bInWord) << "tile " << i;
        EXPECT_EQ(Count(img, m_wnd.m_rcSlot[i], text) > 0, i < 2) << "slot " << i;
        // Blank or not, every place is a raised tile of the tile colour.
        EXPECT_EQ(img.pixel(m_wnd.m_rcTile[i].left, m_wnd.m_rcTile[i].top + 5), Rgb(ShadeColor(RGB(0, 0, 192), 32)));
        EXPECT_EQ(img.pixel(m_wnd.m_rcSlot[i].right - 1, m_wnd.m_rcSlot[i].top + 5), Rgb(ShadeColor(RGB(0, 0, 192), -32)));
    }
}

TEST_F(SpanwrightDraw, ScoreDigits)
{
    CBitmap bmp;
    ASSERT_TRUE(LoadBitmapResource(bmp, 160));
    const QImage digits = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
    auto shows = [&digits](const QImage& img, int x, int d) {
        for (int dy = 0; dy < 13; ++dy)
            for (int dx = 0; dx < 10; ++dx)
                if (img.pixel(x + dx, dy) != digits.pixel(10 * d + dx, dy))
                    return false;
        return true;
    };
    // Past six digits the display stays at its largest value rather than reaching past the strip.
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        m_wnd.m_nScore = nScore;
        m_wnd.DrawScore();
        const QImage img = LogicalSurface(m_wnd);
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(shows(img, 89 + 10 * k, pszDigits[k] - '0')) << nScore << " digit " << k;
    }
}
