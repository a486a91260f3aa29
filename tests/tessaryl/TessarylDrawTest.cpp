// Tessaryl geometry, drawing and hit testing on the shell's cube rectangle.
#include "graphics/BitmapResource.h"
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylDraw : public CTessarylFixture {};

TEST_F(TessarylDraw, CellShapesAndHitTesting)
{
    // The cube spans its rectangle from side to side.
    EXPECT_TRUE(CellCorners(0)[0].x == 15 && CellCorners(26)[2].x == 225);
    // The three faces meet at (120, 89), the front corner of cells 6, 11 and 18; cell 6 owns it.
    EXPECT_TRUE(CellCorners(6)[3] == CPoint(120, 89) && CellCorners(11)[1] == CPoint(120, 89) &&
                CellCorners(18)[0] == CPoint(120, 89));
    const struct {
        CPoint pt;
        int nCell;
    } aHits[] = {
        {{120, 89}, 6},
        // Cells 0 and 9 share the edge (15,47)-(50,61): points on it belong to cell 0.
        {{20, 49}, 0}, {{45, 59}, 0}, {{20, 48}, 0}, {{20, 50}, 9},
        // Inside the cube rectangle, beyond the side faces' outer corners: no cell.
        {{16, 6}, -1}, {{20, 30}, -1}, {{220, 30}, -1}, {{16, 190}, -1},
    };
    for (const auto& hit : aHits)
        EXPECT_EQ(m_wnd.HitCell(hit.pt), hit.nCell) << hit.pt.x << "," << hit.pt.y;
    for (int n = 0; n < TESS_CELLS; ++n)
        EXPECT_EQ(m_wnd.HitCell(CellCentre(n)), n);
}

TEST_F(TessarylDraw, ScoreDigits)
{
    CBitmap bmp;
    ASSERT_TRUE(LoadBitmapResource(bmp, 160));
    const QImage digits = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(digits.width(), 100);
    // Is the 10 by 13 block at (x, 0) of the surface the digit d of the strip?
    auto shows = [&digits](const QImage& img, int x, int d) {
        for (int dy = 0; dy < 13; ++dy)
            for (int dx = 0; dx < 10; ++dx)
                if (img.pixel(x + dx, dy) != digits.pixel(10 * d + dx, dy))
                    return false;
        return true;
    };
    // Beyond six digits the display stays at its largest value instead of wrapping.
    for (const auto& [nScore, pszDigits] : {std::pair{525, "000525"}, std::pair{1234567, "999999"}}) {
        Score() = nScore;
        m_wnd.DrawScore();
        const QImage img = Surface();
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(shows(img, 10 * k, pszDigits[k] - '0')) << nScore << " digit " << k;
    }
    EXPECT_FALSE(shows(Surface(), 30, 0)) << "the digit images differ";
}

TEST_F(TessarylDraw, FacesLettersAndSelection)
{
    SetBoard(std::vector<QString>(TESS_CELLS, QStringLiteral("W")));
    QImage img = Surface();
    // The tile colour on top, lighter on the left, darker on the right; black edges.
    EXPECT_EQ(img.pixel(CellCentre(4).x, CellCentre(4).y + 8) & 0xFFFFFF, 0x0000C0u);
    EXPECT_EQ(img.pixel(CellCentre(13).x - 12, CellCentre(13).y + 12) & 0xFFFFFF, 0x2020E0u);
    EXPECT_EQ(img.pixel(CellCentre(22).x + 12, CellCentre(22).y + 12) & 0xFFFFFF, 0x0000A0u);
    EXPECT_EQ(img.pixel(50, 33) & 0xFFFFFF, 0u);

    auto whiteInk = [this] {
        const QImage img = Surface();
        const CRect& rc = CellTextRect(4);
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += (img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
        return n;
    };
    EXPECT_EQ(whiteInk(), 0);
    TapCell(4);
    EXPECT_GT(whiteInk(), 5) << "the selected letter shows in the selected colour";
    TapCell(4); // tapping the last selected cell drops it
    EXPECT_EQ(whiteInk(), 0);
}
