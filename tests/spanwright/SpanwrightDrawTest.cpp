// Spanwright drawing: the background, the chasm, the bridge, the animal, the tiles and the score.
#include "tests/spanwright/SpanwrightTestSupport.h"

class SpanwrightDraw : public CSpanwrightFixture {
protected:
    QImage Repainted()
    {
        m_wnd.Invalidate();
        m_wnd.UpdateWindow();
        return LogicalSurface(m_wnd);
    }
    const QRgb BLUE = qRgb(0, 0, 255);
};

TEST_F(SpanwrightDraw, SceneBridgeAndWalker)
{
    QImage img = Repainted();
    EXPECT_EQ(img.pixel(120, 110), ToRgb(GetSysColor(COLOR_BTNFACE))); // no picture: the button face
    EXPECT_EQ(img.pixel(120, 60), BLUE);
    // The four buttons are drawn where their taps land.
    const std::pair<UINT, int> aButtons[] = {{133, 130}, {134, 179}, {146, 216}, {147, 248}};
    for (const auto& [nId, y] : aButtons) {
        CBitmap bmp;
        ASSERT_TRUE(LoadBitmapResource(bmp, nId));
        EXPECT_EQ(img.pixel(10, y + 10), bmp.GetImage().convertToFormat(QImage::Format_RGB32).pixel(10, 10)) << nId;
    }

    StartWith("CATSDOG");
    ASSERT_TRUE(m_wnd.LoadFromText(QStringLiteral("0\t40\t3\t10\t5000\tC\t-1\tA\t-1\tT\t-1\tS\t-1\tD\t-1\tO\t-1\tG\t-1\t0\t")));
    img = Repainted();
    // Ten segments: 60 pixels from x 27; beyond them the chasm.
    EXPECT_LT(CountPixels(img, CRect(27, 78, 87, 85), BLUE), 60 * 7 * 3 / 4);
    EXPECT_EQ(CountPixels(img, CRect(90, 78, 200, 85), BLUE), 110 * 7);
    EXPECT_LT(CountPixels(img, CRect(40, 52, 80, 78), BLUE), 40 * 26 * 3 / 4); // the animal over the chasm
}

TEST_F(SpanwrightDraw, LettersInTheirRowsAndScore)
{
    m_settings.m_crFontNormalColor = RGB(255, 255, 0);
    StartWith("CATSDOG");
    TapTile(6);
    TapTile(2);
    const QImage img = LogicalSurface(m_wnd);
    const QRgb text = qRgb(255, 255, 0);
    // G and T went up to word places 0 and 1; their letter-row places are blank tiles.
    for (int i = 0; i < SPAN_TILES; ++i) {
        const CRect rcTile(20 + 30 * i, 175, 50 + 30 * i, 205);
        const CRect rcSlot(20 + 30 * i, 125, 50 + 30 * i, 155);
        EXPECT_EQ(CountPixels(img, rcTile, text) > 0, i != 2 && i != 6) << "tile " << i;
        EXPECT_EQ(CountPixels(img, rcSlot, text) > 0, i < 2) << "slot " << i;
        // Blank or not, every place is a raised tile of the tile colour.
        EXPECT_EQ(img.pixel(rcTile.left, rcTile.top + 5), ToRgb(ShadeColor(RGB(0, 0, 192), 32)));
        EXPECT_EQ(img.pixel(rcSlot.right - 1, rcSlot.top + 5), ToRgb(ShadeColor(RGB(0, 0, 192), -32)));
    }

    // Past six digits the display stays at its largest value rather than reaching past the strip.
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        ASSERT_TRUE(m_wnd.LoadFromText(QString::number(nScore) +
                                       QStringLiteral("\t0\t0\t0\t5000\tC\t-1\tA\t-1\tT\t-1\tS\t-1\tD\t-1\tO\t-1\tG\t-1\t0\t")));
        m_wnd.DrawScore();
        EXPECT_TRUE(ShowsDigits(LogicalSurface(m_wnd), 89, pszDigits)) << nScore;
    }
    EXPECT_FALSE(ShowsDigits(LogicalSurface(m_wnd), 89, "234567")); // not wrapped either
}
