// Windows: retained surface and repaint rules, pen events, timers, messages, settings, help, message box.
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QMouseEvent>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "framework/Files.h"
#include "framework/Help.h"
#include "framework/MessageBox.h"
#include "framework/Profile.h"
#include "framework/Wnd.h"
#include "tests/support/TestEnv.h"

namespace {
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);

// A window that fills itself with one colour and records what reaches it.
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
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM) override
    {
        messages.push_back({msg, w});
        return LRESULT(w * 2);
    }
    COLORREF Pixel(int x, int y)
    {
        CClientDC dc(this);
        return dc.GetPixel(x, y);
    }

    int nPaints = 0;
    COLORREF crFill = RED;
    std::vector<std::pair<UINT, CPoint>> downs, ups, moves;
    std::vector<UINT_PTR> timers;
    std::vector<std::pair<UINT, WPARAM>> messages;
};

void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

TEST(Wnd, PaintsOnlyWhenInvalidatedOrShownAndKeepsDirectDrawingBetweenPaints)
{
    QWidget top;
    top.resize(240, 268);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Create(&top, 1200, CRect(0, 0, 240, 268), TRUE));
    EXPECT_FALSE(wnd.Create(&top, 1200, CRect(0, 0, 240, 268), TRUE));
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 1);
    EXPECT_EQ(wnd.Pixel(239, 267), RED);

    // Drawing through the window's own context changes only what it touches.
    CDC* pDC = wnd.GetDC();
    pDC->FillSolidRect(10, 10, 5, 5, BLUE);
    wnd.ReleaseDC(pDC);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 1);
    EXPECT_EQ(wnd.Pixel(12, 12), BLUE);

    wnd.crFill = RGB(0, 255, 0);
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.nPaints, 2);
    EXPECT_EQ(wnd.Pixel(12, 12), RGB(0, 255, 0));

    // Showing a hidden window repaints it; showing a shown one does not.
    EXPECT_TRUE(wnd.ShowWindow(SW_HIDE));
    EXPECT_FALSE(wnd.IsWindowVisible());
    for (BOOL bWasVisible : {FALSE, TRUE}) {
        EXPECT_EQ(wnd.ShowWindow(SW_SHOW), bWasVisible);
        wnd.UpdateWindow();
        EXPECT_EQ(wnd.nPaints, 3);
    }
}

TEST(Wnd, PenEventsArriveInWindowCoordinatesWithTheButtonFlag)
{
    QWidget top;
    top.resize(100, 100);
    CProbeWnd wnd;
    ASSERT_TRUE(wnd.Create(&top, 1, CRect(10, 10, 90, 90), TRUE));
    auto send = [w = wnd.GetSafeHwnd()](QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, QPointF(18.7, 71.2), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(20, 30), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(21, 31), Qt::LeftButton, Qt::NoButton);
    // A quick second tap arrives as a double click and still counts as a pen-down; other buttons are not the pen.
    send(QEvent::MouseButtonDblClick, QPointF(5, 6), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonPress, QPointF(1, 1), Qt::RightButton, Qt::RightButton);

    using Events = std::vector<std::pair<UINT, CPoint>>;
    EXPECT_EQ(wnd.downs, (Events{{MK_LBUTTON, CPoint(18, 71)}, {MK_LBUTTON, CPoint(5, 6)}}));
    EXPECT_EQ(wnd.moves, (Events{{MK_LBUTTON, CPoint(20, 30)}}));
    ASSERT_EQ(wnd.ups.size(), 1u);
    EXPECT_EQ(wnd.ups[0].second, CPoint(21, 31));
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
    EXPECT_EQ(std::count(wnd.timers.begin(), wnd.timers.end(), 1u), long(wnd.timers.size()));
    EXPECT_TRUE(wnd.KillTimer(1));
    EXPECT_FALSE(wnd.KillTimer(1));
    const size_t n = wnd.timers.size();
    Spin(40);
    EXPECT_EQ(wnd.timers.size(), n);
}

TEST(Wnd, MessagesGoSynchronouslyToTheParentAndAChildOutlivesItsParentsWindow)
{
    QWidget top;
    CProbeWnd parent;
    CProbeWnd child;
    ASSERT_TRUE(parent.Create(&top, 59648, CRect(0, 0, 240, 268), TRUE));
    ASSERT_TRUE(child.Create(&parent, 1200, CRect(0, 0, 240, 268), TRUE));
    EXPECT_EQ(child.GetParent()->SendMessage(WM_USER + 1, 3, 0), 6);
    EXPECT_EQ(parent.messages, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 1, 3}}));
    parent.DestroyWindow();
    EXPECT_EQ(child.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(child.IsWindowVisible());
}

TEST(Profile, StringsRoundTripAndBadIntegersGiveTheDefault)
{
    const QString section = "ProfileTest";
    EXPECT_EQ(GetProfileString(section, "Missing", "def"), "def");
    ASSERT_TRUE(WriteProfileString(section, "Dictionary", "/x/data/English Comprehensive07.dct"));
    EXPECT_EQ(GetProfileString(section, "Dictionary"), "/x/data/English Comprehensive07.dct");
    QSettings raw("Brasswinkle", "Quillotrix");
    raw.setValue(section + "/Garbage", "12abc");
    raw.setValue(section + "/Unsigned", "4294967295");
    raw.sync();
    EXPECT_EQ(GetProfileInt(section, "Garbage", 7), 7);
    EXPECT_EQ(GetProfileInt(section, "Unsigned", 7), -1);
}

TEST(Help, CommandLinesStayInTheProgramFolderAndTheForwardingPageKeepsTheAnchor)
{
    QFile f(TestProgramFolder() + "Quillotrix.htm");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QUrl url = HelpUrlFromCommandLine("file:Quillotrix.htm#Tessaryl");
    EXPECT_EQ(url.toLocalFile(), TestProgramFolder() + "Quillotrix.htm");
    EXPECT_EQ(url.fragment(), "Tessaryl");
    EXPECT_TRUE(HelpUrlFromCommandLine("file:../etc/passwd#x").isEmpty() && HelpUrlFromCommandLine("").isEmpty());
    // Odd characters in the path cannot break out of the page.
    EXPECT_TRUE(HelpRedirectPage(url).contains("url=" + url.toEncoded() + "\""));
    const QByteArray odd = HelpRedirectPage(QUrl::fromLocalFile("/tmp/a\"b<c>.htm"));
    EXPECT_FALSE(odd.contains("a\"b") || odd.contains("<c>"));
}

TEST(MessageBox, TextThatLooksLikeMarkupIsShownAsItIs)
{
    Qt::TextFormat eFormat = Qt::RichText;
    QString strShown;
    QTimer timer; // answers the real box once it is open
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            eFormat = pBox->textFormat();
            strShown = pBox->text();
            pBox->button(QMessageBox::Yes)->click();
        }
    });
    timer.start(10);
    const QString strText = "Error loading dictionary /home/<b>x</b>/a.dct";
    EXPECT_EQ(QxMessageBox(strText, "Confirmation", MB_YESNO), IDYES);
    EXPECT_EQ(eFormat, Qt::PlainText);
    EXPECT_EQ(strShown, strText);
}

TEST(Help, AnOpenerThatFailsOrIsMissingNamesTheHelpFile)
{
    const QString strHelp = TestProgramFolder() + "Quillotrix.htm";
    QFile f(strHelp);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QString strBin = TestRootFolder() + "fakebin/";
    QDir().mkpath(strBin);
    const QByteArray savedPath = qgetenv("PATH");
    QStringList aShown;
    SetMessageBoxResponder([&](const QString& strText, const QString&, UINT) {
        aShown << strText;
        return IDOK;
    });
    const auto fnWaitForMessage = [&] {
        for (int i = 0; i < 500 && aShown.isEmpty(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(5);
        }
    };
    // An opener that finds no browser ends in failure, as xdg-open does.
    QFile script(strBin + "xdg-open");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 3\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", strBin.toLocal8Bit());
    StartHelpViewer("file:Quillotrix.htm#Tessaryl");
    fnWaitForMessage();
    ASSERT_EQ(aShown.size(), 1);
    EXPECT_TRUE(aShown[0].contains(strHelp)) << qPrintable(aShown[0]);

    // No opener at all.
    aShown.clear();
    QFile::remove(strBin + "xdg-open");
    StartHelpViewer("file:Quillotrix.htm");
    fnWaitForMessage();
    ASSERT_EQ(aShown.size(), 1);
    EXPECT_TRUE(aShown[0].contains(strHelp));

    // An opener that succeeds says nothing.
    aShown.clear();
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 0\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    StartHelpViewer("file:Quillotrix.htm");
    for (int i = 0; i < 60; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    EXPECT_TRUE(aShown.isEmpty());
    qputenv("PATH", savedPath);
    SetMessageBoxResponder({});
}

TEST(MessageBox, EnterAnswersNoWhenNoIsTheDefault)
{
    int nDefault = -1;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            nDefault = pBox->standardButton(pBox->defaultButton());
            pBox->defaultButton()->click();
        }
    });
    timer.start(10);
    EXPECT_EQ(QxMessageBox("'RLS' not found in dictionary.  Add it?", "Unknown word",
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
              IDNO);
    EXPECT_EQ(nDefault, QMessageBox::No);
    EXPECT_EQ(QxMessageBox("Are you sure you want to quit?", "Confirmation", MB_YESNO | MB_ICONQUESTION), IDYES)
        << "other questions keep Yes as their default";
}
