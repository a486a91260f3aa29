// Windows: retained surface and repaint rules, pen events, timers, messages, settings, help, zoom.
#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/Files.h"
#include "framework/Help.h"
#include "framework/Profile.h"
#include "framework/Wnd.h"
#include "framework/Zoom.h"
#include "tests/support/TestEnv.h"

namespace {
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

class CProbeWnd : public CWnd {
public:
    void OnPaint() override
    {
        ++nPaints;
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, crFill);
    }
    void OnLButtonDown(UINT nFlags, CPoint pt) override { downs.push_back({nFlags, pt}); }
    void OnLButtonUp(UINT nFlags, CPoint pt) override { ups.push_back({nFlags, pt}); }
    void OnMouseMove(UINT nFlags, CPoint pt) override { moves.push_back({nFlags, pt}); }
    void OnTimer(UINT_PTR nId) override { timers.push_back(nId); }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override
    {
        messages.push_back({msg, w, l});
        return LRESULT(w * 2);
    }

    struct Pen {
        UINT nFlags;
        CPoint pt;
    };
    struct Msg {
        UINT msg;
        WPARAM w;
        LPARAM l;
    };
    int nPaints = 0;
    COLORREF crFill = RED;
    std::vector<Pen> downs, ups, moves;
    std::vector<UINT_PTR> timers;
    std::vector<Msg> messages;
};

void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void SendMouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

COLORREF SurfacePixel(CWnd& wnd, int x, int y)
{
    CClientDC dc(&wnd);
    return dc.GetPixel(x, y);
}
} // namespace

TEST(Wnd, PaintsOnlyWhenInvalidatedAndKeepsDirectDrawingBetweenPaints)
{
    QWidget top;
    top.resize(240, 268);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Create(&top, 1200, CRect(0, 0, 240, 268), TRUE));
    EXPECT_FALSE(wnd.Create(&top, 1200, CRect(0, 0, 240, 268), TRUE));
    CRect rc;
    wnd.GetClientRect(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 240, 268));
    EXPECT_EQ(wnd.GetDlgCtrlID(), 1200);

    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 1);
    EXPECT_EQ(SurfacePixel(wnd, 239, 267), RED);

    // Drawing through the window's own context changes only what it touches.
    CDC* pDC = wnd.GetDC();
    ASSERT_NE(pDC, nullptr);
    pDC->FillSolidRect(10, 10, 5, 5, BLUE);
    wnd.ReleaseDC(pDC);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 1);
    EXPECT_EQ(SurfacePixel(wnd, 12, 12), BLUE);

    wnd.crFill = RGB(0, 255, 0);
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 2);
    EXPECT_EQ(SurfacePixel(wnd, 12, 12), RGB(0, 255, 0));
}

TEST(Wnd, ShowingAHiddenWindowRepaintsItAndHidingIsReported)
{
    QWidget top;
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Create(&top, 1201, CRect(0, 0, 50, 50), FALSE));
    EXPECT_FALSE(wnd.IsWindowVisible());
    wnd.UpdateWindow();
    const int n = wnd.nPaints;
    EXPECT_FALSE(wnd.ShowWindow(SW_SHOW));
    EXPECT_TRUE(wnd.IsWindowVisible());
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, n + 1);
    // Showing a shown window does not repaint.
    EXPECT_TRUE(wnd.ShowWindow(SW_SHOW));
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, n + 1);
    EXPECT_TRUE(wnd.ShowWindow(SW_HIDE));
    EXPECT_FALSE(wnd.IsWindowVisible());
}

TEST(Wnd, PenEventsArriveInWindowCoordinatesWithTheButtonFlag)
{
    QWidget top;
    top.resize(100, 100);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Create(&top, 1, CRect(10, 10, 90, 90), TRUE));
    QWidget* w = wnd.GetSafeHwnd();
    SendMouse(w, QEvent::MouseButtonPress, QPointF(18.7, 71.2), Qt::LeftButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseMove, QPointF(20, 30), Qt::NoButton, Qt::LeftButton);
    SendMouse(w, QEvent::MouseButtonRelease, QPointF(21, 31), Qt::LeftButton, Qt::NoButton);
    // A quick second tap arrives as a double click and still counts as a pen-down.
    SendMouse(w, QEvent::MouseButtonDblClick, QPointF(5, 6), Qt::LeftButton, Qt::LeftButton);
    // Other buttons are not the pen.
    SendMouse(w, QEvent::MouseButtonPress, QPointF(1, 1), Qt::RightButton, Qt::RightButton);

    ASSERT_EQ(wnd.downs.size(), 2u);
    EXPECT_EQ(wnd.downs[0].pt, CPoint(18, 71));
    EXPECT_EQ(wnd.downs[0].nFlags, MK_LBUTTON);
    EXPECT_EQ(wnd.downs[1].pt, CPoint(5, 6));
    ASSERT_EQ(wnd.moves.size(), 1u);
    EXPECT_EQ(wnd.moves[0].nFlags, MK_LBUTTON);
    ASSERT_EQ(wnd.ups.size(), 1u);
    EXPECT_EQ(wnd.ups[0].pt, CPoint(21, 31));
}

TEST(Wnd, TimersFireByIdAndAreRearmedOrKilled)
{
    QWidget top;
    CProbeWnd wnd;
    EXPECT_EQ(wnd.SetTimer(1, 10), 0u); // no window yet
    ASSERT_TRUE(wnd.Create(&top, 1, CRect(0, 0, 10, 10), TRUE));
    EXPECT_EQ(wnd.SetTimer(1, 5000), 1u);
    EXPECT_EQ(wnd.SetTimer(1, 10), 1u); // re-armed with the shorter delay
    EXPECT_EQ(wnd.SetTimer(7, 5000), 7u);
    Spin(80);
    ASSERT_FALSE(wnd.timers.empty());
    for (UINT_PTR id : wnd.timers)
        EXPECT_EQ(id, 1u);
    EXPECT_TRUE(wnd.KillTimer(1));
    EXPECT_FALSE(wnd.KillTimer(1));
    const size_t n = wnd.timers.size();
    Spin(40);
    EXPECT_EQ(wnd.timers.size(), n);
}

TEST(Wnd, MessagesAreDeliveredSynchronouslyToTheParent)
{
    QWidget top;
    CProbeWnd parent;
    CProbeWnd child;
    ASSERT_TRUE(parent.Create(&top, 59648, CRect(0, 0, 240, 268), TRUE));
    ASSERT_TRUE(child.Create(&parent, 1200, CRect(0, 0, 240, 268), TRUE));
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(child.GetParent()->SendMessage(WM_USER + 1, 3, 0), 6);
    ASSERT_EQ(parent.messages.size(), 1u);
    EXPECT_EQ(parent.messages[0].msg, WM_USER + 1);
    EXPECT_EQ(parent.messages[0].w, 3u);
    // Destroying the parent's window first must not leave the child dangling.
    parent.DestroyWindow();
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(child.IsWindowVisible());
}

TEST(Profile, IntegersAndStringsRoundTripAndBadValuesGiveTheDefault)
{
    const QString section = "ProfileTest";
    EXPECT_EQ(GetProfileInt(section, "Missing", 42), 42);
    EXPECT_EQ(GetProfileString(section, "Missing", "def"), "def");
    ASSERT_TRUE(WriteProfileInt(section, "CubeColor", 12582912));
    ASSERT_TRUE(WriteProfileString(section, "Dictionary", "/x/data/English Comprehensive07.dct"));
    EXPECT_EQ(GetProfileInt(section, "CubeColor", 0), 12582912);
    EXPECT_EQ(GetProfileString(section, "Dictionary"), "/x/data/English Comprehensive07.dct");

    QSettings raw("Brasswinkle", "Quillotrix");
    raw.beginGroup(section);
    raw.setValue("Garbage", "12abc");
    raw.setValue("Unsigned", "4294967295");
    raw.sync();
    EXPECT_EQ(GetProfileInt(section, "Garbage", 7), 7);
    EXPECT_EQ(GetProfileInt(section, "Unsigned", 7), -1);
    // Integers are written as plain numbers in the file.
    EXPECT_EQ(raw.value("CubeColor").toString(), "12582912");
}

TEST(Help, CommandLinesOpenTheProgramFoldersFileAtTheAnchor)
{
    QFile f(TestProgramFolder() + "Quillotrix.htm");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QUrl url = HelpUrlFromCommandLine("file:Quillotrix.htm#Tessaryl");
    EXPECT_EQ(url.toLocalFile(), TestProgramFolder() + "Quillotrix.htm");
    EXPECT_EQ(url.fragment(), "Tessaryl");
    // Without the prefix and in other letter case the same file is found.
    const QUrl plain = HelpUrlFromCommandLine("quillotrix.htm#Main_Contents");
    EXPECT_EQ(plain.toLocalFile(), TestProgramFolder() + "Quillotrix.htm");
    EXPECT_EQ(plain.fragment(), "Main_Contents");
    EXPECT_TRUE(HelpUrlFromCommandLine("file:../etc/passwd#x").isEmpty());
    EXPECT_TRUE(HelpUrlFromCommandLine("").isEmpty());

    // The forwarding page keeps the anchor and cannot be broken out of by odd characters.
    const QByteArray page = HelpRedirectPage(url);
    EXPECT_TRUE(page.contains("url=" + url.toEncoded() + "\""));
    EXPECT_TRUE(url.toEncoded().endsWith("#Tessaryl"));
    const QByteArray odd = HelpRedirectPage(QUrl::fromLocalFile("/tmp/a\"b<c>.htm"));
    EXPECT_FALSE(odd.contains("a\"b"));
    EXPECT_FALSE(odd.contains("<c>"));

    QStringList seen;
    SetHelpViewerStarter([&](const QString& s) { seen << s; });
    StartHelpViewer("file:Quillotrix.htm#Cascadio");
    SetHelpViewerStarter({});
    EXPECT_EQ(seen, QStringList{"file:Quillotrix.htm#Cascadio"});
}

TEST(Zoom, GrowsWithTheScreenInWholeSteps)
{
    EXPECT_EQ(ChooseZoom(600), 1);
    EXPECT_EQ(ChooseZoom(768), 1);
    EXPECT_EQ(ChooseZoom(1080), 2);
    EXPECT_EQ(ChooseZoom(1440), 2);
    EXPECT_EQ(ChooseZoom(1600), 3);
    EXPECT_EQ(ChooseZoom(2160), 4);
    EXPECT_EQ(ChooseZoom(0), 1);
}
