// The main screen: fill and bevel colours, high-score text and taps.
#include <QMouseEvent>

#include "app/MainScreenWnd.h"
#include "tests/app/AppTestSupport.h"

namespace {
// A main screen alone under a parent that records WM_SHOWGAME.
class CRecordingParent : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM) override
    {
        if (message == WM_SHOWGAME)
            shown.push_back(int(wParam));
        return 0;
    }
    std::vector<int> shown;
};

struct Screen {
    explicit Screen(AppSettings& settings) : wnd(&settings)
    {
        parent.Create(static_cast<QWidget*>(nullptr), 59648, CRect(0, 0, 240, 268), FALSE);
        wnd.Create(&parent, 1200, CRect(0, 0, 240, 268), TRUE);
        wnd.UpdateWindow();
    }
    COLORREF Pixel(int x, int y)
    {
        CClientDC dc(&wnd);
        return dc.GetPixel(x, y);
    }
    CRecordingParent parent;
    CMainScreenWnd wnd;
};
} // namespace

TEST(MainScreen, HighScoresShowSixDigitsAtLeastAndNeverCut)
{
    EXPECT_EQ(CMainScreenWnd::FormatHighScore(0), "High: 000000 ");
    EXPECT_EQ(CMainScreenWnd::FormatHighScore(1234), "High: 001234 ");
    EXPECT_EQ(CMainScreenWnd::FormatHighScore(1234567), "High: 1234567 ");
}

TEST(MainScreen, ButtonsAreFilledFramedOneColumnWiderAndLabelled)
{
    AppSettings settings;
    settings.m_crCubeColor = RGB(0, 0, 192);
    settings.m_crFontNormalColor = RGB(255, 255, 0);
    Screen s(settings);
    const COLORREF light = RGB(32, 32, 224), dark = RGB(0, 0, 160), fill = RGB(0, 0, 192), face = GetSysColor(COLOR_BTNFACE);
    for (int nTop : {18, 89, 160}) { // buttons 15..219 wide, 53 high, on a 268-pixel screen
        SCOPED_TRACE(nTop);
        const int nBottom = nTop + 53;
        const struct {
            int x, y;
            COLORREF cr;
        } aPixels[] = {
            {120, nTop, light},   {15, nTop + 30, light},          // top and left edges
            {219, nTop + 30, dark}, {219, nTop, dark},             // right edge one column past the fill, owning its corner
            {120, nBottom - 1, dark}, {15, nBottom - 1, dark},     // bottom edge on the fill's last row
            {218, nBottom - 2, fill}, {16, nTop + 1, fill},
            {220, nTop + 30, face}, {120, nBottom, face},          // no picture: the button face colour
        };
        for (const auto& p : aPixels)
            EXPECT_EQ(s.Pixel(p.x, p.y), p.cr) << p.x << "," << p.y;
    }
    // Tessaryl's label and high score in the normal text colour: the label left and vertically centred, the score right at the top.
    int nLabelInk = 0, nScoreInk = 0, nElsewhere = 0;
    for (int y = 19; y < 70; ++y)
        for (int x = 16; x < 218; ++x) {
            const COLORREF c = s.Pixel(x, y);
            if (GetRValue(c) > 128 && GetGValue(c) > 128) // yellow, or mostly so at the edges
                ++(x < 120 && y > 30 ? nLabelInk : x >= 120 && y < 38 ? nScoreInk : nElsewhere);
        }
    EXPECT_GT(nLabelInk, 100);
    EXPECT_GT(nScoreInk, 50);
    EXPECT_EQ(nElsewhere, 0);
    EXPECT_EQ(s.Pixel(0, 0), face);
    EXPECT_EQ(s.Pixel(239, 267), face);

    // A new tile colour shows at the next paint.
    settings.m_crCubeColor = RGB(200, 100, 0);
    s.wnd.Invalidate(FALSE);
    s.wnd.UpdateWindow();
    EXPECT_EQ(s.Pixel(120, 58), RGB(200, 100, 0));
    EXPECT_EQ(s.Pixel(219, 40), RGB(168, 68, 0));
}

TEST(MainScreen, TapsInsideAButtonShowItsGameAndEdgesFollowTheRectangleRule)
{
    AppSettings settings;
    Screen s(settings);
    for (CPoint pt : {CPoint(100, 18),   // top row of button 1
                      CPoint(100, 71),   // its bottom edge: outside
                      CPoint(219, 40),   // right edge: outside
                      CPoint(14, 40),    // left of the left edge
                      CPoint(15, 89),    // top-left corner of button 2
                      CPoint(218, 212),  // last pixel of button 3
                      CPoint(120, 80)})  // between buttons
        s.wnd.OnLButtonDown(MK_LBUTTON, pt);
    EXPECT_EQ(s.parent.shown, (std::vector<int>{1, 2, 3}));

    // A real pen-down on the window arrives the same way.
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(60.5, 18.2), QPointF(60.5, 18.2), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(s.wnd.GetSafeHwnd(), &e);
    EXPECT_EQ(s.parent.shown, (std::vector<int>{1, 2, 3, 1}));
}
