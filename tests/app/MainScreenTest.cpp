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

TEST(MainScreen, ButtonsShowTheirLabelAndHighScoreInTheNormalTextColour)
{
    EXPECT_EQ(CMainScreenWnd::FormatHighScore(0), "High: 000000 ");
    EXPECT_EQ(CMainScreenWnd::FormatHighScore(1234567), "High: 1234567 ") << "never cut";
    AppSettings settings;
    settings.m_crCubeColor = RGB(0, 0, 192);
    settings.m_crFontNormalColor = RGB(255, 255, 0);
    Screen s(settings);
    // The label left and vertically centred, the score right at the top, both in the normal text colour.
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
}

TEST(MainScreen, TapsInsideAButtonShowItsGameAndEdgesFollowTheRectangleRule)
{
    AppSettings settings;
    Screen s(settings);
    // Button 1's top row, then outside: its bottom edge, its right edge, left of it; button 2's
    // top-left corner; button 3's last pixel; between buttons.
    for (CPoint pt : {CPoint(100, 18), CPoint(100, 71), CPoint(219, 40), CPoint(14, 40), CPoint(15, 89), CPoint(218, 212),
                      CPoint(120, 80)})
        s.wnd.OnLButtonDown(MK_LBUTTON, pt);
    EXPECT_EQ(s.parent.shown, (std::vector<int>{1, 2, 3}));

    // A real pen-down on the window arrives the same way.
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(60.5, 18.2), QPointF(60.5, 18.2), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(s.wnd.GetSafeHwnd(), &e);
    EXPECT_EQ(s.parent.shown, (std::vector<int>{1, 2, 3, 1}));
}
