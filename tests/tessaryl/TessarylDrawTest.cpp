// Tessaryl hit testing on the shell's cube rectangle, the score digits and the selected letters.
#include "graphics/BitmapResource.h"
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylDraw : public CTessarylFixture {};

TEST_F(TessarylDraw, EveryCellIsHitAtItsCentreAndNothingOutsideTheCube)
{
    for (int n = 0; n < TESS_CELLS; ++n)
        EXPECT_EQ(m_wnd.HitCell(CellCentre(n)), n);
    // Inside the cube rectangle, beyond the side faces' outer corners: no cell.
    for (CPoint pt : {CPoint(16, 6), CPoint(220, 30), CPoint(16, 190)})
        EXPECT_EQ(m_wnd.HitCell(pt), -1) << pt.x << "," << pt.y;
}

TEST_F(TessarylDraw, ScoreDigitsStopAtTheirLargestValue)
{
    CBitmap bmp;
    ASSERT_TRUE(LoadBitmapResource(bmp, 160));
    const QImage digits = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
    // Is the 10 by 13 block at (x, 0) of the surface the digit d of the strip?
    auto shows = [&digits](const QImage& img, int x, int d) { return img.copy(x, 0, 10, 13) == digits.copy(10 * d, 0, 10, 13); };
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        Score() = nScore;
        m_wnd.DrawScore();
        const QImage img = Surface();
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(shows(img, 10 * k, pszDigits[k] - '0')) << nScore << " digit " << k;
        EXPECT_FALSE(shows(img, 0, 1)) << "the digit images differ";
    }
}

TEST_F(TessarylDraw, ASelectedLetterShowsInTheSelectedColour)
{
    SetBoard(std::vector<QString>(TESS_CELLS, QStringLiteral("W")));
    auto whiteInk = [this] {
        const QImage img = Surface();
        const CRect rc = CellTextRect(4);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
        return n;
    };
    EXPECT_EQ(whiteInk(), 0);
    TapCell(4);
    EXPECT_GT(whiteInk(), 5);
    TapCell(4); // tapping the last selected cell drops it
    EXPECT_EQ(whiteInk(), 0);
}
