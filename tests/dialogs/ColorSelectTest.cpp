// The colour selection dialog: the grid, picks and drags, the value edits, OK, Cancel and help.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/ColorSelectDlg.h"
#include "dialogs/SpinButtonCtrl.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {
QStringList EditTexts(const CColorSelectDlg& dlg)
{
    return {dlg.m_apEdit[0]->text(), dlg.m_apEdit[1]->text(), dlg.m_apEdit[2]->text()};
}
QRgb PixelAt(const CWnd& wnd, int x, int y)
{
    const QImage& img = wnd.GetSurface();
    return img.pixel(int(x * img.devicePixelRatio()), int(y * img.devicePixelRatio())) & 0xFFFFFF;
}
} // namespace

using ColorSelect = DialogTest;

TEST_F(ColorSelect, GridColoursRunFromBlackToAFullColourInEveryRow)
{
    const struct {
        int k, j;
        COLORREF cr;
    } aCells[] = {{32, 0, RGB(255, 0, 0)},     {32, 1, RGB(255, 128, 0)},   {32, 2, RGB(255, 255, 0)},
                  {32, 3, RGB(128, 255, 0)},   {32, 5, RGB(0, 255, 128)},   {32, 7, RGB(0, 128, 255)},
                  {32, 9, RGB(128, 0, 255)},   {32, 11, RGB(255, 0, 128)},  {32, 12, RGB(255, 128, 255)},
                  {32, 13, RGB(255, 255, 255)}, {31, 13, RGB(248, 248, 248)}, {10, 9, RGB(40, 0, 80)},
                  {1, 1, RGB(8, 4, 0)}};
    for (const auto& c : aCells) {
        COLORREF cr = 1;
        EXPECT_TRUE(CColorAreaCtrl::GetCellColor(c.k, c.j, cr));
        EXPECT_EQ(cr, c.cr) << c.k << "," << c.j;
    }
    for (int j = 0; j < CColorAreaCtrl::ROWS; ++j) {
        COLORREF cr = 1;
        CColorAreaCtrl::GetCellColor(0, j, cr);
        EXPECT_EQ(cr, 0u) << "row " << j;
    }
    COLORREF cr = 7;
    for (auto [k, j] : {std::pair{-1, 0}, {33, 0}, {0, 14}, {0, -1}})
        EXPECT_FALSE(CColorAreaCtrl::GetCellColor(k, j, cr));
    EXPECT_EQ(cr, 7u);
}

TEST_F(ColorSelect, PointsOutsideTheGridAndAreasTooSmallPickNothing)
{
    const struct {
        int x, y, cx, cy;
        bool bPicks;
        COLORREF cr;
    } aCases[] = {
        {230, 83, 231, 84, true, RGB(255, 255, 255)}, // last cell of the grey row
        {0, 0, 231, 84, true, RGB(0, 0, 0)},
        {7, 6, 231, 84, true, RGB(8, 4, 0)},
        {231, 10, 231, 84, false, 0},  // right of the columns, as a drag past the edge reports
        {10, 84, 231, 84, false, 0},   // below the rows
        {-1, 10, 231, 84, false, 0},   // left of the area (a plain division would give column 0)
        {10, -3, 231, 84, false, 0},
        {232, 10, 235, 84, false, 0},  // the spare pixels right of whole columns
        {5, 5, 32, 84, false, 0},      // narrower than one pixel per column
        {5, 5, 231, 13, false, 0},     // lower than one pixel per row
        {0, 0, 0, 0, false, 0},
    };
    for (const auto& c : aCases) {
        COLORREF cr = 0;
        EXPECT_EQ(CColorAreaCtrl::ColorAtPoint(CPoint(c.x, c.y), c.cx, c.cy, cr) != FALSE, c.bPicks) << c.x << "," << c.y << " in " << c.cx << "x" << c.cy;
        if (c.bPicks)
            EXPECT_EQ(cr, c.cr);
    }
    // A window that small paints and takes taps without harm.
    CColorSelectDlg dlg;
    dlg.InitDialog();
    dlg.m_wndArea.MoveWindow(CRect(0, 0, 20, 10));
    dlg.m_wndArea.UpdateWindow();
    dlg.m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(3, 3));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, 0u);
}

TEST_F(ColorSelect, StartsFromTheOwnersColourAndSizesTheAreaToWholeCells)
{
    CColorSelectDlg dlg;
    dlg.m_color = RGB(10, 200, 37);
    dlg.InitDialog();
    EXPECT_EQ(dlg.windowTitle(), "Color Selection");
    EXPECT_EQ(EditTexts(dlg), (QStringList{"10", "200", "37"}));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(10, 200, 37));
    EXPECT_EQ(dlg.m_wndCurrent.m_nGreen, 200);
    CRect rc;
    dlg.m_wndArea.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), 231);
    EXPECT_EQ(rc.Height() % 14, 0);
    EXPECT_GT(rc.Height(), 0);
    EXPECT_EQ(dlg.m_wndArea.GetSafeHwnd()->x(), 4);
    // Painted: the last column of the top row is full red.
    dlg.m_wndArea.UpdateWindow();
    EXPECT_EQ(PixelAt(dlg.m_wndArea, 228, 1), 0xFF0000u);
}

TEST_F(ColorSelect, TypedValuesAreTakenModulo256)
{
    CColorSelectDlg dlg;
    dlg.InitDialog();
    const struct {
        const char *pszRed, *pszGreen, *pszBlue;
        COLORREF cr;
    } aCases[] = {{"300", "0", "0", RGB(44, 0, 0)},
                  {"255", "", "1", RGB(255, 0, 1)}, // an emptied edit counts as 0
                  {"256", "511", "128", RGB(0, 255, 128)},
                  {"99999999999999999999", "7", "8", RGB(255, 7, 8)}}; // too long for a number: the largest
    for (const auto& c : aCases) {
        dlg.m_apEdit[0]->setText(c.pszRed);
        dlg.m_apEdit[1]->setText(c.pszGreen);
        dlg.m_apEdit[2]->setText(c.pszBlue);
        EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, c.cr) << c.pszRed << " " << c.pszGreen << " " << c.pszBlue;
    }
    // The edits take digits only.
    dlg.m_apEdit[1]->clear();
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, "-");
    QApplication::sendEvent(dlg.m_apEdit[1], &minus);
    EXPECT_EQ(dlg.m_apEdit[1]->text(), "");
}

TEST_F(ColorSelect, TheUpDownsStepWithinTheRangeAndFollowTheArrowKeys)
{
    CColorSelectDlg dlg;
    dlg.m_color = RGB(254, 1, 0);
    dlg.InitDialog();
    dlg.m_apSpin[0]->Step(1);
    dlg.m_apSpin[0]->Step(1);
    dlg.m_apSpin[1]->Step(-1);
    dlg.m_apSpin[1]->Step(-1);
    EXPECT_EQ(EditTexts(dlg), (QStringList{"255", "0", "0"}));
    dlg.m_apEdit[2]->setText("300"); // typed beyond the range: the up-down starts from its top
    dlg.m_apSpin[2]->Step(-1);
    EXPECT_EQ(dlg.m_apEdit[2]->text(), "254");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(dlg.m_apEdit[2], &up);
    EXPECT_EQ(dlg.m_apEdit[2]->text(), "255");
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(255, 0, 255));
}

TEST_F(ColorSelect, TapsAndDragsPickAndTheNumbersFollow)
{
    CColorSelectDlg dlg;
    dlg.m_color = RGB(1, 2, 3);
    dlg.InitDialog();
    CRect rc;
    dlg.m_wndArea.GetClientRect(&rc);
    const int h = rc.Height() / 14;
    dlg.m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(7 * 32 + 3, 13 * h + 1));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(255, 255, 255));
    EXPECT_EQ(EditTexts(dlg), (QStringList{"255", "255", "255"}));
    // Dragging along the red row.
    for (int k : {4, 5, 6}) {
        dlg.m_wndArea.OnMouseMove(MK_LBUTTON, CPoint(7 * k, 0));
        EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(8 * k, 0, 0));
        EXPECT_EQ(dlg.m_apEdit[0]->text(), QString::number(8 * k));
    }
    // A move without the pen, or past the area's edge, changes nothing.
    dlg.m_wndArea.OnMouseMove(0, CPoint(7 * 20, 0));
    dlg.m_wndArea.OnMouseMove(MK_LBUTTON, CPoint(400, 0));
    dlg.m_wndArea.OnMouseMove(MK_LBUTTON, CPoint(10, -5));
    EXPECT_EQ(dlg.m_wndCurrent.m_clrColor, RGB(48, 0, 0));
    EXPECT_FALSE(dlg.m_bUpdating);
    // The message arrives by value, as the area sends it.
    EXPECT_EQ(dlg.SendMessage(WM_COLORPICKED, RGB(3, 4, 5)), 0);
    EXPECT_EQ(EditTexts(dlg), (QStringList{"3", "4", "5"}));
}

TEST_F(ColorSelect, OKReturnsThePickAndCancelKeepsTheOwnersColour)
{
    for (int nEnd : {IDOK, IDCANCEL}) {
        CColorSelectDlg dlg;
        dlg.m_color = RGB(9, 9, 9);
        CModalDialog::SetModalRunner([nEnd](CModalDialog& d) {
            auto& c = static_cast<CColorSelectDlg&>(d);
            c.m_wndArea.OnLButtonDown(MK_LBUTTON, CPoint(7 * 16 + 1, 1)); // red 128
            c.m_apEdit[2]->setText("20");
            nEnd == IDOK ? c.m_pOK->click() : c.m_pCancel->click();
            return c.result();
        });
        EXPECT_EQ(dlg.DoModal(), nEnd);
        EXPECT_EQ(dlg.m_color, nEnd == IDOK ? RGB(128, 0, 20) : RGB(9, 9, 9));
    }
}

TEST_F(ColorSelect, HelpOpensTheOwnersTopicOrNothing)
{
    CColorSelectDlg dlg;
    dlg.InitDialog();
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &f1);
    EXPECT_TRUE(helpLines.isEmpty());
    dlg.m_strHelp = "file:quillotrix.htm#Preferences";
    QApplication::sendEvent(&dlg, &f1);
    EXPECT_EQ(helpLines, QStringList{"file:quillotrix.htm#Preferences"});
    // Both spellings of the help file open the one in the program folder.
    QFile::copy(QX_SOURCE_DIR "/resources/help/Quillotrix.htm", TestProgramFolder() + "Quillotrix.htm");
    for (const char* psz : {"file:quillotrix.htm#Preferences", "file:Quillotrix.htm#Preferences"}) {
        const QUrl url = HelpUrlFromCommandLine(psz);
        EXPECT_EQ(url.toLocalFile(), TestProgramFolder() + "Quillotrix.htm") << psz;
        EXPECT_EQ(url.fragment(), "Preferences");
    }
}

TEST_F(ColorSelect, TheSwatchBevelIsClampedAndOnlyANotifyNumberReportsTaps)
{
    CColorSwatch swatch;
    ASSERT_TRUE(swatch.Create(static_cast<QWidget*>(nullptr), 1006, CRect(0, 0, 40, 20), TRUE));
    swatch.SetColor(RGB(255, 255, 255));
    swatch.UpdateWindow();
    EXPECT_EQ(PixelAt(swatch, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(swatch, 39, 19), 0xDFDFDFu);
    EXPECT_EQ(PixelAt(swatch, 20, 10), 0xFFFFFFu);
    swatch.SetColor(RGB(100, 50, 0));
    swatch.UpdateWindow();
    EXPECT_EQ(PixelAt(swatch, 0, 5), 0x7C4A18u) << "+24";
    EXPECT_EQ(PixelAt(swatch, 39, 5), 0x441200u) << "-32";
    EXPECT_EQ(swatch.m_nRed, 100);
    EXPECT_EQ(swatch.m_nBlue, 0);
}
