// Tessaryl geometry, drawing and hit testing on the shell's cube rectangle.
#include <QWidget>

#include "graphics/BitmapResource.h"
#include "tests/tessaryl/TessarylTestSupport.h"

class TessarylDraw : public CTessarylFixture {};

TEST_F(TessarylDraw, CellShapesFromTheCubeRectangle)
{
    // a = 35, b = 14, c = 38.
    const CPoint* p0 = m_wnd.m_aptCell[0];
    EXPECT_EQ(p0[0], CPoint(15, 47));
    EXPECT_EQ(p0[1], CPoint(50, 33));
    EXPECT_EQ(p0[2], CPoint(85, 47));
    EXPECT_EQ(p0[3], CPoint(50, 61));
    const CPoint* p26 = m_wnd.m_aptCell[26];
    EXPECT_EQ(p26[0], CPoint(190, 137));
    EXPECT_EQ(p26[2], CPoint(225, 161));
    EXPECT_EQ(m_wnd.m_aptCell[17][2], CPoint(120, 203)); // the cube reaches y 203
    EXPECT_EQ(m_wnd.m_arcCellText[4].Width(), 35);
    EXPECT_EQ(m_wnd.m_arcCellText[4].Height(), 20);
    EXPECT_EQ(m_wnd.m_arcCellText[13].Height(), 24);
    EXPECT_EQ(m_wnd.m_arcCellText[22].Height(), 24);
}

TEST_F(TessarylDraw, HitTesting)
{
    // The three faces meet at (120, 89): the front corner of cells 6, 11 and 18.
    EXPECT_EQ(m_wnd.m_aptCell[6][3], CPoint(120, 89));
    EXPECT_EQ(m_wnd.m_aptCell[11][1], CPoint(120, 89));
    EXPECT_EQ(m_wnd.m_aptCell[18][0], CPoint(120, 89));
    EXPECT_EQ(m_wnd.HitCell(CPoint(120, 89)), 6);

    // Cells 0 and 9 share the edge (15,47)-(50,61): points on it belong to cell 0.
    EXPECT_EQ(m_wnd.HitCell(CPoint(20, 49)), 0);
    EXPECT_EQ(m_wnd.HitCell(CPoint(45, 59)), 0);
    EXPECT_EQ(m_wnd.HitCell(CPoint(20, 50)), 9);
    EXPECT_EQ(m_wnd.HitCell(CPoint(20, 48)), 0);

    // Inside the cube rectangle, above the side faces' outer corners: no cell.
    EXPECT_EQ(m_wnd.HitCell(CPoint(16, 6)), -1);
    EXPECT_EQ(m_wnd.HitCell(CPoint(20, 30)), -1);
    EXPECT_EQ(m_wnd.HitCell(CPoint(220, 30)), -1);
    EXPECT_EQ(m_wnd.HitCell(CPoint(16, 190)), -1);

    // Every cell's centre hits that cell.
    for (int n = 0; n < TESS_CELLS; ++n)
        EXPECT_EQ(m_wnd.HitCell(CellCentre(n)), n);
}

namespace {
// Is the 10 by 13 block at (x, 0) of the surface the digit d of the digit strip?
bool ShowsDigit(const QImage& surface, const QImage& digits, int x, int d)
{
    for (int dy = 0; dy < 13; ++dy)
        for (int dx = 0; dx < 10; ++dx)
            if (surface.pixel(x + dx, dy) != digits.pixel(10 * d + dx, dy))
                return false;
    return true;
}
} // namespace

TEST_F(TessarylDraw, ScoreDigits)
{
    CBitmap bmp;
    ASSERT_TRUE(LoadBitmapResource(bmp, 160));
    const QImage digits = bmp.GetImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(digits.width(), 100);

    m_wnd.m_nScore = 525;
    m_wnd.DrawScore();
    QImage img = Surface();
    const int anExpected[6] = {0, 0, 0, 5, 2, 5};
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(ShowsDigit(img, digits, 10 * k, anExpected[k])) << "digit " << k;
        if (k == 3)
            EXPECT_FALSE(ShowsDigit(img, digits, 10 * k, 0));
    }
    // Beyond the six digits the display stays at its largest value instead of wrapping.
    m_wnd.m_nScore = 1234567;
    m_wnd.DrawScore();
    img = Surface();
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(ShowsDigit(img, digits, 10 * k, 9));
}

namespace {
int CountColour(const QImage& img, const CRect& rc, QRgb rgb)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return n;
}
} // namespace

TEST_F(TessarylDraw, FacesLettersAndSelection)
{
    SetBoard(std::vector<QString>(27, QStringLiteral("W")));
    QImage img = Surface();
    // Face colours: the tile colour on top, lighter on the left, darker on the right.
    EXPECT_EQ(img.pixel(CellCentre(4).x, CellCentre(4).y + 8) & 0xFFFFFF, 0x0000C0u);
    EXPECT_EQ(img.pixel(CellCentre(13).x - 12, CellCentre(13).y + 12) & 0xFFFFFF, 0x2020E0u);
    EXPECT_EQ(img.pixel(CellCentre(22).x + 12, CellCentre(22).y + 12) & 0xFFFFFF, 0x0000A0u);
    // The edge pen is black.
    EXPECT_EQ(img.pixel(50, 33) & 0xFFFFFF, 0u);

    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(CountColour(img, m_wnd.m_arcCellText[4], white), 0);
    TapCell(4);
    img = Surface();
    EXPECT_GT(CountColour(img, m_wnd.m_arcCellText[4], white), 5) << "the selected letter shows in the selected colour";
    TapCell(4); // tapping the last selected cell drops it
    img = Surface();
    EXPECT_EQ(CountColour(img, m_wnd.m_arcCellText[4], white), 0);
}

TEST_F(TessarylDraw, UsedWordListBox)
{
    QWidget* pList = m_wnd.m_wndUsedWords.GetSafeHwnd();
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->geometry(), QRect(20, 268 - 62, 220, 62));
    EXPECT_EQ(m_wnd.m_wndUsedWords.GetDlgCtrlID(), 1000u);
}
